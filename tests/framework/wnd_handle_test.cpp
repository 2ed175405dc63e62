// Window objects and handles: creation on registered and system classes,
// permanent and temporary objects, subclassing foreign windows, and the
// end of a window's life.
#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"

namespace {

const UINT WM_OURS = 0x591;
const UINT WM_THEIRS = 0x592;

// Logs creation, answers WM_OURS and leaves the rest to the window's class.
class CCreationWnd : public CWnd
{
public:
    std::string m_log;
    int m_nCreateResult = 0;
    bool m_bPostNcDestroy = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        char szClass[32];
        ::GetClassNameA(m_hWnd, szClass, sizeof szClass);
        m_log += std::string("create ") + szClass + ";";
        return CWnd::OnCreate(lpcs) == -1 ? -1 : m_nCreateResult;
    }
    afx_msg LRESULT OnOurs(WPARAM, LPARAM) { return 1; }
    void PostNcDestroy() override { m_bPostNcDestroy = true; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreationWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_OURS, OnOurs)
END_MESSAGE_MAP()

// A window procedure of someone else's: answers both messages with its own
// values.
LRESULT CALLBACK ForeignProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_OURS || message == WM_THEIRS)
        return 100 + static_cast<LRESULT>(message - WM_OURS);
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND CreateForeignWindow(HWND hWndParent = nullptr, UINT nID = 0)
{
    static const ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &ForeignProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "FormsSuiteForeignWnd";
        return ::RegisterClassA(&wc);
    }();
    return ::CreateWindowExA(0, MAKEINTATOM(atom), "foreign", hWndParent != nullptr ? WS_CHILD : WS_POPUP, 0, 0,
        50, 20, hWndParent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
}

class WndHandleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    }

    void TearDown() override
    {
        m_parent.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    CWnd m_parent;
};

TEST_F(WndHandleTest, CreatedControlsOfSystemClassesGetTheirMessagesFromTheStart)
{
    const struct {
        const char* className;
        DWORD dwStyle;
        const char* classSeen;
    } cases[] = {
        {"button", BS_PUSHBUTTON, "Button"},
        {"combobox", CBS_DROPDOWN, "ComboBox"},
        {"static", SS_LEFT, "Static"},
        {"edit", ES_AUTOHSCROLL, "Edit"},
        {nullptr, 0, "Afx:"},   // the framework's own class
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.classSeen);
        CCreationWnd wnd;
        ASSERT_TRUE(wnd.Create(c.className, "初期値", WS_VISIBLE | c.dwStyle, CRect(0, 0, 120, 80), &m_parent, 300));
        EXPECT_EQ(0u, wnd.m_log.find(std::string("create ") + c.classSeen));
        EXPECT_EQ(&wnd, m_parent.GetDlgItem(300));
        EXPECT_EQ(&m_parent, wnd.GetParent());
        EXPECT_EQ(1, wnd.SendMessage(WM_OURS));

        wnd.SetWindowText("日本語のテキスト");
        CString text;
        wnd.GetWindowText(text);
        EXPECT_STREQ("日本語のテキスト", text);
        EXPECT_EQ(text.GetLength(), wnd.GetWindowTextLength());
    }   // the object destroys its window
    EXPECT_EQ(nullptr, ::GetDlgItem(m_parent.m_hWnd, 300));
}

TEST_F(WndHandleTest, CreationRefusedByOnCreateLeavesTheObjectDetached)
{
    CCreationWnd wnd;
    wnd.m_nCreateResult = -1;
    EXPECT_FALSE(wnd.Create("edit", "", 0, CRect(0, 0, 10, 10), &m_parent, 301));
    EXPECT_EQ("create Edit;", wnd.m_log);
    EXPECT_TRUE(wnd.m_bPostNcDestroy);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, ::GetDlgItem(m_parent.m_hWnd, 301));
}

