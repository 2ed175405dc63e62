#include "library/startup.h"

#include "dib/palette.h"
#include "library/classes.h"
#include "library/library_state.h"
#include "library/resource.h"

namespace {

int ReadDisplayBits()
{
    HDC hdc = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (hdc == nullptr)
        return 0;
    const int nBits = ::GetDeviceCaps(hdc, BITSPIXEL) * ::GetDeviceCaps(hdc, PLANES);
    ::DeleteDC(hdc);
    return nBits;
}

FARPROC FindCheckCursor()
{
    HMODULE hDisplay = ::GetModuleHandleA("DISPLAY");
    return hDisplay != nullptr ? ::GetProcAddress(hDisplay, "CHECKCURSOR") : nullptr;
}

// Destroys the cursor and deletes the palettes that exist, leaving 0.
void ReleaseLibraryObjects()
{
    ZebLibraryState& lib = Library();
    if (lib.hCursor != nullptr)
        ::DestroyCursor(lib.hCursor);
    if (lib.hFixedPalette != nullptr)
        ::DeleteObject(lib.hFixedPalette);
    if (lib.hPalette16 != nullptr)
        ::DeleteObject(lib.hPalette16);
    lib.hCursor = nullptr;
    lib.hFixedPalette = nullptr;
    lib.hPalette16 = nullptr;
}

}  // namespace

BOOL LibraryAttach(HINSTANCE hModule)
{
    ZebLibraryState& lib = Library();
    lib.hModule = hModule;
    lib.hCursor = ::LoadCursorA(hModule, MAKEINTRESOURCEA(IDC_LIBRARY_CURSOR));
    lib.hFixedPalette = CreateFixedPalette();
    lib.hPalette16 = CreateSixteenColorPalette();
    lib.nDisplayBits = ReadDisplayBits();
    lib.pfnCheckCursor = FindCheckCursor();
    lib.bClassesRegistered = RegisterObjectClasses(hModule) != FALSE;
    if (!lib.bClassesRegistered)
        ReleaseLibraryObjects();
    return lib.bClassesRegistered;
}

// Also called after a failed start-up: the classes are then not taken
// again, since another module may have registered the one that failed.
void LibraryDetach()
{
    ReleaseLibraryObjects();
    if (Library().bClassesRegistered)
        UnregisterObjectClasses(Library().hModule);
    Library().bClassesRegistered = false;
}
