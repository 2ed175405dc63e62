#include "npropobjgrp.h"

#include "mirtbase.h"
#include "mirtmsgs.h"
#include "fields/group/reentryguard.h"

IMPLEMENT_SERIAL(CNPropObjGrp, CNPropObj, 1)
IMPLEMENT_SERIAL(CNPropObjAutoCpy, CNPropObjGrp, 1)

namespace {

// Run-time mode (and CreateControl mode) of the face's layout view.
const UINT kLayoutMode = 16;

}  // namespace

CNPropObjGrp::CNPropObjGrp() : m_nGrpVersion(GRP_VERSION)
{
}

CNPropObjGrp::CNPropObjGrp(const tagPROPBLOCK& block) : CNPropObj(block), m_nGrpVersion(GRP_VERSION)
{
}

void CNPropObjGrp::Serialize(CArchive& ar)
{
    CNPropObj::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nGrpVersion;
    else
        ar >> m_nGrpVersion;
    m_arrayMember.Serialize(ar);
    m_arrayTarget.Serialize(ar);
}

int CNPropObjGrp::Draw(CDC*, int)
{
    return 1;
}

int CNPropObjGrp::Activate()
{
    return 1;
}

CWnd* CNPropObjGrp::CreateControl(CWnd* pParent, int nMode)
{
    if (m_nMode == kLayoutMode || static_cast<UINT>(nMode) == kLayoutMode || m_pOwner == nullptr)
        return nullptr;
    CWnd* pWnd = pParent != nullptr ? pParent : m_pOwner;
    if (pWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    for (INT_PTR i = 0; i < m_arrayMember.GetSize(); i++)
        pWnd->SendMessage(MsgUserSetGrp, reinterpret_cast<WPARAM>(this), m_arrayMember[i]);
    return pWnd;
}

int CNPropObjGrp::DestroyControl()
{
    return 1;
}

void CNPropObjGrp::SetMode(UINT nMode)
{
    m_nMode = nMode;
}

UINT CNPropObjGrp::GetMode()
{
    return m_nMode;
}

CNPropObj* CNPropObjGrp::Clone(int, int)
{
    return CloneGroup<CNPropObjGrp>();
}

int CNPropObjGrp::Execute(DWORD, DWORD, DWORD)
{
    return 0;
}

int CNPropObjGrp::GetText(CString&)
{
    return 1;
}

int CNPropObjGrp::SetText(const CString&, int, const int*)
{
    return 1;
}

int CNPropObjGrp::GetList(CStringList&)
{
    return 1;
}

int CNPropObjGrp::SetList(const CStringList&)
{
    return 1;
}

BOOL CNPropObjGrp::HitTest(POINT)
{
    return FALSE;
}

int CNPropObjGrp::ClearText()
{
    return 1;
}

void CNPropObjGrp::InitDefaults()
{
    m_arrayTarget.RemoveAll();
    m_arrayMember.RemoveAll();
}

void CNPropObjGrp::SaveFromControl()
{
}

void CNPropObjGrp::LoadToControl(int)
{
}

void CNPropObjGrp::FocusControl()
{
}

void CNPropObjGrp::SyncRectFromControl()
{
}

void CNPropObjGrp::GetDrawRects(CDC*, RECT* pWhole, RECT* pFirst, RECT* pSecond)
{
    CNPropObj::GetDrawRects(nullptr, pWhole, pFirst, pSecond);
}

void CNPropObjGrp::CopyTo(CNPropObj* pOther)
{
    CNPropObj::CopyTo(pOther);
    CNPropObjGrp* pGroup = dynamic_cast<CNPropObjGrp*>(pOther);
    if (pGroup == nullptr)
        return;
    pGroup->m_arrayTarget.Copy(m_arrayTarget);
    pGroup->m_arrayMember.Copy(m_arrayMember);
}

UINT CNPropObjGrp::GetVersion()
{
    return m_nGrpVersion;
}

CNPropObj* CNPropObjGrp::FieldByOrder(UINT nOrder)
{
    return m_pOwner != nullptr ? m_pOwner->GetPropObjByOrder(this, nOrder) : nullptr;
}

CNPropObjAutoCpy::CNPropObjAutoCpy() : m_nCpyVersion(AUTOCPY_VERSION), m_bExecuting(FALSE)
{
}

CNPropObjAutoCpy::CNPropObjAutoCpy(const tagPROPBLOCK& block)
    : CNPropObjGrp(block), m_nCpyVersion(AUTOCPY_VERSION), m_bExecuting(FALSE)
{
}

void CNPropObjAutoCpy::Serialize(CArchive& ar)
{
    CNPropObjGrp::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nCpyVersion;
    else
        ar >> m_nCpyVersion;
}

CNPropObj* CNPropObjAutoCpy::Clone(int, int)
{
    return CloneGroup<CNPropObjAutoCpy>();
}

int CNPropObjAutoCpy::Execute(DWORD, DWORD, DWORD)
{
    if (m_bExecuting || m_pOwner == nullptr || m_arrayMember.GetSize() == 0)
        return 0;
    CNPropObj* pSource = FieldByOrder(m_arrayMember[0]);
    if (pSource == nullptr)
        return 0;
    const CReentryGuard guard(m_bExecuting);
    CString strText;
    pSource->GetText(strText);
    for (INT_PTR i = 0; i < m_arrayTarget.GetSize(); i++) {
        CNPropObj* pTarget = FieldByOrder(m_arrayTarget[i]);
        if (pTarget == nullptr)
            continue;
        pTarget->SetText(strText);
        if (pSource->GetLogFont() != nullptr)
            pTarget->SetLogFont(pSource->GetLogFont());
        pTarget->SetAlign(pSource->GetAlign());
        pTarget->SetTextColor(pSource->GetTextColor());
        if (pTarget->GetLink(1) != nullptr)
            pTarget->RecalcLinked();
    }
    return 1;
}

void CNPropObjAutoCpy::InitDefaults()
{
}

UINT CNPropObjAutoCpy::GetVersion()
{
    return m_nCpyVersion;
}
