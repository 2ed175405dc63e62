#include "text/tables/font_extent.h"

namespace {

// Variable pitch, and the Shift-JIS character set or a face named in
// double-byte characters (a leading '@' of a vertical face skipped).
bool IsVariableJapanese(const LOGFONTA& lf)
{
    if ((lf.lfPitchAndFamily & 3) != VARIABLE_PITCH)
        return false;
    const char* pszFace = lf.lfFaceName[0] == '@' ? lf.lfFaceName + 1 : lf.lfFaceName;
    return lf.lfCharSet == SHIFTJIS_CHARSET || static_cast<BYTE>(*pszFace) >= 0x80;
}

// GetCharWidth of the code less the overhang; the lead byte's stored width
// when the device context cannot tell.
int MeasuredWidth(HWND hwnd, const ZebFontEntry& entry, UINT nCode)
{
    const int nStored = entry.widths[(nCode >> 8) & 0xFF];
    HDC hdc = ::GetDC(hwnd);
    if (hdc == nullptr)
        return nStored;
    const HGDIOBJ hOld = ::SelectObject(hdc, entry.font);
    INT nWidth = 0;
    TEXTMETRICA tm = {};
    const bool bRead = ::GetCharWidthA(hdc, nCode, nCode, &nWidth) && ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(hwnd, hdc);
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
