// Dialogs from the test's resources: a modal dialog answered through the
// modal script with data exchange in both directions and failed
// validations, dialogs that never reach their loop, and a modeless dialog
// with its keyboard.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdio.h>

#include <iterator>
#include <string>
#include <vector>

#include "afxdlgs.h"
#include "dlg_resource.h"
#include "modal_script.h"
#include "msgbox_recorder.h"

namespace {

std::string ItemText(const CWnd* pDlg, int nID)
{
    CString text;
    pDlg->GetDlgItemText(nID, text);
    return static_cast<LPCSTR>(text);
}

class CEntryDlg : public CDialog
{
public:
    explicit CEntryDlg(CWnd* pParentWnd) : CDialog(IDD_DLG_ENTRY, pParentWnd) {}

    CString m_strName = "山田";
    int m_nCount = 3;
    int m_nUrgent = BST_CHECKED;
    int m_nSize = 1;
    CString m_strPrinter = "第二";
    int m_nTray = 2;

    CComboBox m_printers;
    CSpinButtonCtrl m_spin;

    // What the controls show.
    std::string Shown() const
    {
        std::string shown = "name=" + ItemText(this, IDC_DLG_NAME) + " count=" + ItemText(this, IDC_DLG_COUNT);
        shown += " spin=" + std::to_string(LOWORD(m_spin.GetPos()));
        shown += " urgent=" + std::to_string(IsDlgButtonChecked(IDC_DLG_URGENT));
        for (int nID : {IDC_DLG_A4, IDC_DLG_B5, IDC_DLG_A3})
            shown += IsDlgButtonChecked(nID) ? " size=" + ItemText(this, nID) : "";
        shown += " printer=" + ItemText(this, IDC_DLG_PRINTER);
        shown += " tray=" + std::to_string(SendDlgItemMessageA(m_hWnd, IDC_DLG_TRAY, LB_GETCURSEL, 0, 0));
        return shown;
    }

    // What the members hold.
    std::string Members() const
    {
        return "name=" + std::string(m_strName) + " count=" + std::to_string(m_nCount) +
               " urgent=" + std::to_string(m_nUrgent) + " size=" + std::to_string(m_nSize) +
               " printer=" + std::string(m_strPrinter) + " tray=" + std::to_string(m_nTray);
    }

    BOOL OnInitDialog() override
    {
        // Bound before the exchange, which then leaves it alone.
        m_printers.SubclassDlgItem(IDC_DLG_PRINTER, this);
        for (const char* pszPrinter : {"第一", "第二", "第三"})
            m_printers.AddString(pszPrinter);
        for (const char* pszTray : {"上段", "中段", "下段"})
            SendDlgItemMessageA(m_hWnd, IDC_DLG_TRAY, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszTray));
        const BOOL bFocus = CDialog::OnInitDialog();
        m_spin.SetRange(1, 99);
        return bFocus;
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_DLG_PRINTER, m_printers);
        DDX_Control(pDX, IDC_DLG_COUNT_SPIN, m_spin);
        DDX_Text(pDX, IDC_DLG_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 10);
        DDX_Text(pDX, IDC_DLG_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 99);
        DDX_Check(pDX, IDC_DLG_URGENT, m_nUrgent);
        DDX_Radio(pDX, IDC_DLG_A4, m_nSize);
        DDX_CBString(pDX, IDC_DLG_PRINTER, m_strPrinter);
        DDX_LBIndex(pDX, IDC_DLG_TRAY, m_nTray);
    }
};

class DlgDialogTest : public testing::Test
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
};

TEST_F(DlgDialogTest, ModalDialogExchangesDataBothWays)
{
    CEntryDlg dlg(&m_owner);
    ModalScript script;
    std::string shown;
    BOOL bVisible = FALSE;
    BOOL bOwnerEnabled = TRUE;
    script.ExpectDialog([&](CWnd* pModal) {
        ASSERT_EQ(&dlg, pModal);
        shown = dlg.Shown();
        bVisible = dlg.IsWindowVisible();
        bOwnerEnabled = m_owner.IsWindowEnabled();
        dlg.SetDlgItemText(IDC_DLG_NAME, "佐藤");
        dlg.m_spin.SetPos(42);   // through its buddy, the count
        dlg.CheckDlgButton(IDC_DLG_URGENT, BST_UNCHECKED);
        ::CheckRadioButton(dlg.m_hWnd, IDC_DLG_A4, IDC_DLG_A3, IDC_DLG_A3);
        dlg.m_printers.SetCurSel(2);
        SendDlgItemMessageA(dlg.m_hWnd, IDC_DLG_TRAY, LB_SETCURSEL, 0, 0);
        ModalScript::Click(&dlg, IDOK);
    });

    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("name=山田 count=3 spin=3 urgent=1 size=B5 printer=第二 tray=2", shown);
    EXPECT_EQ("name=佐藤 count=42 urgent=0 size=2 printer=第三 tray=0", dlg.Members());
    EXPECT_TRUE(bVisible);
    EXPECT_FALSE(bOwnerEnabled);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_printers.m_hWnd);
}

