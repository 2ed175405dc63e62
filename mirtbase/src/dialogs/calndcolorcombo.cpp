#include "dialogs/calndcolorcombo.h"

#include "npropobjcalnd.h"

namespace {

void FrameWith(HDC hDC, const RECT& rect, COLORREF color)
{
    HBRUSH hBrush = ::CreateSolidBrush(color);
    ::FrameRect(hDC, &rect, hBrush);
    ::DeleteObject(hBrush);
}

COLORREF Inverse(COLORREF color)
{
    return RGB(255 - GetRValue(color), 255 - GetGValue(color), 255 - GetBValue(color));
}

}  // namespace

void CCalndColorCombo::Fill()
{
    for (int nIndex = 0; nIndex < CNPropObjCalnd::COLOR_TABLE_SIZE; ++nIndex)
        AddString(reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(CNPropObjCalnd::CalendarColor(nIndex))));
}

void CCalndColorCombo::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = ITEM_HEIGHT;
}

void CCalndColorCombo::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
    if (dis.itemID == static_cast<UINT>(-1))
        return;
    const COLORREF color = static_cast<COLORREF>(dis.itemData);
    if (dis.itemAction & ODA_DRAWENTIRE) {
        HBRUSH hBrush = ::CreateSolidBrush(color);
        ::FillRect(dis.hDC, &dis.rcItem, hBrush);
        ::DeleteObject(hBrush);
    }
    const BOOL bSelected = (dis.itemState & ODS_SELECTED) != 0;
    if (bSelected && (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        FrameWith(dis.hDC, dis.rcItem, Inverse(color));
    else if (!bSelected && (dis.itemAction & ODA_SELECT))
        FrameWith(dis.hDC, dis.rcItem, color);
}

void DDX_CalndColor(CDataExchange* pDX, int nID, CCalndColorCombo& combo, int& nIndex)
{
    DDX_Control(pDX, nID, combo);
    DDX_CBIndex(pDX, nID, nIndex);
}
