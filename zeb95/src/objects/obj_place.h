// What the movable child objects (pictures, lines, sounds, movies) do
// alike while they are moved, sized, focused and clicked: grid snapping,
// their place on the whiteboard with its "changed" event, selection on
// focus, system commands and mouse events.
#pragma once
#include <windows.h>

// v snapped to a grid g above 1: to the nearest multiple, a half away from
// zero, by magnitude with the sign put back (-16 on 10 gives -20); v as it
// is for g below 2.
LONG SnapToGrid(LONG v, LONG g);
// The grid in force: per axis the object's own value when above 0, else its
// owner whiteboard's.
SIZE EffectiveGrid(HWND hwnd, SIZE ownGrid);
// WM_WINDOWPOSCHANGING: position (unless SWP_NOMOVE) and size (unless
// SWP_NOSIZE) snapped to the grid, unless the object is in view mode.
void SnapWindowPos(HWND hwnd, SIZE ownGrid, WINDOWPOS* pPos);

// Moves and sizes the object to a place in whiteboard coordinates (less the
// owner whiteboard's origin); either may be null. Positions are clamped to
// +-2^26 and sizes to 0-32767, so that values read from files stay within
// what windows take. 0 when both are null or the object has no record.
BOOL MoveObj(HWND hwnd, const POINT* pPos, const SIZE* pSize);
// Stores that place in the record (WM_CREATE).
void StoreObjPlace(HWND hwnd);
// WM_WINDOWPOSCHANGED, WM_EXITSIZEMOVE: the object is invalidated; when its
// place changed it is stored, and unless bQuiet the "changed" event is
// posted up with the message's wParam and lParam.
void OnObjPlaceChanged(HWND hwnd, WPARAM wParam, LPARAM lParam, bool bQuiet);

// The messages that every movable child answers alike: mouse activation
// (the focus follows), kill focus (deselected, the frame redrawn while it
// may be edited), grid snapping (with its own grid), place changes (quiet:
// no "changed" event), system commands (no minimising or maximising;
// sizing and moving focus a selected object first). True with *pResult
// when the message is answered; false when default processing follows.
bool OnObjChildMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, SIZE ownGrid, bool bQuiet,
                       LRESULT* pResult);

// The sizing frame of a selected object.
void DrawFrameIfSelected(HWND hwnd);
// WM_PAINT of a child object: paint(hdc) on the DC given in wParam, or
// between BeginPaint and EndPaint; then the sizing frame of a selected
// object.
template <class F>
void PaintObj(HWND hwnd, HDC hdcGiven, F paint)
{
    if (hdcGiven != nullptr) {
        paint(hdcGiven);
    } else {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hwnd, &ps);
        paint(hdc);
        ::EndPaint(hwnd, &ps);
    }
    DrawFrameIfSelected(hwnd);
}

// Mouse messages of an object with click events: the button, move, double
// click, release and click events sent to the object itself. *pCaptured is
// the object's "left button captured" flag. True when the event was
// consumed.
bool OnObjMouse(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, bool* pCaptured);
