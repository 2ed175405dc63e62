// Pictures between BMP files and the clipboard's packed DIBs (CF_DIB).
#pragma once
#include <windows.h>

#include <string>

// A new moveable, shareable block holding the packed DIB of a whole BMP
// file (the bytes after its file header); null when it cannot be had.
HGLOBAL NewPackedDib(const BYTE* pFile, int nBytes);

// The BMP file of a packed DIB of nSize bytes: an uncompressed picture of
// 1, 4, 8 or 24 bits whose header, colour table and pixel rows all lie in
// the block, the header written at its own size. Empty when refused.
std::string BmpFileOfPackedDib(const BYTE* pDib, SIZE_T nSize);
