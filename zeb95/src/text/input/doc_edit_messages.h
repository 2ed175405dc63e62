// The edit-control messages a text document answers: EM_SETSEL (select
// all, drop the selection) and WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR on the
// clipboard and the text (the clip mode's key bits do not apply).
#pragma once
#include <windows.h>

// True with *pResult when the message is one of them.
bool DocOnEditMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
