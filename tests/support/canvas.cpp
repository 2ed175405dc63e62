#include "canvas.h"
#include <fstream>

MemoryCanvas::MemoryCanvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height), m_background(background)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = ::CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH brush = ::CreateSolidBrush(background);
    ::FillRect(m_dc, &all, brush);
    ::DeleteObject(brush);
}

MemoryCanvas::~MemoryCanvas()
{
    ::SelectObject(m_dc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

COLORREF MemoryCanvas::pixel(int x, int y) const
{
    ::GdiFlush();
    DWORD v = m_bits[y * m_width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int MemoryCanvas::countInked(const RECT& area) const
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pixel(x, y) != m_background)
                ++n;
    return n;
}

bool MemoryCanvas::saveBmp(const std::string& path) const
{
    ::GdiFlush();
    const int stride = (m_width * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof ih;
    ih.biWidth = m_width;
    ih.biHeight = m_height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = stride * m_height;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + ih.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
    out.write(reinterpret_cast<const char*>(&ih), sizeof ih);
    std::vector<char> row(stride, 0);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            DWORD v = m_bits[y * m_width + x];
            row[x * 3] = static_cast<char>(v & 0xFF);
            row[x * 3 + 1] = static_cast<char>((v >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((v >> 16) & 0xFF);
        }
        out.write(row.data(), stride);
    }
    return static_cast<bool>(out);
}

MetafileRecorder::MetafileRecorder(const RECT* frame) : m_emf(nullptr)
{
    m_dc = ::CreateEnhMetaFileA(nullptr, nullptr, frame, nullptr);
}

MetafileRecorder::~MetafileRecorder()
{
    if (m_dc != nullptr)
        ::DeleteEnhMetaFile(::CloseEnhMetaFile(m_dc));
    if (m_emf != nullptr)
        ::DeleteEnhMetaFile(m_emf);
}

const std::vector<DWORD>& MetafileRecorder::close()
{
    if (m_dc != nullptr) {
        m_emf = ::CloseEnhMetaFile(m_dc);
        m_dc = nullptr;
        m_records.clear();
        ::EnumEnhMetaFile(nullptr, m_emf, &MetafileRecorder::Collect, this, nullptr);
    }
    return m_records;
}

int CALLBACK MetafileRecorder::Collect(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM self)
{
    reinterpret_cast<MetafileRecorder*>(self)->m_records.push_back(rec->iType);
    return 1;
}
