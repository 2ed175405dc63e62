// ZebCharAttr: the 32-bit attribute that every text byte carries.
// Byte 0: colour index (bits 0-3) and the flags below; byte 1: font index,
// or bitmap index with ZebAttrBitmap; byte 2: vertical position; byte 3:
// user attribute.
#pragma once
#include <windows.h>

typedef DWORD ZebCharAttr;

const ZebCharAttr ZebAttrColorMask = 0x0F;
const ZebCharAttr ZebAttrLead = 0x10;
const ZebCharAttr ZebAttrTrail = 0x20;
const ZebCharAttr ZebAttrBreak = 0x40;  // line feed or form feed
const ZebCharAttr ZebAttrBitmap = 0x80;

inline int AttrColor(ZebCharAttr a) { return static_cast<int>(a & ZebAttrColorMask); }
inline int AttrFont(ZebCharAttr a) { return static_cast<int>((a >> 8) & 0xFF); }
inline ZebCharAttr AttrWithFont(ZebCharAttr a, int nFont)
{
    return (a & ~static_cast<ZebCharAttr>(0xFF00)) | (static_cast<ZebCharAttr>(nFont & 0xFF) << 8);
}
inline ZebCharAttr MakeCharAttr(int nColor, int nFont, int nVPos, int nUser)
{
    return static_cast<ZebCharAttr>(nColor & 0x0F) | (static_cast<ZebCharAttr>(nFont & 0xFF) << 8) |
           (static_cast<ZebCharAttr>(nVPos & 0xFF) << 16) | (static_cast<ZebCharAttr>(nUser & 0xFF) << 24);
}

// Sets the lead, trail and break flags of n attributes from their bytes by
// code page 932 rules: a lead byte pairs only with a valid trail byte, so a
// line feed after a lead byte stays a line feed. Other flags are kept.
void MarkCharPairs(const char* pText, ZebCharAttr* pAttrs, int n);
