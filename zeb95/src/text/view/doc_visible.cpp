#include "text/view/doc_visible.h"

#include "text/caret/scroll_into_view.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/view/doc_mapping.h"
#include "text/view/line_placement.h"

namespace {

// The position under the client corner (bRight: the right edge, bBottom:
// the bottom edge), the client size in client pixels added to the origin;
// false without record.
bool PositionAt(HWND hwnd, bool bRight, bool bBottom, POINT* pPosition)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || DocWaitLayout(hwnd, -1) < 0)
        return false;
    RECT rc = {};
    ::GetClientRect(hwnd, &rc);
    const POINT origin = pDoc->head.Origin();
    return DocPointToPosition(hwnd, origin.x + (bRight ? rc.right - 1 : 0), origin.y + (bBottom ? rc.bottom - 1 : 0),
                              pPosition) != 0;
}

}  // namespace

int DocFirstVisibleLine(HWND hwnd)
{
    POINT pos = {};
    return PositionAt(hwnd, true, false, &pos) ? pos.y : -1;
}

int DocFirstVisibleColumn(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    POINT pos = {};
    return pDoc != nullptr && PositionAt(hwnd, pDoc->head.Vertical() != 0, false, &pos) ? pos.x : -1;
}

int DocLastVisibleLine(HWND hwnd)
{
    POINT pos = {};
    return PositionAt(hwnd, false, true, &pos) ? pos.y : -1;
}

int DocSetFirstLine(HWND hwnd, int nLine)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || DocWaitLayout(hwnd, -1) < 0 || nLine < 0 || nLine >= pDoc->Lines()->Count())
        return -1;
    POINT pt = {};
    if (!DocPositionToPoint(hwnd, 0, nLine, &pt, nullptr, nullptr))
        return -1;
    const int nFirst = DocFirstVisibleLine(hwnd);
    DocScrollTo(hwnd, *pDoc, true, pt.y);
    return nFirst;
}

int DocSetFirstColumn(HWND hwnd, int nColumn)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return -1;
    const int nFirst = DocFirstVisibleColumn(hwnd);
    POINT top = {};
    if (!PositionAt(hwnd, false, false, &top) || top.y >= pDoc->Lines()->Count() || nColumn < 0 ||
        nColumn > LineLastColumn(pDoc->Lines()->At(top.y)))
        return -1;
    POINT pt = {};
    if (!DocPositionToPoint(hwnd, nColumn, top.y, &pt, nullptr, nullptr))
        return -1;
    DocScrollTo(hwnd, *pDoc, false, pt.x);
    return nFirst;
}
