#include <gtest/gtest.h>

#include <vector>

#include "line/line_capture.h"
#include "line/line_draw.h"
#include "line/line_record.h"
#include "objects/child_painter.h"
#include "canvas.h"
#include "pic_fixtures.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

TEST(LineGeometry, RectangleInsetByHalfThePen)
{
    const RECT rcClient = {0, 0, 100, 10};
    const struct
    {
        LONG nWidth;
        RECT want;
    } kCases[] = {
        {-3, {0, 0, 99, 9}}, {0, {0, 0, 99, 9}}, {1, {0, 0, 99, 9}},
        {2, {1, 1, 99, 9}},  {3, {1, 1, 98, 8}}, {4, {2, 2, 98, 8}},
    };
    for (const auto& c : kCases) {
        const RECT rc = LineRect(rcClient, c.nWidth);
        EXPECT_TRUE(::EqualRect(&c.want, &rc)) << c.nWidth << ": " << rc.left << "," << rc.top << "," << rc.right
                                              << "," << rc.bottom;
    }
}

// Lines on a whiteboard, painted white on black.
class Lines : public OnWhiteBoard
{
protected:
    HWND Make(int cx, int cy, WORD wForm, LONG nWidth = 1, LONG nStyle = PS_SOLID, int x = 0, int y = 0)
    {
        ZebLineCreateInfo info = {};
        info.dwMask = ZEBLINE_COLOR | ZEBLINE_DRAWFORM | ZEBLINE_DRAWWIDTH | ZEBLINE_DRAWSTYLE;
        info.x = x;
        info.y = y;
        info.cx = cx;
        info.cy = cy;
        info.crColor = kWhite;
        info.wDrawForm = wForm;
        info.nDrawWidth = nWidth;
        info.nDrawStyle = nStyle;
        HWND hLine = zebCreateObjLine(m_hWb, &info, nullptr);
        Pump();
        return hLine;
    }
};

TEST_F(Lines, CreatedTransparentWithItsDefaults)
{
    LONG nIndex = -1;
    HWND hLine = zebCreateObjLine(m_hWb, nullptr, &nIndex);
    ASSERT_NE(nullptr, hLine);
    EXPECT_EQ(0, nIndex);
    EXPECT_EQ(WS_EX_TRANSPARENT, ::GetWindowLongPtrA(hLine, GWL_EXSTYLE));
    EXPECT_EQ(0, ::GetWindowLongPtrA(hLine, GWL_STYLE) & WS_BORDER);
    ZebLineRecord& rec = *ZebLineRecord::Of(hLine);
    EXPECT_TRUE(rec.Head().IsTransparent());
    EXPECT_EQ(1u, rec.Head().ViewMode());
    EXPECT_EQ(ZEBLINE_DIAGONAL, zebGetDrawForm(hLine));
    EXPECT_EQ(R2_COPYPEN, zebGetDrawMode(hLine));
    EXPECT_EQ(PS_SOLID, zebGetDrawStyle(hLine));
    EXPECT_EQ(1, zebGetDrawWidth(hLine));
    EXPECT_EQ(0, zebGetForeColor(hLine));

    ZebLineCreateInfo info = {};
    info.dwMask = 0x7FC;
    info.cx = 30;
    info.cy = 20;
    info.hCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    info.nPointerNumber = 3;
    info.crColor = RGB(1, 2, 3);
    info.wDrawForm = 0x0F;
    info.nDrawMode = R2_NOT;
    info.nDrawStyle = PS_DOT;
    info.nDrawWidth = 3;
    info.nViewMode = 0;
    info.nGridCx = 4;
    info.nGridCy = 6;
    LONG nSecond = -1;
    HWND hBox = zebCreateObjLine(m_hWb, &info, &nSecond);
    EXPECT_EQ(1, nSecond);
    EXPECT_EQ(0x0F, zebGetDrawForm(hBox));
    EXPECT_EQ(R2_NOT, zebGetDrawMode(hBox));
    EXPECT_EQ(PS_DOT, zebGetDrawStyle(hBox));
    EXPECT_EQ(3, zebGetDrawWidth(hBox));
    EXPECT_EQ(static_cast<LONG>(RGB(1, 2, 3)), zebGetForeColor(hBox));
    EXPECT_EQ(0, zebGetViewMode(hBox));
    EXPECT_EQ(3, zebGetMousePointer(hBox));
    EXPECT_NE(nullptr, GetObjRecord(hBox)->Cursor());
    SIZE grid = {};
    EXPECT_EQ(1, zebGetGridSize(hBox, &grid));
    EXPECT_EQ(4, grid.cx);
    EXPECT_EQ(6, grid.cy);
}

// A box of width 1 lies on the outermost pixels, its closing corner
// included.
TEST_F(Lines, BoxDrawsEveryEdgePixel)
{
    HWND hLine = Make(20, 10, 0x0F);
    ClientImage image(hLine);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(kWhite, image.At(x, 0)) << x;
        EXPECT_EQ(kWhite, image.At(x, 9)) << x;
    }
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(kWhite, image.At(0, y)) << y;
        EXPECT_EQ(kWhite, image.At(19, y)) << y;
    }
    EXPECT_FALSE(image.AnyBut({1, 1, 19, 9}, kBlack)) << "the inside stays";
}

