// The messages of a text document's window beyond creation, keys and
// characters: mouse, focus, view-mode change, edit-control and clipboard
// messages and the window's own.
#pragma once
#include <windows.h>

// True with *pResult when the message is answered; false: the common
// object processing follows.
bool DocDispatch(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
