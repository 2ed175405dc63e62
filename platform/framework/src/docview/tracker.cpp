#include "afxtracker.h"

namespace {

const int kDefaultHandleSize = 4;

// Which edge of the stored rectangle a handle moves, per axis.
enum Edge
{
    edgeNone,
    edgeLow,   // left or top
    edgeHigh   // right or bottom
};

struct HandleEdges
{
    Edge x;
    Edge y;
};

// Indexed by TrackerHit: corners, sides, middle.
const HandleEdges kHandleEdges[] = {
    { edgeLow, edgeLow }, { edgeHigh, edgeLow }, { edgeHigh, edgeHigh }, { edgeLow, edgeHigh },
    { edgeNone, edgeLow }, { edgeHigh, edgeNone }, { edgeNone, edgeHigh }, { edgeLow, edgeNone },
    { edgeLow, edgeLow },
};

// Position of a handle along an axis of the rectangle it sits on.
int HandlePosition(Edge edge, int low, int high, int size)
{
    switch (edge) {
    case edgeLow: return low;
    case edgeHigh: return high - size;
    default: return low + (high - low - size) / 2;
    }
}

// The edge value that keeps the moving edge at least nMin from the fixed
// one, on the side it started, or on either side when inverting is allowed.
int HoldEdge(int moving, int fixed, int nMin, bool movingIsLow, bool allowInvert)
{
    const int distance = movingIsLow ? fixed - moving : moving - fixed;
    if (distance >= nMin)
        return moving;
    if (allowInvert && distance <= -nMin)
        return moving;
    const bool inverted = allowInvert && distance < 0;
    return (movingIsLow != inverted) ? fixed - nMin : fixed + nMin;
}

void HoldAxis(Edge edge, LONG& low, LONG& high, int nMin, BOOL allowInvert)
{
    if (edge == edgeLow)
        low = HoldEdge(low, high, nMin, true, allowInvert != FALSE);
    else if (edge == edgeHigh)
        high = HoldEdge(high, low, nMin, false, allowInvert != FALSE);
}

CPoint ClientPointOf(const MSG& msg, HWND hWnd)
{
    POINT point = { static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)) };
    if (msg.hwnd != hWnd)
        ::MapWindowPoints(msg.hwnd, hWnd, &point, 1);
    return point;
}

}  // namespace

CRectTracker::CRectTracker()
{
    Construct();
}

CRectTracker::CRectTracker(LPCRECT lpSrcRect, UINT nStyle)
{
    Construct();
    m_rect = *lpSrcRect;
    m_nStyle = nStyle;
}

CRectTracker::~CRectTracker()
{
}

void CRectTracker::Construct()
{
    m_nStyle = 0;
    m_rect.SetRectEmpty();
    m_nHandleSize = kDefaultHandleSize;
    m_sizeMin = CSize(kDefaultHandleSize * 2, kDefaultHandleSize * 2);
    m_bAllowInvert = FALSE;
    m_rectLast.SetRectEmpty();
    m_bErase = FALSE;
}

UINT CRectTracker::GetHandleMask() const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    UINT mask = 0x0F;
    if (rect.Width() > 3 * m_nHandleSize)
        mask |= (1u << hitTop) | (1u << hitBottom);
    if (rect.Height() > 3 * m_nHandleSize)
        mask |= (1u << hitLeft) | (1u << hitRight);
    return mask;
}

CRect CRectTracker::GetHandleRect(int nHandle) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (m_nStyle & resizeOutside)
        rect.InflateRect(m_nHandleSize, m_nHandleSize);
    const HandleEdges& edges = kHandleEdges[nHandle];
    const int x = HandlePosition(edges.x, rect.left, rect.right, m_nHandleSize);
    const int y = HandlePosition(edges.y, rect.top, rect.bottom, m_nHandleSize);
    return CRect(x, y, x + m_nHandleSize, y + m_nHandleSize);
}

void CRectTracker::GetTrueRect(LPRECT lpTrueRect) const
{
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (m_nStyle & (resizeOutside | hatchedBorder))
        rect.InflateRect(m_nHandleSize, m_nHandleSize);
    *lpTrueRect = rect;
}

