#include <algorithm>
#include "win/winstate.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {

// Logical units of nMapMode to device units of the screen, as magnitudes.
CSize ToDevice(int nMapMode, SIZE size)
{
    const HDC hDC = ::GetDC(nullptr);
    const int nOldMode = ::SetMapMode(hDC, nMapMode);
    POINT points[2] = {{0, 0}, {size.cx, size.cy}};
    ::LPtoDP(hDC, points, 2);
    ::SetMapMode(hDC, nOldMode);
    ::ReleaseDC(nullptr, hDC);
    return CSize(abs(points[1].x - points[0].x), abs(points[1].y - points[0].y));
}

}  // namespace

CScrollView::CScrollView() : m_nMapMode(MM_TEXT)
{
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = ToDevice(nMapMode, sizeTotal);
    m_pageDev = ToDevice(nMapMode, sizePage);
    m_lineDev = ToDevice(nMapMode, sizeLine);
    if (m_hWnd != nullptr) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::UpdateBars()
{
    CRect client;
    GetClientRect(&client);
    const CPoint ptOld = GetDeviceScrollPosition();
    const int extents[2] = {m_totalDev.cx, m_totalDev.cy};
    const int clients[2] = {client.Width(), client.Height()};
    CPoint ptNew(0, 0);
    for (int nBar = SB_HORZ; nBar <= SB_VERT; ++nBar) {
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL};
        info.nMax = extents[nBar] - 1;
        info.nPage = static_cast<UINT>(std::max(0, clients[nBar]));
        if (extents[nBar] <= clients[nBar]) {
            info.nMax = 0;
            info.nPage = 0;
        }
        ::SetScrollInfo(m_hWnd, nBar, &info, TRUE);
        const int nPos = ::GetScrollPos(m_hWnd, nBar);
        (nBar == SB_HORZ ? ptNew.x : ptNew.y) = nPos;
    }
    if (ptNew != ptOld)
        Invalidate(TRUE);
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const
{
    CPoint pt = GetDeviceScrollPosition();
    const HDC hDC = ::GetDC(nullptr);
    const int nOldMode = ::SetMapMode(hDC, m_nMapMode);
    ::DPtoLP(hDC, &pt, 1);
    ::SetMapMode(hDC, nOldMode);
    ::ReleaseDC(nullptr, hDC);
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    const HDC hDC = ::GetDC(nullptr);
    const int nOldMode = ::SetMapMode(hDC, m_nMapMode);
    ::LPtoDP(hDC, &pt, 1);
    ::SetMapMode(hDC, nOldMode);
    ::ReleaseDC(nullptr, hDC);
    ScrollToDevicePosition(pt);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev)
{
    const CPoint ptOld = GetDeviceScrollPosition();
    SetScrollPos(SB_HORZ, ptDev.x);
    SetScrollPos(SB_VERT, ptDev.y);
    const CPoint ptNew = GetDeviceScrollPosition();   // held to the range
    if (ptNew != ptOld)
        ::ScrollWindow(m_hWnd, ptOld.x - ptNew.x, ptOld.y - ptNew.y, nullptr, nullptr);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode);
    if (!pDC->IsPrinting()) {
        const CPoint pt = GetDeviceScrollPosition();
        pDC->SetViewportOrg(-pt.x, -pt.y);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::OnSize(UINT, int, int)
{
    UpdateBars();
}

BOOL CScrollView::OnScrollBy(int nBar, UINT nSBCode, UINT)
{
    SCROLLINFO info = {sizeof info, SIF_ALL};
    if (!::GetScrollInfo(m_hWnd, nBar, &info))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    const int nClient = nBar == SB_HORZ ? client.Width() : client.Height();
    const int nPageSet = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    const int nPage = nPageSet > 0 ? nPageSet : nClient;
    const int nLineSet = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    const int nLine = nLineSet > 0 ? nLineSet : std::max(1, nPage / 10);
    int nPos = info.nPos;
    switch (nSBCode) {
    case SB_LINEUP:
        nPos -= nLine;
        break;
    case SB_LINEDOWN:
        nPos += nLine;
        break;
    case SB_PAGEUP:
        nPos -= nPage;
        break;
    case SB_PAGEDOWN:
        nPos += nPage;
        break;
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = info.nMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nPos = info.nTrackPos;
        break;
    default:
        return FALSE;
    }
    const CPoint ptOld = GetDeviceScrollPosition();
    CPoint ptNew = ptOld;
    (nBar == SB_HORZ ? ptNew.x : ptNew.y) = nPos;
    ScrollToDevicePosition(ptNew);
    return GetDeviceScrollPosition() != ptOld;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScrollBy(SB_HORZ, nSBCode, nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScrollBy(SB_VERT, nSBCode, nPos);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    const int nSteps = abs(zDelta) / WHEEL_DELTA * 3;
    BOOL bScrolled = FALSE;
    for (int i = 0; i < nSteps; ++i)
        bScrolled |= OnScrollBy(SB_VERT, zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0);
    return bScrolled;
}
