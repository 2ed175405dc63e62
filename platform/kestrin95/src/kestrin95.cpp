#include "kestrin95.h"

#include <ole2.h>
#include <olectl.h>

#include "bmpfile.h"

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
    const bool bWritten = hBitmap != nullptr && WriteBitmapFile(lpszBmp, hBitmap, 24);
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return bWritten ? 1 : 0;
}
