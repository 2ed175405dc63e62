// The text clipboard of a text document: the selection copied out as
// CF_TEXT (Shift-JIS, line feeds as CR LF) and as full text in the
// registered format "zebDocObjText", and pasted in at the caret preferring
// the full text.
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
// (NUL-terminated; an empty text without a selection) and as plain full
// text. 1; 0 when memory or the clipboard fails, before anything of the
// clipboard changed.
int DocCopyToClipboard(HWND hwnd);
// The same with the extended full text when the clip mode is not 0.
int DocCopyToClipboardEx(HWND hwnd);
// Inserts the clipboard's full text at the caret (DocInsertFullText from a
// foreign source, checked against the block's size), else its CF_TEXT (CR
// LF and a lone CR become line feeds). The inserter's result; 1 when the
// clipboard holds neither; 0 when the clipboard cannot be opened, its block
// read or the full text is refused.
int DocPasteFromClipboard(HWND hwnd);
