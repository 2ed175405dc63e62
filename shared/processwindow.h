// The main window of another process: its visible top-level window that no
// other window owns.
#pragma once
#include <windows.h>

namespace processwindow_detail {

struct Search
{
    DWORD dwProcessId;
    HWND hFound;
};

inline BOOL CALLBACK Check(HWND hWnd, LPARAM lParam)
{
    Search* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != pSearch->dwProcessId || !::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) != nullptr)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

}  // namespace processwindow_detail

// The window as it is now; null when the process shows none.
inline HWND FindProcessWindow(DWORD dwProcessId)
{
    processwindow_detail::Search search = {dwProcessId, nullptr};
    ::EnumWindows(processwindow_detail::Check, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}
