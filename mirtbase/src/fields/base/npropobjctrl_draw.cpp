// Drawing of the control-backed fields: the device rectangle, the
// placeholder frame and text spread over a width.
#include "npropobjctrl.h"

#include <vector>

#include "cp932.h"
#include "draw/textdirection.h"
#include "fields/base/clampint.h"
#include "mirtbase.h"
#include "textdrawattr.h"

namespace {

// Byte lengths of the characters of a Shift-JIS text (a lead byte and its
// trail byte are one character).
std::vector<int> SplitCharacters(LPCSTR lpszText, int nLength)
{
    std::vector<int> lengths;
    for (int i = 0; i < nLength;) {
        const int nChar = cp932::CharLength(lpszText, i, nLength);
        lengths.push_back(nChar);
        i += nChar;
    }
    return lengths;
}

// Outputs the characters one by one so that the last one ends at the
// extent: after character i (from 1) the next starts i gaps further on.
void SpreadText(CDC* pDC, int x, int y, LPCSTR lpszText, int nLength, const CTextDirection& direction, int nExtent)
{
    const std::vector<int> lengths = SplitCharacters(lpszText, nLength);
    if (lengths.size() < 2) {
        pDC->TextOut(x, y, lpszText, nLength);
        return;
    }
    std::vector<int> widths;
    long long nTotal = 0;
    for (size_t i = 0, nOffset = 0; i < lengths.size(); nOffset += lengths[i++]) {
        widths.push_back(pDC->GetTextExtent(lpszText + nOffset, lengths[i]).cx);
        nTotal += widths.back();
    }
    const double dGap = static_cast<double>(nExtent - nTotal) / static_cast<double>(lengths.size() - 1);
    long long nSoFar = 0;
    for (size_t i = 0, nOffset = 0; i < lengths.size(); nOffset += lengths[i], nSoFar += widths[i++]) {
        const int nAdvance = MirtClampInt(nSoFar + static_cast<long long>(static_cast<double>(i) * dGap));
        const POINT pt = direction.Along(POINT{x, y}, nAdvance);
        pDC->TextOut(pt.x, pt.y, lpszText + nOffset, lengths[i]);
    }
}

// A line over the extent, nOffset from the top of the text toward its
// foot, in the current text colour over a transparent background.
void DrawDecoration(CDC* pDC, int x, int y, int nOffset, int nWidth, const CTextDirection& direction, int nExtent)
{
    CPen pen(PS_SOLID, nWidth < 1 ? 1 : nWidth, pDC->GetTextColor());
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    const POINT ptFrom = direction.Across(POINT{x, y}, nOffset);
    const POINT ptTo = direction.Along(ptFrom, nExtent);
    pDC->MoveTo(ptFrom.x, ptFrom.y);
    pDC->LineTo(ptTo.x, ptTo.y);
    pDC->SetBkMode(nOldBkMode);
    pDC->SelectObject(pOldPen);
}

}  // namespace

void CNPropObjCtrl::CalcDeviceRect(CDC* pDC)
{
    RECT rect = m_rect;
    ConvertRectUnits(pDC, &rect, TRUE);
    const UINT nPercent = m_pOwner != nullptr ? m_pOwner->GetPercent() : 100;
    if (nPercent != 100) {
        for (LONG* pValue : {&rect.left, &rect.top, &rect.right, &rect.bottom})
            *pValue = MirtMulDiv(*pValue, MirtClampInt(nPercent), 100);
    }
    m_rcDevice = rect;
}

int CNPropObjCtrl::Draw(CDC* pDC, int nMode)
{
    const int nAnswer = !IsLive() && !IsHidden() ? 1 : 0;
    CalcDeviceRect(pDC);
    if (::IsRectEmpty(&m_rcDevice) || !IsEditable())
        return 0;
    if (pDC->IsPrinting() || nMode == 2 || nMode == 16)
        return 0;
    CPen pen(PS_SOLID, 1, PLACEHOLDER_COLOR);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const RECT& r = m_rcDevice;
    pDC->MoveTo(r.left, r.top);
    pDC->LineTo(r.right, r.top);
    pDC->LineTo(r.right, r.bottom);
    pDC->LineTo(r.left, r.bottom);
    pDC->LineTo(r.left, r.top);
    pDC->SelectObject(pOldPen);
    return nAnswer;
}

int CNPropObjCtrl::DrawAttrText(CDC* pDC, int x, int y, LPCSTR lpszText, int nLength, BOOL bVertical, int nExtent,
    CFont* pFont)
{
    return DrawAttrTextAt(pDC, x, y, lpszText, nLength, bVertical ? CTextAttr::VERTICAL_ESCAPEMENT : 0, nExtent, pFont);
}

int CNPropObjCtrl::DrawAttrTextAt(CDC* pDC, int x, int y, LPCSTR lpszText, int nLength, int nAngle, int nExtent,
    CFont* pFont)
{
    if (pDC == nullptr)
        return 0;
    const LOGFONT* pLogFont = GetLogFont();
    const bool bUnderline = pLogFont != nullptr && pLogFont->lfUnderline;
    const bool bStrikeOut = pLogFont != nullptr && pLogFont->lfStrikeOut;
    OUTLINETEXTMETRIC metrics = {};
    CFont plainFont;
    CFont* pOldFont = nullptr;
    if (bUnderline || bStrikeOut) {
        metrics.otmSize = sizeof metrics;
        pDC->GetOutlineTextMetrics(sizeof metrics, &metrics);
        LOGFONT lf = *pLogFont;
        if (nAngle != 0)
            lf.lfEscapement = lf.lfOrientation = nAngle;
        lf.lfWidth = 0;
        lf.lfWeight = metrics.otmTextMetrics.tmWeight;
        lf.lfHeight = metrics.otmTextMetrics.tmHeight;
        lf.lfUnderline = lf.lfStrikeOut = FALSE;
        if (!plainFont.CreateFontIndirect(&lf))
            AfxThrowResourceException();
        if (pFont != nullptr)
            pOldFont = pDC->SelectObject(pFont);
        CFont* pPrevious = pDC->SelectObject(&plainFont);
        if (pOldFont == nullptr)
            pOldFont = pPrevious;
    }
    const CTextDirection direction = CTextDirection::OfAngle(nAngle);
    SpreadText(pDC, x, y, lpszText, nLength, direction, nExtent);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);

    const int nAscent = metrics.otmTextMetrics.tmAscent;
    if (bUnderline)
        DrawDecoration(pDC, x, y, nAscent - metrics.otmsUnderscorePosition, metrics.otmsUnderscoreSize, direction,
            nExtent);
    if (bStrikeOut)
        DrawDecoration(pDC, x, y, nAscent - metrics.otmsStrikeoutPosition,
            static_cast<int>(metrics.otmsStrikeoutSize), direction, nExtent);
    return 1;
}
