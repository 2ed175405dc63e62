#include "afxdlgs.h"

namespace {

// The calling thread's wait cursors: how many live, and the cursor the
// first one replaced.
struct WaitCursorState
{
    int nCount = 0;
    HCURSOR hRestore = nullptr;
};

thread_local WaitCursorState t_waitCursor;

HCURSOR WaitCursor()
{
    return ::LoadCursorA(nullptr, IDC_WAIT);
}

}  // namespace

CWaitCursor::CWaitCursor()
{
    const HCURSOR hPrevious = ::SetCursor(WaitCursor());
    if (t_waitCursor.nCount++ == 0)
        t_waitCursor.hRestore = hPrevious;
}

CWaitCursor::~CWaitCursor()
{
    if (--t_waitCursor.nCount == 0)
        ::SetCursor(t_waitCursor.hRestore);
}

void CWaitCursor::Restore()
{
    ::SetCursor(WaitCursor());
}
