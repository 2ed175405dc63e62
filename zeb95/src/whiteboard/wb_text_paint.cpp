#include "whiteboard/wb_text_paint.h"

#include <cstring>

#include "cp932.h"
#include "dib/dib_draw.h"
#include "draw/device_scale.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_paint.h"
#include "whiteboard/wb_record.h"

namespace {

// What painting one item needs.
struct ItemPainter
{
    ZebWbRecord* pWb;
    HDC hdc;
    HDC hdcMeasure;  // holds the item's font at its whiteboard size
    const ZebDeviceScale* pScale;  // printing: positions to device pixels
    RECT rcPage;     // clip rectangle in the drawing DC's pixels
    LONG nPageBottom;  // whiteboard coordinates
    POINT origin;
    LONG nWrapWidth;
    bool bWrap;
    bool bDoubleByte;  // the font's character set is Shift-JIS
    const char* pszLineStart;
    const LOGFONTA* plfItem;
    LONG nLineHeight;
    POINT pt;  // current point, whiteboard coordinates
};

LONG TextWidth(HDC hdc, const char* p, int cb)
{
    SIZE size = {};
    ::GetTextExtentPoint32A(hdc, p, cb, &size);
    return size.cx;
}

void DrawPiece(const ItemPainter& ip, const char* p, int cb)
{
    POINT pt = {ip.pt.x - ip.origin.x, ip.pt.y - ip.origin.y};
    if (ip.pScale != nullptr)
        pt = {ip.pScale->X(pt.x), ip.pScale->Y(pt.y)};
    ::ExtTextOutA(ip.hdc, pt.x, pt.y, ETO_CLIPPED, &ip.rcPage, p, cb, nullptr);
}

int CharBytes(const ItemPainter& ip, const char* p, int nAt, int cb)
{
    return ip.bDoubleByte ? cp932::CharLength(p, nAt, cb) : 1;
}

// The character of cbChar bytes at p is one that may not begin a line.
bool IsLineStartChar(const char* pszLineStart, const char* p, int cbChar)
{
    const int cbList = pszLineStart != nullptr ? static_cast<int>(std::strlen(pszLineStart)) : 0;
    for (int i = 0; i < cbList;) {
        const int cb = cp932::CharLength(pszLineStart, i, cbList);
        if (cb == cbChar && std::memcmp(pszLineStart + i, p, static_cast<size_t>(cb)) == 0)
            return true;
        i += cb;
    }
    return false;
}

// Bytes of the run that go on the current line; at least one character.
int FittingBytes(const ItemPainter& ip, const char* p, int cb)
{
    int nFit = 0;
    int cbLastFit = 0;
    while (nFit < cb) {
        const int cbChar = CharBytes(ip, p, nFit, cb);
        if (ip.pt.x + TextWidth(ip.hdcMeasure, p, nFit + cbChar) > ip.nWrapWidth) {
            if (IsLineStartChar(ip.pszLineStart, p + nFit, cbChar) && nFit > cbLastFit)
                nFit -= cbLastFit;
            return nFit > 0 ? nFit : cbChar;
        }
        nFit += cbChar;
        cbLastFit = cbChar;
    }
    return nFit;
}

void NewLine(ItemPainter& ip, bool bVertical)
{
    if (bVertical) {
        ip.pt.x -= ip.nLineHeight;
        ip.pt.y = 0;
    } else {
        ip.pt.y += ip.nLineHeight;
        ip.pt.x = 0;
    }
}

void DrawRun(ItemPainter& ip, const char* p, int cb, bool bVertical)
{
    if (!ip.bWrap || bVertical) {
        DrawPiece(ip, p, cb);
        (bVertical ? ip.pt.y : ip.pt.x) += TextWidth(ip.hdcMeasure, p, cb);
        return;
    }
    while (cb > 0 && ip.pt.y - ip.origin.y < ip.nPageBottom) {
        const int nLine = FittingBytes(ip, p, cb);
        DrawPiece(ip, p, nLine);
        if (nLine == cb) {
            ip.pt.x += TextWidth(ip.hdcMeasure, p, cb);
            return;
        }
        NewLine(ip, false);
        p += nLine;
        cb -= nLine;
    }
}

// A character mark: the table font turned as the item's font is.
void DrawCharMark(const ItemPainter& ip, const ZebWbMark& mark, POINT pt)
{
    LOGFONTA lf = ip.pWb->TextFonts()[mark.nFont];
    lf.lfEscapement = ip.plfItem->lfEscapement;
    lf.lfOrientation = ip.plfItem->lfOrientation;
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont == nullptr)
        return;
    HGDIOBJ hOld = ::SelectObject(ip.hdc, hFont);
    const COLORREF crOld = ::SetTextColor(ip.hdc, mark.crColor);
    char bytes[2];
    ::ExtTextOutA(ip.hdc, pt.x, pt.y, ETO_CLIPPED, &ip.rcPage, bytes, WbMarkBytes(mark, bytes), nullptr);
    ::SetTextColor(ip.hdc, crOld);
    ::SelectObject(ip.hdc, hOld);
    ::DeleteObject(hFont);
}

