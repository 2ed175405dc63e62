#include "draw/textdraw.h"

#include <algorithm>

#include "cp932.h"
#include "fields/base/clampint.h"
#include "fields/fieldcommon.h"
#include "mirtbase.h"

namespace {

const int kDisplayDpi = 96;
// Tenths of a degree.
const int kFullCircle = 3600;
const int kDrawQuarterTurn = 900;
const int kDrawHalfTurn = 1800;
const int kDrawThreeQuarterTurns = 2700;
const int kDrawPointsPerInch = 72;
const int kHimetricPerInch = 2540;
// Font heights follow the zoom divided by this, not by 100.
const int kFontZoomDivisor = 101;

// nFit moved off the middle of a double-byte character: one back, or on to
// 2 when only the lead byte fits.
int WholeCharacters(LPCSTR psz, int nLength, int nFit)
{
    int nAt = 0;
    while (nAt < nFit)
        nAt += cp932::CharLength(psz, nAt, nLength);
    if (nAt == nFit)
        return nFit;
    return nFit == 1 ? 2 : nFit - 1;
}

int ScaleByZoom(int nValue, int nZoom, int nDivisor)
{
    return nZoom == 100 ? nValue : MirtMulDiv(nValue, nZoom, nDivisor);
}

// Every GDI object the drawing makes is checked: a failure is the
// framework's resource exception.
void ThrowUnless(BOOL bMade)
{
    if (!bMade)
        AfxThrowResourceException();
}

}  // namespace

CTextDrawer::CTextDrawer(CNPropObjCtrl& field, const CTextAttr& attr, CSize sizeClone,
    const tagTEXTMEASURING& measuring)
    : m_field(field), m_attr(attr), m_sizeClone(sizeClone), m_measuring(measuring),
      m_nAngle(attr.m_bVertical ? CTextAttr::VERTICAL_ESCAPEMENT : NormalAngle(measuring.nAngle)),
      m_direction(CTextDirection::OfAngle(m_nAngle)),
      m_bLengthIsHeight((m_nAngle >= kDrawQuarterTurn && m_nAngle < kDrawHalfTurn) ||
                        m_nAngle >= kDrawThreeQuarterTurns),
      m_pTarget(nullptr),
      m_bPrinting(FALSE), m_nZoom(100), m_rect(), m_nTargetHeight(0), m_nTargetPitch(0), m_nTargetAlong(0),
      m_bFontSelected(FALSE), m_pPrevFont(nullptr), m_bColorSet(FALSE), m_crPrevText(0), m_bBkModeSet(FALSE),
      m_nPrevBkMode(0), m_bClipped(FALSE), m_pMeasure(nullptr), m_bMeasureFontSelected(FALSE),
      m_pPrevMeasureFont(nullptr), m_bExtraSet(FALSE), m_nPrevExtra(0), m_nMeasurePitch(0), m_nMeasureAlong(0),
      m_nMeasureAcross(0), m_nOverhang(0)
{
}

// Whatever way the drawing ended, the contexts get back what it changed.
CTextDrawer::~CTextDrawer()
{
    Restore();
}

int CTextDrawer::NormalAngle(int nAngle)
{
    const int nRest = nAngle % kFullCircle;
    return nRest < 0 ? nRest + kFullCircle : nRest;
}

COLORREF CTextDrawer::PrintColor(COLORREF crText)
{
    return crText == RGB(255, 255, 255) || crText == RGB(128, 128, 128) || crText == RGB(192, 192, 192) ? crText
                                                                                                          : 0;
}

RECT CTextDrawer::MoveByClone(const RECT& rect, CSize sizeClone, int nDirection)
{
    if (sizeClone.cx <= 0 || sizeClone.cy <= 0)
        return rect;
    return OffsetRectClamped(rect, CSize(nDirection * sizeClone.cx, nDirection * sizeClone.cy));
}

RECT CTextDrawer::OffsetRectClamped(const RECT& rect, CSize offset)
{
    return RECT{MirtAdd(rect.left, offset.cx), MirtAdd(rect.top, offset.cy), MirtAdd(rect.right, offset.cx),
        MirtAdd(rect.bottom, offset.cy)};
}

