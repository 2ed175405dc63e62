// The window's own messages of a text document: size and place, the
// background outside the document, the mouse pointer, system commands,
// scrolling, activation by the mouse and the input method's composition.
#pragma once
#include <windows.h>

// Posted to repaint the object and the parent area under it once an input
// method's composition ended.
const UINT MsgDeferredRepaint = 0x2402;

// True with *pResult when the message is answered; false: default
// processing follows (also after some work done here).
bool DocOnWindowMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
