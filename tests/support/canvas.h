// Device contexts for drawing tests: a memory DC over a 32-bit DIB whose
// pixels can be read, and an enhanced-metafile DC whose records can be listed.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return m_dc; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF pixel(int x, int y) const;
    // Pixels in the rectangle whose colour differs from the background.
    int countInked(const RECT& area) const;
    // Writes the canvas as a 24-bit BMP (for looking at a drawing).
    bool saveBmp(const std::string& path) const;

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_oldBitmap;
    const DWORD* m_bits;
    int m_width;
    int m_height;
    COLORREF m_background;
};

class MetafileRecorder {
public:
    // Records at the resolution of the display, frame in 0.01 mm.
    explicit MetafileRecorder(const RECT* frame = nullptr);
    ~MetafileRecorder();
    MetafileRecorder(const MetafileRecorder&) = delete;
    MetafileRecorder& operator=(const MetafileRecorder&) = delete;

    HDC dc() const { return m_dc; }
    // Closes the recording and returns the record types in order (EMR_...).
    const std::vector<DWORD>& close();
    HENHMETAFILE metafile() const { return m_emf; }

private:
    static int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM self);

    HDC m_dc;
    HENHMETAFILE m_emf;
    std::vector<DWORD> m_records;
};
