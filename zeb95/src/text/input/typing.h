// What the key and character messages of a text document share: the
// modifier keys, whether typing edits, the selection that typing replaces
// and the changed notice.
#pragma once
#include <windows.h>

struct ZebDocRecord;

// Key flags kept with a key event: 4 Shift, 8 Ctrl, 0x20 Alt.
const DWORD kKeyShift = 4;
const DWORD kKeyCtrl = 8;
const DWORD kKeyAlt = 0x20;
DWORD DocKeyFlags();

// Whether typing, Delete and pasting edit the text: in run mode, neither
// static nor read-only.
bool DocTakesTyping(const ZebDocRecord& doc);
// A selection that covers text: an anchor apart from the caret.
bool DocSelectionExists(const ZebDocRecord& doc);
// Copies the selection before it goes, unless the clip mode says not to.
// false when that copy failed.
bool DocCopyFirst(HWND hwnd, const ZebDocRecord& doc);
// Removes the selection that a typed character replaces, copied first
// (whatever that copy gives).
void DocReplaceSelection(HWND hwnd, const ZebDocRecord& doc);
// Tells the owner that the text changed (posted).
void DocNotifyChanged(HWND hwnd);
