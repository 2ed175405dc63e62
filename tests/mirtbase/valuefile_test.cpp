// Value files of auto-input fields and the tax-rate and rounding files:
// what is read, and the defaults when a file is missing or unreadable.
#include <gtest/gtest.h>

#include <string>

#include "field_fixture.h"
#include "mirtenv.h"
#include "test_paths.h"
#include "valuefile.h"

namespace {

void WriteBytes(const std::string& path, const std::string& bytes)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

// An archive holding one string, as the launcher writes it.
std::string StringArchive(const CString& value)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << value;
        ar.Close();
    }
    std::string bytes(file.GetLength(), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

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
class AmountSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        ::CreateDirectoryA((m_root + "\\Data").c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\Data\\Other").c_str(), nullptr);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    void Write(const char* pszName, const std::string& bytes)
    {
        WriteBytes(m_root + "\\Data\\Other\\" + pszName, bytes);
    }

    std::string m_root;
};

TEST_F(AmountSettingsTest, TaxRateInPercent)
{
    EXPECT_EQ(5.0, MirtReadTaxRate());
    struct Case
    {
        const char* pszName;
        std::string bytes;
        double dRate;
    };
    const Case cases[] = {
        {"TAX.aut", StringArchive("8"), 8.0},
        {"TAX.aut", StringArchive("10"), 10.0},
        {"TAX.aut", StringArchive("6.5"), 6.5},
        {"TAX.aut", Bytes({2, '1'}), 5.0},      // unreadable
        {"TAX.AUT", StringArchive("10"), 10.0}, // any case
    };
    for (const Case& c : cases) {
        Write(c.pszName, c.bytes);
        EXPECT_EQ(c.dRate, MirtReadTaxRate()) << c.pszName << " " << c.bytes;
    }
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
        Write("Shouhi.aut", c.bytes);
        EXPECT_EQ(c.chRule, MirtReadRoundingRule()) << c.bytes;
    }
}

}  // namespace
