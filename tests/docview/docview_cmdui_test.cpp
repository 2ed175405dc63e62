// Command routing from the frame to the view, the document, the frame and
// the application, and the update handlers of menu items, tool-bar
// buttons, status panes and dialog-bar controls; the bars' layout.
#include <string.h>
#include <string>

#include "docview_app.h"
#include "msgbox_recorder.h"

namespace {

CString PaneText(CStatusBar& bar, int nIndex)
{
    char szText[256] = "";
    bar.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(szText));
    return szText;
}

HMENU TestMenu(CFrameWnd* pFrame)
{
    return ::GetSubMenu(::GetMenu(pFrame->m_hWnd), 1);
}

// Posts the message to the window and runs the thread's pump (pre-translation,
// then the window's handlers) until it has been taken.
void Pump(CWnd& wnd, UINT message, LPARAM lParam = 0)
{
    ASSERT_TRUE(wnd.PostMessage(message, 0, lParam));
    const MSG& msg = AfxGetThread()->m_msgCur;
    do {
        ASSERT_TRUE(AfxPumpMessage());
    } while (msg.hwnd != wnd.m_hWnd || msg.message != message);
}

void MoveMouseOnto(CToolBar& bar, int nIndex, CSize offset = CSize(0, 0))
{
    CRect item;
    bar.GetItemRect(nIndex, &item);
    const CPoint point = item.CenterPoint() + offset;
    Pump(bar, WM_MOUSEMOVE, MAKELPARAM(point.x, point.y));
}

}  // namespace

TEST_F(DocViewTest, CommandsGoToViewDocumentFrameAndApplicationInTurn)
{
    NewDocument();
    struct Case
    {
        UINT nID;
        const char* pszHandler;
    };
    const Case cases[] = {
        {ID_TEST_VIEW_CMD, "view"},
        {ID_TEST_DOC_CMD, "document"},
        {ID_TEST_FRAME_CMD, "frame"},
        {ID_TEST_APP_CMD, "application"},
        {ID_TEST_SHARED_CMD, "view"},   // the view comes before the document
        {ID_TEST_RANGE_FIRST + 1, "view range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        TheCommandLog().handledBy.clear();
        EXPECT_TRUE(Frame()->SendMessage(WM_COMMAND, c.nID));
        EXPECT_EQ(c.pszHandler, TheCommandLog().handledBy[c.nID]);
    }
    EXPECT_EQ(UINT(ID_TEST_RANGE_FIRST + 1), View()->m_nLastRangeID);
    EXPECT_FALSE(Frame()->SendMessage(WM_COMMAND, ID_TEST_NOHANDLER));

    // Ctrl+N of the frame's accelerators reaches File > New.
    Doc()->m_nValue = 5;
    BYTE keys[256];
    ASSERT_TRUE(::GetKeyboardState(keys));
    BYTE pressed[256];
    memcpy(pressed, keys, sizeof keys);
    pressed[VK_CONTROL] = 0x80;
    ::SetKeyboardState(pressed);
    MSG msg = {View()->m_hWnd, WM_KEYDOWN, 'N', 0};
    const BOOL bTranslated = CWnd::WalkPreTranslateTree(Frame()->m_hWnd, &msg);
    ::SetKeyboardState(keys);
    EXPECT_TRUE(bTranslated);
    EXPECT_EQ(0, Doc()->m_nValue);
}

TEST_F(DocViewTest, MenuItemsFollowTheirUpdateHandlers)
{
    NewDocument();
    const HMENU hMenu = TestMenu(Frame());
    struct Case
    {
        UINT nID;
        int nValue;
        BOOL bChecked;
        bool bGrey;
        bool bCheck;
    };
    const Case cases[] = {
        {ID_TEST_DOC_CMD, 0, TRUE, true, false},     // its handler: value above 0
        {ID_TEST_DOC_CMD, 3, TRUE, false, false},
        {ID_TEST_VIEW_CMD, 0, TRUE, false, false},   // a command handler only
        {ID_TEST_NOHANDLER, 0, TRUE, true, false},   // no handler at all
        {ID_TEST_CHECKED, 0, TRUE, true, true},      // checks, but runs nothing
        {ID_TEST_CHECKED, 0, FALSE, true, false},
        {ID_TEST_RANGE_LAST, 0, TRUE, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        Doc()->m_nValue = c.nValue;
        View()->m_bChecked = c.bChecked;
        Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(1, FALSE));
        const UINT nState = ::GetMenuState(hMenu, c.nID, MF_BYCOMMAND);
        EXPECT_EQ(c.bGrey, (nState & MF_GRAYED) != 0);
        EXPECT_EQ(c.bCheck, (nState & MF_CHECKED) != 0);
    }
    // The popup follows the handler of its first item, by position.
    const int nSubPosition = 7;
    ASSERT_NE(nullptr, ::GetSubMenu(hMenu, nSubPosition));
    EXPECT_NE(0u, ::GetMenuState(hMenu, nSubPosition, MF_BYPOSITION) & MF_GRAYED);

    // Without automatic enabling, items without handlers stay as they are.
    Frame()->m_bAutoMenuEnable = FALSE;
    ::EnableMenuItem(hMenu, ID_TEST_NOHANDLER, MF_BYCOMMAND | MF_ENABLED);
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(1, FALSE));
    EXPECT_EQ(0u, ::GetMenuState(hMenu, ID_TEST_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(DocViewTest, IdleUpdatesSetToolBarButtonsStatusPanesAndDialogBarControls)
{
    NewDocument();
    CMemoFrame* pFrame = Frame();
    CToolBar& toolBar = pFrame->m_wndToolBar;
    CStatusBar& statusBar = pFrame->m_wndStatusBar;
    struct Case
    {
        int nValue;
        BOOL bChecked;
        const char* pszText;
    };
    const Case cases[] = {{0, TRUE, "一"}, {4, FALSE, "二行目"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nValue);
        Doc()->m_nValue = c.nValue;
        Doc()->m_strText = c.pszText;
        View()->m_bChecked = c.bChecked;
        m_app.OnIdle(0);
        const bool bDocEnabled = c.nValue > 0;
        EXPECT_EQ(bDocEnabled, toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TEST_DOC_CMD) != 0);
        EXPECT_TRUE(toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TEST_VIEW_CMD));
        EXPECT_FALSE(toolBar.SendMessage(TB_ISBUTTONENABLED, ID_TEST_NOHANDLER));
        EXPECT_EQ(c.bChecked != FALSE, toolBar.SendMessage(TB_ISBUTTONCHECKED, ID_TEST_CHECKED) != 0);
        EXPECT_EQ(c.pszText, std::string(PaneText(statusBar, 1)));
        EXPECT_EQ(bDocEnabled, ::IsWindowEnabled(::GetDlgItem(pFrame->m_wndDialogBar.m_hWnd, ID_TEST_DOC_CMD)) != 0);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pFrame->m_wndDialogBar.m_hWnd, ID_TEST_NOHANDLER)));
        // Only buttons go grey without a handler.
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pFrame->m_wndDialogBar.m_hWnd, IDC_BAR_EDIT)));
    }
    // Keyboard-state panes show their text only while the key's light is on.
    const int nCaps = statusBar.CommandToIndex(ID_INDICATOR_CAPS);
    ASSERT_EQ(2, nCaps);
    EXPECT_EQ((::GetKeyState(VK_CAPITAL) & 1) ? "CAP" : "", std::string(PaneText(statusBar, nCaps)));
    EXPECT_EQ("CAP", std::string(statusBar.GetPaneText(nCaps)));
    EXPECT_EQ(ID_INDICATOR_NUM, statusBar.GetItemID(3));
}

