// List printing items: placing on the page, drawing and wrapping.
#include "linedef.h"

#include <algorithm>

#include "cp932.h"
#include "defaultprtdef.h"
#include "npropobj.h"
#include "paldib.h"

namespace {

// Half of n rounded toward minus infinity.
int FloorHalf(int n)
{
    return n >= 0 ? n / 2 : -((1 - n) / 2);
}

// Bytes of the longest run of whole characters from the start of psz that
// is at most nWidth wide on pDC.
int FitBytes(CDC* pDC, LPCSTR psz, int nLength, int nWidth)
{
    int nFit = 0;
    while (nFit < nLength) {
        const int nNext = nFit + cp932::CharLength(psz, nFit, nLength);
        if (pDC->GetTextExtent(psz, nNext).cx > nWidth)
            break;
        nFit = nNext;
    }
    return nFit;
}

}  // namespace

int CLineDef::Place(CDC* pDC)
{
    if (m_bPlaced && m_nKind != KIND_PAGE)
        return PlaceAgain(pDC);
    CDefaultPrtDef& def = *m_pOwner;
    const CSize size = Measure(pDC);
    RECT rc = {def.m_nCurX, def.m_nCurY, def.m_nLeft + def.m_nWidth, def.m_nTop + def.m_nHeight};
    if (m_nAlign == ALIGN_CENTRE || m_nAlign == ALIGN_RIGHT) {
        rc.left = m_nX != 0 ? CNPropObj::ConvertLengthUnits(pDC, m_nX, TRUE) : def.m_nLeft;
        if (m_nRightLimit != 0)
            rc.right = CNPropObj::ConvertLengthUnits(pDC, m_nRightLimit, TRUE);
        const int nTotal = size.cx + JoinFollowing(pDC);
        if (m_nAlign == ALIGN_RIGHT)
            rc.left = rc.right - nTotal;
        else
            rc.left += FloorHalf(rc.right - nTotal - rc.left);
    }
    if (rc.bottom - rc.top < size.cy)
        return 0;
    RaiseRowHeight(size.cy);
    m_rcPlaced = rc;
    int nReached = 0;
    const int bFinished = DrawAt(pDC, rc, 0, nReached);
    m_bPlaced = TRUE;
    if (!bFinished)
        m_mapContinue[def.m_nPage + 1] = nReached;
    return bFinished;
}

// An item placed before: on from the line recorded for this page at the
// current y, else again at its placed rectangle. Either way it takes its
// part of the row height, so that what follows keeps its place.
int CLineDef::PlaceAgain(CDC* pDC)
{
    CDefaultPrtDef& def = *m_pOwner;
    RECT rc = m_rcPlaced;
    int nFirstLine = 0;
    if (m_mapContinue.Lookup(def.m_nPage, nFirstLine)) {
        rc.top = def.m_nCurY;
        rc.bottom = def.m_nTop + def.m_nHeight;
    }
    RaiseRowHeight(Measure(pDC).cy);
    int nReached = 0;
    if (DrawAt(pDC, rc, nFirstLine, nReached))
        return 1;
    m_mapContinue[def.m_nPage + 1] = nReached;
    return 0;
}

// The items right after this one with the same alignment, x and right
// limit join its run: they flow on after it. Their total width.
int CLineDef::JoinFollowing(CDC* pDC)
{
    int nWidth = 0;
    for (CLineDef* pNext = m_pOwner->GetNextLineDef(this);
         pNext != nullptr && pNext->m_nAlign == m_nAlign && pNext->m_nX == m_nX &&
         pNext->m_nRightLimit == m_nRightLimit;
         pNext = m_pOwner->GetNextLineDef(pNext)) {
        nWidth += pNext->Measure(pDC).cx;
        pNext->m_nAlign = ALIGN_FLOW;
    }
    return nWidth;
}

void CLineDef::RaiseRowHeight(int nHeight)
{
    m_pOwner->m_nRowHeight = std::max(m_pOwner->m_nRowHeight, nHeight);
}

int CLineDef::DrawAt(CDC* pDC, const RECT& rc, int nFirstLine, int& nReached)
{
    nReached = nFirstLine;
    switch (m_nKind) {
    case KIND_FIELD_PICTURE:
    case KIND_BITMAP:
        DrawBitmap(pDC, rc);
        return 1;
    case KIND_DATE:
    case KIND_PAGE:
        DrawLabel(pDC, rc);
        return 1;
    case KIND_RULE:
        DrawRule(pDC, rc);
        return 1;
    case KIND_ROW_BREAK:
        BreakRow();
        return 1;
    default:
        return IsTextKind() ? DrawLines(pDC, rc, nFirstLine, nReached) : 1;
    }
}

