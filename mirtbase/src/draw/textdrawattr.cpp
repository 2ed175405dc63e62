#include "textdrawattr.h"

#include <cstring>

#include "draw/fontarchive.h"
#include "fields/base/clampint.h"
#include "npropobj.h"

namespace {

const int kDefaultPoints = 9;
const char kDefaultAttrFace[] = "ＭＳ Ｐゴシック";

}  // namespace

void CTextAttr::InitDefaults()
{
    m_nRowHeight = ROW_HEIGHT_SINGLE;
    m_bVertical = FALSE;
    std::memset(&m_logFont, 0, sizeof m_logFont);
    m_logFont.lfHeight = kDefaultPoints;
    m_logFont.lfWeight = FW_NORMAL;
    m_logFont.lfCharSet = SHIFTJIS_CHARSET;
    m_logFont.lfOutPrecision = OUT_STROKE_PRECIS;
    m_logFont.lfClipPrecision = CLIP_STROKE_PRECIS;
    m_logFont.lfQuality = DRAFT_QUALITY;
    m_logFont.lfPitchAndFamily = VARIABLE_PITCH | FF_MODERN;
    std::memcpy(m_logFont.lfFaceName, kDefaultAttrFace, sizeof kDefaultAttrFace);
    m_crText = RGB(0, 0, 0);
    m_crBack = RGB(255, 255, 255);
    m_nEntryMode = 0;
    m_nRowLimit = 0;
    m_nAlign = ALIGN_LEFT;
}

void CTextAttr::Serialize(CArchive& ar, BOOL bWithAlign)
{
    MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_POINTS);
    if (ar.IsStoring())
        ar << m_crText << m_crBack << m_nEntryMode << m_nRowLimit << m_nRowHeight << m_bVertical;
    else
        ar >> m_crText >> m_crBack >> m_nEntryMode >> m_nRowLimit >> m_nRowHeight >> m_bVertical;
    if (!bWithAlign)
        return;
    if (ar.IsStoring())
        ar << m_nAlign;
    else
        ar >> m_nAlign;
}

void CTextAttr::SetLogFont(const LOGFONT& lf)
{
    m_logFont = MirtHeldLogFont(lf, MIRT_MAX_FONT_POINTS);
}

int CTextAttr::GetRowHeight() const
{
    return m_nRowHeight > ROW_HEIGHT_SINGLE ? m_nRowHeight : ROW_HEIGHT_SINGLE;
}

int CTextAttr::RowPitch(int nHeight) const
{
    const int nPitch = MirtAbs(nHeight);
    return m_nRowHeight > ROW_HEIGHT_SINGLE ? MirtMulDiv(nPitch, m_nRowHeight, ROW_HEIGHT_SINGLE) : nPitch;
}

void CTextAttr::CopyTo(CNPropObj* pOther, CTextAttr* pOtherAttr, int nEntryMode) const
{
    pOther->SetLogFont(&m_logFont);
    pOther->SetTextColor(m_crText);
    if (pOtherAttr != nullptr) {
        pOtherAttr->m_crBack = m_crBack;
        pOtherAttr->m_nEntryMode = nEntryMode;
        pOtherAttr->m_nRowLimit = m_nRowLimit;
        pOtherAttr->m_bVertical = m_bVertical;
    }
    pOther->SetRowHeight(m_nRowHeight);
    pOther->SetAlign(m_nAlign);
}
