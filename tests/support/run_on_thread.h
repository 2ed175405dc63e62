// Runs code on a thread of its own (one that the system ends as usual,
// with the DLLs told of its end) and waits for the thread to end.
#pragma once
#include <windows.h>
#include <functional>
#include <stdexcept>

inline void RunOnThread(const std::function<void()>& fn)
{
    struct Start {
        static DWORD WINAPI Run(LPVOID pParam)
        {
            (*static_cast<const std::function<void()>*>(pParam))();
            return 0;
        }
    };
    const HANDLE hThread = ::CreateThread(nullptr, 0, &Start::Run, const_cast<std::function<void()>*>(&fn), 0,
        nullptr);
    if (hThread == nullptr)
        throw std::runtime_error("CreateThread failed");
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
}
