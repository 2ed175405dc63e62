#include "dialogs/dlg_internal.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlBar::CControlBar() : m_dwDockStyle(0), m_dwStyle(0), m_pDockSite(nullptr)
{
}

CControlBar::~CControlBar()
{
    DestroyWindow();
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    const DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle & 0xFFFF;
    if (m_hWnd != nullptr && m_dwStyle != dwOldStyle)
        OnBarStyleChange(dwOldStyle, m_dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD, DWORD)
{
}

BOOL CControlBar::IsVisible() const
{
    return (GetStyle() & WS_VISIBLE) != 0;
}

BOOL CControlBar::CreateBar(LPCSTR lpszClassName, DWORD dwStyle, CWnd* pParentWnd, UINT nID, DWORD dwCtrlStyle)
{
    AfxInitCommonControls();
    m_dwStyle = dwStyle & 0xFFFF;
    if (!CreateEx(0, lpszClassName, nullptr, (dwStyle & 0xFFFF0000) | WS_CHILD | dwCtrlStyle, 0, 0, 0, 0,
            pParentWnd->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    AttachToFrame(pParentWnd);
    return TRUE;
}

void CControlBar::AttachToFrame(CWnd* pParentWnd)
{
    if (pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        m_pDockSite = static_cast<CFrameWnd*>(pParentWnd);
        m_pDockSite->m_listControlBars.AddTail(this);
    }
}

void CControlBar::OnDestroy()
{
    if (m_pDockSite != nullptr) {
        if (POSITION pos = m_pDockSite->m_listControlBars.Find(this); pos != nullptr)
            m_pDockSite->m_listControlBars.RemoveAt(pos);
        m_pDockSite = nullptr;
    }
    Default();
}

CSize CControlBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_pDockSite != nullptr && IsVisible())
        OnUpdateCmdUI(m_pDockSite, static_cast<BOOL>(wParam));
    return 0;
}
