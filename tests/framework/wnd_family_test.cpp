// A window's relations: the owner a modal window gets, the top-level
// parent, the parent frame, messages to all descendants, centring and
// redrawing.
#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"

namespace {

// Logs the messages it is sent to check the descendants.
class CFamilyWnd : public CWnd
{
public:
    std::string* m_pLog = nullptr;
    const char* m_pszName = "";

protected:
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM)
    {
        *m_pLog += std::string(m_pszName) + "=" + std::to_string(wParam) + ";";
        return 0;
    }
    afx_msg LRESULT OnSetRedraw(WPARAM wParam, LPARAM)
    {
        *m_pLog += "redraw " + std::to_string(wParam) + ";";
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

const UINT WM_PROBE = WM_APP + 7;

// Counts the probes a window without an object gets.
int g_nForeignProbes = 0;
WNDPROC g_pfnForeignProc = nullptr;

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PROBE)
        ++g_nForeignProbes;
    return ::CallWindowProcA(g_pfnForeignProc, hWnd, message, wParam, lParam);
}

BEGIN_MESSAGE_MAP(CFamilyWnd, CWnd)
    ON_MESSAGE(WM_PROBE, OnProbe)
    ON_MESSAGE(WM_SETREDRAW, OnSetRedraw)
END_MESSAGE_MAP()

class WndFamilyTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_top.CreateEx(0, nullptr, "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
            nullptr));
        Adopt(m_child, m_top, "child", CRect(10, 10, 210, 160), 1);
        Adopt(m_grandchild, m_child, "grandchild", CRect(0, 0, 50, 20), 2);
        m_hForeign = ::CreateWindowExA(0, "static", "", WS_CHILD, 0, 0, 10, 10, m_top.m_hWnd, nullptr, nullptr,
            nullptr);
    }

    void TearDown() override
    {
        m_top.DestroyWindow();
        AfxDeleteTempMaps();
    }

    void Adopt(CFamilyWnd& wnd, CWnd& parent, const char* pszName, const CRect& rect, UINT nID)
    {
        wnd.m_pLog = &m_log;
        wnd.m_pszName = pszName;
        ASSERT_TRUE(wnd.Create(nullptr, pszName, WS_VISIBLE, rect, &parent, nID));
    }

    std::string m_log;
    CWnd m_top;
    CFamilyWnd m_child;
    CFamilyWnd m_grandchild;
    HWND m_hForeign = nullptr;
};

TEST_F(WndFamilyTest, TopLevelParentIsTheLastWindowUp)
{
    EXPECT_EQ(&m_top, m_grandchild.GetTopLevelParent());
    EXPECT_EQ(&m_top, m_top.GetTopLevelParent());
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, 0, 0, 50, 50, m_child.m_hWnd, nullptr));
    EXPECT_EQ(&m_top, popup.GetTopLevelParent());   // through its owner
    popup.DestroyWindow();
}

TEST(WndParentFrameTest, ParentFrameIsTheFirstFrameUpPassingOtherWindows)
{
    // outer frame > inner frame (a child) > window without an object > leaf;
    // a popup owned by the outer frame holds a child of its own.
    CFrameWnd* pOuter = new CFrameWnd;
    ASSERT_TRUE(pOuter->Create(nullptr, "outer", WS_OVERLAPPEDWINDOW));
    CFrameWnd* pInner = new CFrameWnd;
    ASSERT_TRUE(pInner->Create(nullptr, "inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), pOuter));
    const HWND hForeign = ::CreateWindowExA(0, "static", "", WS_CHILD, 0, 0, 100, 100, pInner->m_hWnd, nullptr,
        nullptr, nullptr);
    CWnd leaf;
    ASSERT_TRUE(leaf.Create(nullptr, "leaf", WS_VISIBLE, CRect(0, 0, 10, 10), CWnd::FromHandle(hForeign), 1));
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, 0, 0, 50, 50, pOuter->m_hWnd, nullptr));
    CWnd inPopup;
    ASSERT_TRUE(inPopup.Create(nullptr, "in popup", WS_VISIBLE, CRect(0, 0, 10, 10), &popup, 2));
    const struct
    {
        const char* pszWindow;
        const CWnd* pWnd;
        const CFrameWnd* pFrame;
    } cases[] = {
        {"leaf", &leaf, pInner},
        {"foreign", CWnd::FromHandle(hForeign), pInner},
        {"inner frame", pInner, pOuter},
        {"outer frame", pOuter, nullptr},
        {"popup", &popup, pOuter},
        {"child of the popup", &inPopup, pOuter},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pFrame, c.pWnd->GetParentFrame()) << c.pszWindow;
    pOuter->DestroyWindow();
    AfxDeleteTempMaps();
}

