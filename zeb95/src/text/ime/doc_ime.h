// The state the input method takes while a text document has the focus:
// modes 1 on, 2 off, 3 disabled for the window, 4 full-width hiragana,
// 5 full-width katakana, 6 half-width katakana, 7 full-width alphanumeric;
// 0 leaves the input method alone.
#pragma once
#include <windows.h>

const int kZebMostImeMode = 7;

// Puts the window's input method into the mode: 1 when done. Mode 3 gives
// the result of disabling it; any other mode first enables it again, and
// gives 0 when it had been disabled (the mode is then not applied), when
// the mode is outside 1-7 or when the window has no input context.
int DocSetImeMode(HWND hwnd, int nMode);
// The input method's state as a mode: 3 disabled, 6 open in katakana, 1
// open, 2 closed; -1 without an input context.
int DocGetImeMode(HWND hwnd);
// Stores the document's mode (0-7) and applies it at once (but 0) when the
// document has the focus. The previous mode; -1 for another mode or
// without record.
int DocChangeImeMode(HWND hwnd, int nMode);
// On gaining the focus with an IME mode of 1-7: the input method's state
// (DocGetImeMode, and its raw conversion and sentence modes) is kept as the
// saved IME mode, and unless it could not be read (no input context) the
// document's mode is applied.
void DocSaveAndApplyIme(HWND hwnd);
// On losing the focus (or leaving run mode) with an IME mode of 1-7: the
// saved state is put back exactly: disabled, or enabled with its open
// status and its conversion and sentence modes.
void DocRestoreIme(HWND hwnd);
