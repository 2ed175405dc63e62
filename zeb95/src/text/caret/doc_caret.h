// The caret of a text document: a text position with a rectangle in
// document pixels, the one system caret of the thread while the document
// has the focus, and the input method's composition window beside it.
#pragma once
#include <windows.h>

// Modes of DocSetCaret, added together.
const int kCaretScroll = 1;       // scroll the caret into view
const int kCaretTakeAttrs = 2;    // typing attributes from the text there
const int kCaretExtend = 4;       // extend the selection
const int kCaretAlways = 8;       // remap and rebuild even when unchanged

// Caret state bits.
const WORD kCaretFocus = 1;
const WORD kCaretNoSystem = 2;
const WORD kCaretRebuild = 4;
const WORD kCaretComposing = 16;

// Flags of DocUpdateCaret.
const int kCaretRebuildNow = 4;
const int kCaretShow = 8;

// Moves the caret to (nColumn, nLine); a negative value stands for the
// caret's own one and is clamped, an explicit one outside the lines fails.
// A position on the second byte of a double-byte character goes after the
// character when the caret steps right onto it, else before it. Without
// kCaretExtend a selection is dropped; with it the old caret anchors one.
// 1; 0 without record, for an explicit position outside the lines, or
// when the position cannot be mapped (nothing changed then).
int DocSetCaret(HWND hwnd, int nColumn, int nLine, int nMode);
// Shows (kCaretShow) or hides the system caret while the document has the
// focus, rebuilding it with kCaretRebuildNow or when marked. 1 when the
// caret is shown, 0 when not (always without the focus).
int DocUpdateCaret(HWND hwnd, int nHow);
// Creates and shows the system caret at the zoomed caret rectangle (with
// bWithCaret) and puts the composition window at the caret, in the font
// of the IME font selector. 1; 0 without record.
int DocPlaceCaret(HWND hwnd, bool bWithCaret);
// After a relayout: brings the caret back onto a valid position, carrying
// a column beyond its line into the following lines. The result of
// DocSetCaret, 1 when nothing changed.
int DocFixCaret(HWND hwnd);
