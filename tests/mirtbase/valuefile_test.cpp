// Value files of auto-input fields and the tax-rate and rounding files:
// what is read, and the defaults when a file is missing or unreadable.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "field_fixture.h"
#include "other_folder.h"
#include "test_paths.h"
#include "valuefile.h"

namespace {

TEST(ValueFileTest, ReadsTheOneStringOrNothing)
{
    const std::string folder = FreshTestFolder();
    const CString longValue(std::string(300, 'x').c_str());
    struct Case
    {
        const char* pszName;
        std::string bytes;     // not written when null name
        BOOL bRead;
        CString strValue;
    };
    const Case cases[] = {
        {"name", StringArchive("株式会社テスト"), TRUE, "株式会社テスト"},
        {"long", StringArchive(longValue), TRUE, longValue},
        {"empty", StringArchive(""), TRUE, ""},
        {"short", Bytes({5, 'a', 'b'}), FALSE, "kept"},
        {"nothing", "", FALSE, "kept"},
        {nullptr, "", FALSE, "kept"},
    };
    for (const Case& c : cases) {
        const std::string path = folder + "\\" + (c.pszName ? c.pszName : "missing");
        if (c.pszName != nullptr)
            WriteBytes(path, c.bytes);
        CString strValue = "kept";
        EXPECT_EQ(c.bRead, MirtReadValueFile(path.c_str(), strValue)) << path;
        EXPECT_STREQ(c.strValue, strValue) << path;
        EXPECT_STREQ(c.bRead ? c.strValue : CString(), MirtReadValueFile(path.c_str())) << path;
    }
}

// The tax-rate and rounding files under a root of the test's own.
using AmountSettingsTest = OtherFolderTest;

TEST_F(AmountSettingsTest, TaxRateInPercent)
{
    EXPECT_EQ(5.0, MirtReadTaxRate());
    struct Case
    {
        std::string bytes;
        double dRate;
    };
    const Case cases[] = {
        {StringArchive("8"), 8.0},
        {StringArchive("10"), 10.0},
        {StringArchive("6.5"), 6.5},
        {Bytes({2, '1'}), 5.0},      // unreadable
    };
    for (const Case& c : cases) {
        WriteOther("TAX.aut", c.bytes);
        EXPECT_EQ(c.dRate, MirtReadTaxRate()) << c.bytes;
    }
}

// A file that exists only under another case of its name is read.
TEST_F(AmountSettingsTest, TaxRateFileNamedInAnotherCase)
{
    WriteOther("TAX.AUT", StringArchive("12"));
    WIN32_FIND_DATAA found;
    const HANDLE hFind = ::FindFirstFileA(OtherPath("*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
    std::vector<std::string> names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.push_back(found.cFileName);
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
    ASSERT_EQ(std::vector<std::string>{"TAX.AUT"}, names) << "the folder holds the upper-case name only";
    EXPECT_EQ(12.0, MirtReadTaxRate());
}

TEST_F(AmountSettingsTest, RoundingRuleIsTheFirstCharacter)
{
    EXPECT_EQ('D', MirtReadRoundingRule());
    struct Case
    {
        std::string bytes;
        char chRule;
    };
    const Case cases[] = {
        {StringArchive("F"), 'F'},
        {StringArchive("Up"), 'U'},
        {StringArchive(""), 'D'},
        {Bytes({1}), 'D'},   // unreadable
    };
    for (const Case& c : cases) {
        WriteOther("Shouhi.aut", c.bytes);
        EXPECT_EQ(c.chRule, MirtReadRoundingRule()) << c.bytes;
    }
}

}  // namespace
