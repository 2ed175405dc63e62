#include "view/wholeimagewnd.h"

#include <algorithm>

#include "mirtbaseprtfrm.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CWholeImageWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(MsgRepaintFace, OnRepaintFace)
END_MESSAGE_MAP()

namespace {

const int kPicturePixelsPer1000 = 378;   // screen pixels per 1000 layout units at 100 %

// The smallest positive distance between the values; 0 without one.
int SmallestStep(const CArray<CPoint, CPoint>& origins, LONG CPoint::*pAxis)
{
    int nStep = 0;
    for (INT_PTR i = 0; i < origins.GetSize(); ++i) {
        for (INT_PTR j = 0; j < origins.GetSize(); ++j) {
            const int nDistance = origins[j].*pAxis - origins[i].*pAxis;
            if (nDistance > 0 && (nStep == 0 || nDistance < nStep))
                nStep = nDistance;
        }
    }
    return nStep;
}

}  // namespace

CSize FaceSizeOnSheet(const CRect& rectSheet, const CArray<CPoint, CPoint>& origins)
{
    const int nWidth = SmallestStep(origins, &CPoint::x);
    const int nHeight = SmallestStep(origins, &CPoint::y);
    return CSize(nWidth > 0 ? nWidth : rectSheet.Width(), nHeight > 0 ? nHeight : rectSheet.Height());
}

CWholeImageWnd::CWholeImageWnd()
    : m_nCurrentMen(-1), m_pPageFrame(nullptr), m_rectSheet(0, 0, 0, 0), m_rectMen(0, 0, 0, 0), m_nDrawZoom(0),
      m_fScale(0.0f), m_bFrame(0)
{
}

void CWholeImageWnd::SetSheet(const CRect& rectSheet, const CArray<CPoint, CPoint>& origins)
{
    m_rectSheet = rectSheet;
    m_rectMen = CRect(CPoint(0, 0), FaceSizeOnSheet(rectSheet, origins));
    CRect rectClient(0, 0, 0, 0);
    if (m_hWnd != nullptr)
        GetClientRect(&rectClient);
    // The largest whole zoom at which the sheet fits.
    const LONGLONG nWide = static_cast<LONGLONG>(std::max(1, rectSheet.Width())) * kPicturePixelsPer1000;
    const LONGLONG nHigh = static_cast<LONGLONG>(std::max(1, rectSheet.Height())) * kPicturePixelsPer1000;
    m_nDrawZoom = static_cast<int>(std::min(rectClient.Width() * 100000LL / nWide, rectClient.Height() * 100000LL / nHigh));
    m_fScale = static_cast<float>(m_nDrawZoom) * kPicturePixelsPer1000 / 1000.0f;
    m_origins.RemoveAll();
    for (INT_PTR i = 0; i < origins.GetSize(); ++i)
        m_origins.Add(CPoint(ToPixels(origins[i].x), ToPixels(origins[i].y)));
}

int CWholeImageWnd::ToPixels(int nUnits) const
{
    return static_cast<int>(nUnits * m_fScale * 0.01f);
}

CRect CWholeImageWnd::FaceRect(int nMen) const
{
    if (nMen < 1 || nMen > GetMenCount())
        return CRect(0, 0, 0, 0);
    const CPoint ptOrigin = m_origins[nMen - 1];
    return CRect(ptOrigin.x, ptOrigin.y, ptOrigin.x + ToPixels(m_rectMen.Width()),
        ptOrigin.y + ToPixels(m_rectMen.Height()));
}

void CWholeImageWnd::OnPaint()
{
    CPaintDC dc(this);
    Draw(&dc);
}

void CWholeImageWnd::Draw(CDC* pDC)
{
    if (m_pPageFrame == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(&rectClient, ::GetSysColor(COLOR_BTNFACE));
    if (GetMenCount() > 0 && m_fScale > 0.0f) {
        pDC->FillSolidRect(0, 0, ToPixels(m_rectSheet.Width()), ToPixels(m_rectSheet.Height()), RGB(255, 255, 255));
        m_pPageFrame->SetPercent(static_cast<UINT>(m_nDrawZoom));
        m_pPageFrame->DrawFormat(pDC);
    }
    if (m_nCurrentMen > 0 && m_bFrame) {
        CBrush red(RGB(255, 0, 0));
        const CRect rectFace = FaceRect(m_nCurrentMen);
        pDC->FrameRect(&rectFace, &red);
    }
}

void CWholeImageWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    int nMen = 0;
    for (int k = 1; k <= GetMenCount() && nMen == 0; ++k) {
        if (FaceRect(k).PtInRect(point))
            nMen = k;
    }
    CFrameWnd* pFrame = nMen != 0 && nMen != m_nCurrentMen ? GetParentFrame() : nullptr;
    if (pFrame != nullptr) {
        const int nOld = m_nCurrentMen;
        m_nCurrentMen = nMen;
        pFrame->PostMessage(MsgFaceSelected, static_cast<WPARAM>(nMen));
        if (CFrameWnd* pOuter = pFrame->GetParentFrame(); pOuter != nullptr)
            pOuter->PostMessage(MsgFaceSelected, static_cast<WPARAM>(nMen));
        const CRect rectOld = FaceRect(nOld);
        const CRect rectNew = FaceRect(nMen);
        InvalidateRect(&rectOld);
        InvalidateRect(&rectNew);
    }
    CWnd::OnLButtonUp(nFlags, point);
}

LRESULT CWholeImageWnd::OnRepaintFace(WPARAM wParam, LPARAM)
{
    const int nMen = static_cast<int>(wParam);
    if (nMen < 1)
        return 0;
    const CRect rectFace = FaceRect(nMen);
    InvalidateRect(&rectFace);
    return 1;
}
