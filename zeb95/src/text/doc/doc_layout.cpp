#include "text/doc/doc_layout.h"

#include "text/doc/doc_record.h"

void DocStopLayout(ZebDocRecord& doc)
{
    HANDLE hThread = doc.LayoutThread();
    if (hThread == nullptr)
        return;
    DWORD dwExit = 0;
    while (::GetExitCodeThread(hThread, &dwExit) && dwExit == STILL_ACTIVE) {
        ::InterlockedOr(reinterpret_cast<LONG volatile*>(&doc.dwFlags), static_cast<LONG>(kDocAbortLayout));
        ::Sleep(0);
    }
    ::CloseHandle(hThread);
    doc.SetLayoutThread(nullptr);
}

void DocRelayout(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return;
    DocStopLayout(*pDoc);
    pDoc->Lines()->Truncate(0);
    pDoc->nLayoutResult = 0;
    ::InvalidateRect(hwnd, nullptr, TRUE);
}
