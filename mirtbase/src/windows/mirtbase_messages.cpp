// The message handling of the form window base: its own map, and the
// handler bodies that the form windows' maps share.
#include "mirtbase.h"

#include "mirtmsgs.h"
#include "npropobj.h"
#include "npropobjbarcode.h"
#include "windowcommand.h"

BEGIN_MESSAGE_MAP(CMirtBase, CWnd)
    ON_MESSAGE(MsgUserSetGrp, OnUserSetGrp)
    ON_MESSAGE(MsgFieldKey, OnFieldKey)
END_MESSAGE_MAP()

namespace {

struct ChildSearch
{
    const CWnd* pWanted;
    bool bFound;
};

BOOL CALLBACK MatchChild(HWND hWnd, LPARAM lParam)
{
    ChildSearch* pSearch = reinterpret_cast<ChildSearch*>(lParam);
    pSearch->bFound = CWnd::FromHandlePermanent(hWnd) == pSearch->pWanted;
    return !pSearch->bFound;
}

// Whether pWnd is the window object of a window below hParent. The
// pointer is only compared, never followed, until it is found there.
bool IsChildObject(HWND hParent, const CWnd* pWnd)
{
    if (pWnd == nullptr)
        return false;
    ChildSearch search = {pWnd, false};
    ::EnumChildWindows(hParent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.bFound;
}

}  // namespace

LRESULT CMirtBase::OnUserModify(WPARAM, LPARAM)
{
    m_bModify = 1;
    return 0;
}

LRESULT CMirtBase::OnUserSetGrp(WPARAM wParam, LPARAM lParam)
{
    CNPropObj* pGroup = reinterpret_cast<CNPropObj*>(wParam);
    if (pGroup == nullptr)
        return 0;
    CNPropObj* pMember = GetPropObjByOrder(pGroup, static_cast<UINT>(lParam));
    if (pMember != nullptr)
        pMember->AddLink(pGroup);
    return 0;
}

LRESULT CMirtBase::OnUserClipBoard(WPARAM wParam, LPARAM lParam)
{
    CWnd* pEntry = reinterpret_cast<CWnd*>(lParam);
    if (wParam < MIRT_CLIP_CUT || wParam > MIRT_CLIP_SELECTALL || !IsChildObject(m_hWnd, pEntry))
        return 0;
    CWindowCommandDlg::Send(pEntry, static_cast<DWORD>(wParam) + MIRT_CLIP_COMMAND_OFFSET, TRUE);
    return 0;
}

LRESULT CMirtBase::OnFieldKey(WPARAM wParam, LPARAM)
{
    delete reinterpret_cast<tagFIELDKEY*>(wParam);
    return 0;
}

CNPropObj* CMirtBase::GetMoveTarget(const CObList& listFocus, CNPropObj* pField, BOOL bNext)
{
    if (pField == nullptr)
        return nullptr;
    POSITION pos = listFocus.Find(pField);
    if (pos == nullptr)
        return nullptr;
    for (;;) {
        if (bNext)
            listFocus.GetNext(pos);
        else
            listFocus.GetPrev(pos);
        if (pos == nullptr)
            pos = bNext ? listFocus.GetHeadPosition() : listFocus.GetTailPosition();
        CNPropObj* pTarget = static_cast<CNPropObj*>(listFocus.GetAt(pos));
        if (pTarget == pField)
            return nullptr;
        if (TakesFocus(pTarget))
            return pTarget;
    }
}

CNPropObj* CMirtBase::GetFirstTarget(const CObList& listFocus)
{
    for (POSITION pos = listFocus.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(listFocus.GetNext(pos));
        if (TakesFocus(pField))
            return pField;
    }
    return nullptr;
}

BOOL CMirtBase::TakesFocus(const CNPropObj* pField)
{
    return !pField->IsKindOf(RUNTIME_CLASS(CNPropObjBarcode));
}
