#include "text/full/full_text_parse.h"

#include "files/block_io.h"
#include "text/full/full_run.h"
#include "text/full/full_text_ex.h"
#include "text/tables/font_entry.h"

namespace {

const UINT64 kMostCount = 0x7FFFFFFF;
const DWORD kMostIndex = 256;

bool PairsMatch(const ZebFullText& full)
{
    for (DWORD i = 0; i < full.n; ++i)
    {
        const ZebCharAttr a = full.Attr(i);
        const bool bLead = (a & ZebAttrLead) != 0;
        const bool bTrail = (a & ZebAttrTrail) != 0;
        const bool bOther = (a & (ZebAttrBreak | ZebAttrBitmap)) != 0;
        if ((bLead || bTrail) && (bOther || (bLead && bTrail)))
            return false;
        if (bLead && (i + 1 >= full.n || (full.Attr(i + 1) & ZebAttrTrail) == 0))
            return false;
        if (bTrail && (i == 0 || (full.Attr(i - 1) & ZebAttrLead) == 0))
            return false;
        const BYTE b = full.pText[i];
        if ((a & ZebAttrBreak) != 0 && ((a & ZebAttrBitmap) != 0 || (b != '\n' && b != '\f')))
            return false;
    }
    return true;
}

ZebFullMark MarkAt(const BYTE* p) { return {static_cast<WORD>(p[0] | (p[1] << 8)), GetLe32(p + 4)}; }

// The font section at p of cb bytes.
bool ParseFonts(const BYTE* p, UINT64 cb, ZebFullText* pFull)
{
    if (cb == 0)
        return true;
    if (cb < 4 || cb != 4 + static_cast<UINT64>(GetLe32(p)) * kFullTextFontBytes)
        return false;
    for (DWORD i = 0; i < GetLe32(p); ++i)
    {
        const BYTE* pEntry = p + 4 + static_cast<size_t>(i) * kFullTextFontBytes;
        if (GetLe32(pEntry) >= kMostIndex)
            return false;
        pFull->fonts.push_back({static_cast<int>(GetLe32(pEntry)), StoredFontRequest(StoredLogFont(pEntry + 4))});
    }
    return true;
}

// The bitmap section at offset nAt of the buffer, cb bytes: its data blocks
// follow the entries one after another up to the section's end.
bool ParseBitmaps(const BYTE* pBuffer, UINT64 nAt, UINT64 cb, ZebFullText* pFull)
{
    if (cb == 0)
        return true;
    const BYTE* p = pBuffer + nAt;
    if (cb < 4)
        return false;
    const UINT64 nCount = GetLe32(p);
    UINT64 nData = nAt + 4 + nCount * kFullTextBmpEntryBytes;
    if (nData > nAt + cb)
        return false;
    for (UINT64 i = 0; i < nCount; ++i)
    {
        const BYTE* pEntry = p + 4 + i * kFullTextBmpEntryBytes;
        const DWORD cbData = GetLe32(pEntry + 4);
        if (GetLe32(pEntry) >= kMostIndex || GetLe32(pEntry + 8) != nData || nData + cbData > nAt + cb)
            return false;
        pFull->bitmaps.push_back({static_cast<int>(GetLe32(pEntry)), pBuffer + nData, cbData});
        nData += cbData;
    }
    return nData == nAt + cb;
}

bool ParseExtended(const BYTE* p, UINT64 cb, ZebFullText* pFull)
{
    if (cb < kFullTextHeaderBytes)
        return false;
    const UINT64 total = GetLe32(p + kFullHeaderTotal);
    const UINT64 plain = GetLe32(p + kFullHeaderPlain);
    const UINT64 lineFeed = GetLe32(p + kFullHeaderLineFeed);
    const UINT64 formFeed = GetLe32(p + kFullHeaderFormFeed);
    const UINT64 fonts = GetLe32(p + kFullHeaderFonts);
    const UINT64 bitmaps = GetLe32(p + kFullHeaderBitmaps);
    if (total > cb || kFullTextHeaderBytes + plain + lineFeed + formFeed + fonts + bitmaps != total ||
        (lineFeed != 0 && lineFeed != kFullTextMarkBytes) || (formFeed != 0 && formFeed != kFullTextMarkBytes) ||
        !ParsePlainFullText(p + kFullTextHeaderBytes, plain, pFull) || PlainFullTextBytes(pFull->n) != plain)
        return false;
    UINT64 nAt = kFullTextHeaderBytes + plain;
    pFull->bExtended = true;
    pFull->bLineFeedMark = lineFeed != 0;
    if (pFull->bLineFeedMark)
        pFull->lineFeed = MarkAt(p + nAt);
    nAt += lineFeed;
    pFull->bFormFeedMark = formFeed != 0;
    if (pFull->bFormFeedMark)
        pFull->formFeed = MarkAt(p + nAt);
    nAt += formFeed;
    if (!ParseFonts(p + nAt, fonts, pFull))
        return false;
    return ParseBitmaps(p, nAt + fonts, bitmaps, pFull);
}

}  // namespace

LOGFONTA StoredFontRequest(LOGFONTA lf)
{
    const LONG kMost = 0x7FFF;
    auto held = [&](LONG n) { return n < -kMost ? -kMost : n > kMost ? kMost : n; };
    lf.lfHeight = held(lf.lfHeight);
    lf.lfWidth = held(lf.lfWidth);
    return HeldFontRequest(lf);
}

ZebCharAttr ZebFullText::Attr(DWORD i) const { return GetLe32(pAttrs + 4 * static_cast<size_t>(i)); }

bool ParsePlainFullText(const BYTE* p, UINT64 cb, ZebFullText* pFull)
{
    *pFull = ZebFullText();
    if (p == nullptr || cb < 4)
        return false;
    const UINT64 n = GetLe32(p);
    if (n > kMostCount || PlainFullTextBytes(n) > cb)
        return false;
    pFull->n = static_cast<DWORD>(n);
    pFull->pText = p + 4;
    pFull->pAttrs = p + 4 + n;
    return PairsMatch(*pFull);
}

bool ParseFullText(const BYTE* p, UINT64 cb, ZebFullText* pFull)
{
    *pFull = ZebFullText();
    if (p != nullptr && cb >= 4 && GetLe32(p) == kFullTextMagic)
        return ParseExtended(p, cb, pFull);
    return ParsePlainFullText(p, cb, pFull);
}