TEST_F(WndHandleTest, FailedCreationBeforeAnyWindowCallsPostNcDestroy)
{
    CCreationWnd wnd;
    EXPECT_FALSE(wnd.Create("NoSuchWindowClass", "", 0, CRect(0, 0, 10, 10), &m_parent, 302));
    EXPECT_TRUE(wnd.m_bPostNcDestroy);
    EXPECT_EQ("", wnd.m_log);
    // The creation hook is gone: the next window does not attach to it.
    const HWND hForeign = CreateForeignWindow();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    ::DestroyWindow(hForeign);
}

TEST_F(WndHandleTest, CreatingAgainOnAnAttachedObjectFailsAndMakesNoWindow)
{
    CCreationWnd wnd;
    ASSERT_TRUE(wnd.Create("static", "first", 0, CRect(0, 0, 10, 10), &m_parent, 303));
    const HWND hFirst = wnd.m_hWnd;
    EXPECT_FALSE(wnd.Create("static", "second", 0, CRect(0, 0, 10, 10), &m_parent, 304));
    EXPECT_EQ(hFirst, wnd.m_hWnd);
    EXPECT_EQ(nullptr, ::GetDlgItem(m_parent.m_hWnd, 304));
    EXPECT_FALSE(wnd.m_bPostNcDestroy);

    // The creation hook itself does not make a window its object cannot take.
    AfxHookWindowCreate(&wnd);
    const HWND hOrphan = CreateForeignWindow(m_parent.m_hWnd, 305);
    EXPECT_FALSE(AfxUnhookWindowCreate());
    EXPECT_EQ(nullptr, hOrphan);
    EXPECT_EQ(nullptr, ::GetDlgItem(m_parent.m_hWnd, 305));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hFirst));
}

TEST_F(WndHandleTest, WindowWithoutObjectGetsATemporaryUntilTheTemporariesAreDeleted)
{
    const HWND hForeign = CreateForeignWindow();
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));

    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->GetSafeHwnd());
    EXPECT_EQ(RUNTIME_CLASS(CWnd), pTemp->GetRuntimeClass());
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    // Not subclassed: messages still go to the window's own procedure.
    EXPECT_EQ(100, pTemp->SendMessage(WM_OURS));

    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hForeign));   // deleting a temporary leaves the window

    CWnd attached;
    ASSERT_TRUE(attached.Attach(hForeign));
    EXPECT_EQ(&attached, CWnd::FromHandle(hForeign));
    EXPECT_EQ(&attached, CWnd::FromHandlePermanent(hForeign));
    EXPECT_FALSE(CWnd().Attach(hForeign));   // one object per window
    EXPECT_EQ(100, attached.SendMessage(WM_OURS));
    EXPECT_EQ(hForeign, attached.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    EXPECT_TRUE(::IsWindow(hForeign));
    ::DestroyWindow(hForeign);
}

TEST_F(WndHandleTest, NullObjectPointerHasNoWindow)
{
    const CWnd* pNone = CWnd::FromHandle(nullptr);
    EXPECT_EQ(nullptr, pNone->GetSafeHwnd());
}

TEST_F(WndHandleTest, SubclassedForeignWindowGivesItsOwnProcedureWhatTheMapLeaves)
{
    const HWND hForeign = CreateForeignWindow();
    const LONG_PTR foreignProc = ::GetWindowLongPtrA(hForeign, GWLP_WNDPROC);
    CCreationWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hForeign));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hForeign));
    EXPECT_NE(foreignProc, ::GetWindowLongPtrA(hForeign, GWLP_WNDPROC));
    EXPECT_EQ(1, ::SendMessageA(hForeign, WM_OURS, 0, 0));
    EXPECT_EQ(101, ::SendMessageA(hForeign, WM_THEIRS, 0, 0));
    EXPECT_FALSE(CCreationWnd().SubclassWindow(hForeign));

    EXPECT_EQ(hForeign, wnd.UnsubclassWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(foreignProc, ::GetWindowLongPtrA(hForeign, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    EXPECT_EQ(100, ::SendMessageA(hForeign, WM_OURS, 0, 0));
    EXPECT_TRUE(::IsWindow(hForeign));
    ::DestroyWindow(hForeign);
    EXPECT_FALSE(wnd.m_bPostNcDestroy);
}

TEST_F(WndHandleTest, SubclassedWindowDestroyedByItsOwnerDetachesItsObject)
{
    const HWND hForeign = CreateForeignWindow();
    CCreationWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hForeign));
    ::DestroyWindow(hForeign);
    EXPECT_TRUE(wnd.m_bPostNcDestroy);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
}

