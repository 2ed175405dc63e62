// tagSPACEINFO: the attributes of a field as the form windows and the host
// program exchange them. A value outside its range leaves that attribute
// unchanged. A record posted with MsgFieldFormat is made with new and
// belongs to the receiver, which deletes it.
#pragma once
#include <windows.h>
#include <cstddef>

#pragma pack(push, 4)

struct tagSPACEINFO
{
    LOGFONTA lfFont;        // an empty face name keeps the font
    COLORREF crText;        // (COLORREF)-1 keeps the colour
    int nAlign;             // 1 left, 2 right, 3 centre, 4 distributed
    int nRowHeight;         // tenths of the font height, at least 10; 0 none
    int nCarryOver;         // 1 off, 2 on, 3 not applicable
    int nLock;              // 1 off, 2 on, 3 not applicable
    char szName[128];       // not terminated when 128 bytes long
    int nAutoCalc;          // 1 on, 2 off, 0 none
    int nNumKind;           // 0 integer, 1 two decimals, 2 trailing zeros cut, 3 not numeric
    int nShadow;            // 0 off, 1 on, 2 keep or not applicable
    int nPichRate;          // 0 to 3, 4 not applicable
};

// 224 bytes with the same offsets on the 32-bit and the 64-bit build.
static_assert(sizeof(tagSPACEINFO) == 224, "224 bytes");
static_assert(offsetof(tagSPACEINFO, crText) == 60, "colour at 60");
static_assert(offsetof(tagSPACEINFO, szName) == 80, "name at 80");
static_assert(offsetof(tagSPACEINFO, nAutoCalc) == 208, "automatic calculation at 208");
static_assert(offsetof(tagSPACEINFO, nPichRate) == 220, "pitch rate at 220");

#pragma pack(pop)
