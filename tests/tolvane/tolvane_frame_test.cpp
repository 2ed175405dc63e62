// The main frame: its bars, menus and status panes, the commands it keeps
// (layout mode, alignment, grid) and the prompts of layout mode.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "../mirtbase/png_file.h"
#include "canvas.h"
#include "resource.h"
#include "tolvane_fixture.h"

namespace {

struct Probe : CCmdUI
{
    BOOL bEnabled = TRUE;
    int nCheck = 0;
    void Enable(BOOL bOn) override
    {
        bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nValue) override { nCheck = nValue; }
    void SetText(LPCSTR) override {}
};

class FrameTest : public TolvaneTest
{
protected:
    Probe Update(UINT nID)
    {
        Probe probe;
        probe.m_nID = nID;
        probe.DoUpdate(Frame(), TRUE);
        return probe;
    }

    // The command sent to the frame; the message it posted to the view
    // (taken off the queue), or WM_NULL.
    MSG PostedToView(UINT nID, UINT nFirst, UINT nLast)
    {
        Frame()->SendMessage(WM_COMMAND, nID);
        MSG msg = {};
        if (!::PeekMessageA(&msg, View()->m_hWnd, nFirst, nLast, PM_REMOVE))
            msg.message = WM_NULL;
        return msg;
    }

    CString MenuPrompt(UINT nID)
    {
        Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(nID, MF_STRING),
            reinterpret_cast<LPARAM>(::GetMenu(Frame()->m_hWnd)));
        return Frame()->m_wndStatusBar.GetPaneText(0);
    }
};

