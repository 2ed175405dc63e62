// One pass of the layout thread: it lays out lines from a first line to
// the end of the text and posts MsgLayoutDone with its number, nothing
// more; the window's thread takes the result when it joins the pass. Each
// pass has its own abort flag, so a flag raised for one pass never stops
// the next.
#pragma once
#include <windows.h>

#include <atomic>

#include "text/layout/line_layout.h"

const UINT MsgLayoutDone = 0x2401;

class ZebLayoutRun
{
public:
    // Starts a pass on its own thread over a copy of the input (its fonts
    // read through pFonts' table); null when the thread cannot be made.
    static ZebLayoutRun* Start(HWND hwnd, const ZebLayoutInput& in, const ZebTableFonts& fonts, ZebLineTable& lines,
                               int nFirstLine);
    // Waits for the thread (raising the abort flag first when asked, and
    // while more than nAbortAfter lines exist when that is 0 or more), ends
    // the pass and returns its result: the end kind of its last line, 0
    // when it was aborted or failed.
    static int Join(ZebLayoutRun* pRun, bool bAbort, int nAbortAfter = -1);

    // Waits, letting the pass run on, until bHeld(lines) tells that the lines
    // laid out hold what is wanted, or the thread has ended.
    template <class Held>
    void WaitUntil(Held bHeld) const
    {
        while (!bHeld(*m_pLines) && ::WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT)
            ::Sleep(0);
    }

    UINT Number() const { return m_nNumber; }
    HANDLE Thread() const { return m_hThread; }

    // Made only by Start.
    ZebLayoutRun(HWND hwnd, const ZebLayoutInput& in, const ZebTableFonts& fonts, ZebLineTable& lines,
                 int nFirstLine);
    ZebLayoutRun(const ZebLayoutRun&) = delete;
    ZebLayoutRun& operator=(const ZebLayoutRun&) = delete;

private:
    static DWORD WINAPI ThreadMain(void* pParam);
    int Run();

    HWND m_hwnd;
    ZebTableFonts m_fonts;
    ZebLayoutInput m_in;
    ZebLineTable* m_pLines;
    int m_nFirstLine;
    UINT m_nNumber;
    HANDLE m_hThread = nullptr;
    std::atomic<bool> m_bAbort{false};
    std::atomic<int> m_nResult{0};
};
