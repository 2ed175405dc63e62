// Drawing: device contexts (CDC and the window, paint and metafile DCs) and
// the GDI object wrappers (pens, brushes, fonts, bitmaps, palettes,
// regions).
//
// A CDC has two handles: output (m_hDC) receives the drawing, attributes
// (m_hAttribDC) answers the queries (text extents and metrics, mapping,
// device capabilities). Both are the same handle unless set apart with
// SetOutputDC/SetAttribDC. State changes (mapping, colours, selected
// objects, clipping) go to both, and their result comes from the attribute
// context.
//
// FromHandle gives the C++ object that owns a handle (through Attach) or
// else a temporary wrapper that lives until the thread's temporary maps are
// cleaned (AfxDeleteTempGdiMaps, when the application is idle). Temporary
// wrappers never delete their handles. The maps are per thread.
#pragma once
#include <windows.h>
#include "afxapi.h"
#include "afxexcept.h"
#include "afxgeom.h"
#include "afxobj.h"
#include "afxstr.h"

class CWnd;

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// A Windows resource (a GDI object or a device context) could not be had.
class AFX_API CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException();
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

[[noreturn]] AFX_API void AfxThrowResourceException();

// Deletes the calling thread's temporary CDC and CGdiObject wrappers.
AFX_API void AfxDeleteTempGdiMaps();

class CDC;

class AFX_API CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject();
    // Deletes the object it holds.
    ~CGdiObject() override;

    HGDIOBJ m_hObject;

    operator HGDIOBJ() const { return m_hObject; }
    // May be called through a null pointer: gives null.
    HGDIOBJ GetSafeHandle() const;

    // The wrapper's class follows the object's type (CPen for a pen ...).
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

    // FALSE if this object holds a handle already or another object owns
    // hObject.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    // Holds a stock object (not entered in the handle map).
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

    BOOL operator==(const CGdiObject& other) const { return m_hObject == other.m_hObject; }
    BOOL operator!=(const CGdiObject& other) const { return m_hObject != other.m_hObject; }

protected:
    // Attaches a handle just created for this object; deletes it if Attach
    // refuses it.
    BOOL AttachCreated(HGDIOBJ hObject);
};

class AFX_API CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    // Throws CResourceException if the pen cannot be made.
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    static CPen* FromHandle(HPEN hPen);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen);
    int GetLogPen(LOGPEN* pLogPen) const;
};

class CBitmap;

class AFX_API CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    // These throw CResourceException if the brush cannot be made.
    explicit CBrush(COLORREF crColor);
    CBrush(int nIndex, COLORREF crColor);  // hatched
    explicit CBrush(CBitmap* pBitmap);

    static CBrush* FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
    // The system's brush of a GetSysColor index (deleting it does nothing).
    BOOL CreateSysColorBrush(int nIndex);
    int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

class AFX_API CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    CFont() = default;

    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }

    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
        BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
        BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename);
    // A font nPointSize tenths of a point high on pDC's attribute context
    // (the screen when pDC is null), in its logical units: lfHeight becomes
    // minus the height of the device distance LOGPIXELSY * nPointSize / 720
    // in logical units.
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr);
    // As CreatePointFont, with lfHeight of *lpLogFont in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const;
};

class AFX_API CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() = default;

    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // From the module of AfxGetResourceHandle().
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap);
    // Compatible with pDC's output context.
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;
};

class AFX_API CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    CPalette() = default;

    static CPalette* FromHandle(HPALETTE hPalette);
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    void AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
};

class AFX_API CRgn : public CGdiObject
{
    DECLARE_DYNAMIC(CRgn)
public:
    CRgn() = default;

    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect);
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);

    // This region must exist already; it receives the combination.
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
    int CopyRgn(CRgn* pRgnSrc);
    BOOL EqualRgn(CRgn* pRgn) const;
    int OffsetRgn(int x, int y);
    int OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT lpRect) const;
    int GetRgnBox(LPRECT lpRect) const;
    void SetRectRgn(int x1, int y1, int x2, int y2);
    void SetRectRgn(LPCRECT lpRect) { SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
};

class AFX_API CDC : public CObject
{
    DECLARE_DYNCREATE(CDC)
public:
    CDC();
    // Deletes the output context if it holds one (DeleteDC).
    ~CDC() override;

    HDC m_hDC;         // output
    HDC m_hAttribDC;   // attributes and queries
    BOOL m_bPrinting;

    operator HDC() const { return m_hDC; }
    // May be called through a null pointer: gives null.
    HDC GetSafeHdc() const;

    // A temporary wraps the handle as both output and attribute context.
    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();

    // Takes hDC as output and attribute context; FALSE if this object holds
    // a context already or another object owns hDC.
    BOOL Attach(HDC hDC);
    // Gives up both contexts and returns the output context.
    HDC Detach();
    virtual void SetAttribDC(HDC hDC);
    virtual void SetOutputDC(HDC hDC);
    virtual void ReleaseAttribDC();
    virtual void ReleaseOutputDC();

    BOOL IsPrinting() const { return m_bPrinting; }

