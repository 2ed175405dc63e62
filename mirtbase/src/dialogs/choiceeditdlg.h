// CChoiceEditDlg: edits the choices of a combo-box field on a working copy;
// "終了" hands the edited list back in m_listChoices, the dialog's cancel
// leaves it as it was.
#pragma once
#include <afxdlgs.h>
#include <afxcoll.h>

class CChoiceEditDlg : public CDialog
{
public:
    enum Mode { MODE_BROWSE = 0, MODE_ADD = 1, MODE_CHANGE = 2 };

    explicit CChoiceEditDlg(CWnd* pParent = nullptr);

    CStringList m_listChoices;   // in before DoModal, out after IDOK

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnAdd();
    afx_msg void OnChange();
    afx_msg void OnDelete();
    afx_msg void OnCommit();
    afx_msg void OnAbandon();
    afx_msg void OnSelChange();
    DECLARE_MESSAGE_MAP()

private:
    // Enables the controls of the mode; in MODE_CHANGE the selected entry
    // goes into the edit.
    void UpdateControls();
    LRESULT ListMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Enable(int nID, BOOL bEnable) const;
    void CommitAdd(const CString& strText, int nSel);
    void CommitChange(const CString& strText, int nSel);

    CStringArray m_arrayWork;
    int m_nMode;
};
