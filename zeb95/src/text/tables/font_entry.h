// ZebFontEntry: a font of a document's font table with the advance widths
// of the 256 single-byte codes (for a Shift-JIS font a lead-byte code holds
// the width of a double-byte character) and the LOGFONT it was made from.
#pragma once
#include <windows.h>

struct ZebFontEntry
{
    HFONT font;
    short widths[256];
    LOGFONTA logfont;  // lfHeight holds the created font's tmHeight
    // Widths of the double-byte characters of a variable-pitch Japanese
    // font (FontDoubleWidths), owned by the entry; null for other fonts.
    short* pDoubleWidths;
};

// Variable pitch, and the Shift-JIS character set or a face named in
// double-byte characters (a leading '@' of a vertical face skipped): the
// fonts whose double-byte characters are measured one by one.
bool IsVariableJapanese(const LOGFONTA& lf);
// Deletes the entry's font and frees its double-byte widths.
void ReleaseFontEntry(ZebFontEntry& entry);

// Rounds lfEscapement and lfOrientation to multiples of 900 (a further 2700
// for a vertical document's own table) and gives DEFAULT_CHARSET faces that
// are Japanese the Shift-JIS character set.
void ApplyFontRules(LOGFONTA& lf, bool bVertical);
// The rounding of one angle in tenths of a degree, with nTurns quarter
// turns of 900 added.
LONG RoundEscapement(LONG nAngle, int nTurns);
// The LOGFONT of the stock OEM_FIXED_FONT, or "Terminal" of height 12 in
// the Shift-JIS character set when that cannot be read.
LOGFONTA FallbackLogFont();
// Equal width, escapement, orientation and face (without case), and the
// fonts made from both show equal height, weight, italic, underline,
// strike-out and character set on the screen. A font that cannot be made
// is equal to none.
bool IsSameFont(const LOGFONTA& lfEntry, const LOGFONTA& lf);
// A held LOGFONT (its lfHeight the cell height its font showed, as an
// entry keeps it and files and full text store it) as the request that
// makes a font of that cell height again: the font mapper need not give a
// request its own height back (IPAGothic asked for 24 shows 23, asked for
// 23 shows 22). The nearest request within two pixels that shows the
// height; the LOGFONT as it is when none does or lfHeight is not above 0.
LOGFONTA HeldFontRequest(const LOGFONTA& held);
// IsSameFont of a table entry, its own font standing for the one its
// LOGFONT would make: that lfHeight is the measured cell height, which
// need not make the same font again (a TrueType face may grow by a pixel).
bool IsSameEntryFont(const ZebFontEntry& entry, const LOGFONTA& lf);
// Measures the entry's font (its font and logfont filled) in the window's
// device context: stores tmHeight as lfHeight, fills a default pitch from
// the font and reads the widths; a variable-pitch Japanese font gets an
// empty table of double-byte widths. 0 for no entry.
int MakeFontEntry(HWND hwnd, ZebFontEntry* pEntry);
