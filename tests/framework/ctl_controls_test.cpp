// Control wrappers with more to them than one message: lines of an edit
// control, item texts of lists, the scroll limit, the up-down control.
#include <gtest/gtest.h>

#include <string>

#include "parent_window_fixture.h"
#include "afxctrl.h"

namespace {

using CtlControlsTest = ParentWindowTest<CWnd>;

TEST_F(CtlControlsTest, EditLinesAndSelection)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 100), &m_parent, 1));
    edit.SetWindowText("一行目\r\n二行目です");
    EXPECT_EQ(2, edit.GetLineCount());
    char szLine[32];
    const int nCopied = edit.GetLine(1, szLine, sizeof szLine);
    EXPECT_EQ("二行目です", std::string(szLine, static_cast<size_t>(nCopied)));
    EXPECT_EQ(0, edit.GetLine(1, szLine, 1));   // no room for the size word

    // Positions count characters under Wine and bytes under Windows: the
    // selection is tried on single-byte text.
    edit.SetWindowText("abcdef");
    edit.SetSel(2, 4);
    int nStart = 0;
    int nEnd = 0;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(4, nEnd);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(2, 4)), edit.GetSel());
    edit.ReplaceSel("二");
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("ab二ef", text);

    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
}

TEST_F(CtlControlsTest, ItemTextsOfComboAndListBoxes)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 150, 100), &m_parent, 2));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(0, 120, 150, 200), &m_parent, 3));
    for (const char* pszItem : {"東京", "大阪本社", "名古屋"}) {
        combo.AddString(pszItem);
        list.AddString(pszItem);
    }
    CString text;
    combo.GetLBText(1, text);
    EXPECT_STREQ("大阪本社", text);
    list.GetText(2, text);
    EXPECT_STREQ("名古屋", text);
    combo.GetLBText(5, text);
    EXPECT_STREQ("", text);
    EXPECT_EQ(1, combo.FindStringExact(-1, "大阪本社"));
    EXPECT_EQ(1, list.SelectString(-1, "大阪"));
    EXPECT_EQ(1, list.GetCurSel());
}

TEST_F(CtlControlsTest, ScrollLimitLeavesTheLastPageInView)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 0, 200, 16), &m_parent, 4));
    SCROLLINFO info = {};
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = 100;
    info.nPage = 10;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(91, bar.GetScrollLimit());
    bar.SetScrollPos(95);
    EXPECT_EQ(91, bar.GetScrollPos());
    info.nPage = 0;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(100, bar.GetScrollLimit());
}

TEST_F(CtlControlsTest, SpinButtonDrivesItsBuddy)
{
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_VISIBLE, CRect(0, 0, 80, 20), &m_parent, 5));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, CRect(80, 0, 96, 20), &m_parent, 6));
    EXPECT_EQ(nullptr, spin.SetBuddy(&buddy));
    EXPECT_EQ(&buddy, spin.GetBuddy());
    spin.SetRange32(-5, 500);
    int nLower = 0;
    int nUpper = 0;
    spin.GetRange(nLower, nUpper);
    EXPECT_EQ(-5, nLower);
    EXPECT_EQ(500, nUpper);

    spin.SetPos(250);
    CString text;
    buddy.GetWindowText(text);
    EXPECT_STREQ("250", text);
    buddy.SetWindowText("-3");
    EXPECT_EQ(-3, static_cast<short>(LOWORD(spin.GetPos())));
    EXPECT_EQ(10, spin.SetBase(16));
    EXPECT_EQ(16u, spin.GetBase());
}

}  // namespace
