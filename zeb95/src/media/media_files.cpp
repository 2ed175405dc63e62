#include "media/media_files.h"

#include <string>
#include <vector>

#include "dib/file_io.h"

namespace {

const DWORD kCopyBufferBytes = 65534;
const int kNameTries = 16;

// The name with its extension replaced by pszExtension.
bool ReplaceExtension(char* pszName, DWORD cchName, const char* pszExtension)
{
    char* pDot = nullptr;
    for (char* p = pszName; *p != '\0'; p = ::CharNextA(p)) {
        if (*p == '.')
            pDot = p;
        else if (*p == '\\')
            pDot = nullptr;
    }
    if (pDot == nullptr)
        return false;
    const size_t cchStem = static_cast<size_t>(pDot - pszName) + 1;
    if (cchStem + static_cast<size_t>(::lstrlenA(pszExtension)) + 1 > cchName)
        return false;
    ::lstrcpyA(pDot + 1, pszExtension);
    return true;
}

}  // namespace

int ExtractToFile(HANDLE hSource, const char* pszPath, DWORD cb)
{
    if (pszPath == nullptr)
        return -1;
    HANDLE hTarget =
        ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hTarget == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<BYTE> buffer(kCopyBufferBytes);
    DWORD cbLeft = cb;
    while (cbLeft > 0) {
        DWORD cbRead = 0;
        const DWORD cbWant = cbLeft < kCopyBufferBytes ? cbLeft : kCopyBufferBytes;
        if (!::ReadFile(hSource, buffer.data(), cbWant, &cbRead, nullptr) || cbRead == 0 ||
            !WriteExact(hTarget, buffer.data(), cbRead))
            break;
        cbLeft -= cbRead;
    }
    ::CloseHandle(hTarget);
    return cbLeft == 0 ? 1 : 0;
}

LONG EmbedFile(HANDLE hTarget, const char* pszPath)
{
    HANDLE hSource = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hSource == INVALID_HANDLE_VALUE)
        return -1;
    std::vector<BYTE> buffer(kCopyBufferBytes);
    LONG nTotal = 0;
    for (;;) {
        DWORD cbRead = 0;
        if (!::ReadFile(hSource, buffer.data(), kCopyBufferBytes, &cbRead, nullptr) ||
            cbRead > static_cast<DWORD>(0x7FFFFFFF - nTotal) || !WriteExact(hTarget, buffer.data(), cbRead)) {
            nTotal = -1;
            break;
        }
        if (cbRead == 0)
            break;
        nTotal += static_cast<LONG>(cbRead);
    }
    ::CloseHandle(hSource);
    return nTotal;
}

int MakeTempMediaName(char* pszBuffer, const char* pszPrefix, DWORD cchBuffer)
{
    if (pszBuffer == nullptr || cchBuffer < MAX_PATH)
        return 0;
    // The reserved names stay until the end, so that each try gets another.
    std::vector<std::string> reserved;
    int nResult = 0;
    for (int nTry = 0; nTry < kNameTries && nResult == 0; ++nTry) {
        if (!MakeTempFile(pszPrefix, pszBuffer))
            break;
        reserved.push_back(pszBuffer);
        if (!ReplaceExtension(pszBuffer, cchBuffer, pszPrefix))
            break;
        HANDLE hNew = ::CreateFileA(pszBuffer, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hNew != INVALID_HANDLE_VALUE) {
            ::CloseHandle(hNew);
            nResult = 1;
        }
    }
    for (const std::string& name : reserved)
        ::DeleteFileA(name.c_str());
    if (nResult == 0)
        pszBuffer[0] = '\0';
    return nResult;
}

BOOL DeleteMediaFile(const char* pszPath) { return ::DeleteFileA(pszPath); }
