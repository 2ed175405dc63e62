// The choice-list button: its editor on the target combo field's choices,
// the file written on "終了", the target reloaded, and a damaged file
// reported with the resource handle given back.
#include <gtest/gtest.h>

#include <mirtenv.h>

#include <fstream>
#include <string>
#include <vector>

#include "choicelist.h"
#include "field_fixture.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "nmirtlayoutdata.h"
#include "npropobjbtnsub.h"
#include "npropobjcb.h"
#include "test_paths.h"

namespace {

// Dialog controls of the editor.
const int kList = 1019, kText = 1023, kAdd = 1016, kChange = 1017, kDelete = 1004, kCommit = 1006;

std::vector<std::string> ListBoxItems(CWnd* pDialog)
{
    std::vector<std::string> items;
    HWND hList = ::GetDlgItem(pDialog->GetSafeHwnd(), kList);
    for (int i = 0; i < static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0)); ++i) {
        char text[256] = {};
        ::SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void SelectEntry(CWnd* pDialog, int index)
{
    HWND hList = ::GetDlgItem(pDialog->GetSafeHwnd(), kList);
    ::SendMessageA(hList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(kList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

// Adds or changes an entry: the mode's button, the text, then OK.
void Enter(CWnd* pDialog, int modeButton, const char* text)
{
    ModalScript::Click(pDialog, modeButton);
    ::SetDlgItemTextA(pDialog->GetSafeHwnd(), kText, text);
    ModalScript::Click(pDialog, kCommit);
}

bool Enabled(CWnd* pDialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(pDialog->GetSafeHwnd(), id)) != FALSE;
}

// Layout 9001 with a combo field (order 4, choices "a", "b") and its
// choice-list button (order 5) on one face.
class ChoiceButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        ::CreateDirectoryA((m_root + "\\DATA").c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\DATA\\OTHER").c_str(), nullptr);
        CNMirtLayoutData* pLayout = new CNMirtLayoutData;
        pLayout->m_nLayoutID = 9001;
        m_form.SetLayout(pLayout);
        CPropData* pFace = new CPropData;
        m_pCombo = new CNPropObjCBEdt;
        m_pCombo->m_nOrder = 4;
        m_pCombo->m_listItems.AddTail("a");
        m_pCombo->m_listItems.AddTail("b");
        m_pCombo->m_pOwner = &m_form;
        m_pButton = new CNPropObjBtnEdtCmb;
        m_pButton->m_nOrder = 5;
        m_pButton->m_nTargetOrder = 4;
        m_pButton->m_pOwner = &m_form;
        pFace->AddPropObj(m_pCombo);
        pFace->AddPropObj(m_pButton);
        m_form.AddFace(pFace);
        m_path = static_cast<LPCSTR>(CChoiceList::PathOf(9001, 4));
        m_resources = AfxGetResourceHandle();
    }
    void TearDown() override
    {
        EXPECT_EQ(m_resources, AfxGetResourceHandle()) << "resource handle given back";
        CMirtEnv::SetRootOverride(nullptr);
    }

    std::vector<std::string> Choices()
    {
        CStringList list;
        m_pCombo->GetList(list);
        return ItemsOf(list);
    }

    std::string m_root, m_path;
    CTestFormWnd m_form;
    CNPropObjCBEdt* m_pCombo = nullptr;
    CNPropObjBtnEdtCmb* m_pButton = nullptr;
    HINSTANCE m_resources = nullptr;
};

TEST_F(ChoiceButtonTest, WithoutAFileTheEditorStartsFromTheFieldAndFinishWritesIt)
{
    ModalScript script;
    std::vector<std::string> shown;
    script.ExpectDialog([&](CWnd* pDialog) {
        shown = ListBoxItems(pDialog);
        Enter(pDialog, kAdd, "c");            // nothing selected: at the end
        SelectEntry(pDialog, 0);
        Enter(pDialog, kAdd, "");             // before the selected entry; empty is allowed
        SelectEntry(pDialog, 2);
        Enter(pDialog, kChange, "B");
        ModalScript::Click(pDialog, IDOK);
    });
    EXPECT_EQ(1, m_pButton->Execute(0, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), shown);
    CStringList written;
    ASSERT_EQ(CChoiceList::READ_DONE, CChoiceList::Read(m_path.c_str(), written));
    EXPECT_EQ((std::vector<std::string>{"", "a", "B", "c"}), ItemsOf(written));
    std::ifstream file(m_path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(std::string("\x04\x00\x00\x01" "a\x01" "B\x01" "c", 9), bytes);
    EXPECT_EQ((std::vector<std::string>{"", "a", "B", "c"}), Choices()) << "the target is reloaded";
}

TEST_F(ChoiceButtonTest, CancelLeavesTheFileAndStillReloads)
{
    CStringList original;
    original.AddTail("x");
    original.AddTail("y");
    ASSERT_TRUE(CChoiceList::Write(m_path.c_str(), original));
    ModalScript script;
    script.ExpectDialog([](CWnd* pDialog) {
        EXPECT_FALSE(Enabled(pDialog, kChange));
        EXPECT_FALSE(Enabled(pDialog, kDelete));
        SelectEntry(pDialog, 0);
        EXPECT_TRUE(Enabled(pDialog, kChange));
        ModalScript::Click(pDialog, kDelete);
        EXPECT_EQ(std::vector<std::string>{"y"}, ListBoxItems(pDialog));
        ModalScript::Click(pDialog, IDCANCEL);
    });
    EXPECT_EQ(1, m_pButton->Execute(0, 0, 0));
    CStringList kept;
    ASSERT_EQ(CChoiceList::READ_DONE, CChoiceList::Read(m_path.c_str(), kept));
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), ItemsOf(kept));
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), Choices());
}

