// Loading a picture object from a BMP or JPEG file.
#pragma once
#include <windows.h>

// Reads the picture at the file position of hFile, opened on pszPath: a
// stored "PO" block (see ReadPicBlock), a BMP file ("BM"), or JPEG data
// (0xFF 0xD8, or anything else), converted from the file pszPath. For a BMP
// or JPEG file the file name field gets the path; 1 when a picture was read,
// else 0 and the object keeps what it had.
BOOL ReadPicObject(HWND hwnd, HANDLE hFile, LPCSTR pszPath);
