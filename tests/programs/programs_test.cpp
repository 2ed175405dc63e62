#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "processwindow.h"
#include "test_paths.h"

namespace {

const char kLauncherTitle[] = "いんさつ テッサロ vora";

// A program of the install tree, started by the test and ended with it.
class RunningProgram {
public:
    explicit RunningProgram(const char* program, const char* args = "")
    {
        const std::string exe = FolderFromEnvironment("SUITE_EXE_DIR") + "\\" + program;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string cmd = "\"" + exe + "\"" + args;
        m_started = ::CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
    }
    ~RunningProgram()
    {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_pi.hProcess, 0) != WAIT_OBJECT_0)
            ::TerminateProcess(m_pi.hProcess, 99);
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
    }
    bool started() const { return m_started; }

    // Its visible top-level window, waiting up to `ms` for it.
    HWND mainWindow(int ms = 10000) const
    {
        HWND found = FindProcessWindow(m_pi.dwProcessId);
        for (int waited = 0; waited < ms && found == nullptr; waited += 50) {
            ::Sleep(50);
            found = FindProcessWindow(m_pi.dwProcessId);
        }
        return found;
    }
    // Its top-level window of that class (any class when null) and
    // caption (any caption when null), waiting up to `ms` for it.
    HWND windowOf(const char* wndClass, const char* title, int ms = 10000) const
    {
        for (int waited = 0; waited <= ms; waited += 50) {
            HWND found = nullptr;
            while ((found = ::FindWindowExA(nullptr, found, wndClass, title)) != nullptr) {
                DWORD dwProcessId = 0;
                ::GetWindowThreadProcessId(found, &dwProcessId);
                if (dwProcessId == m_pi.dwProcessId)
                    return found;
            }
            ::Sleep(50);
        }
        return nullptr;
    }
    bool ended(int ms = 10000) const { return ::WaitForSingleObject(m_pi.hProcess, ms) == WAIT_OBJECT_0; }
    DWORD exitCode() const
    {
        DWORD code = 99;
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }

private:
    BOOL m_started;
    PROCESS_INFORMATION m_pi = {};
};

std::string TitleOf(HWND wnd)
{
    char text[256] = {};
    ::GetWindowTextA(wnd, text, sizeof text);
    return text;
}

// Starts a program, checks its main window's title, closes the window and
// expects a clean exit.
void StartShowAndClose(const char* program, const char* title)
{
    RunningProgram run(program);
    ASSERT_TRUE(run.started()) << program;
    HWND wnd = run.mainWindow();
    ASSERT_NE(nullptr, wnd);
    EXPECT_EQ(title, TitleOf(wnd));
    ::PostMessageA(wnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(0u, run.exitCode());
}

}  // namespace

// Started by the launcher on a sample form: the frame's caption names the
// form's document.
TEST(Programs, FormScreenShowsItsMainWindowAndExits)
{
    RunningProgram run("Tolvane.exe", " /L:9001");
    ASSERT_TRUE(run.started());
    HWND wnd = run.windowOf(nullptr, "納品書  - Tolvane");
    ASSERT_NE(nullptr, wnd);
    // The frame is shown first, then maximised.
    for (int waited = 0; waited < 10000 && !::IsZoomed(wnd); waited += 50)
        ::Sleep(50);
    EXPECT_TRUE(::IsZoomed(wnd));
    ::PostMessageA(wnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(run.ended());
    EXPECT_EQ(0u, run.exitCode());
}

// Without arguments the form screen says where to start it from and ends.
TEST(Programs, FormScreenWithoutArgumentsEnds)
{
    RunningProgram run("Tolvane.exe");
    ASSERT_TRUE(run.started());
    HWND box = run.windowOf("#32770", nullptr);
    ASSERT_NE(nullptr, box);
    char text[256] = {};
    // The box exists before its text is set.
    for (int waited = 0; waited < 10000 && ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text) == 0; waited += 50)
        ::Sleep(50);
    EXPECT_STREQ("voraメイン画面から起動してください", text);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(run.ended());
}

// One launcher at a time: a second start restores the first one's window and
// ends without a window of its own; after the first has closed, a new start
// runs normally.
TEST(Programs, LauncherRunsOnceAndRestoresTheRunningOne)
{
    {
        RunningProgram first("StrelMain.exe");
        HWND wnd = first.mainWindow();
        ASSERT_NE(nullptr, wnd);
        EXPECT_EQ(kLauncherTitle, TitleOf(wnd));
        ::ShowWindow(wnd, SW_MINIMIZE);
        ASSERT_TRUE(::IsIconic(wnd));

        RunningProgram second("StrelMain.exe");
        ASSERT_TRUE(second.ended());
        EXPECT_FALSE(::IsIconic(wnd));
        ::PostMessageA(wnd, WM_CLOSE, 0, 0);
        ASSERT_TRUE(first.ended());
        EXPECT_EQ(0u, first.exitCode());
    }
    StartShowAndClose("StrelMain.exe", kLauncherTitle);
}

TEST(Programs, LauncherEndsSilentlyWhileAnotherIsStarting)
{
    HANDLE starting = ::CreateMutexA(nullptr, FALSE, "hDizeziv");
    ASSERT_NE(nullptr, starting);
    RunningProgram second("StrelMain.exe");
    EXPECT_TRUE(second.ended());
    EXPECT_EQ(nullptr, second.mainWindow(0));
    ::CloseHandle(starting);
}

// Two launchers started together: exactly one keeps running.
TEST(Programs, TwoLaunchersStartedTogetherLeaveOne)
{
    RunningProgram first("StrelMain.exe");
    RunningProgram second("StrelMain.exe");
    ASSERT_TRUE(first.started());
    ASSERT_TRUE(second.started());
    RunningProgram* pStays = nullptr;
    for (int waited = 0; waited < 10000 && pStays == nullptr; waited += 50) {
        if (first.ended(0))
            pStays = &second;
        else if (second.ended(0))
            pStays = &first;
        else
            ::Sleep(50);
    }
    ASSERT_NE(nullptr, pStays);
    HWND wnd = pStays->mainWindow();
    ASSERT_NE(nullptr, wnd);
    EXPECT_FALSE(pStays->ended(500));
    ::PostMessageA(wnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(pStays->ended());
}

// Enter in the launcher starts the form screen on the selected sample form
// (the first page lists the sample forms, the first one selected).
TEST(Programs, LauncherStartsTheFormScreenOnTheSelectedForm)
{
    RunningProgram launcher("StrelMain.exe");
    HWND wnd = launcher.mainWindow();
    ASSERT_NE(nullptr, wnd);
    ::PostMessageA(wnd, WM_COMMAND, IDOK, 0);
    HWND frame = nullptr;
    for (int waited = 0; waited < 15000 && frame == nullptr; waited += 50) {
        frame = ::FindWindowA(nullptr, "納品書  - Tolvane");
        if (frame == nullptr)
            ::Sleep(50);
    }
    ASSERT_NE(nullptr, frame);
    DWORD dwFormScreen = 0;
    ::GetWindowThreadProcessId(frame, &dwFormScreen);
    HANDLE hFormScreen = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, dwFormScreen);
    ASSERT_NE(nullptr, hFormScreen);
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(hFormScreen, 10000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the form screen did not end";
        ::TerminateProcess(hFormScreen, 99);
    }
    ::CloseHandle(hFormScreen);
    ::PostMessageA(wnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(launcher.ended());
}
