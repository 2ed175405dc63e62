#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <vector>

#include "text/storage/line_table.h"

namespace {

ZebLineEntry Line(int n)
{
    ZebLineEntry line = {};
    line.width = n;
    line.height = n;
    return line;
}

TEST(LineTable, EntriesStayPutThroughDirectoryGrowthAndTruncation)
{
    static_assert(sizeof(ZebLineEntry) == 16, "a line entry is 16 bytes");
    ZebLineTable lines(kZebMostLines);
    ASSERT_TRUE(lines.Insert(0, Line(0)));
    const ZebLineEntry* pFirst = &lines.At(0);
    const int nMany = 256 * 100;  // the directory doubles several times
    for (int i = 1; i < nMany; ++i)
        ASSERT_TRUE(lines.Insert(i, Line(i)));
    EXPECT_EQ(pFirst, &lines.At(0));
    EXPECT_EQ(nMany - 1, lines.At(nMany - 1).height);
    const int nCapacity = lines.Capacity();
    lines.Truncate(10);
    EXPECT_EQ(10, lines.Count());
    EXPECT_EQ(nCapacity, lines.Capacity()) << "memory kept for the next layout";
    lines.Truncate(20);
    EXPECT_EQ(10, lines.Count());
    ASSERT_TRUE(lines.Insert(10, Line(77)));
    EXPECT_EQ(77, lines.At(10).height);
}

TEST(LineTable, TopsAndTheLineAtAHeightFollowAppendsRewritesAndTruncation)
{
    ZebLineTable lines(kZebMostLines);
    std::vector<int> heights;
    for (int i = 0; i < 1000; ++i)
    {
        heights.push_back(i % 7 + 1);
        ASSERT_TRUE(lines.Insert(i, Line(heights.back())));
    }
    ZebLineEntry taller = Line(40);
    lines.Set(300, taller);
    heights[300] = 40;
    ASSERT_TRUE(lines.Insert(5, Line(9)));
    heights.insert(heights.begin() + 5, 9);
    lines.Truncate(700);
    heights.resize(700);
    long long nTop = 0;
    for (int n = 0; n < 700; ++n)
    {
        ASSERT_EQ(nTop, lines.Top(n)) << n;
        long long nAt = -1;
        ASSERT_EQ(n, lines.LineAt(nTop + heights[n] - 1, &nAt)) << n;
        ASSERT_EQ(nTop, nAt);
        nTop += heights[n];
    }
    EXPECT_EQ(nTop, lines.Top(700));
    long long nAt = -1;
    EXPECT_EQ(0, lines.LineAt(-5, &nAt));
    EXPECT_EQ(699, lines.LineAt(nTop + 100, &nAt)) << "below the last line";
    EXPECT_EQ(nTop - heights[699], nAt);
    ZebLineTable none(10);
    EXPECT_EQ(-1, none.LineAt(0, &nAt));
}

// Ranges replaced by more, fewer and as many lines, near the start, across
// run boundaries and at the end: entries and every top as a model says.
TEST(LineTable, ReplacedRangesMoveTheLinesAfterThemAndKeepTheTops)
{
    ZebLineTable lines(kZebMostLines);
    std::vector<int> heights;
    for (int i = 0; i < 2000; ++i)
    {
        heights.push_back(i % 11 + 1);
        ASSERT_TRUE(lines.Insert(i, Line(heights.back())));
    }
    struct Case
    {
        int nAt, nRemove, nNew;
    };
    const Case cases[] = {{0, 1, 2},    {3, 2, 1},     {250, 3, 9},   {511, 1, 1},  {100, 300, 2},
                          {700, 0, 600}, {5, 0, 1},     {1990, 4, 0},  {0, 1, 0},    {256, 256, 300}};
    int nMark = 1000;
    for (const Case& c : cases)
    {
        std::vector<ZebLineEntry> fresh;
        for (int i = 0; i < c.nNew; ++i)
            fresh.push_back(Line(nMark + i));
        ASSERT_TRUE(lines.Replace(c.nAt, c.nRemove, fresh.data(), c.nNew)) << c.nAt;
        heights.erase(heights.begin() + c.nAt, heights.begin() + c.nAt + c.nRemove);
        for (int i = 0; i < c.nNew; ++i)
            heights.insert(heights.begin() + c.nAt + i, nMark + i);
        nMark += c.nNew;
        ASSERT_EQ(static_cast<int>(heights.size()), lines.Count()) << c.nAt;
        long long nTop = 0;
        for (int n = 0; n < lines.Count(); ++n)
        {
            ASSERT_EQ(heights[n], lines.At(n).height) << c.nAt << " line " << n;
            ASSERT_EQ(nTop, lines.Top(n)) << c.nAt << " line " << n;
            nTop += heights[n];
        }
        ASSERT_EQ(nTop, lines.Top(lines.Count())) << c.nAt;
    }
    const ZebLineEntry one = Line(1);
    EXPECT_FALSE(lines.Replace(lines.Count(), 1, &one, 1)) << "beyond the last line";
    EXPECT_FALSE(lines.Replace(-1, 0, &one, 1));
    ZebLineTable full(3);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(full.Insert(i, Line(i)));
    EXPECT_FALSE(full.Replace(1, 0, &one, 1)) << "past the most lines";
    EXPECT_EQ(3, full.Count());
    EXPECT_EQ(1, full.At(1).height);
}

// A reader on another thread reads every entry below the count it sees
// while the writer appends.
struct Reading
{
    const ZebLineTable* pLines;
    std::atomic<bool> bDone{false};
    std::atomic<bool> bWrong{false};
    std::atomic<int> nPasses{0};
};

DWORD WINAPI ReadWhileGrowing(void* pParam)
{
    auto* pReading = static_cast<Reading*>(pParam);
    while (!pReading->bDone.load())
    {
        const int nCount = pReading->pLines->Count();
        for (int i = 0; i < nCount; i += 97)
        {
            if (pReading->pLines->At(i).height != i)
                pReading->bWrong = true;
        }
        ++pReading->nPasses;
    }
    return 0;
}

TEST(LineTable, AReaderNeverSeesAnEntryMissingWhileTheTableGrows)
{
    ZebLineTable lines(kZebMostLines);
    Reading reading;
    reading.pLines = &lines;
    HANDLE hThread = ::CreateThread(nullptr, 0, ReadWhileGrowing, &reading, 0, nullptr);
    ASSERT_NE(nullptr, hThread);
    for (int i = 0; i < 300000; ++i)
        ASSERT_TRUE(lines.Insert(i, Line(i)));
    while (reading.nPasses.load() < 2)
        ::Sleep(0);
    reading.bDone = true;
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    EXPECT_FALSE(reading.bWrong.load());
}

}  // namespace
