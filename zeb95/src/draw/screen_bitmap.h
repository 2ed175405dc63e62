// A bitmap compatible with the screen, selected into a memory device
// context for drawing off screen.
#pragma once
#include <windows.h>

class ScreenBitmap
{
public:
    // cx x cy pixels (at least 1 each); Dc() is null when the bitmap or the
    // device context cannot be made.
    ScreenBitmap(int cx, int cy);
    ~ScreenBitmap();
    ScreenBitmap(const ScreenBitmap&) = delete;
    ScreenBitmap& operator=(const ScreenBitmap&) = delete;

    HDC Dc() const { return m_hdc; }
    // Ends the drawing and hands the bitmap over; null when there is none.
    HBITMAP Release();

private:
    void EndDrawing();

    HBITMAP m_hBitmap = nullptr;
    HDC m_hdc = nullptr;
    HGDIOBJ m_hOld = nullptr;
};
