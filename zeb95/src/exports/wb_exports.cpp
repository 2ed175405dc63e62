#include "objects/global_mem.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "objects/obj_dpi.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"
#include "whiteboard/wb_scroll.h"
#include "zeb95.h"

namespace {

const DWORD kKeptExStyles = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
// Mask bits whose fields are applied to the record.
const DWORD kRecordFields = 0xEFFF2;

bool Has(const ZebWbCreateInfo& info, DWORD dwBit) { return (info.dwMask & dwBit) != 0; }

void ApplyColors(ZebObjRecord& head, const ZebWbCreateInfo& info)
{
    if (Has(info, ZEBWB_FORECOLOR))
        head.SetForeColor(info.crFore);
    if (Has(info, ZEBWB_BKCOLOR)) {
        head.SetBkColor(info.crBack);
        if (!Has(info, ZEBWB_BORDERCOLOR))
            head.SetBorderColor(info.crBack);
    }
    if (Has(info, ZEBWB_BORDERCOLOR))
        head.SetBorderColor(info.crBorder);
}

// A copy of the string (null for null or without memory) replaces the
// record's line-start string.
void ApplyLineStart(ZebObjRecord& head, const char* pszLineStart)
{
    LockedGlobalFree(head.LineStartString());
    head.SetLineStartString(pszLineStart != nullptr ? LockedGlobalStrDup(pszLineStart) : nullptr);
}

using MarkSetter = BOOL (*)(HWND, WORD, const LOGFONTA*, BOOL);

// A mark that cannot be set (no such font or bitmap item) stays empty.
void ApplyMark(HWND hwnd, const ZebWbRecord& wb, MarkSetter pfnSet, WORD wCode, DWORD dwAttr)
{
    const LONG nFont = static_cast<LONG>((dwAttr >> 8) & 0xFF);
    if ((dwAttr & ZEBWB_MARK_BITMAP) != 0 || wCode == kWbNoMark) {
        pfnSet(hwnd, wCode, nullptr, FALSE);
    } else if (nFont < wb.TextFontCount()) {
        const LOGFONTA lf = wb.TextFonts()[nFont];
        pfnSet(hwnd, wCode, &lf, FALSE);
    }
}

// The text-item font, then the line-feed and form-feed marks.
void ApplyTextFields(HWND hwnd, const ZebWbRecord& wb, const ZebWbCreateInfo& info)
{
    if (Has(info, ZEBWB_FONT))
        WbAddTextFont(hwnd, info.lfTextFont);
    if (Has(info, ZEBWB_LINEFEEDMARK))
        ApplyMark(hwnd, wb, WbSetNewLineMark, info.wLineFeedCode, info.dwLineFeedAttr);
    if (Has(info, ZEBWB_FORMFEEDMARK))
        ApplyMark(hwnd, wb, WbSetFormFeedMark, info.wFormFeedCode, info.dwFormFeedAttr);
}

void ApplyFields(HWND hwnd, ZebWbRecord& wb, const ZebWbCreateInfo& info)
{
    ZebObjRecord& head = wb.Head();
    ApplyColors(head, info);
    if (Has(info, ZEBWB_VIEWMODE))
        head.SetViewMode(static_cast<DWORD>(info.nViewMode));
    if (Has(info, ZEBWB_WRAPMODE))
        head.SetWrapMode(static_cast<DWORD>(info.nWrapMode));
    if (Has(info, ZEBWB_CURSOR))
        head.ReplaceCursor(info.hCursor);
    if (Has(info, ZEBWB_VERTICAL))
        head.SetVertical(static_cast<DWORD>(info.nVerticalMode));
    if (Has(info, ZEBWB_POINTER))
        head.SetPointerNumber(static_cast<DWORD>(info.nPointerNumber));
    ApplyTextFields(hwnd, wb, info);
    if (Has(info, ZEBWB_LINESTART))
        ApplyLineStart(head, info.pszLineStart);
    if (Has(info, ZEBWB_ORIGIN))
        head.SetOrigin({info.nOriginX, info.nOriginY});
    if (Has(info, ZEBWB_PAGESIZE))
        head.SetPageSize({info.nPageCx, info.nPageCy});
    if (Has(info, ZEBWB_GRID))
        wb.SetGrid({info.nGridCx, info.nGridCy});
    if (Has(info, ZEBWB_ORIGIN | ZEBWB_PAGESIZE))
        WbSetScrollBars(hwnd);
}

}  // namespace

HWND WINAPI zebCreateWhiteBoard(const ZebWbCreateInfo* pInfo)
{
    if (pInfo == nullptr || pInfo->hParent == nullptr)
        return nullptr;
    const ZebWbCreateInfo& info = *pInfo;
    const DWORD dwStyle = Has(info, ZEBWB_STYLE) ? info.dwStyle & kZebKeptStyles : WS_BORDER;
    const DWORD dwExStyle = Has(info, ZEBWB_STYLE) ? info.dwExStyle & kKeptExStyles : 0;
    HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(info.hParent, GWLP_HINSTANCE));
    HWND hwnd = ::CreateWindowExA(dwExStyle, kWbClass, "",
                                  dwStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                                  info.x, info.y, info.cx, info.cy, info.hParent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(info.nControlId)), hInstance, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    UINT uFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED;
    if (::GetActiveWindow() != hwnd)
        uFlags |= SWP_NOACTIVATE;
    ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, uFlags);
    if (Has(info, kRecordFields)) {
        ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hwnd));
        if (pWb == nullptr) {
            ::DestroyWindow(hwnd);
            return nullptr;
        }
        ApplyFields(hwnd, *pWb, info);
    }
    ::InvalidateRect(hwnd, nullptr, TRUE);
    return hwnd;
}

BOOL WINAPI zebDestroyWhiteBoard(HWND hWnd)
{
    return ::DestroyWindow(hWnd);
}

LONG WINAPI zebGetDPI(HWND hObject)
{
    return GetObjDpiY(hObject);
}

LONG WINAPI zebSetDPI(HWND hWhiteBoard, LONG nDpi)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWhiteBoard));
    if (pWb == nullptr || nDpi < 1)
        return -1;
    const LONG nPrevious = pWb->DpiY();
    pWb->SetDpi(nDpi, nDpi);
    return nPrevious;
}

LONG WINAPI zebGetWindowKind(HWND hObject, DWORD* pdwIndex)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    if (pRecord == nullptr)
        return 0;
    const WORD wKind = pRecord->Kind();
    if (wKind != ZebKindWhiteBoard && (wKind < ZebKindDoc || wKind > ZebKindLine))
        return 0;
    if (pdwIndex != nullptr) {
        const LONG nIndex = wKind == ZebKindWhiteBoard ? ::GetDlgCtrlID(hObject) : GetObjIndex(hObject);
        *pdwIndex = static_cast<DWORD>(nIndex);
    }
    return wKind;
}

LONG WINAPI zebGetWParamEx(HWND hObject)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    return pRecord != nullptr ? static_cast<LONG>(pRecord->InputWParam()) : 0;
}

LONG WINAPI zebGetLParamEx(HWND hObject)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    return pRecord != nullptr ? static_cast<LONG>(pRecord->InputLParam()) : 0;
}