// A bitmap mark: the item's DIB 1:1, clipped to the page.
void DrawBmpMark(const ItemPainter& ip, const ZebWbMark& mark, POINT pt)
{
    const ZebWbBmpItem& item = ip.pWb->BmpItems()[mark.wCode];
    const int nSaved = ::SaveDC(ip.hdc);
    ::IntersectClipRect(ip.hdc, ip.rcPage.left, ip.rcPage.top, ip.rcPage.right, ip.rcPage.bottom);
    DrawDib(ip.hdc, pt.x, pt.y, item.size.cx, item.size.cy, item.hDib, 0, 0, SRCCOPY);
    ::RestoreDC(ip.hdc, nSaved);
}

// The mark at the current point, on the bottom of the line (horizontal) or
// at its side (vertical); a mark whose font or bitmap item is missing is
// not drawn.
void DrawMark(const ItemPainter& ip, const ZebWbMark& mark, bool bVertical)
{
    const bool bBitmap = IsWbBmpMark(mark) && mark.wCode < ip.pWb->ChildCount(kWbBmpItemSlot);
    const bool bChar = mark.wCode != kWbNoMark && mark.nFont >= 0 && mark.nFont < ip.pWb->TextFontCount();
    POINT pt = {ip.pt.x - ip.origin.x, ip.pt.y - ip.origin.y};
    if (!bVertical)
        pt.y += ip.nLineHeight - mark.cy;
    else if (bChar)
        pt.x += mark.cy - ip.nLineHeight;
    else
        pt.x -= mark.cx;
    if (bChar)
        DrawCharMark(ip, mark, pt);
    else if (bBitmap)
        DrawBmpMark(ip, mark, pt);
}

// The item's font for drawing: on a printer its height and width scaled
// by the vertical ratio in wrap mode, else by the horizontal one.
LOGFONTA DrawingFont(const ItemPainter& ip, const LOGFONTA& lf)
{
    LOGFONTA lfDraw = lf;
    if (ip.pScale != nullptr) {
        const LONG nNum = ip.bWrap ? ip.pScale->device.cy : ip.pScale->device.cx;
        const LONG nDen = ip.bWrap ? ip.pScale->object.cy : ip.pScale->object.cx;
        lfDraw.lfHeight = static_cast<LONG>(static_cast<LONGLONG>(lf.lfHeight) * nNum / nDen);
        lfDraw.lfWidth = static_cast<LONG>(static_cast<LONGLONG>(lf.lfWidth) * nNum / nDen);
    }
    return lfDraw;
}

void WalkItem(ItemPainter& ip, const ZebWbTextItem& item, bool bVertical)
{
    ip.nLineHeight = item.size.cy;
    ip.pt = item.pt;
    const char* p = item.pszText;
    while (*p != '\0') {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 32) {
            const char* pEnd = p;
            while (static_cast<unsigned char>(*pEnd) >= 32)
                ++pEnd;
            DrawRun(ip, p, static_cast<int>(pEnd - p), bVertical);
            p = pEnd;
            continue;
        }
        if (c == '\n' || c == '\f') {
            if (ip.pScale == nullptr)
                DrawMark(ip, c == '\n' ? ip.pWb->LineFeedMark() : ip.pWb->FormFeedMark(), bVertical);
            NewLine(ip, bVertical);
        }
        ++p;
    }
}

