#include "dialogs/dlg_internal.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    dwStyle &= ~static_cast<DWORD>(LBS_OWNERDRAWVARIABLE);
    return CListBox::Create(dwStyle | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (nIndex < 0 || nIndex >= m_checks.GetSize())
        return;
    m_checks[nIndex] = nCheck != 0 ? 1 : 0;
    CRect rect;
    if (GetItemRect(nIndex, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_checks.GetSize() ? static_cast<int>(m_checks[nIndex]) : 0;
}

int CCheckListBox::CheckBoxWidth() const
{
    return GetItemHeight(0);
}

void CCheckListBox::ToggleCheck(int nIndex)
{
    SetCheck(nIndex, !GetCheck(nIndex));
    GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
        reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->itemID == static_cast<UINT>(-1))
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rectItem = lpDIS->rcItem;
    CRect rectBox(rectItem.left, rectItem.top, rectItem.left + rectItem.Height(), rectItem.bottom);
    pDC->FillSolidRect(&rectBox, ::GetSysColor(COLOR_WINDOW));
    rectBox.DeflateRect(1, 1);
    UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (GetCheck(static_cast<int>(lpDIS->itemID)))
        nState |= DFCS_CHECKED;
    ::DrawFrameControl(lpDIS->hDC, &rectBox, DFC_BUTTON, nState);

    const bool bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    CRect rectText(rectItem.left + rectItem.Height(), rectItem.top, rectItem.right, rectItem.bottom);
    pDC->FillSolidRect(&rectText, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString text;
    GetText(static_cast<int>(lpDIS->itemID), text);
    const COLORREF crOldText = pDC->SetTextColor(::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    rectText.left += 2;
    pDC->DrawText(text, &rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOldText);
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rectItem);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN: {
        const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        const DWORD dwHit = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, lParam));
        if (HIWORD(dwHit) == 0 && point.x < CheckBoxWidth())
            ToggleCheck(LOWORD(dwHit));
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && GetCurSel() != LB_ERR)
            ToggleCheck(GetCurSel());
        break;
    default:
        break;
    }
    const LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0)
            m_checks.InsertAt(static_cast<int>(lResult), DWORD{0});
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && static_cast<int>(wParam) < m_checks.GetSize())
            m_checks.RemoveAt(static_cast<int>(wParam));
        break;
    case LB_RESETCONTENT:
        m_checks.RemoveAll();
        break;
    default:
        break;
    }
    return lResult;
}
