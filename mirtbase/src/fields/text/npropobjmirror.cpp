// Angled, pitched and shadowed text fields.
#include "npropobjmirror.h"

#include <algorithm>

#include "draw/textdraw.h"
#include "fields/base/clampint.h"
#include "fields/text/textdrawfield.h"
#include "mirtbase.h"

IMPLEMENT_SERIAL(CNPropObjDocMirror, CNPropObjDoc, 1)
IMPLEMENT_SERIAL(CNPropObjDocPich, CNPropObjDoc, 1)
IMPLEMENT_SERIAL(CNPropObjDocShadow, CNPropObjDoc, 1)

namespace {

// Gives pDC its character extra space back however the drawing ends.
class CExtraRestorer
{
public:
    CExtraRestorer(CDC* pDC, int nExtra) : m_pDC(pDC), m_nPrevious(pDC->SetTextCharacterExtra(nExtra)) {}
    ~CExtraRestorer() { m_pDC->SetTextCharacterExtra(m_nPrevious); }
    CExtraRestorer(const CExtraRestorer&) = delete;
    CExtraRestorer& operator=(const CExtraRestorer&) = delete;

private:
    CDC* m_pDC;
    int m_nPrevious;
};

int OwnerZoom(const CNPropObj& field)
{
    return field.m_pOwner != nullptr ? MirtClampInt(field.m_pOwner->GetPercent()) : 100;
}

}  // namespace

CNPropObjDocMirror::CNPropObjDocMirror() : m_nMirrorAngle(0), m_nMirrorVersion(MIRROR_VERSION)
{
}

CNPropObjDocMirror::CNPropObjDocMirror(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDoc(block, dwStyle, dwExStyle), m_nMirrorAngle(0), m_nMirrorVersion(MIRROR_VERSION)
{
}

void CNPropObjDocMirror::Serialize(CArchive& ar)
{
    CNPropObjDoc::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nMirrorVersion << m_nMirrorAngle;
    else
        ar >> m_nMirrorVersion >> m_nMirrorAngle;
}

int CNPropObjDocMirror::TextAngle() const
{
    return m_text.m_bVertical ? CTextAttr::VERTICAL_ESCAPEMENT : CTextDrawer::NormalAngle(m_nMirrorAngle);
}

int CNPropObjDocMirror::Draw(CDC* pDC, int nMode)
{
    const tagTEXTMEASURING measuring = {m_nPichRate, FALSE, TRUE, TextAngle(), TRUE, TRUE};
    CTextDrawer(*this, m_text, m_sizeClone, measuring).Draw(pDC, nMode, GetTextColor(), m_pWndWB != nullptr);
    return 0;
}

int CNPropObjDocMirror::DrawAttrText(CDC* pDC, int x, int y, LPCSTR lpszText, int nLength, BOOL bVertical,
    int nExtent, CFont* pFont)
{
    const int nAngle = bVertical ? static_cast<int>(CTextAttr::VERTICAL_ESCAPEMENT) : TextAngle();
    return DrawAttrTextAt(pDC, x, y, lpszText, nLength, nAngle, nExtent, pFont);
}

CNPropObj* CNPropObjDocMirror::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

void CNPropObjDocMirror::InitDefaults()
{
    m_nMirrorAngle = 0;
    m_nMirrorVersion = MIRROR_VERSION;
}

void CNPropObjDocMirror::CopyTo(CNPropObj* pOther)
{
    CNPropObjDoc::CopyTo(pOther);
    CNPropObjDocMirror* pMirror = dynamic_cast<CNPropObjDocMirror*>(pOther);
    if (pMirror != nullptr)
        pMirror->m_nMirrorAngle = m_nMirrorAngle;
}

UINT CNPropObjDocMirror::GetVersion()
{
    return m_nMirrorVersion;
}

CNPropObjDocPich::CNPropObjDocPich() : m_nPichVersion(PICH_VERSION)
{
}

CNPropObjDocPich::CNPropObjDocPich(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDoc(block, dwStyle, dwExStyle), m_nPichVersion(PICH_VERSION)
{
}

void CNPropObjDocPich::Serialize(CArchive& ar)
{
    CNPropObjDoc::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nPichVersion << m_nPichRate;
    else
        ar >> m_nPichVersion >> m_nPichRate;
}

// A negative rate (only a file can hold one) adds no space.
int CNPropObjDocPich::CharacterExtra(CDC* pDC, int nZoom)
{
    long long nHeight = MirtAbs(PointsToPixels(pDC, m_text.m_logFont.lfHeight));
    if (nZoom != 100)
        nHeight = static_cast<long long>(static_cast<double>(nHeight) * (nZoom * 0.01));
    return MirtClampInt(nHeight * std::max(0, m_nPichRate) / 10);
}

int CNPropObjDocPich::Draw(CDC* pDC, int nMode)
{
    const CExtraRestorer extra(pDC, CharacterExtra(pDC, OwnerZoom(*this)));
    return CNPropObjDoc::Draw(pDC, nMode);
}

CNPropObj* CNPropObjDocPich::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

void CNPropObjDocPich::InitDefaults()
{
    m_nPichRate = 0;
    m_nPichVersion = PICH_VERSION;
}

UINT CNPropObjDocPich::GetVersion()
{
    return m_nPichVersion;
}

CNPropObjDocShadow::CNPropObjDocShadow() : m_rcShadow(), m_nShadowVersion(SHADOW_VERSION)
{
}

CNPropObjDocShadow::CNPropObjDocShadow(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDoc(block, dwStyle, dwExStyle), m_rcShadow(), m_nShadowVersion(SHADOW_VERSION)
{
}

void CNPropObjDocShadow::Serialize(CArchive& ar)
{
    CNPropObjDoc::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nShadowVersion << m_nAngle << m_ptOrigin.x << m_ptOrigin.y << m_sizeShadow1.cx << m_sizeShadow1.cy;
        return;
    }
    ar >> m_nShadowVersion >> m_nAngle >> m_ptOrigin.x >> m_ptOrigin.y >> m_sizeShadow1.cx >> m_sizeShadow1.cy;
}

int CNPropObjDocShadow::Draw(CDC* pDC, int nMode)
{
    std::unique_ptr<CNPropObjDoc> pCopy = MakeShadowCopy(m_sizeShadow1);
    pCopy->Draw(pDC, DRAW_COPY);
    pCopy->GetDrawRects(pDC, &m_rcShadow, nullptr, nullptr);
    return CNPropObjDoc::Draw(pDC, nMode);
}

CNPropObj* CNPropObjDocShadow::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

void CNPropObjDocShadow::InitDefaults()
{
    m_nAngle = 0;
    m_ptOrigin = CPoint(0, 0);
    m_sizeShadow1 = CSize(0, 0);
    ::SetRectEmpty(&m_rcShadow);
    m_nShadowVersion = SHADOW_VERSION;
}

void CNPropObjDocShadow::GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond)
{
    CNPropObjDoc::GetDrawRects(pDC, pWhole, pFirst, pSecond);
    if (pSecond != nullptr)
        *pSecond = m_rcShadow;
}

UINT CNPropObjDocShadow::GetVersion()
{
    return m_nShadowVersion;
}
