#include "picture/jpeg_convert.h"

#include "dib/file_io.h"

namespace {

// Ordinal 2 of Kestrin95: (JPEG path, BMP path, 0x8001, 0), nonzero when the
// BMP file was written.
using JpegToBmpProc = int(WINAPI*)(LPCSTR, LPCSTR, DWORD, DWORD);

bool CallJpegLibrary(const char* pszJpegPath, const char* pszBmpPath)
{
    HMODULE hLibrary = ::LoadLibraryA("Kestrin95.dll");
    if (hLibrary == nullptr)
        return false;
    auto pfn = reinterpret_cast<JpegToBmpProc>(reinterpret_cast<void*>(::GetProcAddress(hLibrary, MAKEINTRESOURCEA(2))));
    const bool bWritten = pfn != nullptr && pfn(pszJpegPath, pszBmpPath, 0x8001, 0) != 0;
    ::FreeLibrary(hLibrary);
    return bWritten;
}

bool CopyToFile(HANDLE hFrom, DWORD cb, const char* pszPath)
{
    HANDLE hTo = ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hTo == INVALID_HANDLE_VALUE)
        return false;
    const bool bDone = CopyBytes(hFrom, hTo, cb);
    ::CloseHandle(hTo);
    return bDone;
}

}  // namespace

BOOL ConvertJpegToBmp(HANDLE hFile, DWORD cbJpeg, char* pszBmpPath, char* pszJpegPath)
{
    pszBmpPath[0] = '\0';
    bool bDone = true;
    if (cbJpeg >= 1) {
        pszJpegPath[0] = '\0';
        bDone = MakeTempFile("jpg", pszJpegPath) && CopyToFile(hFile, cbJpeg, pszJpegPath);
    }
    bDone = bDone && MakeTempFile("bmp", pszBmpPath) && CallJpegLibrary(pszJpegPath, pszBmpPath);
    if (bDone)
        return TRUE;
    if (pszBmpPath[0] != '\0')
        ::DeleteFileA(pszBmpPath);
    if (cbJpeg >= 1 && pszJpegPath[0] != '\0')
        ::DeleteFileA(pszJpegPath);
    pszBmpPath[0] = '\0';
    pszJpegPath[0] = '\0';
    return FALSE;
}
