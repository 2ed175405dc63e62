// A whiteboard, or one object of it, drawn on a printer page: lengths
// from the whiteboard's resolution to the device's, moved by the print
// offset. Every step answers 1 (go on), 3 (the job was cancelled) or -1
// (failure), and checks the cancelled flag before it draws.
#pragma once
#include <windows.h>

#include "draw/device_scale.h"

struct ZebPrintTarget
{
    HDC hdc;
    ZebDeviceScale scale;  // offset: the print offset in device pixels
    POINT offsetTenthMm;   // the print offset as given
};

// The target on hdc at the DC's resolution (LOGPIXELSX/Y) and the
// whiteboard's, the offset in tenths of a millimetre (null: none)
// converted with the sign kept.
ZebPrintTarget PrintTargetOf(HWND hWb, HDC hdc, const POINT* pOffsetTenthMm);

// The page's content: the print rectangle (client area with its scroll
// bars' room) as a clip region, background, text items, bitmap items, then
// the children from the bottom of the z-order up, stopping at the first
// result other than 1.
LONG PrintWbPageContent(HWND hWb, const ZebPrintTarget& target);
// The same between StartPage and EndPage; -1 when the page cannot start.
LONG PrintWbPage(HWND hWb, const ZebPrintTarget& target);
// One child alone at the page origin (moved by the offset), without its
// border, between StartPage and EndPage.
LONG PrintWbObjectPage(HWND hWb, HWND hChild, const ZebPrintTarget& target);

// rc in whiteboard coordinates: the back colour, or without page size the
// border colour with the page in the back colour.
LONG PrintWbBackground(HWND hWb, const ZebPrintTarget& target, const RECT& rc);
LONG PrintWbTextItems(HWND hWb, const ZebPrintTarget& target);
// The bitmap items from the last to the first.
LONG PrintWbBmpItems(HWND hWb, const ZebPrintTarget& target);
