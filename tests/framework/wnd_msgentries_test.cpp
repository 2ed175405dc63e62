// Message map entries of timers, the mouse wheel, context menus, system
// commands, hit testing and menus about to open; ON_COMMAND_EX and the range
// entries; the timer and caret operations.
#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"

namespace {

std::string Text(CPoint point)
{
    return std::to_string(point.x) + " " + std::to_string(point.y);
}

class CEntriesWnd : public CWnd
{
public:
    std::string m_log;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent) { m_log += "timer " + std::to_string(nIDEvent) + ";"; }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_log += "wheel " + std::to_string(nFlags) + " " + std::to_string(zDelta) + " " + Text(pt) + ";";
        return TRUE;
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        m_log += std::string("context ") + (pWnd == this ? "self " : "other ") + Text(pos) + ";";
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        m_log += "syscommand " + std::to_string(nID) + " " + std::to_string(lParam) + ";";
    }
    afx_msg LRESULT OnNcHitTest(CPoint point)
    {
        m_log += "hittest " + Text(point) + ";";
        return HTCAPTION;
    }
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    {
        m_log += "initmenupopup " + std::to_string(pPopupMenu->GetMenuItemCount()) + " " + std::to_string(nIndex) +
                 " " + std::to_string(bSysMenu) + ";";
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEntriesWnd, CWnd)
    ON_WM_TIMER()
    ON_WM_MOUSEWHEEL()
    ON_WM_CONTEXTMENU()
    ON_WM_SYSCOMMAND()
    ON_WM_NCHITTEST()
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

class WndEntriesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "entries", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        AfxDeleteTempMaps();
    }

    CEntriesWnd m_wnd;
};

TEST_F(WndEntriesTest, HandlersGetTheirParametersInTheirOwnTypes)
{
    m_wnd.SendMessage(WM_TIMER, 42);
    m_wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-240)), MAKELPARAM(-5, 300));
    m_wnd.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_wnd.m_hWnd), MAKELPARAM(0xFFFF, 0xFFFF));
    m_wnd.SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 'f');
    EXPECT_EQ(HTCAPTION, m_wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(-20, 15)));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "一");
    menu.AppendMenu(MF_STRING, 2, "二");
    m_wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), MAKELPARAM(3, TRUE));
    EXPECT_EQ("timer 42;wheel 8 -240 -5 300;context self -1 -1;syscommand 61696 102;hittest -20 15;"
              "initmenupopup 2 3 1;",
        m_wnd.m_log);
}

// A real timer: its WM_TIMER comes through the message loop.
TEST_F(WndEntriesTest, TimerFiresUntilKilled)
{
    ASSERT_EQ(7u, m_wnd.SetTimer(7, 1));
    const DWORD dwStart = ::GetTickCount();
    while (m_wnd.m_log.empty() && ::GetTickCount() - dwStart < 10000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, m_wnd.m_hWnd, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    EXPECT_TRUE(m_wnd.KillTimer(7));
    EXPECT_EQ("timer 7;", m_wnd.m_log.substr(0, 8));
    EXPECT_FALSE(m_wnd.KillTimer(7));
}

TEST_F(WndEntriesTest, CaretOfTheWindow)
{
    m_wnd.CreateSolidCaret(2, 12);
    CWnd::SetCaretPos(CPoint(30, 4));
    EXPECT_EQ(CPoint(30, 4), CWnd::GetCaretPos());
    m_wnd.ShowCaret();
    m_wnd.HideCaret();
    m_wnd.CreateGrayCaret(1, 10);
    CWnd::SetCaretPos(CPoint(5, 6));
    EXPECT_EQ(CPoint(5, 6), CWnd::GetCaretPos());
    EXPECT_TRUE(::DestroyCaret());
}

// Commands: ON_COMMAND_EX may decline and leave the command to the base
// class's entry; the range entries pass the id.
enum : UINT {
    ID_SHARED = 2001,
    ID_RANGE_FIRST = 2010,
    ID_RANGE_LAST = 2014,
    IDC_EDIT_FIRST = 2020,
    IDC_EDIT_LAST = 2022,
};

class CBaseCommands : public CCmdTarget
{
public:
    std::string m_log;

protected:
    afx_msg void OnShared() { m_log += "base shared;"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseCommands, CCmdTarget)
    ON_COMMAND(ID_SHARED, OnShared)
END_MESSAGE_MAP()

class CDerivedCommands : public CBaseCommands
{
public:
    BOOL m_bTakeShared = FALSE;

protected:
    afx_msg BOOL OnSharedEx(UINT nID)
    {
        m_log += "derived " + std::to_string(nID) + ";";
        return m_bTakeShared;
    }
    afx_msg BOOL OnRangeEx(UINT nID)
    {
        m_log += "range-ex " + std::to_string(nID) + ";";
        return TRUE;
    }
    afx_msg void OnEditChange(UINT nID) { m_log += "change " + std::to_string(nID) + ";"; }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI) { m_log += "update " + std::to_string(pCmdUI->m_nID) + ";"; }
    afx_msg void OnClickRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log += "click " + std::to_string(nID) + " " + std::to_string(pNMHDR->idFrom) + ";";
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedCommands, CBaseCommands)
    ON_COMMAND_EX(ID_SHARED, OnSharedEx)
    ON_COMMAND_EX_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRangeEx)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_EDIT_FIRST, IDC_EDIT_LAST, OnEditChange)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnUpdateRange)
    ON_NOTIFY_RANGE(NM_CLICK, IDC_EDIT_FIRST, IDC_EDIT_LAST, OnClickRange)
END_MESSAGE_MAP()

TEST(WndCommandEntriesTest, CommandExDeclinesToTheNextHandler)
{
    CDerivedCommands target;
    EXPECT_TRUE(target.OnCmdMsg(ID_SHARED, CN_COMMAND, nullptr, nullptr));
    target.m_bTakeShared = TRUE;
    EXPECT_TRUE(target.OnCmdMsg(ID_SHARED, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ("derived 2001;base shared;derived 2001;", target.m_log);
}

TEST(WndCommandEntriesTest, RangeEntriesPassTheId)
{
    CDerivedCommands target;
    EXPECT_TRUE(target.OnCmdMsg(ID_RANGE_LAST, CN_COMMAND, nullptr, nullptr));
    EXPECT_FALSE(target.OnCmdMsg(ID_RANGE_LAST + 1, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(IDC_EDIT_FIRST + 1, EN_CHANGE, nullptr, nullptr));
    CCmdUI cmdUI;
    cmdUI.m_nID = ID_RANGE_FIRST + 2;
    EXPECT_TRUE(target.OnCmdMsg(cmdUI.m_nID, CN_UPDATE_COMMAND_UI, &cmdUI, nullptr));
    NMHDR hdr = {nullptr, IDC_EDIT_LAST, static_cast<UINT>(NM_CLICK)};
    LRESULT lResult = 0;
    AFX_NOTIFY notify = {&lResult, &hdr};
    EXPECT_TRUE(target.OnCmdMsg(IDC_EDIT_LAST, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, nullptr));
    EXPECT_EQ(5, lResult);
    EXPECT_EQ("range-ex 2014;change 2021;update 2012;click 2022 2022;", target.m_log);
}

}  // namespace
