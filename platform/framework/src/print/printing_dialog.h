// The window a print job shows while it prints: the document's name, the
// page, and Cancel; and the abort procedure that keeps the program's
// windows answering meanwhile.
#pragma once
#include <windows.h>

class CPrintingDialog
{
public:
    // Made visible over hWndOwner, which is disabled until the dialog goes.
    CPrintingDialog(HWND hWndOwner, LPCSTR lpszDocName);
    ~CPrintingDialog();
    CPrintingDialog(const CPrintingDialog&) = delete;
    CPrintingDialog& operator=(const CPrintingDialog&) = delete;

    void ShowPage(UINT nPage);
    // Dispatches the thread's waiting messages (this dialog's through its
    // keyboard handling) until none is left or Cancel was pressed; TRUE
    // while the job goes on.
    BOOL Pump();
    BOOL IsCancelled() const { return m_bCancelled; }

    // For SetAbortProc: the pump of the dialog being shown.
    static BOOL CALLBACK AbortProc(HDC hDC, int nCode);

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWndOwner;
    BOOL m_bOwnerWasEnabled;
    HWND m_hDlg;
    BOOL m_bCancelled;
    CPrintingDialog* m_pPrevious;
};
