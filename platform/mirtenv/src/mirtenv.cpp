#include "mirtenv.h"

#include <mutex>

#include "cp932.h"

namespace {

const char kProduct[] = "TESSARO";
const int kVersion = 313;

// The root and mode, looked up once per process (or set by the override).
struct Installation
{
    bool bKnown = false;
    CString root;
    int mode = 0;
};

std::mutex g_lock;
Installation g_installation;

CString WithoutTrailingBackslash(CString path)
{
    // A trailing 0x5C may be the trail byte of a double-byte character.
    int last = -1;
    for (int i = 0; i < path.GetLength(); i += cp932::CharLength(path, i, path.GetLength()))
        last = i;
    if (last >= 0 && last == path.GetLength() - 1 && path[last] == '\\')
        path = path.Left(last);
    return path;
}

bool ReadRegistry(CString& root, int& mode)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, MIRTENV_REGISTRY_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buf[MAX_PATH];
    DWORD size = sizeof buf - 1;
    DWORD type = 0;
    bool found = ::RegQueryValueExA(key, MIRTENV_ROOT_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) ==
                     ERROR_SUCCESS &&
                 type == REG_SZ && size > 1;
    if (found) {
        buf[size] = '\0';
        root = buf;
        DWORD value = 0;
        size = sizeof value;
        if (::RegQueryValueExA(key, MIRTENV_MODE_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD)
            mode = static_cast<int>(value);
    }
    ::RegCloseKey(key);
    return found;
}

// The folder above the one that holds the running program.
CString RootFromProgram()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return CString();
    CString folder(path);
    for (int level = 0; level < 2; ++level) {
        int cut = folder.ReverseFind('\\');
        if (cut <= 0)
            return folder;
        folder = folder.Left(cut);
    }
    return folder;
}

}  // namespace

CMirtEnv::CMirtEnv() : m_strProduct(kProduct), m_nInstallMode(0), m_nVersion(kVersion)
{
    {
        std::lock_guard<std::mutex> guard(g_lock);
        if (!g_installation.bKnown) {
            CString root;
            int mode = 0;
            if (!ReadRegistry(root, mode))
                root = RootFromProgram();
            g_installation.root = WithoutTrailingBackslash(root);
            g_installation.mode = mode;
            g_installation.bKnown = true;
        }
        m_strInstallRoot = g_installation.root;
        m_nInstallMode = g_installation.mode;
    }
    m_strExeFolder = m_strInstallRoot + "\\exe";
    m_strUserFolder = m_strInstallRoot + "\\data\\MyData";
}

CMirtEnv::~CMirtEnv() = default;

void CMirtEnv::SetRootOverride(LPCSTR root)
{
    std::lock_guard<std::mutex> guard(g_lock);
    g_installation = Installation();
    if (root != nullptr && *root != '\0') {
        g_installation.root = WithoutTrailingBackslash(root);
        g_installation.bKnown = true;
    }
}
