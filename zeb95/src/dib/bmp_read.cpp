#include <cstring>

#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "dib/palette.h"
#include "globalmem.h"

namespace {

const WORD kBmpSignature = 0x4D42;  // "BM"
// Largest image the reader takes; also keeps block sizes within 32 bits.
const UINT64 kMaxBmpImageBytes = 0x40000000;

// Reads the DIB header at the file position as an info header: a core
// header is widened (compression, image size and resolutions 0, both colour
// counts those of the bit count).
bool ReadInfoHeader(HANDLE hFile, BITMAPINFOHEADER* pInfo, bool* pbCore)
{
    DWORD dwSize;
    if (!ReadExact(hFile, &dwSize, sizeof(dwSize)))
        return false;
    *pbCore = dwSize == sizeof(BITMAPCOREHEADER);
    if (dwSize == sizeof(BITMAPINFOHEADER)) {
        pInfo->biSize = dwSize;
        return ReadExact(hFile, &pInfo->biWidth, sizeof(BITMAPINFOHEADER) - sizeof(dwSize));
    }
    if (!*pbCore)
        return false;
    BITMAPCOREHEADER core;
    if (!ReadExact(hFile, &core.bcWidth, sizeof(core) - sizeof(dwSize)))
        return false;
    *pInfo = {};
    pInfo->biSize = sizeof(BITMAPINFOHEADER);
    pInfo->biWidth = core.bcWidth;
    pInfo->biHeight = core.bcHeight;
    pInfo->biPlanes = core.bcPlanes;
    pInfo->biBitCount = core.bcBitCount;
    pInfo->biClrUsed = pInfo->biClrImportant = DibColorsOfBitCount(core.bcBitCount);
    return true;
}

bool IsReadableBitCount(WORD wBitCount)
{
    return wBitCount == 1 || wBitCount == 4 || wBitCount == 8 || wBitCount == 16 || wBitCount == 24 ||
           wBitCount == 32;
}

// Refuses what the library does not read (top-down or empty images, other
// bit counts, compressed bits, colour tables larger than the bit count
// allows or than 256 entries, images smaller than their rows); fills in a
// missing image size and colour count.
bool AcceptHeader(BITMAPINFOHEADER* pInfo)
{
    if (pInfo->biWidth <= 0 || pInfo->biHeight <= 0 || !IsReadableBitCount(pInfo->biBitCount) ||
        pInfo->biCompression != BI_RGB)
        return false;
    const UINT64 maxColors = pInfo->biBitCount < 8 ? (1u << pInfo->biBitCount) : 256;
    if (pInfo->biClrUsed > maxColors)
        return false;
    const UINT64 minImage = DibStride(pInfo->biWidth, pInfo->biBitCount) * static_cast<UINT64>(pInfo->biHeight);
    if (minImage > kMaxBmpImageBytes || pInfo->biSizeImage > kMaxBmpImageBytes)
        return false;
    if (pInfo->biSizeImage == 0)
        pInfo->biSizeImage = static_cast<DWORD>(minImage);
    else if (pInfo->biSizeImage < minImage)
        return false;
    if (pInfo->biClrUsed == 0)
        pInfo->biClrUsed = DibColorsOfBitCount(pInfo->biBitCount);
    return true;
}

// Reads nColors entries of 3 (core) or 4 bytes into an RGBQUAD table.
bool ReadColorTable(HANDLE hFile, RGBQUAD* pTable, DWORD nColors, bool bCore)
{
    if (!bCore)
        return ReadExact(hFile, pTable, nColors * sizeof(RGBQUAD));
    RGBTRIPLE triples[256];
    if (!ReadExact(hFile, triples, nColors * sizeof(RGBTRIPLE)))
        return false;
    for (DWORD i = 0; i < nColors; ++i)
        pTable[i] = {triples[i].rgbtBlue, triples[i].rgbtGreen, triples[i].rgbtRed, 0};
    return true;
}

}  // namespace

HGLOBAL ReadDibHeader(HANDLE hFile)
{
    UINT64 start;
    BITMAPFILEHEADER fileHeader;
    if (!GetFilePos(hFile, &start) || !ReadExact(hFile, &fileHeader, sizeof(fileHeader)))
        return nullptr;
    DWORD dwOffBits = 0;
    if (fileHeader.bfType == kBmpSignature)
        dwOffBits = fileHeader.bfOffBits;
    else if (!SeekFile(hFile, start))
        return nullptr;

    BITMAPINFOHEADER info;
    bool bCore = false;
    if (!ReadInfoHeader(hFile, &info, &bCore) || !AcceptHeader(&info))
        return nullptr;
    HGLOBAL hDib = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(info) + info.biClrUsed * sizeof(RGBQUAD));
    if (hDib == nullptr)
        return nullptr;
    hDib = FillDibOrFree(hDib, [&](BYTE* pBytes) {
        std::memcpy(pBytes, &info, sizeof(info));
        return ReadColorTable(hFile, reinterpret_cast<RGBQUAD*>(pBytes + sizeof(info)), info.biClrUsed, bCore);
    });
    if (hDib != nullptr && dwOffBits != 0 && !SeekFile(hFile, start + dwOffBits)) {
        ::GlobalFree(hDib);
        return nullptr;
    }
    return hDib;
}

HGLOBAL ReadDib(HANDLE hFile, BOOL bMakePalette)
{
    HGLOBAL hDib = ReadDibHeader(hFile);
    if (hDib == nullptr)
        return nullptr;
    DibGeometry g;
    UINT64 left;
    if (!GetDibHandleGeometry(hDib, &g) || !GetBytesLeft(hFile, &left) || left < g.dwImageBytes) {
        ::GlobalFree(hDib);
        return nullptr;
    }
    hDib = GrowDibOrFree(hDib, DibSlotOffset(g) + sizeof(DWORD));
    if (hDib == nullptr)
        return nullptr;
    return FillDibOrFree(hDib, [&](BYTE* pBytes) {
        if (!ReadExact(hFile, pBytes + DibBitsOffset(g), g.dwImageBytes))
            return false;
        WritePaletteSlot(pBytes + DibSlotOffset(g), bMakePalette ? CreatePackedDibPalette(pBytes) : nullptr);
        return true;
    });
}

bool IsReadableDibHeader(const BITMAPINFOHEADER& info)
{
    BITMAPINFOHEADER copy = info;
    return info.biSize == sizeof(BITMAPINFOHEADER) && AcceptHeader(&copy);
}

HGLOBAL ReadDibFile(LPCSTR pszPath, BOOL bMakePalette)
{
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return nullptr;
    HGLOBAL hDib = ReadDib(hFile, bMakePalette);
    ::CloseHandle(hFile);
    return hDib;
}
