// Message maps: window messages with their parameters, private and
// registered messages, base class maps, Default(), commands and their user
// interface updates, and exceptions leaving a handler.
#include <gtest/gtest.h>

#include <stdarg.h>
#include <stdio.h>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "afxwin.h"
#include "msgbox_recorder.h"

namespace {

const UINT WM_FIRST_PRIVATE = 0x591;
const UINT WM_THROWING = 0x593;
const UINT WM_LAST_PRIVATE = 0x5A3;
const UINT g_nRegistered = ::RegisterWindowMessageA("FormsSuite.WndMsgMapTest");

// Writes each handler call with its parameters into a log.
class CLoggingWnd : public CWnd
{
public:
    std::string m_log;

    void Log(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)))
    {
        char szLine[256];
        va_list args;
        va_start(args, pszFormat);
        vsnprintf(szLine, sizeof szLine, pszFormat, args);
        va_end(args);
        if (!m_log.empty())
            m_log += "; ";
        m_log += szLine;
    }

    // How a handler sees a window parameter.
    const char* Describe(const CWnd* pWnd) const
    {
        if (pWnd == nullptr)
            return "null";
        return pWnd == this ? "self" : "other";
    }

protected:
    afx_msg LRESULT OnLastPrivate(WPARAM wParam, LPARAM lParam)
    {
        Log("base last-private %d %d", static_cast<int>(wParam), static_cast<int>(lParam));
        return 22;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingWnd, CWnd)
    ON_MESSAGE(WM_LAST_PRIVATE, OnLastPrivate)
END_MESSAGE_MAP()

class CProbeWnd : public CLoggingWnd
{
public:
    HDC m_hExpectedDC = nullptr;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        Log("create %s", lpcs->lpszName);
        return CLoggingWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnFirstPrivate(WPARAM wParam, LPARAM lParam)
    {
        Log("first-private %d %d", static_cast<int>(wParam), static_cast<int>(lParam));
        return 11;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM)
    {
        Log("registered %d", static_cast<int>(wParam));
        return 33;
    }
    // wParam: 0 a framework exception, 1 an allocation failure, 2 another
    // C++ exception.
    afx_msg LRESULT OnThrowing(WPARAM wParam, LPARAM)
    {
        if (wParam == 1)
            throw std::bad_alloc();
        if (wParam == 2)
            throw std::runtime_error("handler failed");
        AfxThrowFileException(CFileException::fileNotFound, -1, "missing.dat");
    }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM lParam)
    {
        Log("settext %s", reinterpret_cast<LPCSTR>(lParam));
        return Default();
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Log("size %u %d %d", nType, cx, cy); }
    afx_msg void OnMove(int x, int y) { Log("move %d %d", x, y); }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { Log("setfocus %s", Describe(pOldWnd)); }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { Log("killfocus %s", Describe(pNewWnd)); }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { Log("lbuttondown %u %ld %ld", nFlags, point.x, point.y); }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point) { Log("lbuttonup %u %ld %ld", nFlags, point.x, point.y); }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point) { Log("lbuttondblclk %u %ld %ld", nFlags, point.x, point.y); }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point) { Log("rbuttondown %u %ld %ld", nFlags, point.x, point.y); }
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point) { Log("rbuttonup %u %ld %ld", nFlags, point.x, point.y); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { Log("mousemove %u %ld %ld", nFlags, point.x, point.y); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Log("keydown %u %u %u", nChar, nRepCnt, nFlags); }
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) { Log("keyup %u %u %u", nChar, nRepCnt, nFlags); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { Log("char %u %u %u", nChar, nRepCnt, nFlags); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        Log("erasebkgnd %s", pDC != nullptr && pDC->m_hDC == m_hExpectedDC ? "dc" : "wrong dc");
        return TRUE;
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        Log("ctlcolor %s %s %u", pDC != nullptr && pDC->m_hDC == m_hExpectedDC ? "dc" : "wrong dc", Describe(pWnd),
            nCtlColor);
        return static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Log("hscroll %u %d %s", nSBCode, static_cast<int>(nPos), pScrollBar == nullptr ? "null" : "bar");
    }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Log("vscroll %u %d %s", nSBCode, static_cast<int>(nPos), pScrollBar == nullptr ? "null" : "bar");
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        Log("setcursor %s %d %#x", Describe(pWnd), static_cast<int>(nHitTest), message);
        return TRUE;
    }
    afx_msg UINT OnGetDlgCode()
    {
        Log("getdlgcode");
        return DLGC_WANTCHARS;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { Log("showwindow %d %u", bShow, nStatus); }
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
    {
        Log("activate %u %s %d", nState, Describe(pWndOther), bMinimized);
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        Log("drawitem %d %u", nIDCtl, lpDrawItemStruct->itemID);
    }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
    {
        Log("measureitem %d %u", nIDCtl, lpMeasureItemStruct->itemID);
        lpMeasureItemStruct->itemHeight = 17;
    }
    afx_msg void OnPaint()
    {
        Log("paint");
        ValidateRect(nullptr);
    }
    afx_msg void OnClose()
    {
        Log("close");
        CLoggingWnd::OnClose();
    }
    afx_msg void OnDestroy() { Log("destroy"); }
    afx_msg void OnNcDestroy()
    {
        Log("ncdestroy");
        CLoggingWnd::OnNcDestroy();
    }
    void PostNcDestroy() override { Log("postncdestroy %s", m_hWnd == nullptr ? "detached" : "attached"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CLoggingWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_FIRST_PRIVATE, OnFirstPrivate)
    ON_MESSAGE(WM_THROWING, OnThrowing)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_REGISTERED_MESSAGE(g_nRegistered, OnRegistered)
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SETCURSOR()
    ON_WM_GETDLGCODE()
    ON_WM_SHOWWINDOW()
    ON_WM_ACTIVATE()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

class WndMsgMapTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
            nullptr, nullptr));
        m_hDC = ::CreateCompatibleDC(nullptr);
        m_wnd.m_hExpectedDC = m_hDC;
        m_hOther = ::CreateWindowExA(0, "static", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }

    void TearDown() override
    {
        m_wnd.DestroyWindow();
        ::DestroyWindow(m_hOther);
        ::DeleteDC(m_hDC);
        CWnd::DeleteTempMap();
        AfxDeleteTempGdiMaps();
    }

    CProbeWnd m_wnd;
    HDC m_hDC = nullptr;
    HWND m_hOther = nullptr;
};