TEST_F(FrameTest, BarsAndPanesInTheirOrder)
{
    StartOn(9001);
    CMainFrame* pFrame = Frame();
    EXPECT_EQ(&pFrame->m_wndToolBar, pFrame->GetControlBar(AFX_IDW_TOOLBAR));
    EXPECT_EQ(&pFrame->m_wndPageBar, pFrame->GetControlBar(ID_VIEW_PAGEBAR));
    EXPECT_EQ(&pFrame->m_wndStatusBar, pFrame->GetControlBar(AFX_IDW_STATUS_BAR));
    EXPECT_TRUE(pFrame->m_wndToolBar.GetBarStyle() & CBRS_ALIGN_TOP);
    EXPECT_TRUE(pFrame->m_wndPageBar.GetBarStyle() & CBRS_ALIGN_BOTTOM);
    EXPECT_TRUE(pFrame->m_wndToolBar.GetBarStyle() & CBRS_TOOLTIPS);

    const UINT pageButtons[] = {ID_FIRST_PAGE, ID_PREV_PAGE, ID_NEXT_PAGE, ID_LAST_PAGE, ID_GOTO_PAGE, 0, ID_NEW_PAGE,
        ID_DUPLICATE_PAGE, 0, ID_DELETE_PAGE};
    ASSERT_EQ(10, pFrame->m_wndPageBar.GetCount());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(pageButtons[i], pFrame->m_wndPageBar.GetItemID(i)) << i;
    EXPECT_EQ(17, pFrame->m_wndToolBar.GetCount());

    const UINT panes[] = {ID_SEPARATOR, ID_INDICATOR_FIELDNAME, ID_INDICATOR_PAGE, ID_INDICATOR_KANA,
        ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    ASSERT_EQ(7, pFrame->m_wndStatusBar.GetCount());
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(panes[i], pFrame->m_wndStatusBar.GetItemID(i)) << i;
    EXPECT_STREQ("レディ", pFrame->m_wndStatusBar.GetPaneText(0));

    // The bar commands hide and show their bars and check their items.
    for (int nTurn = 0; nTurn < 2; ++nTurn) {
        const BOOL bShown = nTurn == 1;
        Command(ID_VIEW_PAGEBAR);
        EXPECT_EQ(bShown, pFrame->m_wndPageBar.IsVisible());
        EXPECT_EQ(bShown ? 1 : 0, Update(ID_VIEW_PAGEBAR).nCheck);
    }
}

TEST_F(FrameTest, LayoutModeSwitchesBackAndForthAndTellsTheView)
{
    StartOn(9001);
    EXPECT_TRUE(Update(ID_LAYOUT_MODE).bEnabled);
    EXPECT_EQ(0, Update(ID_LAYOUT_MODE).nCheck);
    for (int nExpected : {0, 1}) {
        const MSG msg = PostedToView(ID_LAYOUT_MODE, MsgLayoutModeSwitch, MsgLayoutModeSwitch);
        EXPECT_EQ(static_cast<UINT>(MsgLayoutModeSwitch), msg.message);
        EXPECT_EQ(static_cast<WPARAM>(nExpected), msg.wParam);
        EXPECT_EQ(nExpected, Frame()->m_bEntryMode);
        EXPECT_EQ(nExpected == 0 ? 1 : 0, Update(ID_LAYOUT_MODE).nCheck);
    }
    View()->m_bDataLink = 1;
    EXPECT_FALSE(Update(ID_LAYOUT_MODE).bEnabled);
    View()->m_bDataLink = 0;
}

TEST_F(FrameTest, AlignmentGoesToTheFieldInEntryModeAndToThePickedSpacesInLayoutMode)
{
    StartOn(9001);
    struct Case
    {
        int bEntryMode;
        UINT nID;
        UINT nMessage;
        WPARAM wParam;
    };
    for (const Case& c : {Case{1, ID_ALIGN_RIGHT, MsgApplyAttributes, 0}, Case{0, ID_ALIGN_CENTER, MsgApplyToSpaces, 8},
             Case{1, ID_ALIGN_DISTRIBUTED, MsgApplyAttributes, 0}}) {
        Frame()->m_bEntryMode = c.bEntryMode;
        const MSG msg = PostedToView(c.nID, MsgApplyAttributes, MsgApplyToSpaces);
        EXPECT_EQ(c.nMessage, msg.message) << c.nID;
        EXPECT_EQ(c.wParam, msg.wParam) << c.nID;
        EXPECT_EQ(static_cast<int>(c.nID) - ID_ALIGN_LEFT + 1, Frame()->m_nAlign);
    }
    Frame()->m_bEntryMode = 1;
}

TEST_F(FrameTest, GridCommandsSetTheModeAndCheckTheirOwnItem)
{
    StartOn(9001);
    EXPECT_EQ(1, Frame()->m_nGridMode);
    for (int bEntryMode : {1, 0}) {
        Frame()->m_bEntryMode = bEntryMode;
        for (UINT nID : {ID_GRID_SNAP, ID_GRID_NONE, ID_GRID_SHOW}) {
            Command(nID);
            EXPECT_EQ(static_cast<int>(nID - ID_GRID_NONE), Frame()->m_nGridMode);
            for (UINT nOther = ID_GRID_NONE; nOther <= ID_GRID_SNAP; ++nOther)
                EXPECT_EQ(nOther == nID ? 1 : 0, Update(nOther).nCheck) << nOther;
        }
    }
    Frame()->m_bEntryMode = 1;
}

TEST_F(FrameTest, LayoutModeReplacesThePromptsOfTheEditCommandsAndOfItsOwnSwitch)
{
    StartOn(9001);
    struct Case
    {
        int bEntryMode;
        UINT nID;
        const char* pszPrompt;
    };
    const Case cases[] = {
        {1, ID_EDIT_COPY, "データをコピーします"},
        {0, ID_EDIT_COPY, "入力スペースをコピーします"},
        {0, ID_EDIT_CUT, "入力スペースを切取ります"},
        {0, ID_EDIT_PASTE, "入力スペースを貼付けます"},
        {0, ID_EDIT_CLEAR, "入力スペースを削除します"},
        {0, ID_LAYOUT_MODE, "レイアウトモードを解除し、通常モードへ戻します"},
        {1, ID_LAYOUT_MODE, "レイアウトモードに切替えます"},
        {0, ID_ZOOM_IN, "フォームを拡大して表示します"},
    };
    for (const Case& c : cases) {
        Frame()->m_bEntryMode = c.bEntryMode;
        EXPECT_STREQ(c.pszPrompt, MenuPrompt(c.nID)) << c.nID << " entry " << c.bEntryMode;
    }
    Frame()->m_bEntryMode = 1;
}

TEST_F(FrameTest, TopLevelMenusOfTheFrame)
{
    StartOn(9001);
    CMenu* pMenu = Frame()->GetMenu();
    ASSERT_NE(nullptr, pMenu);
    const char* titles[] = {"ファイル(&F)", "編集(&E)", "表示(&V)", "ページ(&P)", "書式(&O)", "レイアウト(&L)",
        "ツール(&T)", "ヘルプ(&H)"};
    ASSERT_EQ(8u, pMenu->GetMenuItemCount());
    for (UINT i = 0; i < 8; ++i) {
        CString strTitle;
        pMenu->GetMenuString(i, strTitle, MF_BYPOSITION);
        EXPECT_STREQ(titles[i], strTitle) << i;
    }
}

// The frame with its bars on the form as the display shows it, saved as a
// PNG in the test's folder under the build tree; on the null display driver
// there is nothing to see (the test "tolvane_frame_screen" runs it on Xvfb).
TEST_F(FrameTest, FrameOnTheScreenWithBars)
{
    StartOn(9002);
    CMainFrame* pFrame = Frame();
    pFrame->MoveWindow(0, 0, 900, 700);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    m_app.PumpPending();
    ::RedrawWindow(pFrame->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    m_app.PumpPending();
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    MemoryCanvas canvas(900, 700, face);
    HDC hWindowDC = ::GetWindowDC(pFrame->m_hWnd);
    ::BitBlt(canvas.dc(), 0, 0, 900, 700, hWindowDC, 0, 0, SRCCOPY);
    ::ReleaseDC(pFrame->m_hWnd, hWindowDC);
    if (!HasPixels(canvas))
        GTEST_SKIP() << "the display driver keeps no pixels";
    const std::string path = Root() + "\\tolvane-frame.png";
    EXPECT_TRUE(SavePng(canvas, path)) << path;

    // The bars' buttons and the status texts stand out of the bars' face.
    CRect frameRect;
    pFrame->GetWindowRect(&frameRect);
    for (CControlBar* pBar : {static_cast<CControlBar*>(&pFrame->m_wndToolBar),
             static_cast<CControlBar*>(&pFrame->m_wndPageBar), static_cast<CControlBar*>(&pFrame->m_wndStatusBar)}) {
        CRect rect;
        pBar->GetWindowRect(&rect);
        rect.OffsetRect(-frameRect.left, -frameRect.top);
        EXPECT_GT(canvas.countInked(rect), 100) << pBar->GetDlgCtrlID();
    }
    // The menu bar's titles lie between the caption and the main bar.
    CRect toolRect;
    pFrame->m_wndToolBar.GetWindowRect(&toolRect);
    const int nMenuBottom = toolRect.top - frameRect.top;
    const int nMenuHeight = ::GetSystemMetrics(SM_CYMENU);
    EXPECT_GT(canvas.countInked(CRect(0, nMenuBottom - nMenuHeight, 400, nMenuBottom)), 100);
}

}  // namespace
