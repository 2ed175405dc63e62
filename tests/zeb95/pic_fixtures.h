// Pictures for the picture and line tests: bitmaps of coloured quadrants,
// and files in the temporary folder.
#pragma once
#include <windows.h>

#include <string>

// A 24-bit DIB section of cx x cy whose quadrants have the four colours
// (top left, top right, bottom left, bottom right).
HBITMAP QuadrantBitmap(int cx, int cy, COLORREF crTopLeft, COLORREF crTopRight, COLORREF crBottomLeft,
                       COLORREF crBottomRight);
// The same as a DIB handle without palette.
HGLOBAL QuadrantDib(int cx, int cy, COLORREF crTopLeft, COLORREF crTopRight, COLORREF crBottomLeft,
                    COLORREF crBottomRight);
// The left half red, the right half blue.
HBITMAP RedBlueBitmap(int cx, int cy);

// A new file path in the temporary folder with the given name.
std::string TempPath(const char* pszName);
// Files in the temporary folder that match the pattern (e.g. "jpg*.tmp").
int CountTempFiles(const char* pszPattern);
