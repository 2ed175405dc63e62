#include "dib/icon_record.h"

#include <cstring>

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "globalmem.h"

namespace {

#pragma pack(push, 1)
struct IconRecordHead
{
    WORD wReserved;
    WORD wType;  // 1 icon, 2 cursor
    WORD wCount;
    BYTE bWidth;
    BYTE bHeight;
    BYTE bColors;
    BYTE bReserved;
    WORD wHotspotX;
    WORD wHotspotY;
    DWORD dwImageBytes;
    DWORD dwImageOffset;
};
#pragma pack(pop)
static_assert(sizeof(IconRecordHead) == kIconRecordHead, "icon record head is 22 bytes");

// Largest image the reader takes: a 256 x 256 cursor at 32 bits with its
// mask and table is well below it.
const DWORD kMaxIconImageBytes = 0x80000;

DWORD MaskStride(LONG nWidth) { return static_cast<DWORD>(DibStride(nWidth, 1)); }

// Bits of hBitmap read as a DIB of the header's format into pBits, its
// colour table into pTable when given.
bool ReadBits(HBITMAP hBitmap, const BITMAPINFOHEADER& header, RGBQUAD* pTable, BYTE* pBits)
{
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    std::memcpy(info.data(), &header, sizeof(header));
    HDC hdc = ::GetDC(nullptr);
    const int nLines = ::GetDIBits(hdc, hBitmap, 0, header.biHeight, pBits, reinterpret_cast<BITMAPINFO*>(info.data()),
                                   DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    if (nLines != header.biHeight)
        return false;
    if (pTable != nullptr)
        std::memcpy(pTable, info.data() + sizeof(BITMAPINFOHEADER),
                    DibColorsOfBitCount(header.biBitCount) * sizeof(RGBQUAD));
    return true;
}

bool BuildImage(const ICONINFO& ii, std::vector<BYTE>* pRecord, IconRecordHead* pHead)
{
    BITMAP mask;
    if (::GetObjectA(ii.hbmMask, sizeof(mask), &mask) == 0)
        return false;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = mask.bmWidth;
    header.biHeight = mask.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 1;
    LONG nRows = mask.bmHeight;
    pHead->bHeight = static_cast<BYTE>(mask.bmHeight / 2);
    if (ii.hbmColor != nullptr) {
        BITMAP color;
        if (::GetObjectA(ii.hbmColor, sizeof(color), &color) == 0)
            return false;
        header.biBitCount = NormaliseBitCount(color.bmPlanes * color.bmBitsPixel);
        pHead->bHeight = static_cast<BYTE>(mask.bmHeight);
        pHead->bColors = static_cast<BYTE>(1u << header.biBitCount);
    }
    const DWORD dwColors = DibColorsOfBitCount(header.biBitCount);
    header.biSizeImage = static_cast<DWORD>(DibStride(header.biWidth, header.biBitCount)) * nRows;
    const DWORD dwMaskBytes = ii.hbmColor != nullptr ? MaskStride(mask.bmWidth) * mask.bmHeight : 0;
    const DWORD dwImage = sizeof(header) + dwColors * sizeof(RGBQUAD) + header.biSizeImage + dwMaskBytes;
    pRecord->assign(kIconRecordHead + dwImage, 0);
    BYTE* pImage = pRecord->data() + kIconRecordHead;
    auto* pTable = reinterpret_cast<RGBQUAD*>(pImage + sizeof(header));
    BYTE* pBits = pImage + sizeof(header) + dwColors * sizeof(RGBQUAD);
    std::memcpy(pImage, &header, sizeof(header));
    if (!ReadBits(ii.hbmColor != nullptr ? ii.hbmColor : ii.hbmMask, header, pTable, pBits))
        return false;
    if (ii.hbmColor != nullptr) {
        BITMAPINFOHEADER maskHeader = header;
        maskHeader.biBitCount = 1;
        maskHeader.biSizeImage = dwMaskBytes;
        if (!ReadBits(ii.hbmMask, maskHeader, nullptr, pBits + header.biSizeImage))
            return false;
    }
    pHead->dwImageBytes = dwImage;
    return true;
}

// Rows of a bottom-up DIB plane turned top-down with WORD-aligned rows, as
// CreateCursor and CreateBitmap take them.
std::vector<BYTE> TopDownWordRows(const BYTE* pPlane, LONG nWidth, LONG nHeight, WORD wBitCount)
{
    const SIZE_T dibStride = static_cast<SIZE_T>(DibStride(nWidth, wBitCount));
    const SIZE_T wordStride = ((static_cast<SIZE_T>(nWidth) * wBitCount + 15) / 16) * 2;
    std::vector<BYTE> rows(wordStride * nHeight);
    for (LONG y = 0; y < nHeight; ++y)
        std::memcpy(rows.data() + y * wordStride, pPlane + (nHeight - 1 - y) * dibStride, wordStride);
    return rows;
}

HCURSOR MakeMonochromeCursor(const IconRecordHead& head, const std::vector<BYTE>& image, LONG nWidth, LONG nHeight)
{
    const DWORD dwPlane = MaskStride(nWidth) * nHeight;
    const DWORD dwXor = sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD);
    if (image.size() < dwXor + 2ull * dwPlane)
        return nullptr;
    const std::vector<BYTE> xorRows = TopDownWordRows(image.data() + dwXor, nWidth, nHeight, 1);
    const std::vector<BYTE> andRows = TopDownWordRows(image.data() + dwXor + dwPlane, nWidth, nHeight, 1);
    return ::CreateCursor(::GetModuleHandleA(nullptr), head.wHotspotX, head.wHotspotY, nWidth, nHeight,
                          andRows.data(), xorRows.data());
}

HCURSOR MakeColorCursor(const IconRecordHead& head, const std::vector<BYTE>& image, const BITMAPINFOHEADER& header)
{
    const DWORD dwTable = DibColorsOfBitCount(header.biBitCount) * sizeof(RGBQUAD);
    const UINT64 colorBytes = DibStride(header.biWidth, header.biBitCount) * header.biHeight;
    const UINT64 maskBytes = MaskStride(header.biWidth) * static_cast<UINT64>(header.biHeight);
    const UINT64 bitsAt = sizeof(BITMAPINFOHEADER) + dwTable;
    if (image.size() < bitsAt + colorBytes + maskBytes)
        return nullptr;
    BITMAPINFOHEADER colorHeader = header;
    colorHeader.biSizeImage = 0;
    HDC hdc = ::GetDC(nullptr);
    std::vector<BYTE> info(image.begin(), image.begin() + static_cast<SIZE_T>(bitsAt));
    std::memcpy(info.data(), &colorHeader, sizeof(colorHeader));
    HBITMAP hColor = ::CreateDIBitmap(hdc, &colorHeader, CBM_INIT, image.data() + bitsAt,
                                      reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hdc);
    const std::vector<BYTE> andRows =
        TopDownWordRows(image.data() + bitsAt + colorBytes, header.biWidth, header.biHeight, 1);
    HBITMAP hMask = ::CreateBitmap(header.biWidth, header.biHeight, 1, 1, andRows.data());
    HCURSOR hCursor = nullptr;
    if (hColor != nullptr && hMask != nullptr) {
        ICONINFO ii = {FALSE, head.wHotspotX, head.wHotspotY, hMask, hColor};
        hCursor = ::CreateIconIndirect(&ii);
    }
    if (hColor != nullptr)
        ::DeleteObject(hColor);
    if (hMask != nullptr)
        ::DeleteObject(hMask);
    return hCursor;
}

// A monochrome image holds both planes in one bitmap of twice the entry's
// height at 1 bit; anything else is a colour image with its mask after it.
HCURSOR MakeCursor(const IconRecordHead& head, const std::vector<BYTE>& image)
{
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.data(), sizeof(header));
    const LONG nEntryHeight = head.bHeight != 0 ? head.bHeight : 256;
    if (header.biSize != sizeof(header) || header.biWidth <= 0 || header.biWidth > 256 || header.biHeight <= 0 ||
        header.biHeight > 512)
        return nullptr;
    if (header.biBitCount == 1 && header.biHeight == 2 * nEntryHeight)
        return MakeMonochromeCursor(head, image, header.biWidth, nEntryHeight);
    const WORD bits = header.biBitCount;
    if ((bits != 1 && bits != 4 && bits != 8 && bits != 24) || header.biHeight > 256)
        return nullptr;
    return MakeColorCursor(head, image, header);
}

}  // namespace

