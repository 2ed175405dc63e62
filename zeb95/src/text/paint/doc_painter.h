// The one painting pass behind every painter of a text document: the
// visible lines placed by the alignment family (plain, justified,
// justified with aligned paragraph ends, user cells), drawn on the
// document's window at 100 percent, zoomed, or on any device context at
// a pair of resolutions.
#pragma once
#include <windows.h>

enum class ZebPaintTarget
{
    Window,  // 1:1, runs of text in the plain family, opaque fills
    Zoomed,  // the window at the scale, one character per output
    Device,  // scaled by target / object resolution: no fills, selection or marks
};

enum class ZebPaintFamily
{
    Plain,
    Justified,
    JustifiedPara,
    Cells,
};

struct ZebPaintRequest
{
    HWND hwnd;
    HDC hdc;
    RECT rc;           // update or source rectangle, object client coordinates
    POINT pre;         // offset point: added before scaling (document pixels)
    POINT post;        // added after scaling (device pixels); device target only
    SIZE objectRes;    // device target: a length l becomes target * l / object
    SIZE targetRes;
    ZebPaintTarget target;
    ZebPaintFamily family;
    bool bVertical;    // columns from the right edge leftwards
};

// Window targets: 1 painted, 0 without record or working memory. Device
// target: 1 when a line met the rectangle, else 0 and nothing drawn.
int PaintDocument(const ZebPaintRequest& request);