void PaintItem(ItemPainter& ip, const ZebWbTextItem& item, const LOGFONTA& lf)
{
    const LOGFONTA lfDraw = DrawingFont(ip, lf);
    HFONT hFont = ::CreateFontIndirectA(&lfDraw);
    HFONT hMeasureFont = ip.hdcMeasure != ip.hdc ? ::CreateFontIndirectA(&lf) : nullptr;
    if (hFont != nullptr && (ip.hdcMeasure == ip.hdc || hMeasureFont != nullptr)) {
        HGDIOBJ hOld = ::SelectObject(ip.hdc, hFont);
        HGDIOBJ hOldMeasure = hMeasureFont != nullptr ? ::SelectObject(ip.hdcMeasure, hMeasureFont) : nullptr;
        ::SetTextColor(ip.hdc, item.crColor);
        ip.bDoubleByte = lf.lfCharSet == SHIFTJIS_CHARSET;
        ip.plfItem = &lf;
        WalkItem(ip, item, lf.lfEscapement != 0);
        if (hOldMeasure != nullptr)
            ::SelectObject(ip.hdcMeasure, hOldMeasure);
        ::SelectObject(ip.hdc, hOld);
    }
    if (hMeasureFont != nullptr)
        ::DeleteObject(hMeasureFont);
    if (hFont != nullptr)
        ::DeleteObject(hFont);
}

// Sets up the painter on the page; false when nothing is to be drawn.
bool StartItems(HWND hWb, HDC hdc, ItemPainter* pIp)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    ItemPainter& ip = *pIp;
    if (pWb == nullptr || pWb->ChildCount(0) == 0 || pWb->TextItems() == nullptr || !WbGetPageRect(hWb, &ip.rcPage) ||
        ::IsRectEmpty(&ip.rcPage))
        return false;
    RECT rcClient;
    ::GetClientRect(hWb, &rcClient);
    const ZebObjRecord& head = pWb->Head();
    ip.pWb = pWb;
    ip.hdc = hdc;
    ip.hdcMeasure = hdc;
    ip.nPageBottom = ip.rcPage.bottom;
    ip.origin = head.Origin();
    ip.nWrapWidth = head.PageSize().cx > 0 ? head.PageSize().cx : rcClient.right;
    ip.bWrap = head.WrapMode() != 0;
    ip.pszLineStart = head.LineStartString();
    return true;
}

// Every item with a valid font and a text; 3 when pfnCancelled says so
// before an item, else 1.
LONG PaintItems(ItemPainter& ip, bool (*pfnCancelled)())
{
    const int nOldMode = ::SetBkMode(ip.hdc, TRANSPARENT);
    const COLORREF crOld = ::GetTextColor(ip.hdc);
    LONG nResult = 1;
    for (LONG i = 0; i < ip.pWb->ChildCount(0); ++i) {
        if (pfnCancelled != nullptr && pfnCancelled()) {
            nResult = 3;
            break;
        }
        const ZebWbTextItem& item = ip.pWb->TextItems()[i];
        if (item.nFont >= 0 && item.nFont < ip.pWb->TextFontCount() && item.pszText != nullptr)
            PaintItem(ip, item, ip.pWb->TextFonts()[item.nFont]);
    }
    ::SetTextColor(ip.hdc, crOld);
    ::SetBkMode(ip.hdc, nOldMode);
    return nResult;
}

}  // namespace

void WbPaintTextItems(HWND hWb, HDC hdc)
{
    ItemPainter ip = {};
    if (StartItems(hWb, hdc, &ip))
        PaintItems(ip, nullptr);
}

LONG WbPrintTextItems(HWND hWb, HDC hdc, const ZebDeviceScale& scale, bool (*pfnCancelled)())
{
    if (ZebWbRecord::From(GetObjRecord(hWb)) == nullptr)
        return -1;
    ItemPainter ip = {};
    if (!StartItems(hWb, hdc, &ip))
        return 1;
    ip.pScale = &scale;
    ip.rcPage = scale.Rect(ip.rcPage);
    ip.hdcMeasure = ::CreateCompatibleDC(nullptr);
    if (ip.hdcMeasure == nullptr)
        return -1;
    const LONG nResult = PaintItems(ip, pfnCancelled);
    ::DeleteDC(ip.hdcMeasure);
    return nResult;
}
