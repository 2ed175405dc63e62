#include "draw/screen_bitmap.h"

ScreenBitmap::ScreenBitmap(int cx, int cy)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx > 0 ? cx : 1, cy > 0 ? cy : 1);
    HDC hdc = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    if (hBitmap == nullptr || hdc == nullptr) {
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
        if (hdc != nullptr)
            ::DeleteDC(hdc);
        return;
    }
    m_hBitmap = hBitmap;
    m_hdc = hdc;
    m_hOld = ::SelectObject(m_hdc, m_hBitmap);
}

ScreenBitmap::~ScreenBitmap()
{
    EndDrawing();
    if (m_hBitmap != nullptr)
        ::DeleteObject(m_hBitmap);
}

HBITMAP ScreenBitmap::Release()
{
    EndDrawing();
    HBITMAP hBitmap = m_hBitmap;
    m_hBitmap = nullptr;
    return hBitmap;
}

void ScreenBitmap::EndDrawing()
{
    if (m_hdc == nullptr)
        return;
    ::SelectObject(m_hdc, m_hOld);
    ::DeleteDC(m_hdc);
    m_hdc = nullptr;
}
