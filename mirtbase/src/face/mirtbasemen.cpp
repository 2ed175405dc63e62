#include "mirtbasemen.h"

#include "face/mirtbasemen_each.h"
#include "mirtbaseprtfrm.h"
#include "mirtmsgs.h"
#include "nmirtlayoutdata.h"
#include "postalbarcode.h"
#include "windows/formfields.h"

IMPLEMENT_DYNAMIC(CMirtBaseMen, CMirtBase)

BEGIN_MESSAGE_MAP(CMirtBaseMen, CMirtBase)
    ON_MESSAGE(MsgUserSetFocus, OnUserSetFocus)
    ON_MESSAGE(MsgUserBarcode, OnUserBarcode)
END_MESSAGE_MAP()

CMirtBaseMen::CMirtBaseMen() : m_pPrtFrm(nullptr), m_pRemoved(nullptr), m_pSharedLayout(nullptr)
{
    InitMember();
    m_nWndKind = 1;
    DestroyWindowAll();
}

CMirtBaseMen::~CMirtBaseMen()
{
    DestroyWindowAll();
    m_listFocus.RemoveAll();
    while (!m_listMen.IsEmpty())
        delete static_cast<CPropData*>(m_listMen.RemoveHead());
    DeleteClearArray();
    if (m_pLayout != m_pSharedLayout)
        delete m_pLayout;
}

void CMirtBaseMen::InitMember()
{
    m_listFocus.RemoveAll();
    if (m_pLayout == m_pSharedLayout)
        m_pLayout = nullptr;
    m_pSharedLayout = nullptr;
    CMirtBase::InitMember();
}

void CMirtBaseMen::LoadFace(CNMirtLayoutData* pLayout, CMirtBasePrtFrm* pPrtFrm, CPropData* pFace)
{
    m_listFocus.RemoveAll();
    m_pCurPropObj = nullptr;
    while (!m_listMen.IsEmpty()) {
        CPropData* pOld = static_cast<CPropData*>(m_listMen.RemoveHead());
        pOld->DestroyControls();
        delete pOld;
    }
    if (m_pLayout != m_pSharedLayout)
        delete m_pLayout;
    m_pLayout = m_pSharedLayout = pLayout;
    m_pPrtFrm = pPrtFrm;
    m_listMen.AddTail(pFace);
    MirtForEachField(*pFace, [this](CNPropObj& field) { field.m_pOwner = this; });
    CreateListEnter();
}

CPropData* CMirtBaseMen::CommitFace()
{
    UpdateRectInfo();
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->SaveFromControls();
    return m_listMen.IsEmpty() ? nullptr : static_cast<CPropData*>(m_listMen.GetHead());
}

void CMirtBaseMen::CreateListEnter()
{
    if (m_pLayout == nullptr)
        return;
    m_listFocus.RemoveAll();
    MirtForEachField(m_listMen, [this](const CPropData&, CNPropObj& field) {
        if (field.IsEditable())
            m_listFocus.AddTail(&field);
    });
}

int CMirtBaseMen::CreateWindowForGroup(int nFlag)
{
    if (m_pLayout == nullptr || m_pParentWnd == nullptr || m_pParentWnd->GetSafeHwnd() == nullptr)
        return 0;
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->CreateControls(m_pParentWnd, nFlag, TRUE);
    return 1;
}

void CMirtBaseMen::DestroyWindowAll()
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        CPropData* pMen = static_cast<CPropData*>(m_listMen.GetNext(pos));
        pMen->SetModeAll(CNPropObj::MODE_ENTRY);
        pMen->DestroyControls();
    }
    if (m_hWnd != nullptr) {
        DestroyWindow();
        CreateListEnter();
    }
}

void CMirtBaseMen::UpdateRectInfo()
{
    if (m_hWnd == nullptr)
        return;
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->SyncRectsFromControls();
}

BOOL CMirtBaseMen::IsPassedOver(CNPropObj* pField) const
{
    return m_hWnd != nullptr && pField->GetAttr(CNPropObj::ATTRIBUTE_LOCK) != 0;
}

CNPropObj* CMirtBaseMen::FirstFocusable() const
{
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listFocus.GetNext(pos));
        if (!IsPassedOver(pField) && TakesFocus(pField))
            return pField;
    }
    return nullptr;
}

CPropData* CMirtBaseMen::MenOf(CNPropObj* pField) const
{
    if (m_listMen.IsEmpty())
        return nullptr;
    if (m_listMen.GetCount() >= 2) {
        for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
            CPropData* pMen = static_cast<CPropData*>(m_listMen.GetNext(pos));
            if (pMen->HasPropObj(pField))
                return pMen;
        }
    }
    return static_cast<CPropData*>(m_listMen.GetHead());
}

UINT CMirtBaseMen::MenNumberOf(CNPropObj* pField) const
{
    const CPropData* pMen = MenOf(pField);
    return pMen != nullptr ? pMen->m_nMen : 0;
}

void CMirtBaseMen::MergeIntoFrame()
{
    if (m_pPrtFrm == nullptr || m_listMen.IsEmpty())
        return;
    const UINT nMen = static_cast<CPropData*>(m_listMen.GetHead())->m_nMen;
    m_pPrtFrm->GetMen(this, nMen != 0 ? nMen : 1, 1);
}

void CMirtBaseMen::RefreshCurrentControl()
{
    if (m_pCurPropObj == nullptr)
        return;
    m_pCurPropObj->SaveFromControl();
    m_pCurPropObj->DestroyControl();
    m_pCurPropObj->FocusControl();
    m_pCurPropObj->LoadToControl(0);
}