TEST_F(Lines, RuleEndsBeforeItsEndPoint)
{
    HWND hLine = Make(100, 10, ZEBLINE_TOP);
    ClientImage image(hLine);
    EXPECT_EQ(kWhite, image.At(0, 0));
    EXPECT_EQ(kWhite, image.At(98, 0));
    EXPECT_EQ(kBlack, image.At(99, 0)) << "the end point is not set";
    EXPECT_FALSE(image.AnyBut({0, 1, 100, 10}, kBlack));
}

TEST_F(Lines, WidePenRunsInsideTheWindow)
{
    HWND hLine = Make(100, 10, ZEBLINE_TOP, 4);
    ClientImage image(hLine);
    EXPECT_EQ(kWhite, image.At(50, 2));
    EXPECT_EQ(kWhite, image.At(50, 1));
    EXPECT_EQ(kBlack, image.At(50, 8));
    zebSetDrawWidth(hLine, 0);
    ClientImage thin(hLine);
    EXPECT_EQ(kWhite, thin.At(50, 0)) << "width 0 draws as 1";
    EXPECT_EQ(kBlack, thin.At(50, 1));
}

// The gaps of a dashed line take the device context's background.
TEST_F(Lines, DashedLineHasGaps)
{
    const COLORREF kRed = RGB(255, 0, 0);
    for (const LONG nStyle : {PS_SOLID, PS_DASH}) {
        HWND hLine = Make(100, 10, ZEBLINE_TOP, 1, nStyle);
        zebSetForeColor(hLine, kRed);
        ClientImage image(hLine);
        EXPECT_EQ(nStyle == PS_DASH, image.AnyBut({0, 0, 99, 1}, kRed)) << nStyle;
        EXPECT_EQ(kRed, image.At(0, 0)) << nStyle;
    }
}

TEST_F(Lines, CrossAndNothing)
{
    HWND hLine = Make(20, 20, ZEBLINE_DIAGONAL | ZEBLINE_DIAGONAL2);
    {
        ClientImage image(hLine);
        EXPECT_EQ(kWhite, image.At(0, 0));
        EXPECT_EQ(kWhite, image.At(10, 10));
        EXPECT_EQ(kWhite, image.At(19, 0));
        EXPECT_EQ(kBlack, image.At(10, 0));
    }
    zebSetDrawForm(hLine, 0);
    ClientImage image(hLine);
    EXPECT_FALSE(image.AnyBut({0, 0, 20, 20}, kBlack));
}

TEST_F(Lines, MixModeInvertsWhatLiesBelow)
{
    HWND hLine = Make(20, 10, ZEBLINE_TOP);
    zebSetForeColor(hLine, kBlack);
    zebSetDrawMode(hLine, R2_NOT);
    ClientImage image(hLine);
    EXPECT_EQ(kWhite, image.At(5, 0)) << "black inverted, whatever the pen";
}

TEST_F(Lines, ClicksGoThroughInViewMode)
{
    HWND hLine = Make(40, 40, 0x0F, 1, PS_SOLID, 20, 20);
    RECT rc;
    ::GetWindowRect(hLine, &rc);
    const LPARAM pt = MAKELPARAM(rc.left + 20, rc.top + 20);
    EXPECT_EQ(HTTRANSPARENT, ::SendMessageA(hLine, WM_NCHITTEST, 0, pt));
    zebSetViewMode(hLine, 0);
    EXPECT_EQ(HTCAPTION, ::SendMessageA(hLine, WM_NCHITTEST, 0, pt));
}

TEST_F(Lines, DrawnIntoTheWhiteBoardsCaptureAtItsPlace)
{
    HWND hLine = Make(30, 5, ZEBLINE_TOP, 1, PS_SOLID, 10, 20);
    const ZebChildPainter painter = DrawLineChildToDC;
    MemoryCanvas canvas(300, 200, kBlack);
    ASSERT_EQ(1, painter(m_hWb, hLine, canvas.dc(), {0, 0, 300, 200}, nullptr));
    EXPECT_EQ(kWhite, canvas.pixel(15, 20));
    EXPECT_EQ(kBlack, canvas.pixel(15, 21));
    EXPECT_EQ(kBlack, canvas.pixel(5, 20));
    EXPECT_EQ(0, painter(m_hWb, hLine, canvas.dc(), {100, 100, 300, 200}, nullptr)) << "outside the clip";
    HWND hPic = zebCreateObjPic(m_hWb, nullptr, nullptr);
    EXPECT_EQ(0, painter(m_hWb, hPic, canvas.dc(), {0, 0, 300, 200}, nullptr)) << "not a line";
}

TEST_F(Lines, OnlyTheChangedEventIsPosted)
{
    HWND hLine = Make(30, 5, ZEBLINE_TOP);
    { ClientImage image(hLine); }
    ::SendMessageA(hLine, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::SendMessageA(hLine, WM_LBUTTONUP, 0, 0);
    ::SetWindowPos(hLine, nullptr, 7, 8, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    Pump();
    ASSERT_FALSE(m_parent.received.empty());
    EXPECT_EQ(501, m_parent.received[0].nCode);
    EXPECT_EQ(7, GetObjRecord(hLine)->Position().x);
}

}  // namespace
