// A property sheet of two pages from the test's resources, answered through
// the modal script: captions, page changes with validation, OK and Cancel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxdlgs.h"
#include "dlg_resource.h"
#include "modal_script.h"
#include "msgbox_recorder.h"

namespace {

class CTitlePage : public CPropertyPage
{
public:
    explicit CTitlePage(std::string& log) : CPropertyPage(IDD_DLG_PAGE_TITLE), m_log(log) {}

    CString m_strTitle = "請求書";

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_DLG_TITLE, m_strTitle); }
    BOOL OnApply() override
    {
        m_log += "apply title;";
        return CPropertyPage::OnApply();
    }

private:
    std::string& m_log;
};

class CCopiesPage : public CPropertyPage
{
public:
    explicit CCopiesPage(std::string& log) : CPropertyPage(IDD_DLG_PAGE_COPIES, IDS_DLG_COPIES_TAB), m_log(log) {}

    int m_nCopies = 1;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DLG_COPIES, m_nCopies);
        DDV_MinMaxInt(pDX, m_nCopies, 1, 9);
    }
    BOOL OnApply() override
    {
        m_log += "apply copies;";
        return CPropertyPage::OnApply();
    }

private:
    std::string& m_log;
};

std::string WindowText(const CWnd* pWnd)
{
    CString text;
    pWnd->GetWindowText(text);
    return static_cast<LPCSTR>(text);
}

std::string TabTexts(const CPropertySheet& sheet)
{
    const HWND hTab = PropSheet_GetTabControl(sheet.m_hWnd);
    std::string texts;
    for (int nTab = 0; nTab < TabCtrl_GetItemCount(hTab); ++nTab) {
        char szText[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = sizeof szText;
        ::SendMessageA(hTab, TCM_GETITEMA, static_cast<WPARAM>(nTab), reinterpret_cast<LPARAM>(&item));
        texts += std::string(nTab > 0 ? "|" : "") + szText;
    }
    return texts;
}

class DlgPropSheetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "持ち主", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
            nullptr, nullptr));
    }

    void TearDown() override
    {
        m_owner.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    CWnd m_owner;
    std::string m_log;
    CTitlePage m_title{m_log};
    CCopiesPage m_copies{m_log};
};

TEST_F(DlgPropSheetTest, OkValidatesTheActivePageAndAppliesAll)
{
    CPropertySheet sheet(IDS_DLG_SHEET, &m_owner);
    sheet.AddPage(&m_title);
    sheet.AddPage(&m_copies);
    MessageBoxRecorder recorder;
    ModalScript script;
    std::vector<std::string> seen;
    script.ExpectDialog([&](CWnd* pModal) {
        ASSERT_EQ(&sheet, pModal);
        seen.push_back(WindowText(&sheet) + " [" + TabTexts(sheet) + "]");
        seen.push_back(std::string(m_owner.IsWindowEnabled() ? "owner enabled" : "owner disabled"));
        ASSERT_EQ(&m_title, sheet.GetActivePage());
        seen.push_back("title " + WindowText(m_title.GetDlgItem(IDC_DLG_TITLE)));
        m_title.SetDlgItemText(IDC_DLG_TITLE, "見積書");

        ASSERT_TRUE(sheet.SetActivePage(&m_copies));
        ASSERT_EQ(&m_copies, sheet.GetActivePage());
        seen.push_back("copies " + WindowText(m_copies.GetDlgItem(IDC_DLG_COPIES)));
        m_copies.SetDlgItemText(IDC_DLG_COPIES, "12");
        sheet.PressButton(PSBTN_OK);
        seen.push_back(sheet.ContinueModal() ? "still open" : "closed");
        m_copies.SetDlgItemText(IDC_DLG_COPIES, "4");
        sheet.PressButton(PSBTN_OK);
    });

    EXPECT_EQ(IDOK, sheet.DoModal());
    const std::vector<std::string> expected = {
        "印刷の設定 [表題|印刷部数]", "owner disabled", "title 請求書", "copies 1", "still open"};
    EXPECT_EQ(expected, seen);
    ASSERT_EQ(1u, recorder.shown().size());
    EXPECT_EQ("1 から 9 までの整数を入力してください。", recorder.shown()[0].text);
    EXPECT_EQ("apply title;apply copies;", m_log);
    EXPECT_STREQ("見積書", m_title.m_strTitle);
    EXPECT_EQ(4, m_copies.m_nCopies);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, m_title.m_hWnd);
    EXPECT_EQ(nullptr, m_copies.m_hWnd);
}

TEST_F(DlgPropSheetTest, CancelLeavesThePagesMembersAlone)
{
    CPropertySheet sheet("設定", &m_owner, 1);
    sheet.AddPage(&m_title);
    sheet.AddPage(&m_copies);
    EXPECT_EQ(&m_copies, sheet.GetActivePage());
    ModalScript script;
    script.ExpectDialog([&](CWnd*) {
        EXPECT_EQ(&m_copies, sheet.GetActivePage());
        m_copies.SetDlgItemText(IDC_DLG_COPIES, "5");
        sheet.PressButton(PSBTN_CANCEL);
    });

    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ(1, m_copies.m_nCopies);
    EXPECT_EQ("", m_log);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

}  // namespace