int CRectTracker::NormalizeHit(int nHandle) const
{
    static const int kMirrorX[] = { hitTopRight, hitTopLeft, hitBottomLeft, hitBottomRight,
        hitTop, hitLeft, hitBottom, hitRight, hitMiddle };
    static const int kMirrorY[] = { hitBottomLeft, hitBottomRight, hitTopRight, hitTopLeft,
        hitBottom, hitRight, hitTop, hitLeft, hitMiddle };
    if (nHandle < 0 || nHandle > hitMiddle)
        return nHandle;
    if (m_rect.Width() < 0)
        nHandle = kMirrorX[nHandle];
    if (m_rect.Height() < 0)
        nHandle = kMirrorY[nHandle];
    return nHandle;
}

int CRectTracker::HitTest(CPoint point) const
{
    CRect rectTrue;
    GetTrueRect(&rectTrue);
    if (!rectTrue.PtInRect(point))
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside)) {
        const UINT mask = GetHandleMask();
        for (int nHandle = hitTopLeft; nHandle < hitMiddle; ++nHandle) {
            if ((mask & (1u << nHandle)) && GetHandleRect(nHandle).PtInRect(point))
                return NormalizeHit(nHandle);
        }
    }
    CRect rect = m_rect;
    rect.NormalizeRect();
    return rect.PtInRect(point) || (m_nStyle & hatchedBorder) ? hitMiddle : hitNothing;
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const
{
    static const LPCSTR kCursors[] = { IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE, IDC_SIZENESW,
        IDC_SIZENS, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEWE, IDC_SIZEALL };
    if (nHitTest != HTCLIENT)
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    pWnd->ScreenToClient(&point);
    const int nHandle = HitTest(point);
    if (nHandle < 0)
        return FALSE;
    ::SetCursor(::LoadCursorA(nullptr, kCursors[NormalizeHit(nHandle)]));
    return TRUE;
}

void CRectTracker::Draw(CDC* pDC) const
{
    const int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetViewportOrg(0, 0);
    pDC->SetWindowOrg(0, 0);
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine)) {
        CPen pen(m_nStyle & dottedLine ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        pDC->SelectObject(&pen);
        pDC->SelectStockObject(NULL_BRUSH);
        pDC->SetROP2(R2_COPYPEN);
        pDC->SetBkColor(RGB(255, 255, 255));
        pDC->Rectangle(rect);
        pDC->SelectStockObject(BLACK_PEN);
    }
    if (m_nStyle & (hatchedBorder | hatchInside))
        DrawHatching(pDC, rect);
    if (m_nStyle & (resizeInside | resizeOutside))
        DrawHandles(pDC);
    pDC->RestoreDC(nSaved);
}

void CRectTracker::DrawHatching(CDC* pDC, const CRect& rect) const
{
    CBrush brush(HS_BDIAGONAL, RGB(0, 0, 0));
    pDC->SetBkMode(TRANSPARENT);
    if (m_nStyle & hatchInside)
        pDC->FillRect(rect, &brush);
    if (m_nStyle & hatchedBorder) {
        const int size = m_nHandleSize;
        pDC->FillRect(CRect(rect.left - size, rect.top - size, rect.right + size, rect.top), &brush);
        pDC->FillRect(CRect(rect.left - size, rect.bottom, rect.right + size, rect.bottom + size), &brush);
        pDC->FillRect(CRect(rect.left - size, rect.top, rect.left, rect.bottom), &brush);
        pDC->FillRect(CRect(rect.right, rect.top, rect.right + size, rect.bottom), &brush);
    }
}

void CRectTracker::DrawHandles(CDC* pDC) const
{
    const UINT mask = GetHandleMask();
    for (int nHandle = hitTopLeft; nHandle < hitMiddle; ++nHandle) {
        if (mask & (1u << nHandle))
            pDC->FillSolidRect(GetHandleRect(nHandle), RGB(0, 0, 0));
    }
}

