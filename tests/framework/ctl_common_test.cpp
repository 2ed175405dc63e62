// The list-view and tab controls and the check list box on real windows.
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "parent_window_fixture.h"
#include "afxcmn.h"
#include "canvas.h"

namespace {

const UINT kListID = 101;

// Counts the check changes its check list box reports.
class CCheckParentWnd : public CWnd
{
public:
    int m_nCheckChanges = 0;
    int m_nSelChanges = 0;
    int m_nCheckAtSelChange = -1;
    CCheckListBox* m_pList = nullptr;

protected:
    afx_msg void OnCheckChange() { ++m_nCheckChanges; }
    afx_msg void OnSelChange()
    {
        ++m_nSelChanges;
        m_nCheckAtSelChange = m_pList->GetCheck(m_pList->GetCurSel());
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCheckParentWnd, CWnd)
    ON_CONTROL(CLBN_CHKCHANGE, kListID, OnCheckChange)
    ON_LBN_SELCHANGE(kListID, OnSelChange)
END_MESSAGE_MAP()

class CDrawnListCtrl : public CListCtrl
{
public:
    std::set<UINT> m_drawn;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { m_drawn.insert(lpDIS->itemID); }
};

using CtlCommonTest = ParentWindowTest<CCheckParentWnd>;

int CALLBACK ByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    EXPECT_EQ(7, lParamSort);
    return lParam1 < lParam2 ? 1 : lParam1 > lParam2 ? -1 : 0;
}

TEST_F(CtlCommonTest, ListCtrlReportLinesDataSelectionAndSort)
{
    CDrawnListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
        CRect(0, 0, 300, 200), &m_parent, kListID));
    EXPECT_EQ(0, list.InsertColumn(0, "ファイル名", LVCFMT_LEFT, 180));
    EXPECT_EQ(1, list.InsertColumn(1, "前回利用日時", LVCFMT_RIGHT, 100));
    EXPECT_EQ(180, list.GetColumnWidth(0));
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);

    const char* const names[] = { "一", "二", "三" };
    int anchors[3];
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i, list.InsertItem(i, names[i]));
        EXPECT_TRUE(list.SetItemText(i, 1, "2026/12/10"));
        EXPECT_TRUE(list.SetItemData(i, reinterpret_cast<DWORD_PTR>(&anchors[i])));
    }
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_EQ("二", std::string(list.GetItemText(1, 0)));
    EXPECT_EQ("2026/12/10", std::string(list.GetItemText(2, 1)));
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(&anchors[2]), list.GetItemData(2));
    EXPECT_GT(list.GetCountPerPage(), 3);

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(2u, list.GetSelectedCount());
    EXPECT_EQ(0, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(2, list.GetNextItem(0, LVNI_SELECTED));
    EXPECT_EQ(-1, list.GetNextItem(2, LVNI_SELECTED));
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), list.GetItemState(2, LVIS_SELECTED));

    // Lines are drawn by DrawItem, reflected from the parent.
    list.UpdateWindow();
    EXPECT_EQ((std::set<UINT>{ 0, 1, 2 }), list.m_drawn);
    CRect rect0, rect1;
    ASSERT_TRUE(list.GetItemRect(0, &rect0, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(1, &rect1, LVIR_BOUNDS));
    EXPECT_EQ(rect0.bottom, rect1.top);

    // Sorted by the data: the anchors' addresses, highest first.
    ASSERT_TRUE(list.SortItems(&ByDataDescending, 7));
    EXPECT_EQ("三", std::string(list.GetItemText(0, 0)));
    EXPECT_EQ("一", std::string(list.GetItemText(2, 0)));
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(2, list.GetItemCount());
}

TEST_F(CtlCommonTest, TabCtrlTabsAndChoice)
{
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_parent, 102));
    EXPECT_EQ(0, tabs.InsertItem(0, "ﾃｰﾌﾞﾙ"));
    EXPECT_EQ(1, tabs.InsertItem(1, "ｸｴﾘｰ"));
    EXPECT_EQ(2, tabs.GetItemCount());
    EXPECT_EQ(0, tabs.GetCurSel());
    EXPECT_EQ(0, tabs.SetCurSel(1));
    EXPECT_EQ(1, tabs.GetCurSel());
    EXPECT_EQ(-1, tabs.SetCurSel(5));
    EXPECT_TRUE(tabs.DeleteAllItems());
    EXPECT_EQ(0, tabs.GetItemCount());
}

class CheckListTest : public CtlCommonTest
{
protected:
    void SetUp() override
    {
        CtlCommonTest::SetUp();
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 150), &m_parent, kListID));
        m_parent.m_pList = &m_list;
    }

    // A press and release at the point of line nIndex, x pixels in.
    void ClickLine(int nIndex, int x)
    {
        CRect rect;
        m_list.GetItemRect(nIndex, &rect);
        const LPARAM lParam = MAKELPARAM(x, rect.top + rect.Height() / 2);
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        m_list.SendMessage(WM_LBUTTONUP, 0, lParam);
    }

    CCheckListBox m_list;
};

TEST_F(CheckListTest, ChecksFollowTheirLines)
{
    EXPECT_TRUE(m_list.GetStyle() & LBS_OWNERDRAWFIXED);
    m_list.AddString("A");
    m_list.AddString("B");
    m_list.AddString("C");
    m_list.SetCheck(1, 1);
    EXPECT_EQ(0, m_list.GetCheck(0));
    EXPECT_EQ(1, m_list.GetCheck(1));
    m_list.InsertString(0, "前");
    EXPECT_EQ(1, m_list.GetCheck(2));
    EXPECT_EQ(0, m_list.GetCheck(1));
    m_list.DeleteString(0);
    EXPECT_EQ(1, m_list.GetCheck(1));
    EXPECT_EQ(0, m_list.GetCheck(7));  // no such line
    m_list.ResetContent();
    m_list.AddString("D");
    EXPECT_EQ(0, m_list.GetCheck(0));
}

TEST_F(CheckListTest, ClickOnTheBoxOrSpaceTurnsTheCheckBeforeTheSelectionMoves)
{
    m_list.AddString("A");
    m_list.AddString("B");
    ClickLine(1, 2);
    EXPECT_EQ(1, m_list.GetCheck(1));
    EXPECT_EQ(1, m_parent.m_nCheckChanges);
    EXPECT_EQ(1, m_parent.m_nSelChanges);
    EXPECT_EQ(1, m_parent.m_nCheckAtSelChange);

    ClickLine(0, 150);  // on the text: selection only
    EXPECT_EQ(0, m_list.GetCheck(0));
    EXPECT_EQ(1, m_parent.m_nCheckChanges);
    EXPECT_EQ(0, m_list.GetCurSel());

    m_list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, m_list.GetCheck(0));
    EXPECT_EQ(2, m_parent.m_nCheckChanges);
}

TEST_F(CheckListTest, DrawsACheckMarkOnlyForCheckedLines)
{
    m_list.AddString("A");
    m_list.AddString("B");
    m_list.SetCheck(0, 1);
    const int nHeight = m_list.GetItemHeight(0);
    int inked[2];
    for (int nLine = 0; nLine < 2; ++nLine) {
        MemoryCanvas canvas(200, nHeight);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_LISTBOX;
        dis.itemID = static_cast<UINT>(nLine);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hDC = canvas.dc();
        dis.rcItem = CRect(0, 0, 200, nHeight);
        m_list.DrawItem(&dis);
        inked[nLine] = canvas.countInked(CRect(3, 3, nHeight - 3, nHeight - 3));
    }
    EXPECT_GT(inked[0], inked[1] + 4);
}

}  // namespace
