#include "objects/child_painter.h"

bool GetChildRectsIn(HWND hwndWb, HWND hwndChild, const RECT& rcClip, RECT* pWindow, RECT* pClient)
{
    ::GetWindowRect(hwndChild, pWindow);
    ::MapWindowPoints(nullptr, hwndWb, reinterpret_cast<POINT*>(pWindow), 2);
    RECT rcMeet;
    if (!::IntersectRect(&rcMeet, pWindow, &rcClip))
        return false;
    ::GetClientRect(hwndChild, pClient);
    ::MapWindowPoints(hwndChild, hwndWb, reinterpret_cast<POINT*>(pClient), 2);
    return true;
}
