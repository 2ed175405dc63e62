// The auto-item field: a value saved in a file under the install root fills
// the field when it is shown empty.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "live_field.h"
#include "npropobjautoitem.h"
#include "other_folder.h"

namespace {

using CWindowedAutoItem = CWindowedField<CNPropObjAutoItem>;

// An install root with saved values in its "\Data\Other\" folder.
class AutoItemTest : public OtherFolderTest
{
protected:
    void SetUp() override
    {
        OtherFolderTest::SetUp();
        WriteOther("COMPANY.AUT", StringArchive("株式会社テスト"));
        WriteOther("ZIP.AUT", StringArchive("100-0001"));
    }

    static CString Saved(std::initializer_list<const char*> items)
    {
        CStringList list;
        for (const char* item : items)
            list.AddTail(item);
        return CNPropObjAutoItem::ReadSavedValue(list);
    }
};

TEST_F(AutoItemTest, SavedValueByItems)
{
    const struct
    {
        std::initializer_list<const char*> items;
        const char* value;
    } cases[] = {
        {{}, ""},
        {{"COMPANY.AUT"}, "株式会社テスト"},
        {{"COMPANY.AUT   "}, "株式会社テスト"},
        {{"  COMPANY.AUT"}, ""},
        {{"MISSING.AUT"}, ""},
        {{"ZIP.AUT", "〒"}, "〒100-0001"},
        {{"MISSING.AUT", "〒"}, "〒"},
        {{"ZIP.AUT", "", "third"}, "100-0001"},
    };
    for (const auto& c : cases) {
        const CString value = Saved(c.items);
        EXPECT_STREQ(c.value, value) << (c.items.size() ? *c.items.begin() : "(none)");
    }
}

TEST_F(AutoItemTest, UnreadableFileGivesThePrefixWithoutAMessage)
{
    WriteOther("SHORT.AUT", std::string("\x0A" "abc", 4));
    WriteOther("EMPTY.AUT", std::string());
    EXPECT_STREQ("", Saved({"SHORT.AUT"}));
    EXPECT_STREQ("TEL ", Saved({"EMPTY.AUT", "TEL "}));
}

TEST_F(AutoItemTest, EmptyFieldShowsTheSavedValueAndKeepsAnEdit)
{
    CHostWnd host;
    CWindowedAutoItem field;
    CTestEntryWnd window(&field);
    ASSERT_TRUE(field.AttachWindow(window, &host));
    field.m_listItems.AddTail("COMPANY.AUT");

    field.LoadToControl(1);
    EXPECT_STREQ("株式会社テスト", field.m_strData);
    EXPECT_STREQ("株式会社テスト", window.Text());
    EXPECT_EQ("0l", window.Log());

    window.SetWindowText("テスト商会");
    field.SaveFromControl();
    field.LoadToControl(1);
    EXPECT_STREQ("テスト商会", field.m_strData);
    EXPECT_STREQ("テスト商会", window.Text());
}

TEST_F(AutoItemTest, LoadByEditabilityAndVisibility)
{
    ExpectLoadCases<CNPropObjAutoItem>(
        {
            {"editable, empty, with list", 1, 0x07, 0, 0, "", 1, "0l", "株式会社テスト"},
            {"editable, empty, without list", 1, 0x07, 0, 0, "", 0, "0l", ""},
            {"editable with data", 1, 0x07, 0, 0, "v", 1, "0l", "v"},
            {"locked, empty", 3, 0x07, 0, 0, "", 0, "0l", "株式会社テスト"},
            {"shown, takes no input, no data", 1, 0x00, 0, 0, "", 0, "0l", "株式会社テスト"},
            {"hidden", 1, 0x07, 0x20, 0, "", 1, "", ""},
            {"shown in no window", 0, 0x07, 0, 0, "", 1, "", ""},
        },
        [](CNPropObjAutoItem& field) { field.m_listItems.AddTail("COMPANY.AUT"); });
}

TEST(AutoItem, FrameKindVersionCloneAndRecord)
{
    CNPropObjAutoItem field(MakeBlock(6, {0, 0, 400, 100}, 0x07), CNPropObjCtrl::STYLE_DEFAULT, 0);
    EXPECT_EQ(3, field.m_nFrameKind);
    EXPECT_EQ(3, CNPropObjAutoItem().m_nFrameKind);
    EXPECT_EQ(1u, field.GetVersion());
    EXPECT_EQ(1, RUNTIME_CLASS(CNPropObjAutoItem)->m_wSchema);
    field.m_strData = "値";

    std::unique_ptr<CNPropObj> pClone(field.Clone(-5, 7));
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjAutoItem)));
    CNPropObjAutoItem* pCopy = static_cast<CNPropObjAutoItem*>(pClone.get());
    EXPECT_EQ(-5, pCopy->m_rect.left);
    EXPECT_EQ(CSize(-5, 7), pCopy->m_sizeClone);
    EXPECT_STREQ("値", pCopy->m_strData);
    EXPECT_EQ(3, pCopy->m_nFrameKind);

    // The text field's record, with this class's version first.
    CNPropObjDoc doc(MakeBlock(6, {0, 0, 400, 100}, 0x07), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.CopyTo(&doc);
    std::string expected = Store(doc);
    expected[0] = 1;
    EXPECT_EQ(expected, Store(field));
}

}  // namespace