// As wide as the bitmap but not beyond the right edge, as tall as it.
void CLineDef::DrawBitmap(CDC* pDC, const RECT& rc)
{
    if (LoadBitmap() == nullptr)
        return;
    const LONG nRight = std::min(rc.left + m_pDib->m_nWidth, rc.right);
    m_pDib->m_rcTarget = {rc.left, rc.top, nRight, rc.top + m_pDib->m_nHeight};
    m_pDib->Draw(pDC);
    m_pOwner->m_nCurX = nRight;
}

void CLineDef::DrawLabel(CDC* pDC, const RECT& rc)
{
    const CPrtFontSelection font(pDC, GetEffectiveFont());
    pDC->TextOut(rc.left, rc.top, m_strText);
    m_pOwner->m_nCurX = rc.left + pDC->GetTextExtent(m_strText).cx;
}

void CLineDef::DrawRule(CDC* pDC, const RECT& rc)
{
    const int y = rc.top + m_pOwner->m_nRowHeight / 2;
    pDC->MoveTo(rc.left, y);
    pDC->LineTo(rc.right, y);
    m_pOwner->m_nCurX = rc.right;
}

void CLineDef::BreakRow()
{
    CDefaultPrtDef& def = *m_pOwner;
    def.m_nCurX = def.m_nLeft;
    def.m_nCurY += def.m_nRowHeight;
    def.m_nRowHeight = def.m_nLineHeight;
}

int CLineDef::DrawLines(CDC* pDC, const RECT& rc, int nFirstLine, int& nReached)
{
    CDefaultPrtDef& def = *m_pOwner;
    const CPrtFontSelection font(pDC, GetEffectiveFont());
    int y = rc.top;
    nReached = nFirstLine;
    POSITION pos = m_listLines.FindIndex(nFirstLine);
    while (pos != nullptr) {
        if (rc.bottom - y < def.m_nRowHeight)
            return 0;
        POSITION posLine = pos;
        const CString strLine = m_listLines.GetNext(pos);
        if (strLine.IsEmpty()) {
            def.m_nCurX = def.m_nLeft;
            def.m_nCurY += def.m_nRowHeight;
            y += def.m_nRowHeight;
            def.m_nRowHeight = std::max(font.GetLineHeight(), def.m_nLineHeight);
            nReached++;
            continue;
        }
        const int nWidth = pDC->GetTextExtent(strLine).cx;
        if (rc.left + nWidth > rc.right && ReplaceByPieces(pDC, posLine, rc.right - rc.left)) {
            pos = posLine;   // the first piece, drawn next at the same index
            continue;
        }
        pDC->TextOut(rc.left, y, strLine);
        if (pos != nullptr) {
            def.m_nCurY += def.m_nRowHeight;
            y += def.m_nRowHeight;
        } else {
            def.m_nCurX = rc.left + nWidth;
        }
        nReached++;
    }
    return 1;
}

// Puts the pieces of the line at pos in its place in the line list and
// leaves pos on the first; FALSE (nothing changed) when it does not split.
BOOL CLineDef::ReplaceByPieces(CDC* pDC, POSITION& pos, int nWidth)
{
    CStringList pieces;
    WrapLine(pDC, m_listLines.GetAt(pos), nWidth, pieces);
    if (pieces.GetCount() < 2)
        return FALSE;
    POSITION posFirst = nullptr;
    for (POSITION posPiece = pieces.GetHeadPosition(); posPiece != nullptr;) {
        const POSITION posNew = m_listLines.InsertBefore(pos, pieces.GetNext(posPiece));
        if (posFirst == nullptr)
            posFirst = posNew;
    }
    m_listLines.RemoveAt(pos);
    pos = posFirst;
    return TRUE;
}

void CLineDef::WrapLine(CDC* pDC, const CString& strLine, int nWidth, CStringList& pieces)
{
    const int nLength = strLine.GetLength();
    int nStart = 0;
    while (nStart < nLength) {
        const int nFit = FitBytes(pDC, static_cast<LPCSTR>(strLine) + nStart, nLength - nStart, nWidth);
        if (nFit == 0)
            break;
        pieces.AddTail(strLine.Mid(nStart, nFit));
        nStart += nFit;
    }
    if (nStart < nLength)
        pieces.AddTail(strLine.Mid(nStart));
}
