// List printing items: construction, stored record and fonts.
#include "linedef.h"

#include "defaultprtdef.h"
#include "draw/fontarchive.h"
#include "paldib.h"

IMPLEMENT_SERIAL(CLineDef, CObject, 1)

namespace {

const UINT kContinueHashSize = 17;

}  // namespace

CPrtFontSelection::CPrtFontSelection(CDC* pDC, const LOGFONT& logFont) : m_pDC(pDC), m_pOldFont(nullptr)
{
    LOGFONT font = logFont;
    font.lfFaceName[LF_FACESIZE - 1] = '\0';   // a stored face name need not end
    if (m_font.CreatePointFontIndirect(&font, pDC))
        m_pOldFont = pDC->SelectObject(&m_font);
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
}

CPrtFontSelection::~CPrtFontSelection()
{
    if (m_pOldFont != nullptr)
        m_pDC->SelectObject(m_pOldFont);
}

int CPrtFontSelection::GetLineHeight() const
{
    TEXTMETRIC tm = {};
    m_pDC->GetTextMetrics(&tm);
    return tm.tmHeight + tm.tmExternalLeading;
}

CLineDef::CLineDef()
    : m_bPlaced(0), m_dwFirst(1), m_pOwner(nullptr), m_rcPlaced(), m_pDib(nullptr), m_nStringIndex(0),
      m_dwFurther(0), m_nOrder(0), m_nKind(KIND_TEXT), m_nRightLimit(0), m_nX(0), m_nAlign(ALIGN_FLOW),
      m_logFont()
{
    m_mapContinue.InitHashTable(kContinueHashSize);
}

CLineDef::~CLineDef()
{
    delete m_pDib;
    if (!m_strTempFile.IsEmpty())
        ::DeleteFileA(m_strTempFile);
}

void CLineDef::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_dwFirst;
        MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_TENTHS);
        ar << m_nAlign << m_nX << m_nRightLimit << m_nKind << m_nOrder;
        ar << m_strText << m_strFurther1 << m_nStringIndex << m_dwFurther << m_strFurther2;
    } else {
        ar >> m_dwFirst;
        MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_TENTHS);
        ar >> m_nAlign >> m_nX >> m_nRightLimit >> m_nKind >> m_nOrder;
        ar >> m_strText >> m_strFurther1 >> m_nStringIndex >> m_dwFurther >> m_strFurther2;
    }
}

LOGFONT CLineDef::GetEffectiveFont() const
{
    if (m_logFont.lfHeight == 0)
        return m_pOwner->m_logFont;
    if (m_logFont.lfFaceName[0] == '\0') {
        LOGFONT font = m_pOwner->m_logFont;
        font.lfHeight = m_logFont.lfHeight;
        return font;
    }
    return m_logFont;
}
