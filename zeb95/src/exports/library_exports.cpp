#include "library/library_state.h"
#include "zeb95.h"

// Start-up happens when the library is loaded; these remain for callers
// that bracket their use of the library.
LONG WINAPI zebGetVersion(void)
{
    return ZEB_RECORD_VERSION;
}

LONG WINAPI zebInitialize(void)
{
    return 1;
}

LONG WINAPI zebTerminate(LONG)
{
    return 1;
}

HPALETTE WINAPI zebGetPalette(LONG)
{
    return Library().hFixedPalette;
}
