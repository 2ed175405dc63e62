#include "bmpfile.h"

#include <vector>

namespace {

bool WriteAll(HANDLE hFile, const void* pData, DWORD nSize)
{
    DWORD nWritten = 0;
    return ::WriteFile(hFile, pData, nSize, &nWritten, nullptr) && nWritten == nSize;
}

// The bitmap's rows at nBitCount into bits, its information header and
// colour table into info.
bool ReadDib(HBITMAP hBitmap, WORD nBitCount, std::vector<BYTE>& info, std::vector<BYTE>& bits)
{
    BITMAP bm;
    if (::GetObjectA(hBitmap, sizeof bm, &bm) != sizeof bm || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    const int nBits = nBitCount != 0 ? nBitCount : bm.bmBitsPixel * bm.bmPlanes;
    const size_t nColours = nBits <= 8 ? size_t(1) << nBits : 0;
    info.assign(sizeof(BITMAPINFOHEADER) + nColours * sizeof(RGBQUAD), 0);
    BITMAPINFOHEADER& header = *reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header.biSize = sizeof header;
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(nBits);
    header.biCompression = BI_RGB;
    const unsigned long long nStride = (static_cast<unsigned long long>(bm.bmWidth) * nBits + 31) / 32 * 4;
    const unsigned long long nImage = nStride * static_cast<unsigned long long>(bm.bmHeight);
    if (nImage > 0x7FFFFFFF - sizeof(BITMAPFILEHEADER) - info.size())
        return false;
    header.biSizeImage = static_cast<DWORD>(nImage);
    bits.assign(static_cast<size_t>(nImage), 0);
    HDC hDC = ::GetDC(nullptr);
    const int nLines = ::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data(),
        reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    return nLines == bm.bmHeight;
}

}  // namespace

BOOL WriteBitmapFile(LPCSTR lpszPath, HBITMAP hBitmap, WORD nBitCount)
{
    std::vector<BYTE> info;
    std::vector<BYTE> bits;
    if (!ReadDib(hBitmap, nBitCount, info, bits))
        return FALSE;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = static_cast<DWORD>(sizeof file + info.size());
    file.bfSize = static_cast<DWORD>(file.bfOffBits + bits.size());
    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    const bool bWritten = WriteAll(hFile, &file, sizeof file) &&
                          WriteAll(hFile, info.data(), static_cast<DWORD>(info.size())) &&
                          WriteAll(hFile, bits.data(), static_cast<DWORD>(bits.size()));
    ::CloseHandle(hFile);
    if (!bWritten)
        ::DeleteFileA(lpszPath);
    return bWritten;
}
