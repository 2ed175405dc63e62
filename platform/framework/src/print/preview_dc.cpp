// The preview's printing context: the printer answers, a metafile per page
// records, the screen shows.
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include "afxpreview.h"

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

namespace {

CSize ResolutionOf(HDC hDC)
{
    return CSize(std::max(1, ::GetDeviceCaps(hDC, LOGPIXELSX)), std::max(1, ::GetDeviceCaps(hDC, LOGPIXELSY)));
}

// The attribute context's font and colours, given to a context that starts
// recording.
void CopyDrawingState(HDC hFrom, HDC hTo)
{
    ::SelectObject(hTo, ::GetCurrentObject(hFrom, OBJ_FONT));
    ::SetTextColor(hTo, ::GetTextColor(hFrom));
    ::SetBkColor(hTo, ::GetBkColor(hFrom));
    ::SetBkMode(hTo, ::GetBkMode(hFrom));
    ::SetTextAlign(hTo, ::GetTextAlign(hFrom));
}

}  // namespace

CPreviewDC::CPreviewDC()
    : m_hScreenDC(nullptr), m_sizeTopLeft(0, 0), m_nScaleNum(1), m_nScaleDen(1), m_bPageOpen(FALSE), m_rectPage()
{
    m_bPrinting = TRUE;
    const HDC hScreen = ::GetDC(nullptr);
    m_sizeScreenPPI = ResolutionOf(hScreen);
    ::ReleaseDC(nullptr, hScreen);
}

CPreviewDC::~CPreviewDC()
{
    ReleaseOutputDC();
    DropPages();
    ReleaseAttribDC();
}

void CPreviewDC::SetOutputDC(HDC hDC)
{
    ReleaseOutputDC();
    DropPages();
    m_hScreenDC = hDC;
}

void CPreviewDC::ReleaseOutputDC()
{
    if (m_bPageOpen)
        EndPage();
    m_hScreenDC = nullptr;
}

void CPreviewDC::DropPages()
{
    for (INT_PTR i = 0; i < m_pages.GetSize(); ++i)
        ::DeleteEnhMetaFile(m_pages[i].hMetafile);
    m_pages.RemoveAll();
}

void CPreviewDC::SetScaleRatio(int nNumerator, int nDenominator)
{
    const int nDivisor = std::gcd(nNumerator, nDenominator);
    m_nScaleNum = nDivisor > 0 ? std::abs(nNumerator / nDivisor) : 1;
    m_nScaleDen = nDivisor > 0 ? std::max(1, std::abs(nDenominator / nDivisor)) : 1;
}

void CPreviewDC::SetTopLeftOffset(CSize sizeTop)
{
    m_sizeTopLeft = sizeTop;
}

void CPreviewDC::PrinterDPtoScreenDP(LPPOINT lpPoint) const
{
    const CSize printerPPI = ResolutionOf(m_hAttribDC);
    const auto scale = [this](LONG nValue, int nScreen, int nPrinter) {
        const LONGLONG nNum = static_cast<LONGLONG>(nValue) * nScreen * m_nScaleNum;
        const LONGLONG nDen = static_cast<LONGLONG>(nPrinter) * m_nScaleDen;
        const LONGLONG nHalf = (nNum < 0 ? -nDen : nDen) / 2;
        return static_cast<LONG>((nNum + nHalf) / nDen);
    };
    lpPoint->x = scale(lpPoint->x, m_sizeScreenPPI.cx, printerPPI.cx);
    lpPoint->y = scale(lpPoint->y, m_sizeScreenPPI.cy, printerPPI.cy);
}

void CPreviewDC::ClipToPage()
{
    if (m_bPageOpen)
        EndPage();
    if (m_hScreenDC == nullptr || m_hAttribDC == nullptr)
        return;
    CPoint size(::GetDeviceCaps(m_hAttribDC, HORZRES), ::GetDeviceCaps(m_hAttribDC, VERTRES));
    PrinterDPtoScreenDP(&size);
    CPoint topLeft(m_sizeTopLeft.cx, m_sizeTopLeft.cy);
    ::LPtoDP(m_hScreenDC, &topLeft, 1);
    m_rectPage = CRect(topLeft, CSize(size.x, size.y));
    BeginRecording();
    m_bPageOpen = m_hDC != nullptr;
}

