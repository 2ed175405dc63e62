#include "picture/jpeg_convert.h"

#include "dib/file_io.h"

namespace {

const DWORD kCopyPiece = 256;

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
    BYTE piece[kCopyPiece];
    bool bDone = true;
    for (DWORD cbLeft = cb; bDone && cbLeft > 0;) {
        const DWORD cbPiece = cbLeft < kCopyPiece ? cbLeft : kCopyPiece;
        bDone = ReadExact(hFrom, piece, cbPiece) && WriteExact(hTo, piece, cbPiece);
        cbLeft -= cbPiece;
    }
    ::CloseHandle(hTo);
    return bDone;
}

bool TempFileName(const char* pszPrefix, char* pszPath)
{
    char szFolder[MAX_PATH];
    const DWORD cch = ::GetTempPathA(MAX_PATH, szFolder);
    return cch > 0 && cch < MAX_PATH && ::GetTempFileNameA(szFolder, pszPrefix, 0, pszPath) != 0;
}

}  // namespace

BOOL ConvertJpegToBmp(HANDLE hFile, DWORD cbJpeg, char* pszBmpPath, char* pszJpegPath)
{
    pszBmpPath[0] = '\0';
    bool bDone = true;
    if (cbJpeg >= 1) {
        pszJpegPath[0] = '\0';
        bDone = TempFileName("jpg", pszJpegPath) && CopyToFile(hFile, cbJpeg, pszJpegPath);
    }
    bDone = bDone && TempFileName("bmp", pszBmpPath) && CallJpegLibrary(pszJpegPath, pszBmpPath);
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
