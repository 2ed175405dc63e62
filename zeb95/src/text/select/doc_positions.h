// Text positions (column, line) of a document: their order, their
// validity, keeping them off the second byte of a double-byte character,
// and their places in the text storage.
#pragma once
#include <windows.h>

#include "text/edit/text_spot.h"

struct ZebDocRecord;
struct ZebLineEntry;

// Negative, 0 or positive as position a lies before, at or after b.
int ComparePositions(int nColumnA, int nLineA, int nColumnB, int nLineB);
// 1 when the line is laid out and the column within 0 .. its last position.
int DocIsValidPosition(HWND hwnd, int nColumn, int nLine);
// Clamps the position into the lines and onto its line, then moves it off
// a trail byte to its character's start. 1; 0 without record.
int DocSnapPosition(HWND hwnd, POINT* pPosition);
// The storage place of a position of a laid-out line: for inserting (a
// place at the end of a block stays there) or, with bAtByte, for reading
// or deleting the byte there. false outside the lines or the text.
bool DocPositionSpot(const ZebDocRecord& doc, int nColumn, int nLine, bool bAtByte, ZebTextSpot* pSpot);
// The text position of a storage place, through the lines laid out: the
// exact end of the text is the last line at its length. 1; 0 when no line
// holds the place.
int BlockToPosition(HWND hwnd, int nBlock, int nOffset, POINT* pPosition);
// The same once the layout thread has laid out the line that holds the
// place (it runs on).
int DocSpotPosition(HWND hwnd, const ZebTextSpot& spot, POINT* pPosition);

// The selected text in storage: its start position, its first byte and the
// place after it.
enum ZebSelectionSpan
{
    ZebSelectionNone,  // no anchor, or the anchor at the caret
    ZebSelectionBad,   // the caret or the anchor lies outside the lines
    ZebSelectionSome,
};
ZebSelectionSpan DocSelectionSpots(const ZebDocRecord& doc, POINT* pStart, ZebTextSpot* pFrom, ZebTextSpot* pTo);
