// Zeb95: the multimedia object library's exported function interface.
// Every function uses the standard calling convention.
#pragma once
#include <windows.h>

#ifdef ZEB95_BUILDING
#define ZEBAPI  // exported through zeb95.def only, with fixed ordinals
#else
#define ZEBAPI __declspec(dllimport)
#endif

// Version of the library's object record layout.
#define ZEB_RECORD_VERSION 0x020D0004

extern "C" {

ZEBAPI LONG WINAPI zebGetVersion(void);
ZEBAPI LONG WINAPI zebInitialize(void);
ZEBAPI LONG WINAPI zebTerminate(LONG unused);

}
