// CWaitCursor and CCmdTarget's wait cursor steps: the hourglass while the
// outermost one is on, then the cursor from before.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

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

TEST(DlgWaitCursorTest, BeginAndEndStepsNestWithWaitCursorObjects)
{
    const HCURSOR hArrow = ::LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR hWait = ::LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR hCross = ::LoadCursorA(nullptr, IDC_CROSS);
    CCmdTarget target;
    CCmdTarget other;
    std::optional<CWaitCursor> wait;
    const struct
    {
        const char* pszStep;
        std::function<void()> step;
        HCURSOR hExpected;
    } cases[] = {
        {"begin", [&] { target.BeginWaitCursor(); }, hWait},
        {"object on", [&] { wait.emplace(); }, hWait},
        {"begin again", [&] { other.BeginWaitCursor(); }, hWait},
        {"end by another target", [&] { target.EndWaitCursor(); }, hWait},
        {"object off", [&] { wait.reset(); }, hWait},
        {"cursor changed", [&] { ::SetCursor(hCross); }, hCross},
        {"last end", [&] { other.EndWaitCursor(); }, hArrow},
        {"cursor changed again", [&] { ::SetCursor(hCross); }, hCross},
        {"end without a begin", [&] { target.EndWaitCursor(); }, hCross},
        {"begin after it", [&] { target.BeginWaitCursor(); }, hWait},
        {"its end", [&] { target.EndWaitCursor(); }, hCross},
    };
    ::SetCursor(hArrow);
    for (const auto& c : cases) {
        c.step();
        EXPECT_EQ(c.hExpected, ::GetCursor()) << c.pszStep;
    }
}

}  // namespace
