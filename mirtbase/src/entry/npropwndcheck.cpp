#include "npropwndcheck.h"

#include "entry/entryframe.h"
#include "npropobjbtncheck.h"

IMPLEMENT_DYNAMIC(CNPropWndCheck, CNPropWndBtn)

BEGIN_MESSAGE_MAP(CNPropWndCheck, CNPropWndBtn)
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR_REFLECT()
    ON_MESSAGE(WM_REFLECT_BASE + WM_DRAWITEM, OnReflectDrawItem)
END_MESSAGE_MAP()

CNPropWndCheck::CNPropWndCheck() : m_pCheckField(nullptr)
{
}

CNPropWndCheck::~CNPropWndCheck() = default;

void CNPropWndCheck::OnDataCommand(BOOL bSave)
{
    if (m_pCheckField == nullptr)
        return;
    const BOOL bReversed = m_pCheckField->m_bInvert;
    if (bSave) {
        m_pCheckField->CNPropObj::SetText(CNPropObjBtnCheck::ValueOfState(m_pCheckField->IsChecked(), bReversed));
        return;
    }
    CString strValue;
    m_pCheckField->CNPropObj::GetText(strValue);
    if (strValue == "1" || strValue == "0")
        m_pCheckField->SetChecked((strValue == "1") != (bReversed != FALSE));
}

void CNPropWndCheck::OnListCommand(BOOL)
{
}

void CNPropWndCheck::OnResetCommand()
{
    if (m_pCheckField != nullptr)
        m_pCheckField->SetChecked(FALSE);
}

CNPropObj* CNPropWndCheck::MoveField()
{
    return m_pCheckField;
}

void CNPropWndCheck::Toggle()
{
    if (m_pCheckField != nullptr)
        m_pCheckField->SetChecked(!m_pCheckField->IsChecked());
}

void CNPropWndCheck::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == '\r' && !IsInputLocked()) {
        Toggle();
        RepaintEntry(this);
    }
    CNPropWndBtn::OnChar(nChar, nRepCnt, nFlags);
}

void CNPropWndCheck::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsInputLocked())
        return;
    Toggle();
    CNPropWndBtn::OnLButtonDown(nFlags, point);
}

HBRUSH CNPropWndCheck::CtlColor(CDC*, UINT)
{
    return m_pCheckField != nullptr ? static_cast<HBRUSH>(m_pCheckField->GetBackBrush()->GetSafeHandle()) : nullptr;
}

LRESULT CNPropWndCheck::OnReflectDrawItem(WPARAM, LPARAM lParam)
{
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

void CNPropWndCheck::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_pCheckField == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rect(lpDrawItemStruct->rcItem);
    m_pCheckField->CalcCheckRect(rect.left, rect.top, rect.right, rect.bottom);
    m_pCheckField->DrawCheck(pDC, 1, rect.left, rect.top, rect.right, rect.bottom);
    if ((lpDrawItemStruct->itemState & ODS_FOCUS) == 0)
        return;
    CRect client;
    GetClientRect(&client);
    DrawEntryFrame(pDC, client);
}
