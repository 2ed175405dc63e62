#include "text/view/doc_invalidate.h"

#include <algorithm>
#include <new>
#include <vector>

#include "objects/obj_children.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_record.h"
#include "text/view/doc_mapping.h"

namespace {

// A position's line in client-relative document pixels: its corner and
// the line's height.
struct Place
{
    long long x;
    long long y;
    long long h;
};

// What is to be invalidated, in client-relative document pixels.
struct Damage
{
    bool bAll = false;
    std::vector<RECT> rects;

    void Add(long long l, long long t, long long r, long long b)
    {
        if (l < r && t < b)
            rects.push_back({static_cast<LONG>(l), static_cast<LONG>(t), static_cast<LONG>(r), static_cast<LONG>(b)});
    }
};

bool PlaceOf(HWND hwnd, const ZebDocRecord& doc, POINT pos, bool bStart, Place* pPlace)
{
    POINT pt = {};
    SIZE size = {};
    if (!DocPositionToPoint(hwnd, pos.x, pos.y, &pt, &size, nullptr))
        return false;
    const bool bVertical = doc.head.Vertical() != 0;
    const int nHeight = bVertical ? size.cx : size.cy;
    if (nHeight <= 0)
        return false;
    const POINT origin = doc.head.Origin();
    pPlace->x = static_cast<long long>(pt.x) - origin.x;
    pPlace->y = static_cast<long long>(pt.y) - origin.y;
    pPlace->h = nHeight;
    if (bStart && pos.x == 0)
        (bVertical ? pPlace->y : pPlace->x) = -static_cast<long long>(bVertical ? origin.y : origin.x);
    return true;
}

void OnlyToAcross(const RECT& c, const Place& p, Damage* pDamage)
{
    if (p.y >= c.bottom)
        pDamage->bAll = true;
    else if (p.y + p.h <= c.top)
        return;
    else if (p.x >= c.right)
        pDamage->Add(c.left, c.top, c.right, p.y + p.h);
    else
    {
        if (p.x > c.left)
            pDamage->Add(c.left, std::max<long long>(p.y, c.top), p.x, std::min<long long>(p.y + p.h, c.bottom));
        if (p.y > c.top)
            pDamage->Add(c.left, c.top, c.right, p.y);
    }
}

void OnlyFromAcross(const RECT& c, const Place& p, Damage* pDamage)
{
    if (p.y >= c.bottom)
        return;
    if (p.y + p.h <= c.top)
    {
        pDamage->bAll = true;
        return;
    }
    if (p.x > c.left && p.x < c.right)
    {
        pDamage->Add(p.x, std::max<long long>(p.y, c.top), c.right, std::min<long long>(p.y + p.h, c.bottom));
        if (p.y + p.h >= c.bottom)
            return;
    }
    pDamage->Add(c.left, p.x > c.left ? p.y + p.h : p.y, c.right, c.bottom);
}

void BothAcross(const RECT& c, const Place& p1, const Place& p2, Damage* pDamage)
{
    if (p1.y >= c.bottom)
        return;
    long long t = c.top;
    long long b = c.bottom;
    if (p1.y + p1.h > t)
    {
        pDamage->Add(p1.x, std::max(p1.y, t), c.right, std::min(p1.y + p1.h, b));
        t = p1.y + p1.h;
        if (t >= b)
            return;
    }
    if (p2.y < b)
    {
        pDamage->Add(c.left, std::max(p2.y, t), p2.x, std::min(p2.y + p2.h, b));
        b = p2.y;
        if (b <= t)
            return;
    }
    pDamage->Add(c.left, t, c.right, b);
}

void OnlyToDown(const RECT& c, const Place& p, Damage* pDamage)
{
    if (p.x + p.h <= c.left)
        pDamage->bAll = true;
    else if (p.x >= c.right)
        return;
    else if (p.y < c.bottom)
    {
        if (p.y > c.top)
            pDamage->Add(std::max<long long>(p.x, c.left), c.top, std::min<long long>(p.x + p.h, c.right), p.y);
        pDamage->Add(p.x + p.h, c.top, c.right, c.bottom);
    }
    else
        pDamage->Add(p.x, c.top, c.right, c.bottom);
}

void OnlyFromDown(const RECT& c, const Place& p, Damage* pDamage)
{
    if (p.x + p.h <= c.left)
        return;
    if (p.x >= c.right)
        pDamage->bAll = true;
    else if (p.y <= c.top)
        pDamage->Add(c.left, c.top, p.x + p.h, c.bottom);
    else if (p.y < c.bottom)
    {
        const long long l = std::max<long long>(p.x, c.left);
        pDamage->Add(l, p.y, std::min<long long>(p.x + p.h, c.right), c.bottom);
        if (l > c.left)
            pDamage->Add(c.left, c.top, p.x, c.bottom);
    }
    else
        pDamage->Add(c.left, c.top, p.x, c.bottom);
}

void BothDown(const RECT& c, const Place& p1, const Place& p2, Damage* pDamage)
{
    if (p1.x + p1.h <= c.left)
        return;
    long long l = c.left;
    long long r = c.right;
    if (p1.x < r)
    {
        pDamage->Add(std::max(p1.x, l), p1.y, std::min(p1.x + p1.h, r), c.bottom);
        r = p1.x;
        if (r <= l)
            return;
    }
    if (p2.x + p2.h > l)
    {
        pDamage->Add(std::max(p2.x, l), c.top, std::min(p2.x + p2.h, r), p2.y);
        l = p2.x + p2.h;
        if (l >= r)
            return;
    }
    pDamage->Add(l, c.top, r, c.bottom);
}

// Horizontal: from p1 to p2 along the line; vertical: down the column.
void OneLine(const RECT& c, const Place& p1, const Place& p2, bool bVertical, Damage* pDamage)
{
    const long long r = bVertical ? p1.x + p1.h : p2.x;
    const long long b = bVertical ? p2.y : p1.y + p1.h;
    pDamage->Add(std::max<long long>(p1.x, c.left), std::max<long long>(p1.y, c.top), std::min<long long>(r, c.right),
                 std::min<long long>(b, c.bottom));
}

bool Before(POINT a, POINT b) { return a.y < b.y || (a.y == b.y && a.x < b.x); }

RECT DocRectToClient(const RECT& rc, int nScale)
{
    if (!IsScaled(nScale))
        return rc;
    return {static_cast<LONG>(rc.left * static_cast<long long>(nScale) / 100),
            static_cast<LONG>(rc.top * static_cast<long long>(nScale) / 100),
            static_cast<LONG>((rc.right * static_cast<long long>(nScale) + 99) / 100),
            static_cast<LONG>((rc.bottom * static_cast<long long>(nScale) + 99) / 100)};
}

// The rectangles of the range; false when a position cannot be placed.
bool RangeDamage(HWND hwnd, const ZebDocRecord& doc, const POINT* pFrom, const POINT* pTo, Damage* pDamage)
{
    const bool bVertical = doc.head.Vertical() != 0;
    const RECT c = DocClientInDoc(hwnd, doc.nScale);
    if (pFrom != nullptr && pTo != nullptr && Before(*pTo, *pFrom))
        std::swap(pFrom, pTo);
    Place from = {};
    Place to = {};
    if ((pFrom != nullptr && !PlaceOf(hwnd, doc, *pFrom, true, &from)) ||
        (pTo != nullptr && !PlaceOf(hwnd, doc, *pTo, false, &to)))
        return false;
    if (pFrom == nullptr)
        (bVertical ? OnlyToDown : OnlyToAcross)(c, to, pDamage);
    else if (pTo == nullptr)
        (bVertical ? OnlyFromDown : OnlyFromAcross)(c, from, pDamage);
    else if (pFrom->y == pTo->y)
        OneLine(c, from, to, bVertical, pDamage);
    else
        (bVertical ? BothDown : BothAcross)(c, from, to, pDamage);
    return true;
}

}  // namespace

int DocInvalidateRange(HWND hwnd, const POINT* pFrom, const POINT* pTo)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    if ((pFrom == nullptr && pTo == nullptr) || pDoc->head.IsTransparent())
    {
        InvalidateObj(hwnd);
        return 1;
    }
    Damage damage;
    bool bPlaced = false;
    try
    {
        bPlaced = RangeDamage(hwnd, *pDoc, pFrom, pTo, &damage);
    }
    catch (const std::bad_alloc&)
    {
        damage.bAll = true;
    }
    if (damage.bAll)
        ::InvalidateRect(hwnd, nullptr, TRUE);
    for (const RECT& rc : damage.rects)
    {
        const RECT client = DocRectToClient(rc, pDoc->nScale);
        ::InvalidateRect(hwnd, &client, TRUE);
    }
    return bPlaced ? 1 : 0;
}
