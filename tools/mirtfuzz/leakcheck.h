// What a run of the fuzzer holds of the process: busy heap bytes (global
// memory blocks included, they come from the process heap) and GDI objects.
// Wine answers GetGuiResources with 0, so the GDI figure there is the
// highest handle slot that new objects get: it climbs only while objects
// are left behind.
#pragma once
#include <windows.h>

struct ProcessHold
{
    SIZE_T nHeapBytes;
    DWORD nGdiObjects;      // GetGuiResources, 0 where it is not answered
    DWORD nGdiHighSlot;
};

ProcessHold MeasureProcessHold();
