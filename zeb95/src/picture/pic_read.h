// Loading a picture object from a BMP or JPEG file.
#pragma once
#include <windows.h>

// Reads the picture at the file position of hFile, opened on pszPath: a
// BMP file ("BM"), or JPEG data (0xFF 0xD8, or anything else that is no
// stored block), converted from the file pszPath. The file name field gets
// the path. 1 when a picture was read, else 0 and the object is left
// without picture. Stored "PO" blocks are refused (0) and change nothing.
BOOL ReadPicObject(HWND hwnd, HANDLE hFile, LPCSTR pszPath);