void CTextDrawer::Draw(CDC* pTarget, int nMode, COLORREF crText, BOOL bHasEditor, const CString* pText)
{
    if (!m_field.CanDrawOn(pTarget))
        return;
    m_pTarget = pTarget;
    m_bPrinting = pTarget->IsPrinting();
    if (!m_bPrinting && bHasEditor && nMode != MODE_LAYOUT)
        return;
    m_nZoom = m_field.m_pOwner != nullptr ? static_cast<int>(m_field.m_pOwner->GetPercent()) : 100;

    m_field.CNPropObjCtrl::Draw(pTarget, nMode);
    const RECT rect = OffsetRectClamped(m_field.m_rcDevice, PrintShift(pTarget, m_field.m_pOwner));
    if (m_field.IsBorder()) {
        CBrush black(RGB(0, 0, 0));
        pTarget->FrameRect(&rect, &black);
    }
    const CString strText = TextToDraw(pText);
    if (strText.IsEmpty())
        return;
    PrepareTarget(rect);
    m_crPrevText = pTarget->SetTextColor(crText);
    m_bColorSet = TRUE;
    PrepareMeasure();
    DrawLines(strText);
}

CString CTextDrawer::TextToDraw(const CString* pText)
{
    CString strText;
    if (pText != nullptr)
        strText = *pText;
    else
        m_field.GetText(strText);
    if (!strText.IsEmpty())
        return strText;
    CStringList list;
    m_field.GetList(list);
    return list.IsEmpty() ? CString() : list.GetHead();
}

void CTextDrawer::PrepareTarget(const RECT& rect)
{
    m_rect = rect;
    if (!m_bPrinting) {
        const CPoint ptOrg = m_pTarget->GetViewportOrg();
        const RECT rcClip = OffsetRectClamped(rect, CSize(ptOrg.x, ptOrg.y));
        CRgn region;
        ThrowUnless(region.CreateRectRgnIndirect(&rcClip));
        m_bClipped = TRUE;
        m_pTarget->SelectClipRgn(&region);
    }
    const int nHeight = CNPropObj::PointsToPixels(m_pTarget, m_attr.m_logFont.lfHeight);
    m_nTargetHeight = ScaleByZoom(nHeight, m_nZoom, kFontZoomDivisor);
    m_nTargetPitch = ScaleByZoom(m_attr.RowPitch(nHeight), m_nZoom, kFontZoomDivisor);
    MakeFont(m_targetFont, m_nTargetHeight, m_nAngle);
    m_pPrevFont = m_pTarget->SelectObject(&m_targetFont);
    m_bFontSelected = TRUE;
    m_nPrevBkMode = m_pTarget->SetBkMode(TRANSPARENT);
    m_bBkModeSet = TRUE;
    m_nTargetAlong = m_bLengthIsHeight ? MirtSub(rect.bottom, rect.top) : MirtSub(rect.right, rect.left);
}

