// The text clipboard of a text document: the selection copied out as
// plain Shift-JIS text, plain text pasted in at the caret.
#pragma once
#include <windows.h>

#include <string>

struct ZebDocRecord;

// Bits of the clip mode that keep editing keys off the clipboard.
const int kClipNoCopyFirst = 0x10;  // no copy before a deletion; Ctrl+Insert refused
const int kClipNoPaste = 0x20;      // Shift+Insert refused; Alt+Backspace is Backspace

// The selected bytes with every line feed written as CR LF; empty without
// a selection. false when the selection lies outside the lines.
bool DocSelectedPlainText(const ZebDocRecord& doc, std::string* pText);
// Empties the clipboard and puts the selection on it as CF_TEXT
// (NUL-terminated; an empty text without a selection). 1; 0 when memory or
// the clipboard fails, before anything of the clipboard changed.
int DocCopyToClipboard(HWND hwnd);
// Inserts the clipboard's CF_TEXT at the caret (CR LF and a lone CR become
// line feeds). The inserter's result; 1 when the clipboard holds no text;
// 0 when the clipboard cannot be opened or its text read.
int DocPasteFromClipboard(HWND hwnd);
