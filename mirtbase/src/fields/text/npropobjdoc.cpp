#include "npropobjdoc.h"

#include "draw/textdraw.h"
#include "fields/base/clampint.h"
#include "fields/text/textdrawfield.h"
#include "fields/text/textentry.h"
#include "mirtbase.h"
#include "npropobjmirror.h"
#include "npropwnddoc.h"
#include "npropwndwb.h"

IMPLEMENT_SERIAL(CNPropObjDoc, CNPropObjCtrl, 1)
IMPLEMENT_TEXT_ATTR_OPERATIONS(CNPropObjDoc)

namespace {

const int kDocQuarterTurn = 900;
const int kDocHalfTurn = 1800;
const int kDocThreeQuarterTurns = 2700;

}  // namespace

CNPropObjDoc::CNPropObjDoc() : m_pWndDoc(nullptr), m_pWndWB(nullptr), m_sizeClone(0, 0)
{
    CNPropObjDoc::InitDefaults();
}

CNPropObjDoc::CNPropObjDoc(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle), m_pWndDoc(nullptr), m_pWndWB(nullptr), m_sizeClone(0, 0)
{
    CNPropObjDoc::InitDefaults();
}

CNPropObjDoc::~CNPropObjDoc()
{
    CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).Delete();
}

void CNPropObjDoc::InitDefaults()
{
    m_text.InitDefaults();
    InitDocMembers();
    m_nFrameKind = 1;
    m_nDocVersion = DOC_VERSION;
    ::SetRectEmpty(&m_rcShadow1);
    ::SetRectEmpty(&m_rcShadow2);
}

void CNPropObjDoc::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nDocVersion;
        m_text.Serialize(ar, TRUE);
        ar << m_nPichRate << m_nAngle << m_ptOrigin.x << m_ptOrigin.y << m_sizeShadow1.cx << m_sizeShadow1.cy
           << m_sizeShadow2.cx << m_sizeShadow2.cy << m_nShadow;
        return;
    }
    UINT nVersion;
    ar >> nVersion;
    m_text.m_nAlign = CTextAttr::ALIGN_LEFT;
    m_text.Serialize(ar, nVersion >= 2);
    if (nVersion >= DOC_VERSION) {
        ar >> m_nPichRate >> m_nAngle >> m_ptOrigin.x >> m_ptOrigin.y >> m_sizeShadow1.cx >> m_sizeShadow1.cy >>
            m_sizeShadow2.cx >> m_sizeShadow2.cy >> m_nShadow;
        return;
    }
    InitDocMembers();
}

void CNPropObjDoc::InitDocMembers()
{
    m_nPichRate = 0;
    m_nAngle = 0;
    m_ptOrigin = CPoint(0, 0);
    m_sizeShadow1 = CSize(0, 0);
    m_sizeShadow2 = CSize(0, 0);
    m_nShadow = SHADOW_NONE;
}

int CNPropObjDoc::Draw(CDC* pDC, int nMode)
{
    return DrawWithText(pDC, nMode, nullptr);
}

int CNPropObjDoc::DrawWithText(CDC* pDC, int nMode, const CString* pText)
{
    if (nMode != DRAW_NO_SHADOW && (m_nShadow == SHADOW_ONE || m_nShadow == SHADOW_TWO))
        DrawShadowCopies(pDC, pText);
    COLORREF crText = GetTextColor();
    if (pDC->IsPrinting() && m_pOwner != nullptr && m_pOwner->GetMetaFileA() == 0)
        crText = CTextDrawer::PrintColor(crText);
    const tagTEXTMEASURING measuring = {m_nPichRate, TRUE, FALSE};
    CTextDrawer(*this, m_text, m_sizeClone, measuring).Draw(pDC, nMode, crText, m_pWndWB != nullptr, pText);
    return 0;
}

std::vector<CSize> CNPropObjDoc::ShadowOffsets() const
{
    std::vector<CSize> offsets;
    if (m_nShadow == SHADOW_ONE || m_nShadow == SHADOW_TWO)
        offsets.push_back(m_sizeShadow1);
    if (m_nShadow == SHADOW_TWO && m_sizeShadow2 != m_sizeShadow1)
        offsets.push_back(m_sizeShadow2);
    return offsets;
}

void CNPropObjDoc::DrawShadowCopies(CDC* pDC, const CString* pText)
{
    for (CSize offset : ShadowOffsets()) {
        std::unique_ptr<CNPropObjDoc> pCopy = MakeShadowCopy(offset);
        if (pText != nullptr)
            pCopy->m_strData = *pText;
        pCopy->Draw(pDC, DRAW_NO_SHADOW);
    }
}

std::unique_ptr<CNPropObjDoc> CNPropObjDoc::MakeShadowCopy(CSize offset)
{
    const RECT rect = ShadowCopyRect(offset);
    if (CTextDrawer::NormalAngle(m_nAngle) < kDocQuarterTurn)
        return MakeCopyAt<CNPropObjDoc>(rect);
    std::unique_ptr<CNPropObjDocMirror> pMirror = MakeCopyAt<CNPropObjDocMirror>(rect);
    pMirror->m_nMirrorAngle = m_nAngle;
    return std::unique_ptr<CNPropObjDoc>(pMirror.release());
}

