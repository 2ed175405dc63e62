// CPrintOptionDlg: the print options of the form (dialog 233): stationery
// or blank paper, and for blank paper the scale, the ruled-line colour and
// the cut lines; and the print offsets. At OK the values are checked
// before anything is taken: only then the offsets go into the view and
// into "PrnOffset.dat"; the caller takes the other values.
#pragma once
#include <afxwin.h>
#include <afxctrl.h>
#include <afxdlgs.h>

class CTolvaneView;

class CPrintOptionDlg : public CDialog
{
public:
    explicit CPrintOptionDlg(CTolvaneView* pView, CWnd* pParent = nullptr);

    CTolvaneView* m_pView;
    BOOL m_bRestricted;       // an older product's document: no line choices
    BOOL m_bStationeryOnly;   // the form has no blank-paper print
    int m_nLeftOffset;
    int m_nTopOffset;
    int m_nCutLineKind;
    int m_nRuledLineColor;
    int m_nPaperKind;
    int m_nScale;
    CScrollBar m_wndLeftBar;
    CScrollBar m_wndTopBar;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnStationery();
    afx_msg void OnBlank();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    // The blank-paper controls enabled as the paper and the flags allow.
    void EnableForPaper(BOOL bBlank);
};