TEST_F(WndHandleTest, SubclassDlgItemTakesTheChildWithThatId)
{
    const HWND hChild = CreateForeignWindow(m_parent.m_hWnd, 310);
    CCreationWnd wnd;
    EXPECT_FALSE(wnd.SubclassDlgItem(311, &m_parent));
    ASSERT_TRUE(wnd.SubclassDlgItem(310, &m_parent));
    EXPECT_EQ(hChild, wnd.m_hWnd);
    EXPECT_EQ(&wnd, m_parent.GetDlgItem(310));
    EXPECT_EQ(1, ::SendMessageA(hChild, WM_OURS, 0, 0));
}   // wnd's destructor destroys the child

class CSelfDeletingWnd : public CWnd
{
public:
    explicit CSelfDeletingWnd(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
    ~CSelfDeletingWnd() override { *m_pbDeleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_pbDeleted;
};

TEST_F(WndHandleTest, WindowThatOwnsItsObjectDeletesItAtTheEnd)
{
    bool bDeleted = false;
    CWnd* pWnd = new CSelfDeletingWnd(&bDeleted);
    ASSERT_TRUE(pWnd->Create(nullptr, "self", WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 320));
    const HWND hWnd = pWnd->m_hWnd;
    EXPECT_TRUE(pWnd->DestroyWindow());
    EXPECT_TRUE(bDeleted);
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST_F(WndHandleTest, DeviceContextsAndFontsComeAsFrameworkObjects)
{
    CWnd edit;
    ASSERT_TRUE(edit.Create("edit", "", WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, 330));
    CDC* pDC = edit.GetDC();
    ASSERT_NE(nullptr, pDC);
    EXPECT_NE(nullptr, pDC->GetSafeHdc());
    EXPECT_EQ(1, edit.ReleaseDC(pDC));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "ＭＳ ゴシック"));
    edit.SetFont(&font, FALSE);
    ASSERT_NE(nullptr, edit.GetFont());
    EXPECT_EQ(font.m_hObject, edit.GetFont()->m_hObject);
    edit.DestroyWindow();
    AfxDeleteTempGdiMaps();
}

TEST_F(WndHandleTest, StyleChangesReportWhetherAnythingChanged)
{
    EXPECT_TRUE(m_parent.ModifyStyle(WS_MAXIMIZEBOX, WS_VSCROLL, SWP_FRAMECHANGED));
    EXPECT_EQ(0u, m_parent.GetStyle() & WS_MAXIMIZEBOX);
    EXPECT_NE(0u, m_parent.GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(m_parent.ModifyStyle(WS_MAXIMIZEBOX, WS_VSCROLL));
    EXPECT_TRUE(m_parent.ModifyStyleEx(0, WS_EX_TOOLWINDOW));
    EXPECT_NE(0u, m_parent.GetExStyle() & WS_EX_TOOLWINDOW);
}

TEST_F(WndHandleTest, ScrollBarStateRoundTrips)
{
    m_parent.ModifyStyle(0, WS_VSCROLL, SWP_FRAMECHANGED);
    m_parent.SetScrollRange(SB_VERT, 0, 50, FALSE);
    m_parent.SetScrollPos(SB_VERT, 20, FALSE);
    EXPECT_EQ(20, m_parent.GetScrollPos(SB_VERT));
    SCROLLINFO si = {};
    si.fMask = SIF_PAGE;
    si.nPage = 10;
    m_parent.SetScrollInfo(SB_VERT, &si, FALSE);
    ASSERT_TRUE(m_parent.GetScrollInfo(SB_VERT, &si));
    EXPECT_EQ(0, si.nMin);
    EXPECT_EQ(50, si.nMax);
    EXPECT_EQ(10u, si.nPage);
    EXPECT_EQ(20, si.nPos);
}

}  // namespace
