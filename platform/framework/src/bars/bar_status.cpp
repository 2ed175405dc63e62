#include <algorithm>
#include "dialogs/dlg_internal.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The update state of one pane: disabled panes hide their text.
class CStatusCmdUI : public CCmdUI
{
public:
    explicit CStatusCmdUI(CStatusBar* pBar) : m_pBar(pBar) {}

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        SetStyleBit(SBPS_DISABLED, !bOn);
    }
    void SetCheck(int nCheck) override { SetStyleBit(SBPS_POPOUT, nCheck != 0); }
    void SetText(LPCSTR lpszText) override { m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText); }

private:
    void SetStyleBit(UINT nBit, BOOL bSet)
    {
        UINT nID;
        UINT nStyle;
        int cxWidth;
        m_pBar->GetPaneInfo(static_cast<int>(m_nIndex), nID, nStyle, cxWidth);
        const UINT nNewStyle = bSet ? (nStyle | nBit) : (nStyle & ~nBit);
        if (nNewStyle != nStyle)
            m_pBar->SetPaneInfo(static_cast<int>(m_nIndex), nID, nNewStyle, cxWidth);
    }

    CStatusBar* m_pBar;
};

const int g_cxPaneGap = 8;   // borders and spacing around a pane's text

}  // namespace

CStatusBar::CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!CreateBar(STATUSCLASSNAMEA, dwStyle, pParentWnd, nID, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER))
        return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.RemoveAll();
    CClientDC dc(this);
    const HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane = {lpIDArray[i], SBPS_NORMAL, 0, CString()};
        if (pane.nID == ID_SEPARATOR) {
            if (i == 0)
                pane.nStyle = SBPS_NOBORDERS | SBPS_STRETCH;
        } else if (!pane.strText.LoadString(pane.nID)) {
            bResult = FALSE;
        } else {
            SIZE size = {0, 0};
            ::GetTextExtentPoint32A(dc.m_hDC, pane.strText, pane.strText.GetLength(), &size);
            pane.cxText = size.cx;
        }
        m_panes.Add(pane);
    }
    ::SelectObject(dc.m_hDC, hOldFont);
    UpdatePanes();
    return bResult;
}

void CStatusBar::UpdatePanes()
{
    const int nCount = GetCount();
    if (m_hWnd == nullptr || nCount == 0)
        return;
    CRect client;
    GetClientRect(&client);
    int cxFixed = 0;
    for (int i = 0; i < nCount; ++i)
        cxFixed += (m_panes[i].nStyle & SBPS_STRETCH) ? 0 : m_panes[i].cxText + g_cxPaneGap;
    const int cxStretch = std::max(0, client.Width() - cxFixed);
    int edges[256];
    const int nParts = std::min(nCount, static_cast<int>(ARRAYSIZE(edges)));
    int x = 0;
    for (int i = 0; i < nParts; ++i) {
        x += (m_panes[i].nStyle & SBPS_STRETCH) ? cxStretch : m_panes[i].cxText + g_cxPaneGap;
        edges[i] = x;
    }
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(edges));
    for (int i = 0; i < nParts; ++i) {
        const Pane& pane = m_panes[i];
        const UINT nDrawStyle = pane.nStyle & (SBPS_NOBORDERS | SBPS_POPOUT);
        SendMessage(SB_SETTEXTA, static_cast<WPARAM>(i) | nDrawStyle,
            reinterpret_cast<LPARAM>((pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCSTR>(pane.strText)));
    }
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_panes[i].nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return m_panes[nIndex].nID;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    SendMessage(SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return m_panes[nIndex].strText;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    Pane& pane = m_panes[nIndex];
    const CString text(lpszNewText != nullptr ? lpszNewText : "");
    if (pane.strText == text)
        return TRUE;
    pane.strText = text;
    if (bUpdate && !(pane.nStyle & SBPS_DISABLED)) {
        SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nIndex) | (pane.nStyle & (SBPS_NOBORDERS | SBPS_POPOUT)),
            reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pane.strText)));
    }
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    const Pane& pane = m_panes[nIndex];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    Pane& pane = m_panes[nIndex];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    UpdatePanes();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return m_panes[nIndex].nStyle;
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    CClientDC dc(this);
    const HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.m_hDC, &tm);
    ::SelectObject(dc.m_hDC, hOldFont);
    int borders[3] = {0, 0, 0};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return CSize(bStretch ? 32767 : 0, tm.tmHeight + 2 * borders[1] + 4);
}

void CStatusBar::OnSize(UINT, int, int)
{
    Default();
    UpdatePanes();
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state(this);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        if (m_panes[i].nID == ID_SEPARATOR)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_panes[i].nID;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
