// JPEG data into a temporary BMP file through the outside JPEG library.
#pragma once
#include <windows.h>

// With cbJpeg >= 1, that many bytes at the file position are first copied
// into a new temporary file ("jpg" prefix), whose path goes to pszJpegPath;
// a short read or write fails (a truncated image is not converted).
// Otherwise pszJpegPath names the JPEG file. The BMP is written to a new
// temporary file ("bmp" prefix) named in pszBmpPath. On failure no
// temporary file is left and both paths are emptied. Both buffers hold
// MAX_PATH characters.
BOOL ConvertJpegToBmp(HANDLE hFile, DWORD cbJpeg, char* pszBmpPath, char* pszJpegPath);
