// COrgPrintDialog: the form screen's print dialog. The program counts the
// copies and collates by itself, so at OK the dialog takes the copies and
// the collate box for the program and leaves one copy to the printer. As
// printer selection (setup only) it can hide the paper and orientation
// controls, which automatic paper selection decides.
#pragma once
#include <afxwin.h>
#include <afxcomdlg.h>

class COrgPrintDialog : public CPrintDialog
{
    DECLARE_DYNAMIC(COrgPrintDialog)
public:
    COrgPrintDialog(BOOL bSetupOnly, DWORD dwFlags, CWnd* pParentWnd = nullptr);

    int m_nCopies;
    BOOL m_bCollate;
    BOOL m_bHidePaper;     // setup only: paper and orientation hidden
    BOOL m_bSetupOnly;
    BOOL m_bAdjustPending;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // Setup only with the paper hidden: the paper controls hidden, the
    // dialog shortened and its buttons moved up.
    void HidePaperControls();
};
