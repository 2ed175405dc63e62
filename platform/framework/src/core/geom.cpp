#include "afxgeom.h"
#include <algorithm>
#include <utility>

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

// The results are computed before *this is written: either source may be this.

BOOL CRect::IntersectRect(LPCRECT rect1, LPCRECT rect2)
{
    const CRect overlap(std::max(rect1->left, rect2->left), std::max(rect1->top, rect2->top),
                        std::min(rect1->right, rect2->right), std::min(rect1->bottom, rect2->bottom));
    const bool isEmpty = CRect(rect1).IsRectEmpty() || CRect(rect2).IsRectEmpty()
        || overlap.IsRectEmpty();
    if (isEmpty)
        SetRectEmpty();
    else
        CopyRect(overlap);
    return !isEmpty;
}

BOOL CRect::UnionRect(LPCRECT rect1, LPCRECT rect2)
{
    const CRect first(rect1);
    const CRect second(rect2);
    if (first.IsRectEmpty() && second.IsRectEmpty())
        SetRectEmpty();
    else if (first.IsRectEmpty())
        CopyRect(second);
    else if (second.IsRectEmpty())
        CopyRect(first);
    else
        SetRect(std::min(first.left, second.left), std::min(first.top, second.top),
                std::max(first.right, second.right), std::max(first.bottom, second.bottom));
    return !IsRectEmpty();
}

// Only a part of rectSrc2 that spans rectSrc1 from one side to the other and
// touches one of its edges is cut off; the rest must stay a rectangle.
BOOL CRect::SubtractRect(LPCRECT rectSrc1, LPCRECT rectSrc2)
{
    CRect result(rectSrc1);
    CRect overlap;
    if (overlap.IntersectRect(rectSrc1, rectSrc2))
    {
        const bool spansHeight = overlap.top == result.top && overlap.bottom == result.bottom;
        const bool spansWidth = overlap.left == result.left && overlap.right == result.right;
        if (spansHeight && overlap.left == result.left)
            result.left = overlap.right;
        else if (spansHeight && overlap.right == result.right)
            result.right = overlap.left;
        else if (spansWidth && overlap.top == result.top)
            result.top = overlap.bottom;
        else if (spansWidth && overlap.bottom == result.bottom)
            result.bottom = overlap.top;
    }
    if (result.IsRectEmpty())
        result.SetRectEmpty();
    CopyRect(result);
    return !IsRectEmpty();
}
