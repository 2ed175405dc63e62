// The line object's "LO" block: its record and object text.
#pragma once
#include <windows.h>

// Writes the block at the file position (every mode writes the same): its
// length, or -1.
LONG WriteLineObject(HWND hwnd, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize);
// Reads an "LO" block at the file position into the line: 1, or 0 with the
// line unchanged (a block that is short, reaches beyond the file or names
// text outside itself changes nothing). The position is then after the
// block.
BOOL ReadLineObject(HWND hwnd, HANDLE hFile, LPCSTR pszPath);
