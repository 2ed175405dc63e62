#include "npropwndbtn.h"

#include "mirtmsgs.h"
#include "npropobjbtn.h"

namespace {

const char kYes[] = "YES";
const char kUnknownSaved[] = "UnKnown";
const char kUnknown[] = "Unknown";

}  // namespace

IMPLEMENT_DYNAMIC(CNPropWndBtn, CButton)

BEGIN_MESSAGE_MAP(CNPropWndBtn, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
END_MESSAGE_MAP()

CNPropWndBtn::CNPropWndBtn() : CWindowCommandTarget(this), m_pField(nullptr)
{
}

CNPropWndBtn::~CNPropWndBtn() = default;

void CNPropWndBtn::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

void CNPropWndBtn::OnDataCommand(BOOL bSave)
{
    if (m_pField == nullptr)
        return;
    const BOOL bReversed = m_pField->m_bInvert;
    if (bSave) {
        const int nCheck = GetCheck();
        CString strValue;
        if (nCheck == BST_INDETERMINATE)
            strValue = kUnknownSaved;
        else if ((nCheck == BST_CHECKED) != (bReversed != FALSE))
            strValue = kYes;
        m_pField->CNPropObj::SetText(strValue);
        return;
    }
    CString strValue;
    m_pField->CNPropObj::GetText(strValue);
    if (strValue == kUnknown || strValue == kUnknownSaved)
        SetCheck(BST_INDETERMINATE);
    else
        SetCheck((strValue == kYes) != (bReversed != FALSE) ? BST_CHECKED : BST_UNCHECKED);
}

void CNPropWndBtn::OnListCommand(BOOL bSave)
{
    if (m_pField == nullptr)
        return;
    if (bSave) {
        CString strCaption;
        GetWindowText(strCaption);
        CStringList list;
        list.AddTail(strCaption);
        m_pField->CNPropObj::SetList(list);
        return;
    }
    CStringList list;
    m_pField->CNPropObj::GetList(list);
    if (!list.IsEmpty())
        SetWindowText(list.GetHead());
}

void CNPropWndBtn::OnResetCommand()
{
    SetCheck(BST_UNCHECKED);
}

CNPropObj* CNPropWndBtn::MoveField()
{
    return m_pField;
}

void CNPropWndBtn::OnClicked()
{
    if (m_pField != nullptr && !IsInputLocked())
        m_pField->Execute(0, 0, 0);
}

void CNPropWndBtn::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == '\t' && MirtPostUserMove(GetParent()->GetSafeHwnd(), MoveField()))
        return;
    if (nChar == '\r') {
        if (IsInputLocked())
            return;
        if (m_pField != nullptr)
            m_pField->Execute(0, 0, 0);
    }
    CButton::OnChar(nChar, nRepCnt, nFlags);
}

void CNPropWndBtn::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsInputLocked())
        return;
    CButton::OnLButtonDown(nFlags, point);
}

LRESULT CNPropWndBtn::OnQueryClipBoard(WPARAM wParam, LPARAM)
{
    return MirtAnswerClipboardQuery(wParam, FALSE);
}