TEST_F(DocViewTest, DialogBarButtonsSendTheirCommandsThroughTheFrame)
{
    NewDocument();
    Doc()->m_nValue = 1;
    m_app.OnIdle(0);
    const HWND hButton = ::GetDlgItem(Frame()->m_wndDialogBar.m_hWnd, ID_TEST_DOC_CMD);
    ASSERT_NE(nullptr, hButton);
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ("document", TheCommandLog().handledBy[ID_TEST_DOC_CMD]);
}

TEST_F(DocViewTest, MessagePaneShowsPromptsAndTheIdleText)
{
    NewDocument();
    CStatusBar& statusBar = Frame()->m_wndStatusBar;
    Frame()->SendMessage(WM_SETMESSAGESTRING, ID_TEST_VIEW_CMD);
    EXPECT_EQ("ビューの命令です", std::string(PaneText(statusBar, 0)));
    EXPECT_EQ(UINT(ID_TEST_VIEW_CMD), Frame()->m_nIDTracking);
    Frame()->SetMessageText("自由な文");
    EXPECT_EQ("自由な文", std::string(PaneText(statusBar, 0)));
    // A menu item selected shows its prompt; the menu closed, the idle text.
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_FRAME_CMD, MF_STRING),
        reinterpret_cast<LPARAM>(TestMenu(Frame())));
    EXPECT_EQ("フレームの命令です", std::string(PaneText(statusBar, 0)));
    Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ("レディ", std::string(PaneText(statusBar, 0)));

    // Tool tips are the second part of the prompt.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = Frame()->m_wndToolBar.m_hWnd;
    info.hdr.idFrom = ID_TEST_DOC_CMD;
    info.hdr.code = TTN_GETDISPINFOA;
    Frame()->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ("ドキュメント命令", std::string(info.lpszText));
}

