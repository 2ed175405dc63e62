// The editing workers of a text document: each stops the layout thread,
// changes the storage, lays the lines out again from the first line the
// change can move (the line before when the edit is at column 0 or that
// line ends by wrapping), repaints from there to the end and puts the
// caret after the change with the typing attributes of the text there.
#pragma once
#include <windows.h>

struct ZebDocRecord;

// Whether the typing font's character set is Shift-JIS.
bool TypingIsShiftJis(ZebDocRecord& doc);

// Inserts one character at the caret: a code up to 255 is one byte, a
// larger one lead byte x 256 + trail byte (with a Shift-JIS typing font a
// double-byte character, which needs a valid pair; else two single
// bytes). The result of the caret move; 0 on failure.
int DocInsertChar(HWND hwnd, int nCode);
// Inserts a plain string at the caret (pieces and breaks as in
// plain_insert.h; Shift-JIS only with a Shift-JIS typing font) and waits
// for the layout. 1; 0 when a block cannot be made (what was inserted so
// far stays) or without record.
int DocInsertText(HWND hwnd, const char* psz);
// Inserts the inline bitmap as one character at the caret. The result of
// the caret move; 0 for an index not in the bitmap table or on failure.
int DocInsertBmp(HWND hwnd, int nBitmap);
// Deletes the character at the caret (both bytes of a double-byte one);
// a break joins its line with the next. 0 when nothing was deleted.
int DocDeleteChar(HWND hwnd);
// Deletes the character before the caret: on column 0 the break or last
// character of the line before. 0 at the start of the text.
int DocBackspace(HWND hwnd);
// Deletes the selected text and drops the selection. 1 without a
// selection; else the result of the caret move; 0 on failure.
int DocDeleteSelection(HWND hwnd);
// Gives the selected text but inline bitmaps the typing font and lays it
// out again, keeping the selection. 1 without a selection; else the result
// of the caret move; 0 when the selection lies outside the lines.
int DocSetSelectionFont(HWND hwnd);
// Removes all text (block 0 stays, empty), the scroll origin and the
// selection; the typing attributes stay. 1; 0 without record.
int DocClearText(HWND hwnd);
