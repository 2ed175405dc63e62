// CPageDlg asks where a new or duplicated page goes; CGotoPageDlg asks for
// the page to show. They only collect and check the values.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

class CPageDlg : public CDialog
{
public:
    // Places of m_nPlace.
    enum
    {
        PLACE_AFTER_SHOWN = 0,
        PLACE_FIRST = 1,
        PLACE_LAST = 2,
        PLACE_AFTER_PAGE = 3
    };

    explicit CPageDlg(CWnd* pParent = nullptr);

    int m_nPlace;        // -1 when no button is chosen
    int m_nPageNumber;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The number is needed (from 1 on) only for PLACE_AFTER_PAGE.
    void OnOK() override;
    // The number box is enabled exactly while PLACE_AFTER_PAGE is checked.
    afx_msg void OnPlaceClicked(UINT nID);
    DECLARE_MESSAGE_MAP()
};

class CGotoPageDlg : public CDialog
{
public:
    explicit CGotoPageDlg(CWnd* pParent = nullptr);

    int m_nPageNumber;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The number is selected whole whenever its box gets the focus.
    afx_msg void OnNumberFocus();
    DECLARE_MESSAGE_MAP()
};
