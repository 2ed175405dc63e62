#include "line/line_record.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "objects/obj_create.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

namespace {

bool Has(const ZebLineCreateInfo& info, DWORD dwBit) { return (info.dwMask & dwBit) != 0; }

void ApplyFields(HWND hwnd, ZebLineRecord& rec, const ZebLineCreateInfo& info)
{
    if (Has(info, ZEBLINE_COLOR))
        rec.Head().SetForeColor(info.crColor);
    if (Has(info, ZEBLINE_VIEWMODE))
        rec.Head().SetViewMode(static_cast<DWORD>(info.nViewMode));
    if (Has(info, ZEBLINE_CURSOR))
        SetObjCursorCopy(rec.Head(), info.hCursor);
    if (Has(info, ZEBLINE_POINTER))
        rec.Head().SetPointerNumber(static_cast<DWORD>(info.nPointerNumber));
    if (Has(info, ZEBLINE_DRAWMODE))
        rec.SetDrawMode(info.nDrawMode);
    if (Has(info, ZEBLINE_DRAWSTYLE))
        rec.SetPenStyle(info.nDrawStyle);
    if (Has(info, ZEBLINE_DRAWWIDTH))
        rec.SetPenWidth(info.nDrawWidth);
    if (Has(info, ZEBLINE_DRAWFORM))
        rec.SetDrawForm(info.wDrawForm);
    if (Has(info, ZEBLINE_GRID))
        rec.SetGrid({info.nGridCx, info.nGridCy});
    InvalidateObj(hwnd);
}

// One drawing property of a line: its getter and setter on the record.
template <class T>
struct LineProp
{
    T (ZebLineRecord::*get)() const;
    void (ZebLineRecord::*set)(T);
};
const LineProp<WORD> kForm = {&ZebLineRecord::DrawForm, &ZebLineRecord::SetDrawForm};
const LineProp<LONG> kMode = {&ZebLineRecord::DrawMode, &ZebLineRecord::SetDrawMode};
const LineProp<LONG> kStyle = {&ZebLineRecord::PenStyle, &ZebLineRecord::SetPenStyle};
const LineProp<LONG> kWidth = {&ZebLineRecord::PenWidth, &ZebLineRecord::SetPenWidth};

template <class T>
T GetProp(HWND hLine, const LineProp<T>& prop, T failure)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hLine);
    return pRec != nullptr ? (pRec->*prop.get)() : failure;
}

// Stores the value and redraws the line: the previous value.
template <class T>
T SetProp(HWND hLine, const LineProp<T>& prop, T value, T failure)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hLine);
    if (pRec == nullptr)
        return failure;
    const T previous = (pRec->*prop.get)();
    (pRec->*prop.set)(value);
    InvalidateObj(hLine);
    return previous;
}

HWND LineAt(HWND hWhiteBoard, LONG nIndex) { return WbChildAt(hWhiteBoard, ZebKindLine, nIndex); }

const WORD kFormFailure = 0xFFFF;

}  // namespace

HWND WINAPI zebCreateObjLine(HWND hParent, const ZebLineCreateInfo* pInfo, LONG* pnIndex)
{
    const RECT rcPlace = pInfo != nullptr ? RECT{pInfo->x, pInfo->y, pInfo->x + pInfo->cx, pInfo->y + pInfo->cy}
                                          : RECT{0, 0, 1, 1};
    HWND hwnd = CreateObjWindow(hParent, kLineClass, 0, WS_EX_TRANSPARENT, rcPlace);
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    if (pRec == nullptr)
        return nullptr;
    if (pInfo != nullptr)
        ApplyFields(hwnd, *pRec, *pInfo);
    if (pnIndex != nullptr)
        *pnIndex = GetObjIndex(hwnd);
    return hwnd;
}

WORD WINAPI zebGetDrawForm(HWND hLine) { return GetProp(hLine, kForm, kFormFailure); }
WORD WINAPI zebSetDrawForm(HWND hLine, WORD wForm) { return SetProp(hLine, kForm, wForm, kFormFailure); }
LONG WINAPI zebGetDrawMode(HWND hLine) { return GetProp(hLine, kMode, -1L); }
LONG WINAPI zebSetDrawMode(HWND hLine, LONG nMode) { return SetProp(hLine, kMode, nMode, -1L); }
LONG WINAPI zebGetDrawStyle(HWND hLine) { return GetProp(hLine, kStyle, -1L); }
LONG WINAPI zebSetDrawStyle(HWND hLine, LONG nStyle) { return SetProp(hLine, kStyle, nStyle, -1L); }
LONG WINAPI zebGetDrawWidth(HWND hLine) { return GetProp(hLine, kWidth, -1L); }
LONG WINAPI zebSetDrawWidth(HWND hLine, LONG nWidth) { return SetProp(hLine, kWidth, nWidth, -1L); }

WORD WINAPI zebGetLineDrawForm(HWND hWb, LONG n) { return GetProp(LineAt(hWb, n), kForm, kFormFailure); }
WORD WINAPI zebSetLineDrawForm(HWND hWb, LONG n, WORD wForm)
{
    return SetProp(LineAt(hWb, n), kForm, wForm, kFormFailure);
}
LONG WINAPI zebGetLineDrawMode(HWND hWb, LONG n) { return GetProp(LineAt(hWb, n), kMode, -1L); }
LONG WINAPI zebSetLineDrawMode(HWND hWb, LONG n, LONG nMode) { return SetProp(LineAt(hWb, n), kMode, nMode, -1L); }
LONG WINAPI zebGetLineDrawStyle(HWND hWb, LONG n) { return GetProp(LineAt(hWb, n), kStyle, -1L); }
LONG WINAPI zebSetLineDrawStyle(HWND hWb, LONG n, LONG nStyle)
{
    return SetProp(LineAt(hWb, n), kStyle, nStyle, -1L);
}
LONG WINAPI zebGetLineDrawWidth(HWND hWb, LONG n) { return GetProp(LineAt(hWb, n), kWidth, -1L); }
LONG WINAPI zebSetLineDrawWidth(HWND hWb, LONG n, LONG nWidth)
{
    return SetProp(LineAt(hWb, n), kWidth, nWidth, -1L);
}
