// Full text: attributed text as a 32-bit count N, N text bytes and N
// 32-bit attributes (the plain form, N x 5 + 4 bytes), little-endian. The
// run of bytes and attributes a writer takes from the storage.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "text/edit/text_spot.h"
#include "text/storage/char_attr.h"

class ZebBlockList;
struct ZebDocRecord;

struct ZebFullRun
{
    std::string text;
    std::vector<ZebCharAttr> attrs;
};

// Bytes of the plain form of n text bytes: n x 5 + 4 (64-bit, never wraps).
inline UINT64 PlainFullTextBytes(UINT64 n) { return n * 5 + 4; }

// The bytes and attributes from the spot up to the end spot (not included).
ZebFullRun RunBetween(const ZebBlockList& blocks, const ZebTextSpot& from, const ZebTextSpot& to);
// n bytes and attributes from block nBlock at logical offset nOffset on
// (fewer at the end of the text).
ZebFullRun RunFrom(const ZebBlockList& blocks, int nBlock, int nOffset, long long n);
// The selected bytes (none without a selection); false when the selection
// lies outside the lines.
bool DocSelectionRun(const ZebDocRecord& doc, ZebFullRun* pRun);

// Writes the plain form of the first n bytes of the run at p (room for
// PlainFullTextBytes(n) bytes).
void PutPlainFullText(BYTE* p, const ZebFullRun& run, size_t n);
void AppendPlainFullText(std::vector<BYTE>& bytes, const ZebFullRun& run);
// The plain form of the run into a caller's buffer of cb bytes: below 4 -1;
// else as many bytes as fit whole ((cb - 4) / 5 at most), the count
// first. The bytes written.
int WritePlainFullText(BYTE* pBuffer, int cb, const ZebFullRun& run);

// Little-endian 32-bit values at unaligned places.
inline DWORD GetLe32(const BYTE* p)
{
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
           (static_cast<DWORD>(p[3]) << 24);
}
inline void PutLe32(BYTE* p, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<BYTE>(dw >> (8 * i));
}
