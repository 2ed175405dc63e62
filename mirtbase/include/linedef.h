// CLineDef: one item of a list printing definition (a fixed text, a field's
// value or name, a picture, today's date, the page number, a rule or a row
// break), with what it needs while it prints: its text split into lines,
// its bitmap, where it was put and at which line it goes on on later pages.
// Positions are device units, the stored x and right limit tenths of a
// millimetre, font heights tenths of a point.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include "mirtapi.h"

class CDefaultPrtDef;
class CPalDIB;

#pragma pack(push, 4)

// A point font (height in tenths of a point) selected into a context, text
// aligned top left, for the life of the object; the old font goes back at
// the end. When the font cannot be made the context keeps its own.
class MIRT_API CPrtFontSelection
{
public:
    CPrtFontSelection(CDC* pDC, const LOGFONT& logFont);
    ~CPrtFontSelection();
    CPrtFontSelection(const CPrtFontSelection&) = delete;
    CPrtFontSelection& operator=(const CPrtFontSelection&) = delete;

    BOOL IsSelected() const { return m_pOldFont != nullptr; }
    // Height plus external leading of the selected font.
    int GetLineHeight() const;

private:
    CDC* m_pDC;
    CFont m_font;
    CFont* m_pOldFont;
};

class MIRT_API CLineDef : public CObject
{
    DECLARE_SERIAL(CLineDef)
public:
    enum
    {
        KIND_FIELD_DATA = 0,    // the field's data string
        KIND_FIELD_NAME = 1,    // the field's name
        KIND_FIELD_PICTURE = 2, // the picture named by the field's data string
        KIND_DATE = 3,          // today, user's short date
        KIND_PAGE = 4,          // "PAGE:%d"
        KIND_TEXT = 5,          // m_strText
        KIND_BITMAP = 6,        // the bitmap file named by m_strText
        KIND_RULE = 7,
        KIND_ROW_BREAK = 8,
        KIND_STRING = 9         // the document's printing string m_nStringIndex
    };
    enum
    {
        ALIGN_CENTRE = 0,
        ALIGN_RIGHT = 1,
        ALIGN_FLOW = 2          // on from the current position
    };

    CLineDef();
    // Deletes the bitmap and the temporary BMP file made from a JPEG.
    ~CLineDef() override;

    // First value, font, alignment, x, right limit, kind, field order, text,
    // first further string, string index, further value, second further
    // string.
    void Serialize(CArchive& ar) override;

    // The font the item prints with: the owner's when the item's height is
    // 0, the owner's at the item's height when the item names no face, else
    // the item's own.
    LOGFONT GetEffectiveFont() const;

    // Width and height of the item on pDC (device units); fetches and
    // formats the text it prints and loads its bitmap.
    CSize Measure(CDC* pDC);
    // Puts the item on the owner's current page at the owner's current
    // position and draws it: 1 finished, 0 the page is full.
    int Place(CDC* pDC);
    // Draws the item at rc.left, rc.top within rc.right and rc.bottom from
    // line nFirstLine: 1 finished, else 0 with the line to go on with in
    // nReached.
    int DrawAt(CDC* pDC, const RECT& rc, int nFirstLine, int& nReached);

    // Splits a line into pieces no wider than nWidth on pDC's selected
    // font, at character boundaries (a double-byte character stays whole).
    // When no character fits, the rest of the line is one last piece.
    static void WrapLine(CDC* pDC, const CString& strLine, int nWidth, CStringList& pieces);

    int m_bPlaced;                  // not stored
    DWORD m_dwFirst;
    CDefaultPrtDef* m_pOwner;       // not stored, not owned
    RECT m_rcPlaced;                // not stored
    CStringList m_listLines;        // not stored
    CPalDIB* m_pDib;                // owned, or null
    CString m_strTempFile;
    CMapBase<UINT, UINT, int, int> m_mapContinue;   // page -> line to go on with
    DWORD m_nStringIndex;
    CString m_strFurther1;          // stored, not printed
    DWORD m_dwFurther;              // stored, not printed
    CString m_strFurther2;          // stored, not printed
    CString m_strText;
    UINT m_nOrder;
    int m_nKind;
    int m_nRightLimit;              // 0.1 mm, 0 = printable right edge
    int m_nX;                       // 0.1 mm, 0 = left edge
    int m_nAlign;
    LOGFONT m_logFont;

private:
    CLineDef(const CLineDef&) = delete;
    CLineDef& operator=(const CLineDef&) = delete;

    // Measuring.
    BOOL IsTextKind() const;
    void BuildLines();
    LOGFONT GetMeasuringFont(CDC* pDC) const;
    CSize MeasureLines(CDC* pDC);
    CSize MeasureLabel(CDC* pDC);
    CString FormatToday() const;
    CPalDIB* LoadBitmap();
    CString GetBitmapPath() const;

    // Placing and drawing.
    int PlaceAgain(CDC* pDC);
    int JoinFollowing(CDC* pDC);
    void RaiseRowHeight(int nHeight);
    void DrawBitmap(CDC* pDC, const RECT& rc);
    void DrawLabel(CDC* pDC, const RECT& rc);
    void DrawRule(CDC* pDC, const RECT& rc);
    void BreakRow();
    int DrawLines(CDC* pDC, const RECT& rc, int nFirstLine, int& nReached);
    BOOL ReplaceByPieces(CDC* pDC, POSITION& pos, int nWidth);
};

#pragma pack(pop)
