// An owner-drawn combo box: the parent's WM_MEASUREITEM, WM_COMPAREITEM,
// WM_DRAWITEM and WM_DELETEITEM reach the combo box object's virtuals.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "afxctrl.h"

namespace {

const UINT IDC_COMBO = 300;

// Items are numbers kept as item data; sorted by value, taller with value.
class CNumberCombo : public CComboBox
{
public:
    std::vector<std::string> m_log;

    static LPCSTR Item(UINT_PTR nValue) { return reinterpret_cast<LPCSTR>(nValue); }

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        m_log.push_back("measure " + std::to_string(static_cast<int>(lpMIS->itemID)));
        if (lpMIS->itemID != static_cast<UINT>(-1))
            lpMIS->itemHeight = 10 + static_cast<UINT>(lpMIS->itemData / 10);
    }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override
    {
        m_log.push_back("compare");
        return lpCIS->itemData1 < lpCIS->itemData2 ? -1 : lpCIS->itemData1 > lpCIS->itemData2 ? 1 : 0;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        m_log.push_back("draw " + std::to_string(static_cast<int>(lpDIS->itemID)) + " data " +
                        std::to_string(lpDIS->itemData) + (lpDIS->hDC != nullptr ? " dc" : " no dc") +
                        (lpDIS->itemState & ODS_COMBOBOXEDIT ? " edit" : ""));
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDIS) override
    {
        m_log.push_back("delete " + std::to_string(lpDIS->itemData));
    }
};

// Logs what reaches the parent's own map, then leaves it to the default
// handling, which offers it to the combo box.
class CComboParent : public CWnd
{
public:
    std::string m_log;

protected:
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
    {
        m_log += "draw " + std::to_string(nIDCtl) + ";";
        CWnd::OnDrawItem(nIDCtl, lpDIS);
    }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
    {
        m_log += "measure " + std::to_string(nIDCtl) + ";";
        CWnd::OnMeasureItem(nIDCtl, lpMIS);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CComboParent, CWnd)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

size_t Count(const std::vector<std::string>& log, const std::string& entry)
{
    return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
}

TEST(CtlComboBoxTest, OwnerDrawMessagesReachTheComboBoxObject)
{
    CComboParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300, nullptr,
        nullptr));
    CNumberCombo combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_SORT,
        CRect(10, 10, 150, 200), &parent, IDC_COMBO));
    // The selection field is measured while the combo box is made.
    EXPECT_EQ(1u, Count(combo.m_log, "measure -1"));

    for (UINT_PTR nValue : {30, 10, 20})
        combo.AddString(CNumberCombo::Item(nValue));
    EXPECT_GE(Count(combo.m_log, "compare"), 2u);
    for (int nIndex = 0; nIndex < 3; ++nIndex) {
        EXPECT_EQ(static_cast<DWORD_PTR>(10 * (nIndex + 1)), combo.GetItemData(nIndex));
        EXPECT_EQ(11 + nIndex, combo.GetItemHeight(nIndex));
    }

    combo.m_log.clear();
    combo.SetCurSel(1);
    combo.Invalidate();
    combo.UpdateWindow();
    EXPECT_GE(Count(combo.m_log, "draw 1 data 20 dc edit"), 1u);

    combo.m_log.clear();
    combo.ResetContent();
    std::sort(combo.m_log.begin(), combo.m_log.end());
    const std::vector<std::string> deleted = {"delete 10", "delete 20", "delete 30"};
    EXPECT_EQ(deleted, combo.m_log);

    EXPECT_NE(std::string::npos, parent.m_log.find("measure 300;"));
    EXPECT_NE(std::string::npos, parent.m_log.find("draw 300;"));
    parent.DestroyWindow();
}

}  // namespace

namespace {

// Item data pointers of a combo or list box: each item keeps its own, a bad
// index answers (void*)-1.
template <class TBox>
void CheckItemDataPointers(TBox& box)
{
    LOGFONTA fonts[2] = {};
    lstrcpyA(fonts[0].lfFaceName, "ＭＳ ゴシック");
    lstrcpyA(fonts[1].lfFaceName, "ＭＳ 明朝");
    for (LOGFONTA& font : fonts)
        ASSERT_NE(box.SetItemDataPtr(box.AddString(font.lfFaceName), &font), -1);
    EXPECT_EQ(&fonts[0], box.GetItemDataPtr(0));
    EXPECT_STREQ("ＭＳ 明朝", static_cast<LOGFONTA*>(box.GetItemDataPtr(1))->lfFaceName);
    EXPECT_EQ(reinterpret_cast<void*>(-1), box.GetItemDataPtr(2));
    EXPECT_EQ(-1, box.SetItemDataPtr(2, &fonts[0]));
}

}  // namespace

TEST(CtlComboBoxTest, ItemDataPointersStayWithTheirItems)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 150, 200), &parent, IDC_COMBO));
    CheckItemDataPointers(combo);
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(160, 10, 290, 200), &parent, IDC_COMBO + 1));
    CheckItemDataPointers(list);
    parent.DestroyWindow();
}
