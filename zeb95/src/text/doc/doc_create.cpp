#include "text/doc/doc_create.h"

#include "objects/obj_create.h"
#include "objects/global_mem.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "text/tables/color_index.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_marks.h"
#include "text/doc/doc_record.h"
#include "text/doc/doc_settings.h"
#include "text/ime/doc_ime.h"

namespace {

const DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
const DWORD kScrollBars = WS_HSCROLL | WS_VSCROLL;
const DWORD kTransparentBit = 0x20;
const DWORD kReadExStyles = WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
const int kMostScale = 1000;
const LONG kMostCharExtra = 32767;
const LONG kNoImeFont = -1;

bool Has(const ZebDocCreateInfo& info, DWORD dwBits) { return (info.dwMask & dwBits) != 0; }

struct WindowShape
{
    DWORD dwStyle;
    DWORD dwExStyle;
    RECT rc;  // left, top, width, height
};

// Style and place: a scroll bar brings both, transparency drops the border
// and the bars.
WindowShape ShapeOf(HWND hParent, const ZebDocCreateInfo* pInfo)
{
    if (pInfo == nullptr)
        return {0, 0, {0, 0, 1, 1}};
    const ZebDocCreateInfo& info = *pInfo;
    WindowShape shape = {WS_BORDER, 0, {info.x, info.y, info.cx, info.cy}};
    if (Has(info, ZEBDOC_STYLE))
    {
        shape.dwStyle = info.dwStyle & (WS_BORDER | kScrollBars);
        if ((shape.dwStyle & kScrollBars) != 0)
            shape.dwStyle |= kScrollBars;
        shape.dwExStyle = ((info.dwStyle & kTransparentBit) | info.dwExStyle) & kReadExStyles;
        if ((shape.dwExStyle & WS_EX_TRANSPARENT) != 0)
        {
            shape.dwStyle = 0;
            shape.dwExStyle = WS_EX_TRANSPARENT;
        }
    }
    const ZebObjRecord* pWb = IsWhiteBoard(hParent) ? GetObjRecord(hParent) : nullptr;
    if (pWb != nullptr)
    {
        shape.rc.left -= pWb->Origin().x;
        shape.rc.top -= pWb->Origin().y;
    }
    return shape;
}

void ApplyColors(ZebDocRecord& doc, const ZebDocCreateInfo& info)
{
    ZebObjRecord& head = doc.head;
    if (Has(info, ZEBDOC_FORECOLOR))
    {
        head.SetForeColor(info.crFore);
        doc.nTypingColor = ColorToIndex(info.crFore);
    }
    if (Has(info, ZEBDOC_BKCOLOR))
    {
        head.SetBkColor(info.crBack);
        head.SetBorderColor(info.crBack);
    }
    if (Has(info, ZEBDOC_BORDERCOLOR))
        head.SetBorderColor(info.crBorder);
}

// View, mode and input settings up to the fonts and marks.
void ApplyModes(HWND hwnd, ZebDocRecord& doc, const ZebDocCreateInfo& info)
{
    if (Has(info, ZEBDOC_VIEWMODE))
        doc.head.SetViewMode(static_cast<DWORD>(info.nViewMode));
    if (Has(info, ZEBDOC_STATICMODE))
        doc.nStaticMode = info.nStaticMode;
    if (Has(info, ZEBDOC_CURSOR))
        doc.head.ReplaceCursor(info.hCursor);
    if (Has(info, ZEBDOC_VERTICAL))
        DocSetVertMode(hwnd, static_cast<DWORD>(info.nVerticalMode));
    if (Has(info, ZEBDOC_LIMIT))
    {
        doc.nLimit = info.wLimit;
        DocRelayout(hwnd);
    }
    if (Has(info, ZEBDOC_POINTER))
        doc.head.SetPointerNumber(static_cast<DWORD>(info.nPointerNumber));
    if (Has(info, ZEBDOC_FONT))
        DocSetFont(hwnd, &info.lfFont);
    if (Has(info, ZEBDOC_LINEFEEDMARK))
        DocSetNewLineMark(hwnd, info.wLineFeedCode, info.plfLineFeed, FALSE);
    if (Has(info, ZEBDOC_FORMFEEDMARK))
        DocSetFormFeedMark(hwnd, info.wFormFeedCode, info.plfFormFeed, FALSE);
    if (Has(info, ZEBDOC_LINESTART))
    {
        ZebLayoutPause pause(hwnd);
        LockedGlobalFree(doc.head.LineStartString());
        doc.head.SetLineStartString(info.pszLineStart != nullptr ? LockedGlobalStrDup(info.pszLineStart) : nullptr);
    }
}

// Alignment, cells and the smaller layout settings; the cells are stored
// while the alignment is held at 0, so that they cause no relayout.
void ApplyLayoutSettings(HWND hwnd, ZebDocRecord& doc, const ZebDocCreateInfo& info)
{
    if (Has(info, ZEBDOC_ALIGNMENT))
        doc.nAlignment = info.nAlignment;
    if (Has(info, ZEBDOC_USERCELLS))
    {
        const int nAlignment = doc.nAlignment;
        doc.nAlignment = 0;
        DocSetUserCells(hwnd, info.pUserCells);
        doc.nAlignment = nAlignment;
    }
    if (Has(info, ZEBDOC_GRID))
    {
        doc.nGridCx = info.nGridCx;
        doc.nGridCy = info.nGridCy;
    }
    if (Has(info, ZEBDOC_SCALE) && info.nScale >= 1 && info.nScale <= kMostScale)
        doc.nScale = info.nScale;
    if (Has(info, ZEBDOC_CHAREXTRA) && info.nCharExtra >= 0 && info.nCharExtra <= kMostCharExtra)
        doc.nCharExtra = info.nCharExtra;
    if (Has(info, ZEBDOC_FILTERMATCH | ZEBDOC_FILTERREPLACE))
        DocSetFilter(hwnd, info.pszFilterMatch, info.pszFilterReplace);
}

// Scroll origin and fixed size; with a fixed size the scroll bars the
// style asked for stay only in a fixed direction.
void ApplySize(HWND hwnd, ZebDocRecord& doc, const ZebDocCreateInfo& info)
{
    ZebObjRecord& head = doc.head;
    if (Has(info, ZEBDOC_SCROLLORIGIN))
        head.SetOrigin({info.nScrollX, info.nScrollY});
    if (Has(info, ZEBDOC_FIXEDSIZE))
    {
        const SIZE fixed = {info.nFixedWidth > 0 ? info.nFixedWidth : 0, info.nFixedHeight > 0 ? info.nFixedHeight : 0};
        head.SetPageSize(fixed);
        if ((head.Style() & kScrollBars) != 0)
            head.SetStyle((head.Style() & ~kScrollBars) | (fixed.cx > 0 ? WS_HSCROLL : 0) |
                          (fixed.cy > 0 ? WS_VSCROLL : 0));
    }
    if (Has(info, ZEBDOC_SCROLLORIGIN | ZEBDOC_FIXEDSIZE))
        DocApplySize(hwnd);
}

void ApplyIme(HWND hwnd, ZebDocRecord& doc, const ZebDocCreateInfo& info)
{
    if (Has(info, ZEBDOC_IMEMODE))
        DocChangeImeMode(hwnd, info.nImeMode);
    if (Has(info, ZEBDOC_IMEFONT) && info.nImeFontSelector != kNoImeFont)
        doc.nImeFontSelector = info.nImeFontSelector;
}

}  // namespace

HWND DocCreateObj(HWND hParent, const ZebDocCreateInfo* pInfo, LONG* pnIndex)
{
    const WindowShape shape = ShapeOf(hParent, pInfo);
    HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hParent, GWLP_HINSTANCE));
    HWND hwnd = ::CreateWindowExA(shape.dwExStyle, kDocClass, "", shape.dwStyle | kChildStyle, shape.rc.left,
                                  shape.rc.top, shape.rc.right, shape.rc.bottom, hParent, nullptr, hInstance, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
    {
        ::DestroyWindow(hwnd);
        return nullptr;
    }
    BringObjToTop(hwnd);
    if (pInfo != nullptr)
    {
        ApplyColors(*pDoc, *pInfo);
        ApplyModes(hwnd, *pDoc, *pInfo);
        ApplyLayoutSettings(hwnd, *pDoc, *pInfo);
        ApplySize(hwnd, *pDoc, *pInfo);
        ApplyIme(hwnd, *pDoc, *pInfo);
    }
    DocRelayout(hwnd);
    if (pnIndex != nullptr)
        *pnIndex = GetObjIndex(hwnd);
    return hwnd;
}
