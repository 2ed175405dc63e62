// Printing one picture object alone on a page.
#pragma once
#include <windows.h>

// Prints the picture into rcDest of one page: on hdcPrinter, or on the
// default printer when it is null (that DC is deleted after); scaled from
// the object's resolution to the printer's, without background or cache.
// 1 printed, -1 when no printer, document or page could be had (the
// printing results of the library: 1 done, 3 cancelled, -1 failure).
LONG PrintPicObject(HWND hPicture, HDC hdcPrinter, LPCSTR pszDocName, const RECT& rcDest);
