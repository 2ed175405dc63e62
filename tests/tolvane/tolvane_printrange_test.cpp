// The print job's running page numbers: copies, collation and range limits.
#include <gtest/gtest.h>
#include <vector>
#include "printing/printrange.h"

namespace {

std::vector<int> Job(const PrintRange& range)
{
    std::vector<int> pages;
    for (int n = range.nFrom; n <= range.ExpandedEnd(); ++n)
        pages.push_back(range.DocumentPage(n));
    return pages;
}

struct JobCase
{
    const char* name;
    PrintRange range;
    std::vector<int> pages;
};

TEST(TolvanePrintRange, CopiesAndCollation)
{
    const JobCase kCases[] = {
        {"one page, three copies, collated", {1, 1, 3, true}, {1, 1, 1}},
        {"one page, three copies", {1, 1, 3, false}, {1, 1, 1}},
        {"2-3 twice collated", {2, 3, 2, true}, {2, 3, 2, 3}},
        {"2-3 twice uncollated", {2, 3, 2, false}, {2, 2, 3, 3}},
        {"1-3 twice collated", {1, 3, 2, true}, {1, 2, 3, 1, 2, 3}},
        {"1-3 twice uncollated", {1, 3, 2, false}, {1, 1, 2, 2, 3, 3}},
        {"end below start is one page", {3, 2, 2, false}, {3, 3}},
        {"no copies count as one", {1, 2, 0, true}, {1, 2}},
    };
    for (const JobCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.pages, Job(c.range));
    }
}

TEST(TolvanePrintRange, JobsPastTheLoopsLimitAreRefused)
{
    EXPECT_EQ(kMaxPrintPage, (PrintRange{1, 5, 13107, true}.ExpandedEnd()));
    EXPECT_EQ(0, (PrintRange{1, 5, 13108, true}.ExpandedEnd()));
    EXPECT_EQ(0, (PrintRange{1, 60000, 60000, false}.ExpandedEnd()));
    EXPECT_EQ(0, (PrintRange{0, 1, 1, false}.ExpandedEnd()));
}

}  // namespace
