#include "whiteboard/wb_text_paint.h"

#include <cstring>

#include "cp932.h"
#include "whiteboard/wb_paint.h"
#include "whiteboard/wb_record.h"

namespace {

// What painting one item needs.
struct ItemPainter
{
    HDC hdc;
    RECT rcPage;
    POINT origin;
    LONG nWrapWidth;
    bool bWrap;
    bool bDoubleByte;  // the font's character set is Shift-JIS
    const char* pszLineStart;
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

void PaintItem(ItemPainter& ip, const ZebWbTextItem& item, const LOGFONTA& lf)
{
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont == nullptr)
        return;
    HGDIOBJ hOld = ::SelectObject(ip.hdc, hFont);
    ::SetTextColor(ip.hdc, item.crColor);
    const bool bVertical = lf.lfEscapement != 0;
    ip.bDoubleByte = lf.lfCharSet == SHIFTJIS_CHARSET;
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
        if (c == '\n' || c == '\f')
            NewLine(ip, bVertical);
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
