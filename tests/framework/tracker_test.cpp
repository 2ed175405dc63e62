#include <gtest/gtest.h>
#include <vector>
#include "afxext.h"
#include "canvas.h"
#include "vtable_slot.h"

namespace {

const UINT kSolidInside = CRectTracker::solidLine | CRectTracker::resizeInside;

CRectTracker MakeTracker(const CRect& rect, UINT nStyle)
{
    CRectTracker tracker(rect, nStyle);
    tracker.m_nHandleSize = 6;
    return tracker;
}

struct HitCase
{
    CRect rect;
    UINT nStyle;
    CPoint point;
    int nHit;
};

TEST(RectTracker, HitTestFindsHandlesSidesAndMiddle)
{
    const CRect box(20, 20, 120, 80);
    const UINT outside = CRectTracker::solidLine | CRectTracker::resizeOutside;
    const HitCase cases[] = {
        { box, kSolidInside, CPoint(20, 20), CRectTracker::hitTopLeft },
        { box, kSolidInside, CPoint(119, 20), CRectTracker::hitTopRight },
        { box, kSolidInside, CPoint(119, 79), CRectTracker::hitBottomRight },
        { box, kSolidInside, CPoint(20, 79), CRectTracker::hitBottomLeft },
        { box, kSolidInside, CPoint(69, 21), CRectTracker::hitTop },
        { box, kSolidInside, CPoint(117, 50), CRectTracker::hitRight },
        { box, kSolidInside, CPoint(69, 78), CRectTracker::hitBottom },
        { box, kSolidInside, CPoint(22, 50), CRectTracker::hitLeft },
        { box, kSolidInside, CPoint(60, 50), CRectTracker::hitMiddle },
        { box, kSolidInside, CPoint(120, 50), CRectTracker::hitNothing },  // right edge is outside
        { box, kSolidInside, CPoint(10, 10), CRectTracker::hitNothing },
        // Handles outside the rectangle.
        { box, outside, CPoint(15, 15), CRectTracker::hitTopLeft },
        { box, outside, CPoint(121, 50), CRectTracker::hitRight },
        { box, outside, CPoint(20, 20), CRectTracker::hitMiddle },
        { box, outside, CPoint(30, 17), CRectTracker::hitNothing },
        // A stored rectangle turned over: the handle under the screen's
        // top-left corner is the stored bottom-right one.
        { CRect(120, 80, 20, 20), kSolidInside, CPoint(20, 20), CRectTracker::hitBottomRight },
        { CRect(120, 20, 20, 80), kSolidInside, CPoint(22, 50), CRectTracker::hitRight },
        // Too small for side handles: the side is the middle.
        { CRect(20, 20, 35, 35), kSolidInside, CPoint(27, 21), CRectTracker::hitMiddle },
        // Without resize styles there are no handles; a hatched border moves.
        { box, CRectTracker::solidLine, CPoint(20, 20), CRectTracker::hitMiddle },
        { box, CRectTracker::hatchedBorder, CPoint(17, 50), CRectTracker::hitMiddle },
        { box, CRectTracker::solidLine, CPoint(17, 50), CRectTracker::hitNothing },
    };
    for (const HitCase& c : cases) {
        const CRectTracker tracker = MakeTracker(c.rect, c.nStyle);
        EXPECT_EQ(c.nHit, tracker.HitTest(c.point))
            << "style " << c.nStyle << " at " << c.point.x << "," << c.point.y;
    }
}

TEST(RectTracker, HandleMaskAndTrueRect)
{
    CRectTracker tracker = MakeTracker(CRect(20, 20, 120, 35), kSolidInside);
    EXPECT_EQ(0x5Fu, tracker.GetHandleMask());  // long sides only: top and bottom
    tracker.m_rect = CRect(20, 20, 120, 80);
    EXPECT_EQ(0xFFu, tracker.GetHandleMask());

    CRect rectTrue;
    tracker.GetTrueRect(&rectTrue);
    EXPECT_EQ(CRect(20, 20, 120, 80), rectTrue);
    tracker.m_nStyle = CRectTracker::resizeOutside;
    tracker.m_rect = CRect(120, 80, 20, 20);
    tracker.GetTrueRect(&rectTrue);
    EXPECT_EQ(CRect(14, 14, 126, 86), rectTrue);
}

TEST(RectTracker, DrawsOutlineAndHandlesInDeviceUnits)
{
    MemoryCanvas canvas(200, 120);
    CDC dc;
    dc.Attach(canvas.dc());
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetViewportOrg(50, 40);
    const CRectTracker tracker = MakeTracker(CRect(20, 20, 120, 80), kSolidInside);
    tracker.Draw(&dc);

    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(black, canvas.pixel(50, 20));   // top edge
    EXPECT_EQ(black, canvas.pixel(119, 40));  // right edge
    EXPECT_EQ(black, canvas.pixel(40, 79));   // bottom edge
    EXPECT_EQ(white, canvas.pixel(60, 50));   // inside
    EXPECT_EQ(white, canvas.pixel(60, 85));   // outside
    EXPECT_EQ(black, canvas.pixel(24, 24));   // top-left handle
    EXPECT_EQ(black, canvas.pixel(116, 52));  // right handle
    EXPECT_EQ(white, canvas.pixel(30, 30));
    // The context's mapping is as it was.
    EXPECT_EQ(MM_LOMETRIC, dc.GetMapMode());
    EXPECT_EQ(CPoint(50, 40), dc.GetViewportOrg());
    dc.Detach();
}

TEST(RectTracker, DottedOutlineLeavesGaps)
{
    MemoryCanvas canvas(200, 120);
    CDC dc;
    dc.Attach(canvas.dc());
    MakeTracker(CRect(20, 20, 120, 80), CRectTracker::dottedLine).Draw(&dc);
    const int inked = canvas.countInked(CRect(30, 20, 110, 21));
    EXPECT_GT(inked, 10);
    EXPECT_LT(inked, 80);
    dc.Detach();
}

TEST(RectTracker, VirtualSlotsInOrder)
{
    // Slots 0 and 1 are the destructor's.
    EXPECT_EQ(2, SlotOf(&CRectTracker::DrawTrackerRect));
    EXPECT_EQ(3, SlotOf(&CRectTracker::AdjustRect));
    EXPECT_EQ(4, SlotOf(&CRectTracker::OnChangedRect));
    EXPECT_EQ(5, SlotOf(&CRectTracker::GetHandleMask));
}

// Notes the calls Track makes; snaps to multiples of 10 when asked.
class CProbeTracker : public CRectTracker
{
public:
    CProbeTracker(const CRect& rect, bool bSnap) : CRectTracker(rect, kSolidInside), m_bSnap(bSnap)
    {
        m_nHandleSize = 6;
    }

