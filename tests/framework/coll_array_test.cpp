#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afxcoll.h"
#include "afxtempl.h"

namespace {

// Adding one element at a time moves the elements to new storage a few
// times only (the storage grows with the array), and keeps every value.
template <class ARRAY>
void AddMany(int nCount)
{
    ARRAY array;
    const void* pData = nullptr;
    int nMoves = 0;
    for (int i = 0; i < nCount; i++) {
        array.Add(static_cast<WORD>(i));
        nMoves += array.GetData() != pData ? 1 : 0;
        pData = array.GetData();
    }
    ASSERT_EQ(nCount, array.GetSize());
    EXPECT_LE(nMoves, 40);
    int nIntact = 0;
    for (int i = 0; i < nCount; i++)
        nIntact += array[i] == static_cast<WORD>(i) ? 1 : 0;
    EXPECT_EQ(nCount, nIntact);
}

TEST(CollArrayTest, LargeArrayBuiltByAdding)
{
    AddMany<CWordArray>(100000);
    AddMany<CArray<DWORD, DWORD>>(100000);
}

// What SetSize, FreeExtra, Append and Copy leave, in size and values.
TEST(CollArrayTest, SizesFollowTheOperations)
{
    CWordArray array;
    array.SetSize(3);
    array[2] = 7;
    array.Add(8);
    EXPECT_EQ(4, array.GetSize());
    array.SetSize(40, 100);
    EXPECT_EQ(40, array.GetSize());
    EXPECT_EQ(8, array[3]);
    EXPECT_EQ(0, array[39]);
    array.SetSize(2);
    array.FreeExtra();
    EXPECT_EQ(2, array.GetSize());
    CWordArray other;
    other.SetSize(3);
    other[2] = 5;
    EXPECT_EQ(2, array.Append(other));
    EXPECT_EQ(5, array.GetSize());
    EXPECT_EQ(5, array[4]);
    array.Copy(other);
    EXPECT_EQ(3, array.GetSize());
    EXPECT_EQ(5, array[2]);
    array.SetSize(0);
    EXPECT_EQ(0, array.GetSize());
    EXPECT_EQ(nullptr, array.GetData());
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