void CMirtBaseMen::SetUserFocus(CNPropObj* pField)
{
    if (CNPropObj* pOld = m_pCurPropObj) {
        pOld->SaveFromControl();
        pOld->DestroyControl();
        if (pOld->GetLink(1) != nullptr)
            pOld->RecalcLinked();
        if (m_pPrtFrm != nullptr) {
            CString strText;
            pOld->GetText(strText);
            m_pPrtFrm->SetPropRealData(MenNumberOf(pOld), pOld->m_nOrder, strText);
        }
        RedrawAria(pOld);
    }
    m_pCurPropObj = pField;
    if (pField == nullptr)
        return;
    pField->m_pOwner = this;
    pField->FocusControl();
    RaiseFocusedWindow();
    pField->LoadToControl(0);
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->m_pCurPropObj = pField;
    RedrawAria(pField);
}

void CMirtBaseMen::RaiseFocusedWindow()
{
    const HWND hParent = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr;
    for (HWND hWnd = ::GetFocus(); hWnd != nullptr && hParent != nullptr; hWnd = ::GetParent(hWnd)) {
        if (::GetParent(hWnd) == hParent) {
            ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        }
    }
}

void CMirtBaseMen::SetFirstField()
{
    if (CNPropObj* pField = FirstFocusable())
        SetUserFocus(pField);
}

void CMirtBaseMen::SetNextField()
{
    MoveFocus(TRUE);
}

void CMirtBaseMen::SetPrevField()
{
    MoveFocus(FALSE);
}

void CMirtBaseMen::MoveFocus(BOOL bNext)
{
    if (m_pCurPropObj == nullptr) {
        SetFirstField();
        return;
    }
    if (CNPropObj* pTarget = GetMoveTarget(m_listFocus, m_pCurPropObj, bNext))
        SetUserFocus(pTarget);
}

void CMirtBaseMen::SetFocusByOrderNo(UINT nOrder)
{
    CNPropObj* pTarget = nullptr;
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr && pTarget == nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listFocus.GetNext(pos));
        if (pField->m_nOrder == nOrder && !IsPassedOver(pField))
            pTarget = pField;
    }
    if (pTarget == nullptr)
        pTarget = FirstFocusable();
    if (pTarget == nullptr)
        return;
    if (m_hWnd != nullptr)
        pTarget->FocusControl();
    else
        SetUserFocus(pTarget);
}

UINT CMirtBaseMen::GetFocusOrderNo()
{
    if (m_hWnd == nullptr)
        return m_pCurPropObj != nullptr ? m_pCurPropObj->m_nOrder : 0;
    CWnd* pEntry = nullptr;
    CNPropObj* pField = nullptr;
    return GetCurrentPropObj(pEntry, pField) ? pField->m_nOrder : 0;
}

int CMirtBaseMen::GetCurrentPropObj(CWnd*& pEntry, CNPropObj*& pField)
{
    if (m_hWnd == nullptr)
        return 0;
    HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || !::IsChild(m_hWnd, hFocus))
        return 0;
    int nAnswer = 0;
    CNPropObj* pAnswer = nullptr;
    const LRESULT lReply = ::SendMessageA(hFocus, MsgQueryField, reinterpret_cast<WPARAM>(&nAnswer),
        reinterpret_cast<LPARAM>(&pAnswer));
    if (lReply == 0 || nAnswer != MIRT_QUERYFIELD_ANSWER || pAnswer == nullptr)
        return 0;
    pEntry = CWnd::FromHandle(hFocus);
    pField = pAnswer;
    return 1;
}

void CMirtBaseMen::ClickDisp(CPoint point)
{
    for (POSITION pos = m_listFocus.GetTailPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listFocus.GetPrev(pos));
        if (pField->HitTest(point)) {
            SetUserFocus(pField);
            return;
        }
    }
}

CNPropObj* CMirtBaseMen::SearchFieldByFldName(CString strName)
{
    if (strName.IsEmpty())
        return nullptr;
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listFocus.GetNext(pos));
        if (pField->GetFieldName() == strName)
            return pField;
    }
    return nullptr;
}

CString CMirtBaseMen::FieldText(LPCSTR pszName)
{
    CString strText;
    if (CNPropObj* pField = SearchFieldByFldName(pszName))
        pField->GetText(strText);
    return strText;
}

BOOL CMirtBaseMen::IsFaceField(const CNPropObj* pField) const
{
    BOOL bFound = FALSE;
    MirtForEachField(m_listMen, [&](const CPropData&, CNPropObj& field) { bFound = bFound || &field == pField; });
    return bFound;
}

LRESULT CMirtBaseMen::OnUserBarcode(WPARAM wParam, LPARAM lParam)
{
    CNPropObj* pBarcode = reinterpret_cast<CNPropObj*>(wParam);
    if (!IsFaceField(pBarcode))
        return 0;
    pBarcode->SetText(CPostalBarcodeData::ForMode(static_cast<int>(lParam), FieldText("郵便番号"), FieldText("住所")), 0);
    return 0;
}

UINT CMirtBaseMen::SetNumberCount(UINT nOrder, UINT nValue)
{
    return m_pPrtFrm != nullptr ? m_pPrtFrm->SetNumberCount(nOrder, nValue) : 0;
}

void CMirtBaseMen::SetUsrGrp(WPARAM wGroup, LPARAM lOrder)
{
    OnUserSetGrp(wGroup, lOrder);
}

LRESULT CMirtBaseMen::OnUserSetFocus(WPARAM, LPARAM)
{
    return 0;
}
