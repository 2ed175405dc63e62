#include "png_file.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "canvas.h"

namespace {

typedef std::vector<unsigned char> Bytes;

// The largest stored deflate block.
const size_t kStoredBlock = 65535;

void PutBigEndian(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

uint32_t Crc32(const unsigned char* p, size_t n)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; i++) {
        crc ^= p[i];
        for (int k = 0; k < 8; k++)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t Adler32(const Bytes& data)
{
    uint32_t a = 1;
    uint32_t b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data)
{
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(body.data(), body.size()));
}

// A zlib stream of stored blocks.
Bytes Deflate(const Bytes& raw)
{
    Bytes out = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = raw.size() - at < kStoredBlock ? raw.size() - at : kStoredBlock;
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(static_cast<unsigned char>(n));
        out.push_back(static_cast<unsigned char>(n >> 8));
        out.push_back(static_cast<unsigned char>(~n));
        out.push_back(static_cast<unsigned char>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
            raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

// Rows of filter byte 0 and RGB pixels.
Bytes Scanlines(const MemoryCanvas& canvas)
{
    Bytes raw;
    for (int y = 0; y < canvas.height(); y++) {
        raw.push_back(0);
        for (int x = 0; x < canvas.width(); x++) {
            const COLORREF color = canvas.pixel(x, y);
            raw.push_back(GetRValue(color));
            raw.push_back(GetGValue(color));
            raw.push_back(GetBValue(color));
        }
    }
    return raw;
}

}  // namespace

bool SavePng(const MemoryCanvas& canvas, const std::string& path)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(canvas.width()));
    PutBigEndian(header, static_cast<uint32_t>(canvas.height()));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", Deflate(Scanlines(canvas)));
    PutChunk(png, "IEND", Bytes());
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(file);
}
