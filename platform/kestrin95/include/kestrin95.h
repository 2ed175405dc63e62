// Kestrin95: turns a JPEG file into a BMP file with the picture decoding
// Windows itself has. Callers bind the function by its ordinal.
#pragma once
#include <windows.h>

#ifdef KESTRIN95_BUILDING
#define KESTRIN95_API __declspec(dllexport)
#else
#define KESTRIN95_API __declspec(dllimport)
#endif

// The export ordinal of KestrinJpegToBmp.
#define KESTRIN_JPEG_TO_BMP_ORDINAL 2
// The one conversion callers ask for: a 24-bit BMP.
#define KESTRIN_BMP24 0x8001

// Writes the picture of the JPEG file lpszJpeg as a 24-bit BMP file
// lpszBmp (dwFlags KESTRIN_BMP24, dwReserved 0). Nonzero when the BMP file
// was written; on failure no partly written file is left.
extern "C" KESTRIN95_API int WINAPI KestrinJpegToBmp(LPCSTR lpszJpeg, LPCSTR lpszBmp, DWORD dwFlags,
    DWORD dwReserved);
