#include "bmpreader.h"

#include <cstring>
#include <stdexcept>

#include "paldib.h"

namespace {

class CBmpWriter
{
public:
    CBmpWriter(LONG width, LONG height, WORD bitCount, DWORD compression, DWORD infoSize = 40)
        : m_width(width), m_height(height), m_bitCount(bitCount), m_compression(compression), m_infoSize(infoSize)
    {
    }

    // The colour table (or masks) and the pixel bytes after the headers.
    std::string File(const std::string& table, const std::string& pixels) const
    {
        const DWORD pixelOffset = 14 + m_infoSize + static_cast<DWORD>(table.size());
        std::string bytes = "BM";
        Put(bytes, pixelOffset + static_cast<DWORD>(pixels.size()));
        Put(bytes, 0);
        Put(bytes, pixelOffset);
        Put(bytes, m_infoSize);
        Put(bytes, static_cast<DWORD>(m_width));
        Put(bytes, static_cast<DWORD>(m_height));
        Put(bytes, 1 | static_cast<DWORD>(m_bitCount) << 16);
        Put(bytes, m_compression);
        Put(bytes, static_cast<DWORD>(pixels.size()));
        Put(bytes, 2835);
        Put(bytes, 2835);
        const bool bTable = m_bitCount <= 8 && m_compression != BI_BITFIELDS;
        Put(bytes, bTable ? static_cast<DWORD>(table.size() / 4) : 0);
        Put(bytes, 0);
        bytes.resize(14 + m_infoSize, '\0');
        return bytes + table + pixels;
    }

private:
    static void Put(std::string& bytes, DWORD value)
    {
        char raw[sizeof value];
        std::memcpy(raw, &value, sizeof value);
        bytes.append(raw, sizeof raw);
    }

    LONG m_width;
    LONG m_height;
    WORD m_bitCount;
    DWORD m_compression;
    DWORD m_infoSize;
};

// n colour-table entries of greys and colours.
std::string Colours(int n)
{
    std::string table;
    for (int i = 0; i < n; i++) {
        const char entry[4] = {static_cast<char>(i * 37), static_cast<char>(255 - i), static_cast<char>(i * 5), 0};
        table.append(entry, sizeof entry);
    }
    return table;
}

// Rows of the given bytes per row, each filled with a pattern.
std::string Rows(int nRows, int nStride)
{
    std::string pixels;
    for (int y = 0; y < nRows; y++) {
        for (int x = 0; x < nStride; x++)
            pixels += static_cast<char>(x * 29 + y * 71);
    }
    return pixels;
}

void LoadPicture(CPalDIB& picture, std::string bytes)
{
    CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    picture.Serialize(ar);
    ar.Close();
}

std::string StorePicture(CPalDIB& picture)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        picture.Serialize(ar);
        ar.Close();
    }
    std::string bytes(file.GetLength(), '\0');
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

}  // namespace

std::vector<std::string> BmpFileSeeds()
{
    const std::string masks565("\x00\xF8\x00\x00\xE0\x07\x00\x00\x1F\x00\x00\x00", 12);
    const std::string masks888("\x00\x00\xFF\x00\x00\xFF\x00\x00\xFF\x00\x00\x00", 12);
    // Runs, a literal run, end of line, end of picture.
    const std::string rle8("\x03\x01\x00\x03\x02\x03\x04\x00\x00\x00\x04\x05\x00\x00\x00\x01", 16);
    const std::string rle4("\x05\x12\x00\x00\x03\x34\x00\x01", 8);
    return {
        CBmpWriter(9, 3, 1, BI_RGB).File(Colours(2), Rows(3, 4)),
        CBmpWriter(5, 2, 4, BI_RGB).File(Colours(16), Rows(2, 4)),
        CBmpWriter(3, -3, 8, BI_RGB).File(Colours(256), Rows(3, 4)),
        CBmpWriter(3, 1, 16, BI_RGB).File("", Rows(1, 8)),
        CBmpWriter(3, 2, 16, BI_BITFIELDS).File(masks565, Rows(2, 8)),
        CBmpWriter(4, 4, 24, BI_RGB).File("", Rows(4, 12)),
        CBmpWriter(2, 2, 32, BI_BITFIELDS).File(masks888, Rows(2, 8)),
        CBmpWriter(4, 2, 8, BI_RLE8).File(Colours(6), rle8),
        CBmpWriter(5, 2, 4, BI_RLE4).File(Colours(5), rle4),
        CBmpWriter(2, 2, 24, BI_RGB, 108).File("", Rows(2, 8)),
    };
}

void RunBmpFile(const std::string& bytes, CDC& screen, CDC& printer)
{
    CPalDIB picture;
    LoadPicture(picture, bytes);
    if (picture.m_bReadFailed) {
        if (!picture.IsEmpty())
            throw std::logic_error("a refused picture kept bytes");
        AfxThrowArchiveException(CArchiveException::generic);
    }
    if (StorePicture(picture) != bytes)
        throw std::logic_error("the stored picture is not the file read");
    RGBQUAD table[256];
    picture.GetColorTable(table, 256);
    CPalette palette;
    picture.CreateDibPalette(&palette);
    for (CDC* pDC : {&screen, &printer}) {
        for (const RECT& target : {RECT{0, 0, 64, 64}, RECT{5, 3, 20, 60}, RECT{-10, -10, 300, 5}}) {
            picture.m_rcTarget = target;
            picture.Draw(pDC);
        }
    }
}