    void AdjustRect(int nHandle, LPRECT lpRect) override
    {
        m_adjusted.push_back(nHandle);
        if (m_bSnap)
            ::OffsetRect(lpRect, -(lpRect->left % 10), -(lpRect->top % 10));
        CRectTracker::AdjustRect(nHandle, lpRect);
    }
    void OnChangedRect(const CRect& rectOld) override
    {
        m_changes.push_back(std::make_pair(rectOld, m_rect));
    }
    void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd) override
    {
        m_drawn.push_back(m_bErase ? CRect() : CRect(*lpRect));
        CRectTracker::DrawTrackerRect(lpRect, pWndClipTo, pDC, pWnd);
    }

    bool m_bSnap;
    std::vector<int> m_adjusted;
    std::vector<std::pair<CRect, CRect>> m_changes;
    std::vector<CRect> m_drawn;
};

class RectTrackerDrag : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "tracker", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
        m_wnd.UpdateWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        AfxDeleteTempGdiMaps();
    }

    void Post(UINT message, WPARAM wParam, CPoint point)
    {
        ::PostMessageA(m_wnd.m_hWnd, message, wParam, MAKELPARAM(point.x, point.y));
    }
    void Drag(std::initializer_list<CPoint> moves, CPoint release)
    {
        for (const CPoint& point : moves)
            Post(WM_MOUSEMOVE, MK_LBUTTON, point);
        Post(WM_LBUTTONUP, 0, release);
    }

    CWnd m_wnd;
};

TEST_F(RectTrackerDrag, MovesByTheMiddleAndReleasesTheCapture)
{
    CProbeTracker tracker(CRect(20, 20, 120, 80), false);
    Drag({ CPoint(70, 55) }, CPoint(80, 65));
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(60, 50)));
    EXPECT_EQ(CRect(40, 35, 140, 95), tracker.m_rect);
    EXPECT_EQ(nullptr, ::GetCapture());
    ASSERT_FALSE(tracker.m_changes.empty());
    EXPECT_EQ(CRect(20, 20, 120, 80), tracker.m_changes.front().first);
    EXPECT_EQ(CRect(40, 35, 140, 95), tracker.m_changes.back().second);
    for (int nHandle : tracker.m_adjusted)
        EXPECT_EQ(CRectTracker::hitMiddle, nHandle);
    // The last call only erases the outline.
    ASSERT_GE(tracker.m_drawn.size(), 2u);
    EXPECT_TRUE(tracker.m_drawn.back().IsRectNull());
}

