#include <cstring>

#include "dib/bmp_file.h"
#include "dib/bounded_reader.h"
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
bool ReadInfoHeader(const BoundedReader& in, BITMAPINFOHEADER* pInfo, bool* pbCore)
{
    DWORD dwSize;
    if (!in.Read(&dwSize, sizeof(dwSize)))
        return false;
    *pbCore = dwSize == sizeof(BITMAPCOREHEADER);
    if (dwSize == sizeof(BITMAPINFOHEADER)) {
        pInfo->biSize = dwSize;
        return in.Read(&pInfo->biWidth, sizeof(BITMAPINFOHEADER) - sizeof(dwSize));
    }
    if (!*pbCore)
        return false;
    BITMAPCOREHEADER core;
    if (!in.Read(&core.bcWidth, sizeof(core) - sizeof(dwSize)))
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
bool ReadColorTable(const BoundedReader& in, RGBQUAD* pTable, DWORD nColors, bool bCore)
{
    if (!bCore)
        return in.Read(pTable, nColors * sizeof(RGBQUAD));
    RGBTRIPLE triples[256];
    if (!in.Read(triples, nColors * sizeof(RGBTRIPLE)))
        return false;
    for (DWORD i = 0; i < nColors; ++i)
        pTable[i] = {triples[i].rgbtBlue, triples[i].rgbtGreen, triples[i].rgbtRed, 0};
    return true;
}

// The header and colour table; the file is left at the pixel bits.
HGLOBAL ReadBoundedHeader(const BoundedReader& in)
{
    HANDLE hFile = in.File();
    UINT64 start;
    BITMAPFILEHEADER fileHeader;
    if (!GetFilePos(hFile, &start) || !in.Read(&fileHeader, sizeof(fileHeader)))
        return nullptr;
    DWORD dwOffBits = 0;
    if (fileHeader.bfType == kBmpSignature)
        dwOffBits = fileHeader.bfOffBits;
    else if (!SeekFile(hFile, start))
        return nullptr;

    BITMAPINFOHEADER info;
    bool bCore = false;
    if (!ReadInfoHeader(in, &info, &bCore) || !AcceptHeader(&info))
        return nullptr;
    HGLOBAL hDib = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(info) + info.biClrUsed * sizeof(RGBQUAD));
    if (hDib == nullptr)
        return nullptr;
    hDib = FillDibOrFree(hDib, [&](BYTE* pBytes) {
        std::memcpy(pBytes, &info, sizeof(info));
        return ReadColorTable(in, reinterpret_cast<RGBQUAD*>(pBytes + sizeof(info)), info.biClrUsed, bCore);
    });
    if (hDib != nullptr && dwOffBits != 0 && !SeekFile(hFile, start + dwOffBits)) {
        ::GlobalFree(hDib);
        return nullptr;
    }
    return hDib;
}

// The file's end, as the bound of a read from the file position.
bool FileEnd(HANDLE hFile, UINT64* pEnd)
{
    UINT64 pos = 0;
    UINT64 left = 0;
    if (!GetFilePos(hFile, &pos) || !GetBytesLeft(hFile, &left))
        return false;
    *pEnd = pos + left;
    return true;
}

}  // namespace

HGLOBAL ReadDibHeader(HANDLE hFile)
{
    UINT64 end = 0;
    return FileEnd(hFile, &end) ? ReadBoundedHeader(BoundedReader(hFile, end)) : nullptr;
}

HGLOBAL ReadDib(HANDLE hFile, BOOL bMakePalette)
{
    UINT64 end = 0;
    return FileEnd(hFile, &end) ? ReadDibWithin(hFile, end, bMakePalette) : nullptr;
}

HGLOBAL ReadDibWithin(HANDLE hFile, UINT64 end, BOOL bMakePalette)
{
    const BoundedReader in(hFile, end);
    HGLOBAL hDib = ReadBoundedHeader(in);
    if (hDib == nullptr)
        return nullptr;
    DibGeometry g;
    UINT64 left;
    if (!GetDibHandleGeometry(hDib, &g) || !in.Left(&left) || left < g.dwImageBytes) {
        ::GlobalFree(hDib);
        return nullptr;
    }
    hDib = GrowDibOrFree(hDib, DibSlotOffset(g) + sizeof(DWORD));
    if (hDib == nullptr)
        return nullptr;
    return FillDibOrFree(hDib, [&](BYTE* pBytes) {
        if (!in.Read(pBytes + DibBitsOffset(g), g.dwImageBytes))
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
