// CStrelMainDlg: the launcher's main window, a dialog drawn over its
// background picture. Six picture tabs choose a page of the form library
// index, the form list shows that page's forms, the preview the chosen
// form's picture, and five picture buttons start the form screen, open the
// three popups and end the launcher.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

#include "formlistbox.h"
#include "notifystatic.h"
#include "paldib.h"
#include "previewwnd.h"

class CPrtDataInfo;

class CStrelMainDlg : public CDialog
{
public:
    // The regions of the window: page tabs 0-5, then the buttons.
    enum
    {
        kTabCount = 6,
        kStartButton = 6,
        kExcelButton = 7,
        kSettingsButton = 8,
        kHelpButton = 9,
        kExitButton = 10,
        kRegionCount = 11
    };
    // The looks of a region.
    enum Look
    {
        kNormal,
        kHot,
        kPressed,
        kLookCount
    };

    // Loads the index and the background picture.
    explicit CStrelMainDlg(CWnd* pParent = nullptr);
    ~CStrelMainDlg() override;

    bool LoadMainData();
    void SelectPage(int nPage);
    bool ShowFormList();
    bool ShowPreview();
    void LaunchFormScreen();
    void OnRegionAction(BOOL bButtonDown);
    void TrackRegionMenu(int nPopup);

    // The record of the current page; null when the index has none.
    CPrtDataInfo* CurrentRecord() const;
    int CurrentPage() const { return m_nPage; }
    int SelectedForm() const { return m_nSelectedForm; }
    bool ShowsPlaceholder() const { return m_bPlaceholder; }
    UINT CurrentLook(int nRegion) const { return m_nCurrentLook[nRegion]; }
    const CPalDIB& Background() const { return m_background; }
    const CPreviewWnd& Preview() const { return m_wndPreview; }
    // The resource id of a region's look on this screen.
    UINT LookId(int nRegion, Look look) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnFormSelChange();
    afx_msg LRESULT OnPreviewDblClk(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUserInfo();
    afx_msg void OnHelpContents();
    afx_msg void OnHelpAbout();
    afx_msg void OnExcelReset();
    DECLARE_MESSAGE_MAP()

private:
    void LoadBackground();
    void ChoosePageColours();
    void AddAboutItem();
    void BuildRegions();
    void CreateFonts();
    void DrawSelectedForm(CDC& dc);
    void SetLook(int nRegion, Look look);
    int RegionAt(CPoint point) const;
    void ShowPlaceholder();
    void RedrawPreviewArea();

    CFormListBox m_listForms;
    CNotifyStatic m_stcPreview;
    int m_nPage;
    CObList m_listGroups;   // CPrtDataInfo, owned
    CPalDIB m_background;
    CString m_strTitle;
    HICON m_hIcon;
    CMenu m_menu;
    int m_nSelectedForm;
    int m_nPrevRow;
    int m_nHot;
    int m_nSelectedTab;
    CFont m_fontTitle;
    CFont m_fontDescription;
    CBrush m_brushes[kTabCount + 1];
    COLORREF m_pageColours[kTabCount];
    RECT m_rcRegions[kRegionCount];
    UINT m_nCurrentLook[kRegionCount];
    bool m_bFirstRun;
    int m_nWindowWidth;
    int m_nWindowHeight;
    CPreviewWnd m_wndPreview;
    bool m_bPlaceholder;
    bool m_bPaletteDevice;
};
