// Code page 932 (Shift-JIS) character rules, independent of the process's
// ANSI code page. Header-only: the multimedia library uses them too.
#pragma once

namespace cp932 {

// 0x81-0x9F and 0xE0-0xFC open a double-byte character.
inline bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

const int kLeadByteCount = 60;

// The place of a lead byte among the kLeadByteCount (0x81 is 0, 0xE0 is
// 31); -1 for any other byte.
inline int LeadByteIndex(unsigned char c)
{
    if (!IsLeadByte(c))
        return -1;
    return c <= 0x9F ? c - 0x81 : c - 0xE0 + 31;
}

// 0x40-0x7E and 0x80-0xFC may follow a lead byte.
inline bool IsTrailByte(unsigned char c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Bytes of the character at nAt of a text of nLength bytes: 2 for a lead
// byte followed by a valid trail byte within the text, else 1.
inline int CharLength(const char* psz, int nAt, int nLength)
{
    return nAt + 1 < nLength && IsLeadByte(static_cast<unsigned char>(psz[nAt])) &&
                   IsTrailByte(static_cast<unsigned char>(psz[nAt + 1]))
               ? 2
               : 1;
}

}  // namespace cp932