void CPreviewDC::BeginRecording()
{
    // The printable area in hundredths of a millimetre frames the page.
    const CSize printerPPI = ResolutionOf(m_hAttribDC);
    const RECT frame = {0, 0, ::MulDiv(::GetDeviceCaps(m_hAttribDC, HORZRES), 2540, printerPPI.cx),
        ::MulDiv(::GetDeviceCaps(m_hAttribDC, VERTRES), 2540, printerPPI.cy)};
    m_hDC = ::CreateEnhMetaFileA(m_hAttribDC, nullptr, &frame, nullptr);
    if (m_hDC == nullptr)
        return;
    CopyDrawingState(m_hAttribDC, m_hDC);
    MirrorMapping();
}

// A metafile played on another device recomputes a fixed mode from that
// device's resolution; the extents of the printer's mode do not move.
void CPreviewDC::MirrorMapping()
{
    if (m_hDC == nullptr || m_hAttribDC == nullptr)
        return;
    const int nMode = ::GetMapMode(m_hAttribDC);
    ::SetMapMode(m_hDC, nMode == MM_TEXT ? MM_TEXT : MM_ANISOTROPIC);
    SIZE size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    ::SetWindowExtEx(m_hDC, size.cx, size.cy, nullptr);
    ::GetViewportExtEx(m_hAttribDC, &size);
    ::SetViewportExtEx(m_hDC, size.cx, size.cy, nullptr);
    POINT point;
    ::GetWindowOrgEx(m_hAttribDC, &point);
    ::SetWindowOrgEx(m_hDC, point.x, point.y, nullptr);
    ::GetViewportOrgEx(m_hAttribDC, &point);
    ::SetViewportOrgEx(m_hDC, point.x, point.y, nullptr);
}

int CPreviewDC::SetMapMode(int nMapMode)
{
    return Mirrored([&] { return CDC::SetMapMode(nMapMode); });
}

CPoint CPreviewDC::SetViewportOrg(int x, int y)
{
    return Mirrored([&] { return CDC::SetViewportOrg(x, y); });
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return Mirrored([&] { return CDC::OffsetViewportOrg(nWidth, nHeight); });
}

CSize CPreviewDC::SetViewportExt(int cx, int cy)
{
    return Mirrored([&] { return CDC::SetViewportExt(cx, cy); });
}

CSize CPreviewDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return Mirrored([&] { return CDC::ScaleViewportExt(xNum, xDenom, yNum, yDenom); });
}

CSize CPreviewDC::SetWindowExt(int cx, int cy)
{
    return Mirrored([&] { return CDC::SetWindowExt(cx, cy); });
}

CSize CPreviewDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return Mirrored([&] { return CDC::ScaleWindowExt(xNum, xDenom, yNum, yDenom); });
}

BOOL CPreviewDC::RestoreDC(int nSavedDC)
{
    return Mirrored([&] { return CDC::RestoreDC(nSavedDC); });
}

HENHMETAFILE CPreviewDC::EndRecording()
{
    const HENHMETAFILE hMetafile = ::CloseEnhMetaFile(m_hDC);
    m_hDC = nullptr;
    return hMetafile;
}

void CPreviewDC::EndPage()
{
    m_bPageOpen = FALSE;
    const HENHMETAFILE hMetafile = EndRecording();
    if (hMetafile == nullptr)
        return;
    const int nSaved = ::SaveDC(m_hScreenDC);
    ::SetMapMode(m_hScreenDC, MM_TEXT);
    ::SetViewportOrgEx(m_hScreenDC, 0, 0, nullptr);
    ::SetWindowOrgEx(m_hScreenDC, 0, 0, nullptr);
    ::IntersectClipRect(m_hScreenDC, m_rectPage.left, m_rectPage.top, m_rectPage.right, m_rectPage.bottom);
    ::PlayEnhMetaFile(m_hScreenDC, hMetafile, &m_rectPage);
    ::RestoreDC(m_hScreenDC, nSaved);
    m_pages.Add(PlayedPage{hMetafile, m_rectPage});
}
