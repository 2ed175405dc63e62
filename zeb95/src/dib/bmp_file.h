// BMP files and BMP images inside the library's files: reading into DIB
// handles and writing them out.
#pragma once
#include <windows.h>

// Reads a BMP file header (or none: a bare DIB) and the DIB header and
// colour table at the file position into a new block (40-byte header,
// colour table); the file is left at the pixel bits. 0 when the data is not
// a DIB the library reads.
HGLOBAL ReadDibHeader(HANDLE hFile);
// Header, colour table, bits and palette slot (a palette of the DIB's own
// when bMakePalette).
HGLOBAL ReadDib(HANDLE hFile, BOOL bMakePalette);
// ReadDib of an image that lies whole before the file position end: no
// byte at or past it is read.
HGLOBAL ReadDibWithin(HANDLE hFile, UINT64 end, BOOL bMakePalette);
HGLOBAL ReadDibFile(LPCSTR pszPath, BOOL bMakePalette);
// Whether ReadDib takes a DIB of this 40-byte header.
bool IsReadableDibHeader(const BITMAPINFOHEADER& info);
// Writes a BMP image at the file position: bfSize, or 0 on failure.
DWORD WriteBmpToFile(HANDLE hFile, HGLOBAL hDib);
// Creates or truncates the file and writes a BMP file: 1, or 0 with the file
// deleted.
BOOL WriteBmpFile(LPCSTR pszPath, HGLOBAL hDib);
