// WM_CHAR and WM_IME_CHAR of a text document: typed characters, Backspace,
// Enter and form feed, and the characters an input method hands over.
#pragma once
#include <windows.h>

// The character goes up to the owner first (a nonzero reply swallows it).
// In run mode and neither static nor read-only, each of the repeat count's
// characters replaces the selection (copied first), passes the input
// filter and is inserted; Backspace deletes the selection or the character
// before the caret (Alt+Backspace pastes unless the clip mode refuses
// it); Enter inserts a line feed. With a Shift-JIS typing font a lead byte
// waits for its trail byte. Refused characters beep; a change is told to
// the owner. true when the message was taken; false: default processing.
bool DocOnChar(HWND hwnd, WPARAM wChar, LPARAM lParam);
// The character (a double-byte one as lead byte x 256 + trail byte) goes
// to the document itself as event 196, which passes it up as a typed
// character; unless that reply is nonzero it replaces the selection,
// passes the input filter and is inserted as one character. 0 when the
// document takes no typing, else 1.
LRESULT DocOnImeChar(HWND hwnd, WPARAM wChar, LPARAM lParam);
// The code of an input method's character event before it goes up as a
// typed character.
const int kDocImeCharCode = 196;
