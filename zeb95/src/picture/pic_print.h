// Printing one picture object alone on a page.
#pragma once
#include <windows.h>

// Prints the picture into rcDest of one page: on hdcPrinter, or on the
// default printer when it is null (that DC is deleted after); scaled from
// the object's resolution to the printer's, without background or cache.
// The library's print job runs it (document name default "印刷", the
// second line in the printing dialog). 1 printed, 3 cancelled, -1 when no
// printer, document or page could be had.
LONG PrintPicObject(HWND hPicture, HDC hdcPrinter, LPCSTR pszDocName, LPCSTR pszSecondLine, const RECT& rcDest);
