// The whiteboard's child arrays: entering, removing and addressing its
// children by (kind, index).
#pragma once
#include <windows.h>

class ZebWbRecord;

// Appends hChild to the whiteboard's array of slot nSlot (grown by 128
// entries when full): its index, the existing one when it is there, -1 when
// memory cannot be had.
LONG WbAddToSlot(ZebWbRecord* pWb, int nSlot, HWND hChild);
// Removes hChild from the array of slot nSlot, clearing the whiteboard's
// selection when it was the selected window: 1, 0 when it is not there.
BOOL WbRemoveFromSlot(ZebWbRecord* pWb, int nSlot, HWND hChild);
// Position of hChild in the array of slot nSlot, or -1.
LONG WbFindInSlot(const ZebWbRecord* pWb, int nSlot, HWND hChild);
// Frees every child array (the windows stay) and zeroes the counts.
void WbFreeChildArrays(ZebWbRecord* pWb);

// Enters an object window in its owner whiteboard's array for its kind:
// its index, or -1 without owner whiteboard or for a kind without array.
LONG WbAddChild(HWND hwnd);
// Removes it from there: 1, 0 when it is not there.
BOOL WbRemoveChild(HWND hwnd);

// The child at (kind, index) of a whiteboard: the kind one of 8, 16, 32, 64,
// 128 and 512, the index within its array, the entry not null; else null.
HWND WbChildAt(HWND hWb, LONG nKind, LONG nIndex);
