// A bitmap written as a BMP file: the calendar's design picture and the
// JPEG converter's output.
#pragma once
#include <windows.h>

// Writes hBitmap (selected into no context) as a bottom-up BI_RGB BMP file
// of nBitCount bits per pixel (0: the bitmap's own depth, with the colour
// table that depth has). FALSE, with no file left, when it cannot.
BOOL WriteBitmapFile(LPCSTR lpszPath, HBITMAP hBitmap, WORD nBitCount);
