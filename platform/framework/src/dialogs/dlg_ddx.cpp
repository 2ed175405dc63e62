// DDX_ routines of buttons, control objects, combo and list boxes.
#include "dialogs/dlg_internal.h"

namespace {

bool IsRadioButton(HWND hWnd)
{
    return (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// The selection of a combo or list box by index.
void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, UINT nGetMessage, UINT nSetMessage)
{
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, nGetMessage, 0, 0));
    else
        ::SendMessageA(hWndCtrl, nSetMessage, static_cast<WPARAM>(index), 0);
}

// The text of the selected item of a combo or list box, empty for none.
CString SelectedItemText(HWND hWndCtrl, UINT nGetSelMessage, UINT nGetLenMessage, UINT nGetTextMessage)
{
    const int nSel = static_cast<int>(::SendMessageA(hWndCtrl, nGetSelMessage, 0, 0));
    return AfxGetListItemText(hWndCtrl, nSel, nGetLenMessage, nGetTextMessage);
}

}  // namespace

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    const HWND hWndFirst = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int nButton = 0;
    for (HWND hWnd = hWndFirst; hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != hWndFirst && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_GROUP))
            break;
        if (!IsRadioButton(hWnd))
            continue;
        if (!pDX->m_bSaveAndValidate)
            ::SendMessageA(hWnd, BM_SETCHECK, nButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
        else if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
            value = nButton;
        ++nButton;
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    if (!rControl.SubclassWindow(pDX->PrepareCtrl(nIDC)))
        AfxThrowUserException();
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    const bool bDropList = (::GetWindowLongA(hWndCtrl, GWL_STYLE) & 0x0003) == CBS_DROPDOWNLIST;
    if (pDX->m_bSaveAndValidate) {
        value = bDropList ? SelectedItemText(hWndCtrl, CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT)
                          : AfxGetWindowTextString(hWndCtrl);
    } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == CB_ERR) {
        // No such item: the edit field shows the text, a list shows nothing.
        if (bDropList)
            ::SendMessageA(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        else
            ::SetWindowTextA(hWndCtrl, value);
    }
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = SelectedItemText(hWndCtrl, LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT);
    } else if (::SendMessageA(hWndCtrl, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == LB_ERR) {
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}
