// The file record of a form data file. CAddFileInfo is internal to
// MirtBase.dll, so its source is built into this test.
#include "file/addfileinfo.cpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "field_fixture.h"
#include "test_paths.h"

namespace {

const char kTrailer = 0x5A;

std::string Content(size_t nSize)
{
    std::string content(nSize, '\0');
    for (size_t i = 0; i < nSize; i++)
        content[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return content;
}

void WriteFile(const std::string& path, const std::string& content)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(content.data(), static_cast<UINT>(content.size()));
    file.Close();
}

BOOL Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& path)
{
    CFile file(path.c_str(), CFile::modeRead);
    std::string content(file.GetLength(), '\0');
    if (!content.empty())
        file.Read(&content[0], static_cast<UINT>(content.size()));
    return content;
}

// Version 1, marker 0, the name "a.bmp", marker 0.
std::string RecordHead()
{
    return Bytes({1, 0, 0, 0, 0, 0, 0, 0, 5, 'a', '.', 'b', 'm', 'p', 0, 0, 0, 0});
}

std::string Size(DWORD dwSize)
{
    return Bytes({static_cast<int>(dwSize & 0xFF), static_cast<int>((dwSize >> 8) & 0xFF),
                  static_cast<int>((dwSize >> 16) & 0xFF), static_cast<int>(dwSize >> 24)});
}

// Loads the record and checks that the archive stands right after it.
void LoadRecord(CAddFileInfo& info, const std::string& record)
{
    const std::string rest = LoadWith(record + kTrailer, [&](CArchive& ar) { info.Serialize(ar); });
    if (info.IsRecordRead()) {
        EXPECT_EQ(std::string(1, kTrailer), rest) << "the archive is out of step";
    }
}

class AddFileInfoTest : public testing::Test
{
protected:
    void SetUp() override { m_folder = FreshTestFolder(); }

    std::string Path(const char* name) const { return m_folder + "\\" + name; }

    std::string m_folder;
};

TEST_F(AddFileInfoTest, ConstructionValues)
{
    CAddFileInfo info("a.bmp", "C:\\x\\a.bmp");
    EXPECT_EQ(1u, info.m_dwVersion);
    EXPECT_EQ(0u, info.m_dwError);
    EXPECT_EQ(0u, info.m_dwMarker);
    EXPECT_EQ(0u, info.m_dwSize);
    EXPECT_STREQ("a.bmp", info.m_strName);
    EXPECT_STREQ("C:\\x\\a.bmp", info.m_strPath);
}

// 5000 bytes: one full chunk and a partial one.
TEST_F(AddFileInfoTest, StoreCopiesTheFileAfterItsHead)
{
    const std::string content = Content(5000);
    WriteFile(Path("source.bmp"), content);
    CAddFileInfo info("a.bmp", Path("source.bmp").c_str());
    EXPECT_EQ(RecordHead() + Bytes({0x88, 0x13, 0, 0}) + content, Store(info));
    EXPECT_EQ(5000u, info.m_dwSize);
}

TEST_F(AddFileInfoTest, SourceThatDoesNotOpenStoresSizeZero)
{
    const std::string sources[] = {Path("missing.bmp"), m_folder, ""};
    for (const std::string& source : sources) {
        CAddFileInfo info("a.bmp", source.c_str());
        EXPECT_EQ(RecordHead() + Size(0), Store(info)) << source;
        EXPECT_EQ(0u, info.m_dwSize);
    }
}

TEST_F(AddFileInfoTest, LoadWritesTheBytesToANewFile)
{
    const std::string content = Content(5000);
    CAddFileInfo info("", Path("out.bmp").c_str());
    LoadRecord(info, RecordHead() + Size(5000) + content);
    EXPECT_TRUE(info.IsRecordRead());
    EXPECT_EQ(0u, info.m_dwError);
    EXPECT_STREQ("a.bmp", info.m_strName);
    EXPECT_EQ(5000u, info.m_dwSize);
    EXPECT_EQ(content, ReadFile(Path("out.bmp")));
}

// Records whose bytes go nowhere are still read to their end.
TEST_F(AddFileInfoTest, BytesWithoutADestinationAreReadAndDropped)
{
    WriteFile(Path("taken.bmp"), "old");
    struct Case
    {
        const char* what;
        std::string path;
        DWORD dwError;
    } cases[] = {
        {"existing file", Path("taken.bmp"), 1},
        {"missing folder", Path("none\\out.bmp"), 1},
        {"folder in the way", m_folder, 1},
        {"no path", "", 0},
    };
    for (const Case& c : cases) {
        CAddFileInfo info("", c.path.c_str());
        LoadRecord(info, RecordHead() + Size(5000) + Content(5000));
        EXPECT_TRUE(info.IsRecordRead()) << c.what;
        EXPECT_EQ(c.dwError, info.m_dwError) << c.what;
    }
    EXPECT_EQ("old", ReadFile(Path("taken.bmp")));
    EXPECT_FALSE(Exists(Path("none")));
}

TEST_F(AddFileInfoTest, SizeZeroMakesNoFile)
{
    CAddFileInfo info("", Path("out.bmp").c_str());
    LoadRecord(info, RecordHead() + Size(0));
    EXPECT_TRUE(info.IsRecordRead());
    EXPECT_EQ(0u, info.m_dwError);
    EXPECT_FALSE(Exists(Path("out.bmp")));
}

TEST_F(AddFileInfoTest, BadMarkerSetsTheErrorAndStops)
{
    struct Case
    {
        size_t nMarkerAt;
        const char* nameRead;
    } cases[] = {{4, ""}, {14, "a.bmp"}};
    for (const Case& c : cases) {
        std::string record = RecordHead() + Size(3) + "xyz";
        record[c.nMarkerAt] = 1;
        CAddFileInfo info("", Path("out.bmp").c_str());
        LoadRecord(info, record);
        EXPECT_FALSE(info.IsRecordRead()) << c.nMarkerAt;
        EXPECT_EQ(1u, info.m_dwError) << c.nMarkerAt;
        EXPECT_STREQ(c.nameRead, info.m_strName) << c.nMarkerAt;
        EXPECT_FALSE(Exists(Path("out.bmp"))) << c.nMarkerAt;
    }
}

TEST_F(AddFileInfoTest, TruncatedRecordThrowsAndLeavesNoFile)
{
    const std::string small = RecordHead() + Size(10) + Content(10);
    const std::string large = RecordHead() + Size(5000) + Content(5000);
    std::vector<std::string> prefixes;
    for (size_t n = 0; n < small.size(); n++)
        prefixes.push_back(small.substr(0, n));
    prefixes.push_back(large.substr(0, large.size() - 1));
    for (const std::string& prefix : prefixes) {
        CAddFileInfo info("", Path("out.bmp").c_str());
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(info, prefix)) << prefix.size();
        EXPECT_FALSE(Exists(Path("out.bmp"))) << prefix.size();
    }
}

}  // namespace