TEST_F(DocViewTest, BarsTakeTheirSidesAndTheViewTheRest)
{
    NewDocument();
    CMemoFrame* pFrame = Frame();
    pFrame->MoveWindow(0, 0, 640, 480);
    CRect client;
    pFrame->GetClientRect(&client);
    auto rectOf = [pFrame](CWnd& wnd) {
        CRect rect;
        wnd.GetWindowRect(&rect);
        pFrame->ScreenToClient(&rect);
        return rect;
    };
    const CRect tool = rectOf(pFrame->m_wndToolBar);
    const CRect status = rectOf(pFrame->m_wndStatusBar);
    const CRect dialog = rectOf(pFrame->m_wndDialogBar);
    const CRect view = rectOf(*View());
    // The bars that do not dock (status, dialog bar) keep the outside.
    EXPECT_EQ(CRect(0, client.bottom - status.Height(), client.right, client.bottom), status);
    EXPECT_EQ(CRect(0, 0, dialog.Width(), status.top), dialog);
    EXPECT_GT(dialog.Width(), 100);
    EXPECT_EQ(CRect(dialog.right, 0, client.right, tool.bottom), tool);
    EXPECT_GT(tool.Height(), 15);
    EXPECT_EQ(CRect(dialog.right, tool.bottom, client.right, status.top), view);

    // Hidden bars give their room to the view; a bar docked at the bottom
    // comes above the status bar.
    pFrame->ShowControlBar(&pFrame->m_wndDialogBar, FALSE, FALSE);
    pFrame->DockControlBar(&pFrame->m_wndToolBar, AFX_IDW_DOCKBAR_BOTTOM);
    const CRect toolNow = rectOf(pFrame->m_wndToolBar);
    EXPECT_EQ(CRect(0, status.top - tool.Height(), client.right, status.top), toolNow);
    EXPECT_EQ(CRect(0, 0, client.right, toolNow.top), rectOf(*View()));
    // The bar commands show and hide the bars, and check their menu items.
    EXPECT_TRUE(pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR));
    EXPECT_FALSE(pFrame->m_wndStatusBar.IsVisible());
    EXPECT_EQ(CRect(0, client.bottom - tool.Height(), client.right, client.bottom), rectOf(pFrame->m_wndToolBar));
}

TEST_F(DocViewTest, SeparatorSlotsMakeRoomForOtherControls)
{
    NewDocument();
    CToolBar& bar = Frame()->m_wndToolBar;
    ASSERT_EQ(5, bar.GetCount());
    EXPECT_EQ(1, bar.CommandToIndex(ID_TEST_DOC_CMD));
    bar.SetButtonInfo(2, 106, TBBS_SEPARATOR, 120);
    CRect slot;
    bar.GetItemRect(2, &slot);
    EXPECT_EQ(120, slot.Width());
    UINT nID;
    UINT nStyle;
    int iImage;
    bar.GetButtonInfo(2, nID, nStyle, iImage);
    EXPECT_EQ(106u, nID);
    EXPECT_EQ(UINT(TBBS_SEPARATOR), nStyle & 0xFFFF);
    bar.GetButtonInfo(3, nID, nStyle, iImage);
    EXPECT_EQ(UINT(ID_TEST_CHECKED), nID);
    EXPECT_EQ(2, iImage);
    CRect next;
    bar.GetItemRect(3, &next);
    EXPECT_EQ(slot.right, next.left);
}

namespace {

// A bar that words the tip of the view command itself and leaves the others
// to the frame.
class CTipBar : public CToolBar
{
protected:
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        if (nID == ID_TEST_FRAME_CMD) {
            // Its own text, and the request goes on.
            pInfo->lpszText = const_cast<LPSTR>("続く言葉");
            return FALSE;
        }
        if (nID != ID_TEST_VIEW_CMD)
            return FALSE;
        lstrcpynA(pInfo->szText, "バーの言葉", ARRAYSIZE(pInfo->szText));
        pInfo->lpszText = pInfo->szText;
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipBar, CToolBar)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

}  // namespace

TEST_F(DocViewTest, ABarsOwnTipHandlerComesBeforeThePrompt)
{
    NewDocument();
    CTipBar bar;
    ASSERT_TRUE(bar.Create(Frame(), WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS, AFX_IDW_TOOLBAR + 5));
    ASSERT_TRUE(bar.LoadToolBar(IDR_DOCTEST));
    const HWND hTip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(nullptr, hTip);
    const struct {
        HWND hWndFrom;
        UINT nID;
        const char* pszTip;
    } cases[] = {
        {hTip, ID_TEST_VIEW_CMD, "バーの言葉"},
        {hTip, ID_TEST_DOC_CMD, "ドキュメント命令"},   // declined: the prompt's tip
        {hTip, ID_TEST_FRAME_CMD, "続く言葉"},         // went on with its own text
        {bar.m_hWnd, ID_TEST_VIEW_CMD, "バーの言葉"},
        {Frame()->m_wndToolBar.m_hWnd, ID_TEST_VIEW_CMD, "ビュー命令"},   // another bar
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszTip);
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = c.hWndFrom;
        info.hdr.idFrom = c.nID;
        info.hdr.code = TTN_GETDISPINFOA;
        Frame()->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        ASSERT_NE(nullptr, info.lpszText);
        EXPECT_EQ(c.pszTip, std::string(info.lpszText));
    }
    bar.DestroyWindow();
    Frame()->RecalcLayout();
}

