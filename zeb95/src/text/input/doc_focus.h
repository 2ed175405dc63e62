// The focus of a text document: the caret and the input method's mode come
// with it and go with it, and so with a change between run mode and design
// or static mode while the document has the focus.
#pragma once
#include <windows.h>

// WM_SETFOCUS: true when answered (a design-mode selection took it, or the
// document is static); false: default processing follows.
bool DocOnSetFocus(HWND hwnd, WPARAM wParam, LPARAM lParam);
// WM_KILLFOCUS: true when answered.
bool DocOnKillFocus(HWND hwnd, WPARAM wParam, LPARAM lParam);
// MsgViewModeChanged (wParam the new view mode): the caret and the input
// method's mode follow; the selected flag and the frame are the common
// object's part, which follows.
void DocOnViewModeChanged(HWND hwnd, WPARAM wParam);
