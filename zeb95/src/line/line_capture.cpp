#include "line/line_capture.h"

#include "line/line_draw.h"
#include "line/line_record.h"
#include "objects/child_painter.h"

int DrawLineChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE)
{
    RECT rcWindow, rcClient;
    if (ZebLineRecord::Of(hwndChild) == nullptr || !GetChildRectsIn(hwndWb, hwndChild, rcClip, &rcWindow, &rcClient))
        return 0;
    DrawLineObj(hwndChild, hdc, rcClient.left, rcClient.top);
    return 1;
}
