#include "view/fieldattributes.h"

#include <cstring>

namespace {

const int kBoldWeight = 700;
const int kNormalWeight = 400;
const int kPitchRowHeights[] = {10, 12, 15, 20};   // pitch 0..3 in tenths of the font height
const int kWidePitchRowHeight = 125;               // pitch -1
const int kWidePichRate = 125;                     // pitch rate -1
const int kPichRateKeep = 4;
const int kNotApplicable = 3;

// Pitch of a row height; FALSE when the height is none of the pitches.
BOOL PitchOfRowHeight(int nRowHeight, int& nPitch)
{
    if (nRowHeight >= 1 && nRowHeight <= kPitchRowHeights[0]) {
        nPitch = 0;
        return TRUE;
    }
    if (nRowHeight == kWidePitchRowHeight) {
        nPitch = -1;
        return TRUE;
    }
    for (int i = 1; i < 4; ++i) {
        if (nRowHeight == kPitchRowHeights[i]) {
            nPitch = i;
            return TRUE;
        }
    }
    return FALSE;
}

// 1 or 2 kept, 3 not known (0), anything else 1.
int OnOffOrUnknown(int nValue)
{
    if (nValue == 1 || nValue == 2)
        return nValue;
    return nValue == kNotApplicable ? 0 : 1;
}

}  // namespace

CFieldAttributes::CFieldAttributes()
    : m_nHeight(0), m_crText(RGB(0, 0, 0)), m_bBold(0), m_bItalic(0), m_bUnderline(0), m_bStrikeOut(0), m_nPitch(0),
      m_bPitchKnown(0), m_nCarryOver(1), m_nLock(1), m_nAutoCalc(0), m_nNumKind(1), m_nShadow(-1), m_nPichRate(0),
      m_bPichRateKnown(0)
{
    std::memset(&m_lfFont, 0, sizeof(m_lfFont));
}

void CFieldAttributes::Take(const tagSPACEINFO& info)
{
    m_lfFont = info.lfFont;
    m_bBold = info.lfFont.lfWeight >= kBoldWeight;
    m_bItalic = info.lfFont.lfItalic != 0;
    m_bUnderline = info.lfFont.lfUnderline != 0;
    m_bStrikeOut = info.lfFont.lfStrikeOut != 0;
    m_strFaceName = CString(info.lfFont.lfFaceName, static_cast<int>(strnlen(info.lfFont.lfFaceName, LF_FACESIZE)));
    m_nHeight = info.lfFont.lfHeight;
    m_crText = info.crText;
    m_bPitchKnown = PitchOfRowHeight(info.nRowHeight, m_nPitch);
    m_nCarryOver = OnOffOrUnknown(info.nCarryOver);
    m_nLock = OnOffOrUnknown(info.nLock);
    m_nAutoCalc = info.nAutoCalc == 1 || info.nAutoCalc == 2 ? info.nAutoCalc : 0;
    m_nNumKind = info.nNumKind == 0 || info.nNumKind == 2 || info.nNumKind == 3 ? info.nNumKind : 1;
    m_nShadow = info.nShadow == 0 || info.nShadow == 1 ? info.nShadow : -1;
    m_bPichRateKnown = FALSE;
    if (info.nPichRate >= 0 && info.nPichRate <= 3) {
        m_nPichRate = info.nPichRate;
        m_bPichRateKnown = TRUE;
    } else if (info.nPichRate == kWidePichRate) {
        m_nPichRate = -1;
        m_bPichRateKnown = TRUE;
    } else if (info.nPichRate != kPichRateKeep) {
        m_nPichRate = 0;
    }
}

void CFieldAttributes::FillKeepAll(tagSPACEINFO& info, int nAlign)
{
    std::memset(&info, 0, sizeof(info));
    info.crText = static_cast<COLORREF>(-1);
    info.nAlign = nAlign;
    info.nCarryOver = kNotApplicable;
    info.nLock = kNotApplicable;
    info.nNumKind = kNotApplicable;
    info.nShadow = 2;
    info.nPichRate = kPichRateKeep;
}

void CFieldAttributes::Fill(tagSPACEINFO& info, int nAlign) const
{
    FillKeepAll(info, nAlign);
    info.lfFont = m_lfFont;
    std::memset(info.lfFont.lfFaceName, 0, sizeof(info.lfFont.lfFaceName));
    const int nFaceLength = m_strFaceName.GetLength() < LF_FACESIZE ? m_strFaceName.GetLength() : LF_FACESIZE - 1;
    std::memcpy(info.lfFont.lfFaceName, static_cast<LPCSTR>(m_strFaceName), static_cast<size_t>(nFaceLength));
    info.lfFont.lfHeight = m_nHeight;
    info.lfFont.lfWeight = m_bBold ? kBoldWeight : kNormalWeight;
    info.lfFont.lfItalic = static_cast<BYTE>(m_bItalic != 0);
    info.lfFont.lfUnderline = static_cast<BYTE>(m_bUnderline != 0);
    info.lfFont.lfStrikeOut = static_cast<BYTE>(m_bStrikeOut != 0);
    info.lfFont.lfWidth = 0;
    info.crText = m_crText;
    if (m_bPitchKnown)
        info.nRowHeight = m_nPitch < 0 ? kWidePitchRowHeight : kPitchRowHeights[m_nPitch];
    info.nCarryOver = m_nCarryOver != 0 ? m_nCarryOver : kNotApplicable;
    info.nLock = m_nLock != 0 ? m_nLock : kNotApplicable;
    info.nAutoCalc = m_nAutoCalc;
    info.nNumKind = m_nNumKind;
    if (m_nShadow >= 0)
        info.nShadow = m_nShadow;
    if (m_bPichRateKnown)
        info.nPichRate = m_nPichRate < 0 ? kWidePichRate : m_nPichRate;
}
