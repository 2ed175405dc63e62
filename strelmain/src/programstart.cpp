#include "programstart.h"

BOOL StartProgram(LPCSTR lpszPath, LPCSTR lpszArgs)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    CString strArgs = lpszArgs;   // CreateProcessA may write into it
    if (!::CreateProcessA(lpszPath, strArgs.GetBuffer(strArgs.GetLength()), nullptr, nullptr, FALSE, 0, nullptr,
            nullptr, &si, &pi)) {
        strArgs.ReleaseBuffer();
        return FALSE;
    }
    strArgs.ReleaseBuffer();
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return TRUE;
}
