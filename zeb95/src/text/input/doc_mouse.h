// Mouse messages of a text document: the button, move, release, click and
// double-click events go to the document itself first (a nonzero reply
// consumes the message); a left-button press takes the capture and puts
// the caret under the mouse, and a move with the button held extends the
// selection to it.
#pragma once
#include <windows.h>

// True with *pResult when the message is answered; false: default
// processing follows.
bool DocOnMouse(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
