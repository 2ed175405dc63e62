// Frame windows and their control bars: CFrameWnd with its view, menu,
// accelerators and message pane; the bars docked on its sides (CToolBar,
// CStatusBar, CDialogBar), whose buttons, panes and controls follow the
// update handlers of the command routing when the thread goes idle.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "afxwin.h"
#include "afxcoll.h"
#include "afxres.h"

class CView;
class CDocument;
class CControlBar;
class CCreateContext;

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// With FWS_ADDTOTITLE the document's title comes first: "doc - app".
#define FWS_PREFIXTITLE 0x00004000L

// Control-bar styles (the low word; the high word holds window styles).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Button styles of CToolBar::SetButtonInfo.
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)   // the state bit is inverted
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)

// Pane styles of CStatusBar.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

// A window with a menu, accelerators, an active view and control bars.
class AFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;

    // Makes the frame from the resources of nIDResource: the menu, the
    // accelerators, the icon and the title (the string's first part, up to
    // "\n"); pContext gives the view to make.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
        CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);

    virtual CView* GetActiveView() const { return m_pViewActive; }
    // Makes pViewNew the view that gets commands and the focus; with
    // bNotify both views hear of it (OnActivateView).
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();

    // Places the visible bars on their sides, in the order they were made,
    // and the view (AFX_IDW_PANE_FIRST) in what is left of the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Shows the frame (nCmdShow, or SW_SHOW when -1) and brings it up.
    virtual void ActivateFrame(int nCmdShow = -1);
    // The views' OnInitialUpdate, the active view and the title; with
    // bMakeVisible the frame is shown.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // The caption: with FWS_ADDTOTITLE "document - title".
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // The prompt of a command: the first part of its string resource.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // The message pane (pane 0 of the status bar) shows the text.
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    // The status bar, or null.
    CWnd* GetMessageBar();

    // Bars dock on the sides given here (CBRS_ALIGN_...).
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar at the side of nDockBarID (AFX_IDW_DOCKBAR_TOP ...),
    // else at the first side that both the bar and the frame allow.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    // Shows or hides the bar; the layout follows at once unless bDelay.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);

    // The active view (and its document) first, then the frame's own map,
    // then the application's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The frame's accelerators after the children's translation.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Greys menu items that have neither a command nor an update handler.
    BOOL m_bAutoMenuEnable;
    // The id of the prompt shown in the message pane; 0 for the idle text.
    UINT m_nIDTracking;
    HMENU m_hMenuDefault;
    HACCEL m_hAccelTable;
    DWORD m_dwDockStyle;
    CString m_strTitle;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // Makes the view of the context, if it names one.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    // The active view hears of the frame's activation and deactivation:
    // OnActivateView with itself as both views (not while the frame comes
    // up minimized), then OnActivateFrame.
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // Opens each dropped file through the application, in order.
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    afx_msg BOOL OnBarCheck(UINT nID);
    DECLARE_MESSAGE_MAP()

    CView* m_pViewActive;

private:
    friend class CView;
    friend class CControlBar;
    // The bars in the order they were made.
    CPtrList m_listControlBars;
    // The document title shown last, to update the caption on change only.
    CString m_strTitleShown;
};

// A bar docked on a side of its frame.
class AFX_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    // The CBRS_ style bits (alignment, borders, tips).
    DWORD GetBarStyle() const { return m_dwStyle; }
    // Also after creation: the bar follows the new bits (OnBarStyleChange).
    void SetBarStyle(DWORD dwStyle);
    // The sides (CBRS_ALIGN_...) the bar may dock on.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    DWORD m_dwDockStyle;

    // The size the bar takes: its height when horizontal, its width when
    // vertical; bStretch: the whole side.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Runs the update handlers of pTarget for the bar's items.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    BOOL IsVisible() const;
    BOOL IsHorizontal() const { return (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) == 0; }
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }

protected:
    // The frame's child of the window class with the window styles of
    // dwStyle's high word and dwCtrlStyle; the low word is the bar style.
    BOOL CreateBar(LPCSTR lpszClassName, DWORD dwStyle, CWnd* pParentWnd, UINT nID, DWORD dwCtrlStyle);
    // Joins the frame's bars (laid out by its RecalcLayout).
    void AttachToFrame(CWnd* pParentWnd);
    // SetBarStyle changed the bits of a bar that has its window.
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);

    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    DWORD m_dwStyle;
    CFrameWnd* m_pDockSite;
};

// A bar of buttons over the system's tool-bar control, loaded from a
// tool-bar resource and its bitmap of the same id.
class AFX_API CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    // Replaces the buttons: ids in order, 0 for a separator; images are
    // given to the buttons in turn. Null ids makes nIDCount empty buttons.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    // Client coordinates of the button.
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    // A separator's iImage is its width: a slot for another control.
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    int GetCount() const;
    HWND GetToolBarCtrlHwnd() const { return m_hWnd; }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Enables and checks the buttons by their update handlers.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // With CBRS_FLYBY a mouse move that reaches another button shows that
    // button's prompt before the bar handles the move, so that a derived
    // bar's own prompt comes last.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // CBRS_TOOLTIPS added or removed: the control's tips follow.
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    // The mouse left the bar: the idle text after a fly-by prompt.
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL AddImages(HINSTANCE hInst, LPCSTR lpszResourceName, int nCount);
    // The command of the button under the point (client coordinates); 0
    // over a separator or no button.
    UINT CommandAt(CPoint point) const;
    // Shows the prompt of nID (the idle text for 0) unless it is shown.
    void SetFlyByPrompt(UINT nID);
    CSize m_sizeImage;
    // The button whose prompt the fly-by shows; 0 for none.
    UINT m_nIDFlyBy;
};

// A bar of text panes over the system's status-bar control. Pane 0 shows
// the frame's prompts; the others carry the strings of their ids.
class AFX_API CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
        UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; ID_SEPARATOR (0) makes the stretching message pane.
    // The other panes are as wide as their string resources' text.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    int GetCount() const { return static_cast<int>(m_panes.GetSize()); }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Enables (text shown) or disables (text hidden) the panes and sets
    // their texts by their update handlers.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    struct Pane
    {
        UINT nID;
        UINT nStyle;
        int cxText;
        CString strText;
    };
    // Gives the control the panes' edges and texts.
    void UpdatePanes();

    CArray<Pane, const Pane&> m_panes;
};

// A bar made of a dialog template (a child template without a caption):
// its controls' commands go to the frame, and their update handlers run
// when the thread goes idle.
class AFX_API CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();

    BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
    }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    // What the bar's own map leaves of its controls' commands and
    // notifications goes to the frame.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    CSize m_sizeDefault;
};

#pragma pack(pop)
