// CPoint, CSize and CRect: the Win32 POINT, SIZE and RECT with members.
// They add no data, so they can be passed wherever the plain structs go.
#pragma once
#include <windows.h>
#include "afxapi.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

class CPoint;
class CRect;

class CSize : public tagSIZE
{
public:
    CSize() { cx = 0; cy = 0; }
    CSize(int x, int y) { cx = x; cy = y; }
    CSize(SIZE size) { cx = size.cx; cy = size.cy; }
    CSize(POINT point) { cx = point.x; cy = point.y; }
    explicit CSize(DWORD packed)
    {
        cx = static_cast<short>(LOWORD(packed));
        cy = static_cast<short>(HIWORD(packed));
    }

    BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const { return !(*this == size); }
    void operator+=(SIZE size) { cx += size.cx; cy += size.cy; }
    void operator-=(SIZE size) { cx -= size.cx; cy -= size.cy; }

    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    inline CPoint operator+(POINT point) const;
    inline CPoint operator-(POINT point) const;
};

class CPoint : public tagPOINT
{
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
    CPoint(POINT point) { x = point.x; y = point.y; }
    CPoint(SIZE size) { x = size.cx; y = size.cy; }
    explicit CPoint(DWORD packed)
    {
        x = static_cast<short>(LOWORD(packed));
        y = static_cast<short>(HIWORD(packed));
    }

    void Offset(int dx, int dy) { x += dx; y += dy; }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }

    BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const { return !(*this == point); }
    void operator+=(SIZE size) { Offset(size); }
    void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    void operator+=(POINT point) { Offset(point); }
    void operator-=(POINT point) { Offset(-point.x, -point.y); }

    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
    inline CRect operator+(const RECT* rect) const;
    inline CRect operator-(const RECT* rect) const;
};

inline CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
inline CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }

// Empty means no area (right <= left or bottom <= top); null means all zero.
// The set operations follow the user32 functions of the same names.
class AFX_API CRect : public tagRECT
{
public:
    CRect() { left = 0; top = 0; right = 0; bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& rect) { CopyRect(&rect); }
    CRect(LPCRECT rect) { CopyRect(rect); }
    CRect(POINT topLeft, SIZE size)
        : CRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy) {}
    CRect(POINT topLeft, POINT bottomRight)
        : CRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRect(POINT topLeft, POINT bottomRight)
    {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT src) { SetRect(src->left, src->top, src->right, src->bottom); }
    BOOL EqualRect(LPCRECT rect) const
    {
        return left == rect->left && top == rect->top && right == rect->right
            && bottom == rect->bottom;
    }

    void InflateRect(int l, int t, int r, int b)
    {
        left -= l; top -= t; right += r; bottom += b;
    }
    void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT rect) { InflateRect(rect->left, rect->top, rect->right, rect->bottom); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT rect) { DeflateRect(rect->left, rect->top, rect->right, rect->bottom); }

    void OffsetRect(int dx, int dy) { left += dx; top += dy; right += dx; bottom += dy; }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void NormalizeRect();

    BOOL IntersectRect(LPCRECT rect1, LPCRECT rect2);
    BOOL UnionRect(LPCRECT rect1, LPCRECT rect2);
    BOOL SubtractRect(LPCRECT rectSrc1, LPCRECT rectSrc2);

    void operator=(const RECT& rect) { CopyRect(&rect); }
    BOOL operator==(const RECT& rect) const { return EqualRect(&rect); }
    BOOL operator!=(const RECT& rect) const { return !EqualRect(&rect); }
    void operator+=(POINT point) { OffsetRect(point); }
    void operator+=(SIZE size) { OffsetRect(size); }
    void operator+=(LPCRECT rect) { InflateRect(rect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT rect) { DeflateRect(rect); }
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    CRect operator+(POINT point) const { CRect r(*this); r += point; return r; }
    CRect operator-(POINT point) const { CRect r(*this); r -= point; return r; }
    CRect operator+(SIZE size) const { CRect r(*this); r += size; return r; }
    CRect operator-(SIZE size) const { CRect r(*this); r -= size; return r; }
    CRect operator+(LPCRECT rect) const { CRect r(*this); r += rect; return r; }
    CRect operator-(LPCRECT rect) const { CRect r(*this); r -= rect; return r; }
    CRect operator&(const RECT& rect) const { CRect r; r.IntersectRect(this, &rect); return r; }
    CRect operator|(const RECT& rect) const { CRect r; r.UnionRect(this, &rect); return r; }
};

inline CRect CPoint::operator+(const RECT* rect) const { return CRect(rect) + *this; }
inline CRect CPoint::operator-(const RECT* rect) const { return CRect(rect) - *this; }

#pragma pack(pop)

static_assert(sizeof(CPoint) == sizeof(POINT), "CPoint adds no data to POINT");
static_assert(sizeof(CSize) == sizeof(SIZE), "CSize adds no data to SIZE");
static_assert(sizeof(CRect) == 16, "CRect adds no data to RECT");
