// Drawing of the check box: the square, the caption and the marks.
#include <vector>

#include "npropobjbtncheck.h"

#include "fields/base/clampint.h"
#include "mirtbase.h"

namespace {

// Bitmap resources of the picture marks from MARK_FIRST_PICTURE on.
const UINT kMarkBitmaps[] = {143, 137, 138, 139, 140, 141, 142, 136};
const int kMaxColours = 256;
const int kTenthsPerPoint = 10;
// Font heights follow the zoom divided by this, as the text fields' do.
const int kFontZoomDivisor = 101;

// A palette of the bitmap's colour table; FALSE when it has none.
BOOL MakeBitmapPalette(CDC& memory, CPalette& palette)
{
    RGBQUAD colours[kMaxColours];
    const UINT nColours = ::GetDIBColorTable(memory.m_hDC, 0, kMaxColours, colours);
    if (nColours == 0)
        return FALSE;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nColours * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = static_cast<WORD>(nColours);
    for (UINT i = 0; i < nColours; ++i)
        pLog->palPalEntry[i] = {colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue, 0};
    return palette.CreatePalette(pLog);
}

}  // namespace

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
    if (!strCaption.IsEmpty())
        DrawCaption(pDC, strCaption, square.right, nTop, nBottom);
    if (m_bChecked)
        DrawMark(pDC, square);
    return 1;
}

void CNPropObjBtnCheck::DrawCaption(CDC* pDC, const CString& strCaption, int x, int nTop, int nBottom)
{
    const int nZoom = m_pOwner != nullptr ? MirtClampInt(m_pOwner->GetPercent()) : 100;
    LOGFONT lf = m_logFont;
    lf.lfHeight = PointsToPixels(pDC, lf.lfHeight) / kTenthsPerPoint;
    if (nZoom != 100)
        lf.lfHeight = MirtMulDiv(lf.lfHeight, nZoom, kFontZoomDivisor);
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        AfxThrowResourceException();
    CFont* pOldFont = pDC->SelectObject(&font);
    const COLORREF crOld = pDC->SetTextColor(m_crText);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    const int nHeight = pDC->GetTextExtent(strCaption).cy;
    pDC->TextOut(x, nTop + (nBottom - nTop - nHeight) / 2, strCaption);
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(crOld);
    pDC->SelectObject(pOldFont);
}

void CNPropObjBtnCheck::DrawMark(CDC* pDC, const CRect& square)
{
    const int nSide = square.Width();
    if (m_nMarkStyle >= MARK_FIRST_PICTURE && m_nMarkStyle <= MARK_LAST_PICTURE) {
        CRect inner = square;
        inner.DeflateRect(nSide / 7, nSide / 7);
        DrawPictureMark(pDC, inner);
        return;
    }
    if (m_nMarkStyle < MARK_DISC || m_nMarkStyle > MARK_STROKE)
        return;
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

void CNPropObjBtnCheck::DrawPictureMark(CDC* pDC, const CRect& rect)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImageA(CResourceHandleSwitch::ThisModule(),
        MAKEINTRESOURCEA(kMarkBitmaps[m_nMarkStyle - MARK_FIRST_PICTURE]), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hBitmap == nullptr)
        return;
    BITMAP bm;
    ::GetObjectA(hBitmap, sizeof bm, &bm);
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    HGDIOBJ hOldBitmap = ::SelectObject(memory.m_hDC, hBitmap);
    CPalette palette;
    CPalette* pOldPalette = nullptr;
    if (pDC->IsPrinting() && !IsPreviewDC(pDC) && MakeBitmapPalette(memory, palette)) {
        pOldPalette = pDC->SelectPalette(&palette, FALSE);
        pDC->RealizePalette();
    }
    const int nOldMode = pDC->SetStretchBltMode(BLACKONWHITE);
    pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    pDC->SetStretchBltMode(nOldMode);
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, TRUE);
    ::SelectObject(memory.m_hDC, hOldBitmap);
    ::DeleteObject(hBitmap);
}
