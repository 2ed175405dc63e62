// Drawing of the check box: the square, the caption and the marks.
#include "npropobjbtncheck.h"

CRect CNPropObjBtnCheck::CalcCheckRect(int nLeft, int nTop, int nRight, int nBottom)
{
    const int w = nRight - nLeft;
    const int h = nBottom - nTop;
    const int nSide = w < h ? w : h;
    CRect square(nLeft, nTop, nLeft + nSide, nTop + nSide);
    const BOOL bCaption = !m_listItems.IsEmpty() && !m_listItems.GetHead().IsEmpty();
    if (!bCaption) {
        if (h < w)
            square.OffsetRect(w / 2 - h / 2, 0);
        else
            square.OffsetRect(0, h / 2 - w / 2);
    }
    return square;
}

int CNPropObjBtnCheck::DrawCheck(CDC* pDC, int, int nLeft, int nTop, int nRight, int nBottom)
{
    const CRect square = CalcCheckRect(nLeft, nTop, nRight, nBottom);
    const CString strCaption = m_listItems.IsEmpty() ? CString() : m_listItems.GetHead();
    if (!strCaption.IsEmpty()) {
        const int nHeight = pDC->GetTextExtent(strCaption).cy;
        pDC->TextOut(square.right, nTop + (nBottom - nTop - nHeight) / 2, strCaption);
    }
    if (m_bChecked)
        DrawMark(pDC, square);
    return 1;
}

void CNPropObjBtnCheck::DrawMark(CDC* pDC, const CRect& square)
{
    if (m_nMarkStyle < MARK_DISC || m_nMarkStyle > MARK_LAST_DRAWN)
        return;
    const int nSide = square.Width();
    const BOOL bCircle = m_nMarkStyle <= MARK_DOUBLE_CIRCLE;
    const int nPenWidth = bCircle ? 1 : ConvertLengthUnits(pDC, 2, TRUE);
    CPen pen(PS_SOLID, nPenWidth < 1 ? 1 : nPenWidth, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush black(RGB(0, 0, 0));
    CRect inner = square;
    inner.DeflateRect(bCircle ? nSide / 7 : nSide / 6, bCircle ? nSide / 7 : nSide / 6);
    switch (m_nMarkStyle) {
    case MARK_DISC: {
        CBrush* pOldBrush = pDC->SelectObject(&black);
        pDC->Ellipse(&inner);
        pDC->SelectObject(pOldBrush);
        break;
    }
    case MARK_CIRCLE_BRUSH:
        pDC->Ellipse(&inner);
        break;
    case MARK_DOUBLE_CIRCLE: {
        CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
        pDC->Ellipse(&inner);
        const int nInset = inner.Width() / 4;
        inner.DeflateRect(nInset, nInset);
        pDC->Ellipse(&inner);
        pDC->SelectObject(pOldBrush);
        break;
    }
    case MARK_CROSS:
        pDC->MoveTo(inner.left, inner.top);
        pDC->LineTo(inner.right, inner.bottom);
        pDC->MoveTo(inner.left, inner.bottom);
        pDC->LineTo(inner.right, inner.top);
        break;
    default:
        pDC->MoveTo(inner.right, inner.top);
        pDC->LineTo(inner.left, inner.bottom);
        break;
    }
    pDC->SelectObject(pOldPen);
}
