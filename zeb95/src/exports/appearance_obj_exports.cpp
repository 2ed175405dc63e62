#include "objects/obj_record.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"

// The (kind, index) forms: the plain form's work on the whiteboard's child,
// with the plain form's results; the family's failure value when there is
// no such child.

namespace {

template <class F>
LONG OnChild(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nFailure, F plain)
{
    HWND hChild = WbChildAt(hWhiteBoard, nKind, nIndex);
    return hChild != nullptr ? plain(hChild) : nFailure;
}

// A text item's font turned (a nonzero escapement): 1, else 0.
LONG TextItemVertical(ZebWbRecord* pWb, LONG nIndex)
{
    const int nSlot = ZebWbRecord::ChildSlot(ZebKindWbText);
    if (pWb->TextItems() == nullptr || nIndex < 0 || nIndex >= pWb->ChildCount(nSlot))
        return 0;
    const LONG nFont = pWb->TextItems()[nIndex].nFont;
    if (pWb->TextFonts() == nullptr || nFont < 0 || nFont >= pWb->TextFontCount())
        return 0;
    return pWb->TextFonts()[nFont].lfEscapement != 0 ? 1 : 0;
}

}  // namespace

LONG WINAPI zebGetObjAppearance(HWND hWb, LONG nKind, LONG nIndex)
{
    return OnChild(hWb, nKind, nIndex, -1, [](HWND h) { return zebGetAppearance(h); });
}

LONG WINAPI zebSetObjAppearance(HWND hWb, LONG nKind, LONG nIndex, LONG nAppearance)
{
    return OnChild(hWb, nKind, nIndex, -1, [=](HWND h) { return zebSetAppearance(h, nAppearance); });
}

LONG WINAPI zebGetObjBkColor(HWND hWb, LONG nKind, LONG nIndex)
{
    return OnChild(hWb, nKind, nIndex, -1, [](HWND h) { return zebGetBkColor(h); });
}

LONG WINAPI zebSetObjBkColor(HWND hWb, LONG nKind, LONG nIndex, COLORREF crBack)
{
    return OnChild(hWb, nKind, nIndex, -1, [=](HWND h) { return zebSetBkColor(h, crBack); });
}

LONG WINAPI zebGetObjBorderStyle(HWND hWb, LONG nKind, LONG nIndex)
{
    return OnChild(hWb, nKind, nIndex, -1, [](HWND h) { return zebGetBorderStyle(h); });
}

LONG WINAPI zebSetObjBorderStyle(HWND hWb, LONG nKind, LONG nIndex, LONG nStyle)
{
    return OnChild(hWb, nKind, nIndex, -1, [=](HWND h) { return zebSetBorderStyle(h, nStyle); });
}

LONG WINAPI zebGetObjForeColor(HWND hWb, LONG nKind, LONG nIndex)
{
    return OnChild(hWb, nKind, nIndex, -1, [](HWND h) { return zebGetForeColor(h); });
}

LONG WINAPI zebSetObjForeColor(HWND hWb, LONG nKind, LONG nIndex, COLORREF crFore)
{
    return OnChild(hWb, nKind, nIndex, -1, [=](HWND h) { return zebSetForeColor(h, crFore); });
}

LONG WINAPI zebGetObjGridSize(HWND hWb, LONG nKind, LONG nIndex, SIZE* pSize)
{
    return OnChild(hWb, nKind, nIndex, 0, [=](HWND h) { return zebGetGridSize(h, pSize); });
}

LONG WINAPI zebSetObjGridSize(HWND hWb, LONG nKind, LONG nIndex, const SIZE* pSize)
{
    return OnChild(hWb, nKind, nIndex, 0, [=](HWND h) { return zebSetGridSize(h, pSize); });
}

LONG WINAPI zebGetObjMousePointer(HWND hWb, LONG nKind, LONG nIndex)
{
    return OnChild(hWb, nKind, nIndex, -1, [](HWND h) { return zebGetMousePointer(h); });
}

LONG WINAPI zebSetObjMousePointer(HWND hWb, LONG nKind, LONG nIndex, LONG nPointer)
{
    return OnChild(hWb, nKind, nIndex, -1, [=](HWND h) { return zebSetMousePointer(h, nPointer); });
}

LONG WINAPI zebGetObjOrgRect(HWND hWb, LONG nKind, LONG nIndex, RECT* pRect)
{
    return OnChild(hWb, nKind, nIndex, 0, [=](HWND h) { return zebGetOrgRect(h, pRect); });
}

LONG WINAPI zebGetObjStretch(HWND hWb, LONG nKind, LONG nIndex)
{
    return OnChild(hWb, nKind, nIndex, 0, [](HWND h) { return zebGetStretch(h); });
}

LONG WINAPI zebSetObjStretch(HWND hWb, LONG nKind, LONG nIndex, LONG nStretch)
{
    return OnChild(hWb, nKind, nIndex, 0, [=](HWND h) { return zebSetStretch(h, nStretch); });
}

LONG WINAPI zebSetObjVertMode(HWND hWb, LONG nKind, LONG nIndex, LONG nMode)
{
    return OnChild(hWb, nKind, nIndex, 0, [=](HWND h) { return zebSetVertMode(h, nMode); });
}

LONG WINAPI zebGetObjViewMode(HWND hWb, LONG nKind, LONG nIndex)
{
    return OnChild(hWb, nKind, nIndex, 0, [](HWND h) { return zebGetViewMode(h); });
}

LONG WINAPI zebSetObjViewMode(HWND hWb, LONG nKind, LONG nIndex, LONG nMode)
{
    return OnChild(hWb, nKind, nIndex, 0, [=](HWND h) { return zebSetViewMode(h, nMode); });
}

LONG WINAPI zebGetPicCashMode(HWND hWb, LONG nIndex)
{
    return OnChild(hWb, ZebKindPicture, nIndex, 0, [](HWND h) { return zebGetCashMode(h); });
}

LONG WINAPI zebSetPicCashMode(HWND hWb, LONG nIndex, LONG nMode)
{
    return OnChild(hWb, ZebKindPicture, nIndex, 0, [=](HWND h) { return zebSetCashMode(h, nMode); });
}

LONG WINAPI zebGetObjVertMode(HWND hWb, LONG nKind, LONG nIndex)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    if (pWb == nullptr)
        return 0;
    if (nKind == ZebKindWbText)
        return TextItemVertical(pWb, nIndex);
    if (nKind != ZebKindDoc)
        return 0;
    return OnChild(hWb, nKind, nIndex, 0, [](HWND h) { return zebGetVertMode(h); });
}

LONG WINAPI zebSetObjScale(HWND hWb, LONG nKind, LONG nIndex, LONG nPercent)
{
    return OnChild(hWb, nKind, nIndex, -1, [=](HWND h) { return zebSetScale(h, nPercent); });
}

LONG WINAPI zebSetObjOptions(HWND hWb, LONG nKind, LONG nIndex, LONG nOperation, LONG nValue)
{
    return OnChild(hWb, nKind, nIndex, -1, [=](HWND h) { return zebSetOptions(h, nOperation, nValue); });
}
