// The launcher's form list and preview, read through the list box's
// messages of a main dialog over a written index.
#include <memory>
#include <string>
#include <vector>

#include "formlistbox.h"
#include "msgbox_recorder.h"
#include "prtdatainfo.h"
#include "resource.h"
#include "strelmain_fixture.h"
#include "strelmaindlg.h"

namespace {

struct Row
{
    std::string text;
    DWORD_PTR data;
    bool operator==(const Row& other) const { return text == other.text && data == other.data; }
};

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << row.text << "/" << row.data;
}

std::vector<Row> RowsOf(HWND hList)
{
    std::vector<Row> rows;
    const int nCount = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char text[256] = {};
        ::SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.push_back({text, static_cast<DWORD_PTR>(::SendMessageA(hList, LB_GETITEMDATA, i, 0))});
    }
    return rows;
}

// A main dialog made as a window of the test (no modal loop).
class MainDialog
{
public:
    MainDialog()
    {
        m_pDlg.reset(new CStrelMainDlg);
        m_pDlg->Create(IDD_STRELMAIN_DIALOG);
    }
    ~MainDialog() { m_pDlg->DestroyWindow(); }
    CStrelMainDlg* operator->() const { return m_pDlg.get(); }
    HWND List() const { return ::GetDlgItem(m_pDlg->GetSafeHwnd(), IDC_FORM_LIST); }
    int Selection() const { return static_cast<int>(::SendMessageA(List(), LB_GETCURSEL, 0, 0)); }
    void Key(UINT nKey) const
    {
        ::SendMessageA(List(), WM_KEYDOWN, nKey, 0);
        ::SendMessageA(List(), WM_KEYUP, nKey, 0xC0000001);
    }
    // A click on a region of the dialog (client coordinates). The first
    // move away from a hot region only clears it.
    void Click(int x, int y) const
    {
        const LPARAM at = MAKELPARAM(x, y);
        m_pDlg->SendMessage(WM_MOUSEMOVE, 0, at);
        m_pDlg->SendMessage(WM_MOUSEMOVE, 0, at);
        m_pDlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        m_pDlg->SendMessage(WM_LBUTTONUP, 0, at);
    }

private:
    std::unique_ptr<CStrelMainDlg> m_pDlg;
};

