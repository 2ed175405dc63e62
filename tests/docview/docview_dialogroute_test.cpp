// Commands of a modeless dialog: its own map, then the window that owns it,
// then the application; the same for update handlers; an owner that hands
// commands back to the dialog does not make it loop.
#include <string>

#include "docview_app.h"

namespace {

class CRouteDialog : public CDialog
{
public:
    CRouteDialog() : CDialog(IDD_DOCTEST_ROUTE) {}

protected:
    afx_msg void OnDialogCommand() { TheCommandLog().Record(ID_TEST_DIALOG_CMD, "dialog"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRouteDialog, CDialog)
    ON_COMMAND(ID_TEST_DIALOG_CMD, OnDialogCommand)
END_MESSAGE_MAP()

// A window that passes what its map leaves to another target, as a view
// handing commands to a dialog it owns would.
class CEchoOwner : public CWnd
{
public:
    CCmdTarget* m_pEcho = nullptr;
    int m_nEchoes = 0;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        ++m_nEchoes;
        return m_pEcho != nullptr && m_pEcho->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

struct RouteCase
{
    UINT nID;
    const char* pszHandler;   // "" when nobody takes it
};

// Sends each command to the window as a menu or tool bar would and checks
// who took it.
void ExpectHandlers(CWnd& wnd, const RouteCase* pCases, size_t nCases)
{
    for (size_t i = 0; i < nCases; ++i) {
        const RouteCase& c = pCases[i];
        SCOPED_TRACE(c.nID);
        TheCommandLog().handledBy.clear();
        EXPECT_EQ(*c.pszHandler != '\0', wnd.SendMessage(WM_COMMAND, c.nID) != 0);
        EXPECT_EQ(c.pszHandler, TheCommandLog().handledBy[c.nID]);
    }
}

}  // namespace

TEST_F(DocViewTest, ADialogOwnedThroughTheViewRoutesCommandsToTheFrameAndTheApplication)
{
    NewDocument();
    CRouteDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_DOCTEST_ROUTE, View()));
    // A popup's owner is the view's top-level window: the frame.
    ASSERT_EQ(Frame()->m_hWnd, ::GetWindow(dialog.m_hWnd, GW_OWNER));
    const RouteCase cases[] = {
        {ID_TEST_DIALOG_CMD, "dialog"},
        {ID_TEST_VIEW_CMD, "view"},
        {ID_TEST_DOC_CMD, "document"},
        {ID_TEST_FRAME_CMD, "frame"},
        {ID_TEST_APP_CMD, "application"},
        {ID_TEST_SHARED_CMD, "view"},
        {ID_TEST_NOHANDLER, ""},
    };
    ExpectHandlers(dialog, cases, ARRAYSIZE(cases));
}

TEST_F(DocViewTest, ADialogsControlsFollowTheUpdateHandlersOfItsOwnersRoute)
{
    NewDocument();
    CRouteDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_DOCTEST_ROUTE, View()));
    struct Case
    {
        int nValue;
        UINT nID;
        bool bEnabled;
    };
    const Case cases[] = {
        {0, ID_TEST_DIALOG_CMD, true},   // the dialog's own command handler
        {0, ID_TEST_VIEW_CMD, true},     // the view's command handler
        {0, ID_TEST_DOC_CMD, false},     // the document's update handler
        {3, ID_TEST_DOC_CMD, true},
        {3, ID_TEST_NOHANDLER, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        Doc()->m_nValue = c.nValue;
        dialog.UpdateDialogControls(&dialog, TRUE);
        EXPECT_EQ(c.bEnabled, ::IsWindowEnabled(::GetDlgItem(dialog.m_hWnd, static_cast<int>(c.nID))) != FALSE);
    }
}

TEST_F(DocViewTest, ADialogWithoutAFrameworkOwnerStillReachesTheApplication)
{
    const HWND hOwner = ::CreateWindowExA(0, "static", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
        nullptr, nullptr);
    ASSERT_NE(nullptr, hOwner);
    CRouteDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_DOCTEST_ROUTE, CWnd::FromHandle(hOwner)));
    const RouteCase cases[] = {
        {ID_TEST_DIALOG_CMD, "dialog"},
        {ID_TEST_APP_CMD, "application"},
        {ID_TEST_VIEW_CMD, ""},
    };
    ExpectHandlers(dialog, cases, ARRAYSIZE(cases));
    dialog.DestroyWindow();
    ::DestroyWindow(hOwner);
}

TEST_F(DocViewTest, AnOwnerThatRoutesBackToItsDialogDoesNotLoop)
{
    CEchoOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
    CRouteDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_DOCTEST_ROUTE, &owner));
    owner.m_pEcho = &dialog;
    struct Case
    {
        CWnd* pTo;
        RouteCase route;
        int nEchoes;
    };
    const Case cases[] = {
        {&dialog, {ID_TEST_NOHANDLER, ""}, 1},   // to the owner, back once, and no further
        {&dialog, {ID_TEST_APP_CMD, "application"}, 1},
        {&owner, {ID_TEST_DIALOG_CMD, "dialog"}, 1},
        {&owner, {ID_TEST_NOHANDLER, ""}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pTo == &owner ? "to the owner" : "to the dialog");
        owner.m_nEchoes = 0;
        ExpectHandlers(*c.pTo, &c.route, 1);
        EXPECT_EQ(c.nEchoes, owner.m_nEchoes);
    }
    dialog.DestroyWindow();
    owner.DestroyWindow();
}
