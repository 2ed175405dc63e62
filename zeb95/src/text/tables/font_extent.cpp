#include "text/tables/font_extent.h"

#include <algorithm>

#include "cp932.h"
#include "objects/global_mem.h"

namespace {

const short kUnmeasured = -32768;
const int kLeadRows = cp932::kLeadByteCount;  // a row of widths for each lead byte
const UINT kFirstTrail = 0x40;
const UINT kLastTrail = 0xFC;

// Measures the trail bytes of the code's lead byte in one call into the
// row (trail bytes that are none keep the stored width); false when the
// device context cannot tell.
bool MeasureRow(HDC hdc, const ZebFontEntry& entry, UINT nLead, short* pRow)
{
    INT widths[kLastTrail - kFirstTrail + 1] = {};
    TEXTMETRICA tm = {};
    if (!::GetCharWidthA(hdc, nLead << 8 | kFirstTrail, nLead << 8 | kLastTrail, widths) ||
        !::GetTextMetricsA(hdc, &tm))
        return false;
    for (UINT t = 0; t < 256; ++t)
    {
        const bool bTrail = t >= kFirstTrail && t <= kLastTrail;
        pRow[t] = static_cast<short>(bTrail ? widths[t - kFirstTrail] - tm.tmOverhang : entry.widths[nLead]);
    }
    return true;
}

// GetCharWidth of the code less the overhang, from the entry's row of
// double-byte widths when it has one (measuring the row when it is new);
// the lead byte's stored width when the device context cannot tell.
int MeasuredWidth(HWND hwnd, const ZebFontEntry& entry, UINT nCode)
{
    const UINT nLead = (nCode >> 8) & 0xFF;
    const int nRow = cp932::LeadByteIndex(static_cast<unsigned char>(nLead));
    short* pRow = entry.pDoubleWidths != nullptr && nRow >= 0 ? entry.pDoubleWidths + nRow * 256 : nullptr;
    if (pRow != nullptr && pRow[nCode & 0xFF] != kUnmeasured)
        return pRow[nCode & 0xFF];
    const int nStored = entry.widths[nLead];
    HDC hdc = ::GetDC(hwnd);
    if (hdc == nullptr)
        return nStored;
    const HGDIOBJ hOld = ::SelectObject(hdc, entry.font);
    INT nWidth = 0;
    TEXTMETRICA tm = {};
    const bool bRow = pRow != nullptr && MeasureRow(hdc, entry, nLead, pRow);
    const bool bRead = bRow || (::GetCharWidthA(hdc, nCode, nCode, &nWidth) && ::GetTextMetricsA(hdc, &tm));
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(hwnd, hdc);
    if (bRow)
        return pRow[nCode & 0xFF];
    return bRead ? nWidth - tm.tmOverhang : nStored;
}

int Extent(const ZebFontEntry& entry, int nWidth, bool bSwap, int* pnCross)
{
    const LONG nTurns = entry.logfont.lfEscapement / 900;
    const bool bTrade = (nTurns == 1 || nTurns == 3) != bSwap;
    const int nHeight = entry.logfont.lfHeight;
    if (pnCross != nullptr)
        *pnCross = bTrade ? nWidth : nHeight;
    return bTrade ? nHeight : nWidth;
}

}  // namespace

short* MakeDoubleWidths()
{
    auto* pWidths = static_cast<short*>(LockedGlobalAlloc(GMEM_MOVEABLE, sizeof(short) * kLeadRows * 256));
    if (pWidths != nullptr)
        std::fill(pWidths, pWidths + kLeadRows * 256, kUnmeasured);
    return pWidths;
}

void FreeDoubleWidths(short* pWidths) { LockedGlobalFree(pWidths); }

int FontCharWidth(HWND hwnd, const ZebFontEntry& entry, UINT nCode, int nExtra)
{
    if (nCode < 256)
        return entry.widths[nCode] + nExtra;
    if (!IsVariableJapanese(entry.logfont))
        return entry.widths[(nCode >> 8) & 0xFF] + nExtra;
    return MeasuredWidth(hwnd, entry, nCode) + nExtra;
}

int FontCharExtent(HWND hwnd, const ZebFontEntry& entry, ZebCharAttr attr, const BYTE* pText, int nExtra, bool bSwap,
                   int* pnCross)
{
    const int nWidth = (attr & ZebAttrLead) != 0
                           ? FontCharWidth(hwnd, entry, static_cast<UINT>(pText[0]) << 8 | pText[1], nExtra)
                           : entry.widths[pText[0]] + nExtra;
    return Extent(entry, nWidth, bSwap, pnCross);
}

int FontCodeExtent(HWND hwnd, const ZebFontEntry& entry, UINT nCode, int nExtra, bool bSwap, int* pnCross)
{
    return Extent(entry, FontCharWidth(hwnd, entry, nCode, nExtra), bSwap, pnCross);
}