bool Exists(const CString& strPath)
{
    return ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

// Category rows carry 100 + their index and stay when empty; a form is left
// out when its title is empty or it needs a missing preview (unless it is a
// registered form, which shows its source's); entries past the category
// counts are not read.
TEST_F(StrelMainTest, FormListShowsCategoriesAndListableForms)
{
    CPrtDataInfo* pGroup = NewGroup("標準", {{"伝票", 3}, {"空", 0}, {"請求", 2}});
    AddForm(*pGroup, 9001, 0, "納品書", "A4縦", 1);
    AddForm(*pGroup, 9002, 0, "請求書", "", 1);   // its picture is missing
    AddForm(*pGroup, 9005, 0, "", "", 0);
    AddForm(*pGroup, 40001, 9001, "私の納品書", "", 1);
    AddForm(*pGroup, 9004, 0, "見積書", "*社内", 0);
    AddForm(*pGroup, 9006, 0, "古い", "", 0);   // past the counts
    WriteIndex({pGroup});
    WritePreview("9001.jpg");

    MainDialog dlg;
    const std::vector<Row> expected = {
        {"伝票", 100}, {"納品書", 0}, {"空", 101}, {"請求", 102}, {"私の納品書", 3}, {"見積書", 4}};
    EXPECT_EQ(expected, RowsOf(dlg.List()));
    EXPECT_EQ(1, dlg.Selection());
    EXPECT_EQ(0, dlg->SelectedForm());
    EXPECT_FALSE(dlg->ShowsPlaceholder());

    const CPrtDataInfo& record = *dlg->CurrentRecord();
    EXPECT_EQ("■請求", std::string(CFormListBox::RowText(record, 102)));
    EXPECT_EQ("     納品書 A4縦", std::string(CFormListBox::RowText(record, 0)));
    EXPECT_EQ("     見積書 ", std::string(CFormListBox::RowText(record, 4)));
}

// The arrow keys skip a category row in the direction of travel; at the
// top the selection goes to the row below.
TEST_F(StrelMainTest, SelectionSkipsCategoryRows)
{
    CPrtDataInfo* pGroup = NewGroup("標準", {{"伝票", 2}, {"その他", 1}});
    AddForm(*pGroup, 9001, 0, "納品書", "", 0);
    AddForm(*pGroup, 9002, 0, "請求書", "", 0);
    AddForm(*pGroup, 9003, 0, "見積書", "", 0);
    WriteIndex({pGroup});

    MainDialog dlg;
    struct Step
    {
        UINT nKey;
        int nRow;
        int nForm;
    };
    const Step steps[] = {{VK_DOWN, 2, 1}, {VK_DOWN, 4, 2}, {VK_UP, 2, 1}, {VK_UP, 1, 0}, {VK_UP, 1, 0}};
    for (const Step& step : steps) {
        dlg.Key(step.nKey);
        EXPECT_EQ(step.nRow, dlg.Selection());
        EXPECT_EQ(step.nForm, dlg->SelectedForm());
    }
}

// The chosen form's JPEG preview is converted into a temporary BMP file,
// which goes when the next picture is loaded; a form without a picture
// shows the blank one, and a registered form its source's.
TEST_F(StrelMainTest, PreviewFollowsTheSelection)
{
    CPrtDataInfo* pGroup = NewGroup("標準", {{"伝票", 3}});
    AddForm(*pGroup, 9001, 0, "納品書", "", 1);
    AddForm(*pGroup, 9002, 0, "請求書", "", 0);
    AddForm(*pGroup, 40001, 9001, "私の納品書", "", 1);
    WriteIndex({pGroup});
    WritePreview("9001.jpg");

    MainDialog dlg;
    EXPECT_EQ("9001.jpg", std::string(dlg->Preview().m_strFileName));
    ASSERT_FALSE(dlg->Preview().Picture().IsEmpty());
    EXPECT_EQ(40, dlg->Preview().Picture().m_nWidth);
    const CString strFirstTemp = dlg->Preview().TempPath();
    EXPECT_TRUE(Exists(strFirstTemp));

    dlg.Key(VK_DOWN);
    EXPECT_EQ("White.jpg", std::string(dlg->Preview().m_strFileName));
    EXPECT_FALSE(Exists(strFirstTemp));
    EXPECT_FALSE(dlg->Preview().Picture().IsEmpty());

    dlg.Key(VK_DOWN);
    EXPECT_EQ(2, dlg->SelectedForm());
    EXPECT_EQ("9001.jpg", std::string(dlg->Preview().m_strFileName));
}

// A pick-up page whose forms all need missing pictures, and a tab without a
// record, show an empty list and the blank picture.
TEST_F(StrelMainTest, PagesWithoutFormsShowThePlaceholder)
{
    CPrtDataInfo* pPickup = NewGroup(PRTDATA_PICKUP_GROUP, {{PRTDATA_PICKUP_GROUP, 2}});
    AddForm(*pPickup, 9001, 0, "納品書", "", 1);
    AddForm(*pPickup, 9002, 0, "請求書", "", 1);
    CPrtDataInfo* pGroup = NewGroup("標準", {{"伝票", 1}});
    AddForm(*pGroup, 9003, 0, "伝票", "", 0);
    WriteIndex({pPickup, pGroup});

    MainDialog dlg;
    EXPECT_TRUE(dlg->ShowsPlaceholder());
    EXPECT_TRUE(RowsOf(dlg.List()).empty());
    EXPECT_EQ("White.jpg", std::string(dlg->Preview().m_strFileName));

    dlg.Click(50, 80);   // tab 2
    EXPECT_EQ(1, dlg->CurrentPage());
    EXPECT_FALSE(dlg->ShowsPlaceholder());
    EXPECT_EQ(2u, RowsOf(dlg.List()).size());
    EXPECT_EQ(dlg->LookId(1, CStrelMainDlg::kHot), dlg->CurrentLook(1));
    EXPECT_EQ(dlg->LookId(0, CStrelMainDlg::kNormal), dlg->CurrentLook(0));

    dlg.Click(50, 300);   // tab 6: no record
    EXPECT_EQ(5, dlg->CurrentPage());
    EXPECT_TRUE(dlg->ShowsPlaceholder());
    EXPECT_TRUE(RowsOf(dlg.List()).empty());
}

// Without an index file the launcher makes one holding a single 0 and
// shows empty pages.
TEST_F(StrelMainTest, MissingIndexIsMadeEmpty)
{
    MainDialog dlg;
    EXPECT_TRUE(dlg->ShowsPlaceholder());
    EXPECT_TRUE(RowsOf(dlg.List()).empty());
    CFile file(Path(PRTDATA_INDEX_FILE).c_str(), CFile::modeRead);
    EXPECT_EQ(4u, file.GetLength());
}