void CRectTracker::DrawTrackerRect(LPCRECT lpRect, CWnd* pWndClipTo, CDC* pDC, CWnd* pWnd)
{
    CRect rect = *lpRect;
    rect.NormalizeRect();
    if (pWndClipTo != nullptr) {
        pWnd->ClientToScreen(&rect);
        pWndClipTo->ScreenToClient(&rect);
        CRect rectClip;
        pWndClipTo->GetClientRect(&rectClip);
        rect &= rectClip;
    }
    if (!m_rectLast.IsRectEmpty())
        pDC->DrawFocusRect(m_rectLast);
    m_rectLast.SetRectEmpty();
    if (m_bErase || rect.IsRectEmpty())
        return;
    pDC->DrawFocusRect(rect);
    m_rectLast = rect;
}

void CRectTracker::AdjustRect(int nHandle, LPRECT lpRect)
{
    if (nHandle < hitTopLeft || nHandle >= hitMiddle)
        return;
    const HandleEdges& edges = kHandleEdges[nHandle];
    HoldAxis(edges.x, lpRect->left, lpRect->right, m_sizeMin.cx, m_bAllowInvert);
    HoldAxis(edges.y, lpRect->top, lpRect->bottom, m_sizeMin.cy, m_bAllowInvert);
}

void CRectTracker::OnChangedRect(const CRect&)
{
}

void CRectTracker::MoveEdges(int nHandle, CPoint point, CPoint offset, const CRect& rectStart)
{
    const int x = point.x - offset.x;
    const int y = point.y - offset.y;
    if (nHandle == hitMiddle) {
        m_rect = rectStart;
        m_rect.OffsetRect(x - rectStart.left, y - rectStart.top);
        return;
    }
    const HandleEdges& edges = kHandleEdges[nHandle];
    if (edges.x != edgeNone)
        (edges.x == edgeLow ? m_rect.left : m_rect.right) = x;
    if (edges.y != edgeNone)
        (edges.y == edgeLow ? m_rect.top : m_rect.bottom) = y;
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert, CWnd* pWndClipTo)
{
    // Another window's capture means another drag is going on.
    const HWND hWndCapture = ::GetCapture();
    const int nHandle = HitTest(point);
    if (nHandle < 0 || (hWndCapture != nullptr && hWndCapture != pWnd->m_hWnd))
        return FALSE;
    m_bAllowInvert = bAllowInvert;
    const CRect rectStart = m_rect;
    const HandleEdges& edges = kHandleEdges[nHandle];
    const CPoint offset(point.x - (edges.x == edgeHigh ? m_rect.right : m_rect.left),
        point.y - (edges.y == edgeHigh ? m_rect.bottom : m_rect.top));

    pWnd->UpdateWindow();
    pWnd->SetCapture();
    CWnd* pWndDraw = pWndClipTo != nullptr ? pWndClipTo : pWnd;
    CDC* pDC = pWndDraw->GetDC();
    m_bErase = FALSE;
    BOOL bCancelled = FALSE;
    for (BOOL bDone = FALSE; !bDone;) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            bCancelled = TRUE;
            break;
        }
        if (::GetCapture() != pWnd->m_hWnd) {
            bCancelled = TRUE;
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            const CRect rectOld = m_rect;
            MoveEdges(nHandle, ClientPointOf(msg, pWnd->m_hWnd), offset, rectStart);
            AdjustRect(nHandle, &m_rect);
            if (m_rect != rectOld) {
                DrawTrackerRect(&m_rect, pWndClipTo, pDC, pWnd);
                OnChangedRect(rectOld);
            }
            bDone = msg.message == WM_LBUTTONUP;
            break;
        }
        case WM_KEYDOWN:
            bCancelled = msg.wParam == VK_ESCAPE;
            bDone = bCancelled;
            break;
        case WM_RBUTTONDOWN:
            bCancelled = bDone = TRUE;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    m_bErase = TRUE;
    DrawTrackerRect(&m_rect, pWndClipTo, pDC, pWnd);
    m_bErase = FALSE;
    pWndDraw->ReleaseDC(pDC);
    if (::GetCapture() == pWnd->m_hWnd)
        ::ReleaseCapture();
    if (bCancelled)
        m_rect = rectStart;
    return !bCancelled && m_rect != rectStart;
}
