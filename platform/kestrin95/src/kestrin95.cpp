#include "kestrin95.h"

#include <ole2.h>
#include <olectl.h>

#include <vector>

namespace {

// The whole file in a movable global block; null when it cannot be read.
HGLOBAL ReadWholeFile(LPCSTR lpszPath)
{
    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return nullptr;
    LARGE_INTEGER size;
    HGLOBAL hMem = nullptr;
    if (::GetFileSizeEx(hFile, &size) && size.QuadPart > 0 && size.QuadPart < 0x7FFFFFFF)
        hMem = ::GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size.QuadPart));
    void* pBytes = hMem != nullptr ? ::GlobalLock(hMem) : nullptr;
    DWORD nRead = 0;
    const BOOL bRead = pBytes != nullptr && ::ReadFile(hFile, pBytes, static_cast<DWORD>(size.QuadPart), &nRead, nullptr) &&
                       nRead == static_cast<DWORD>(size.QuadPart);
    if (pBytes != nullptr)
        ::GlobalUnlock(hMem);
    ::CloseHandle(hFile);
    if (!bRead && hMem != nullptr) {
        ::GlobalFree(hMem);
        hMem = nullptr;
    }
    return hMem;
}

// The decoded picture as a bitmap the caller deletes; null when the system
// cannot decode the bytes.
HBITMAP DecodePicture(HGLOBAL hMem)
{
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hMem, FALSE, &pStream)))
        return nullptr;
    IPicture* pPicture = nullptr;
    const HRESULT hr = ::OleLoadPicture(pStream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&pPicture));
    pStream->Release();
    if (FAILED(hr) || pPicture == nullptr)
        return nullptr;
    SHORT nType = PICTYPE_NONE;
    OLE_HANDLE hHandle = 0;
    HBITMAP hCopy = nullptr;
    if (SUCCEEDED(pPicture->get_Type(&nType)) && nType == PICTYPE_BITMAP && SUCCEEDED(pPicture->get_Handle(&hHandle)))
        hCopy = static_cast<HBITMAP>(::CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(hHandle)), IMAGE_BITMAP,
            0, 0, LR_CREATEDIBSECTION));
    pPicture->Release();
    return hCopy;
}

bool WriteAll(HANDLE hFile, const void* pData, DWORD nSize)
{
    DWORD nWritten = 0;
    return ::WriteFile(hFile, pData, nSize, &nWritten, nullptr) && nWritten == nSize;
}

// The bitmap as a bottom-up 24-bit BMP file.
bool WriteBmp24(HBITMAP hBitmap, LPCSTR lpszPath)
{
    BITMAP bm;
    if (::GetObjectA(hBitmap, sizeof bm, &bm) != sizeof bm || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = bm.bmWidth;
    info.biHeight = bm.bmHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const unsigned long long nStride = (static_cast<unsigned long long>(bm.bmWidth) * 3 + 3) & ~3ULL;
    const unsigned long long nImage = nStride * static_cast<unsigned long long>(bm.bmHeight);
    if (nImage > 0x7FFFFFFF - sizeof(BITMAPFILEHEADER) - sizeof info)
        return false;
    info.biSizeImage = static_cast<DWORD>(nImage);
    std::vector<BYTE> bits(static_cast<size_t>(nImage));
    HDC hDC = ::GetDC(nullptr);
    const int nLines = ::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data(),
        reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    if (nLines != bm.bmHeight)
        return false;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    HANDLE hFile = ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    const bool bWritten = WriteAll(hFile, &file, sizeof file) && WriteAll(hFile, &info, sizeof info) &&
                          WriteAll(hFile, bits.data(), info.biSizeImage);
    ::CloseHandle(hFile);
    if (!bWritten)
        ::DeleteFileA(lpszPath);
    return bWritten;
}

}  // namespace

extern "C" int WINAPI KestrinJpegToBmp(LPCSTR lpszJpeg, LPCSTR lpszBmp, DWORD dwFlags, DWORD dwReserved)
{
    if (lpszJpeg == nullptr || lpszBmp == nullptr || dwFlags != KESTRIN_BMP24 || dwReserved != 0)
        return 0;
    HGLOBAL hMem = ReadWholeFile(lpszJpeg);
    if (hMem == nullptr)
        return 0;
    const HRESULT hrInit = ::CoInitialize(nullptr);
    HBITMAP hBitmap = DecodePicture(hMem);
    ::GlobalFree(hMem);
    const bool bWritten = hBitmap != nullptr && WriteBmp24(hBitmap, lpszBmp);
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return bWritten ? 1 : 0;
}
