// CRectTracker: a rectangle that the user moves and resizes with the mouse,
// drawn with its outline, hatching and resize handles.
#pragma once
#include "afxwin.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

class AFX_API CRectTracker
{
public:
    enum StyleFlags
    {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32
    };

    // Handles are numbered by the corner or side of the rectangle as it is
    // stored (left may lie right of right while the user drags past it).
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    CRectTracker();
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle);
    virtual ~CRectTracker();

    // The drag outline: erases the one drawn last (m_rectLast) and, unless
    // the final erase of a Track is going on, draws lpRect (client
    // coordinates of pWnd) with an inverting focus rectangle.
    virtual void DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd);
    // Called on every mouse move of Track with the rectangle it would take:
    // keeps the minimum size and, without m_bAllowInvert, keeps the moved
    // edges from passing the fixed ones.
    virtual void AdjustRect(int nHandle, LPRECT lpRect);
    // Called after each change of m_rect during Track.
    virtual void OnChangedRect(const CRect& rectOld);
    // Bit n set: handle n is shown. Corners always; the side handles only
    // when the side is long enough to hold three handles.
    virtual UINT GetHandleMask() const;

    // In the context's device units: origins and mapping mode are set aside.
    void Draw(CDC* pDC) const;
    // m_rect normalised and grown by the handles and border drawn outside it.
    void GetTrueRect(LPRECT lpTrueRect) const;
    // With nHitTest HTCLIENT and the cursor over the tracker: the sizing or
    // moving cursor of the part under it, TRUE.
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;
    // Runs its own mouse loop on pWnd (which takes the capture) from a press
    // at point: TRUE when the left button was released and m_rect changed;
    // Escape, the right button or a lost capture put m_rect back, FALSE.
    // Nothing is tracked while another window holds the capture.
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE, CWnd* pWndClipTo = nullptr);
    int HitTest(CPoint point) const;
    // The handle as seen on the screen when m_rect is inverted.
    int NormalizeHit(int nHandle) const;

    UINT m_nStyle;
    CRect m_rect;
    CSize m_sizeMin;
    int m_nHandleSize;

protected:
    BOOL m_bAllowInvert;
    CRect m_rectLast;  // the drag outline on screen; empty when none
    BOOL m_bErase;     // the next DrawTrackerRect only erases

    // Handle nHandle's rectangle for the normalised rectangle.
    CRect GetHandleRect(int nHandle) const;

private:
    void Construct();
    void MoveEdges(int nHandle, CPoint point, CPoint offset, const CRect& rectStart);
    void DrawHandles(CDC* pDC) const;
    void DrawHatching(CDC* pDC, const CRect& rect) const;
};

#pragma pack(pop)