TEST_F(WndMsgMapTest, CreationReachesTheMapBeforeCreateWindowReturns)
{
    EXPECT_EQ("create probe", m_wnd.m_log.substr(0, 12));
    EXPECT_EQ(&m_wnd, CWnd::FromHandlePermanent(m_wnd.m_hWnd));
}

TEST_F(WndMsgMapTest, HandlersGetTheMessageParametersInTheirOwnTypes)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = 5;
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = 6;
    const HWND hSelf = m_wnd.m_hWnd;
    const auto hdc = reinterpret_cast<WPARAM>(m_hDC);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* log;
        LRESULT result;
    } cases[] = {
        {WM_FIRST_PRIVATE, 1, -2, "first-private 1 -2", 11},
        {WM_LAST_PRIVATE, 3, 4, "base last-private 3 4", 22},   // from the base class's map
        {WM_FIRST_PRIVATE + 1, 0, 0, "", 0},                    // not mapped: DefWindowProc
        {g_nRegistered, 8, 0, "registered 8", 33},
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200), "size 2 300 200", 0},
        {WM_MOVE, 0, MAKELPARAM(-5, 7), "move -5 7", 0},
        {WM_SETFOCUS, 0, 0, "setfocus null", 0},
        {WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_hOther), 0, "killfocus other", 0},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 4), "lbuttondown 1 -3 4", 0},
        {WM_LBUTTONUP, 0, MAKELPARAM(5, 6), "lbuttonup 0 5 6", 0},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(7, 8), "lbuttondblclk 1 7 8", 0},
        {WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(9, 10), "rbuttondown 6 9 10", 0},
        {WM_RBUTTONUP, MK_CONTROL, MAKELPARAM(11, 12), "rbuttonup 8 11 12", 0},
        {WM_MOUSEMOVE, 0, MAKELPARAM(13, -14), "mousemove 0 13 -14", 0},
        {WM_KEYDOWN, 'A', MAKELPARAM(3, 0x1E), "keydown 65 3 30", 0},
        {WM_KEYUP, VK_F5, MAKELPARAM(1, 0xC03F), "keyup 116 1 49215", 0},
        {WM_CHAR, 'x', MAKELPARAM(2, 0x2D), "char 120 2 45", 0},
        {WM_ERASEBKGND, hdc, 0, "erasebkgnd dc", TRUE},
        {WM_CTLCOLORSTATIC, hdc, reinterpret_cast<LPARAM>(m_hOther), "ctlcolor dc other 6",
         reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH))},
        {WM_CTLCOLOREDIT, hdc, reinterpret_cast<LPARAM>(hSelf), "ctlcolor dc self 1",
         reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH))},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), 0, "hscroll 4 40 null", 0},
        {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0xFFFE), 0, "vscroll 5 -2 null", 0},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(hSelf), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
         "setcursor self 1 0x200", TRUE},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(hSelf), MAKELPARAM(HTERROR, WM_LBUTTONDOWN),
         "setcursor self -2 0x201", TRUE},   // hit-test codes are signed
        {WM_GETDLGCODE, 0, 0, "getdlgcode", DLGC_WANTCHARS},
        {WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, "showwindow 1 3", 0},
        {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), reinterpret_cast<LPARAM>(m_hOther), "activate 2 other 1", 0},
        {WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis), "drawitem 0 5", TRUE},
        {WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis), "measureitem 0 6", TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.log);
        m_wnd.m_log.clear();
        EXPECT_EQ(c.result, ::SendMessageA(hSelf, c.message, c.wParam, c.lParam));
        EXPECT_EQ(c.log, m_wnd.m_log);
    }
    EXPECT_EQ(17u, mis.itemHeight);
}

