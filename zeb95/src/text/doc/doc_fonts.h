// A document's fonts: the table it uses, and setting, inserting and
// removing fonts with every document of that table re-pointed.
#pragma once
#include <windows.h>

#include <vector>

struct ZebDocRecord;
struct ZebFontEntry;
class ZebFontTable;
class ZebWbRecord;

// The table the document uses: its owner whiteboard's shared pair when the
// whiteboard's document font mode is 0, else its own. With bMake a missing
// table is made (null only when memory runs out); else it may be null.
ZebFontTable* DocFontTable(ZebDocRecord& doc, bool bMake);
// The entry of the table in use (the vertical twin for a vertical document
// on shared tables); null outside the table.
const ZebFontEntry* DocFontEntry(ZebDocRecord& doc, int nIndex);
// The documents that use the same table as hDoc: every text document of
// its whiteboard for the shared pair, else hDoc alone.
std::vector<HWND> DocFontUsers(HWND hDoc);

// The index of the font (escapement and charset rules applied) in the table
// in use, found or appended with every user's layout paused; -1 without
// record, when the table is full, the font cannot be made or memory runs
// out.
int DocAddFont(HWND hwnd, const LOGFONTA& lf);
// The index of an equivalent font (escapement and charset rules applied)
// in the table in use; -1 when there is none or without record.
int DocFindFont(HWND hwnd, const LOGFONTA& lf);
// Replaces font nAt of the table in use (rules applied) and measures it
// again; with bRelayout every user of the table is laid out anew. 1; 0
// without record or table, for an index outside it or a font that cannot
// be made (the entry stays).
int DocReplaceFont(HWND hwnd, int nAt, const LOGFONTA& lf, bool bRelayout);
// Makes the font (escapement and charset rules applied) the typing font,
// found in the table in use or appended to it; null keeps the typing font.
// The selected text then takes the typing font (DocSetSelectionFont). 1,
// or the result of the caret move after a selection took it; 0 without
// record, when the font cannot be added, or with a selection that lies
// beyond the lines laid out.
int DocSetFont(HWND hwnd, const LOGFONTA* plf);
// Inserts the font at the index (negative or beyond the count: appends),
// raising the indexes at and above it in every user of the table; no
// relayout. The index, -1 on failure.
int DocInsertFont(HWND hwnd, const LOGFONTA& lf, int nAt);
// Removes the font (negative: all) with every user re-pointed and relaid
// out; an emptied table gets the fallback font. 1; 0 for an index at or
// beyond the count or without record.
int DocRemoveFont(HWND hwnd, int nAt);
// Stores the vertical mode (nonzero: vertical writing); on a change
// between horizontal and vertical the fonts of the document's own table
// are turned (shared tables keep their twins), then the document is relaid
// out. The previous mode, -1 without record.
LONG DocSetVertMode(HWND hwnd, DWORD dwMode);

// Frees a whiteboard's shared pair (with the whiteboard).
void WbFreeSharedFonts(ZebWbRecord& wb);
