// Whiteboard pixels (the object resolution) to device pixels, moved by an
// offset in device pixels; integer arithmetic, truncating.
#pragma once
#include <windows.h>

struct ZebDeviceScale
{
    SIZE object;   // dots per inch of the whiteboard's lengths
    SIZE device;   // dots per inch of the device context
    POINT offset;  // added to every device position

    LONG Cx(LONG cx) const { return static_cast<LONG>(static_cast<LONGLONG>(cx) * device.cx / object.cx); }
    LONG Cy(LONG cy) const { return static_cast<LONG>(static_cast<LONGLONG>(cy) * device.cy / object.cy); }
    LONG X(LONG x) const { return Cx(x) + offset.x; }
    LONG Y(LONG y) const { return Cy(y) + offset.y; }
    RECT Rect(const RECT& rc) const { return {X(rc.left), Y(rc.top), X(rc.right), Y(rc.bottom)}; }
};
