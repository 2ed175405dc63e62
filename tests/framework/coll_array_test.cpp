#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afxcoll.h"
#include "afxtempl.h"

namespace {

template <class ARRAY>
class CapacityProbe : public ARRAY
{
public:
    int Capacity() const { return this->m_nMaxSize; }
};

enum class ArrayOp { SetSize, Add, FreeExtra, Append, Copy };

struct GrowthStep
{
    ArrayOp op;
    int arg;     // SetSize: new size; Append, Copy: size of the other array
    int growBy;  // SetSize only
    int size;
    int capacity;
};

// One array through all steps: from no storage the size is allocated
// exactly; past the capacity it grows to the larger of the needed size and
// capacity + step, the step being size / 8 within [4, 1024] until SetSize
// gives one.
const GrowthStep kGrowthSteps[] = {
    {ArrayOp::SetSize, 3, -1, 3, 3},
    {ArrayOp::Add, 0, 0, 4, 7},
    {ArrayOp::SetSize, 7, -1, 7, 7},
    {ArrayOp::Add, 0, 0, 8, 11},
    {ArrayOp::SetSize, 40, -1, 40, 40},
    {ArrayOp::Add, 0, 0, 41, 45},
    {ArrayOp::SetSize, 10, -1, 10, 45},
    {ArrayOp::FreeExtra, 0, 0, 10, 10},
    {ArrayOp::Append, 3, 0, 13, 14},
    {ArrayOp::Copy, 30, 0, 30, 30},
    {ArrayOp::SetSize, 0, -1, 0, 0},
    {ArrayOp::SetSize, 9000, -1, 9000, 9000},
    {ArrayOp::Add, 0, 0, 9001, 10024},
    {ArrayOp::SetSize, 2, 100, 2, 10024},
    {ArrayOp::FreeExtra, 0, 0, 2, 2},
    {ArrayOp::Add, 0, 0, 3, 102},
    {ArrayOp::SetSize, 150, -1, 150, 202},
    {ArrayOp::SetSize, 0, -1, 0, 0},
    {ArrayOp::SetSize, 1, -1, 1, 1},
    {ArrayOp::Add, 0, 0, 2, 101},
};

template <class ARRAY>
void RunGrowthSteps()
{
    CapacityProbe<ARRAY> array;
    for (const GrowthStep& step : kGrowthSteps) {
        SCOPED_TRACE(testing::Message() << "step to size " << step.size);
        ARRAY other;
        other.SetSize(step.arg);
        switch (step.op) {
        case ArrayOp::SetSize: array.SetSize(step.arg, step.growBy); break;
        case ArrayOp::Add: array.Add(array.GetAt(0)); break;
        case ArrayOp::FreeExtra: array.FreeExtra(); break;
        case ArrayOp::Append: array.Append(other); break;
        case ArrayOp::Copy: array.Copy(other); break;
        }
        ASSERT_EQ(step.size, array.GetSize());
        ASSERT_EQ(step.capacity, array.Capacity());
    }
}

TEST(CollArrayTest, GrowthRule)
{
    RunGrowthSteps<CWordArray>();
    RunGrowthSteps<CArray<CPoint, CPoint>>();
}

// Elements that come back after shrinking, within or beyond the capacity,
// are zero.
TEST(CollArrayTest, NewElementsAreZero)
{
    CWordArray words;
    CArray<CPoint, CPoint> points;
    CStringArray strings;
    for (int i = 1; i <= 5; i++) {
        words.Add(static_cast<WORD>(i));
        points.Add(CPoint(i, i));
        strings.Add("s");
    }
    for (int size : {2, 5, 2, 50}) {
        words.SetSize(size);
        points.SetSize(size);
        strings.SetSize(size);
    }
    for (int i = 2; i < 50; i++) {
        EXPECT_EQ(0, words[i]) << i;
        EXPECT_EQ(CPoint(0, 0), points[i]) << i;
        EXPECT_TRUE(strings[i].IsEmpty()) << i;
    }
}

std::string Contents(const CStringArray& array)
{
    std::string s;
    for (int i = 0; i < array.GetSize(); i++)
        s += std::string(array[i]) + ",";
    return s;
}

struct ArrayCase
{
    const char* name;
    std::function<void(CStringArray&)> apply;
    const char* expected;  // after apply on the array a,b,c
};

TEST(CollArrayTest, Operations)
{
    const ArrayCase cases[] = {
        {"InsertAt", [](CStringArray& a) { a.InsertAt(1, "x"); }, "a,x,b,c,"},
        {"InsertAt several", [](CStringArray& a) { a.InsertAt(1, "x", 2); }, "a,x,x,b,c,"},
        {"InsertAt past the end", [](CStringArray& a) { a.InsertAt(5, "x"); }, "a,b,c,,,x,"},
        {"InsertAt an array",
         [](CStringArray& a) {
             CStringArray other;
             other.Add("x");
             other.Add("y");
             a.InsertAt(0, &other);
         },
         "x,y,a,b,c,"},
        {"InsertAt itself", [](CStringArray& a) { a.InsertAt(2, &a); }, "a,b,a,b,c,c,"},
        {"RemoveAt", [](CStringArray& a) { a.RemoveAt(1); }, "a,c,"},
        {"RemoveAt several at the start", [](CStringArray& a) { a.RemoveAt(0, 2); }, "c,"},
        {"RemoveAt several at the end", [](CStringArray& a) { a.RemoveAt(1, 2); }, "a,"},
        {"SetAtGrow past the end", [](CStringArray& a) { a.SetAtGrow(4, "x"); }, "a,b,c,,x,"},
        {"SetAtGrow inside", [](CStringArray& a) { a.SetAtGrow(1, "x"); }, "a,x,c,"},
        {"Add", [](CStringArray& a) { EXPECT_EQ(3, a.Add("x")); }, "a,b,c,x,"},
        {"Add its own element when full",
         [](CStringArray& a) {
             a.FreeExtra();
             a.Add(a[0]);
         },
         "a,b,c,a,"},
        {"Append",
         [](CStringArray& a) {
             CStringArray other;
             other.Add("x");
             EXPECT_EQ(3, a.Append(other));
         },
         "a,b,c,x,"},
        {"Append itself", [](CStringArray& a) { a.Append(a); }, "a,b,c,a,b,c,"},
        {"Copy",
         [](CStringArray& a) {
             CStringArray other;
             other.Add("x");
             a.Copy(other);
         },
         "x,"},
        {"ElementAt", [](CStringArray& a) { a.ElementAt(1) = "x"; }, "a,x,c,"},
        {"operator[]", [](CStringArray& a) { a[2] = "x"; }, "a,b,x,"},
        {"SetAt", [](CStringArray& a) { a.SetAt(0, "x"); }, "x,b,c,"},
        {"GetData",
         [](CStringArray& a) {
             EXPECT_EQ(2, a.GetUpperBound());
             EXPECT_STREQ("b", a.GetData()[1]);
             EXPECT_STREQ("c", a.GetAt(2));
         },
         "a,b,c,"},
        {"RemoveAll", [](CStringArray& a) { a.RemoveAll(); }, ""},
    };
    for (const ArrayCase& c : cases) {
        SCOPED_TRACE(c.name);
        CStringArray array;
        for (const char* s : {"a", "b", "c"})
            array.Add(s);
        c.apply(array);
        EXPECT_EQ(c.expected, Contents(array));
    }
}

// A point given by reference into the array stays valid while the array
// moves to larger storage.
TEST(CollArrayTest, AddingOwnElementByReferenceSurvivesGrowth)
{
    CArray<CPoint, const CPoint&> points;
    points.Add(CPoint(3, 4));
    for (int i = 0; i < 40; i++) {
        points.Add(points[0]);
        points.InsertAt(0, points[points.GetUpperBound()]);
        points.SetAtGrow(points.GetSize(), points[1]);
    }
    ASSERT_EQ(121, points.GetSize());
    for (int i = 0; i < points.GetSize(); i++)
        ASSERT_EQ(CPoint(3, 4), points[i]) << i;
}

// Counts its live instances. Like framework objects it cannot be copy
// constructed, only assigned.
class CTracked : public CObject
{
public:
    CTracked() { s_live++; }
    ~CTracked() override { s_live--; }
    CTracked& operator=(const CTracked& other)
    {
        m_value = other.m_value;
        return *this;
    }
    int m_value = 0;
    static int s_live;
};
int CTracked::s_live = 0;

TEST(CollArrayTest, ElementsAreConstructedAndDestroyedOnce)
{
    {
        CTracked seven;
        seven.m_value = 7;
        CTracked nine;
        nine.m_value = 9;
        CArray<CTracked, const CTracked&> array;
        auto expectValues = [&array](std::vector<int> values) {
            ASSERT_EQ(static_cast<int>(values.size()), array.GetSize());
            EXPECT_EQ(array.GetSize() + 2, CTracked::s_live);
            for (int i = 0; i < array.GetSize(); i++)
                EXPECT_EQ(values[i], array.ElementAt(i).m_value) << i;
        };
        array.SetSize(3);
        expectValues({0, 0, 0});
        array.InsertAt(1, seven, 2);
        expectValues({0, 7, 7, 0, 0});
        array.RemoveAt(0, 2);
        expectValues({7, 0, 0});
        array.SetAtGrow(40, nine);
        ASSERT_EQ(41, array.GetSize());
        EXPECT_EQ(43, CTracked::s_live);
        EXPECT_EQ(7, array.ElementAt(0).m_value);
        EXPECT_EQ(9, array.ElementAt(40).m_value);
        array.SetSize(2);
        array.FreeExtra();
        expectValues({7, 0});
    }
    EXPECT_EQ(0, CTracked::s_live);
}

}  // namespace