void CTextDrawer::PrepareMeasure()
{
    RECT box;
    int nHeight;
    if (m_measuring.bMeasureOnScreen && !m_bPrinting && m_nZoom == 100) {
        m_pMeasure = m_pTarget;
        nHeight = m_nTargetHeight;
        box = m_field.m_rcDevice;
    } else {
        const BOOL bZoomed = m_measuring.bZoomPrintMeasure && m_bPrinting && m_nZoom != 100;
        const int nPoints = bZoomed ? MirtMulDiv(m_attr.m_logFont.lfHeight, m_nZoom, kFontZoomDivisor)
                                    : m_attr.m_logFont.lfHeight;
        nHeight = MirtMulDiv(nPoints, kDisplayDpi, kDrawPointsPerInch);
        ThrowUnless(m_displayIC.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
        m_pMeasure = &m_displayIC;
        const BOOL bVertical = m_measuring.bVerticalMeasureFont && m_attr.m_bVertical;
        MakeFont(m_measureFont, nHeight, bVertical ? static_cast<int>(CTextAttr::VERTICAL_ESCAPEMENT) : 0);
        m_pPrevMeasureFont = m_pMeasure->SelectObject(&m_measureFont);
        m_bMeasureFontSelected = TRUE;
        box = MoveByClone(m_field.m_rect, m_sizeClone, -1);
        if (bZoomed) {
            for (LONG* pValue : {&box.left, &box.top, &box.right, &box.bottom})
                *pValue = MirtMulDiv(*pValue, m_nZoom, 100);
        }
        CNPropObj::ConvertRectUnits(nullptr, &box, TRUE);
    }
    m_nPrevExtra = m_pMeasure->SetTextCharacterExtra(MirtMulDiv(MirtAbs(nHeight), m_measuring.nPitchRate, 10));
    m_bExtraSet = TRUE;
    m_nMeasurePitch = m_attr.RowPitch(nHeight);
    const int nWidth = MirtSub(box.right, box.left);
    const int nHeightOfBox = MirtSub(box.bottom, box.top);
    m_nMeasureAlong = m_bLengthIsHeight ? nHeightOfBox : nWidth;
    m_nMeasureAcross = m_bLengthIsHeight ? nWidth : nHeightOfBox;
    TEXTMETRIC metrics = {};
    m_pMeasure->GetTextMetrics(&metrics);
    m_nOverhang = Overhang(metrics);
}

void CTextDrawer::DrawLines(const CString& strText)
{
    LPCSTR psz = strText;
    const int nLength = strText.GetLength();
    int nRow = 0;
    for (int nStart = 0;; ++nRow) {
        int nEnd = nStart;
        while (nEnd < nLength && psz[nEnd] != '\n')
            ++nEnd;
        // A carriage return before the line feed is not part of the line.
        const int nLineEnd = nEnd < nLength && nEnd > nStart && psz[nEnd - 1] == '\r' ? nEnd - 1 : nEnd;
        if (!DrawLine(psz + nStart, nLineEnd - nStart, nRow) || nEnd >= nLength)
            return;
        nStart = nEnd + 1;
    }
}

BOOL CTextDrawer::DrawLine(LPCSTR pszLine, int nLength, int& nRow)
{
    while (RowFits(nRow)) {
        if (nLength == 0)
            return TRUE;
        int nFit = 0;
        SIZE size;
        if (!::GetTextExtentExPointA(m_pMeasure->m_hAttribDC, pszLine, nLength,
                MirtSub(MirtAdd(m_nMeasureAlong, m_nOverhang), 2), &nFit, nullptr, &size))
            return TRUE;
        const int nOffset = RowOffset(nRow);
        if (nFit < 1) {
            const int nChar = cp932::CharLength(pszLine, 0, nLength);
            const POINT pt = LineStart(nOffset);
            m_pTarget->TextOut(pt.x, pt.y, pszLine, nChar);
            nFit = nChar;
        } else {
            // Wrapped is decided on the measured fit, before it is moved to
            // a character boundary.
            const BOOL bWrapped = nFit < nLength;
            nFit = WholeCharacters(pszLine, nLength, nFit);
            DrawPiece(Piece{pszLine, nFit, bWrapped}, PieceDistance(nRow, nOffset));
        }
        pszLine += nFit;
        nLength -= nFit;
        if (nLength <= 0)
            return TRUE;
        ++nRow;
    }
    return FALSE;
}

BOOL CTextDrawer::RowFits(int nRow) const
{
    return nRow == 0 || (static_cast<long long>(nRow) + 1) * m_nMeasurePitch <= m_nMeasureAcross;
}

int CTextDrawer::RowOffset(int nRow) const
{
    const int nDisplay = MirtMulDiv(nRow, m_nMeasurePitch, 1);
    if (!m_bPrinting)
        return MirtClampInt((static_cast<long long>(m_nZoom) * nDisplay + 50) / 100);
    const int nUnits = CNPropObj::ConvertLengthUnits(nullptr, nDisplay, FALSE);
    return CNPropObj::ConvertLengthUnits(m_pTarget, nUnits, TRUE);
}

int CTextDrawer::PieceDistance(int nRow, int nOffset) const
{
    if (m_measuring.bRowsByTargetPitch)
        return MirtMulDiv(nRow, m_nTargetPitch, 1);
    // The extra space of a wide row lies where the rows begin. The height
    // is taken as a magnitude: a negative (character-height) font sits in
    // its row as a positive one does.
    return MirtAdd(nOffset, std::max(0, MirtSub(m_nTargetPitch, MirtAbs(m_nTargetHeight))));
}

POINT CTextDrawer::LineStart(int nDistance) const
{
    return m_direction.Across(m_direction.Corner(m_rect), nDistance);
}

void CTextDrawer::DrawPiece(const Piece& piece, int nDistance)
{
    const int nDisplayWidth = m_pMeasure->GetTextExtent(piece.psz, piece.nLength).cx;
    const int nTargetWidth = m_pTarget->GetTextExtent(piece.psz, piece.nLength).cx;
    POINT pt = LineStart(nDistance);
    if (m_attr.m_nAlign == CTextAttr::ALIGN_DISTRIBUTED || piece.bWrapped) {
        if (cp932::CharLength(piece.psz, 0, piece.nLength) == piece.nLength) {
            DrawSingleCharacter(pt, piece, nTargetWidth, nDisplayWidth);
            return;
        }
        m_field.DrawAttrText(m_pTarget, pt.x, pt.y, piece.psz, piece.nLength, m_attr.m_bVertical, m_nTargetAlong,
            m_pPrevFont);
        return;
    }
    const int nSlack = DisplayToTarget(MirtSub(m_nMeasureAlong, nDisplayWidth));
    if (nSlack > 0) {
        if (m_attr.m_nAlign == CTextAttr::ALIGN_RIGHT)
            pt = m_direction.Along(pt, nSlack);
        else if (m_attr.m_nAlign == CTextAttr::ALIGN_CENTER)
            pt = m_direction.Along(pt, nSlack / 2);
    }
    m_field.DrawAttrText(m_pTarget, pt.x, pt.y, piece.psz, piece.nLength, m_attr.m_bVertical,
        MirtSub(m_nTargetAlong, nSlack), m_pPrevFont);
}

void CTextDrawer::DrawSingleCharacter(POINT pt, const Piece& piece, int nTargetWidth, int nDisplayWidth)
{
    int nSlack = MirtSub(m_nTargetAlong, nTargetWidth);
    if (nSlack < 0)
        nSlack = DisplayToTarget(MirtSub(m_nMeasureAlong, nDisplayWidth));
    pt = m_direction.Along(pt, nSlack / 2);
    m_pTarget->TextOut(pt.x, pt.y, piece.psz, piece.nLength);
}

int CTextDrawer::DisplayToTarget(int nLength) const
{
    if (!m_bPrinting)
        return ::MulDiv(nLength, m_nZoom, 100);
    const int nCaps = m_bLengthIsHeight ? LOGPIXELSY : LOGPIXELSX;
    const int nHimetric = ::MulDiv(nLength, kHimetricPerInch, m_pMeasure->GetDeviceCaps(nCaps));
    return ::MulDiv(nHimetric, m_pTarget->GetDeviceCaps(nCaps), kHimetricPerInch);
}

void CTextDrawer::MakeFont(CFont& font, int nHeight, int nEscapement) const
{
    LOGFONT lf = m_attr.m_logFont;
    lf.lfHeight = nHeight;
    if (nEscapement != 0)
        lf.lfEscapement = lf.lfOrientation = nEscapement;
    ThrowUnless(font.CreateFontIndirect(&lf));
}

void CTextDrawer::Restore()
{
    if (m_bFontSelected) {
        if (m_pPrevFont != nullptr)
            m_pTarget->SelectObject(m_pPrevFont);
        else
            m_pTarget->SelectStockObject(SYSTEM_FONT);
    }
    if (m_bColorSet)
        m_pTarget->SetTextColor(m_crPrevText);
    if (m_bBkModeSet)
        m_pTarget->SetBkMode(m_nPrevBkMode);
    if (m_bClipped)
        m_pTarget->SelectClipRgn(nullptr);
    if (m_bExtraSet)
        m_pMeasure->SetTextCharacterExtra(m_nPrevExtra);
    if (m_bMeasureFontSelected && m_pPrevMeasureFont != nullptr)
        m_pMeasure->SelectObject(m_pPrevMeasureFont);
    m_bFontSelected = m_bColorSet = m_bBkModeSet = m_bClipped = m_bExtraSet = m_bMeasureFontSelected = FALSE;
}