BOOL GetIconBitmaps(HICON hIcon, ICONINFO* pInfo)
{
    return hIcon != nullptr && ::GetIconInfo(hIcon, pInfo);
}

bool BuildIconRecord(HICON hIcon, std::vector<BYTE>* pRecord)
{
    ICONINFO ii;
    if (!GetIconBitmaps(hIcon, &ii))
        return false;
    CScopeExit freeBitmaps([&] {
        ::DeleteObject(ii.hbmMask);
        if (ii.hbmColor != nullptr)
            ::DeleteObject(ii.hbmColor);
    });
    IconRecordHead head = {};
    head.wType = ii.fIcon ? 1 : 2;
    head.wCount = 1;
    head.wHotspotX = static_cast<WORD>(ii.xHotspot);
    head.wHotspotY = static_cast<WORD>(ii.yHotspot);
    head.dwImageOffset = kIconRecordHead;
    BITMAP mask;
    if (::GetObjectA(ii.hbmMask, sizeof(mask), &mask) == 0)
        return false;
    head.bWidth = static_cast<BYTE>(mask.bmWidth);
    if (!BuildImage(ii, pRecord, &head))
        return false;
    std::memcpy(pRecord->data(), &head, sizeof(head));
    return true;
}

DWORD GetIconRecordSize(HICON hIcon)
{
    std::vector<BYTE> record;
    return BuildIconRecord(hIcon, &record) ? static_cast<DWORD>(record.size()) : 0;
}

LONG WriteIconRecord(HANDLE hFile, HICON hIcon)
{
    std::vector<BYTE> record;
    if (!BuildIconRecord(hIcon, &record) || !WriteExact(hFile, record.data(), static_cast<DWORD>(record.size())))
        return -1;
    return static_cast<LONG>(record.size());
}

LONG ReadCursorRecord(HANDLE hFile, HCURSOR* pCursor)
{
    *pCursor = nullptr;
    UINT64 start, left;
    IconRecordHead head;
    if (!GetFilePos(hFile, &start) || !ReadExact(hFile, &head, sizeof(head)) || (head.wType != 1 && head.wType != 2) ||
        head.wCount == 0 || head.dwImageBytes < sizeof(BITMAPINFOHEADER) || head.dwImageBytes > kMaxIconImageBytes ||
        !SeekFile(hFile, start + head.dwImageOffset) || !GetBytesLeft(hFile, &left) || left < head.dwImageBytes)
        return -1;
    std::vector<BYTE> image(head.dwImageBytes);
    if (!ReadExact(hFile, image.data(), head.dwImageBytes))
        return -1;
    *pCursor = MakeCursor(head, image);
    return *pCursor != nullptr ? static_cast<LONG>(head.dwImageBytes + kIconRecordHead) : -1;
}
