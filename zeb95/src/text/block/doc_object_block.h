// A text document in whiteboard and object files: its "DO" block
// (doc_block_image.h), or as a plain text file (its bytes, line feeds as
// CR LF).
#pragma once
#include <windows.h>

// At the file position: mode 0 the plain text (WriteDocText), 1 the block
// with the bitmaps by name only, 2 with their images. The bytes written
// (the whole block), -1 for another mode, a failed write or a fixed part
// beyond 65,535 bytes (refused before anything is written). The region
// arguments are the whiteboard writer's and unused.
LONG WriteDocObject(HWND hwnd, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize);
// Reads the "DO" block at the file position (opened on pszPath, whose
// folder a relative bitmap name is found in) into the document: 1, or 0
// with the document unchanged when the block is refused (a length, count,
// locator or string that does not hold, a font table of more than 256
// entries, a bitmap that cannot be read or is named by a network path).
// The position is then after the block.
BOOL ReadDocObject(HWND hwnd, HANDLE hFile, LPCSTR pszPath);
// An object file of a text document: plain text when its first 8 bytes
// are text or cannot be read, else a "DO" block.
BOOL ReadDocObjectFile(HWND hwnd, HANDLE hFile, LPCSTR pszPath);

// The text with every line feed written as CR LF: the bytes written; 0
// without blocks; -1 on a failed write or without record.
LONG WriteDocText(HWND hwnd, HANDLE hFile);
// The document's text replaced by the file's bytes from the position on:
// tabs and other control bytes but line feed, carriage return and form
// feed become spaces; CR LF and a lone CR are line feeds. The insertion's
// result; 1 for an empty file; 0 on failure.
BOOL ReadDocText(HWND hwnd, HANDLE hFile);
