// The print option files: "PrnOptFile.DAT" (the map of layout id to
// CPrnOpt) and "PrnOffset.dat" (two offsets) byte for byte, damaged or
// hostile contents refused, and the files made and replaced whole.
#include <climits>
#include <string>
#include <vector>

#include "msgbox_recorder.h"
#include "printing/prnoffset.h"
#include "printing/prnopt.h"
#include "tolvane_fixture.h"

namespace {

std::string Le32(int n)
{
    const auto u = static_cast<unsigned>(n);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16), static_cast<char>(u >> 24)};
}

// One record of blank paper at 75 %, dotted frame, offsets -30 and 12,
// automatic paper off, under layout 9002.
std::string OneRecordBytes(int nScale = 75)
{
    return std::string("\x01\x00", 2) + std::string("\x2A\x23", 2) + std::string("\xFF\xFF\x01\x00\x07\x00", 6) +
        "CPrnOpt" + Le32(1) + Le32(nScale) + Le32(0) + Le32(2) + Le32(-30) + Le32(12) + Le32(0);
}

CPrnOpt* BlankOptions()
{
    auto* pOpt = new CPrnOpt;
    pOpt->m_nPaperKind = 1;
    pOpt->m_nScale = 75;
    pOpt->m_nRuledLineColor = 0;
    pOpt->m_nCutLineKind = 2;
    pOpt->m_nLeftOffset = -30;
    pOpt->m_nTopOffset = 12;
    pOpt->m_nAutoPaper = 0;
    return pOpt;
}

std::string StoredOptionBytes(CPrnOptMap& map)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    map.Serialize(ar);
    ar.Close();
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

// Loads bytes into map; false when the load threw.
bool LoadOptionBytes(CPrnOptMap& map, std::string bytes)
{
    bytes += '\0';
    CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<UINT>(bytes.size() - 1));
    try {
        CArchive ar(&file, CArchive::load);
        map.Serialize(ar);
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

std::string OffsetBytes(int nLeft, int nTop)
{
    CMemFile file;
    StorePrnOffset(file, PrnOffset{nLeft, nTop});
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

bool LoadOffset(std::string bytes, PrnOffset& offset)
{
    bytes += '\0';
    CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<UINT>(bytes.size() - 1));
    return LoadPrnOffset(file, offset) != FALSE;
}

using PrnOptFileTest = TolvaneTest;

}  // namespace

TEST(PrnOptTest, MapIsStoredByteForByteAndReadsBack)
{
    CPrnOptMap map;
    map.Replace(9002, BlankOptions());
    EXPECT_EQ(OneRecordBytes(), StoredOptionBytes(map));

    CPrnOptMap loaded;
    ASSERT_TRUE(LoadOptionBytes(loaded, OneRecordBytes()));
    const CPrnOpt* pOpt = loaded.Lookup(9002);
    ASSERT_NE(nullptr, pOpt);
    EXPECT_EQ(1, pOpt->m_nPaperKind);
    EXPECT_EQ(75, pOpt->m_nScale);
    EXPECT_EQ(0, pOpt->m_nRuledLineColor);
    EXPECT_EQ(2, pOpt->m_nCutLineKind);
    EXPECT_EQ(-30, pOpt->m_nLeftOffset);
    EXPECT_EQ(12, pOpt->m_nTopOffset);
    EXPECT_EQ(0, pOpt->m_nAutoPaper);
    EXPECT_EQ(nullptr, loaded.Lookup(9001));
}

// A second record refers back to the class; both read back.
TEST(PrnOptTest, LaterRecordsCarryTheClassReference)
{
    CPrnOptMap map;
    map.Replace(9001, new CPrnOpt);
    map.Replace(9002, BlankOptions());
    const std::string bytes = StoredOptionBytes(map);
    EXPECT_EQ(2 + 2 * (2 + 28) + 6 + 7 + 2, static_cast<int>(bytes.size()));
    EXPECT_NE(std::string::npos, bytes.find(std::string("\x01\x80", 2)));
    CPrnOptMap loaded;
    ASSERT_TRUE(LoadOptionBytes(loaded, bytes));
    ASSERT_NE(nullptr, loaded.Lookup(9001));
    EXPECT_EQ(100, loaded.Lookup(9001)->m_nScale);
    EXPECT_EQ(75, loaded.Lookup(9002)->m_nScale);
}

