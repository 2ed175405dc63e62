#include "objects/obj_create.h"

#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "objects/obj_record.h"

void BringObjToTop(HWND hwnd)
{
    UINT uFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED;
    if (::GetActiveWindow() != hwnd)
        uFlags |= SWP_NOACTIVATE;
    ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, uFlags);
}

HWND CreateObjWindow(HWND hParent, const char* pszClass, DWORD dwStyle, DWORD dwExStyle, const RECT& rcPlace)
{
    POINT origin = {0, 0};
    if (IsWhiteBoard(hParent) && GetObjRecord(hParent) != nullptr)
        origin = GetObjRecord(hParent)->Origin();
    HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hParent, GWLP_HINSTANCE));
    HWND hwnd = ::CreateWindowExA(dwExStyle, pszClass, "",
                                  dwStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                                  rcPlace.left - origin.x, rcPlace.top - origin.y, rcPlace.right - rcPlace.left,
                                  rcPlace.bottom - rcPlace.top, hParent, nullptr, hInstance, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    if (GetObjRecord(hwnd) == nullptr) {
        ::DestroyWindow(hwnd);
        return nullptr;
    }
    BringObjToTop(hwnd);
    return hwnd;
}

void SetObjCursorCopy(ZebObjRecord& rec, HCURSOR hCursor)
{
    if (rec.Cursor() != nullptr)
        ::DestroyCursor(rec.Cursor());
    rec.SetCursor(hCursor != nullptr ? reinterpret_cast<HCURSOR>(::CopyIcon(hCursor)) : nullptr);
}

void ObjCreateStyles(bool bRecord, bool bStyleBit, DWORD dwStyle, DWORD dwExStyle, DWORD dwKeptStyles,
                     DWORD* pdwStyle, DWORD* pdwExStyle)
{
    const DWORD kKeptExStyles = WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
    *pdwStyle = bRecord && !bStyleBit ? WS_BORDER : 0;
    *pdwExStyle = 0;
    if (!bRecord || !bStyleBit)
        return;
    *pdwStyle = dwStyle & dwKeptStyles;
    *pdwExStyle = (dwExStyle | (dwStyle & WS_EX_TRANSPARENT)) & kKeptExStyles;
    if ((*pdwExStyle & WS_EX_TRANSPARENT) != 0) {
        *pdwStyle &= ~static_cast<DWORD>(WS_BORDER);
        *pdwExStyle = WS_EX_TRANSPARENT;
    }
}
