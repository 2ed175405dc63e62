// Reflection: WM_COMMAND and WM_NOTIFY reach the child control's own map
// first, what it leaves goes to the parent's map; the other notifications
// go to the parent's handler first, whose default offers them to the child.
#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"

namespace {

enum : UINT {
    IDC_REFLECTING = 200,
    IDC_ATTACHED = 201,
    IDC_PLAIN = 202,
};

const HBRUSH g_hChildBrush = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
const HBRUSH g_hParentBrush = static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH));

// Who handled a notification, in order, parent and child alike.
std::string g_order;

// A button that handles its own notifications.
class CReflectingButton : public CWnd
{
public:
    std::string m_log;
    BOOL m_bColour = TRUE;

protected:
    afx_msg void OnClicked() { m_log += "clicked;"; }
    afx_msg void OnNmClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log += "nm-click " + std::to_string(pNMHDR->idFrom) + ";";
        *pResult = 7;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        g_order += "child ctlcolor " + std::to_string(nCtlColor) + ";";
        return m_bColour ? g_hChildBrush : nullptr;
    }
    afx_msg LRESULT OnReflectedDrawItem(WPARAM, LPARAM)
    {
        g_order += "child drawitem;";
        return TRUE;
    }
    afx_msg LRESULT OnReflectedHScroll(WPARAM wParam, LPARAM)
    {
        g_order += "child hscroll " + std::to_string(LOWORD(wParam)) + ";";
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_NOTIFY_REFLECT(NM_CLICK, OnNmClick)
    ON_WM_CTLCOLOR_REFLECT()
    ON_MESSAGE(WM_REFLECT_BASE + WM_DRAWITEM, OnReflectedDrawItem)
    ON_MESSAGE(WM_REFLECT_BASE + WM_HSCROLL, OnReflectedHScroll)
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    std::string m_log;

protected:
    afx_msg void OnReflectingClicked() { m_log += "reflecting clicked;"; }
    afx_msg void OnAttachedClicked() { m_log += "attached clicked;"; }
    afx_msg void OnPlainClicked() { m_log += "plain clicked;"; }
    afx_msg void OnNmClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log += "nm-click " + std::to_string(pNMHDR->idFrom) + ";";
        *pResult = 3;
    }
    // Its own brush for the plain button, else the default handler's.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        g_order += "parent ctlcolor " + std::to_string(pWnd->GetDlgCtrlID()) + ";";
        const HBRUSH hbr = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
        return pWnd->GetDlgCtrlID() == IDC_PLAIN ? g_hParentBrush : hbr;
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        g_order += "parent drawitem " + std::to_string(nIDCtl) + ";";
        CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(IDC_REFLECTING, OnReflectingClicked)
    ON_BN_CLICKED(IDC_ATTACHED, OnAttachedClicked)
    ON_BN_CLICKED(IDC_PLAIN, OnPlainClicked)
    ON_NOTIFY(NM_CLICK, IDC_REFLECTING, OnNmClick)
    ON_NOTIFY(NM_CLICK, IDC_PLAIN, OnNmClick)
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class WndReflectTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
            nullptr, nullptr));
        const CRect rect(0, 0, 80, 20);
        ASSERT_TRUE(m_reflecting.Create("button", "反射", WS_VISIBLE | BS_PUSHBUTTON, rect, &m_parent,
            IDC_REFLECTING));
        ASSERT_TRUE(m_attached.Create("button", "素通し", WS_VISIBLE | BS_PUSHBUTTON, rect + CPoint(0, 30),
            &m_parent, IDC_ATTACHED));
        m_hPlain = ::CreateWindowExA(0, "button", "外部", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 60, 80, 20,
            m_parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_PLAIN)), nullptr, nullptr);
        ASSERT_NE(nullptr, m_hPlain);
        m_hDC = ::CreateCompatibleDC(nullptr);
    }

    void TearDown() override
    {
        m_parent.DestroyWindow();
        ::DeleteDC(m_hDC);
        CWnd::DeleteTempMap();
        AfxDeleteTempGdiMaps();
    }

    std::string Logs() const { return "parent: " + m_parent.m_log + " child: " + m_reflecting.m_log; }

    LRESULT Notify(HWND hWndFrom, UINT nID)
    {
        NMHDR hdr = {hWndFrom, nID, static_cast<UINT>(NM_CLICK)};
        return m_parent.SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&hdr));
    }

    LRESULT CtlColor(HWND hWndControl)
    {
        return m_parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(m_hDC),
            reinterpret_cast<LPARAM>(hWndControl));
    }

    CParentWnd m_parent;
    CReflectingButton m_reflecting;
    CWnd m_attached;
    HWND m_hPlain = nullptr;
    HDC m_hDC = nullptr;
};

