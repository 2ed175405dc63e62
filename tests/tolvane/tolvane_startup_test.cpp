// Start-up as the program runs it: the wait dialog, the template, the
// first document from the sample of a "/L:" start, the main window and the
// help file; the About box; the message pump.
#include <memory>
#include <regex>
#include <string>

#include "app/aboutdlg.h"
#include "mirtfileio.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "strel95data.h"
#include "suitewindows.h"
#include "tolvane_fixture.h"
#include "waitdlg.h"

namespace {

BOOL CALLBACK FindWaitText(HWND hWnd, LPARAM lParam)
{
    if (::FindWindowExA(hWnd, nullptr, "STATIC", CWaitDlg::Text()) != nullptr)
        *reinterpret_cast<bool*>(lParam) = true;
    return TRUE;
}

// Whether a wait dialog of this thread is up.
bool WaitDialogShown()
{
    bool bFound = false;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindWaitText, reinterpret_cast<LPARAM>(&bFound));
    return bFound;
}

class StartupTest : public TolvaneTest
{
protected:
    BOOL Start(const std::string& commandLine)
    {
        m_commandLine = commandLine;
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, &m_commandLine[0], SW_HIDE);
        return m_app.InitInstance();
    }
    void TearDown() override
    {
        m_app.ExitInstance();
        TolvaneTest::TearDown();
    }

    std::string m_commandLine;
};

// The bytes with the time of the save (the second date and time of the
// header) blanked: two saves need not fall in the same second.
std::string WithoutSaveTime(std::string bytes)
{
    static const std::regex kTime("\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d");
    auto it = std::sregex_iterator(bytes.begin(), bytes.end(), kTime);
    if (it != std::sregex_iterator() && ++it != std::sregex_iterator())
        bytes.replace(static_cast<size_t>(it->position()), static_cast<size_t>(it->length()), it->length(), '-');
    return bytes;
}

}  // namespace

TEST_F(StartupTest, LauncherStartOpensTheSampleAndSavesIt)
{
    WriteSampleData();
    ASSERT_TRUE(Start(" /L:9001"));
    EXPECT_FALSE(WaitDialogShown());
    ASSERT_NE(nullptr, m_app.m_pMainWnd);
    EXPECT_TRUE(::IsZoomed(m_app.m_pMainWnd->m_hWnd));
    EXPECT_EQ(9001, m_app.m_nLayoutID);
    EXPECT_EQ(1, PageCount(Doc()));
    EXPECT_EQ("納品書 ", std::string(Doc()->GetTitle()));
    EXPECT_EQ(Root() + "\\exe\\Devediz.hlp", m_app.m_pszHelpFilePath);
    EXPECT_EQ("FRAMEA4.EMF", std::string(View()->m_strTmbFrame));
    HANDLE hMutex = ::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, TOLVANE_MUTEX);
    EXPECT_NE(nullptr, hMutex);
    if (hMutex != nullptr)
        ::CloseHandle(hMutex);

    const std::string path = Root() + "\\納品 控え.qmt";
    ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
    ASSERT_TRUE(Doc()->OnOpenDocument(path.c_str()));
    Doc()->UpdateAllViews(nullptr, 1);
    EXPECT_EQ(1, PageCount(Doc()));
    EXPECT_EQ('1', Doc()->m_cVersion);
    EXPECT_EQ("納品書 納品 控え.qmt", std::string(Doc()->GetTitle()));
    // What was read back writes the same bytes again.
    const std::string again = Root() + "\\again.qmt";
    ASSERT_TRUE(Doc()->OnSaveDocument(again.c_str()));
    EXPECT_EQ(WithoutSaveTime(ReadFileBytes(path)), WithoutSaveTime(ReadFileBytes(again)));
    EXPECT_EQ('1', ReadFileBytes(path).back());
}

TEST_F(StartupTest, EmptyCommandLineEndsWithAMessage)
{
    MessageBoxRecorder boxes;
    EXPECT_FALSE(Start(""));
    EXPECT_EQ(nullptr, m_app.m_pMainWnd);
    EXPECT_FALSE(WaitDialogShown());
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("voraメイン画面から起動してください", boxes.shown()[0].text);
}

TEST_F(StartupTest, PathWithBlanksOpensThatFile)
{
    WriteSampleData();
    ::CreateDirectoryA(Path("\\my forms").c_str(), nullptr);
    std::unique_ptr<CMirtFileIO> pFile(NewSampleFile(2));
    const std::string path = Path("\\my forms\\a b.qmt");
    WriteFileBytes(path, StoreBody(*pFile) + "1");
    for (const std::string& commandLine : {path, "\"" + path + "\""}) {
        ASSERT_TRUE(Start(commandLine)) << commandLine;
        EXPECT_EQ(2, PageCount(Doc()));
        EXPECT_EQ("a b", std::string(Doc()->m_strFileName));
        m_app.ExitInstance();
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
    }
}

TEST_F(StartupTest, MissingFileEndsTheProgram)
{
    MessageBoxRecorder boxes;
    EXPECT_FALSE(Start(Path("\\none here.qmt")));
    EXPECT_EQ(1u, boxes.shown().size());
}

TEST_F(TolvaneTest, WaitDialogShowsUntilDestroyed)
{
    CWaitDlg wait(nullptr);
    EXPECT_TRUE(::IsWindowVisible(wait.m_hWnd));
    EXPECT_TRUE(WaitDialogShown());
    wait.DestroyWindow();
    EXPECT_EQ(nullptr, wait.m_hWnd);
    EXPECT_FALSE(WaitDialogShown());
}

TEST_F(TolvaneTest, AboutBoxShowsTheVersion)
{
    EXPECT_EQ("テッサロvora フォーム画面 Version 3.13", std::string(CAboutDlg::VersionText(313)));
    EXPECT_EQ("テッサロvora フォーム画面 Version  .45", std::string(CAboutDlg::VersionText(45)));
    AddTemplate();
    NewDocument();
    ModalScript script;
    std::string shown;
    script.ExpectDialog([&](CWnd* pDialog) {
        CString text;
        pDialog->GetDlgItem(1037)->GetWindowText(text);
        shown = text;
        ModalScript::Click(pDialog, IDOK);
    });
    Frame()->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    EXPECT_EQ("テッサロvora フォーム画面 Version 3.13", shown);
}

TEST_F(TolvaneTest, PumpPendingRunsTheQueueAndKeepsAQuit)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "pump", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.PostMessage(WM_NULL);
    wnd.PostMessage(WM_NULL);
    EXPECT_TRUE(m_app.PumpPending());
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));

    ::PostQuitMessage(3);
    EXPECT_FALSE(m_app.PumpPending());
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
}