// Copies from a quarter turn on are mirrored about the origin.
RECT CNPropObjDoc::ShadowCopyRect(CSize offset) const
{
    const int nAngle = CTextDrawer::NormalAngle(m_nAngle);
    const RECT rect = CTextDrawer::MoveByClone(m_rect, m_sizeClone, -1);
    // In 64 bits: every value here may come from a file.
    const long long nWidth = static_cast<long long>(rect.right) - rect.left;
    const long long nHeight = static_cast<long long>(rect.bottom) - rect.top;
    const long long ox = m_ptOrigin.x;
    const long long oy = m_ptOrigin.y;
    long long dx = offset.cx - ox;
    long long dy = offset.cy - oy;
    if (nAngle >= kDocQuarterTurn && nAngle < kDocThreeQuarterTurns)
        dy = offset.cy - 2 * (rect.top - oy) - nHeight - oy;
    if (nAngle >= kDocHalfTurn && nAngle < kDocThreeQuarterTurns)
        dx = offset.cx - 2 * (rect.left - ox) - nWidth - ox;
    const RECT moved = {MirtClampInt(rect.left + dx), MirtClampInt(rect.top + dy), MirtClampInt(rect.right + dx),
        MirtClampInt(rect.bottom + dy)};
    return CTextDrawer::MoveByClone(moved, m_sizeClone, 1);
}

void CNPropObjDoc::CalcShadowRect(CDC* pDC, int nWhich)
{
    if (nWhich != 1 && nWhich != 2)
        return;
    const CSize offset = nWhich == 1 ? m_sizeShadow1 : m_sizeShadow2;
    if (offset == CSize(0, 0))
        return;
    const RECT rect = CTextDrawer::OffsetRectClamped(CTextDrawer::MoveByClone(m_rect, m_sizeClone, -1),
        CSize(MirtSub(offset.cx, m_ptOrigin.x), MirtSub(offset.cy, m_ptOrigin.y)));
    MakeCopyAt<CNPropObjDoc>(CTextDrawer::MoveByClone(rect, m_sizeClone, 1))
        ->CNPropObjCtrl::GetDrawRects(pDC, nWhich == 1 ? &m_rcShadow1 : &m_rcShadow2, nullptr, nullptr);
}

void CNPropObjDoc::GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond)
{
    CNPropObjCtrl::GetDrawRects(pDC, pWhole, pFirst, pSecond);
    if (pDC == nullptr)
        return;
    if (pFirst != nullptr)
        *pFirst = m_rcShadow1;
    if (pSecond != nullptr)
        *pSecond = m_rcShadow2;
}

int CNPropObjDoc::Activate()
{
    return 0;
}

CWnd* CNPropObjDoc::CreateControl(CWnd* pParent, int bSetOwner)
{
    CNPropWndDoc* pWindow = new CNPropWndDoc;
    pWindow->m_pField = this;
    const tagTEXTENTRYKIND kind = {m_nPichRate, FALSE, CNPropWndWB::KIND_TEXT, FALSE};
    return CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).MakeTextWindow(pParent, bSetOwner, pWindow, kind);
}

int CNPropObjDoc::DestroyControl()
{
    CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).Delete();
    CNPropObjCtrl::DestroyControl();
    return 1;
}

void CNPropObjDoc::FocusControl()
{
    const tagTEXTENTRYKIND kind = {m_nPichRate, FALSE, CNPropWndWB::KIND_TEXT, FALSE};
    CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).Focus(kind, m_nFrameKind);
}

CNPropObj* CNPropObjDoc::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

int CNPropObjDoc::SetText(const CString& strText, int nConvert, const int* pExtra)
{
    if (!nConvert)
        return CNPropObjCtrl::SetText(strText, nConvert, pExtra);
    CString strConverted = m_text.m_bVertical ? HalfToFullKana(strText) : strText;
    if (strConverted.Find('\n') > 0)
        strConverted = NormalizeNewLines(strConverted);
    return CNPropObjCtrl::SetText(strConverted, nConvert, pExtra);
}

void CNPropObjDoc::LoadToControl(int bAlsoList)
{
    LoadTextToControl(*this, bAlsoList, TRUE);
}

CSize CNPropObjDoc::GetShadowOffset()
{
    return m_sizeShadow2;
}

void CNPropObjDoc::SetShadowOffset(CSize offset)
{
    m_sizeShadow2 = offset;
}

int CNPropObjDoc::GetShadow()
{
    return m_nShadow;
}

void CNPropObjDoc::SetShadow(int nShadow)
{
    m_nShadow = nShadow;
}

int CNPropObjDoc::GetPichRate()
{
    return m_nPichRate;
}

void CNPropObjDoc::SetPichRate(int nRate)
{
    m_nPichRate = nRate;
}

void CNPropObjDoc::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    CNPropObjDoc* pDoc =
        pOther->IsKindOf(RUNTIME_CLASS(CNPropObjDoc)) ? static_cast<CNPropObjDoc*>(pOther) : nullptr;
    m_text.CopyTo(pOther, pDoc != nullptr ? &pDoc->m_text : nullptr, GetEntryMode());
    pOther->SetPichRate(m_nPichRate);
    if (pDoc != nullptr) {
        pDoc->m_nAngle = m_nAngle;
        pDoc->m_ptOrigin = m_ptOrigin;
        pDoc->m_sizeShadow1 = m_sizeShadow1;
    }
    pOther->SetShadowOffset(m_sizeShadow2);
    pOther->SetShadow(m_nShadow);
}

UINT CNPropObjDoc::GetVersion()
{
    return m_nDocVersion;
}
