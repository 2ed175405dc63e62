// What the library makes once per process when it is loaded.
#pragma once
#include <windows.h>

struct ZebLibraryState
{
    HINSTANCE hModule;
    HCURSOR hCursor;          // the library cursor, or 0
    HPALETTE hFixedPalette;   // the fixed 256-colour palette
    HPALETTE hPalette16;      // the 16-colour palette
    int nDisplayBits;         // bits per pixel x planes of the display
    FARPROC pfnCheckCursor;   // the display driver's "CHECKCURSOR", or null
    UINT uDocClipFormat;      // "zebDocObjText"
    bool bClassesRegistered;  // start-up succeeded
    // 1 while the movie (sound) device window exists: one of each at a time.
    LONG nMovieInUse;
    LONG nSoundInUse;
};

ZebLibraryState& Library();

// The display's colour depth as the library acts on it: the one read at
// start-up, unless a test has put another in its place.
int ZebDisplayBits();
// The display works through a palette (8 bits per pixel).
bool ZebPaletteDisplay();
// Makes ZebDisplayBits give nBits (0: the display's own again). Tests only:
// the displays here never have 8 bits per pixel.
void OverrideDisplayBits(int nBits);
