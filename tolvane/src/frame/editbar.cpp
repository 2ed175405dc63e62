#include "frame/editbar.h"

#include "frame/mainfrm.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CEditBar, CToolBar)
    ON_WM_MOUSEMOVE()
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

namespace {

const DWORD kEditBarStyle = 0x50001430;    // visible child, left, tool tips, fly-by
const DWORD kZoomStyle = 0x10001201;   // visible, centred, vertically centred, sunken
const int kZoomSlot = 8;
// Wide enough for the zoom display's "200％".
const int kEditButtonWidth = 40;

struct LayoutButton
{
    UINT nID;
    UINT nPrompt;
    LPCSTR pszTip;
};

const LayoutButton kLayoutButtons[CEditBar::kLayoutButtonCount] = {
    {ID_LAYOUT_MODE, IDS_LAYOUT_MODE_END, "レイアウトモードの解除"},
    {ID_EDIT_CUT, IDS_LAYOUT_CUT, "入力スペースの切取り"},
    {ID_EDIT_COPY, IDS_LAYOUT_COPY, "入力スペースのコピー"},
    {ID_EDIT_PASTE, IDS_LAYOUT_PASTE, "入力スペースの貼付け"},
    {ID_EDIT_CLEAR, IDS_LAYOUT_CLEAR, "入力スペースの削除"}};

const LayoutButton* FindLayoutButton(UINT nID)
{
    for (const LayoutButton& button : kLayoutButtons) {
        if (button.nID == nID)
            return &button;
    }
    return nullptr;
}

}  // namespace

CEditBar::CEditBar() : m_bRectsStale(1)
{
}

BOOL CEditBar::CreateOn(CFrameWnd* pFrame)
{
    if (!Create(pFrame, kEditBarStyle, ID_VIEW_EDITBAR) || !LoadToolBar(IDR_EDIT_BAR))
        return FALSE;
    EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    CRect rect;
    GetItemRect(0, &rect);
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(kEditButtonWidth, rect.Height()));
    GetItemRect(kZoomSlot, &rect);
    if (!m_fontZoom.CreatePointFont(90, "ＭＳ Ｐゴシック") ||
        !m_wndZoom.Create("", kZoomStyle, rect, this, ID_ZOOM_DISPLAY))
        return FALSE;
    m_wndZoom.SetFont(&m_fontZoom);
    return TRUE;
}

CSize CEditBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const CSize size = CToolBar::CalcFixedLayout(bStretch, bHorz);
    if (m_wndZoom.GetSafeHwnd() != nullptr) {
        CRect rect;
        GetItemRect(kZoomSlot, &rect);
        m_wndZoom.MoveWindow(&rect);
    }
    return size;
}

void CEditBar::ShowZoom(int nPercent)
{
    if (m_wndZoom.GetSafeHwnd() == nullptr)
        return;
    CString strZoom;
    strZoom.Format("%d％", nPercent);
    m_wndZoom.SetWindowText(strZoom);
}

BOOL CEditBar::InLayoutMode()
{
    CWnd* pMain = AfxGetMainWnd();
    return pMain != nullptr && pMain->IsKindOf(RUNTIME_CLASS(CMainFrame)) &&
           static_cast<CMainFrame*>(pMain)->m_bEntryMode == 0;
}

void CEditBar::OnMouseMove(UINT, CPoint point)
{
    if (InLayoutMode()) {
        if (m_bRectsStale) {
            for (int i = 0; i < kLayoutButtonCount; ++i)
                GetItemRect(CommandToIndex(kLayoutButtons[i].nID), &m_rectLayoutButtons[i]);
            m_bRectsStale = 0;
        }
        for (int i = 0; i < kLayoutButtonCount; ++i) {
            if (!m_rectLayoutButtons[i].PtInRect(point))
                continue;
            CWnd* pMain = AfxGetMainWnd();
            pMain->SendMessage(WM_SETMESSAGESTRING, kLayoutButtons[i].nPrompt);
            if (CWnd* pStatus = pMain->GetDescendantWindow(AFX_IDW_STATUS_BAR); pStatus != nullptr) {
                pStatus->SendMessage(WM_IDLEUPDATECMDUI);
                pStatus->UpdateWindow();
            }
            break;
        }
    }
    Default();
}

BOOL CEditBar::OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT*)
{
    // A text of the bar's own, left for the frame to keep.
    const LayoutButton* pButton = InLayoutMode() ? FindLayoutButton(nID) : nullptr;
    if (pButton != nullptr)
        reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->lpszText = const_cast<LPSTR>(pButton->pszTip);
    return FALSE;
}
