#include "dib/file_io.h"
#include "zeb95.h"

namespace {

const char kTempPrefix[] = "MMF";

// A new temporary file: its path in pszPath (MAX_PATH characters), or an
// empty path.
bool NewTempFile(LPSTR pszPath)
{
    if (MakeTempFile(kTempPrefix, pszPath))
        return true;
    pszPath[0] = '\0';
    return false;
}

// A new named mapping of cb bytes on the paging file; null when it cannot
// be made or the name is already in use (the other holder's bytes stay).
HANDLE NewMapping(DWORD cb, LPCSTR pszName)
{
    HANDLE hMapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE | SEC_COMMIT, 0, cb, pszName);
    if (hMapping != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(hMapping);
        return nullptr;
    }
    return hMapping;
}

}  // namespace

LONG WINAPI zebGetTempMemFile(LPSTR pszPath)
{
    return pszPath != nullptr && NewTempFile(pszPath) ? 1 : 0;
}

HANDLE WINAPI zebFileToMemFile(LPCSTR pszPath, LPCSTR pszName)
{
    if (pszPath == nullptr)
        return nullptr;
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return nullptr;
    LARGE_INTEGER size;
    HANDLE hMapping = nullptr;
    if (::GetFileSizeEx(hFile, &size) && size.QuadPart > 0 && size.QuadPart <= 0x7FFFFFFF)
        hMapping = NewMapping(static_cast<DWORD>(size.QuadPart), pszName);
    void* pView = hMapping != nullptr ? ::MapViewOfFile(hMapping, FILE_MAP_WRITE, 0, 0, 0) : nullptr;
    const bool bCopied = pView != nullptr && ReadExact(hFile, pView, static_cast<DWORD>(size.QuadPart));
    if (pView != nullptr)
        ::UnmapViewOfFile(pView);
    ::CloseHandle(hFile);
    if (!bCopied && hMapping != nullptr) {
        ::CloseHandle(hMapping);
        hMapping = nullptr;
    }
    return hMapping;
}

LONG WINAPI zebMemFileToFile(LPCSTR pszName, LPCSTR pszPath)
{
    if (pszName == nullptr || pszPath == nullptr)
        return 0;
    HANDLE hMapping = ::OpenFileMappingA(FILE_MAP_READ, FALSE, pszName);
    if (hMapping == nullptr)
        return 0;
    void* pView = ::MapViewOfFile(hMapping, FILE_MAP_READ, 0, 0, 0);
    MEMORY_BASIC_INFORMATION info = {};
    bool bWritten = false;
    if (pView != nullptr && ::VirtualQuery(pView, &info, sizeof(info)) == sizeof(info) &&
        info.RegionSize <= 0x7FFFFFFF) {
        HANDLE hFile = ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) {
            bWritten = WriteExact(hFile, pView, static_cast<DWORD>(info.RegionSize));
            bWritten = ::CloseHandle(hFile) && bWritten;
            if (!bWritten)
                ::DeleteFileA(pszPath);
        }
    }
    if (pView != nullptr)
        ::UnmapViewOfFile(pView);
    ::CloseHandle(hMapping);
    return bWritten ? 1 : 0;
}

LONG WINAPI zebCloseMemFile(HANDLE hMemFile)
{
    return hMemFile != nullptr ? ::CloseHandle(hMemFile) : 0;
}

HANDLE WINAPI zebWriteMemWhiteBoard(HWND hWhiteBoard, LPCSTR pszName, LONG nMode, const POINT* pOrigin,
                                    const SIZE* pSize)
{
    char szTemp[MAX_PATH];
    if (!NewTempFile(szTemp))
        return nullptr;
    HANDLE hMapping = nullptr;
    if (zebWriteWhiteBoard(hWhiteBoard, szTemp, nMode, pOrigin, pSize) > 0)
        hMapping = zebFileToMemFile(szTemp, pszName);
    ::DeleteFileA(szTemp);
    return hMapping;
}

LONG WINAPI zebReadMemWhiteBoard(HWND hWhiteBoard, LPCSTR pszName, const POINT* pPos, const SIZE* pSize)
{
    char szTemp[MAX_PATH];
    if (!NewTempFile(szTemp))
        return -1;
    const LONG nResult = zebMemFileToFile(pszName, szTemp) ? zebReadWhiteBoard(hWhiteBoard, szTemp, pPos, pSize) : -1;
    ::DeleteFileA(szTemp);
    return nResult;
}

LONG WINAPI zebReadMemPic(LPCSTR pszName, LPSTR pszPath)
{
    if (pszPath == nullptr || !NewTempFile(pszPath))
        return 0;
    if (zebMemFileToFile(pszName, pszPath))
        return 1;
    ::DeleteFileA(pszPath);
    pszPath[0] = '\0';
    return 0;
}
