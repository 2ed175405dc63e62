#include "text/doc/doc_geometry.h"

#include <climits>
#include <initializer_list>

#include "draw/scroll_bars.h"
#include "objects/events.h"
#include "objects/obj_children.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "zeb95.h"

namespace {

int ClientSize(HWND hwnd, int nBar)
{
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    return nBar == SB_VERT ? rc.bottom - rc.top : rc.right - rc.left;
}

int OriginOf(const ZebDocRecord& doc, int nBar)
{
    return nBar == SB_VERT ? doc.head.Origin().y : doc.head.Origin().x;
}

// The position kept at most at the bar's maximum less the visible size and
// never below its minimum.
int ClampToBar(long long nPos, const SCROLLINFO& si, int nVisible)
{
    const long long nMost = static_cast<long long>(si.nMax) - nVisible;
    if (nPos > nMost)
        nPos = nMost;
    return static_cast<int>(nPos < si.nMin ? si.nMin : nPos);
}

SCROLLINFO BarInfo(HWND hwnd, int nBar)
{
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(hwnd, nBar, &si))
        si.nMin = si.nMax = si.nPos = 0;
    return si;
}

// Moves the origin of the bar's direction, the window's content by the
// zoomed difference and the bar's position; false when it stays.
bool MoveOrigin(HWND hwnd, ZebDocRecord& doc, int nBar, int nNew)
{
    const int nOld = OriginOf(doc, nBar);
    if (nNew == nOld)
        return false;
    const int d = DocToClientPixels(nOld, doc.nScale) - DocToClientPixels(nNew, doc.nScale);
    ::ScrollWindow(hwnd, nBar == SB_VERT ? 0 : d, nBar == SB_VERT ? d : 0, nullptr, nullptr);
    POINT origin = doc.head.Origin();
    (nBar == SB_VERT ? origin.y : origin.x) = nNew;
    doc.head.SetOrigin(origin);
    ::SetScrollPos(hwnd, nBar, nNew, TRUE);
    return true;
}

int Step(int nCode, int nVisible, int nPos, const SCROLLINFO& si, int nOrigin)
{
    switch (nCode)
    {
    case SB_LINEUP: return -(nVisible / 16) - 1;
    case SB_LINEDOWN: return nVisible / 16 + 1;
    case SB_PAGEUP: return -(nVisible / 2) - 1;
    case SB_PAGEDOWN: return nVisible / 2 + 1;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return nPos - si.nPos;
    default: return si.nPos - nOrigin;
    }
}

struct LineSum
{
    int nTotal;      // held at INT_MAX
    int nFirstOver;  // the first line that ends beyond the extent, or -1
};

LineSum SumLines(const ZebLineTable& lines, int nExtent)
{
    const long long nTotal = lines.Top(lines.Count());
    long long nTop = 0;
    const int nFirstOver = nTotal > nExtent ? lines.LineAt(nExtent, &nTop) : -1;
    return {static_cast<int>(nTotal < INT_MAX ? nTotal : INT_MAX), nFirstOver};
}

void ReportOverflow(HWND hwnd, ZebDocRecord& doc, int nFirstOver)
{
    if (nFirstOver < 1 || (doc.nRectOverflow != 1 && doc.nRectOverflow != 2))
        return;
    if (doc.nRectOverflow == 1)
        doc.nRectOverflow = 0;
    ::PostMessageA(ZebEventTarget(hwnd), MsgZebCmd, MakeZebCmdWParam(ZebEventBase(ZebKindDoc) + ZebEventOverflow, nFirstOver),
                   reinterpret_cast<LPARAM>(hwnd));
}

int Scroll(HWND hwnd, int nBar, int nCode, int nPos)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const int nVisible = ClientToDocPixels(ClientSize(hwnd, nBar), pDoc->nScale);
    const SCROLLINFO si = BarInfo(hwnd, nBar);
    const int nOrigin = OriginOf(*pDoc, nBar);
    const long long nWanted = static_cast<long long>(nOrigin) + Step(nCode, nVisible, nPos, si, nOrigin);
    MoveOrigin(hwnd, *pDoc, nBar, ClampToBar(nWanted, si, nVisible));
    return 1;
}

// The origin kept between 0 and nMost (0 when nMost is below 0).
LONG ClampOrigin(LONG nOrigin, int nMost)
{
    if (nOrigin > nMost)
        nOrigin = nMost;
    return nOrigin < 0 ? 0 : nOrigin;
}

}  // namespace

bool IsScaled(int nScale) { return nScale != 100 && nScale >= 1; }

RECT DocClientInDoc(HWND hwnd, int nScale)
{
    RECT rc = {};
    ::GetClientRect(hwnd, &rc);
    if (!IsScaled(nScale))
        return rc;
    return {static_cast<LONG>(rc.left * 100LL / nScale), static_cast<LONG>(rc.top * 100LL / nScale),
            static_cast<LONG>((rc.right * 100LL + nScale - 1) / nScale),
            static_cast<LONG>((rc.bottom * 100LL + nScale - 1) / nScale)};
}

int ClientToDocPixels(int v, int nScale)
{
    return IsScaled(nScale) ? static_cast<int>((v * 200LL + nScale) / (2LL * nScale)) : v;
}

int DocToClientPixels(int v, int nScale)
{
    return IsScaled(nScale) ? static_cast<int>((static_cast<long long>(v) * nScale + 50) / 100) : v;
}