TEST_F(DocViewTest, ToolTipsGivenToABarAfterItWasMadeAskTheBarAndThenTheFrame)
{
    NewDocument();
    CTipBar bar;
    ASSERT_TRUE(bar.Create(Frame(), WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 5));
    ASSERT_TRUE(bar.LoadToolBar(IDR_DOCTEST));
    MoveMouseOnto(bar, 0);
    EXPECT_EQ(0, bar.SendMessage(TB_GETTOOLTIPS));

    bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_FIXED);
    MoveMouseOnto(bar, 1);
    const HWND hTip = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    ASSERT_NE(nullptr, hTip);
    const struct {
        UINT nID;
        const char* pszTip;
    } cases[] = {
        {ID_TEST_VIEW_CMD, "バーの言葉"},
        {ID_TEST_DOC_CMD, "ドキュメント命令"},   // declined by the bar: the prompt's tip
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszTip);
        char szText[80] = "";
        TTTOOLINFOA tool = {sizeof tool};
        tool.hwnd = bar.m_hWnd;
        tool.uId = c.nID;
        tool.lpszText = szText;
        ::SendMessageA(hTip, TTM_GETTEXTA, ARRAYSIZE(szText), reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(c.pszTip, std::string(szText));
    }

    // Taken away, the tips go and do not come back with the mouse.
    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_TOOLTIPS);
    EXPECT_FALSE(::IsWindow(hTip));
    MoveMouseOnto(bar, 0);
    EXPECT_EQ(0, bar.SendMessage(TB_GETTOOLTIPS));
    bar.DestroyWindow();
    Frame()->RecalcLayout();
}

namespace {

// A bar that shows its own prompt when the mouse moves over it.
class CPromptBar : public CToolBar
{
protected:
    afx_msg void OnMouseMove(UINT, CPoint)
    {
        GetDockingFrame()->SendMessage(WM_SETMESSAGESTRING, ID_TEST_FRAME_CMD);
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPromptBar, CToolBar)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

}  // namespace

TEST_F(DocViewTest, FlyByPromptsComeBeforeABarsOwnMouseHandling)
{
    NewDocument();
    CToolBar& plain = Frame()->m_wndToolBar;   // fly-by
    CPromptBar prompting;
    CToolBar quiet;
    ASSERT_TRUE(prompting.Create(Frame(), WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_FLYBY, AFX_IDW_TOOLBAR + 5));
    ASSERT_TRUE(prompting.LoadToolBar(IDR_DOCTEST));
    ASSERT_TRUE(quiet.Create(Frame(), WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 6));
    ASSERT_TRUE(quiet.LoadToolBar(IDR_DOCTEST));
    CStatusBar& status = Frame()->m_wndStatusBar;
    const struct {
        CToolBar* pBar;
        const char* pszPane;
    } cases[] = {
        {&plain, "ドキュメントの命令です"},
        {&prompting, "フレームの命令です"},   // the bar's own prompt comes last
        {&quiet, "前の文"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszPane);
        Frame()->SetMessageText("前の文");
        MoveMouseOnto(*c.pBar, 1);
        EXPECT_EQ(c.pszPane, std::string(PaneText(status, 0)));
    }

    // The prompt changes only when the mouse reaches another button.
    Frame()->SetMessageText("前の文");
    MoveMouseOnto(plain, 1, CSize(1, 1));
    EXPECT_EQ("前の文", std::string(PaneText(status, 0)));
    MoveMouseOnto(plain, 3);
    EXPECT_EQ("印のつく項目です", std::string(PaneText(status, 0)));
    MoveMouseOnto(plain, 2);   // a separator
    EXPECT_EQ("レディ", std::string(PaneText(status, 0)));
    // Leaving the bar brings the idle text back; coming back, the prompt.
    MoveMouseOnto(plain, 3);
    Pump(plain, WM_MOUSELEAVE);
    EXPECT_EQ("レディ", std::string(PaneText(status, 0)));
    MoveMouseOnto(plain, 3);
    EXPECT_EQ("印のつく項目です", std::string(PaneText(status, 0)));

    prompting.DestroyWindow();
    quiet.DestroyWindow();
    Frame()->RecalcLayout();
}