TEST_F(DlgDialogTest, FailedValidationShowsTheMessageAndKeepsTheDialog)
{
    const struct {
        int nID;
        const char* pszText;
        const char* pszMessage;
    } cases[] = {
        {IDC_DLG_COUNT, "150", "1 から 99 までの整数を入力してください。"},
        {IDC_DLG_COUNT, "0", "1 から 99 までの整数を入力してください。"},
        {IDC_DLG_COUNT, "12a", "整数を入力してください。"},
        {IDC_DLG_NAME, "とても長い名前", "10 文字以内で入力してください。"},   // 14 bytes
    };
    CEntryDlg dlg(&m_owner);
    MessageBoxRecorder recorder;
    ModalScript script;
    std::vector<std::string> afterFailure;
    script.ExpectDialog([&](CWnd*) {
        for (const auto& c : cases) {
            const std::string valid = ItemText(&dlg, c.nID);
            dlg.SetDlgItemText(c.nID, c.pszText);
            ModalScript::Click(&dlg, IDOK);
            // Still open, the failing control focused with all its text
            // selected: typing replaces it.
            afterFailure.push_back(std::string(dlg.ContinueModal() ? "open" : "ended") +
                (::GetFocus() == ::GetDlgItem(dlg.m_hWnd, c.nID) ? " focused" : " elsewhere"));
            SendDlgItemMessageA(dlg.m_hWnd, c.nID, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("x"));
            afterFailure.back() += " typed " + ItemText(&dlg, c.nID);
            dlg.SetDlgItemText(c.nID, valid.c_str());
        }
        ModalScript::Click(&dlg, IDOK);
    });

    EXPECT_EQ(IDOK, dlg.DoModal());
    ASSERT_EQ(std::size(cases), recorder.shown().size());
    ASSERT_EQ(std::size(cases), afterFailure.size());
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].pszText);
        EXPECT_EQ(cases[i].pszMessage, recorder.shown()[i].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), recorder.shown()[i].type & MB_ICONMASK);
        EXPECT_EQ("open focused typed x", afterFailure[i]);
    }
}

class CMeasureDlg : public CDialog
{
public:
    explicit CMeasureDlg(CWnd* pParentWnd) : CDialog(IDD_DLG_MEASURE, pParentWnd) {}

    BYTE m_nTone = 200;
    short m_nOffset = -5;
    float m_fScale = 0.1f;

    std::string Shown() const
    {
        return "tone=" + ItemText(this, IDC_DLG_TONE) + " offset=" + ItemText(this, IDC_DLG_OFFSET) +
               " scale=" + ItemText(this, IDC_DLG_SCALE);
    }

    std::string Members() const
    {
        char szScale[32];
        snprintf(szScale, sizeof szScale, "%.9g", m_fScale);
        return "tone=" + std::to_string(m_nTone) + " offset=" + std::to_string(m_nOffset) + " scale=" + szScale;
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DLG_TONE, m_nTone);
        DDX_Text(pDX, IDC_DLG_OFFSET, m_nOffset);
        DDX_Text(pDX, IDC_DLG_SCALE, m_fScale);
    }
};