int DocGetLineHeight(HWND hwnd, int nLine)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    const ZebLineTable& lines = *pDoc->Lines();
    if (nLine < 0)
        nLine = pDoc->head.CaretPos().y;
    return nLine >= 0 && nLine < lines.Count() ? lines.At(nLine).height : 0;
}

void DocUpdateExtent(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return;
    ZebDocRecord& doc = *pDoc;
    const bool bVertical = doc.head.Vertical() != 0;
    const int nStackBar = bVertical ? SB_HORZ : SB_VERT;
    const SIZE fixed = doc.head.PageSize();
    const int nOldWidth = doc.nDocWidth;
    doc.nDocWidth = fixed.cx > 0 ? fixed.cx : ClientSize(hwnd, SB_HORZ);
    doc.nDocHeight = fixed.cy > 0 ? fixed.cy : ClientSize(hwnd, SB_VERT);
    int& nStack = bVertical ? doc.nDocWidth : doc.nDocHeight;
    const LineSum sum = SumLines(*doc.Lines(), nStack);
    const int nVisible = ClientToDocPixels(ClientSize(hwnd, nStackBar), doc.nScale);
    const LONG nBar = bVertical ? WS_HSCROLL : WS_VSCROLL;
    if ((::GetWindowLongA(hwnd, GWL_STYLE) & nBar) != 0 && nStack >= nVisible)
        nStack = sum.nTotal < nStack ? (sum.nTotal > nVisible ? sum.nTotal : nVisible) : nStack;
    if (bVertical && doc.nDocWidth != nOldWidth)
        ::ScrollWindow(hwnd, DocToClientPixels(doc.nDocWidth - nOldWidth, doc.nScale), 0, nullptr, nullptr);
    ReportOverflow(hwnd, doc, sum.nFirstOver);
}

void DocClampScroll(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return;
    const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
    bool bMoved = false;
    for (int nBar : {SB_HORZ, SB_VERT})
    {
        if ((style & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) == 0)
            continue;
        const int nVisible = ClientToDocPixels(ClientSize(hwnd, nBar), pDoc->nScale);
        bMoved |= MoveOrigin(hwnd, *pDoc, nBar, ClampToBar(OriginOf(*pDoc, nBar), BarInfo(hwnd, nBar), nVisible));
    }
    if (bMoved)
        InvalidateObj(hwnd);
}

void DocKeepAppliedSize(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    RECT rc;
    if (pDoc != nullptr && ::GetWindowRect(hwnd, &rc))
        pDoc->SetAppliedSize({rc.right - rc.left, rc.bottom - rc.top});
}

void DocOnSize(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    RECT rc;
    if (pDoc == nullptr || !::GetWindowRect(hwnd, &rc))
        return;
    const SIZE applied = pDoc->AppliedSize();
    if (rc.right - rc.left != applied.cx || rc.bottom - rc.top != applied.cy)
        DocApplySize(hwnd);
}

int DocApplySize(HWND hwnd)
{
    if (ZebDocRecord::From(hwnd) == nullptr)
        return 0;
    DocKeepAppliedSize(hwnd);
    DocUpdateExtent(hwnd);
    DocRelayout(hwnd);
    DocRefreshScrollBars(hwnd);
    return 1;
}

void DocRefreshScrollBars(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return;
    const DWORD dwStyle = pDoc->head.Style();
    const SIZE fixed = pDoc->head.PageSize();
    const DWORD dwBars = (fixed.cx > 0 ? dwStyle & WS_HSCROLL : 0) | (fixed.cy > 0 ? dwStyle & WS_VSCROLL : 0);
    const LONG styleBefore = ::GetWindowLongA(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
    if (dwBars == 0)
    {
        ::SetScrollRange(hwnd, SB_HORZ, 0, 0, TRUE);
        ::SetScrollRange(hwnd, SB_VERT, 0, 0, TRUE);
    }
    else
    {
        SIZE extent = {pDoc->nDocWidth, pDoc->nDocHeight};
        SetObjScrollBarsZoomed(hwnd, &extent, dwBars, pDoc->nScale);
        if ((dwBars & WS_HSCROLL) == 0)
            pDoc->nDocWidth = extent.cx;
        if ((dwBars & WS_VSCROLL) == 0)
            pDoc->nDocHeight = extent.cy;
        DocClampScroll(hwnd);
    }
    const LONG styleAfter = ::GetWindowLongA(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
    if (styleAfter == styleBefore || (dwStyle & (WS_HSCROLL | WS_VSCROLL)) == 0)
        return;
    POINT origin = pDoc->head.Origin();
    origin.x = ClampOrigin(origin.x, pDoc->nDocWidth - ClientToDocPixels(ClientSize(hwnd, SB_HORZ), pDoc->nScale));
    origin.y = ClampOrigin(origin.y, pDoc->nDocHeight - ClientToDocPixels(ClientSize(hwnd, SB_VERT), pDoc->nScale));
    pDoc->head.SetOrigin(origin);
    InvalidateObj(hwnd);
}

int DocVScroll(HWND hwnd, int nCode, int nPos) { return Scroll(hwnd, SB_VERT, nCode, nPos); }

int DocHScroll(HWND hwnd, int nCode, int nPos) { return Scroll(hwnd, SB_HORZ, nCode, nPos); }