TEST_F(WndMsgMapTest, DefaultPassesTheMessageBeingHandledToTheWindowClass)
{
    m_wnd.m_log.clear();
    m_wnd.SetWindowText("見出し");
    EXPECT_EQ("settext 見出し", m_wnd.m_log);
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_STREQ("見出し", text);
}

TEST_F(WndMsgMapTest, PaintComesThroughTheMapWhenTheWindowIsUpdated)
{
    m_wnd.ShowWindow(SW_SHOWNA);
    m_wnd.m_log.clear();
    m_wnd.Invalidate(FALSE);
    m_wnd.UpdateWindow();
    EXPECT_EQ("paint", m_wnd.m_log);
}

TEST_F(WndMsgMapTest, CloseDestroysAndDetachesTheWindow)
{
    const HWND hWnd = m_wnd.m_hWnd;
    m_wnd.m_log.clear();
    m_wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ("close; destroy; ncdestroy; postncdestroy detached", m_wnd.m_log);
    EXPECT_EQ(nullptr, m_wnd.m_hWnd);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(WndMsgMapTest, ExceptionFromAHandlerIsReportedAndTheMessageAnsweredZero)
{
    const struct {
        WPARAM wKind;
        const char* pszReported;
    } cases[] = {
        {0, "missing.dat"},
        {1, "メモリが不足しています。"},   // std::bad_alloc as CMemoryException
        {2, "エラーが発生しました。"},     // never through the system's code
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszReported);
        MessageBoxRecorder recorder;
        EXPECT_EQ(0, m_wnd.SendMessage(WM_THROWING, c.wKind));
        ASSERT_EQ(1u, recorder.shown().size());
        EXPECT_NE(std::string::npos, recorder.shown()[0].text.find(c.pszReported));
        // The window goes on working.
        EXPECT_EQ(11, m_wnd.SendMessage(WM_FIRST_PRIVATE));
    }
}

// Commands: menu and accelerator commands, id ranges, and the update of
// child controls through ON_UPDATE_COMMAND_UI.
enum : UINT {
    ID_OPEN = 1001,
    ID_PAGE_FIRST = 1010,
    ID_PAGE_LAST = 1012,
    ID_UPDATED = 1020,
    ID_CHECKED = 1021,
    ID_ROUTED = 1022,
    ID_NO_HANDLER = 1023,
    ID_AUTO_CHECK = 1024,
};

class CCommandWnd : public CLoggingWnd
{
protected:
    afx_msg void OnOpen() { Log("open"); }
    afx_msg void OnPage(UINT nID) { Log("page %u", nID - ID_PAGE_FIRST); }
    afx_msg void OnUpdateUpdated(CCmdUI* pCmdUI)
    {
        Log("update %u", pCmdUI->m_nID);
        pCmdUI->Enable(FALSE);
        pCmdUI->SetText("更新済み");
    }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateRouted(CCmdUI* pCmdUI)
    {
        Log("routed on");
        pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CLoggingWnd)
    ON_COMMAND(ID_OPEN, OnOpen)
    ON_COMMAND_RANGE(ID_PAGE_FIRST, ID_PAGE_LAST, OnPage)
    ON_UPDATE_COMMAND_UI(ID_UPDATED, OnUpdateUpdated)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_ROUTED, OnUpdateRouted)
END_MESSAGE_MAP()

class WndCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "commands", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    }

    void TearDown() override
    {
        m_wnd.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    HWND AddButton(UINT nID, DWORD dwStyle)
    {
        return ::CreateWindowExA(0, "button", "ボタン", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 80, 20, m_wnd.m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
    }

    CCommandWnd m_wnd;
};

TEST_F(WndCommandTest, MenuAndAcceleratorCommandsReachTheirHandlers)
{
    const struct {
        WPARAM wParam;
        const char* log;
    } cases[] = {
        {MAKEWPARAM(ID_OPEN, 0), "open"},                  // menu
        {MAKEWPARAM(ID_OPEN, 1), "open"},                  // accelerator
        {MAKEWPARAM(ID_PAGE_FIRST, 0), "page 0"},
        {MAKEWPARAM(ID_PAGE_LAST, 0), "page 2"},
        {MAKEWPARAM(ID_PAGE_LAST + 1, 0), ""},
        {MAKEWPARAM(ID_UPDATED, 0), ""},                   // only an update handler
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.log);
        m_wnd.m_log.clear();
        m_wnd.SendMessage(WM_COMMAND, c.wParam, 0);
        EXPECT_EQ(c.log, m_wnd.m_log);
    }
}

