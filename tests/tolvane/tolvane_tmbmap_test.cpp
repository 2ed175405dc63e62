// The crop-mark map: the pictures of a layout, a registered form's from
// its source form, no pictures of an earlier form for a form without an
// entry, and a missing or damaged map reported once.
#include "document/maindatalist.h"
#include "msgbox_recorder.h"
#include "prtdatainfo.h"
#include "sampledata.h"
#include "printing/tmbfile.h"
#include "tolvane_fixture.h"

namespace {

class TmbMapTest : public TolvaneTest
{
protected:
    void SetUp() override
    {
        TolvaneTest::SetUp();
        WriteSampleData();
        AddTemplate();
        NewDocument();
    }
};

void WriteMap(const std::string& path, CMapTmbFile& map)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    map.Serialize(ar);
    ar.Close();
}

}  // namespace

TEST_F(TmbMapTest, LayoutGetsItsPictures)
{
    EXPECT_TRUE(View()->ReadTmbFileMap(9003));
    EXPECT_EQ("TOMBOA4.EMF", std::string(View()->m_strTmbCropMarks));
    EXPECT_EQ("FRAMESLIP.EMF", std::string(View()->m_strTmbFrame));
    EXPECT_TRUE(View()->ReadTmbFileMap(9001));
    EXPECT_EQ("FRAMEA4.EMF", std::string(View()->m_strTmbFrame));
    // An id past 16 bits is not the entry of its low half.
    EXPECT_FALSE(View()->ReadTmbFileMap(0x10000 + 9001));
    EXPECT_EQ("", std::string(View()->m_strTmbFrame));
}

TEST_F(TmbMapTest, RegisteredFormTakesItsSourcePictures)
{
    CObList groups;
    MakeSampleIndex(groups);
    CPrtDataInfo* pPickup = static_cast<CPrtDataInfo*>(groups.GetHead());
    pPickup->m_arrLayoutID.Add(40000);
    pPickup->m_arrSourceID.Add(9003);
    pPickup->m_arrTitle.Add("私の伝票");
    WriteIndex(groups);
    EXPECT_TRUE(View()->ReadTmbFileMap(40000));
    EXPECT_EQ("FRAMESLIP.EMF", std::string(View()->m_strTmbFrame));
}

TEST_F(TmbMapTest, FormWithoutEntryClearsTheNames)
{
    ASSERT_TRUE(View()->ReadTmbFileMap(9001));
    CMapTmbFile map;
    map.SetAt(9002, nullptr);
    WriteMap(Path(TMBFILEMAP_FILE), map);
    for (UINT nID : {9001u, 9002u}) {
        View()->m_strTmbCropMarks = "before.emf";
        View()->m_strTmbFrame = "before.emf";
        EXPECT_FALSE(View()->ReadTmbFileMap(nID));
        EXPECT_EQ("", std::string(View()->m_strTmbCropMarks));
        EXPECT_EQ("", std::string(View()->m_strTmbFrame));
    }
}

TEST_F(TmbMapTest, MissingMapIsReportedOnce)
{
    ::DeleteFileA(Path(TMBFILEMAP_FILE).c_str());
    MessageBoxRecorder boxes;
    EXPECT_FALSE(View()->ReadTmbFileMap(9001));
    EXPECT_FALSE(View()->ReadTmbFileMap(9002));
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("TMBFILEMAP.DATﾌｧｲﾙがありません", boxes.shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.shown()[0].type);
}

TEST_F(TmbMapTest, DamagedMapIsRefused)
{
    const std::string good = ReadFileBytes(Path(TMBFILEMAP_FILE));
    std::string backReference = good;
    // The second value's class reference made a reference to the first
    // object: one object would have two owners.
    const size_t nRef = backReference.find("\x01\x80");
    ASSERT_NE(std::string::npos, nRef);
    backReference[nRef] = 0x02;
    backReference[nRef + 1] = 0x00;
    const std::string damaged[] = {
        good.substr(0, 3),
        good.substr(0, good.size() - 2),
        good.substr(0, 4) + "\xFF\xFF\xFF\xFF\xFF\x7F" + good.substr(6),
        backReference,
    };
    for (const std::string& bytes : damaged) {
        WriteFileBytes(Path(TMBFILEMAP_FILE), bytes);
        CTolvaneView* pView = View();
        pView->m_strTmbFrame = "kept.emf";
        MessageBoxRecorder boxes;
        EXPECT_FALSE(pView->ReadTmbFileMap(9001));
        EXPECT_EQ("kept.emf", std::string(pView->m_strTmbFrame));
    }
}

TEST_F(TmbMapTest, DamagedMapShowsItsCause)
{
    const std::string good = ReadFileBytes(Path(TMBFILEMAP_FILE));
    WriteFileBytes(Path(TMBFILEMAP_FILE), good.substr(0, 3));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(View()->ReadTmbFileMap(9001));
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ(0u, boxes.shown()[0].text.find("ERROR: "));
}
