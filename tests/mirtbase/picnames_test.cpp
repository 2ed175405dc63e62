// Renaming of picture files carried inside a data file: the unique-name
// rule, the names given on a store and the paths given on a load.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "field_fixture.h"
#include "test_paths.h"

namespace {

TEST(MakeUniqueNameTest, NamesAdvanceWithoutFolders)
{
    struct Case
    {
        const char* pszIn;
        const char* pszOut;
    };
    const Case cases[] = {
        {"photo.bmp", "photo_1.bmp"},
        {"scan_7.jpg", "scan_8.jpg"},
        {"a.b.bmp", "a_1.b.bmp"},
        {"C:\\pic\\photo.bmp", "photo_1.bmp"},
        {"\\\\server\\share\\x\\photo_1.bmp", "photo_2.bmp"},
        {"noext", "noext_1"},
        {"a_.bmp", "a_1.bmp"},          // no number after "_"
        {"a_0.bmp", "a_1.bmp"},         // the number zero
        {"a_x9.bmp", "a_1.bmp"},
        {"a_b_3.bmp", "a_1.bmp"},       // cut at the first "_"
        {"p_12x.bmp", "p_13.bmp"},      // leading digits only
        {"p_4294967294.bmp", "p_4294967295.bmp"},
        {"p_4294967295.bmp", "p_1.bmp"},       // the largest number wraps
        {"p_99999999999.bmp", "p_1.bmp"},      // read as the largest number
        {"表.bmp", "表_1.bmp"},          // a double-byte character ending in 0x5C
        {"C:\\dir\\", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        CString strName = c.pszIn;
        CPropData::MakeUniqueName(strName);
        EXPECT_STREQ(c.pszOut, strName) << c.pszIn;
    }
}

TEST(MakeUniqueNameTest, RepeatedRenamingNeverStalls)
{
    CString strName = "a_0.bmp";
    CPropData::MakeUniqueName(strName);
    CPropData::MakeUniqueName(strName);
    CPropData::MakeUniqueName(strName);
    EXPECT_STREQ("a_3.bmp", strName);
}

// A face whose fields show the given data strings; picture fields (data
// kind 2) unless a text is marked with a leading '#' (then a text field).
class PicNamesTest : public testing::Test
{
protected:
    void AddFields(std::initializer_list<const char*> data)
    {
        for (const char* pszData : data) {
            CTestGroup* pField = new CTestGroup;
            const bool bText = pszData[0] == '#';
            pField->m_nDataKind = bText ? CNPropObj::DATAKIND_TEXT : CNPropObj::DATAKIND_PICTURE;
            pField->m_strData = bText ? pszData + 1 : pszData;
            m_face.AddPropObj(pField);
        }
    }

    std::vector<std::string> Data() const
    {
        std::vector<std::string> data;
        POSITION pos;
        for (CNPropObj* pField = m_face.GetFirstPropObj(pos); pField != nullptr; pField = m_face.GetNextPropObj(pos))
            data.push_back(static_cast<LPCSTR>(pField->m_strData));
        return data;
    }

    static std::vector<std::string> Items(const CStringList& list)
    {
        std::vector<std::string> items;
        for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
            items.push_back(static_cast<LPCSTR>(list.GetNext(pos)));
        return items;
    }

    static std::string Mapped(const CMapStringToString& map, const char* pszKey)
    {
        CString strValue;
        return map.Lookup(pszKey, strValue) ? static_cast<LPCSTR>(strValue) : "(none)";
    }

    CPropData m_face;
    CMapStringToString m_map;
    CStringList m_list;
};

TEST_F(PicNamesTest, StoreGivesEachPathOneUniqueName)
{
    AddFields({"C:\\pic\\photo.bmp", "D:\\x\\photo.bmp", "#C:\\pic\\photo.bmp", "C:\\pic\\photo.bmp", "",
               "E:\\y\\PHOTO.bmp"});
    m_face.StorePicNames(&m_map, &m_list);

    // The shared path keeps its name; a text field is left alone; names
    // differing only in case count as taken.
    EXPECT_EQ((std::vector<std::string>{"photo_1.bmp", "photo_2.bmp", "C:\\pic\\photo.bmp", "photo_1.bmp", "",
                                        "PHOTO_3.bmp"}),
              Data());
    EXPECT_EQ((std::vector<std::string>{"photo_1.bmp", "photo_2.bmp", "PHOTO_3.bmp"}), Items(m_list));
    EXPECT_EQ("photo_1.bmp", Mapped(m_map, "C:\\pic\\photo.bmp"));
    EXPECT_EQ("photo_2.bmp", Mapped(m_map, "D:\\x\\photo.bmp"));
    EXPECT_EQ("PHOTO_3.bmp", Mapped(m_map, "E:\\y\\PHOTO.bmp"));
    EXPECT_EQ(3, m_map.GetCount());
}

TEST_F(PicNamesTest, StoreReusesNamesOfEarlierFacesWhateverTheCase)
{
    m_map.SetAt("C:\\pic\\photo.bmp", "photo_1.bmp");
    m_list.AddTail("photo_1.bmp");
    AddFields({"c:\\PIC\\photo.bmp"});
    m_face.StorePicNames(&m_map, &m_list);
    EXPECT_EQ((std::vector<std::string>{"photo_1.bmp"}), Data());
    EXPECT_EQ(1, m_list.GetCount());
}

TEST_F(PicNamesTest, NothingWithoutMapOrList)
{
    AddFields({"C:\\pic\\photo.bmp"});
    m_face.StorePicNames(nullptr, &m_list);
    m_face.StorePicNames(&m_map, nullptr);
    m_face.LoadPicNames(&m_map, nullptr, "C:\\rcv\\");
    EXPECT_EQ((std::vector<std::string>{"C:\\pic\\photo.bmp"}), Data());
    EXPECT_TRUE(m_list.IsEmpty());
    EXPECT_TRUE(m_map.IsEmpty());
}

TEST_F(PicNamesTest, ClearEmptiesOnlyPictures)
{
    AddFields({"C:\\a.bmp", "#text", "D:\\b.jpg"});
    m_face.ClearPicNames();
    EXPECT_EQ((std::vector<std::string>{"", "text", ""}), Data());
}

TEST_F(PicNamesTest, LoadTakesFreePathsInTheFolder)
{
    // The folder list already holds the stored name in another case.
    m_list.AddTail("C:\\rcv\\PHOTO_1.BMP");
    AddFields({"photo_1.bmp", "photo_2.bmp", "photo_1.bmp", "#photo_2.bmp"});
    m_face.LoadPicNames(&m_map, &m_list, "C:\\rcv\\");

    EXPECT_EQ((std::vector<std::string>{"C:\\rcv\\photo_2.bmp", "C:\\rcv\\photo_3.bmp", "C:\\rcv\\photo_2.bmp",
                                        "photo_2.bmp"}),
              Data());
    EXPECT_EQ((std::vector<std::string>{"C:\\rcv\\PHOTO_1.BMP", "C:\\rcv\\photo_2.bmp", "C:\\rcv\\photo_3.bmp"}),
              Items(m_list));
    EXPECT_EQ("C:\\rcv\\photo_2.bmp", Mapped(m_map, "photo_1.bmp"));
    EXPECT_EQ("C:\\rcv\\photo_3.bmp", Mapped(m_map, "photo_2.bmp"));
}

TEST_F(PicNamesTest, LoadKeepsOnlyTheFileNamePart)
{
    AddFields({"..\\..\\evil.bmp", "C:\\Windows\\x.bmp", "D:y.bmp", "a/b/z.bmp", "..", "dir\\.", "sub\\"});
    m_face.LoadPicNames(&m_map, &m_list, "C:\\rcv\\");
    EXPECT_EQ((std::vector<std::string>{"C:\\rcv\\evil.bmp", "C:\\rcv\\x.bmp", "C:\\rcv\\y.bmp", "C:\\rcv\\z.bmp",
                                        "", "", ""}),
              Data());
    EXPECT_EQ(4, m_list.GetCount());
}

// Renaming moves on past the largest number, so a name already taken never
// stops a store or a load.
TEST_F(PicNamesTest, StoreMovesOnPastTheLargestNumber)
{
    AddFields({"C:\\a\\p_4294967295.bmp", "D:\\b\\p_4294967295.bmp"});
    m_face.StorePicNames(&m_map, &m_list);
    EXPECT_EQ((std::vector<std::string>{"p_1.bmp", "p_2.bmp"}), Data());
}

TEST_F(PicNamesTest, LoadMovesOnPastTheLargestNumber)
{
    AddFields({"a\\p_4294967295.bmp", "b\\p_4294967295.bmp"});
    m_face.LoadPicNames(&m_map, &m_list, "C:\\rcv\\");
    EXPECT_EQ((std::vector<std::string>{"C:\\rcv\\p_4294967295.bmp", "C:\\rcv\\p_1.bmp"}), Data());
}

TEST_F(PicNamesTest, LoadNeverPointsAtAnExistingFile)
{
    const std::string folder = FreshTestFolder() + "\\";
    std::ofstream(folder + "photo_1.bmp") << "old";
    std::ofstream(folder + "photo_2.bmp") << "old";
    AddFields({"photo_1.bmp"});
    m_face.LoadPicNames(&m_map, &m_list, folder.c_str());
    EXPECT_EQ((std::vector<std::string>{folder + "photo_3.bmp"}), Data());
}

}  // namespace
