// Zeb95: the multimedia object library's exported function interface.
// Every function uses the standard calling convention. A DIB handle is a
// movable global block: a packed DIB followed by a 4-byte palette slot.
#pragma once
#include <windows.h>

#ifdef ZEB95_BUILDING
#define ZEBAPI  // exported through zeb95.def only, with fixed ordinals
#else
#define ZEBAPI __declspec(dllimport)
#endif

// Version of the library's object record layout.
#define ZEB_RECORD_VERSION 0x020D0004

// Notification of the objects: wParam = event code << 16 | object index,
// lParam = object window; a nonzero reply consumes the event.
const UINT MsgZebCmd = 0x2005;
// Sent to an object whose view mode changed: wParam = the new view mode.
const UINT MsgViewModeChanged = 0x2400;

extern "C" {

ZEBAPI LONG WINAPI zebGetVersion(void);
ZEBAPI LONG WINAPI zebInitialize(void);
ZEBAPI LONG WINAPI zebTerminate(LONG unused);
// The library's fixed 256-colour palette; it stays the library's.
ZEBAPI HPALETTE WINAPI zebGetPalette(LONG unused);

ZEBAPI HGLOBAL WINAPI zebCreateDib(HBITMAP hBitmap, HPALETTE hPalette);
ZEBAPI HGLOBAL WINAPI zebReadDib(LPCSTR pszPath);
ZEBAPI LONG WINAPI zebWriteDib(LPCSTR pszPath, HGLOBAL hDib);
ZEBAPI HGLOBAL WINAPI zebCopyDib(HGLOBAL hDib);
ZEBAPI LONG WINAPI zebDestroyDib(HGLOBAL hDib);

}