TEST_F(WndCommandTest, HandlerInfoTellsOfAHandlerWithoutCallingIt)
{
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    EXPECT_TRUE(m_wnd.OnCmdMsg(ID_PAGE_FIRST + 1, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(&m_wnd, info.pTarget);
    EXPECT_NE(nullptr, info.pmf);
    EXPECT_EQ("", m_wnd.m_log);
    EXPECT_FALSE(m_wnd.OnCmdMsg(ID_NO_HANDLER, CN_COMMAND, nullptr, &info));
}

TEST_F(WndCommandTest, UpdateDialogControlsRunsTheUpdateHandlersOfTheChildren)
{
    const HWND hUpdated = AddButton(ID_UPDATED, BS_PUSHBUTTON);
    const HWND hChecked = AddButton(ID_CHECKED, BS_CHECKBOX);
    const HWND hRouted = AddButton(ID_ROUTED, BS_PUSHBUTTON);
    const HWND hCommand = AddButton(ID_OPEN, BS_PUSHBUTTON);
    const HWND hNoHandler = AddButton(ID_NO_HANDLER, BS_PUSHBUTTON);
    const HWND hAutoCheck = AddButton(ID_AUTO_CHECK, BS_AUTOCHECKBOX);

    m_wnd.UpdateDialogControls(&m_wnd, TRUE);

    EXPECT_NE(std::string::npos, m_wnd.m_log.find("update 1020"));
    EXPECT_FALSE(::IsWindowEnabled(hUpdated));
    char szText[32];
    ::GetWindowTextA(hUpdated, szText, sizeof szText);
    EXPECT_STREQ("更新済み", szText);
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(hChecked, BM_GETCHECK, 0, 0));
    // Routed on without changing the state: enabled only with a command handler.
    EXPECT_NE(std::string::npos, m_wnd.m_log.find("routed on"));
    EXPECT_FALSE(::IsWindowEnabled(hRouted));
    EXPECT_TRUE(::IsWindowEnabled(hCommand));
    EXPECT_FALSE(::IsWindowEnabled(hNoHandler));
    EXPECT_TRUE(::IsWindowEnabled(hAutoCheck));
}

TEST_F(WndCommandTest, UpdateDialogControlsGreysOnlyButtonsWithoutHandlers)
{
    const struct {
        const char* pszClass;
        DWORD dwStyle;
        bool bGreyed;
    } cases[] = {
        {"button", BS_PUSHBUTTON, true},
        {"button", BS_DEFPUSHBUTTON, true},
        {"button", BS_OWNERDRAW, true},
        {"button", BS_CHECKBOX, true},
        {"button", BS_3STATE, true},
        {"button", BS_RADIOBUTTON, true},
        {"button", BS_AUTOCHECKBOX, false},
        {"button", BS_AUTO3STATE, false},
        {"button", BS_AUTORADIOBUTTON, false},
        {"button", BS_GROUPBOX, false},
        {"static", SS_CENTER, false},
        {"edit", ES_AUTOHSCROLL, false},
        {"combobox", CBS_DROPDOWNLIST, false},
        {"listbox", LBS_NOTIFY, false},
        {"scrollbar", SBS_HORZ, false},
    };
    std::vector<HWND> controls;
    UINT nID = ID_NO_HANDLER + 100;
    for (const auto& c : cases) {
        controls.push_back(::CreateWindowExA(0, c.pszClass, "", WS_CHILD | WS_VISIBLE | c.dwStyle, 0, 0, 80, 20,
            m_wnd.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID++)), nullptr, nullptr));
        ASSERT_NE(nullptr, controls.back());
    }
    m_wnd.UpdateDialogControls(&m_wnd, TRUE);
    for (size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(testing::Message() << cases[i].pszClass << " style " << cases[i].dwStyle);
        EXPECT_EQ(cases[i].bGreyed, !::IsWindowEnabled(controls[i]));
    }
}

TEST_F(WndCommandTest, UpdateDialogControlsLeavesControlsWithoutHandlersWhenAsked)
{
    const HWND hNoHandler = AddButton(ID_NO_HANDLER, BS_PUSHBUTTON);
    m_wnd.UpdateDialogControls(&m_wnd, FALSE);
    EXPECT_TRUE(::IsWindowEnabled(hNoHandler));
}

}  // namespace
