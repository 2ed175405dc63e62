#include <gtest/gtest.h>
#include <string>
#include "afxgeom.h"

namespace {

std::string Text(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ","
        + std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

struct RectCase
{
    const char* name;
    RECT a;
    RECT b;
    BOOL (*apply)(CRect& out, const CRect& a, const CRect& b);  // out starts as a
    RECT expected;
    BOOL expectedResult;
};

BOOL Intersect(CRect& out, const CRect& a, const CRect& b) { return out.IntersectRect(a, b); }
BOOL Union(CRect& out, const CRect& a, const CRect& b) { return out.UnionRect(a, b); }
BOOL Subtract(CRect& out, const CRect& a, const CRect& b) { return out.SubtractRect(a, b); }
BOOL IntersectInPlace(CRect& out, const CRect&, const CRect& b) { out &= b; return TRUE; }
BOOL UnionInPlace(CRect& out, const CRect&, const CRect& b) { out |= b; return TRUE; }
BOOL AndOperator(CRect& out, const CRect& a, const CRect& b) { out = a & b; return TRUE; }
BOOL OrOperator(CRect& out, const CRect& a, const CRect& b) { out = a | b; return TRUE; }
BOOL Normalize(CRect& out, const CRect&, const CRect&) { out.NormalizeRect(); return TRUE; }
BOOL InflateByRect(CRect& out, const CRect&, const CRect& b) { out += &b; return TRUE; }
BOOL DeflateByRect(CRect& out, const CRect&, const CRect& b) { out -= &b; return TRUE; }
BOOL InflateBySize(CRect& out, const CRect&, const CRect& b) { out.InflateRect(CSize(b.TopLeft())); return TRUE; }
BOOL DeflateBySides(CRect& out, const CRect&, const CRect& b)
{
    out.DeflateRect(b.left, b.top, b.right, b.bottom);
    return TRUE;
}
BOOL OffsetByPoint(CRect& out, const CRect&, const CRect& b) { out += b.TopLeft(); return TRUE; }
BOOL MinusPoint(CRect& out, const CRect& a, const CRect& b) { out = a - b.TopLeft(); return TRUE; }
BOOL PlusSize(CRect& out, const CRect& a, const CRect& b) { out = a + b.Size(); return TRUE; }

const RectCase kRectCases[] = {
    { "intersect overlap", { 0, 0, 10, 10 }, { 5, 5, 20, 20 }, Intersect, { 5, 5, 10, 10 }, TRUE },
    { "intersect edge only", { 0, 0, 10, 10 }, { 10, 0, 20, 10 }, Intersect, { 0, 0, 0, 0 }, FALSE },
    { "intersect empty source", { 0, 0, 10, 10 }, { 5, 5, 5, 8 }, Intersect, { 0, 0, 0, 0 }, FALSE },
    { "intersect inverted source", { 0, 0, 10, 10 }, { 8, 8, 2, 2 }, Intersect, { 0, 0, 0, 0 }, FALSE },
    { "union disjoint", { 0, 0, 10, 10 }, { 20, 5, 30, 8 }, Union, { 0, 0, 30, 10 }, TRUE },
    { "union first empty", { 3, 3, 3, 9 }, { 1, 2, 4, 5 }, Union, { 1, 2, 4, 5 }, TRUE },
    { "union second empty", { 1, 2, 4, 5 }, { 3, 3, 3, 9 }, Union, { 1, 2, 4, 5 }, TRUE },
    { "union both empty", { 5, 5, 5, 5 }, { 1, 1, 1, 9 }, Union, { 0, 0, 0, 0 }, FALSE },
    { "subtract left strip", { 0, 0, 10, 10 }, { -5, -1, 4, 11 }, Subtract, { 4, 0, 10, 10 }, TRUE },
    { "subtract right strip", { 0, 0, 10, 10 }, { 6, 0, 10, 10 }, Subtract, { 0, 0, 6, 10 }, TRUE },
    { "subtract top strip", { 0, 0, 10, 10 }, { 0, -2, 10, 3 }, Subtract, { 0, 3, 10, 10 }, TRUE },
    { "subtract bottom strip", { 0, 0, 10, 10 }, { -1, 7, 11, 12 }, Subtract, { 0, 0, 10, 7 }, TRUE },
    { "subtract middle band", { 0, 0, 10, 10 }, { 3, -1, 6, 11 }, Subtract, { 0, 0, 10, 10 }, TRUE },
    { "subtract corner", { 0, 0, 10, 10 }, { 5, 5, 15, 15 }, Subtract, { 0, 0, 10, 10 }, TRUE },
    { "subtract disjoint", { 0, 0, 10, 10 }, { 20, 20, 30, 30 }, Subtract, { 0, 0, 10, 10 }, TRUE },
    { "subtract all", { 0, 0, 10, 10 }, { -1, -1, 11, 11 }, Subtract, { 0, 0, 0, 0 }, FALSE },
    { "&= in place", { 0, 0, 10, 10 }, { 5, -5, 20, 5 }, IntersectInPlace, { 5, 0, 10, 5 }, TRUE },
    { "|= in place", { 0, 0, 10, 10 }, { 5, -5, 20, 5 }, UnionInPlace, { 0, -5, 20, 10 }, TRUE },
    { "& operator", { 0, 0, 10, 10 }, { 5, -5, 20, 5 }, AndOperator, { 5, 0, 10, 5 }, TRUE },
    { "| operator", { 0, 0, 10, 10 }, { 5, -5, 20, 5 }, OrOperator, { 0, -5, 20, 10 }, TRUE },
    { "normalize", { 10, 20, 0, 5 }, {}, Normalize, { 0, 5, 10, 20 }, TRUE },
    { "+= rect inflates", { 10, 10, 20, 20 }, { 1, 2, 3, 4 }, InflateByRect, { 9, 8, 23, 24 }, TRUE },
    { "-= rect deflates", { 10, 10, 20, 20 }, { 1, 2, 3, 4 }, DeflateByRect, { 11, 12, 17, 16 }, TRUE },
    { "inflate by size", { 10, 10, 20, 20 }, { 1, 2, 0, 0 }, InflateBySize, { 9, 8, 21, 22 }, TRUE },
    { "deflate by sides", { 10, 10, 20, 20 }, { 1, 2, 3, 4 }, DeflateBySides, { 11, 12, 17, 16 }, TRUE },
    { "+= point offsets", { 10, 10, 20, 20 }, { 3, -4, 0, 0 }, OffsetByPoint, { 13, 6, 23, 16 }, TRUE },
    { "- point", { 10, 10, 20, 20 }, { 3, -4, 0, 0 }, MinusPoint, { 7, 14, 17, 24 }, TRUE },
    { "+ size", { 10, 10, 20, 20 }, { 0, 0, 3, -4 }, PlusSize, { 13, 6, 23, 16 }, TRUE },
};

}  // namespace

TEST(CRectTest, OperationsGiveTheExpectedRectangles)
{
    for (const RectCase& c : kRectCases)
    {
        CRect out(c.a);
        const BOOL result = c.apply(out, CRect(c.a), CRect(c.b));
        EXPECT_EQ(Text(out), Text(c.expected)) << c.name;
        EXPECT_EQ(result != FALSE, c.expectedResult != FALSE) << c.name;
    }
}

TEST(CRectTest, MeasuresAndTestsPoints)
{
    CRect r(10, 20, 40, 60);
    EXPECT_EQ(r.Width(), 30);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_TRUE(r.Size() == CSize(30, 40));
    EXPECT_TRUE(r.CenterPoint() == CPoint(25, 40));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(40, 30)));  // right and bottom edges are outside
    EXPECT_FALSE(r.PtInRect(CPoint(20, 60)));
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 9, 8, 5).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 5).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());

    r.TopLeft() = CPoint(0, 1);  // the corners alias the RECT fields
    r.BottomRight() += CSize(2, 3);
    EXPECT_EQ(Text(r), "(0,1,42,63)");
    LPRECT raw = r;
    EXPECT_EQ(raw, static_cast<RECT*>(&r));
    EXPECT_TRUE(CRect(CPoint(1, 2), CSize(3, 4)) == CRect(1, 2, 4, 6));
    EXPECT_TRUE(CRect(CPoint(1, 2), CPoint(3, 4)) != CRect(1, 2, 4, 6));
}

TEST(CPointSizeTest, Arithmetic)
{
    CPoint p(5, 7);
    EXPECT_TRUE(p + CSize(1, 2) == CPoint(6, 9));
    EXPECT_TRUE(p - CSize(1, 2) == CPoint(4, 5));
    EXPECT_TRUE(p - CPoint(2, 10) == CSize(3, -3));
    EXPECT_TRUE(-p == CPoint(-5, -7));
    EXPECT_TRUE(CSize(1, 2) + CSize(3, 4) == CSize(4, 6));
    EXPECT_TRUE(CSize(1, 2) + CPoint(3, 4) == CPoint(4, 6));
    EXPECT_TRUE(CPoint(MAKELONG(-3, 4)) == CPoint(-3, 4));
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    p.Offset(10, 0);
    EXPECT_TRUE(p == CPoint(14, 6));
    EXPECT_EQ(Text(p + CRect(0, 0, 10, 10)), "(14,6,24,16)");
}
