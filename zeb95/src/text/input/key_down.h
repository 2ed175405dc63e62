// WM_KEYDOWN of a text document: the caret movement keys, Delete and the
// clipboard keys Ctrl+Insert and Shift+Insert; and WM_KEYUP.
#pragma once
#include <windows.h>

// The key goes up to the owner first (a nonzero reply swallows it); then,
// but in static mode 1, Page Up, Page Down, End, Home and the arrows move
// the caret (Shift extends the selection, Ctrl with Home and End goes to
// the start and end of the text), Ctrl+Insert copies the selection and
// drops it, Shift+Insert pastes at the caret, Delete deletes the
// selection (copied first but with Ctrl) or the character at the caret.
// A refused key beeps; a change is told to the owner. true when the key
// was taken; false: default processing.
bool DocOnKeyDown(HWND hwnd, WPARAM wKey);
// Brings the document and its whiteboard up to date on screen (releasing
// Shift in static mode 1 repaints the object), then tells the document
// itself of the key. true when that reply swallows the key; false: default
// processing.
bool DocOnKeyUp(HWND hwnd, WPARAM wKey);