// Every cut-short file, values out of their ranges, a foreign class and a
// reference to an object met before are refused; the map keeps what it had.
TEST(PrnOptTest, DamagedOrHostileMapsAreRefused)
{
    const std::string whole = OneRecordBytes();
    std::vector<std::string> bad;
    for (size_t n = 1; n < whole.size(); ++n)
        bad.push_back(whole.substr(0, n));
    for (int nScale : {49, 201, -1})
        bad.push_back(OneRecordBytes(nScale));
    std::string paper = whole;
    paper.replace(17, 4, Le32(2));
    bad.push_back(paper);
    std::string offset = whole;
    offset.replace(33, 4, Le32(31));
    bad.push_back(offset);
    std::string foreign = whole;
    foreign.replace(10, 7, "CPrnOpX");
    bad.push_back(foreign);
    bad.push_back(std::string("\x01\x00\x2A\x23\x01\x00", 6));   // object reference 1
    bad.push_back(std::string("\xFF\xFF\xFF\xFF\xFF\x7F", 6));   // a count beyond the bytes
    for (const std::string& bytes : bad) {
        SCOPED_TRACE(bytes.size());
        CPrnOptMap map;
        map.Replace(9001, new CPrnOpt);
        EXPECT_FALSE(LoadOptionBytes(map, bytes));
        ASSERT_NE(nullptr, map.Lookup(9001));
        EXPECT_EQ(nullptr, map.Lookup(9002));
    }
}

TEST(PrnOptTest, KeysAreNeverTruncated)
{
    WORD wKey = 0;
    EXPECT_TRUE(CPrnOptMap::KeyOf(65535, wKey));
    EXPECT_EQ(65535, wKey);
    EXPECT_FALSE(CPrnOptMap::KeyOf(65536 + 9001, wKey));
    EXPECT_FALSE(CPrnOptMap::KeyOf(0, wKey));
}

TEST(PrnOffsetTest, OffsetsAreTwoLittleEndianIntegers)
{
    EXPECT_EQ(std::string("\xF9\xFF\xFF\xFF\x1E\x00\x00\x00", 8), OffsetBytes(-7, 30));
    PrnOffset offset = {};
    ASSERT_TRUE(LoadOffset(OffsetBytes(-30, 5), offset));
    EXPECT_EQ(-30, offset.nLeft);
    EXPECT_EQ(5, offset.nTop);
}

TEST(PrnOffsetTest, OtherSizesAndValuesAreRefused)
{
    const std::string whole = OffsetBytes(3, 4);
    std::vector<std::string> bad = {whole + '\0', OffsetBytes(31, 0), OffsetBytes(0, -31),
        OffsetBytes(INT_MIN, 0)};
    for (size_t n = 0; n < whole.size(); ++n)
        bad.push_back(whole.substr(0, n));
    for (const std::string& bytes : bad) {
        SCOPED_TRACE(bytes.size());
        PrnOffset offset = {1, 2};
        EXPECT_FALSE(LoadOffset(bytes, offset));
        EXPECT_EQ(1, offset.nLeft);
        EXPECT_EQ(2, offset.nTop);
    }
}

// The offsets file is made when missing and replaced whole, so a longer
// file of before leaves nothing behind.
TEST_F(PrnOptFileTest, OffsetFileIsCreatedAndReplacedWhole)
{
    const std::string path = Path(PRNOFFSET_FILE);
    ASSERT_TRUE(WritePrnOffsetFile(PrnOffset{-7, 30}));
    EXPECT_EQ(OffsetBytes(-7, 30), ReadFileBytes(path));
    WriteFileBytes(path, std::string(64, 'x'));
    ASSERT_TRUE(WritePrnOffsetFile(PrnOffset{1, 2}));
    EXPECT_EQ(OffsetBytes(1, 2), ReadFileBytes(path));
}

// Load makes a missing file; save writes the map whole; a damaged file is
// reported with its cause and leaves the map empty; a save without the
// file is reported and writes nothing.
TEST_F(PrnOptFileTest, OptionFileIsMadeReadWrittenAndReported)
{
    const std::string path = Path(PRNOPT_FILE);
    {
        CPrnOptMap map;
        ASSERT_TRUE(map.LoadFile());
        EXPECT_EQ("", ReadFileBytes(path));
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str()));
        map.Replace(9002, BlankOptions());
        ASSERT_TRUE(map.SaveFile());
        EXPECT_EQ(OneRecordBytes(), ReadFileBytes(path));
        CPrnOptMap again;
        ASSERT_TRUE(again.LoadFile());
        ASSERT_NE(nullptr, again.Lookup(9002));
    }
    WriteFileBytes(path, OneRecordBytes().substr(0, 20));
    {
        MessageBoxRecorder boxes;
        CPrnOptMap map;
        EXPECT_FALSE(map.LoadFile());
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("ERROR: 3", boxes.shown()[0].text);   // end of file
        EXPECT_EQ(nullptr, map.Lookup(9002));
    }
    ::DeleteFileA(path.c_str());
    {
        MessageBoxRecorder boxes;
        CPrnOptMap map;
        map.Replace(9002, BlankOptions());
        EXPECT_FALSE(map.SaveFile());
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("PrnOptFile.DATﾌｧｲﾙがありません", boxes.shown()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.shown()[0].type & MB_ICONMASK);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str()));
    }
}
