// The application: its message loop, modal loops, the profile, the
// resource handle of DLLs, and a program run by the framework's WinMain.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string>
#include <vector>

#include "afxwin.h"
#include "msgbox_recorder.h"
#include "run_on_thread.h"
#include "test_paths.h"
#include "testdll.h"

namespace {

const UINT WM_QUIT_WITH = 0x591;
const UINT WM_SWALLOWED = 0x592;

class CLoopWnd : public CWnd
{
public:
    int m_nSwallowedHandled = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override { return pMsg->message == WM_SWALLOWED; }

protected:
    afx_msg LRESULT OnQuitWith(WPARAM wParam, LPARAM)
    {
        ::PostQuitMessage(static_cast<int>(wParam));
        return 0;
    }
    afx_msg LRESULT OnSwallowed(WPARAM, LPARAM)
    {
        ++m_nSwallowedHandled;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoopWnd, CWnd)
    ON_MESSAGE(WM_QUIT_WITH, OnQuitWith)
    ON_MESSAGE(WM_SWALLOWED, OnSwallowed)
END_MESSAGE_MAP()

// Posts its idle message to the main window on the first idle call.
class CIdleApp : public CWinApp
{
public:
    CIdleApp() : CWinApp("WndIdleApp") {}

    UINT m_nIdleMessage = 0;
    WPARAM m_wIdleParam = 0;
    int m_nIdleCalls = 0;

    BOOL OnIdle(LONG lCount) override
    {
        if (m_nIdleCalls++ == 0)
            m_pMainWnd->PostMessage(m_nIdleMessage, m_wIdleParam);
        return CWinApp::OnIdle(lCount);
    }
};

class WndAppTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE));
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
        m_app.m_pMainWnd = &m_wnd;
    }

    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        m_wnd.DestroyWindow();
    }

    CIdleApp m_app;
    CLoopWnd m_wnd;
};

TEST_F(WndAppTest, ApplicationIsTheThreadAndKnowsItsNames)
{
    EXPECT_EQ(&m_app, AfxGetApp());
    EXPECT_EQ(&m_app, AfxGetThread());
    EXPECT_EQ(&m_wnd, AfxGetMainWnd());
    EXPECT_STREQ("WndIdleApp", m_app.m_pszAppName);
    EXPECT_STREQ("framework_tests", m_app.m_pszExeName);
    EXPECT_STREQ("framework_tests.INI", m_app.m_pszProfileName);
    const std::string helpPath = m_app.m_pszHelpFilePath;
    EXPECT_EQ("\\framework_tests.HLP", helpPath.substr(helpPath.size() - 20));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), m_app.LoadStandardCursor(IDC_ARROW));
    EXPECT_EQ(::LoadIconA(nullptr, IDI_APPLICATION), m_app.LoadStandardIcon(IDI_APPLICATION));
}

TEST_F(WndAppTest, MessageBoxOfAWindowIsCaptionedWithTheApplication)
{
    MessageBoxRecorder recorder(IDNO);
    EXPECT_EQ(IDNO, m_wnd.MessageBox("保存しますか？", nullptr, MB_YESNO));
    recorder.setAnswer(IDOK);
    EXPECT_EQ(IDOK, m_wnd.MessageBox("完了", "帳票"));
    ASSERT_EQ(2u, recorder.shown().size());
    EXPECT_EQ("WndIdleApp", recorder.shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), recorder.shown()[0].type);
    EXPECT_EQ("帳票", recorder.shown()[1].caption);
}

TEST_F(WndAppTest, RunCallsOnIdleAndEndsWithTheQuitCode)
{
    m_app.m_nIdleMessage = WM_QUIT_WITH;
    m_app.m_wIdleParam = 9;
    m_wnd.PostMessage(WM_SWALLOWED);
    EXPECT_EQ(9, m_app.Run());
    EXPECT_GE(m_app.m_nIdleCalls, 1);
    EXPECT_EQ(0, m_wnd.m_nSwallowedHandled);   // taken by PreTranslateMessage
}

TEST_F(WndAppTest, DestroyingTheMainWindowEndsTheLoop)
{
    m_app.m_nIdleMessage = WM_CLOSE;
    EXPECT_EQ(0, m_app.Run());
    EXPECT_EQ(nullptr, m_app.m_pMainWnd);
    EXPECT_EQ(nullptr, m_wnd.m_hWnd);
}

TEST(WndAppLifetimeTest, ApplicationObjectRegistersForItsLifetime)
{
    EXPECT_EQ(nullptr, AfxGetApp());
    {
        CWinApp app("Short");
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_EQ(nullptr, AfxGetMainWnd());
    }
    EXPECT_EQ(nullptr, AfxGetApp());
    EXPECT_EQ(nullptr, AfxGetThread());
}

// Modal loops answered through the modal loop hook.
const UINT IDC_END = 400;

