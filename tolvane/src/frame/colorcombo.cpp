#include "frame/colorcombo.h"

namespace {

const COLORREF kColors[CColorCombo::kColorCount] = {
    RGB(0, 0, 0), RGB(128, 0, 0), RGB(0, 128, 0), RGB(128, 128, 0),
    RGB(0, 0, 128), RGB(128, 0, 128), RGB(0, 128, 128), RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0),
    RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

void FrameWith(CDC* pDC, const CRect& rect, COLORREF crColor)
{
    CBrush brush(crColor);
    pDC->FrameRect(&rect, &brush);
}

}  // namespace

COLORREF CColorCombo::ColorFromIndex(int nIndex)
{
    return nIndex >= 1 && nIndex <= kColorCount ? kColors[nIndex - 1] : RGB(0, 0, 0);
}

WORD CColorCombo::IndexFromColor(COLORREF crColor)
{
    for (int i = 0; i < kColorCount; ++i) {
        if (kColors[i] == crColor)
            return static_cast<WORD>(i + 1);
    }
    return 1;
}

void CColorCombo::AddColors()
{
    for (int nIndex = 1; nIndex <= kColorCount; ++nIndex)
        SetItemData(AddString(""), static_cast<DWORD_PTR>(nIndex));
    SendMessage(CB_SETITEMHEIGHT, 0, kItemHeight);
}

void CColorCombo::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    const COLORREF crItem = ColorFromIndex(static_cast<int>(lpDrawItemStruct->itemData));
    const UINT nAction = lpDrawItemStruct->itemAction;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    if (nAction & ODA_DRAWENTIRE) {
        CBrush brush(crItem);
        pDC->FillRect(&rect, &brush);
    }
    if (bSelected && (nAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        FrameWith(pDC, rect, crItem ^ RGB(255, 255, 255));
    else if (!bSelected && (nAction & ODA_SELECT))
        FrameWith(pDC, rect, crItem);
}

void CColorCombo::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = kItemHeight;
}
