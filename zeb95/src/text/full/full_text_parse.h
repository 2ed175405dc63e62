// Reading full text from a buffer of a known size that anyone may have
// written (the clipboard, a caller, a file): every count, size and offset
// is checked against the buffer in 64-bit arithmetic before anything is
// taken, and so is the pairing of the attributes' flags.
#pragma once
#include <windows.h>

#include <vector>

#include "text/storage/char_attr.h"

struct ZebFullMark
{
    WORD wCode;
    ZebCharAttr attr;
};

struct ZebFullFont
{
    int nIndex;  // in the source document, below 256
    LOGFONTA lf;
};

struct ZebFullBmp
{
    int nIndex;  // in the source document, below 256
    const BYTE* pData;
    DWORD cb;
};

// A checked full text; its pointers point into the buffer read.
struct ZebFullText
{
    bool bExtended = false;
    DWORD n = 0;
    const BYTE* pText = nullptr;
    const BYTE* pAttrs = nullptr;  // n little-endian words
    bool bLineFeedMark = false;
    bool bFormFeedMark = false;
    ZebFullMark lineFeed = {};
    ZebFullMark formFeed = {};
    std::vector<ZebFullFont> fonts;
    std::vector<ZebFullBmp> bitmaps;

    ZebCharAttr Attr(DWORD i) const;
};

// A font read from full text or a stored font table as the request that
// makes it again: its height and width held within +-32,767 pixels, the
// stored cell height then asked for as HeldFontRequest finds it.
LOGFONTA StoredFontRequest(LOGFONTA lf);

// Plain full text: N below 2^31 with N x 5 + 4 within the cb bytes, and
// attributes whose lead and trail flags pair up (a lead byte's attribute is
// followed by a trail byte's), with break flags only on line and form feeds
// and never beside a pair or bitmap flag. false: refused.
bool ParsePlainFullText(const BYTE* p, UINT64 cb, ZebFullText* pFull);
// Plain or extended full text (magic first). An extended one must fit the
// cb bytes with its total; its section sizes must add up to the total, its
// plain part be exactly N x 5 + 4, each mark section 0 or 8 bytes, the font
// section 0 or 4 + 64 x its count (each font's size held by
// StoredFontRequest), and the bitmap section 0 or its count,
// entries and data blocks laid one after another to the section's end;
// source indexes of fonts and bitmaps must be below 256.
bool ParseFullText(const BYTE* p, UINT64 cb, ZebFullText* pFull);
