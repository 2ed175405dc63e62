#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "test_paths.h"

namespace {

struct WindowSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND wnd, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(wnd, &pid);
    if (pid == search->pid && ::IsWindowVisible(wnd) && ::GetWindow(wnd, GW_OWNER) == nullptr) {
        search->found = wnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForMainWindow(DWORD pid)
{
    WindowSearch search = {pid, nullptr};
    for (int i = 0; i < 200 && search.found == nullptr; ++i) {
        ::EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr)
            ::Sleep(50);
    }
    return search.found;
}

// Starts a program of the install tree, checks its main window's title,
// closes the window and expects a clean exit.
void StartShowAndClose(const char* program, const char* title)
{
    const std::string exe = FolderFromEnvironment("SUITE_EXE_DIR") + "\\" + program;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::string cmd = "\"" + exe + "\"";
    ASSERT_TRUE(::CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << exe;
    HWND wnd = WaitForMainWindow(pi.dwProcessId);
    EXPECT_NE(nullptr, wnd);
    if (wnd != nullptr) {
        char text[256] = {};
        ::GetWindowTextA(wnd, text, sizeof text);
        EXPECT_STREQ(title, text);
        ::PostMessageA(wnd, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(pi.hProcess, 99);
    DWORD code = 99;
    ::GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(0u, code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

}  // namespace

TEST(Programs, LauncherShowsItsMainWindowAndExits)
{
    StartShowAndClose("StrelMain.exe", "いんさつ テッサロ vora");
}

TEST(Programs, FormScreenShowsItsMainWindowAndExits)
{
    StartShowAndClose("Tolvane.exe", "Tolvane");
}
