#include "afxdlgs.h"

namespace {

// The calling thread's wait cursors (CWaitCursor objects and
// BeginWaitCursor steps): how many are on, and the cursor the first one
// replaced.
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

void BeginWait()
{
    const HCURSOR hPrevious = ::SetCursor(WaitCursor());
    if (t_waitCursor.nCount++ == 0)
        t_waitCursor.hRestore = hPrevious;
}

void EndWait()
{
    if (t_waitCursor.nCount > 0 && --t_waitCursor.nCount == 0)
        ::SetCursor(t_waitCursor.hRestore);
}

}  // namespace

CWaitCursor::CWaitCursor()
{
    BeginWait();
}

CWaitCursor::~CWaitCursor()
{
    EndWait();
}

void CWaitCursor::Restore()
{
    ::SetCursor(WaitCursor());
}

void CCmdTarget::BeginWaitCursor()
{
    BeginWait();
}

void CCmdTarget::EndWaitCursor()
{
    EndWait();
}
