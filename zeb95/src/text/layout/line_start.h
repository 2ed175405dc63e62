// The line-start rule: characters that must not open a line.
#pragma once
#include <windows.h>

// Whether the code (a double-byte character as lead * 256 + trail) is a
// character of the code page 932 string; never for code 0 or no string.
// The string is read character by character, so that a single byte never
// matches half of a double-byte character.
bool IsLineStartChar(const char* pszLineStart, UINT nCode);
