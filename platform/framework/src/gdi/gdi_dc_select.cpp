// CDC: object selection and drawing attributes.
#include "afxgdi.h"
#include "gdi/gdi_internal.h"

using afxgdi::HandleOf;
using afxgdi::SetInBoth;

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    // A bitmap can be selected into one context only: the output.
    if (::GetObjectType(hObject) == OBJ_BITMAP)
        return ::SelectObject(m_hDC, hObject);
    return SetInBoth(*this, [=](HDC hDC) { return ::SelectObject(hDC, hObject); });
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectObject(HandleOf(pObject)));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(SelectObject(HandleOf(pRgn))));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    HPALETTE hPalette = static_cast<HPALETTE>(HandleOf(pPalette));
    return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetTextColor(hDC, crColor); });
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetBkColor(hDC, crColor); });
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetBkMode(hDC, nBkMode); });
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetTextAlign(hDC, nFlags); });
}

int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(m_hAttribDC);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetTextCharacterExtra(hDC, nCharExtra); });
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}

int CDC::SetROP2(int nDrawMode)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetROP2(hDC, nDrawMode); });
}

int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetPolyFillMode(hDC, nPolyFillMode); });
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetStretchBltMode(hDC, nStretchMode); });
}