TEST_F(WndReflectTest, ClickedButtonNotifiesItselfBeforeItsParent)
{
    const struct {
        HWND hButton;
        const char* logs;
    } cases[] = {
        {m_reflecting.m_hWnd, "parent:  child: clicked;"},
        {m_attached.m_hWnd, "parent: attached clicked; child: "},   // attached, nothing to reflect
        {m_hPlain, "parent: plain clicked; child: "},              // no CWnd
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logs);
        m_parent.m_log.clear();
        m_reflecting.m_log.clear();
        ::SendMessageA(c.hButton, BM_CLICK, 0, 0);
        EXPECT_EQ(c.logs, Logs());
    }
}

TEST_F(WndReflectTest, NotifyIsReflectedWithTheChildsResult)
{
    EXPECT_EQ(7, Notify(m_reflecting.m_hWnd, IDC_REFLECTING));
    EXPECT_EQ(3, Notify(m_hPlain, IDC_PLAIN));
    EXPECT_EQ("parent: nm-click 202; child: nm-click 200;", Logs());
}

TEST_F(WndReflectTest, ControlColourAsksTheParentFirstAndItsDefaultAsksTheChild)
{
    g_order.clear();
    EXPECT_EQ(reinterpret_cast<LRESULT>(g_hChildBrush), CtlColor(m_reflecting.m_hWnd));
    EXPECT_EQ("parent ctlcolor 200;child ctlcolor 3;", g_order);

    // A child without a brush leaves the message to the window's class.
    g_order.clear();
    m_reflecting.m_bColour = FALSE;
    const LRESULT lSystem = ::DefWindowProcA(m_parent.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(m_hDC),
        reinterpret_cast<LPARAM>(m_reflecting.m_hWnd));
    EXPECT_EQ(lSystem, CtlColor(m_reflecting.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(g_hParentBrush), CtlColor(m_hPlain));
    EXPECT_EQ("parent ctlcolor 200;child ctlcolor 3;parent ctlcolor 202;", g_order);
}

TEST_F(WndReflectTest, OwnerDrawingAsksTheParentFirst)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = IDC_REFLECTING;
    dis.hwndItem = m_reflecting.m_hWnd;
    g_order.clear();
    EXPECT_EQ(TRUE, m_parent.SendMessage(WM_DRAWITEM, IDC_REFLECTING, reinterpret_cast<LPARAM>(&dis)));
    dis.CtlID = IDC_ATTACHED;
    dis.hwndItem = m_attached.m_hWnd;
    EXPECT_EQ(TRUE, m_parent.SendMessage(WM_DRAWITEM, IDC_ATTACHED, reinterpret_cast<LPARAM>(&dis)));
    EXPECT_EQ("parent drawitem 200;child drawitem;parent drawitem 201;", g_order);
}

// A parent whose map has no entry for a notification: the default handling
// offers it to the child.
TEST_F(WndReflectTest, NotificationsWithoutParentEntryGoToTheChild)
{
    CWnd plainParent;
    ASSERT_TRUE(plainParent.CreateEx(0, nullptr, "plain", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    CReflectingButton child;
    ASSERT_TRUE(child.Create("button", "子", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 80, 20), &plainParent,
        IDC_REFLECTING));
    g_order.clear();
    EXPECT_EQ(reinterpret_cast<LRESULT>(g_hChildBrush),
        plainParent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(m_hDC), reinterpret_cast<LPARAM>(child.m_hWnd)));
    plainParent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ("child ctlcolor 3;child hscroll 1;", g_order);
    plainParent.DestroyWindow();
}

}  // namespace