class CModalWnd : public CWnd
{
protected:
    afx_msg void OnEnd() { EndModalLoop(42); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalWnd, CWnd)
    ON_BN_CLICKED(IDC_END, OnEnd)
END_MESSAGE_MAP()

class WndModalTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "modal", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
        ASSERT_TRUE(m_button.Create("button", "終了", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &m_wnd,
            IDC_END));
        s_hooked.clear();
    }

    void TearDown() override
    {
        AfxSetModalLoopHook(nullptr);
        m_wnd.DestroyWindow();
    }

    static void PressEnd(CWnd* pModalWnd)
    {
        s_hooked.push_back(pModalWnd);
        pModalWnd->GetDlgItem(IDC_END)->PostMessage(BM_CLICK);
    }

    static void Quit(CWnd* pModalWnd)
    {
        s_hooked.push_back(pModalWnd);
        ::PostQuitMessage(5);
    }

    static std::vector<CWnd*> s_hooked;
    CModalWnd m_wnd;
    CWnd m_button;
};

std::vector<CWnd*> WndModalTest::s_hooked;

TEST_F(WndModalTest, HookAnswersTheLoopOnceItIsIdle)
{
    EXPECT_EQ(nullptr, AfxSetModalLoopHook(&PressEnd));
    EXPECT_EQ(42, m_wnd.RunModalLoop(MLF_SHOWONIDLE));
    EXPECT_TRUE(m_wnd.IsWindowVisible());
    EXPECT_EQ(std::vector<CWnd*>{&m_wnd}, s_hooked);
    EXPECT_FALSE(m_wnd.ContinueModal());
}

TEST_F(WndModalTest, QuitEndsTheLoopAndIsLeftForTheLoopOutside)
{
    AfxSetModalLoopHook(&Quit);
    EXPECT_EQ(-1, m_wnd.RunModalLoop());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, msg.wParam);
    EXPECT_FALSE(m_wnd.IsWindowVisible());
}

// The profile, in the registry and in an INI file.
// Named after the process, so that test runs side by side keep apart.
const std::string g_registryKey = "FormsSuiteWndTest-" + std::to_string(::GetCurrentProcessId());

// Removes the test's registry key before and after the test.
class CScratchRegistryKey
{
public:
    CScratchRegistryKey() { Delete(); }
    ~CScratchRegistryKey() { Delete(); }

private:
    static void Delete()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + g_registryKey).c_str());
    }
};

class WndProfileTest : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE));
        if (GetParam()) {
            m_app.SetRegistryKey(g_registryKey.c_str());
        } else {
            free(const_cast<LPSTR>(m_app.m_pszProfileName));
            m_app.m_pszProfileName = _strdup((FreshTestFolder() + "\\profile.ini").c_str());
        }
    }

    CScratchRegistryKey m_scratchKey;
    CWinApp m_app{"帳票設定"};
};

TEST_P(WndProfileTest, ValuesRoundTripAndDefaultsStandInForMissingOnes)
{
    EXPECT_STREQ("既定", m_app.GetProfileString("画面", "書式", "既定"));
    EXPECT_STREQ("", m_app.GetProfileString("画面", "書式"));
    EXPECT_EQ(7u, m_app.GetProfileInt("画面", "倍率", 7));

    ASSERT_TRUE(m_app.WriteProfileString("画面", "書式", "請求書 第2版"));
    ASSERT_TRUE(m_app.WriteProfileInt("画面", "倍率", -150));
    ASSERT_TRUE(m_app.WriteProfileString("印刷", "用紙", "A4"));
    EXPECT_STREQ("請求書 第2版", m_app.GetProfileString("画面", "書式", "既定"));
    EXPECT_EQ(-150, static_cast<int>(m_app.GetProfileInt("画面", "倍率", 7)));

    ASSERT_TRUE(m_app.WriteProfileString("画面", "書式", nullptr));   // the entry
    EXPECT_STREQ("既定", m_app.GetProfileString("画面", "書式", "既定"));
    EXPECT_EQ(-150, static_cast<int>(m_app.GetProfileInt("画面", "倍率", 7)));

    ASSERT_TRUE(m_app.WriteProfileString("画面", nullptr, nullptr));  // the section
    EXPECT_EQ(7u, m_app.GetProfileInt("画面", "倍率", 7));
    EXPECT_STREQ("A4", m_app.GetProfileString("印刷", "用紙"));
}

INSTANTIATE_TEST_SUITE_P(Stores, WndProfileTest, testing::Values(true, false),
    [](const testing::TestParamInfo<bool>& info) { return info.param ? "Registry" : "IniFile"; });

