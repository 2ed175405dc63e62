// The calendar rendered into a temporary BMP file, the picture a calendar
// shows in layout mode.
#include "npropobjcalnd.h"

#include <vector>

namespace {

// The colour table entries of a BI_RGB bitmap of this depth.
int ColorTableSize(int nBitsPerPixel)
{
    return nBitsPerPixel <= 8 ? 1 << nBitsPerPixel : 0;
}

// A BMP file: file header, information header with its colour table, bits.
BOOL WriteBmpFile(LPCSTR lpszPath, const std::vector<BYTE>& info, const std::vector<BYTE>& bits)
{
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = static_cast<DWORD>(sizeof header + info.size());
    header.bfSize = static_cast<DWORD>(header.bfOffBits + bits.size());
    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD dwWritten = 0;
    BOOL bDone = ::WriteFile(hFile, &header, sizeof header, &dwWritten, nullptr) && dwWritten == sizeof header;
    bDone = bDone && ::WriteFile(hFile, info.data(), static_cast<DWORD>(info.size()), &dwWritten, nullptr) &&
            dwWritten == info.size();
    bDone = bDone && ::WriteFile(hFile, bits.data(), static_cast<DWORD>(bits.size()), &dwWritten, nullptr) &&
            dwWritten == bits.size();
    ::CloseHandle(hFile);
    return bDone;
}

// The bitmap as a BI_RGB DIB of its own depth: the information header with
// its colour table into info, the rows into bits.
BOOL ReadBitmapDib(CDC& dc, CBitmap& bitmap, std::vector<BYTE>& info, std::vector<BYTE>& bits)
{
    BITMAP bm;
    if (bitmap.GetBitmap(&bm) == 0)
        return FALSE;
    const int nBits = bm.bmBitsPixel * bm.bmPlanes;
    info.assign(sizeof(BITMAPINFOHEADER) + ColorTableSize(nBits) * sizeof(RGBQUAD), 0);
    BITMAPINFOHEADER& header = *reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header.biSize = sizeof header;
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(nBits);
    header.biCompression = BI_RGB;
    const long long nStride = (static_cast<long long>(bm.bmWidth) * nBits + 31) / 32 * 4;
    const long long nSize = nStride * bm.bmHeight;
    if (nSize <= 0 || nSize > 0x7FFFFFFF)
        return FALSE;
    header.biSizeImage = static_cast<DWORD>(nSize);
    bits.assign(static_cast<size_t>(nSize), 0);
    return ::GetDIBits(dc.m_hDC, bitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data(),
               reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS) == bm.bmHeight;
}

}  // namespace

int CNPropObjCalnd::WriteDesignBitmap(CDC* pIC)
{
    DeleteDesignBitmap();
    CalcDeviceRect(pIC);
    const int nWidth = m_rcDevice.right - m_rcDevice.left;
    const int nHeight = m_rcDevice.bottom - m_rcDevice.top;
    CDC dc;
    CBitmap bitmap;
    if (nWidth <= 0 || nHeight <= 0 || !dc.CreateCompatibleDC(pIC) ||
        !bitmap.CreateCompatibleBitmap(pIC, nWidth, nHeight))
        return 0;
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, nWidth, nHeight, RGB(255, 255, 255));
    DrawCalendar(&dc, 1, 0, 0);
    dc.SelectObject(pOldBitmap);

    std::vector<BYTE> info;
    std::vector<BYTE> bits;
    char szFolder[MAX_PATH];
    char szPath[MAX_PATH];
    const DWORD nFolder = ::GetTempPathA(MAX_PATH, szFolder);
    if (!ReadBitmapDib(dc, bitmap, info, bits) || nFolder == 0 || nFolder >= MAX_PATH ||
        ::GetTempFileNameA(szFolder, "bmp", 0, szPath) == 0)
        return 0;
    if (!WriteBmpFile(szPath, info, bits)) {
        ::DeleteFileA(szPath);
        return 0;
    }
    m_strDesignBitmap = szPath;
    return 1;
}

void CNPropObjCalnd::DeleteDesignBitmap()
{
    if (m_strDesignBitmap.IsEmpty())
        return;
    ::DeleteFileA(m_strDesignBitmap);
    m_strDesignBitmap.Empty();
}
