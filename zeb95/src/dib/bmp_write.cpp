#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "globalmem.h"

DWORD WriteBmpToFile(HANDLE hFile, HGLOBAL hDib)
{
    if (hDib == nullptr)
        return 0;
    CGlobalLock lock(hDib);
    DibGeometry g;
    if (!GetCheckedGeometry(hDib, lock, &g))
        return 0;
    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfSize = static_cast<DWORD>(sizeof(fileHeader) + DibSlotOffset(g));
    fileHeader.bfOffBits = static_cast<DWORD>(sizeof(fileHeader) + DibBitsOffset(g));
    if (!WriteExact(hFile, &fileHeader, sizeof(fileHeader)) ||
        !WriteExact(hFile, lock.Bytes(), static_cast<DWORD>(DibSlotOffset(g))))
        return 0;
    return fileHeader.bfSize;
}

BOOL WriteBmpFile(LPCSTR pszPath, HGLOBAL hDib)
{
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    const bool bWritten = WriteBmpToFile(hFile, hDib) != 0;
    ::CloseHandle(hFile);
    if (!bWritten)
        ::DeleteFileA(pszPath);
    return bWritten;
}
