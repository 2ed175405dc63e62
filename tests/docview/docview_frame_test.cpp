// The frame and the application: File > Exit closes the main window the
// way its close box does; the active view hears when the frame is
// activated and deactivated.
#include <functional>
#include <string>
#include <vector>

#include "docview_app.h"
#include "msgbox_recorder.h"

namespace {

// Takes away the quit message a destroyed main window leaves; TRUE if
// there was one.
bool TakeQuitMessage()
{
    MSG msg;
    bool bFound = false;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        bFound = true;
    return bFound;
}

}  // namespace

TEST_F(DocViewTest, ExitCommandClosesTheMainWindowThroughItsClosePath)
{
    struct Case
    {
        bool bModified;
        int nAnswer;   // to the save prompt
        size_t nPrompts;
        bool bClosed;
    };
    const Case cases[] = {
        {false, IDOK, 0, true},
        {true, IDCANCEL, 1, false},   // the user keeps the document open
        {true, IDNO, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nAnswer);
        NewDocument();
        const HWND hFrame = Frame()->m_hWnd;
        Doc()->SetModifiedFlag(c.bModified);
        MessageBoxRecorder boxes(c.nAnswer);
        Frame()->SendMessage(WM_COMMAND, ID_APP_EXIT);
        EXPECT_EQ(c.nPrompts, boxes.shown().size());
        EXPECT_EQ(c.bClosed, !::IsWindow(hFrame));
        EXPECT_EQ(c.bClosed, m_app.m_pMainWnd == nullptr);
        EXPECT_EQ(c.bClosed, TakeQuitMessage());
        if (!c.bClosed)
            Doc()->SetModifiedFlag(FALSE);
    }
}

TEST_F(DocViewTest, ActivatingAndDeactivatingTheFrameTellsTheActiveView)
{
    NewDocument();
    const HWND hOther = ::CreateWindowExA(0, "static", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
        nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hOther);
    const HWND hFrame = Frame()->m_hWnd;
    struct Case
    {
        const char* pszStep;
        std::function<void()> activate;
        std::vector<std::string> calls;
        HWND hFocus;   // null: not checked
    };
    const Case cases[] = {
        {"another window", [&] { ::SetActiveWindow(hOther); }, {"view 0 self self", "frame 0"}, nullptr},
        {"the frame again", [&] { ::SetActiveWindow(hFrame); }, {"view 1 self self", "frame 1"}, View()->m_hWnd},
        {"minimized",
            [&] {
                Frame()->SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, TRUE), reinterpret_cast<LPARAM>(hOther));
            },
            {"frame 2"}, nullptr},
    };
    ::SetActiveWindow(hFrame);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszStep);
        View()->m_activations.clear();
        c.activate();
        EXPECT_EQ(c.calls, View()->m_activations);
        if (c.hFocus != nullptr) {
            EXPECT_EQ(c.hFocus, ::GetFocus());
        }
    }
    ::DestroyWindow(hOther);
}
