// Starting the form screen from the main dialog: a recording stand-in in
// the install root's "exe" takes the command line.
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "msgbox_recorder.h"
#include "prtdatainfo.h"
#include "resource.h"
#include "strelmain_fixture.h"
#include "strelmaindlg.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The stand-in's record, waiting up to 10 s for it.
std::string WaitForRecord(const std::string& path)
{
    for (int waited = 0; waited < 10000; waited += 50) {
        const std::string text = ReadText(path);
        if (!text.empty())
            return text;
        ::Sleep(50);
    }
    return std::string();
}

class LaunchTest : public StrelMainTest
{
protected:
    void SetUp() override
    {
        StrelMainTest::SetUp();
        CPrtDataInfo* pGroup = NewGroup("標準", {{"伝票", 2}});
        AddForm(*pGroup, 9002, 0, "請求書", "", 0);
        AddForm(*pGroup, 0, 0, "番号なし", "", 0);
        WriteIndex({pGroup});
        m_pDlg.reset(new CStrelMainDlg);
        m_pDlg->Create(IDD_STRELMAIN_DIALOG);
    }
    void TearDown() override
    {
        m_pDlg->DestroyWindow();
        StrelMainTest::TearDown();
    }
    void InstallStandIn(const char* pszAs = "\\exe\\Tolvane.EXE")
    {
        char program[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, program, sizeof program);
        std::string standIn = program;
        standIn = standIn.substr(0, standIn.rfind('\\')) + "\\launch_recorder.exe";
        ASSERT_TRUE(::CopyFileA(standIn.c_str(), Path(pszAs).c_str(), FALSE)) << standIn;
    }

    std::unique_ptr<CStrelMainDlg> m_pDlg;
};

}  // namespace

// Enter, a double click in the list and the start button each start the
// form screen with " /L:" and the layout id as its whole command line.
TEST_F(LaunchTest, StartsTheFormScreenOnTheSelectedLayout)
{
    InstallStandIn();
    const std::string record = Path("\\exe\\launched.txt");
    const HWND hList = ::GetDlgItem(m_pDlg->GetSafeHwnd(), IDC_FORM_LIST);
    const auto enter = [&] { m_pDlg->SendMessage(WM_COMMAND, IDOK); };
    const auto doubleClick = [&] {
        m_pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FORM_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(hList));
    };
    const auto startButton = [&] {
        const LPARAM at = MAKELPARAM(320, 400);
        m_pDlg->SendMessage(WM_MOUSEMOVE, 0, at);
        m_pDlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        m_pDlg->SendMessage(WM_LBUTTONUP, 0, at);
    };
    for (const auto& start : {std::function<void()>(enter), std::function<void()>(doubleClick),
             std::function<void()>(startButton)}) {
        ::DeleteFileA(record.c_str());
        start();
        EXPECT_EQ(" /L:9002", WaitForRecord(record));
    }
}

// A form without a layout id starts nothing and says so; a missing form
// screen is reported with its path.
TEST_F(LaunchTest, ReportsWhatCannotStart)
{
    MessageBoxRecorder boxes;
    m_pDlg->SendMessage(WM_COMMAND, IDOK);
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ(Path("\\exe\\Tolvane.EXE") + "を起動できません", boxes.shown()[0].text);
    EXPECT_EQ("起動失敗", boxes.shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.shown()[0].type & MB_ICONMASK);

    InstallStandIn();
    const HWND hList = ::GetDlgItem(m_pDlg->GetSafeHwnd(), IDC_FORM_LIST);
    ::SendMessageA(hList, LB_SETCURSEL, 2, 0);
    m_pDlg->SendMessage(WM_COMMAND, IDOK);
    ASSERT_EQ(2u, boxes.shown().size());
    EXPECT_EQ("ﾚｲｱｳﾄIDがありません", boxes.shown()[1].text);
    ::Sleep(200);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(Path("\\exe\\launched.txt").c_str()));
}

// The book reset starts the macro runner with its quoted path and " /K:4".
TEST_F(LaunchTest, BookResetStartsTheMacroRunner)
{
    InstallStandIn("\\exe\\Plovex.exe");
    m_pDlg->SendMessage(WM_COMMAND, ID_EXCEL_RESET);
    EXPECT_EQ("\"" + Path("\\exe\\Plovex.exe") + "\" /K:4", WaitForRecord(Path("\\exe\\launched.txt")));
}
