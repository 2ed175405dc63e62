// The main dialog's frame: its title, About item and box, the places of
// its controls and the looks of its regions at start.
#include <memory>
#include <string>

#include "aboutbox.h"
#include "msgbox_recorder.h"
#include "resource.h"
#include "strelmain_fixture.h"
#include "strelmaindlg.h"

namespace {

RECT ChildRect(HWND hDlg, int nID)
{
    RECT rc = {};
    const HWND hChild = ::GetDlgItem(hDlg, nID);
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

}  // namespace

TEST(LauncherAboutBox, VersionText)
{
    EXPECT_EQ("いんさつ テッサロ vora Version 1.06", std::string(CLauncherAboutBox::VersionText(106)));
    EXPECT_EQ("いんさつ テッサロ vora Version 3.13", std::string(CLauncherAboutBox::VersionText(313)));
}

TEST_F(StrelMainTest, MainDialogFrameAndRegions)
{
    CStrelMainDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_STRELMAIN_DIALOG));
    const HWND hDlg = dlg.GetSafeHwnd();
    char title[64] = {};
    ::GetWindowTextA(hDlg, title, sizeof title);
    EXPECT_STREQ("いんさつ テッサロ vora", title);

    char about[64] = {};
    ::GetMenuStringA(::GetSystemMenu(hDlg, FALSE), IDM_ABOUTBOX, about, sizeof about, MF_BYCOMMAND);
    EXPECT_STREQ("ﾊﾞｰｼﾞｮﾝ情報(StrelMain) (&A)...", about);

    const RECT list = ChildRect(hDlg, IDC_FORM_LIST);
    EXPECT_EQ(109, list.left);
    EXPECT_EQ(0, list.top);
    EXPECT_EQ(309, list.right);
    EXPECT_EQ(435, list.bottom);

    EXPECT_EQ(dlg.LookId(0, CStrelMainDlg::kHot), dlg.CurrentLook(0));
    for (int nRegion = 1; nRegion < CStrelMainDlg::kRegionCount; ++nRegion)
        EXPECT_EQ(dlg.LookId(nRegion, CStrelMainDlg::kNormal), dlg.CurrentLook(nRegion)) << nRegion;
    EXPECT_EQ(static_cast<UINT>(IDB_START_PRESSED), dlg.LookId(CStrelMainDlg::kStartButton, CStrelMainDlg::kPressed));
    EXPECT_EQ(static_cast<UINT>(IDB_TAB2_HOT), dlg.LookId(1, CStrelMainDlg::kPressed));
    EXPECT_FALSE(dlg.Background().IsEmpty());
    dlg.DestroyWindow();
}

// Without its background picture the launcher says so and goes on.
TEST_F(StrelMainTest, MissingBackgroundIsReported)
{
    ::DeleteFileA(Path("\\exe\\QamMain.bmp").c_str());
    MessageBoxRecorder boxes;
    CStrelMainDlg dlg;
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("背景となる絵がありません。", boxes.shown()[0].text);
    EXPECT_TRUE(dlg.Background().IsEmpty());
}

// A button takes its hot look under the pointer and its normal look when
// the pointer leaves; the start button keeps its pressed look after the
// click until the pointer leaves it.
TEST_F(StrelMainTest, ButtonsShowHoverAndPressLooks)
{
    CStrelMainDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_STRELMAIN_DIALOG));
    const LPARAM overExcel = MAKELPARAM(390, 400);
    const LPARAM overStart = MAKELPARAM(320, 400);
    const LPARAM away = MAKELPARAM(250, 420);
    dlg.SendMessage(WM_MOUSEMOVE, 0, overExcel);
    EXPECT_EQ(dlg.LookId(CStrelMainDlg::kExcelButton, CStrelMainDlg::kHot), dlg.CurrentLook(CStrelMainDlg::kExcelButton));
    dlg.SendMessage(WM_MOUSEMOVE, 0, away);
    EXPECT_EQ(dlg.LookId(CStrelMainDlg::kExcelButton, CStrelMainDlg::kNormal),
        dlg.CurrentLook(CStrelMainDlg::kExcelButton));

    MessageBoxRecorder boxes;   // no form screen in the test's install root
    dlg.SendMessage(WM_MOUSEMOVE, 0, overStart);
    dlg.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, overStart);
    EXPECT_EQ(static_cast<UINT>(IDB_START_PRESSED), dlg.CurrentLook(CStrelMainDlg::kStartButton));
    dlg.SendMessage(WM_LBUTTONUP, 0, overStart);
    EXPECT_EQ(static_cast<UINT>(IDB_START_PRESSED), dlg.CurrentLook(CStrelMainDlg::kStartButton));
    dlg.SendMessage(WM_MOUSEMOVE, 0, away);
    EXPECT_EQ(static_cast<UINT>(IDB_START), dlg.CurrentLook(CStrelMainDlg::kStartButton));
    dlg.DestroyWindow();
}