TEST_F(RectTrackerDrag, ResizesByAHandleDownToTheMinimumSize)
{
    struct ResizeCase
    {
        CPoint press;
        CPoint release;
        BOOL bAllowInvert;
        CRect expected;
    };
    const ResizeCase cases[] = {
        { CPoint(117, 77), CPoint(150, 100), FALSE, CRect(20, 20, 153, 103) },  // bottom-right
        { CPoint(22, 50), CPoint(40, 10), FALSE, CRect(38, 20, 120, 80) },      // left: x only
        { CPoint(117, 77), CPoint(22, 22), FALSE, CRect(20, 20, 28, 28) },      // held at 8 x 8
        { CPoint(117, 77), CPoint(0, 0), TRUE, CRect(20, 20, 3, 3) },           // turned over
        { CPoint(117, 77), CPoint(24, 24), TRUE, CRect(20, 20, 28, 28) },
    };
    for (const ResizeCase& c : cases) {
        CProbeTracker tracker(CRect(20, 20, 120, 80), false);
        Drag({ CPoint(90, 70) }, c.release);
        EXPECT_TRUE(tracker.Track(&m_wnd, c.press, c.bAllowInvert));
        EXPECT_EQ(c.expected, tracker.m_rect) << c.release.x << "," << c.release.y;
    }
}

TEST_F(RectTrackerDrag, TakesTheRectangleAdjustRectGives)
{
    CProbeTracker tracker(CRect(20, 20, 120, 80), true);
    Drag({}, CPoint(73, 58));
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(60, 50)));
    EXPECT_EQ(CRect(30, 20, 130, 80), tracker.m_rect);  // 33, 28 snapped down
}

TEST_F(RectTrackerDrag, EscapeRightButtonAndStillClickChangeNothing)
{
    const UINT cancels[] = { WM_KEYDOWN, WM_RBUTTONDOWN, 0 };
    for (UINT message : cancels) {
        CProbeTracker tracker(CRect(20, 20, 120, 80), false);
        if (message == 0) {
            Drag({}, CPoint(60, 50));
        } else {
            Post(WM_MOUSEMOVE, MK_LBUTTON, CPoint(90, 70));
            Post(message, message == WM_KEYDOWN ? VK_ESCAPE : MK_RBUTTON, CPoint(90, 70));
        }
        EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(60, 50))) << message;
        EXPECT_EQ(CRect(20, 20, 120, 80), tracker.m_rect);
        EXPECT_EQ(nullptr, ::GetCapture());
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
}

TEST_F(RectTrackerDrag, PressOutsideDoesNotTrack)
{
    CProbeTracker tracker(CRect(20, 20, 120, 80), false);
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(200, 150)));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(tracker.m_adjusted.empty());
}

TEST_F(RectTrackerDrag, TracksUnderItsOwnCaptureButNotAnothers)
{
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    other.SetCapture();
    CProbeTracker tracker(CRect(20, 20, 120, 80), false);
    EXPECT_FALSE(tracker.Track(&m_wnd, CPoint(60, 50)));
    EXPECT_EQ(other.m_hWnd, ::GetCapture());
    EXPECT_TRUE(tracker.m_adjusted.empty());

    m_wnd.SetCapture();
    Drag({}, CPoint(70, 50));
    EXPECT_TRUE(tracker.Track(&m_wnd, CPoint(60, 50)));
    EXPECT_EQ(CRect(30, 20, 130, 80), tracker.m_rect);
    EXPECT_EQ(nullptr, ::GetCapture());
    other.DestroyWindow();
}

TEST_F(RectTrackerDrag, CursorOverHandlesAndMiddle)
{
    const CRectTracker tracker = MakeTracker(CRect(20, 20, 120, 80), kSolidInside);
    struct CursorCase
    {
        CPoint point;
        LPCSTR cursor;
    };
    const CursorCase cases[] = {
        { CPoint(21, 21), IDC_SIZENWSE }, { CPoint(118, 21), IDC_SIZENESW }, { CPoint(69, 21), IDC_SIZENS },
        { CPoint(22, 50), IDC_SIZEWE }, { CPoint(60, 50), IDC_SIZEALL },
    };
    for (const CursorCase& c : cases) {
        CPoint screen = c.point;
        m_wnd.ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        EXPECT_TRUE(tracker.SetCursor(&m_wnd, HTCLIENT));
        EXPECT_EQ(::LoadCursorA(nullptr, c.cursor), ::GetCursor());
    }
    EXPECT_FALSE(tracker.SetCursor(&m_wnd, HTCAPTION));
    CPoint outside(200, 150);
    m_wnd.ClientToScreen(&outside);
    ::SetCursorPos(outside.x, outside.y);
    EXPECT_FALSE(tracker.SetCursor(&m_wnd, HTCLIENT));
}

}  // namespace
