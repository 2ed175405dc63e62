#include "whiteboard/wb_text_paint.h"

#include <cstring>

#include "cp932.h"
#include "dib/dib_draw.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_paint.h"
#include "whiteboard/wb_record.h"

namespace {

// What painting one item needs.
struct ItemPainter
{
    ZebWbRecord* pWb;
    HDC hdc;
    RECT rcPage;
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
    ::ExtTextOutA(ip.hdc, ip.pt.x - ip.origin.x, ip.pt.y - ip.origin.y, ETO_CLIPPED, &ip.rcPage, p, cb, nullptr);
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
        if (ip.pt.x + TextWidth(ip.hdc, p, nFit + cbChar) > ip.nWrapWidth) {
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
        (bVertical ? ip.pt.y : ip.pt.x) += TextWidth(ip.hdc, p, cb);
        return;
    }
    while (cb > 0 && ip.pt.y - ip.origin.y < ip.rcPage.bottom) {
        const int nLine = FittingBytes(ip, p, cb);
        DrawPiece(ip, p, nLine);
        if (nLine == cb) {
            ip.pt.x += TextWidth(ip.hdc, p, cb);
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

void PaintItem(ItemPainter& ip, const ZebWbTextItem& item, const LOGFONTA& lf)
{
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont == nullptr)
        return;
    HGDIOBJ hOld = ::SelectObject(ip.hdc, hFont);
    ::SetTextColor(ip.hdc, item.crColor);
    const bool bVertical = lf.lfEscapement != 0;
    ip.bDoubleByte = lf.lfCharSet == SHIFTJIS_CHARSET;
    ip.plfItem = &lf;
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
            DrawMark(ip, c == '\n' ? ip.pWb->LineFeedMark() : ip.pWb->FormFeedMark(), bVertical);
            NewLine(ip, bVertical);
        }
        ++p;
    }
    ::SelectObject(ip.hdc, hOld);
    ::DeleteObject(hFont);
}

}  // namespace

void WbPaintTextItems(HWND hWb, HDC hdc)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    ItemPainter ip = {};
    if (pWb == nullptr || pWb->ChildCount(0) == 0 || !WbGetPageRect(hWb, &ip.rcPage) || ::IsRectEmpty(&ip.rcPage))
        return;
    RECT rcClient;
    ::GetClientRect(hWb, &rcClient);
    const ZebObjRecord& head = pWb->Head();
    ip.pWb = pWb;
    ip.hdc = hdc;
    ip.origin = head.Origin();
    ip.nWrapWidth = head.PageSize().cx > 0 ? head.PageSize().cx : rcClient.right;
    ip.bWrap = head.WrapMode() != 0;
    ip.pszLineStart = head.LineStartString();
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF crOld = ::GetTextColor(hdc);
    for (LONG i = 0; i < pWb->ChildCount(0); ++i) {
        const ZebWbTextItem& item = pWb->TextItems()[i];
        if (item.nFont >= 0 && item.nFont < pWb->TextFontCount() && item.pszText != nullptr)
            PaintItem(ip, item, pWb->TextFonts()[item.nFont]);
    }
    ::SetTextColor(hdc, crOld);
    ::SetBkMode(hdc, nOldMode);
}
