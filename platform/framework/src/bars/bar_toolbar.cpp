#include <algorithm>
#include "dialogs/dlg_internal.h"
#include "afxtoolbarres.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

namespace {

// The update state of one button.
class CToolCmdUI : public CCmdUI
{
public:
    explicit CToolCmdUI(CToolBar* pBar) : m_pBar(pBar) {}

    void Enable(BOOL bOn) override
    {
        m_pBar->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELONG(bOn != FALSE, 0));
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override
    {
        m_pBar->SendMessage(TB_CHECKBUTTON, m_nID, MAKELONG(nCheck == 1, 0));
        m_pBar->SendMessage(TB_INDETERMINATE, m_nID, MAKELONG(nCheck == 2, 0));
    }
    void SetText(LPCSTR) override {}

private:
    CToolBar* m_pBar;
};

}  // namespace

BOOL AfxReadToolBarResource(HINSTANCE hInst, LPCSTR lpszResourceName, AFX_TOOLBARDATA& data)
{
    const HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    const HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const WORD* pWords = static_cast<const WORD*>(::LockResource(hData));
    const DWORD cbSize = hResource != nullptr ? ::SizeofResource(hInst, hResource) : 0;
    if (pWords == nullptr || cbSize < 4 * sizeof(WORD))
        return FALSE;
    data = {pWords[0], pWords[1], pWords[2], pWords[3], pWords + 4};
    return data.wVersion == 1 && cbSize >= (4u + data.wItemCount) * sizeof(WORD);
}

CToolBar::CToolBar() : m_sizeImage(16, 15), m_nIDFlyBy(0)
{
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    const DWORD dwCtrlStyle = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT
        | ((dwStyle & CBRS_TOOLTIPS) ? TBSTYLE_TOOLTIPS : 0);
    if (!CreateBar(TOOLBARCLASSNAMEA, dwStyle, pParentWnd, nID, dwCtrlStyle))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    return LoadToolBar(MAKEINTRESOURCEA(nIDResource));
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    const HINSTANCE hInst = AfxGetResourceHandle();
    AFX_TOOLBARDATA res;
    if (!AfxReadToolBarResource(hInst, lpszResourceName, res))
        return FALSE;
    UINT ids[256];
    const int nCount = std::min(static_cast<int>(res.wItemCount), static_cast<int>(ARRAYSIZE(ids)));
    int nImages = 0;
    for (int i = 0; i < nCount; ++i) {
        ids[i] = res.pItems[i];
        nImages += ids[i] != 0 ? 1 : 0;
    }
    m_sizeImage = CSize(res.wWidth, res.wHeight);
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(res.wWidth, res.wHeight));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(res.wWidth + 7, res.wHeight + 7));
    return AddImages(hInst, lpszResourceName, nImages) && SetButtons(ids, nCount);
}

BOOL CToolBar::AddImages(HINSTANCE hInst, LPCSTR lpszResourceName, int nCount)
{
    if (::FindResourceA(hInst, lpszResourceName, RT_BITMAP) == nullptr)
        return FALSE;
    TBADDBITMAP bitmap = {hInst, reinterpret_cast<UINT_PTR>(lpszResourceName)};
    return SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nCount), reinterpret_cast<LPARAM>(&bitmap)) != -1;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    for (int i = GetCount(); i-- > 0;)
        SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(i));
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON button = {};
        const UINT nID = lpIDArray != nullptr ? lpIDArray[i] : 0;
        if (nID == 0) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = iImage++;
            button.idCommand = static_cast<int>(nID);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        if (!SendMessage(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)))
            return FALSE;
    }
    return TRUE;
}

int CToolBar::GetCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    nID = static_cast<UINT>(button.idCommand);
    nStyle = MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    // The button is made anew: a separator's width is its image index.
    TBBUTTON button = {};
    button.iBitmap = iImage;
    button.idCommand = static_cast<int>(nID);
    button.fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    button.fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    if (m_pDockSite != nullptr)
        m_pDockSite->RecalcLayout();
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    UINT nID;
    UINT nStyle;
    int iImage;
    GetButtonInfo(nIndex, nID, nStyle, iImage);
    return nStyle;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    UINT nID;
    UINT nOldStyle;
    int iImage;
    GetButtonInfo(nIndex, nID, nOldStyle, iImage);
    if (nOldStyle != nStyle)
        SetButtonInfo(nIndex, nID, nStyle, iImage);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // A vertical bar puts each button on a row of its own.
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i) {
        const UINT nID = GetItemID(i);
        const LRESULT lState = SendMessage(TB_GETSTATE, nID);
        if (lState == -1)
            continue;
        const BYTE fsState = static_cast<BYTE>(bHorz ? (lState & ~TBSTATE_WRAP) : (lState | TBSTATE_WRAP));
        TBBUTTONINFOA info = {sizeof info, TBIF_BYINDEX | TBIF_STATE};
        info.fsState = fsState;
        SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
    }
    CRect extent(0, 0, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        CRect item;
        GetItemRect(i, &item);
        extent.UnionRect(&extent, &item);
    }
    const int nBorder = 2;
    if (bHorz)
        return CSize(bStretch ? 32767 : extent.right + nBorder, std::max(extent.bottom, m_sizeImage.cy + 7) + nBorder);
    return CSize(std::max(extent.right, m_sizeImage.cx + 7) + nBorder, bStretch ? 32767 : extent.bottom + nBorder);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state(this);
    const int nCount = GetCount();
    state.m_nIndexMax = static_cast<UINT>(nCount);
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    // Controls placed on the bar (in separator slots).
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (!((dwOldStyle ^ dwNewStyle) & CBRS_TOOLTIPS))
        return;
    if (dwNewStyle & CBRS_TOOLTIPS) {
        // The control makes its tip window, with a tool for every button,
        // when the mouse next moves over it.
        ModifyStyle(0, TBSTYLE_TOOLTIPS);
        return;
    }
    ModifyStyle(TBSTYLE_TOOLTIPS, 0);
    const HWND hWndTip = reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS));
    SendMessage(TB_SETTOOLTIPS);
    if (hWndTip != nullptr)
        ::DestroyWindow(hWndTip);
}

BOOL CToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE && pMsg->hwnd == m_hWnd && (m_dwStyle & CBRS_FLYBY)) {
        const CPoint point(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
        SetFlyByPrompt(CommandAt(point));
    }
    return CControlBar::PreTranslateMessage(pMsg);
}

LRESULT CToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    SetFlyByPrompt(0);
    return Default();
}

UINT CToolBar::CommandAt(CPoint point) const
{
    // Separators and the space between buttons give a negative index.
    const int nIndex = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
    return nIndex >= 0 ? GetItemID(nIndex) : 0;
}

void CToolBar::SetFlyByPrompt(UINT nID)
{
    if (nID == m_nIDFlyBy)
        return;
    m_nIDFlyBy = nID;
    if (m_pDockSite != nullptr)
        m_pDockSite->SendMessage(WM_SETMESSAGESTRING, nID != 0 ? nID : AFX_IDS_IDLEMESSAGE);
}
