// List printing definition: pages, header and body.
#include "defaultprtdef.h"

#include <cstdlib>

#include "npropobj.h"

BOOL CDefaultPrtDef::TakeLineHeight(CDC* pDC)
{
    const CPrtFontSelection font(pDC, m_logFont);
    if (!font.IsSelected())
        return FALSE;
    m_nLineHeight = font.GetLineHeight();
    m_nRowHeight = m_nLineHeight;
    return TRUE;
}

int CDefaultPrtDef::BeginPage(CDC* pDC, UINT nPage)
{
    if (pDC == nullptr)
        return 0;
    m_nPage = nPage;
    CSize topLeft(static_cast<int>(m_nMarginLeft), static_cast<int>(m_nMarginTop));
    CSize bottomRight(static_cast<int>(m_nMarginRight), static_cast<int>(m_nMarginBottom));
    CNPropObj::ConvertSizeUnits(pDC, &topLeft, TRUE);
    CNPropObj::ConvertSizeUnits(pDC, &bottomRight, TRUE);
    m_nLeft = m_nCurX = topLeft.cx;
    m_nTop = m_nCurY = std::abs(topLeft.cy);
    m_nWidth = pDC->GetDeviceCaps(HORZRES) - m_nLeft - bottomRight.cx;
    m_nHeight = pDC->GetDeviceCaps(VERTRES) - m_nTop - std::abs(bottomRight.cy);
    if (!TakeLineHeight(pDC))
        return 1;
    for (POSITION pos = m_listHeader.GetHeadPosition(); pos != nullptr;) {
        if (!static_cast<CLineDef*>(m_listHeader.GetNext(pos))->Place(pDC)) {
            m_nStopPage = nPage;
            return 0;
        }
    }
    return 1;
}

int CDefaultPrtDef::PrintBody(CDC* pDC, UINT nPage, UINT& nNext)
{
    nNext = nPage;
    m_nPage = nPage;
    if (pDC == nullptr || !TakeLineHeight(pDC))
        return 0;
    CObject* pStart = nullptr;
    POSITION pos = nullptr;
    if (m_mapPageStarts.Lookup(static_cast<WORD>(nPage), pStart))
        pos = m_listBody.Find(pStart);
    if (pos == nullptr)
        pos = m_listBody.GetHeadPosition();
    for (BOOL bFirst = TRUE; pos != nullptr; bFirst = FALSE) {
        CLineDef* pItem = static_cast<CLineDef*>(m_listBody.GetNext(pos));
        int nLineBefore = 0;
        pItem->m_mapContinue.Lookup(nPage, nLineBefore);
        if (pItem->Place(pDC))
            continue;
        // An item that cannot get on even at the top of a page never will:
        // it is left out rather than printed on endless pages.
        if (bFirst && IsStuck(pItem, nLineBefore))
            continue;
        m_mapPageStarts.SetAt(static_cast<WORD>(nPage + 1), pItem);
        return 1;
    }
    m_nStopPage = 0;
    return 0;
}

BOOL CDefaultPrtDef::IsStuck(const CLineDef* pItem, int nLineBefore) const
{
    int nLineAfter = 0;
    return !pItem->m_bPlaced ||
           (pItem->m_mapContinue.Lookup(m_nPage + 1, nLineAfter) && nLineAfter <= nLineBefore);
}
