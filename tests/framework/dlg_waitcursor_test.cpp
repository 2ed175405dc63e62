// CWaitCursor: the hourglass while the outermost one lives, then the
// cursor from before.
#include <gtest/gtest.h>

#include "afxdlgs.h"

namespace {

TEST(DlgWaitCursorTest, HourglassWhileAliveThenTheCursorFromBefore)
{
    const HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR hWait = ::LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR hCross = ::LoadCursorA(nullptr, IDC_CROSS);
    ::SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(hWait, ::GetCursor());
        {
            CWaitCursor inner;
            ::SetCursor(hCross);   // as a message box would
            inner.Restore();
            EXPECT_EQ(hWait, ::GetCursor());
        }
        EXPECT_EQ(hWait, ::GetCursor());
    }
    EXPECT_EQ(hArrow, ::GetCursor());
}

}  // namespace
