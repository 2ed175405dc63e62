// What every object window does alike: its record from WM_NCCREATE to
// WM_NCDESTROY, the library mark, passing MsgZebCmd on, the view-mode
// change, hit testing, mouse pointers and tracking sizes. A kind's window
// procedure handles its own messages and leaves the rest to
// ObjDefWindowProc.
#pragma once
#include <windows.h>

LRESULT ObjDefWindowProc(WORD wKind, HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// The cursor of a mouse-pointer number 0-13 for an object whose own cursor
// is hOwn; null above 13.
HCURSOR PointerCursor(DWORD dwNumber, HCURSOR hOwn);
