// Paper matching of form sizes against printer paper lists.
#include <gtest/gtest.h>
#include "printing/papermatch.h"

namespace {

PaperLists MakeLists(std::initializer_list<std::pair<WORD, POINT>> papers)
{
    PaperLists lists;
    for (const auto& paper : papers) {
        lists.codes.push_back(paper.first);
        lists.sizes.push_back(paper.second);
    }
    return lists;
}

const PaperLists kNoLists;
const PaperLists kCommon = MakeLists({{DMPAPER_A3, {2970, 4200}}, {DMPAPER_A4, {2100, 2970}},
                                      {DMPAPER_A5, {1480, 2100}}, {DMPAPER_B4, {2570, 3640}},
                                      {DMPAPER_B5, {1820, 2570}}, {DMPAPER_JAPANESE_POSTCARD, {1000, 1480}},
                                      {DMPAPER_USER, {0, 0}}});
// No A3, a listed 420 x 297 mm paper under its own code.
const PaperLists kWideListed = MakeLists({{DMPAPER_A4, {2100, 2970}}, {300, {4190, 2975}}, {DMPAPER_USER, {0, 0}}});
const PaperLists kUserOnly = MakeLists({{DMPAPER_A5, {1480, 2100}}, {DMPAPER_USER, {0, 0}}});
const PaperLists kA4Only = MakeLists({{DMPAPER_A4, {2100, 2970}}});

struct MatchCase
{
    const char* name;
    int nWidth, nHeight;
    const PaperLists* pLists;
    short nOrientation, nPaper, nPaperWidth, nPaperLength;
};

// A settings record as the matching leaves it; paper code 99 and user size
// 1 x 1 mark what it must leave alone.
DEVMODEA Matched(const MatchCase& c)
{
    DEVMODEA mode = {};
    mode.dmPaperSize = 99;
    mode.dmPaperWidth = 1;
    mode.dmPaperLength = 1;
    MatchPaper(c.nWidth, c.nHeight, *c.pLists, mode);
    return mode;
}

const short P = DMORIENT_PORTRAIT;
const short L = DMORIENT_LANDSCAPE;

const MatchCase kCases[] = {
    {"A4 within tolerance", 2103, 2973, &kCommon, P, DMPAPER_A4, 1, 1},
    {"A4 low edge", 2096, 2966, &kCommon, P, DMPAPER_A4, 1, 1},
    {"A4 width too wide is the form's own size", 2104, 2970, &kUserOnly, P, DMPAPER_USER, 2104, 2970},
    {"own size near a listed paper", 2104, 2970, &kCommon, P, DMPAPER_A4, 1, 1},
    {"own size without user size is A4", 1234, 987, &kA4Only, P, DMPAPER_A4, 1, 1},
    {"A4 landscape", 2970, 2100, &kCommon, L, DMPAPER_A4, 1, 1},
    {"A3 portrait", 2970, 4200, &kCommon, P, DMPAPER_A3, 1, 1},
    {"2970 other height is A4 landscape", 2970, 1500, &kCommon, L, DMPAPER_A4, 1, 1},
    {"A3 landscape", 4200, 2970, &kCommon, L, DMPAPER_A3, 1, 1},
    {"4200 other height is A4 landscape", 4200, 1000, &kCommon, L, DMPAPER_A4, 1, 1},
    {"A3 unlisted takes a listed paper", 4200, 2970, &kWideListed, P, 300, 1, 1},
    {"A3 unlisted takes the user size", 4200, 2970, &kUserOnly, P, DMPAPER_USER, 4200, 2970},
    {"A3 unlisted without user size is A4", 4200, 2970, &kA4Only, P, DMPAPER_A4, 1, 1},
    {"A3 without lists is kept", 4200, 2970, &kNoLists, L, DMPAPER_A3, 1, 1},
    {"2287 takes the 2290 row, A4", 2287, 1270, &kUserOnly, P, DMPAPER_A4, 1, 1},
    {"2620 any height", 2620, 1000, &kUserOnly, P, DMPAPER_USER, 2620, 2790},
    {"custom row uses the nominal height", 2541, 2289, &kUserOnly, P, DMPAPER_USER, 2540, 2288},
    {"custom row without lists keeps the paper", 2540, 1398, &kNoLists, P, 99, 1, 1},
    {"B4 portrait", 2570, 3640, &kCommon, P, DMPAPER_B4, 1, 1},
    {"B5 landscape", 2570, 1820, &kCommon, L, DMPAPER_B5, 1, 1},
    {"B5 portrait", 1820, 2570, &kCommon, P, DMPAPER_B5, 1, 1},
    {"1820 x 1285 custom", 1820, 1285, &kUserOnly, P, DMPAPER_USER, 1820, 1285},
    {"A5 landscape", 2100, 1485, &kCommon, L, DMPAPER_A5, 1, 1},
    {"A5 portrait", 1485, 2100, &kCommon, P, DMPAPER_A5, 1, 1},
    {"postcard landscape", 1480, 1000, &kCommon, L, DMPAPER_JAPANESE_POSTCARD, 1, 1},
    {"1482 takes the 1485 row", 1482, 1000, &kCommon, P, DMPAPER_A4, 1, 1},
    {"postcard portrait", 1000, 1480, &kCommon, P, DMPAPER_JAPANESE_POSTCARD, 1, 1},
    {"postcard other height", 1000, 2000, &kCommon, P, DMPAPER_A4, 1, 1},
};

TEST(TolvanePaperMatch, TableOfFormSizes)
{
    for (const MatchCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const DEVMODEA mode = Matched(c);
        EXPECT_EQ(c.nOrientation, mode.dmOrientation);
        EXPECT_EQ(c.nPaper, mode.dmPaperSize);
        EXPECT_EQ(c.nPaperWidth, mode.dmPaperWidth);
        EXPECT_EQ(c.nPaperLength, mode.dmPaperLength);
    }
}

TEST(TolvanePaperMatch, ListsCountOnlyWhenBothAgree)
{
    PaperLists lists = MakeLists({{DMPAPER_A4, {2100, 2970}}});
    EXPECT_TRUE(lists.Available());
    lists.sizes.push_back({1, 1});
    EXPECT_FALSE(lists.Available());
    // An unusable list is as no list: the table's paper stays.
    const MatchCase c = {"", 4200, 2970, &lists, 0, 0, 0, 0};
    const DEVMODEA mode = Matched(c);
    EXPECT_EQ(L, mode.dmOrientation);
    EXPECT_EQ(DMPAPER_A3, mode.dmPaperSize);
}

}  // namespace
