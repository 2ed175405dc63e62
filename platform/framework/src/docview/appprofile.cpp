// The application's profile: registry values under
// HKCU\Software\<registry key>\<profile name>\<section> after
// SetRegistryKey, else the INI file m_pszProfileName.
#include <stdio.h>
#include <string.h>
#include "win/winstate.h"

namespace {

// Closes the key on leaving scope.
class CRegKey
{
public:
    explicit CRegKey(HKEY hKey) : m_hKey(hKey) {}
    ~CRegKey()
    {
        if (m_hKey != nullptr)
            ::RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey;
};

// Opens the key for reading and writing; bCreate makes it if missing.
HKEY OpenKey(const CString& path, BOOL bCreate)
{
    HKEY hKey = nullptr;
    const LONG nError = bCreate
        ? ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
              nullptr, &hKey, nullptr)
        : ::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ | KEY_WRITE, &hKey);
    return nError == ERROR_SUCCESS ? hKey : nullptr;
}

}  // namespace

HKEY CWinApp::OpenSectionKey(LPCSTR lpszSection, BOOL bCreate) const
{
    CString path("Software\\");
    path += m_pszRegistryKey;
    path += '\\';
    path += m_pszProfileName;
    if (lpszSection != nullptr) {
        path += '\\';
        path += lpszSection;
    }
    return OpenKey(path, bCreate);
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == nullptr)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    const CRegKey key(OpenSectionKey(lpszSection, FALSE));
    DWORD dwType = 0;
    DWORD dwValue = 0;
    DWORD cbValue = sizeof dwValue;
    if (key == nullptr
        || ::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &cbValue)
            != ERROR_SUCCESS
        || dwType != REG_DWORD || cbValue != sizeof dwValue)
        return static_cast<UINT>(nDefault);
    return dwValue;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == nullptr) {
        char szValue[16];
        snprintf(szValue, sizeof szValue, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, szValue, m_pszProfileName);
    }
    const CRegKey key(OpenSectionKey(lpszSection, TRUE));
    const DWORD dwValue = static_cast<DWORD>(nValue);
    return key != nullptr
        && ::RegSetValueExA(key, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof dwValue)
            == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    const CString strDefault(lpszDefault != nullptr ? lpszDefault : "");
    if (m_pszRegistryKey == nullptr) {
        CString value;
        for (DWORD nSize = 256;; nSize *= 2) {
            const DWORD nCopied = ::GetPrivateProfileStringA(lpszSection, lpszEntry, strDefault,
                value.GetBuffer(static_cast<int>(nSize)), nSize, m_pszProfileName);
            value.ReleaseBuffer(static_cast<int>(nCopied));
            if (nCopied < nSize - 1)
                return value;
        }
    }
    const CRegKey key(OpenSectionKey(lpszSection, FALSE));
    DWORD dwType = 0;
    DWORD cbValue = 0;
    if (key == nullptr || ::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, nullptr, &cbValue) != ERROR_SUCCESS
        || dwType != REG_SZ)
        return strDefault;
    CString value;
    LPSTR pszValue = value.GetBuffer(static_cast<int>(cbValue));
    if (::RegQueryValueExA(key, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(pszValue), &cbValue)
        != ERROR_SUCCESS) {
        value.ReleaseBuffer(0);
        return strDefault;
    }
    // The stored terminator, if any, is not part of the string.
    value.ReleaseBuffer(static_cast<int>(strnlen(pszValue, cbValue)));
    return value;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == nullptr) {
        const CRegKey appKey(OpenSectionKey(nullptr, FALSE));
        return appKey != nullptr && ::RegDeleteKeyA(appKey, lpszSection) == ERROR_SUCCESS;
    }
    const CRegKey key(OpenSectionKey(lpszSection, lpszValue != nullptr));
    if (key == nullptr)
        return FALSE;
    if (lpszValue == nullptr)
        return ::RegDeleteValueA(key, lpszEntry) == ERROR_SUCCESS;
    return ::RegSetValueExA(key, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
               static_cast<DWORD>(strlen(lpszValue) + 1))
        == ERROR_SUCCESS;
}
