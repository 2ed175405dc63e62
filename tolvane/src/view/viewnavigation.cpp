// CTolvaneView: the keyboard's moves between the fields of the face, and
// the field with the focus kept in sight.
#include <algorithm>

#include "mirtbasemen.h"
#include "view/tolvaneview.h"

namespace {

const LONGLONG kMaxScrollCells = 100;

// The start of cell n of nCount along a length; the last ends at its end.
int ScrollCellStart(int n, int nCount, int nCell, int nTotal)
{
    return n == nCount - 1 ? nTotal - nCell : n * nCell;
}

}  // namespace

LRESULT CTolvaneView::OnFirstField(WPARAM, LPARAM)
{
    CMirtBaseMen* pMen = FaceWindow();
    if (pMen == nullptr || !IsEntryMode() || m_bDataLink)
        return 0;
    pMen->SetMargin(ScrollMargin());
    pMen->SetFirstField();
    return 0;
}

LRESULT CTolvaneView::OnUserMove(WPARAM, LPARAM lParam)
{
    CMirtBaseMen* pMen = FaceWindow();
    if (pMen == nullptr || !IsEntryMode() || m_bDataLink)
        return 0;
    pMen->SetMargin(ScrollMargin());
    if (lParam == 1)
        pMen->SetNextField();
    else
        pMen->SetPrevField();
    ScrollFocusIntoView();
    return 0;
}

void CTolvaneView::ScrollFocusIntoView()
{
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || !::IsChild(m_hWnd, hFocus))
        return;
    CRect rectField;
    ::GetWindowRect(hFocus, &rectField);
    const CSize sizeBars(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    CRect rectView;
    GetWindowRect(&rectView);
    rectView.right -= sizeBars.cx;
    rectView.bottom -= sizeBars.cy;
    CRect rectCommon;
    if (rectCommon.IntersectRect(&rectView, &rectField) && rectCommon.Width() >= 2 && rectCommon.Height() >= 2)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    CPoint ptField = rectField.TopLeft();
    ScreenToClient(&ptField);
    ptField += GetDeviceScrollPosition();
    CPoint ptScroll;
    if (!FindScrollCell(ptField, GetTotalSize(), rectClient.Size() - sizeBars, ptScroll))
        return;
    ScrollToPosition(ptScroll);
    if (CMirtBaseMen* pMen = FaceWindow())
        pMen->SetMargin(ScrollMargin());
}

BOOL CTolvaneView::FindScrollCell(CPoint ptField, CSize sizeTotal, CSize sizeCell, CPoint& ptScroll)
{
    if (sizeCell.cx <= 0 || sizeCell.cy <= 0 || sizeTotal.cx <= 0 || sizeTotal.cy <= 0)
        return FALSE;
    const int nColumns = (sizeTotal.cx + sizeCell.cx - 1) / sizeCell.cx;
    const int nRows = (sizeTotal.cy + sizeCell.cy - 1) / sizeCell.cy;
    if (static_cast<LONGLONG>(nColumns) * nRows > kMaxScrollCells)
        return FALSE;
    for (int nColumn = 0; nColumn < nColumns; nColumn++) {
        const int x = ScrollCellStart(nColumn, nColumns, sizeCell.cx, sizeTotal.cx);
        for (int nRow = 0; nRow < nRows; nRow++) {
            const int y = ScrollCellStart(nRow, nRows, sizeCell.cy, sizeTotal.cy);
            if (CRect(x, y, x + sizeCell.cx, y + sizeCell.cy).PtInRect(ptField)) {
                ptScroll = CPoint(std::clamp(x, 0, static_cast<int>(sizeTotal.cx)),
                    std::clamp(y, 0, static_cast<int>(sizeTotal.cy)));
                return TRUE;
            }
        }
    }
    return FALSE;
}
