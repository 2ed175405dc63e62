// CWnd's message dispatch: message map entries, commands, notifications
// and their reflection to the controls that sent them.
#include "win/winstate.h"

namespace {

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

CWnd* WndFromParam(WPARAM handle)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}

CDC* DCFromParam(WPARAM handle)
{
    return CDC::FromHandle(reinterpret_cast<HDC>(handle));
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    BOOL bHandled;
    if (message == WM_COMMAND) {
        bHandled = OnCommand(wParam, lParam);
        lResult = bHandled;
    } else if (message == WM_NOTIFY) {
        bHandled = OnNotify(wParam, lParam, &lResult);
    } else if (const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(IsCtlColorMessage(message) ? WM_CTLCOLOR : message, 0, 0)) {
        bHandled = DispatchMapEntry(pEntry, message, wParam, lParam, &lResult);
    } else {
        // What the default handlers do: offer a notification to its control.
        bHandled = SendChildNotify(NotifyingChild(message, wParam, lParam), message, wParam, lParam, &lResult);
    }
    if (bHandled && pResult != nullptr)
        *pResult = lResult;
    return bHandled;
}

BOOL CWnd::DispatchMapEntry(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
    LRESULT* pResult)
{
    const AFX_PMSG pfn = pEntry->pfn;
    const UINT_PTR nSig = pEntry->nMessage == 0xC000 ? UINT_PTR{AfxSig_lwl} : pEntry->nSig;
    const UINT nCtlColor = message - WM_CTLCOLORMSGBOX;
    const CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    LRESULT& r = *pResult;
    switch (nSig) {
    case AfxSig_lwl:
        r = (this->*AfxHandlerAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
        return TRUE;
    case AfxSig_is:
        r = (this->*AfxHandlerAs<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        return TRUE;
    case AfxSig_vv:
        (this->*AfxHandlerAs<void (CWnd::*)()>(pfn))();
        return TRUE;
    case AfxSig_vwii:
        (this->*AfxHandlerAs<void (CWnd::*)(UINT, int, int)>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam),
            HIWORD(lParam));
        return TRUE;
    case AfxSig_vii:
        (this->*AfxHandlerAs<void (CWnd::*)(int, int)>(pfn))(point.x, point.y);
        return TRUE;
    case AfxSig_vW:
        (this->*AfxHandlerAs<void (CWnd::*)(CWnd*)>(pfn))(WndFromParam(wParam));
        return TRUE;
    case AfxSig_vwp:
        (this->*AfxHandlerAs<void (CWnd::*)(UINT, CPoint)>(pfn))(static_cast<UINT>(wParam), point);
        return TRUE;
    case AfxSig_vwww:
        (this->*AfxHandlerAs<void (CWnd::*)(UINT, UINT, UINT)>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam),
            HIWORD(lParam));
        return TRUE;
    case AfxSig_bD:
        r = (this->*AfxHandlerAs<BOOL (CWnd::*)(CDC*)>(pfn))(DCFromParam(wParam));
        return TRUE;
    case AfxSig_hDWw:
        r = reinterpret_cast<LRESULT>((this->*AfxHandlerAs<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(
            DCFromParam(wParam), WndFromParam(lParam), nCtlColor));
        return TRUE;
    case AfxSig_hDw: {
        const HBRUSH hbr = (this->*AfxHandlerAs<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(DCFromParam(wParam), nCtlColor);
        r = reinterpret_cast<LRESULT>(hbr);
        return hbr != nullptr;
    }
    case AfxSig_vwwS:
        // Scroll bar controls derive from CWnd alone, so the pointer is the same.
        (this->*AfxHandlerAs<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(LOWORD(wParam),
            static_cast<UINT>(static_cast<short>(HIWORD(wParam))),
            reinterpret_cast<CScrollBar*>(WndFromParam(lParam)));
        return TRUE;
    case AfxSig_bWww:
        // The hit-test code is signed (HTERROR, HTTRANSPARENT).
        r = (this->*AfxHandlerAs<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(WndFromParam(wParam),
            static_cast<UINT>(static_cast<short>(LOWORD(lParam))), HIWORD(lParam));
        return TRUE;
    case AfxSig_wv:
        r = (this->*AfxHandlerAs<UINT (CWnd::*)()>(pfn))();
        return TRUE;
    case AfxSig_vbw:
        (this->*AfxHandlerAs<void (CWnd::*)(BOOL, UINT)>(pfn))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return TRUE;
    case AfxSig_vwWb:
        (this->*AfxHandlerAs<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(LOWORD(wParam), WndFromParam(lParam),
            HIWORD(wParam));
        return TRUE;
    case AfxSig_vDRAWITEM:
        (this->*AfxHandlerAs<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pfn))(static_cast<int>(wParam),
            reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        r = TRUE;
        return TRUE;
    case AfxSig_vw:
        (this->*AfxHandlerAs<void (CWnd::*)(UINT_PTR)>(pfn))(static_cast<UINT_PTR>(wParam));
        return TRUE;
    case AfxSig_vHDROP:
        (this->*AfxHandlerAs<void (CWnd::*)(HDROP)>(pfn))(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case AfxSig_bwsp:
        r = (this->*AfxHandlerAs<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(LOWORD(wParam),
            static_cast<short>(HIWORD(wParam)), point);
        return TRUE;
    case AfxSig_vWp:
        (this->*AfxHandlerAs<void (CWnd::*)(CWnd*, CPoint)>(pfn))(WndFromParam(wParam), point);
        return TRUE;
    case AfxSig_vwl:
        (this->*AfxHandlerAs<void (CWnd::*)(UINT, LPARAM)>(pfn))(static_cast<UINT>(wParam), lParam);
        return TRUE;
    case AfxSig_lp:
        r = (this->*AfxHandlerAs<LRESULT (CWnd::*)(CPoint)>(pfn))(point);
        return TRUE;
    case AfxSig_vMwb:
        (this->*AfxHandlerAs<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(
            CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case AfxSig_vM:
        (this->*AfxHandlerAs<void (CWnd::*)(CMenu*)>(pfn))(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)));
        return TRUE;
    case AfxSig_vwwh:
        (this->*AfxHandlerAs<void (CWnd::*)(UINT, UINT, HMENU)>(pfn))(LOWORD(wParam), HIWORD(wParam),
            reinterpret_cast<HMENU>(lParam));
        return TRUE;
    case AfxSig_vMEASUREITEM:
        (this->*AfxHandlerAs<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(pfn))(static_cast<int>(wParam),
            reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        r = TRUE;
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl == nullptr)   // a menu (0) or an accelerator (1)
        return OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr);
    LRESULT lResult = 0;
    if (SendChildNotify(hWndCtrl, WM_COMMAND, wParam, lParam, &lResult))
        return TRUE;
    return OnCmdMsg(nID, HIWORD(wParam), nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (SendChildNotify(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

HWND CWnd::NotifyingChild(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (IsCtlColorMessage(message))
        return reinterpret_cast<HWND>(lParam);
    switch (message) {
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY)
            return reinterpret_cast<HWND>(lParam);
        return ::GetDlgItem(m_hWnd, HIWORD(wParam));   // a click: the child's id
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
        const auto* pDIS = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return pDIS->CtlType != ODT_MENU ? pDIS->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const auto* pMIS = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return pMIS->CtlType != ODT_MENU ? ::GetDlgItem(m_hWnd, static_cast<int>(pMIS->CtlID)) : nullptr;
    }
    case WM_COMPAREITEM:
        return reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
    default:
        return nullptr;
    }
}

BOOL CWnd::SendChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = hWndChild != m_hWnd ? FromHandlePermanent(hWndChild) : nullptr;
    return pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectCurrentMessage(LRESULT* pResult)
{
    const MSG& msg = AfxGetWinThreadState().lastSentMsg;
    return msg.hwnd == m_hWnd &&
           SendChildNotify(NotifyingChild(msg.message, msg.wParam, msg.lParam), msg.message, msg.wParam, msg.lParam,
               pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr);
    if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {pResult, pNMHDR};
        return OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    if (IsCtlColorMessage(message)) {
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
        return pEntry != nullptr && DispatchMapEntry(pEntry, message, wParam, lParam, pResult);
    }
    return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnNcDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnMove(int, int)
{
    Default();
}

void CWnd::OnSetFocus(CWnd*)
{
    Default();
}

void CWnd::OnKillFocus(CWnd*)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    LRESULT lResult = 0;
    return reinterpret_cast<HBRUSH>(ReflectCurrentMessage(&lResult) ? lResult : Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    ReflectOrDefault();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    ReflectOrDefault();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}

void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT)
{
    ReflectOrDefault();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT)
{
    ReflectOrDefault();
}

void CWnd::ReflectOrDefault()
{
    LRESULT lResult = 0;
    if (!ReflectCurrentMessage(&lResult))
        Default();
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}

void CWnd::OnInitMenu(CMenu*)
{
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}
