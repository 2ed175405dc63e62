#include "entry/entryframe.h"

void DrawEntryFrame(CDC* pDC, CRect rect)
{
    rect.DeflateRect(1, 1);
    CPen pen(PS_SOLID, 2, RGB(255, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    const POINT corners[] = {{rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom},
        {rect.left, rect.bottom}, {rect.left, rect.top}};
    for (int i = 0; i < 4; ++i) {
        pDC->MoveTo(corners[i]);
        pDC->LineTo(corners[i + 1]);
    }
    pDC->SelectObject(pOldPen);
}

void DrawEntryCross(CDC* pDC, const CRect& rect)
{
    CPen pen(PS_SOLID, 1, RGB(192, 192, 192));
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->SelectObject(pOldPen);
}

void RepaintEntry(CWnd* pWnd)
{
    if (pWnd->GetSafeHwnd() != nullptr)
        ::RedrawWindow(pWnd->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
