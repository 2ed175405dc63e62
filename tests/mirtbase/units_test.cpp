// Tenths of a millimetre and device units: the screen at 100 %, printing
// contexts through their metric mapping, and the owner's zoom.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

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

// The CUPS "PDF" printer's information context: A4 at 300 pixels per inch,
// 2479 by 3508 pixels on a page that it reports as 209 by 297 mm, so its
// metric mapping makes 0.1 mm 2479 / 2090 = 1.1861 pixels across and
// 3508 / 2970 = 1.1811 down. The expected numbers are those scales, within
// the one pixel that rounding may give.
class PrinterUnitsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hIC = ::CreateICA("WINSPOOL", "PDF", nullptr, nullptr);
        ASSERT_NE(nullptr, m_hIC) << "the PDF printer is missing";
        ASSERT_EQ(300, ::GetDeviceCaps(m_hIC, LOGPIXELSX));
        ASSERT_EQ(300, ::GetDeviceCaps(m_hIC, LOGPIXELSY));
        ASSERT_EQ(2479, ::GetDeviceCaps(m_hIC, HORZRES));
        ASSERT_EQ(209, ::GetDeviceCaps(m_hIC, HORZSIZE));
        ASSERT_EQ(3508, ::GetDeviceCaps(m_hIC, VERTRES));
        ASSERT_EQ(297, ::GetDeviceCaps(m_hIC, VERTSIZE));
    }
    void TearDown() override
    {
        if (m_hIC != nullptr)
            ::DeleteDC(m_hIC);
    }

    HDC m_hIC = nullptr;
};

// A printing context converts through the 0.1 mm mapping with y downwards,
// and gives back its mapping and viewport origin.
TEST_F(PrinterUnitsTest, MetricMappingDownwards)
{
    CBorrowedDC printer(m_hIC, m_hIC, TRUE);
    printer.SetMapMode(MM_ANISOTROPIC);
    printer.SetViewportOrg(5, 7);

    RECT rect = {100, 200, 1100, 700};
    CNPropObj::ConvertRectUnits(&printer, &rect, TRUE);
    EXPECT_NEAR(119, rect.left, 1);     // 10 mm
    EXPECT_NEAR(236, rect.top, 1);      // 20 mm
    EXPECT_NEAR(1305, rect.right, 1);   // 110 mm
    EXPECT_NEAR(827, rect.bottom, 1);   // 70 mm

    RECT back = {1181, 2362, 3543, 591};
    CNPropObj::ConvertRectUnits(&printer, &back, FALSE);
    EXPECT_NEAR(996, back.left, 1);
    EXPECT_NEAR(2000, back.top, 1);
    EXPECT_NEAR(2987, back.right, 1);
    EXPECT_NEAR(500, back.bottom, 1);

    CPoint point(254, 1000);
    CNPropObj::ConvertPointUnits(&printer, &point, TRUE);
    EXPECT_NEAR(301, point.x, 1);       // one inch
    EXPECT_NEAR(1181, point.y, 1);
    CSize size(2540, 1270);
    CNPropObj::ConvertSizeUnits(&printer, &size, TRUE);
    EXPECT_NEAR(3013, size.cx, 1);
    EXPECT_NEAR(1500, std::abs(size.cy), 1);
    EXPECT_NEAR(253, CNPropObj::ConvertLengthUnits(&printer, 300, FALSE), 1);

    EXPECT_EQ(MM_ANISOTROPIC, printer.GetMapMode());
    EXPECT_EQ(CPoint(5, 7), printer.GetViewportOrg());
}

// 12 points are 16 pixels on the screen (96 per inch) and 50 on the
// printer (300 per inch); 9 points 37 (37.5 truncated).
TEST_F(PrinterUnitsTest, PointsToPixelsAtTheVerticalResolution)
{
    EXPECT_EQ(16, CNPropObj::PointsToPixels(nullptr, 12));
    CBorrowedDC printer(m_hIC, m_hIC, TRUE);
    EXPECT_EQ(50, CNPropObj::PointsToPixels(&printer, 12));
    EXPECT_EQ(37, CNPropObj::PointsToPixels(&printer, 9));
    CBorrowedDC screenLike(m_hIC, m_hIC, FALSE);
    EXPECT_EQ(12, CNPropObj::PointsToPixels(&screenLike, 9));
}

// Values a file may hold never overflow: the results are held to the range
// of int.
TEST(UnitsTest, HostileValuesAreHeldToTheRangeOfInt)
{
    EXPECT_EQ(811748818, CNPropObj::ConvertLengthUnits(nullptr, INT_MAX, TRUE));
    EXPECT_EQ(INT_MAX, CNPropObj::ConvertLengthUnits(nullptr, INT_MAX, FALSE));
    EXPECT_EQ(INT_MIN, CNPropObj::ConvertLengthUnits(nullptr, INT_MIN, FALSE));
    EXPECT_EQ(INT_MAX, CNPropObj::PointsToPixels(nullptr, INT_MAX));
    EXPECT_EQ(INT_MIN, CNPropObj::PointsToPixels(nullptr, INT_MIN));
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
