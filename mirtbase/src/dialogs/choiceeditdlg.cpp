#include "dialogs/choiceeditdlg.h"

#include "dialogs/choiceeditres.h"

BEGIN_MESSAGE_MAP(CChoiceEditDlg, CDialog)
    ON_BN_CLICKED(IDC_CHOICE_ADD, OnAdd)
    ON_BN_CLICKED(IDC_CHOICE_CHANGE, OnChange)
    ON_BN_CLICKED(IDC_CHOICE_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_CHOICE_COMMIT, OnCommit)
    ON_BN_CLICKED(IDC_CHOICE_ABANDON, OnAbandon)
    ON_LBN_SELCHANGE(IDC_CHOICE_LIST, OnSelChange)
END_MESSAGE_MAP()

CChoiceEditDlg::CChoiceEditDlg(CWnd* pParent) : CDialog(IDD_CHOICE_EDIT, pParent), m_nMode(MODE_BROWSE)
{
}

LRESULT CChoiceEditDlg::ListMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, IDC_CHOICE_LIST, nMessage, wParam, lParam);
}

void CChoiceEditDlg::Enable(int nID, BOOL bEnable) const
{
    ::EnableWindow(::GetDlgItem(m_hWnd, nID), bEnable);
}

BOOL CChoiceEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_arrayWork.RemoveAll();
    for (POSITION pos = m_listChoices.GetHeadPosition(); pos != nullptr;)
        m_arrayWork.Add(m_listChoices.GetNext(pos));
    for (int i = 0; i < m_arrayWork.GetSize(); ++i)
        ListMessage(LB_INSERTSTRING, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_arrayWork[i])));
    m_nMode = MODE_BROWSE;
    UpdateControls();
    return FALSE;
}

void CChoiceEditDlg::UpdateControls()
{
    const BOOL bEditing = m_nMode != MODE_BROWSE;
    const BOOL bSelected = ListMessage(LB_GETCURSEL) != LB_ERR;
    for (int nID : {IDOK, IDCANCEL, IDC_CHOICE_ADD})
        Enable(nID, !bEditing);
    Enable(IDC_CHOICE_CHANGE, !bEditing && bSelected);
    Enable(IDC_CHOICE_DELETE, !bEditing && bSelected);
    for (int nID : {IDC_CHOICE_TEXT, IDC_CHOICE_COMMIT, IDC_CHOICE_ABANDON})
        Enable(nID, bEditing);
    HWND hEdit = ::GetDlgItem(m_hWnd, IDC_CHOICE_TEXT);
    if (!bEditing) {
        ::SetWindowTextA(hEdit, "");
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_CHOICE_LIST));
        return;
    }
    if (m_nMode == MODE_CHANGE && bSelected) {
        const int nSel = static_cast<int>(ListMessage(LB_GETCURSEL));
        ::SetWindowTextA(hEdit, m_arrayWork[nSel]);
        ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
        ::SendMessageA(hEdit, EM_SCROLLCARET, 0, 0);
    }
    ::SetFocus(hEdit);
}

void CChoiceEditDlg::OnAdd()
{
    m_nMode = MODE_ADD;
    UpdateControls();
}

void CChoiceEditDlg::OnChange()
{
    m_nMode = MODE_CHANGE;
    UpdateControls();
}

void CChoiceEditDlg::OnDelete()
{
    const LRESULT nSel = ListMessage(LB_GETCURSEL);
    if (nSel == LB_ERR || ListMessage(LB_DELETESTRING, static_cast<WPARAM>(nSel)) == LB_ERR)
        AfxMessageBox("削除に失敗しました。");
    else
        m_arrayWork.RemoveAt(static_cast<int>(nSel));
    UpdateControls();
}

void CChoiceEditDlg::CommitAdd(const CString& strText, int nSel)
{
    const int nAt = nSel == LB_ERR ? static_cast<int>(m_arrayWork.GetSize()) : nSel;
    const LRESULT nInserted =
        ListMessage(LB_INSERTSTRING, static_cast<WPARAM>(nAt), reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
    if (nInserted == LB_ERR || nInserted == LB_ERRSPACE)
        AfxMessageBox("追加に失敗しました。");
    else
        m_arrayWork.InsertAt(nAt, strText);
}

void CChoiceEditDlg::CommitChange(const CString& strText, int nSel)
{
    const LRESULT nInserted = nSel == LB_ERR ? LB_ERR
        : ListMessage(LB_INSERTSTRING, static_cast<WPARAM>(nSel), reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
    const BOOL bInserted = nInserted != LB_ERR && nInserted != LB_ERRSPACE;
    if (bInserted && ListMessage(LB_DELETESTRING, static_cast<WPARAM>(nSel + 1)) != LB_ERR) {
        m_arrayWork[nSel] = strText;
        return;
    }
    // The list box keeps the working copy's entries.
    if (bInserted)
        ListMessage(LB_DELETESTRING, static_cast<WPARAM>(nSel));
    AfxMessageBox("変更に失敗しました。");
}

void CChoiceEditDlg::OnCommit()
{
    CString strText;
    GetDlgItemText(IDC_CHOICE_TEXT, strText);
    const int nSel = static_cast<int>(ListMessage(LB_GETCURSEL));
    if (m_nMode == MODE_ADD)
        CommitAdd(strText, nSel);
    else if (m_nMode == MODE_CHANGE)
        CommitChange(strText, nSel);
    m_nMode = MODE_BROWSE;
    UpdateControls();
}

void CChoiceEditDlg::OnAbandon()
{
    m_nMode = MODE_BROWSE;
    UpdateControls();
}

void CChoiceEditDlg::OnSelChange()
{
    UpdateControls();
}

void CChoiceEditDlg::OnOK()
{
    m_listChoices.RemoveAll();
    for (int i = 0; i < m_arrayWork.GetSize(); ++i)
        m_listChoices.AddTail(m_arrayWork[i]);
    EndDialog(IDOK);
}
