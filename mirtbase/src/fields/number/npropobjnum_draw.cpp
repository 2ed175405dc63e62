// Drawing of the numeric field by its draw style: the text field's drawing
// of the value or of its drawn form, or one character to a digit box.
#include "npropobjnum.h"

#include <algorithm>

#include "draw/textdraw.h"
#include "fields/base/clampint.h"
#include "fields/fieldcommon.h"
#include "mirtbase.h"

namespace {

// Font heights in the boxes follow the zoom, rounded (a fraction above one
// half rounds up).
int ZoomedHeight(int nHeight, int nZoom)
{
    if (nZoom == 100)
        return nHeight;
    const long long nProduct = static_cast<long long>(nHeight) * nZoom;
    long long nHeightAtZoom = nProduct / 100;
    const long long nRest = nProduct % 100;
    if (nRest > 50)
        ++nHeightAtZoom;
    else if (nRest < -50)
        --nHeightAtZoom;
    return MirtClampInt(nHeightAtZoom);
}

// A box edge in device units at the zoom.
int BoxEdge(CDC* pDC, DWORD dwEdge, int nZoom)
{
    const int nDevice = CNPropObj::ConvertLengthUnits(pDC, MirtClampInt(static_cast<int>(dwEdge)), TRUE);
    return nZoom == 100 ? nDevice : MirtMulDiv(nDevice, nZoom, 100);
}

}  // namespace

int CNPropObjDocNum::Draw(CDC* pDC, int nMode)
{
    CString strValue;
    GetText(strValue);
    switch (m_nDrawStyle) {
    case STYLE_PLAIN:
    case STYLE_PLAIN_ALT:
        return CNPropObjDoc::Draw(pDC, nMode);
    case STYLE_SEPARATED:
    case STYLE_SEPARATED_ALT: {
        const CString strDrawn = WithAffixes(SeparatedNumber(strValue));
        return DrawWithText(pDC, nMode, &strDrawn);
    }
    case STYLE_BOXES_NO_POINT:
        if (GetNumKind() != NUMKIND_TRIMMED)
            strValue.Remove('.');
        return DrawBoxes(pDC, nMode, strValue, TRUE);
    case STYLE_BOXES_RIGHT:
    case STYLE_BOXES_RIGHT_ALT:
        return DrawBoxes(pDC, nMode, strValue, TRUE);
    default:
        return DrawBoxes(pDC, nMode, strValue, FALSE);
    }
}

void CNPropObjDocNum::DrawBoxShadows(CDC* pDC)
{
    if (CTextDrawer::NormalAngle(m_nAngle) >= 900)
        return;
    for (CSize offset : ShadowOffsets())
        MakeCopyAt<CNPropObjDocNum>(ShadowCopyRect(offset))->Draw(pDC, DRAW_NO_SHADOW);
}

int CNPropObjDocNum::DrawBoxes(CDC* pDC, int nMode, const CString& strValue, BOOL bRightJustified)
{
    if (!CanDrawOn(pDC))
        return 0;
    const BOOL bPrinting = pDC->IsPrinting();
    if (!bPrinting && m_pWndWB != nullptr && nMode != CTextDrawer::MODE_LAYOUT)
        return 0;
    if (nMode != DRAW_NO_SHADOW)
        DrawBoxShadows(pDC);
    CNPropObjCtrl::Draw(pDC, nMode);
    const CString strText = WithAffixes(strValue);
    if (strText.IsEmpty())
        return 0;
    const RECT rect = PlacedDeviceRect(*this, pDC);
    if (IsBorder()) {
        CBrush black(RGB(0, 0, 0));
        pDC->FrameRect(&rect, &black);
    }
    const int nZoom = m_pOwner != nullptr ? MirtClampInt(m_pOwner->GetPercent()) : 100;
    LOGFONT lf = m_text.m_logFont;
    lf.lfHeight = ZoomedHeight(PointsToPixels(pDC, lf.lfHeight), nZoom);
    if (m_text.m_bVertical)
        lf.lfEscapement = lf.lfOrientation = CTextAttr::VERTICAL_ESCAPEMENT;
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        AfxThrowResourceException();
    if (!bPrinting) {
        const CPoint ptOrg = pDC->GetViewportOrg();
        const RECT rcClip = CTextDrawer::OffsetRectClamped(rect, CSize(ptOrg.x, ptOrg.y));
        CRgn region;
        if (!region.CreateRectRgnIndirect(&rcClip))
            AfxThrowResourceException();
        pDC->SelectClipRgn(&region);
    }
    CFont* pOldFont = pDC->SelectObject(&font);
    const COLORREF crOld = pDC->SetTextColor(GetTextColor());
    const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);

    const BOOL bVertical = m_text.m_bVertical;
    const POINT ptStart = {bVertical ? rect.right : rect.left, rect.top};
    const int nBoxes = static_cast<int>(m_arrayLeft.GetSize());
    const int nLength = strText.GetLength();
    if (nBoxes == 0 || nBoxes != m_arrayRight.GetSize()) {
        pDC->TextOut(ptStart.x, ptStart.y, strText);
    } else {
        // The characters and the first box they fill.
        const int nShown = std::min(nLength, nBoxes);
        const int nFirstChar = bRightJustified ? nLength - nShown : 0;
        const int nFirstBox = bRightJustified ? nBoxes - nShown : 0;
        const int nStart = bVertical ? ptStart.y : ptStart.x;
        for (int i = 0; i < nShown; i++) {
            const char ch = strText[nFirstChar + i];
            const int nLeft = MirtAdd(nStart, BoxEdge(pDC, m_arrayLeft[nFirstBox + i], nZoom));
            const int nRight = MirtAdd(nStart, BoxEdge(pDC, m_arrayRight[nFirstBox + i], nZoom));
            int nWidth = 0;
            const UINT nChar = static_cast<BYTE>(ch);
            pDC->GetCharWidth(nChar, nChar, &nWidth);
            const int nFree = MirtSub(MirtSub(nRight, nLeft), nWidth);
            int nAt = nLeft;
            if (nFree >= 0 && GetAlign() == CTextAttr::ALIGN_RIGHT)
                nAt = MirtSub(nRight, nWidth);
            else if (nFree >= 0 && (GetAlign() == CTextAttr::ALIGN_CENTER || GetAlign() == CTextAttr::ALIGN_DISTRIBUTED))
                nAt = MirtAdd(nLeft, nFree / 2);
            pDC->TextOut(bVertical ? ptStart.x : nAt, bVertical ? nAt : ptStart.y, &ch, 1);
        }
    }
    pDC->SetBkMode(nOldBkMode);
    pDC->SetTextColor(crOld);
    pDC->SelectObject(pOldFont);
    if (!bPrinting)
        pDC->SelectClipRgn(nullptr);
    return 1;
}
