// The line-feed and form-feed marks of a whiteboard's text items.
#pragma once
#include <windows.h>

struct ZebWbMark;

// No mark: code 65535, font and colour -1, size 0.
void WbClearMark(ZebWbMark& mark);
// Sets the mark. Code 65535 clears it. With a font the code is a character
// (one byte below 256, else two, high byte first) shown in that font, found
// in or added to the item font table, and in the foreground colour; without
// one it is the index of a bitmap item (which must exist) shown 1:1. The
// whiteboard is invalidated when bRedraw. 1, 0 when the font cannot be had
// or the bitmap item does not exist.
BOOL WbSetNewLineMark(HWND hWb, WORD wCode, const LOGFONTA* plf, BOOL bRedraw);
BOOL WbSetFormFeedMark(HWND hWb, WORD wCode, const LOGFONTA* plf, BOOL bRedraw);
// The bytes of a character mark's code: 1 or 2.
int WbMarkBytes(const ZebWbMark& mark, char* pBytes);
// The mark is set and names a bitmap item rather than a character.
bool IsWbBmpMark(const ZebWbMark& mark);
