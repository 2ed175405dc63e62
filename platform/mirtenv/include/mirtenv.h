// CMirtEnv: the suite's environment, looked up once per process.
// Readers construct one on the stack wherever they build a path.
#pragma once
#include <afx.h>

#ifdef MIRTENV_BUILDING
#define MIRTENV_API __declspec(dllexport)
#else
#define MIRTENV_API __declspec(dllimport)
#endif

// The installer's registry key (HKEY_LOCAL_MACHINE) and its values.
#define MIRTENV_REGISTRY_KEY "SOFTWARE\\Velmor\\TESSARO"
#define MIRTENV_ROOT_VALUE "InstallRoot"   // REG_SZ
#define MIRTENV_MODE_VALUE "InstallMode"   // REG_DWORD

#pragma pack(push, 4)

class MIRTENV_API CMirtEnv : public CObject
{
public:
    // The install root is, in this order: the override set by
    // SetRootOverride, the installer's registry value, or the folder above
    // the running program's folder (the programs live in <root>\exe). The
    // registry is read once per process, by the first CMirtEnv.
    CMirtEnv();
    ~CMirtEnv() override;

    CString m_strProduct;      // product name
    CString m_strInstallRoot;  // install root, without a trailing backslash
    CString m_strExeFolder;    // <root>\exe
    CString m_strUserFolder;   // <root>\data\MyData: the user's documents
    int m_nInstallMode;        // 0 standard installation (the registry may say otherwise)
    int m_nVersion;            // suite version, e.g. 313 for 3.13

    // Points every later CMirtEnv at `root` (tools, tests); null returns to
    // the normal lookup, which the next CMirtEnv makes anew.
    static void SetRootOverride(LPCSTR root);
};

#pragma pack(pop)