TEST_F(ChoiceButtonTest, AddingOrChangingLocksTheOtherButtonsUntilOkOrAbandon)
{
    const int kAbandon = 1018;
    ModalScript script;
    std::vector<std::string> shown;
    script.ExpectDialog([&](CWnd* pDialog) {
        SelectEntry(pDialog, 1);
        ModalScript::Click(pDialog, kChange);
        for (int id : {IDOK, IDCANCEL, kAdd, kChange, kDelete})
            EXPECT_FALSE(Enabled(pDialog, id)) << id;
        for (int id : {kText, kCommit, kAbandon})
            EXPECT_TRUE(Enabled(pDialog, id)) << id;
        char text[16] = {};
        ::GetDlgItemTextA(pDialog->GetSafeHwnd(), kText, text, sizeof(text));
        EXPECT_STREQ("b", text);
        ModalScript::Click(pDialog, kAbandon);
        for (int id : {IDOK, IDCANCEL, kAdd, kChange, kDelete})
            EXPECT_TRUE(Enabled(pDialog, id)) << id;
        EXPECT_FALSE(Enabled(pDialog, kText));
        ::GetDlgItemTextA(pDialog->GetSafeHwnd(), kText, text, sizeof(text));
        EXPECT_STREQ("", text);
        shown = ListBoxItems(pDialog);
        ModalScript::Click(pDialog, IDOK);
    });
    m_pButton->Execute(0, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), shown);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Choices()) << "finished unchanged";
}

TEST_F(ChoiceButtonTest, DamagedFileIsReportedWithoutTheEditor)
{
    std::ofstream(m_path, std::ios::binary) << std::string("\x05\x00\x01", 3);
    MessageBoxRecorder boxes;
    EXPECT_EQ(1, m_pButton->Execute(0, 0, 0));
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("選択肢のファイルを読み込めませんでした。", boxes.shown()[0].text);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Choices());
}

TEST_F(ChoiceButtonTest, NoTargetNoAction)
{
    m_pButton->m_nTargetOrder = 9;
    EXPECT_EQ(0, m_pButton->Execute(0, 0, 0));
    m_pButton->m_pOwner = nullptr;
    EXPECT_EQ(0, m_pButton->Execute(0, 0, 0));
}

}  // namespace
