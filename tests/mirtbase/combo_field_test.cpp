// Combo-box fields and their choice-list files "ON<layout>N<order>.CMB".
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <mirtenv.h>

#include "canvas.h"
#include "choicelist.h"
#include "field_fixture.h"
#include "mirtpath.h"
#include "nmirtlayoutdata.h"
#include "npropobjcb.h"
#include "test_paths.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A string list made from its items.
struct List
{
    List(std::initializer_list<const char*> items)
    {
        for (const char* item : items)
            list.AddTail(item);
    }
    operator const CStringList&() const { return list; }

    CStringList list;
};

class ChoiceListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        ::CreateDirectoryA((m_root + "\\DATA").c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\DATA\\OTHER").c_str(), nullptr);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    // Files in the choice-list folder.
    int FileCount() const
    {
        WIN32_FIND_DATAA found;
        HANDLE find = ::FindFirstFileA((m_root + "\\DATA\\OTHER\\*").c_str(), &found);
        int count = 0;
        do {
            count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
        } while (::FindNextFileA(find, &found));
        ::FindClose(find);
        return count;
    }

    std::string m_root;
};

TEST_F(ChoiceListTest, PathOfLayoutAndOrder)
{
    EXPECT_EQ(CString(m_root.c_str()) + "\\DATA\\OTHER\\ON9001N12.CMB", CChoiceList::PathOf(9001, 12));
    EXPECT_NE(CChoiceList::PathOf(9001, 12), CChoiceList::PathOf(9002, 12));
    EXPECT_NE(CChoiceList::PathOf(9001, 12), CChoiceList::PathOf(9001, 13));
}

TEST_F(ChoiceListTest, GoldenBytesAndBackInOrder)
{
    const CString path = CChoiceList::PathOf(9001, 3);
    ASSERT_TRUE(CChoiceList::Write(path, List({"A", "いろは", ""})));
    EXPECT_EQ(Bytes({0x03, 0x00, 0x01, 'A', 0x06, 0x82, 0xA2, 0x82, 0xEB, 0x82, 0xCD, 0x00}),
        ReadBytes(static_cast<LPCSTR>(path)));
    CStringList read;
    EXPECT_EQ(CChoiceList::READ_DONE, CChoiceList::Read(path, read));
    EXPECT_EQ((std::vector<std::string>{"A", "いろは", ""}), ItemsOf(read));
    EXPECT_EQ(1, FileCount()) << "no temporary file left";
}

TEST_F(ChoiceListTest, ThreeHundredChoicesAndALongOne)
{
    CStringList list;
    for (int i = 0; i < 300; ++i) {
        CString item;
        item.Format("choice %d", i);
        list.AddTail(item);
    }
    list.AddTail(CString('x', 300));
    const CString path = CChoiceList::PathOf(1, 1);
    ASSERT_TRUE(CChoiceList::Write(path, list));
    const std::string bytes = ReadBytes(static_cast<LPCSTR>(path));
    EXPECT_EQ(Bytes({0x2D, 0x01}), bytes.substr(0, 2));
    EXPECT_EQ(Bytes({0xFF, 0x2C, 0x01}) + std::string(300, 'x'), bytes.substr(bytes.size() - 303));
    CStringList read;
    ASSERT_EQ(CChoiceList::READ_DONE, CChoiceList::Read(path, read));
    EXPECT_EQ(ItemsOf(list), ItemsOf(read));
}

TEST_F(ChoiceListTest, MissingOrDamagedFileLeavesTheListAsItWas)
{
    const CString path = CChoiceList::PathOf(5, 5);
    List kept({"kept"});
    CStringList& list = kept.list;
    EXPECT_EQ(CChoiceList::READ_MISSING, CChoiceList::Read(path, list));
    const std::string damaged[] = {
        Bytes({0x03, 0x00, 0x01, 'A'}),          // three strings announced, one there
        Bytes({0x01, 0x00, 0x09, 'A', 'B'}),     // a string longer than the file
        Bytes({0x01}),                           // a cut count
    };
    for (const std::string& bytes : damaged) {
        WriteBytes(static_cast<LPCSTR>(path), bytes);
        EXPECT_EQ(CChoiceList::READ_FAILED, CChoiceList::Read(path, list));
        EXPECT_EQ(std::vector<std::string>{"kept"}, ItemsOf(list));
    }
}

