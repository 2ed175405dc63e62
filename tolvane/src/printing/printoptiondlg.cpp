#include "printing/printoptiondlg.h"

#include <algorithm>

#include "printing/prnoffset.h"
#include "resource.h"
#include "view/tolvaneview.h"

BEGIN_MESSAGE_MAP(CPrintOptionDlg, CDialog)
    ON_BN_CLICKED(IDC_OPT_STATIONERY, OnStationery)
    ON_BN_CLICKED(IDC_OPT_BLANK, OnBlank)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

namespace {

const int kMinOffset = -30;
const int kMaxOffset = 30;
const int kMinScale = 50;
const int kMaxScale = 200;

const int kLineControls[] = {IDC_OPT_MONOCHROME, IDC_OPT_COLOR, IDC_OPT_RULED_LABEL, IDC_OPT_CUT_LABEL,
    IDC_OPT_NO_CUT, IDC_OPT_CROP_MARKS, IDC_OPT_DOTTED};
const int kScaleLabels[] = {IDC_OPT_SCALE_LABEL, IDC_OPT_PERCENT};

}  // namespace

CPrintOptionDlg::CPrintOptionDlg(CTolvaneView* pView, CWnd* pParent)
    : CDialog(IDD_PRINT_OPTIONS, pParent), m_pView(pView), m_bRestricted(FALSE), m_bStationeryOnly(FALSE),
      m_nLeftOffset(0), m_nTopOffset(0), m_nCutLineKind(-1), m_nRuledLineColor(-1), m_nPaperKind(-1), m_nScale(0)
{
}

void CPrintOptionDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OPT_LEFT_BAR, m_wndLeftBar);
    DDX_Control(pDX, IDC_OPT_TOP_BAR, m_wndTopBar);
    DDX_Text(pDX, IDC_OPT_LEFT, m_nLeftOffset);
    DDV_MinMaxInt(pDX, m_nLeftOffset, kMinOffset, kMaxOffset);
    DDX_Text(pDX, IDC_OPT_TOP, m_nTopOffset);
    DDV_MinMaxInt(pDX, m_nTopOffset, kMinOffset, kMaxOffset);
    DDX_Radio(pDX, IDC_OPT_NO_CUT, m_nCutLineKind);
    DDX_Radio(pDX, IDC_OPT_MONOCHROME, m_nRuledLineColor);
    DDX_Radio(pDX, IDC_OPT_STATIONERY, m_nPaperKind);
    UINT nScale = static_cast<UINT>(m_nScale);
    DDX_Text(pDX, IDC_OPT_SCALE, nScale);
    DDV_MinMaxUInt(pDX, nScale, kMinScale, kMaxScale);
    m_nScale = static_cast<int>(nScale);
}

BOOL CPrintOptionDlg::OnInitDialog()
{
    m_nLeftOffset = m_pView->m_nLeftOffset;
    m_nTopOffset = m_pView->m_nTopOffset;
    if (m_bStationeryOnly)
        m_nPaperKind = 0;
    CDialog::OnInitDialog();
    m_wndLeftBar.SetScrollRange(kMinOffset, kMaxOffset);
    m_wndLeftBar.SetScrollPos(m_nLeftOffset);
    m_wndTopBar.SetScrollRange(kMinOffset, kMaxOffset);
    m_wndTopBar.SetScrollPos(m_nTopOffset);
    if (m_bStationeryOnly)
        GetDlgItem(IDC_OPT_BLANK)->EnableWindow(FALSE);
    // Up raises the scale.
    GetDlgItem(IDC_OPT_SCALE_SPIN)->SendMessage(UDM_SETRANGE32, kMinScale, kMaxScale);
    EnableForPaper(m_nPaperKind == 1);
    return TRUE;
}

void CPrintOptionDlg::EnableForPaper(BOOL bBlank)
{
    GetDlgItem(IDC_OPT_SCALE)->EnableWindow(bBlank);
    for (int nID : kLineControls)
        GetDlgItem(nID)->EnableWindow(bBlank && !m_bRestricted);
    for (int nID : kScaleLabels)
        GetDlgItem(nID)->EnableWindow(bBlank && !m_bStationeryOnly);
}

void CPrintOptionDlg::OnStationery()
{
    EnableForPaper(FALSE);
}

void CPrintOptionDlg::OnBlank()
{
    EnableForPaper(TRUE);
}

void CPrintOptionDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const bool bLeft = pScrollBar == &m_wndLeftBar;
    if (bLeft || pScrollBar == &m_wndTopBar) {
        int nMin = 0;
        int nMax = 0;
        pScrollBar->GetScrollRange(&nMin, &nMax);
        const int nOld = pScrollBar->GetScrollPos();
        int nNew = nOld;
        switch (nSBCode) {
        case SB_LINELEFT: nNew = nOld - 1; break;
        case SB_LINERIGHT: nNew = nOld + 1; break;
        case SB_PAGELEFT: nNew = nOld - 10; break;
        case SB_PAGERIGHT: nNew = nOld + 10; break;
        case SB_THUMBTRACK: nNew = static_cast<int>(static_cast<short>(nPos)); break;
        default: break;
        }
        nNew = std::min(std::max(nNew, nMin), nMax);
        if (nNew != nOld) {
            pScrollBar->SetScrollPos(nNew);
            (bLeft ? m_nLeftOffset : m_nTopOffset) = nNew;
            SetDlgItemInt(bLeft ? IDC_OPT_LEFT : IDC_OPT_TOP, static_cast<UINT>(nNew), TRUE);
        }
    }
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CPrintOptionDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_pView->m_nLeftOffset = m_nLeftOffset;
    m_pView->m_nTopOffset = m_nTopOffset;
    if (!WritePrnOffsetFile(PrnOffset{m_nLeftOffset, m_nTopOffset}))
        AfxMessageBox("ファイルアクセスエラーです");
    EndDialog(IDOK);
}
