#include "dialogs/subscreendlg.h"

#include <algorithm>
#include <climits>

#include "dialogs/subscreenres.h"
#include "mirtbaseref.h"

IMPLEMENT_DYNAMIC(CSubScreenDlg, CDialog)

BEGIN_MESSAGE_MAP(CSubScreenDlg, CDialog)
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_COMMAND(ID_SUBSCREEN_CLOSE, OnCloseCommand)
END_MESSAGE_MAP()

namespace {

const int kFrameInset = 20;
const int kFitSlack = 10;

enum Fitting { FITS_NOT = 0, FITS_TIGHT = 1, FITS_ROOMY = 2 };

Fitting FittingOf(int nForm, int nFrame)
{
    if (nForm + kFitSlack < nFrame)
        return FITS_ROOMY;
    return nForm >= nFrame ? FITS_NOT : FITS_TIGHT;
}

void ShowBar(CWnd* pWnd, int nBar)
{
    pWnd->ShowScrollBar(static_cast<UINT>(nBar), TRUE);
    pWnd->SetScrollRange(nBar, 0, CSubScreenDlg::SCROLL_LAST);
    pWnd->SetScrollPos(nBar, 0);
}

}  // namespace

CSubScreenDlg::CSubScreenDlg(CWnd* pParent) : CDialog(IDD_SUBSCREEN, pParent), m_pSubWnd(nullptr), m_rcSub(0, 0, 0, 0)
{
}

CSubScreenDlg::~CSubScreenDlg()
{
    delete m_pSubWnd;
    if (m_hWnd != nullptr)
        DestroyWindow();
}

CSubScreenDlg::Fit CSubScreenDlg::FitFrame(CRect rcFrame, const CRect& rcForm, CSize sizeScreen)
{
    rcFrame.top += kFrameInset;
    rcFrame.bottom -= kFrameInset;
    if (sizeScreen.cx < rcFrame.Width() + kFrameInset)
        rcFrame.right = sizeScreen.cx;
    if (sizeScreen.cy < rcFrame.Height() + kFrameInset)
        rcFrame.bottom = sizeScreen.cy;
    const Fitting v = FittingOf(rcForm.Height(), rcFrame.Height());
    const Fitting h = FittingOf(rcForm.Width(), rcFrame.Width());
    Fit fit = {rcFrame, v == FITS_NOT, h == FITS_NOT};
    if (v == FITS_NOT && h == FITS_TIGHT)
        fit.rcFrame.InflateRect(kFitSlack, 0);
    else if (v == FITS_TIGHT && h == FITS_NOT)
        fit.rcFrame.InflateRect(0, kFitSlack);
    else if (v == FITS_TIGHT && h == FITS_ROOMY)
        fit.rcFrame.DeflateRect(kFitSlack, 0);
    else if (v == FITS_ROOMY && h == FITS_TIGHT)
        fit.rcFrame.DeflateRect(0, kFitSlack);
    else if (v == FITS_ROOMY && h == FITS_ROOMY)
        fit.rcFrame.DeflateRect(kFitSlack, kFitSlack);
    return fit;
}

int CSubScreenDlg::ScrollTo(int nPos, UINT nSBCode, UINT nThumbPos)
{
    switch (nSBCode) {
    case SB_LINEUP: nPos -= SCROLL_LINE; break;
    case SB_LINEDOWN: nPos += SCROLL_LINE; break;
    case SB_PAGEUP: nPos -= SCROLL_PAGE; break;
    case SB_PAGEDOWN: nPos += SCROLL_PAGE; break;
    case SB_THUMBPOSITION: nPos = static_cast<int>(nThumbPos); break;
    case SB_TOP: nPos = 0; break;
    case SB_BOTTOM: nPos = SCROLL_LAST; break;
    default: return -1;
    }
    return nPos < 0 ? 0 : nPos > SCROLL_LAST ? SCROLL_LAST : nPos;
}

BOOL CSubScreenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pSubWnd == nullptr)
        return TRUE;
    m_pSubWnd->SetParentWnd(this);
    CSize sizeScreen(0, 0);
    if (HDC hIC = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr)) {
        sizeScreen = CSize(::GetDeviceCaps(hIC, HORZRES), ::GetDeviceCaps(hIC, VERTRES));
        ::DeleteDC(hIC);
    }
    m_rcSub = m_pSubWnd->GetAriaRectPix();
    const Fit fit = FitFrame(m_pSubWnd->GetThirdRectPix(), m_rcSub, sizeScreen);
    if (fit.bVScroll)
        ShowBar(this, SB_VERT);
    if (fit.bHScroll)
        ShowBar(this, SB_HORZ);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, fit.rcFrame.Width(), fit.rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

void CSubScreenDlg::Scroll(int nBar, UINT nSBCode, UINT nPos)
{
    const int nOld = GetScrollPos(nBar);
    const int nNew = ScrollTo(nOld, nSBCode, nPos);
    if (nNew >= 0) {
        SetScrollPos(nBar, nNew, TRUE);
        CRect rcClient;
        GetClientRect(&rcClient);
        const BOOL bVertical = nBar == SB_VERT;
        const LONGLONG nExcess = bVertical ? LONGLONG{m_rcSub.bottom} - m_rcSub.top - rcClient.Height()
                                           : LONGLONG{m_rcSub.right} - m_rcSub.left - rcClient.Width();
        const int nOffset = static_cast<int>(std::clamp<LONGLONG>((LONGLONG{nOld} - nNew) * nExcess / SCROLL_LAST,
                                                                   INT_MIN, INT_MAX));
        m_rcSub.OffsetRect(bVertical ? 0 : nOffset, bVertical ? nOffset : 0);
        if (m_pSubWnd != nullptr && m_pSubWnd->GetSafeHwnd() != nullptr) {
            m_pSubWnd->MoveWindow(&m_rcSub);
            m_pSubWnd->Invalidate();
        }
        UpdateWindow();
    }
    Default();
}

void CSubScreenDlg::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    Scroll(SB_VERT, nSBCode, nPos);
}

void CSubScreenDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    Scroll(SB_HORZ, nSBCode, nPos);
}

void CSubScreenDlg::OnCloseCommand()
{
    ShowWindow(SW_HIDE);
}