TEST_F(ChoiceListTest, FailedWriteLeavesTheOldFile)
{
    const CString path = CChoiceList::PathOf(7, 2);
    ASSERT_TRUE(CChoiceList::Write(path, List({"old"})));
    const std::string before = ReadBytes(static_cast<LPCSTR>(path));
    // The file is held open without sharing: it cannot be replaced.
    HANDLE held = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(CChoiceList::Write(path, List({"new", "list"})));
    ::CloseHandle(held);
    EXPECT_EQ(before, ReadBytes(static_cast<LPCSTR>(path)));
    EXPECT_EQ(1, FileCount()) << "the temporary file is removed";
    // A folder that does not exist: nothing is written anywhere.
    EXPECT_FALSE(CChoiceList::Write(CString(m_root.c_str()) + "\\missing\\ON1N1.CMB", List({"x"})));
}

// An editable combo field of layout 9001 on a form window.
class EditableComboTest : public ChoiceListTest
{
protected:
    void SetUp() override
    {
        ChoiceListTest::SetUp();
        CNMirtLayoutData* pLayout = new CNMirtLayoutData;
        pLayout->m_nLayoutID = 9001;
        m_form.SetLayout(pLayout);
        m_field.m_nOrder = 4;
        m_field.m_listItems.AddTail("stored 1");
        m_field.m_listItems.AddTail("stored 2");
        m_field.m_pOwner = &m_form;
    }

    std::vector<std::string> Choices()
    {
        CStringList list;
        m_field.GetList(list);
        return ItemsOf(list);
    }

    CTestFormWnd m_form;
    CNPropObjCBEdt m_field;
};

TEST_F(EditableComboTest, FileReplacesTheStoredChoices)
{
    ASSERT_TRUE(CChoiceList::Write(CChoiceList::PathOf(9001, 4), List({"file 1", "file 2", "file 3"})));
    m_field.LoadToControl(0);
    EXPECT_EQ((std::vector<std::string>{"file 1", "file 2", "file 3"}), Choices());
}

TEST_F(EditableComboTest, MissingEmptyOrDamagedFileKeepsTheStoredChoices)
{
    const std::vector<std::string> stored = {"stored 1", "stored 2"};
    m_field.LoadToControl(0);
    EXPECT_EQ(stored, Choices());
    ASSERT_TRUE(CChoiceList::Write(CChoiceList::PathOf(9001, 4), CStringList()));
    m_field.LoadToControl(0);
    EXPECT_EQ(stored, Choices());
    WriteBytes(static_cast<LPCSTR>(CChoiceList::PathOf(9001, 4)), Bytes({0x02, 0x00, 0x01}));
    m_field.LoadToControl(0);
    EXPECT_EQ(stored, Choices());
    // Another layout's file with the same order is not this field's.
    ASSERT_TRUE(CChoiceList::Write(CChoiceList::PathOf(9002, 4), List({"other"})));
    m_field.LoadToControl(0);
    EXPECT_EQ(stored, Choices());
}

TEST(ComboFieldTest, ChoicesKeptThroughSaveAndLoad)
{
    CNPropObjCB field;
    field.SetList(List({"赤", "青", "黄"}));
    field.m_strData = "青";
    CNPropObjCB loaded;
    Load(loaded, Store(field));
    CStringList choices;
    loaded.GetList(choices);
    EXPECT_EQ((std::vector<std::string>{"赤", "青", "黄"}), ItemsOf(choices));
    EXPECT_EQ(CString("青"), loaded.m_strData);
}

TEST(ComboFieldTest, NotDrawnOnScreenPaperOrPreview)
{
    CNPropObjCB field(MakeBlock(1, {0, 0, 1000, 300}, 0x05), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.SetList(List({"a"}));
    MemoryCanvas canvas(400, 200);
    CBorrowedDC printer(canvas.dc(), canvas.dc(), TRUE);
    EXPECT_EQ(0, field.Draw(&printer, 0));
    EXPECT_EQ(0, field.Draw(CDC::FromHandle(canvas.dc()), 0));
    EXPECT_EQ(0, canvas.countInked({0, 0, 400, 200}));
}

TEST(ComboFieldTest, ComboBoxWindowWithTheOrderId)
{
    CHostWnd host;
    CTestFormWnd form;
    CNPropObjCB field(MakeBlock(6, {0, 0, 1000, 300}, 0x05), CNPropObjCtrl::STYLE_DEFAULT | CBS_DROPDOWNLIST, 0);
    field.m_pOwner = &form;
    CWnd* pWnd = field.CreateControl(&host, 1);
    ASSERT_NE(nullptr, pWnd);
    char cls[32] = {};
    ::GetClassNameA(pWnd->GetSafeHwnd(), cls, sizeof cls);
    EXPECT_STREQ("ComboBox", cls);
    EXPECT_EQ(2006, ::GetDlgCtrlID(pWnd->GetSafeHwnd()));
    EXPECT_EQ(field.GetControl(), pWnd);
    EXPECT_EQ(1, field.DestroyControl());
    EXPECT_EQ(nullptr, field.GetControl());
}

}  // namespace
