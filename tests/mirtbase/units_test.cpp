// Tenths of a millimetre and device units: the screen at 100 %, printing
// contexts through their metric mapping, and the owner's zoom.
#include <gtest/gtest.h>

#include "canvas.h"
#include "field_fixture.h"

namespace {

TEST(UnitsTest, ScreenLengthsTruncateTowardZero)
{
    struct Case
    {
        int nValue;
        int bToDevice;
        int nExpected;
    };
    const Case cases[] = {
        {1000, TRUE, 378}, {378, FALSE, 1000}, {1, TRUE, 0}, {999, TRUE, 377}, {-999, TRUE, -377},
        {1, FALSE, 2}, {-1, FALSE, -2}, {0, TRUE, 0},
    };
    MemoryCanvas canvas(10, 10);
    CBorrowedDC screen(canvas.dc(), canvas.dc(), FALSE);
    for (const Case& c : cases) {
        EXPECT_EQ(c.nExpected, CNPropObj::ConvertLengthUnits(&screen, c.nValue, c.bToDevice)) << c.nValue;
        EXPECT_EQ(c.nExpected, CNPropObj::ConvertLengthUnits(nullptr, c.nValue, c.bToDevice)) << c.nValue;
    }
}

TEST(UnitsTest, ScreenRectangleSizeAndPoint)
{
    RECT rect = {1000, 2000, 3000, -1000};
    CNPropObj::ConvertRectUnits(nullptr, &rect, TRUE);
    const RECT expected = {378, 756, 1134, -378};
    EXPECT_TRUE(::EqualRect(&expected, &rect));
    CSize size(1000, 500);
    CNPropObj::ConvertSizeUnits(nullptr, &size, TRUE);
    EXPECT_EQ(CSize(378, 189), size);
    CPoint point(378, 189);
    CNPropObj::ConvertPointUnits(nullptr, &point, FALSE);
    EXPECT_EQ(CPoint(1000, 500), point);
}

// A printing context converts through the 0.1 mm mapping with y downwards,
// and gives back its mapping and viewport origin.
TEST(UnitsTest, PrintingContextUsesTheMetricMappingDownwards)
{
    MemoryCanvas canvas(10, 10);
    CBorrowedDC printer(canvas.dc(), canvas.dc(), TRUE);
    printer.SetMapMode(MM_ANISOTROPIC);
    printer.SetViewportOrg(5, 7);

    // 0.1 mm in pixels of this device, as its metric mapping has it.
    const double dPixels = static_cast<double>(printer.GetDeviceCaps(HORZRES)) /
                           (printer.GetDeviceCaps(HORZSIZE) * 10.0);
    RECT rect = {100, 200, 1100, 700};
    CNPropObj::ConvertRectUnits(&printer, &rect, TRUE);
    EXPECT_NEAR(100 * dPixels, rect.left, 1.0);
    EXPECT_NEAR(200 * dPixels, rect.top, 1.0);
    EXPECT_NEAR(1100 * dPixels, rect.right, 1.0);
    EXPECT_NEAR(700 * dPixels, rect.bottom, 1.0);

    CNPropObj::ConvertRectUnits(&printer, &rect, FALSE);
    EXPECT_NEAR(100, rect.left, 3);
    EXPECT_NEAR(200, rect.top, 3);
    EXPECT_NEAR(700, rect.bottom, 3);

    CPoint point(0, 1000);
    CNPropObj::ConvertPointUnits(&printer, &point, TRUE);
    EXPECT_NEAR(1000 * dPixels, point.y, 1.0);
    CSize size(1000, 1000);
    CNPropObj::ConvertSizeUnits(&printer, &size, TRUE);
    EXPECT_NEAR(1000 * dPixels, size.cx, 1.0);
    EXPECT_GT(size.cy, 0);

    EXPECT_EQ(MM_ANISOTROPIC, printer.GetMapMode());
    EXPECT_EQ(CPoint(5, 7), printer.GetViewportOrg());
}

TEST(UnitsTest, PointsToPixelsAtTheVerticalResolution)
{
    EXPECT_EQ(16, CNPropObj::PointsToPixels(nullptr, 12));
    MemoryCanvas canvas(10, 10);
    CBorrowedDC printer(canvas.dc(), canvas.dc(), TRUE);
    EXPECT_EQ(12 * printer.GetDeviceCaps(LOGPIXELSY) / 72, CNPropObj::PointsToPixels(&printer, 12));
}

// The device rectangle follows the owner's zoom, truncated.
TEST(UnitsTest, DeviceRectangleAtTheOwnersZoom)
{
    struct Case
    {
        UINT nPercent;
        RECT expected;
    };
    const Case cases[] = {
        {100, {0, 37, 378, 226}},
        {150, {0, 55, 567, 339}},
    };
    MemoryCanvas canvas(10, 10);
    CBorrowedDC screen(canvas.dc(), canvas.dc(), FALSE);
    for (const Case& c : cases) {
        CTestFormWnd form;
        form.SetPercent(c.nPercent);
        CTestField field(MakeBlock(1, {0, 100, 1000, 600}), 0, 0);
        field.m_pOwner = &form;
        RECT whole, first, second;
        field.GetDrawRects(&screen, &whole, &first, &second);
        EXPECT_TRUE(::EqualRect(&c.expected, &whole)) << c.nPercent << ": " << whole.left << "," << whole.top
                                                       << "," << whole.right << "," << whole.bottom;
        EXPECT_TRUE(::IsRectEmpty(&first));
        EXPECT_TRUE(::IsRectEmpty(&second));
    }
    CTestField alone(MakeBlock(1, {0, 100, 1000, 600}), 0, 0);
    alone.CalcDeviceRect(nullptr);
    EXPECT_TRUE(::EqualRect(&cases[0].expected, &alone.m_rcDevice));
}

}  // namespace
