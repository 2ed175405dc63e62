#include "text/tables/font_entry.h"

#include "cp932.h"

#include <cstring>

#include "draw/fonts.h"
#include "text/tables/font_extent.h"

LONG RoundEscapement(LONG nAngle, int nTurns)
{
    const long long q = (static_cast<long long>(nAngle) + 450) / 900 + nTurns;
    return static_cast<LONG>((q * 900) % 3600);
}

void ApplyFontRules(LOGFONTA& lf, bool bVertical)
{
    const int nTurns = bVertical ? 3 : 0;
    lf.lfEscapement = RoundEscapement(lf.lfEscapement, nTurns);
    lf.lfOrientation = RoundEscapement(lf.lfOrientation, nTurns);
    if (lf.lfCharSet == DEFAULT_CHARSET && IsJapaneseFont(lf))
        lf.lfCharSet = SHIFTJIS_CHARSET;
}

LOGFONTA FallbackLogFont()
{
    LOGFONTA lf = {};
    if (::GetObjectA(::GetStockObject(OEM_FIXED_FONT), sizeof(lf), &lf) == sizeof(lf))
        return lf;
    lf = {};
    lf.lfHeight = 12;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(lf.lfFaceName, "Terminal");
    return lf;
}

namespace {

bool ScreenMetrics(HFONT hFont, TEXTMETRICA& tm)
{
    if (hFont == nullptr)
        return false;
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    const bool bRead = ::GetTextMetricsA(hdc, &tm) != FALSE;
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
    return bRead;
}

bool ScreenMetrics(const LOGFONTA& lf, TEXTMETRICA& tm)
{
    HFONT hFont = ::CreateFontIndirectA(&lf);
    const bool bRead = ScreenMetrics(hFont, tm);
    ::DeleteObject(hFont);
    return bRead;
}

// The entry's LOGFONT and the font with its metrics against the LOGFONT.
bool IsSameAs(const LOGFONTA& lfEntry, const TEXTMETRICA& a, const LOGFONTA& lf)
{
    if (lfEntry.lfWidth != lf.lfWidth || lfEntry.lfEscapement != lf.lfEscapement ||
        lfEntry.lfOrientation != lf.lfOrientation || ::lstrcmpiA(lfEntry.lfFaceName, lf.lfFaceName) != 0)
        return false;
    TEXTMETRICA b = {};
    if (!ScreenMetrics(lf, b))
        return false;
    return a.tmHeight == b.tmHeight && a.tmWeight == b.tmWeight && a.tmItalic == b.tmItalic &&
           a.tmUnderlined == b.tmUnderlined && a.tmStruckOut == b.tmStruckOut && a.tmCharSet == b.tmCharSet;
}

// GetCharWidth less the overhang; a Japanese font gives every lead-byte
// code the width of a double-byte character.
void ReadCharWidths(HDC hdc, const TEXTMETRICA& tm, bool bJapanese, short* pWidths)
{
    INT widths[256] = {};
    ::GetCharWidthA(hdc, 0, 255, widths);
    INT nKanji = 0;
    if (bJapanese && ::GetCharWidthA(hdc, 0x8ABF, 0x8ABF, &nKanji))
        for (int i = 0x81; i <= 0xFF; ++i)
            if (cp932::IsLeadByte(static_cast<unsigned char>(i)))
                widths[i] = nKanji;
    for (int i = 0; i < 256; ++i)
        pWidths[i] = static_cast<short>(widths[i] - tm.tmOverhang);
}

bool ReadAbcWidths(HDC hdc, const TEXTMETRICA& tm, short* pWidths)
{
    ABC abc[256] = {};
    if (!::GetCharABCWidthsA(hdc, 0, 255, abc))
        return false;
    const int nOverhang = tm.tmWeight > 550 ? tm.tmOverhang : (tm.tmItalic ? -tm.tmOverhang : 0);
    for (int i = 0; i < 256; ++i)
        pWidths[i] = static_cast<short>(abc[i].abcA + static_cast<int>(abc[i].abcB) + abc[i].abcC + nOverhang);
    return true;
}

// The cell height of the font the LOGFONT makes on the screen, 0 when it
// cannot be made.
LONG ScreenCellHeight(const LOGFONTA& lf)
{
    TEXTMETRICA tm = {};
    return ScreenMetrics(lf, tm) ? tm.tmHeight : 0;
}

}  // namespace

LOGFONTA HeldFontRequest(const LOGFONTA& held)
{
    const LONG nSteps[] = {0, 1, -1, 2, -2};
    LOGFONTA lf = held;
    for (size_t i = 0; held.lfHeight > 0 && i < sizeof(nSteps) / sizeof(nSteps[0]); ++i)
    {
        lf.lfHeight = held.lfHeight + nSteps[i];
        if (lf.lfHeight > 0 && ScreenCellHeight(lf) == held.lfHeight)
            return lf;
    }
    return held;
}

bool IsSameFont(const LOGFONTA& lfEntry, const LOGFONTA& lf)
{
    TEXTMETRICA a = {};
    return ScreenMetrics(lfEntry, a) && IsSameAs(lfEntry, a, lf);
}

bool IsSameEntryFont(const ZebFontEntry& entry, const LOGFONTA& lf)
{
    TEXTMETRICA a = {};
    return ScreenMetrics(entry.font, a) && IsSameAs(entry.logfont, a, lf);
}

bool IsVariableJapanese(const LOGFONTA& lf)
{
    if ((lf.lfPitchAndFamily & 3) != VARIABLE_PITCH)
        return false;
    const char* pszFace = lf.lfFaceName[0] == '@' ? lf.lfFaceName + 1 : lf.lfFaceName;
    return lf.lfCharSet == SHIFTJIS_CHARSET || static_cast<BYTE>(*pszFace) >= 0x80;
}

void ReleaseFontEntry(ZebFontEntry& entry)
{
    ::DeleteObject(entry.font);
    FreeDoubleWidths(entry.pDoubleWidths);
    entry.font = nullptr;
    entry.pDoubleWidths = nullptr;
}

int MakeFontEntry(HWND hwnd, ZebFontEntry* pEntry)
{
    if (pEntry == nullptr)
        return 0;
    std::memset(pEntry->widths, 0, sizeof(pEntry->widths));
    HDC hdc = ::GetDC(hwnd);
    HGDIOBJ hOld = ::SelectObject(hdc, pEntry->font);
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hdc, &tm);
    LOGFONTA& lf = pEntry->logfont;
    lf.lfHeight = tm.tmHeight;
    if ((lf.lfPitchAndFamily & 3) == 0)
        lf.lfPitchAndFamily = static_cast<BYTE>(lf.lfPitchAndFamily | ((tm.tmPitchAndFamily & 1) ? VARIABLE_PITCH : FIXED_PITCH));
    const bool bJapanese = IsJapaneseFont(lf);
    if (bJapanese || !IsFontInstalled(lf) || !ReadAbcWidths(hdc, tm, pEntry->widths))
        ReadCharWidths(hdc, tm, bJapanese, pEntry->widths);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(hwnd, hdc);
    FreeDoubleWidths(pEntry->pDoubleWidths);
    pEntry->pDoubleWidths = IsVariableJapanese(lf) ? MakeDoubleWidths() : nullptr;
    return 1;
}