    BOOL CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData);
    BOOL CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData);
    // Compatible with pDC's output context, or with the screen when null.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // With separate contexts the saved levels may differ, so SaveDC then
    // returns -1 (restore the latest).
    virtual int SaveDC();
    virtual BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    // Mapping. Setters return the previous value.
    virtual int SetMapMode(int nMapMode);
    int GetMapMode() const;
    CPoint GetViewportOrg() const;
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize GetViewportExt() const;
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    virtual CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CSize GetWindowExt() const;
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    virtual CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);

    // Conversions through the attribute context. Sizes are distances: they
    // scale by the magnitudes of the extents and keep their signs.
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;
    void DPtoLP(LPSIZE lpSize) const;
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void LPtoDP(LPSIZE lpSize) const;

    // Selection. Each returns the previous object of the attribute context
    // (FromHandle: the owner or a temporary). Bitmaps and palettes go to the
    // output context only.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    virtual CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    int SelectObject(CRgn* pRgn);  // region type, as SelectClipRgn
    CGdiObject* SelectObject(CGdiObject* pObject);
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    virtual CGdiObject* SelectStockObject(int nIndex);
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();

    // Drawing attributes.
    COLORREF GetTextColor() const;
    virtual COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    virtual COLORREF SetBkColor(COLORREF crColor);
    int GetBkMode() const;
    int SetBkMode(int nBkMode);
    UINT GetTextAlign() const;
    UINT SetTextAlign(UINT nFlags);
    int GetTextCharacterExtra() const;
    int SetTextCharacterExtra(int nCharExtra);
    int GetROP2() const;
    int SetROP2(int nDrawMode);
    int GetPolyFillMode() const;
    int SetPolyFillMode(int nPolyFillMode);
    int GetStretchBltMode() const;
    int SetStretchBltMode(int nStretchMode);

    // Text output (output context).
    virtual BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
        LPINT lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
    {
        return ExtTextOut(x, y, nOptions, lpRect, str, str.GetLength(), lpDxWidths);
    }
    virtual CSize TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
        LPINT lpnTabStopPositions, int nTabOrigin);
    CSize TabbedTextOut(int x, int y, const CString& str, int nTabPositions, LPINT lpnTabStopPositions,
        int nTabOrigin)
    {
        return TabbedTextOut(x, y, str, str.GetLength(), nTabPositions, lpnTabStopPositions, nTabOrigin);
    }
    virtual int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
    {
        return DrawText(str, str.GetLength(), lpRect, nFormat);
    }

    // Text metrics: of the attribute context, or of the output context for
    // the GetOutput... forms.
    CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    CSize GetOutputTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString& str) const { return GetOutputTextExtent(str, str.GetLength()); }
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const;
    UINT GetOutlineTextMetrics(UINT cbData, LPOUTLINETEXTMETRIC lpotm) const;
    BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const;
    BOOL GetOutputCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const;
    int GetTextFace(int nCount, LPSTR lpszFacename) const;
    int GetTextFace(CString& rString) const;

    // Lines and shapes (output context; the current position is kept in both).
    CPoint GetCurrentPosition() const;
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polyline(const POINT* lpPoints, int nCount);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL RoundRect(LPCRECT lpRect, POINT point)
    {
        return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
    }
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
    {
        return Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
    }
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
    {
        return Pie(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
    }

    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // Leaves crColor as the background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    // A one-unit frame: top and left edges in clrTopLeft, right and bottom
    // edges in clrBottomRight.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    void DrawFocusRect(LPCRECT lpRect);
    void InvertRect(LPCRECT lpRect);
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }

    // Clipping: set in both contexts; the box is the output context's.
    int SelectClipRgn(CRgn* pRgn);
    int SelectClipRgn(CRgn* pRgn, int nMode);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect)
    {
        return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect)
    {
        return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    virtual int GetClipBox(LPRECT lpRect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(LPCRECT lpRect) const;

    // Block transfers from pSrcDC's output context (null for raster
    // operations without a source).
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
        int nSrcHeight, DWORD dwRop);

    BOOL PlayMetaFile(HMETAFILE hMF);
    BOOL PlayMetaFile(HENHMETAFILE hEnhMetaFile, LPCRECT lpBounds);

private:
    // Attaches a context just created for this object; deletes it if Attach
    // refuses it.
    BOOL AttachCreated(HDC hDC);
};

// The update area of a window between BeginPaint and EndPaint.
class AFX_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    // Throws CResourceException if BeginPaint fails.
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// The client area of a window (the screen for a null window).
class AFX_API CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    // Throws CResourceException if GetDC fails.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// The whole window including its frame (the screen for a null window).
class AFX_API CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    // Throws CResourceException if GetWindowDC fails.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

// Records an enhanced metafile. The recording context answers the queries
// itself (it is both output and attribute context) until SetAttribDC gives
// another attribute context.
class AFX_API CMetaFileDC : public CDC
{
    DECLARE_DYNAMIC(CMetaFileDC)
public:
    CMetaFileDC() = default;
    // Discards a recording that was not closed.
    ~CMetaFileDC() override;

    // pDCRef (null: the screen) is the reference device; lpBounds, in
    // 0.01 mm, may be null to fit the picture.
    BOOL CreateEnhanced(CDC* pDCRef, LPCSTR lpszFileName, LPCRECT lpBounds, LPCSTR lpszDescription);
    // Ends the recording; the caller deletes the metafile (DeleteEnhMetaFile).
    HENHMETAFILE CloseEnhanced();
};

#pragma pack(pop)
