// The form library index: titles, input-assistance sheets and source ids
// from a written index, a missing index made empty, damaged ones refused.
#include <memory>

#include "document/maindatalist.h"
#include "msgbox_recorder.h"
#include "prtdatainfo.h"
#include "tolvane_fixture.h"

namespace {

CPrtDataInfo* NewGroup(const char* pszName)
{
    CPrtDataInfo* pGroup = new CPrtDataInfo;
    pGroup->m_strGroupName = pszName;
    return pGroup;
}

void AddForm(CPrtDataInfo& group, DWORD dwID, DWORD dwSource, const char* pszTitle, const char* pszNote,
    const char* pszSheet, DWORD dwColour)
{
    group.m_arrLayoutID.Add(dwID);
    group.m_arrSourceID.Add(dwSource);
    group.m_arrTitle.Add(pszTitle);
    group.m_arrTitleNote.Add(pszNote);
    group.m_arrSheetName.Add(pszSheet);
    group.m_arrTextColour.Add(dwColour);
}

}  // namespace

TEST_F(TolvaneTest, IndexFindsFormsSheetsAndSources)
{
    CObList groups;
    CPrtDataInfo* pFirst = NewGroup("ﾋﾟｯｸｱｯﾌﾟ");
    AddForm(*pFirst, 40001, 9001, "私の納品書", "A4縦", "", 1);
    AddForm(*pFirst, 40002, 9002, "私の請求書", "", "-", 0);
    CPrtDataInfo* pSecond = NewGroup("標準");
    AddForm(*pSecond, 9001, 0, "納品書", "A4縦  ", "", 2);
    AddForm(*pSecond, 9002, 0, "請求書", "A4縦", "請求入力.xls", 3);
    AddForm(*pSecond, 40001, 9003, "重複", "", "", 0);
    AddForm(*pSecond, 9001, 0, "二番目", "", "", 0);
    groups.AddTail(pFirst);
    groups.AddTail(pSecond);
    WriteIndex(groups);

    CMainDataList index;
    ASSERT_EQ(2, index.Index().GetCount());
    struct Case
    {
        DWORD dwID;
        const char* pszTitle;
        const char* pszSheet;
        DWORD dwValue;
    };
    const Case cases[] = {
        {9001, "納品書", "A4縦 納品書.xls", 2},
        {9002, "請求書", "請求入力.xls", 3},
        {40001, "私の納品書", "A4縦 私の納品書.xls", 1},
        {40002, "私の請求書", "", 0},
        {12345, "", "keep", 77},
    };
    for (const Case& c : cases) {
        CString strSheet = "keep";
        DWORD dwValue = 77;
        EXPECT_EQ(c.pszTitle, std::string(index.FindForm(c.dwID, strSheet, dwValue))) << c.dwID;
        EXPECT_EQ(c.pszSheet, std::string(strSheet)) << c.dwID;
        EXPECT_EQ(c.dwValue, dwValue) << c.dwID;
    }
    // A later group with the id wins.
    EXPECT_EQ(9003u, index.FindSourceId(40001));
    EXPECT_EQ(9002u, index.FindSourceId(40002));
    EXPECT_EQ(0u, index.FindSourceId(9001));
    EXPECT_EQ(0u, index.FindSourceId(5));
}

TEST_F(TolvaneTest, SampleIndexNamesTheSampleForms)
{
    WriteSampleData();
    CMainDataList index;
    CString strSheet;
    DWORD dwValue = 0;
    EXPECT_EQ("納品書", std::string(index.FindForm(9001, strSheet, dwValue)));
    EXPECT_EQ("請求書", std::string(index.FindForm(9002, strSheet, dwValue)));
    EXPECT_EQ("", std::string(strSheet));
    EXPECT_EQ("伝票", std::string(index.FindForm(9003, strSheet, dwValue)));
    const CPrtDataInfo* pPickup = static_cast<const CPrtDataInfo*>(index.Index().GetHead());
    EXPECT_EQ(PRTDATA_PICKUP_GROUP, std::string(pPickup->m_strGroupName));
}

TEST_F(TolvaneTest, MissingIndexIsMadeEmpty)
{
    CMainDataList index;
    EXPECT_TRUE(index.Index().IsEmpty());
    EXPECT_EQ(std::string(4, '\0'), ReadFileBytes(Path(PRTDATA_INDEX_FILE)));
    EXPECT_TRUE(index.LoadLookup());
}

TEST_F(TolvaneTest, DamagedIndexIsRefused)
{
    WriteSampleData();
    const std::string good = ReadFileBytes(Path(PRTDATA_INDEX_FILE));
    std::string backReference = good;
    // The second group's class tag made a reference to the first object.
    const size_t nSecond = backReference.find("\x01\x80", 8);
    ASSERT_NE(std::string::npos, nSecond);
    backReference[nSecond] = 0x02;
    backReference[nSecond + 1] = 0x00;
    const std::string damaged[] = {
        good.substr(0, 2),
        good.substr(0, good.size() - 1),
        good.substr(0, 4) + std::string("\xFF\xFF\xFF\xFF", 4),
        good.substr(0, 10) + std::string(1, '\x7F') + good.substr(11),
        backReference,
    };
    for (const std::string& bytes : damaged) {
        WriteFileBytes(Path(PRTDATA_INDEX_FILE), bytes);
        MessageBoxRecorder boxes;
        CMainDataList index;
        EXPECT_TRUE(index.Index().IsEmpty());
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("ファイル操作エラーです。", boxes.shown()[0].text);
    }
}