TEST_F(WndFamilyTest, SafeOwnerIsTheParentsFirstNonChildWindow)
{
    EXPECT_EQ(&m_top, CWnd::GetSafeOwner(&m_grandchild));

    // Without a parent: the main window's last active popup.
    CWinApp app("家族");
    app.m_pMainWnd = &m_top;
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, m_top.m_hWnd, nullptr));
    ::SetActiveWindow(popup.m_hWnd);
    HWND hWndTop = nullptr;
    EXPECT_EQ(&popup, CWnd::GetSafeOwner(nullptr, &hWndTop));
    // The top-level window above the owner is disabled for the caller.
    EXPECT_EQ(m_top.m_hWnd, hWndTop);
    EXPECT_FALSE(m_top.IsWindowEnabled());
    m_top.EnableWindow(TRUE);
    // With the top-level window as the owner there is nothing else to disable.
    EXPECT_EQ(&m_top, CWnd::GetSafeOwner(&m_child, &hWndTop));
    EXPECT_EQ(nullptr, hWndTop);
    EXPECT_TRUE(m_top.IsWindowEnabled());
    popup.DestroyWindow();
    app.m_pMainWnd = nullptr;
}

TEST_F(WndFamilyTest, MessagesReachTheDescendantsAsAsked)
{
    m_top.SendMessageToDescendants(WM_PROBE, 1);
    m_top.SendMessageToDescendants(WM_PROBE, 2, 0, FALSE);
    EXPECT_EQ("child=1;grandchild=1;child=2;", m_log);

    // Only to attached windows: the foreign child sees nothing.
    g_nForeignProbes = 0;
    g_pfnForeignProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(m_hForeign, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    m_top.SendMessageToDescendants(WM_PROBE, 3, 0, TRUE, TRUE);
    EXPECT_EQ(0, g_nForeignProbes);
    m_top.SendMessageToDescendants(WM_PROBE, 4);
    EXPECT_EQ(1, g_nForeignProbes);
    EXPECT_EQ("child=1;grandchild=1;child=2;child=3;grandchild=3;child=4;grandchild=4;", m_log);
}

TEST_F(WndFamilyTest, DescendantsAreFoundByIdChildrenFirst)
{
    // Foreign windows: id 1 again under the grandchild, id 5 under the child.
    const HWND hDeepOne = ::CreateWindowExA(0, "static", "", WS_CHILD, 0, 0, 5, 5, m_grandchild.m_hWnd,
        reinterpret_cast<HMENU>(1), nullptr, nullptr);
    const HWND hFive = ::CreateWindowExA(0, "static", "", WS_CHILD, 0, 0, 5, 5, m_child.m_hWnd,
        reinterpret_cast<HMENU>(5), nullptr, nullptr);
    const struct {
        CWnd* pFrom;
        int nID;
        BOOL bOnlyPerm;
        HWND hExpected;
    } cases[] = {
        {&m_top, 1, FALSE, m_child.m_hWnd},   // the child before the deeper id 1
        {&m_top, 2, TRUE, m_grandchild.m_hWnd},
        {&m_child, 1, FALSE, hDeepOne},
        {&m_top, 5, FALSE, hFive},
        {&m_top, 5, TRUE, nullptr},   // not attached to an object
        {&m_top, 99, FALSE, nullptr},
        {&m_grandchild, 2, FALSE, nullptr},   // not its own descendant
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nID);
        CWnd* pFound = c.pFrom->GetDescendantWindow(c.nID, c.bOnlyPerm);
        EXPECT_EQ(c.hExpected, pFound != nullptr ? pFound->m_hWnd : nullptr);
    }
}

TEST_F(WndFamilyTest, CenteringPlacesTheWindowOverItsParentOrOwner)
{
    CFamilyWnd small;
    Adopt(small, m_top, "small", CRect(0, 0, 40, 20), 3);
    small.CenterWindow();
    CRect rcClient;
    m_top.GetClientRect(&rcClient);
    CRect rcSmall;
    small.GetWindowRect(&rcSmall);
    m_top.ScreenToClient(&rcSmall);
    EXPECT_EQ(CRect((rcClient.Width() - 40) / 2, (rcClient.Height() - 20) / 2, (rcClient.Width() - 40) / 2 + 40,
                  (rcClient.Height() - 20) / 2 + 20),
        rcSmall);

    small.CenterWindow(&m_child);   // over another window of the same parent
    small.GetWindowRect(&rcSmall);
    CRect rcChild;
    m_child.GetWindowRect(&rcChild);
    EXPECT_EQ(rcChild.CenterPoint(), rcSmall.CenterPoint());

    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, 0, 0, 60, 40, m_top.m_hWnd, nullptr));
    popup.CenterWindow();
    CRect rcPopup;
    popup.GetWindowRect(&rcPopup);
    CRect rcTop;
    m_top.GetWindowRect(&rcTop);
    EXPECT_EQ(CPoint(rcTop.left + (rcTop.Width() - 60) / 2, rcTop.top + (rcTop.Height() - 40) / 2),
        rcPopup.TopLeft());
    popup.DestroyWindow();
}

TEST_F(WndFamilyTest, SetRedrawSendsTheFlag)
{
    m_child.SetRedraw(FALSE);
    m_child.SetRedraw();
    EXPECT_EQ("redraw 0;redraw 1;", m_log);
}

}  // namespace
