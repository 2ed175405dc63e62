#include <gtest/gtest.h>
#include "mirtenv.h"

namespace {

CString ProgramGrandparent()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    CString s(path);
    s = s.Left(s.ReverseFind('\\'));
    return s.Left(s.ReverseFind('\\'));
}

struct RegistryRoot {
    RegistryRoot(LPCSTR root, DWORD mode)
    {
        HKEY key;
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, MIRTENV_REGISTRY_KEY, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
        ::RegSetValueExA(key, MIRTENV_ROOT_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(root),
                         static_cast<DWORD>(lstrlenA(root) + 1));
        ::RegSetValueExA(key, MIRTENV_MODE_VALUE, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode), sizeof mode);
        ::RegCloseKey(key);
    }
    ~RegistryRoot() { ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, MIRTENV_REGISTRY_KEY); }
};

}  // namespace

TEST(MirtEnv, OverrideGivesRootWithoutTrailingBackslash)
{
    struct Case {
        const char* set;
        const char* root;
    } cases[] = {
        {"C:\\Suite\\", "C:\\Suite"},
        {"C:\\Suite", "C:\\Suite"},
        {"C:\\帳票\\", "C:\\帳票"},
        {"C:\\一覧表", "C:\\一覧表"},  // 表 ends in 0x5C: not a backslash
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        CMirtEnv::SetRootOverride(c.set);
        CMirtEnv env;
        EXPECT_STREQ(c.root, env.m_strInstallRoot);
        EXPECT_STREQ(CString(c.root) + "\\exe", env.m_strExeFolder);
        EXPECT_STREQ(CString(c.root) + "\\data\\MyData", env.m_strUserFolder);
    }
    CMirtEnv::SetRootOverride(nullptr);
}

// Each lookup starts from SetRootOverride(nullptr), which makes the next
// CMirtEnv look the root up again.
TEST(MirtEnv, RootFromRegistryElseAboveProgramFolder)
{
    {
        RegistryRoot reg("D:\\Installed\\", 1);
        CMirtEnv::SetRootOverride(nullptr);
        CMirtEnv env;
        EXPECT_STREQ("D:\\Installed", env.m_strInstallRoot);
        EXPECT_EQ(1, env.m_nInstallMode);
    }
    CMirtEnv::SetRootOverride(nullptr);
    CMirtEnv env;
    EXPECT_STREQ(ProgramGrandparent(), env.m_strInstallRoot);
    EXPECT_EQ(0, env.m_nInstallMode);
    EXPECT_EQ(313, env.m_nVersion);
}

// The registry is read once per process: a value written later is not seen
// until the lookup starts again.
TEST(MirtEnv, RootIsLookedUpOncePerProcess)
{
    CMirtEnv::SetRootOverride(nullptr);
    {
        RegistryRoot reg("D:\\First", 2);
        EXPECT_STREQ("D:\\First", CMirtEnv().m_strInstallRoot);
    }
    {
        RegistryRoot reg("D:\\Second", 0);
        const CMirtEnv env;
        EXPECT_STREQ("D:\\First", env.m_strInstallRoot);
        EXPECT_EQ(2, env.m_nInstallMode);
        EXPECT_STREQ("D:\\First\\exe", env.m_strExeFolder);
        CMirtEnv::SetRootOverride(nullptr);
        EXPECT_STREQ("D:\\Second", CMirtEnv().m_strInstallRoot);
    }
    CMirtEnv::SetRootOverride(nullptr);
}
