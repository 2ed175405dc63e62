// The picture object's "PO" block (its record, cursor record and object
// text, then the picture data) and its native data alone.
#pragma once
#include <windows.h>

// Mode 0: the picture data alone (the bytes of its JPEG source, else a BMP
// image): its length, -1 when there is none. Modes 1 and 2: the block
// without and with the data: its length, or -1.
LONG WritePicObject(HWND hwnd, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize);
// Reads the "PO" block at the file position: 1, or 0 with the picture
// unchanged. A block without data takes the picture from the file its
// record names. The position is then after the block.
BOOL ReadPicBlock(HWND hwnd, HANDLE hFile);
