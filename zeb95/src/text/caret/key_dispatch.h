// The caret movement keys of WM_KEYDOWN.
#pragma once
#include <windows.h>

// Key flags kept with a key event: 4 Shift, 8 Ctrl, 0x20 Alt.
DWORD DocKeyFlags();
// WM_KEYDOWN: the key goes up to the owner first (a nonzero reply
// swallows it); then, but in static mode 1, Page Up, Page Down, End,
// Home and the arrows move the caret (Shift extends the selection, Ctrl
// with Home and End goes to the start and end of the text), beeping when
// no move is possible. true when the key was taken; false: default
// processing.
bool DocMoveKeyDown(HWND hwnd, WPARAM wKey);
