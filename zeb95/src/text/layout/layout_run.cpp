#include "text/layout/layout_run.h"

#include "text/storage/engine_alloc.h"

namespace {

// Numbers of passes, never 0, so that a stale MsgLayoutDone names a pass
// that is over.
UINT NextRunNumber()
{
    static std::atomic<UINT> s_nLast{0};
    UINT n = ++s_nLast;
    while (n == 0)
        n = ++s_nLast;
    return n;
}

}  // namespace

ZebLayoutRun::ZebLayoutRun(HWND hwnd, const ZebLayoutInput& in, const ZebTableFonts& fonts, ZebLineTable& lines,
                           int nFirstLine)
    : m_hwnd(hwnd), m_fonts(fonts), m_in(in), m_pLines(&lines), m_nFirstLine(nFirstLine), m_nNumber(NextRunNumber())
{
    m_in.measure.pFonts = &m_fonts;
}

ZebLayoutRun* ZebLayoutRun::Start(HWND hwnd, const ZebLayoutInput& in, const ZebTableFonts& fonts,
                                  ZebLineTable& lines, int nFirstLine)
{
    ZebLayoutRun* pRun = ZebNew<ZebLayoutRun>(hwnd, in, fonts, lines, nFirstLine);
    if (pRun == nullptr)
        return nullptr;
    pRun->m_hThread = ::CreateThread(nullptr, 0, ThreadMain, pRun, 0, nullptr);
    if (pRun->m_hThread == nullptr)
    {
        ZebDelete(pRun);
        return nullptr;
    }
    return pRun;
}

int ZebLayoutRun::Join(ZebLayoutRun* pRun, bool bAbort, int nAbortAfter)
{
    if (bAbort)
        pRun->m_bAbort.store(true);
    if (nAbortAfter < 0)
        ::WaitForSingleObject(pRun->m_hThread, INFINITE);
    while (::WaitForSingleObject(pRun->m_hThread, 0) == WAIT_TIMEOUT)
    {
        if (pRun->m_pLines->Count() > nAbortAfter)
            pRun->m_bAbort.store(true);
        ::Sleep(0);
    }
    ::CloseHandle(pRun->m_hThread);
    const int nResult = pRun->m_nResult.load();
    ZebDelete(pRun);
    return nResult;
}

DWORD WINAPI ZebLayoutRun::ThreadMain(void* pParam)
{
    return static_cast<DWORD>(static_cast<ZebLayoutRun*>(pParam)->Run());
}

int ZebLayoutRun::Run()
{
    int nResult = ZebLineEndNone;
    for (int n = m_nFirstLine;; ++n)
    {
        const int nKind = LayoutLine(m_in, *m_pLines, n);
        if (m_bAbort.load())
            break;
        if (nKind == ZebLineEndText || nKind == ZebLineEndNone)
        {
            nResult = nKind;
            break;
        }
    }
    m_nResult.store(nResult);
    if (nResult != ZebLineEndNone)
        ::PostMessageA(m_hwnd, MsgLayoutDone, m_nNumber, 0);
    return nResult;
}