TEST_F(DlgDialogTest, SmallIntegersAndFloatsExchangeWithinTheirTypes)
{
    const char szParseByte[] = "0 から 255 までの整数を入力してください。";
    const char szParseInt[] = "整数を入力してください。";
    const char szParseReal[] = "数値を入力してください。";
    const char szUnchanged[] = "tone=200 offset=-5 scale=0.100000001";
    const struct {
        int nID;
        const char* pszText;
        const char* pszMessage;   // empty when the text is taken
        const char* pszMembers;   // after the dialog
    } cases[] = {
        {IDC_DLG_TONE, " 255", "", "tone=255 offset=-5 scale=0.100000001"},
        {IDC_DLG_TONE, "256", szParseByte, szUnchanged},
        {IDC_DLG_TONE, "-1", szParseByte, szUnchanged},
        {IDC_DLG_TONE, "2x", szParseByte, szUnchanged},
        {IDC_DLG_OFFSET, "-32768", "", "tone=200 offset=-32768 scale=0.100000001"},
        {IDC_DLG_OFFSET, "32768", szParseInt, szUnchanged},
        {IDC_DLG_OFFSET, "1.0", szParseInt, szUnchanged},
        {IDC_DLG_SCALE, "-2.5e2", "", "tone=200 offset=-5 scale=-250"},
        {IDC_DLG_SCALE, "3.4e38", "", "tone=200 offset=-5 scale=3.39999995e+38"},
        {IDC_DLG_SCALE, "3.5e38", szParseReal, szUnchanged},   // beyond a float
        {IDC_DLG_SCALE, "一", szParseReal, szUnchanged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        CMeasureDlg dlg(&m_owner);
        MessageBoxRecorder recorder;
        ModalScript script;
        std::string shown;
        bool bStayedOpen = false;
        script.ExpectDialog([&](CWnd*) {
            shown = dlg.Shown();
            dlg.SetDlgItemText(c.nID, c.pszText);
            ModalScript::Click(&dlg, IDOK);
            bStayedOpen = dlg.ContinueModal() && ::GetFocus() == ::GetDlgItem(dlg.m_hWnd, c.nID);
            if (dlg.ContinueModal())
                ModalScript::Click(&dlg, IDCANCEL);
        });
        const bool bTaken = *c.pszMessage == '\0';
        EXPECT_EQ(bTaken ? IDOK : IDCANCEL, dlg.DoModal());
        EXPECT_EQ("tone=200 offset=-5 scale=0.1", shown);   // a float shows six digits
        EXPECT_EQ(!bTaken, bStayedOpen);
        ASSERT_EQ(bTaken ? 0u : 1u, recorder.shown().size());
        if (!bTaken) {
            EXPECT_EQ(c.pszMessage, recorder.shown().front().text);
        }
        EXPECT_EQ(c.pszMembers, dlg.Members());
    }
}

TEST_F(DlgDialogTest, EscapeCancelsThroughTheDialogsKeyboard)
{
    CEntryDlg dlg(&m_owner);
    ModalScript script;
    script.ExpectDialog([&](CWnd*) {
        dlg.SetDlgItemText(IDC_DLG_NAME, "変更");
        dlg.GetDlgItem(IDC_DLG_NAME)->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        ModalScript::PumpPending();
    });

    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_STREQ("山田", dlg.m_strName);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

// A dialog that nobody answers, or whose script leaves it open, fails the
// test and is cancelled instead of waiting for a user.
void RunUnansweredDialog()
{
    ModalScript script;
    CEntryDlg dlg(nullptr);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

void RunDialogLeftOpen()
{
    ModalScript script;
    script.ExpectDialog([](CWnd*) {});
    CEntryDlg dlg(nullptr);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST_F(DlgDialogTest, UnansweredDialogFailsTheTestInsteadOfWaiting)
{
    EXPECT_NONFATAL_FAILURE(RunUnansweredDialog(), "unexpected modal window: CDialog");
    EXPECT_NONFATAL_FAILURE(RunDialogLeftOpen(), "the script left the modal window open: CDialog");
}

// Ends itself from OnInitDialog: DoModal returns without a modal loop.
class CEndingDlg : public CDialog
{
public:
    CEndingDlg(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

    BOOL OnInitDialog() override
    {
        EndDialog(7);
        return TRUE;
    }
};

TEST_F(DlgDialogTest, DialogsThatNeverReachTheirLoop)
{
    const struct {
        UINT nIDTemplate;
        INT_PTR nResult;
    } cases[] = {
        {IDD_DLG_ENTRY, 7},
        {IDD_DLG_ENTRY + 1000, -1},   // no such template
    };
    ModalScript script;   // expects no modal loop
    for (const auto& c : cases) {
        CEndingDlg dlg(c.nIDTemplate, &m_owner);
        EXPECT_EQ(c.nResult, dlg.DoModal()) << c.nIDTemplate;
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        EXPECT_TRUE(m_owner.IsWindowEnabled());
    }
}

// Without a parent, a dialog opened from another dialog is owned by it: the
// outer one cannot be ended meanwhile and is active again afterwards.
TEST_F(DlgDialogTest, DialogOpenedFromADialogWithoutParentIsOwnedByIt)
{
    CWinApp app("入れ子");
    app.m_pMainWnd = &m_owner;
    CEntryDlg outer(nullptr);
    CEntryDlg inner(nullptr);
    HWND hOuter = nullptr;
    HWND hInnerOwner = nullptr;
    BOOL bOuterEnabledDuring = TRUE;
    BOOL bOwnerEnabledDuring = TRUE;
    BOOL bOuterEnabledAfter = FALSE;
    HWND hActiveAfter = nullptr;
    ModalScript script;
    script.ExpectDialog([&](CWnd*) {
        hOuter = outer.m_hWnd;
        script.ExpectDialog([&](CWnd*) {
            hInnerOwner = ::GetWindow(inner.m_hWnd, GW_OWNER);
            bOuterEnabledDuring = outer.IsWindowEnabled();
            bOwnerEnabledDuring = m_owner.IsWindowEnabled();
            inner.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, inner.DoModal());
        bOuterEnabledAfter = outer.IsWindowEnabled();
        hActiveAfter = ::GetActiveWindow();
        outer.EndDialog(IDOK);
    });

    EXPECT_EQ(IDOK, outer.DoModal());
    EXPECT_EQ(hOuter, hInnerOwner);
    EXPECT_FALSE(bOuterEnabledDuring);
    EXPECT_FALSE(bOwnerEnabledDuring);
    EXPECT_TRUE(bOuterEnabledAfter);
    EXPECT_EQ(hOuter, hActiveAfter);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
}

// Destroyed while active, through the framework or the system: the loop
// ends and the owner is enabled and active again, as after EndDialog.
TEST_F(DlgDialogTest, DialogDestroyedWithoutEndDialogEndsItsLoop)
{
    for (bool bThroughSystem : {false, true}) {
        SCOPED_TRACE(bThroughSystem ? "::DestroyWindow" : "CWnd::DestroyWindow");
        ::SetActiveWindow(m_owner.m_hWnd);
        CEntryDlg dlg(&m_owner);
        HWND hDlg = nullptr;
        HWND hActiveDuring = nullptr;
        ModalScript script;
        script.ExpectDialog([&](CWnd*) {
            hDlg = dlg.m_hWnd;
            hActiveDuring = ::GetActiveWindow();
            if (bThroughSystem)
                ::DestroyWindow(dlg.m_hWnd);
            else
                dlg.DestroyWindow();
        });
        EXPECT_EQ(-1, dlg.DoModal());
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        EXPECT_EQ(hDlg, hActiveDuring);
        EXPECT_TRUE(m_owner.IsWindowEnabled());
        EXPECT_EQ(m_owner.m_hWnd, ::GetActiveWindow());
    }
}

class CToolDlg : public CDialog
{
public:
    CString m_strNote = "メモ";
    CString m_strRemark;
    int m_nApplied = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_DLG_NOTE, m_strNote);
        DDX_Text(pDX, IDC_DLG_REMARK, m_strRemark);
    }

protected:
    afx_msg void OnApply() { ++m_nApplied; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolDlg, CDialog)
    ON_BN_CLICKED(IDC_DLG_APPLY, OnApply)
END_MESSAGE_MAP()

TEST_F(DlgDialogTest, ModelessDialogLivesBesideItsOwner)
{
    CToolDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLG_TOOL, &m_owner));
    EXPECT_TRUE(m_owner.IsWindowEnabled());
    EXPECT_EQ(m_owner.m_hWnd, ::GetWindow(dlg.m_hWnd, GW_OWNER));
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ("メモ", ItemText(&dlg, IDC_DLG_NOTE));

    // The template's rectangle in dialog units is where the control is.
    CRect rcMapped(7, 7, 107, 19);
    dlg.MapDialogRect(&rcMapped);
    CRect rcNote;
    dlg.GetDlgItem(IDC_DLG_NOTE)->GetWindowRect(&rcNote);
    dlg.ScreenToClient(&rcNote);
    EXPECT_EQ(rcMapped, rcNote);

    // Focus: the first control, tab through the message loop, then the
    // dialog's own moves.
    auto focusedID = [] { return ::GetDlgCtrlID(::GetFocus()); };
    EXPECT_EQ(IDC_DLG_NOTE, focusedID());
    dlg.GetDlgItem(IDC_DLG_NOTE)->PostMessage(WM_KEYDOWN, VK_TAB, 0x000F0001);
    ModalScript::PumpPending();
    EXPECT_EQ(IDC_DLG_REMARK, focusedID());
    dlg.NextDlgCtrl();
    EXPECT_EQ(IDC_DLG_APPLY, focusedID());
    dlg.PrevDlgCtrl();
    EXPECT_EQ(IDC_DLG_REMARK, focusedID());
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDOK));
    EXPECT_EQ(IDOK, focusedID());

    dlg.SetDefID(IDC_DLG_APPLY);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(IDC_DLG_APPLY, DC_HASDEFID)), dlg.GetDefID());
    ModalScript::Click(&dlg, IDC_DLG_APPLY);
    EXPECT_EQ(1, dlg.m_nApplied);

    // OK saves and hides it; it stays until destroyed.
    dlg.SetDlgItemText(IDC_DLG_REMARK, "備考");
    ModalScript::Click(&dlg, IDOK);
    EXPECT_STREQ("備考", dlg.m_strRemark);
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

}  // namespace
