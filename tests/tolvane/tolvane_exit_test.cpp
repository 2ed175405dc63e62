// Shut-down: the last form screen to end restores a minimised launcher,
// found by its mutex and caption; a fake launcher stands in for it.
#include "suitewindows.h"
#include "tolvane_fixture.h"

namespace {

class FakeLauncher
{
public:
    explicit FakeLauncher(bool bMutex)
        : m_hMutex(bMutex ? ::CreateMutexA(nullptr, FALSE, STRELMAIN_MUTEX) : nullptr)
    {
        m_wnd.CreateEx(0, AfxRegisterWndClass(0), STRELMAIN_TITLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
            200, nullptr, nullptr);
        m_wnd.ShowWindow(SW_MINIMIZE);
    }
    ~FakeLauncher()
    {
        if (m_hMutex != nullptr)
            ::CloseHandle(m_hMutex);
    }
    bool Minimised() const { return ::IsIconic(m_wnd.m_hWnd) != FALSE; }

private:
    HANDLE m_hMutex;
    CWnd m_wnd;
};

struct ExitCase
{
    const char* pszName;
    bool bLauncherMutex;
    bool bOtherFormScreen;
    bool bStaysMinimised;
};

const ExitCase kCases[] = {
    {"LastFormScreenRestoresTheLauncher", true, false, false},
    {"AnotherFormScreenStillRuns", true, true, true},
    {"NoLauncherMutex", false, false, true},
};

class ExitTest : public TolvaneTest, public testing::WithParamInterface<ExitCase>
{
};

}  // namespace

TEST_P(ExitTest, RestoresTheLauncherOnlyWhenLast)
{
    const ExitCase& c = GetParam();
    FakeLauncher launcher(c.bLauncherMutex);
    ASSERT_TRUE(launcher.Minimised());
    m_app.m_hMutex = ::CreateMutexA(nullptr, FALSE, TOLVANE_MUTEX);
    m_app.m_bMutexCreated = m_app.m_hMutex != nullptr;
    ASSERT_TRUE(m_app.m_bMutexCreated);
    HANDLE hOther = c.bOtherFormScreen ? ::CreateMutexA(nullptr, FALSE, TOLVANE_MUTEX) : nullptr;

    m_app.ExitInstance();

    EXPECT_EQ(c.bStaysMinimised, launcher.Minimised());
    EXPECT_EQ(nullptr, m_app.m_hMutex);
    if (hOther != nullptr)
        ::CloseHandle(hOther);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExitTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.pszName); });

// Without a mutex the shut-down closes nothing and still looks for the
// launcher.
TEST_F(TolvaneTest, ExitWithoutMutexStillRestoresTheLauncher)
{
    FakeLauncher launcher(true);
    m_app.ExitInstance();
    EXPECT_FALSE(launcher.Minimised());
}
