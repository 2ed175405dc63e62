#include <windows.h>

#include "library/startup.h"

BOOL WINAPI DllMain(HINSTANCE hModule, DWORD dwReason, LPVOID)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        return LibraryAttach(hModule);
    case DLL_PROCESS_DETACH:
        LibraryDetach();
        return TRUE;
    default:
        return TRUE;
    }
}
