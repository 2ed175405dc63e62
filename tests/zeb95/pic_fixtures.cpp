#include "pic_fixtures.h"

#include "dib/dib_convert.h"

namespace {

void Fill(HDC hdc, const RECT& rc, COLORREF cr)
{
    HBRUSH hBrush = ::CreateSolidBrush(cr);
    ::FillRect(hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
}

}  // namespace

HBITMAP QuadrantBitmap(int cx, int cy, COLORREF crTopLeft, COLORREF crTopRight, COLORREF crBottomLeft,
                       COLORREF crBottomRight)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = ::CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    Fill(hdc, {0, 0, cx / 2, cy / 2}, crTopLeft);
    Fill(hdc, {cx / 2, 0, cx, cy / 2}, crTopRight);
    Fill(hdc, {0, cy / 2, cx / 2, cy}, crBottomLeft);
    Fill(hdc, {cx / 2, cy / 2, cx, cy}, crBottomRight);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return hBitmap;
}

HGLOBAL QuadrantDib(int cx, int cy, COLORREF crTopLeft, COLORREF crTopRight, COLORREF crBottomLeft,
                    COLORREF crBottomRight)
{
    HBITMAP hBitmap = QuadrantBitmap(cx, cy, crTopLeft, crTopRight, crBottomLeft, crBottomRight);
    HGLOBAL hDib = BitmapToDib(hBitmap, 24, nullptr, FALSE);
    ::DeleteObject(hBitmap);
    return hDib;
}

HBITMAP RedBlueBitmap(int cx, int cy)
{
    return QuadrantBitmap(cx, cy, RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 0, 255));
}

std::string TempPath(const char* pszName)
{
    char szFolder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szFolder);
    return std::string(szFolder) + pszName;
}

int CountTempFiles(const char* pszPattern)
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(TempPath(pszPattern).c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do {
        ++n;
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    return n;
}
