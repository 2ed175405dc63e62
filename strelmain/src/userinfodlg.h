// CUserInfoDlg: the user registration. It reads the user's data back from
// the auto-input files and writes all fifteen of them on OK. At the first
// run after installation (the marker "FTtemp.dat" exists) its OK reads
// "次へ" and removes the marker once the files are written.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

#include "autoinput.h"

class CUserInfoDlg : public CDialog
{
public:
    explicit CUserInfoDlg(CWnd* pParent = nullptr);

    BOOL m_bFirstRun;
    BOOL m_bNextStep;
    UserInfo m_info;

    void ReadAutoFiles();
    // Writes the fifteen files; the names of those that failed go to
    // failed. FALSE when one failed.
    BOOL WriteAutoFiles(CStringArray& failed);
    // Appends a reading to the reading box, cut to its first 40 bytes
    // (never inside a double-byte character).
    void AppendReading(LPCSTR lpszReading);
    // The first-run marker under the install root.
    static CString MarkerPath();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnEditChange(UINT nID);
    afx_msg void OnImeOnFocus(UINT nID);
    afx_msg void OnImeOffFocus(UINT nID);
    afx_msg LRESULT OnFocusName(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetImeOpen(bool bOpen);
};