TEST(WndRegistryProfileTest, ValuesLiveUnderKeyApplicationAndSection)
{
    const CScratchRegistryKey scratchKey;
    CWinApp app("帳票設定");
    ASSERT_TRUE(AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE));
    app.SetRegistryKey(g_registryKey.c_str());
    ASSERT_TRUE(app.WriteProfileString("画面", "書式", "納品書"));
    ASSERT_TRUE(app.WriteProfileInt("画面", "倍率", 3));

    const std::string section = "Software\\" + g_registryKey + "\\帳票設定\\画面";
    char szValue[32];
    DWORD cbValue = sizeof szValue;
    ASSERT_EQ(ERROR_SUCCESS,
        ::RegGetValueA(HKEY_CURRENT_USER, section.c_str(), "書式", RRF_RT_REG_SZ, nullptr, szValue, &cbValue));
    EXPECT_STREQ("納品書", szValue);
    DWORD dwValue = 0;
    cbValue = sizeof dwValue;
    ASSERT_EQ(ERROR_SUCCESS,
        ::RegGetValueA(HKEY_CURRENT_USER, section.c_str(), "倍率", RRF_RT_REG_DWORD, nullptr, &dwValue, &cbValue));
    EXPECT_EQ(3u, dwValue);
}

// Helpers built beside this test program.
std::string HelperPath(const char* pszName)
{
    char szPath[MAX_PATH];
    const DWORD nPath = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string path(szPath, nPath);
    return path.substr(0, path.rfind('\\') + 1) + pszName;
}

class WndResourceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hDll = ::LoadLibraryA(HelperPath("wnd_testdll.dll").c_str());
        ASSERT_NE(nullptr, m_hDll);
    }

    void TearDown() override { ::FreeLibrary(m_hDll); }

    HMODULE m_hDll = nullptr;
};

TEST_F(WndResourceTest, DllLoadsItsOwnStringWithTheHandleSwitchedAndRestored)
{
    typedef BOOL (*LoadOwnString)(UINT, CString*, HINSTANCE*);
    const auto pfnLoad = reinterpret_cast<LoadOwnString>(
        reinterpret_cast<void*>(::GetProcAddress(m_hDll, "WndTestLoadOwnString")));
    ASSERT_NE(nullptr, pfnLoad);

    const HINSTANCE hBefore = AfxGetResourceHandle();
    CString text;
    HINSTANCE hDuring = nullptr;
    ASSERT_TRUE(pfnLoad(IDS_DLL_ONLY, &text, &hDuring));
    EXPECT_STREQ("DLLの文字列", text);
    EXPECT_EQ(m_hDll, hDuring);
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
    EXPECT_FALSE(CString().LoadString(IDS_DLL_ONLY));   // not in the program
}

TEST_F(WndResourceTest, SwitchesNestAndRestoreInTurn)
{
    const HINSTANCE hProgram = AfxGetResourceHandle();
    {
        CResourceHandleSwitch toDll(m_hDll);
        EXPECT_TRUE(CString().LoadString(IDS_DLL_ONLY));
        {
            CResourceHandleSwitch toProgram;   // the module compiling this: the test program
            EXPECT_EQ(::GetModuleHandleA(nullptr), AfxGetResourceHandle());
            EXPECT_FALSE(CString().LoadString(IDS_DLL_ONLY));
        }
        EXPECT_EQ(m_hDll, AfxGetResourceHandle());
    }
    EXPECT_EQ(hProgram, AfxGetResourceHandle());
}

// A switch belongs to its thread: a thread loading strings beside it (the
// layout thread) keeps the process's module, and its own switch stays its own.
TEST_F(WndResourceTest, SwitchBelongsToTheThreadThatMadeIt)
{
    const HINSTANCE hProgram = AfxGetResourceHandle();
    HINSTANCE hOnThread = nullptr;
    BOOL bLoadedOnThread = TRUE;
    {
        CResourceHandleSwitch toDll(m_hDll);
        RunOnThread([&] {
            hOnThread = AfxGetResourceHandle();
            bLoadedOnThread = CString().LoadString(IDS_DLL_ONLY);
        });
        EXPECT_EQ(m_hDll, AfxGetResourceHandle());
    }
    EXPECT_EQ(hProgram, hOnThread);
    EXPECT_FALSE(bLoadedOnThread);

    CString loaded;
    HINSTANCE hHere = nullptr;
    RunOnThread([&] {
        CResourceHandleSwitch toDll(m_hDll);
        loaded.LoadString(IDS_DLL_ONLY);
        RunOnThread([&] { hHere = AfxGetResourceHandle(); });
    });
    EXPECT_STREQ("DLLの文字列", loaded);
    EXPECT_EQ(hProgram, hHere);
    EXPECT_EQ(hProgram, AfxGetResourceHandle());
}

TEST(WndWinMainTest, ProgramOfAnApplicationObjectRunsThroughTheFrameworksWinMain)
{
    std::string commandLine = "\"" + HelperPath("wnd_testapp.exe") + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 30000));
    DWORD dwExitCode = 0;
    ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    EXPECT_EQ(42u, dwExitCode);
}

}  // namespace
