// An object among its whiteboard's children, and its place on screen.
#pragma once
#include <windows.h>

// Index of the object in its owner whiteboard's array for its kind, or -1.
LONG GetObjIndex(HWND hwnd);
// Invalidates (erasing) the object's window rectangle in its owner
// whiteboard, or its parent, and its own client area: 1, 0 without record.
BOOL InvalidateObj(HWND hwnd);
// Invalidates a part of the object (client coordinates; null: the whole
// object, as InvalidateObj): that part of its owner whiteboard (or parent)
// is redrawn, then, from the bottom of the z-order up, every transparent
// sibling whole and every other sibling (the object too) where the part
// covers it. 1, 0 without record.
BOOL InvalidateObjArea(HWND hwnd, const RECT* pRect);
// The window rectangle of a child object (kinds 8 to 128) in its parent's
// client coordinates plus its owner whiteboard's origin: 1, 0 for another
// window or a null rectangle.
BOOL GetObjRect(HWND hwnd, RECT* pRect);
// SetWindowPos without moving, sizing or reordering, with the frame
// changed (and not activating unless it is the active window).
void RefreshObjFrame(HWND hwnd);
// Position in the parent's client area and window size: 1.
BOOL GetObjPosSize(HWND hwnd, POINT* pPos, SIZE* pSize);
// WM_GETMINMAXINFO of a child object: 1, 0 without record.
BOOL GetObjMinMaxInfo(HWND hwnd, MINMAXINFO* pInfo);
// Yields, then dispatches every message waiting in the thread's queue.
int PumpMessages(UINT uExtraFlags);
