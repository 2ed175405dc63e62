// Writing a whiteboard file.
#pragma once
#include <windows.h>

// Creates (or truncates) the file and writes the whiteboard in the mode: 0
// the plain text of its text items, 1 and 2 the block file (objects without
// and with their bulk data), 3 a BMP picture of the region (origin and size
// may be null). The bytes written, or -1 with the file deleted; a mode
// outside 0-3 gives -1 and leaves the file alone.
LONG WriteWhiteBoardFile(HWND hWb, LPCSTR pszPath, int nMode, const POINT* pOrigin, const SIZE* pSize);
// The "WT" block of a text item and the "WD" block of a bitmap item at the
// file position: the block's length, or -1 (an index outside the table).
LONG WriteWbTextBlock(HWND hWb, HANDLE hFile, LONG nIndex);
LONG WriteWbBmpBlock(HWND hWb, HANDLE hFile, LONG nIndex);
