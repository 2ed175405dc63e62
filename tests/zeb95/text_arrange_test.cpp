#include <gtest/gtest.h>

#include <vector>

#include "text/paint/line_arrange.h"
#include "text/paint/paint_fonts.h"
#include "text/paint/zoom_output.h"

namespace {

// Where each item starts when the pen walks the advances from nStart;
// entries of 0 (trail bytes) and -1 are no items.
std::vector<int> Starts(const std::vector<int>& advances, int nStart = 0)
{
    std::vector<int> starts;
    int nPen = nStart;
    for (int nAdvance : advances)
    {
        if (nAdvance > 0)
            starts.push_back(nPen);
        nPen += nAdvance > 0 ? nAdvance : 0;
    }
    return starts;
}

struct JustifyCase
{
    const char* name;
    std::vector<int> advances;  // natural, trail bytes 0
    int nItems;
    int nFree;
    std::vector<int> starts;
};

// Worked out by hand from the share, remainder and error term.
TEST(JustifyAdvances, HandWorkedLines)
{
    const JustifyCase cases[] = {
        {"five of 10 in 100: q 12, r 2", {10, 10, 10, 10, 10}, 5, 50, {0, 22, 45, 67, 90}},
        {"four of 10 in 100", {10, 10, 10, 10}, 4, 60, {0, 30, 60, 90}},
        {"double-byte 20, single 10, double-byte 20", {20, 0, 10, 20, 0}, 3, 50, {0, 45, 80}},
        {"three of 10, mark 8 left out of the free space", {10, 10, 10}, 3, 100 - 30 - 8, {0, 41, 82}},
        {"bitmap 30 and two characters", {30, 10, 10}, 3, 50, {0, 55, 90}},
        {"four of 10 in 98: q 19, r 1", {10, 10, 10, 10}, 4, 58, {0, 29, 59, 88}},
        {"one item stays", {10}, 1, 90, {0}},
        {"no free space stays", {10, 10}, 2, -5, {0, 10}},
    };
    for (const JustifyCase& c : cases)
    {
        std::vector<int> advances = c.advances;
        JustifyAdvances(advances.data(), static_cast<int>(advances.size()), c.nItems, c.nFree);
        EXPECT_EQ(c.starts, Starts(advances)) << c.name;
    }
}

// Gaps 1..g that get the extra pixel.
std::vector<int> WideGaps(int nGaps, int nRemainder)
{
    std::vector<int> advances(static_cast<size_t>(nGaps) + 1, 10);
    JustifyAdvances(advances.data(), static_cast<int>(advances.size()), nGaps + 1, nGaps * 5 + nRemainder);
    std::vector<int> wide;
    for (int i = 0; i < nGaps; ++i)
    {
        if (advances[static_cast<size_t>(i)] == 16)
            wide.push_back(i + 1);
    }
    return wide;
}

TEST(JustifyAdvances, RemainderSpreadByTheErrorTerm)
{
    EXPECT_EQ(std::vector<int>({2}), WideGaps(2, 1));
    EXPECT_EQ(std::vector<int>({3}), WideGaps(4, 1));
    EXPECT_EQ(std::vector<int>({4}), WideGaps(6, 1));
    EXPECT_EQ(std::vector<int>({2, 4}), WideGaps(4, 2));
    EXPECT_EQ(std::vector<int>({1, 3, 4}), WideGaps(4, 3));
    EXPECT_EQ(std::vector<int>({2, 4, 6}), WideGaps(6, 3));
}

TEST(JustifyAdvances, HugeFreeSpaceStaysInRange)
{
    std::vector<int> advances = {10, 10};
    JustifyAdvances(advances.data(), 2, 2, 1LL << 40);
    EXPECT_EQ(INT_MAX, advances[0]);
}

TEST(CentredStart, FewerThanTwoItems)
{
    EXPECT_EQ(41, CentredStart(100, 10, 8)) << "one character and a line-feed mark";
    EXPECT_EQ(46, CentredStart(100, 0, 8)) << "an empty paragraph";
    EXPECT_EQ(0, CentredStart(100, 120, 0)) << "wider than the line";
}

ZebUserCell Cell(int nLeft, int nRight, int nCapacity)
{
    return {static_cast<WORD>(nLeft), static_cast<WORD>(nRight), static_cast<WORD>(nCapacity), 0};
}

TEST(UserCells, UsableCellsAreClippedAtTheWidth)
{
    const ZebUserCell cells[] = {Cell(0, 40, 2), Cell(50, 90, 2), Cell(100, 150, 2)};
    ZebUsableCells all = FindUsableCells(cells, 3, 200);
    EXPECT_EQ(3, all.nCount);
    EXPECT_EQ(50, all.nLastWidth);
    EXPECT_EQ(150, all.nRunEnd);
    ZebUsableCells clipped = FindUsableCells(cells, 3, 120);
    EXPECT_EQ(3, clipped.nCount);
    EXPECT_EQ(20, clipped.nLastWidth);
    EXPECT_EQ(120, clipped.nRunEnd);
    ZebUsableCells dropped = FindUsableCells(cells, 3, 95);
    EXPECT_EQ(2, dropped.nCount);
    EXPECT_EQ(40, dropped.nLastWidth);
    EXPECT_EQ(90, dropped.nRunEnd);
}

struct CellCase
{
    const char* name;
    std::vector<ZebUserCell> cells;
    int nAlign;
    bool bBackward;
    std::vector<int> advances;  // trail bytes -1
    int nStart;
    std::vector<int> starts;
};

TEST(UserCells, HandWorkedFillings)
{
    const CellCase cases[] = {
        {"mode 5: right in one cell", {Cell(0, 100, 4)}, 1, false, {10, 10}, 80, {80, 90}},
        {"mode 6: centred in two cells", {Cell(0, 40, 2), Cell(50, 90, 2)}, 2, false, {10, 10, 10, 10}, 10,
         {10, 20, 60, 70}},
        {"mode 9: right, backward", {Cell(0, 40, 2), Cell(50, 90, 2)}, 1, true, {10, 10, 10}, 30, {30, 70, 80}},
        {"mode 8: left, backward", {Cell(0, 40, 2), Cell(50, 90, 2)}, 0, true, {10, 10, 10}, 0, {0, 50, 60}},
        {"mode 10: centred, backward", {Cell(0, 40, 2), Cell(50, 90, 2)}, 2, true, {10, 10, 10}, 15, {15, 60, 70}},
        {"wider than its cell, forward", {Cell(20, 40, 4)}, 1, false, {10, 10, 10}, 20, {20, 30, 40}},
        {"wider than its cell, backward", {Cell(20, 40, 4)}, 0, true, {10, 10, 10}, 10, {10, 20, 30}},
        {"a double-byte character is never split", {Cell(0, 20, 1), Cell(20, 40, 2)}, 0, false, {16, -1}, 20,
         {20}},
    };
    for (const CellCase& c : cases)
    {
        std::vector<int> advances = c.advances;
        const int nCells = static_cast<int>(c.cells.size());
        const ZebUsableCells usable = FindUsableCells(c.cells.data(), nCells, 198);
        const int nBytes = static_cast<int>(advances.size());
        const int nStart = c.bBackward ? FillCellsBackward(c.cells.data(), usable, c.nAlign, advances.data(), nBytes)
                                       : FillCellsForward(c.cells.data(), usable, c.nAlign, advances.data(), nBytes);
        EXPECT_EQ(c.nStart, nStart) << c.name;
        EXPECT_EQ(c.starts, Starts(advances, nStart)) << c.name;
    }
}

TEST(UserCells, SecondCharacterOfMode6GrowsByThirty)
{
    const ZebUserCell cells[] = {Cell(0, 40, 2), Cell(50, 90, 2)};
    std::vector<int> advances = {10, 10, 10, 10};
    FillCellsForward(cells, FindUsableCells(cells, 2, 198), 2, advances.data(), 4);
    EXPECT_EQ(std::vector<int>({10, 40, 10, 10}), advances);
}

TEST(PaintGeometry, VerticalOffsetInALine)
{
    struct
    {
        int nExtent, nVPos, d;
    } const cases[] = {{14, 0, 6}, {14, -3, 3}, {14, -6, 0}, {14, 2, 4}, {14, 10, 0}, {20, -3, 0}, {25, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.d, VerticalOffset(20, c.nExtent, c.nVPos)) << c.nExtent << " " << c.nVPos;
}

TEST(PaintGeometry, TextOriginByDirection)
{
    struct
    {
        int nDirection, bVertical;
        long long x, y;
    } const cases[] = {{0, 0, 0, 3},   {1, 0, 0, 20},  {2, 0, 10, 20}, {3, 0, 10, 3},
                       {0, 1, -20, 0}, {1, 1, -20, 10}, {2, 1, -3, 10}, {3, 1, -3, 0}};
    for (const auto& c : cases)
    {
        long long x = 0;
        long long y = 0;
        PlaceTextOrigin(10, 14, 20, 3, c.nDirection, c.bVertical, &x, &y);
        EXPECT_EQ(c.x, x) << c.nDirection << " " << c.bVertical;
        EXPECT_EQ(c.y, y) << c.nDirection << " " << c.bVertical;
    }
}

TEST(PaintGeometry, ZoomAndDeviceScaling)
{
    EXPECT_EQ(11, ZoomScaled(7, 150));
    EXPECT_EQ(-10, ZoomScaled(-7, 150));
    EXPECT_EQ(INT_MAX, ZoomScaled(INT_MAX, 1000)) << "held in range";
    LOGFONTA lf = {};
    lf.lfHeight = 20;
    lf.lfWidth = 3;
    const LOGFONTA zoomed = ZebPaintFonts::Scaled(lf, ZebPaintTarget::Zoomed, 150, {1, 1}, {1, 1});
    EXPECT_EQ(29, zoomed.lfHeight) << "x 150 / 101";
    EXPECT_EQ(4, zoomed.lfWidth);
    lf.lfHeight = 16;
    const LOGFONTA printed = ZebPaintFonts::Scaled(lf, ZebPaintTarget::Device, 100, {96, 96}, {600, 600});
    EXPECT_EQ(100, printed.lfHeight);
    EXPECT_EQ(18, printed.lfWidth);
    const ZebZoomContext zoom = MakeZoomContext(150, {10, 0});
    EXPECT_EQ(15, zoom.nScaledOriginX);
    EXPECT_EQ(0, ZoomMapX(0, zoom)) << "the scroll origin at the corner";
    EXPECT_EQ(11, ZoomMapX(7, zoom));
}

}  // namespace
