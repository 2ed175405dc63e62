#include "media_fixtures.h"

#include <string>

namespace {

// The value's cb low bytes, little-endian; bytes past the fourth are 0.
void Put(std::vector<BYTE>& b, DWORD v, int cb)
{
    for (int i = 0; i < cb; ++i)
        b.push_back(i < 4 ? static_cast<BYTE>(v >> (8 * i)) : 0);
}

void PutBigEndian(std::vector<BYTE>& b, DWORD v, int cb)
{
    for (int i = cb - 1; i >= 0; --i)
        b.push_back(static_cast<BYTE>(v >> (8 * i)));
}

void PutTag(std::vector<BYTE>& b, const char* pszTag) { b.insert(b.end(), pszTag, pszTag + 4); }

// A chunk: tag, little-endian length, data, a pad byte to an even length.
std::vector<BYTE> Chunk(const char* pszTag, const std::vector<BYTE>& data)
{
    std::vector<BYTE> b;
    PutTag(b, pszTag);
    Put(b, static_cast<DWORD>(data.size()), 4);
    b.insert(b.end(), data.begin(), data.end());
    if (data.size() % 2 != 0)
        b.push_back(0);
    return b;
}

// A RIFF or LIST: tag, length, form type, the chunks.
std::vector<BYTE> List(const char* pszTag, const char* pszForm, const std::vector<BYTE>& body)
{
    std::vector<BYTE> data;
    PutTag(data, pszForm);
    data.insert(data.end(), body.begin(), body.end());
    return Chunk(pszTag, data);
}

std::vector<BYTE> operator+(std::vector<BYTE> a, const std::vector<BYTE>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<BYTE> AviMainHeader(int nFrames, int cx, int cy, int nFps, DWORD cbFrame)
{
    std::vector<BYTE> h;
    Put(h, 1000000 / nFps, 4);  // microseconds per frame
    Put(h, cbFrame * nFps, 4);  // max bytes per second
    Put(h, 0, 4);               // padding granularity
    Put(h, 0x10, 4);            // has an index
    Put(h, nFrames, 4);
    Put(h, 0, 4);  // initial frames
    Put(h, 1, 4);  // streams
    Put(h, cbFrame, 4);
    Put(h, cx, 4);
    Put(h, cy, 4);
    Put(h, 0, 16);
    return Chunk("avih", h);
}

std::vector<BYTE> AviStreamList(int nFrames, int cx, int cy, int nFps, DWORD cbFrame)
{
    std::vector<BYTE> strh;
    PutTag(strh, "vids");
    PutTag(strh, "DIB ");
    Put(strh, 0, 4);  // flags
    Put(strh, 0, 4);  // priority, language
    Put(strh, 0, 4);  // initial frames
    Put(strh, 1, 4);  // scale
    Put(strh, nFps, 4);
    Put(strh, 0, 4);  // start
    Put(strh, nFrames, 4);
    Put(strh, cbFrame, 4);
    Put(strh, 0xFFFFFFFF, 4);  // quality
    Put(strh, 0, 4);           // sample size
    Put(strh, 0, 4);
    Put(strh, cx, 2);
    Put(strh, cy, 2);
    std::vector<BYTE> strf;
    Put(strf, 40, 4);
    Put(strf, cx, 4);
    Put(strf, cy, 4);
    Put(strf, 1, 2);
    Put(strf, 24, 2);
    Put(strf, BI_RGB, 4);
    Put(strf, cbFrame, 4);
    Put(strf, 0, 16);
    return List("LIST", "strl", Chunk("strh", strh) + Chunk("strf", strf));
}

std::vector<BYTE> FrameBits(int nFrame, int cx, int cy)
{
    const DWORD cbRow = (static_cast<DWORD>(cx) * 3 + 3) & ~3u;
    std::vector<BYTE> bits(cbRow * cy, 0);
    const COLORREF cr = AviFrameColor(nFrame);
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            BYTE* p = &bits[y * cbRow + x * 3];
            p[0] = GetBValue(cr);
            p[1] = GetGValue(cr);
            p[2] = GetRValue(cr);
        }
    }
    return bits;
}

}  // namespace

std::vector<BYTE> BuildWav(int nSeconds)
{
    const DWORD kRate = 8000;
    std::vector<BYTE> fmt;
    Put(fmt, WAVE_FORMAT_PCM, 2);
    Put(fmt, 1, 2);
    Put(fmt, kRate, 4);
    Put(fmt, kRate, 4);
    Put(fmt, 1, 2);
    Put(fmt, 8, 2);
    const std::vector<BYTE> data(kRate * nSeconds, 0x80);
    return List("RIFF", "WAVE", Chunk("fmt ", fmt) + Chunk("data", data));
}

COLORREF AviFrameColor(int nFrame) { return RGB(200 - nFrame * 5, 40 + nFrame * 5, 128); }

std::vector<BYTE> BuildAvi(int nFrames, int cx, int cy, int nFps)
{
    const DWORD cbFrame = ((static_cast<DWORD>(cx) * 3 + 3) & ~3u) * cy;
    std::vector<BYTE> movi;
    std::vector<BYTE> index;
    for (int i = 0; i < nFrames; ++i) {
        PutTag(index, "00db");
        Put(index, 0x10, 4);  // key frame
        Put(index, static_cast<DWORD>(movi.size() + 4), 4);
        Put(index, cbFrame, 4);
        movi = movi + Chunk("00db", FrameBits(i, cx, cy));
    }
    const std::vector<BYTE> hdrl =
        List("LIST", "hdrl", AviMainHeader(nFrames, cx, cy, nFps, cbFrame) + AviStreamList(nFrames, cx, cy, nFps, cbFrame));
    return List("RIFF", "AVI ", hdrl + List("LIST", "movi", movi) + Chunk("idx1", index));
}

std::vector<BYTE> BuildMidi()
{
    std::vector<BYTE> b;
    PutTag(b, "MThd");
    PutBigEndian(b, 6, 4);
    PutBigEndian(b, 0, 2);   // format 0
    PutBigEndian(b, 1, 2);   // one track
    PutBigEndian(b, 96, 2);  // ticks per quarter note
    const BYTE kTrack[] = {0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00};
    PutTag(b, "MTrk");
    PutBigEndian(b, sizeof(kTrack), 4);
    b.insert(b.end(), kTrack, kTrack + sizeof(kTrack));
    return b;
}

std::vector<BYTE> BuildRmi() { return List("RIFF", "RMID", Chunk("data", BuildMidi())); }
