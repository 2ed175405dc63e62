#include "text/input/doc_dispatch.h"

#include "text/input/doc_edit_messages.h"
#include "text/input/doc_focus.h"
#include "text/input/doc_mouse.h"
#include "text/input/doc_window_messages.h"
#include "zeb95.h"

bool DocDispatch(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    switch (uMsg)
    {
    case WM_SETFOCUS: return DocOnSetFocus(hwnd, wParam, lParam);
    case WM_KILLFOCUS: return DocOnKillFocus(hwnd, wParam, lParam);
    case MsgViewModeChanged:
        DocOnViewModeChanged(hwnd, wParam);
        return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: return DocOnMouse(hwnd, uMsg, wParam, lParam, pResult);
    default:
        return DocOnEditMessage(hwnd, uMsg, wParam, lParam, pResult) ||
               DocOnWindowMessage(hwnd, uMsg, wParam, lParam, pResult);
    }
}
