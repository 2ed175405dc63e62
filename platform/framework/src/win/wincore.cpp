#include <mutex>
#include <new>
#include <set>
#include <string>
#include <stdio.h>
#include "win/guardedcall.h"
#include "win/winstate.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

// The window procedure of attached windows and the creation hook.
struct AfxWndInternals
{
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd == nullptr)
            return ::DefWindowProcA(hWnd, message, wParam, lParam);
        AfxWinThreadState& state = AfxGetWinThreadState();
        const MSG previous = state.lastSentMsg;
        state.lastSentMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
        const LRESULT lResult = CallWindowProc(pWnd, hWnd, message, wParam, lParam);
        if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
            pWnd->CleanUpAfterNcDestroy();
        state.lastSentMsg = previous;
        return lResult;
    }

    // No exception leaves a window procedure.
    static LRESULT CallWindowProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return AfxGuardedCall(hWnd, message, [&] { return pWnd->WindowProc(message, wParam, lParam); });
    }

    // A window the pending object cannot take (it is attached already) is
    // not made: CreateWindow fails and the object keeps its window.
    static LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        AfxWinThreadState& state = AfxGetWinThreadState();
        const HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr && !IsImeWindow(hWnd)) {
            CWnd* pWnd = state.pWndInit;
            if (!pWnd->Attach(hWnd))
                return 1;
            state.pWndInit = nullptr;
            Subclass(pWnd);
        }
        return ::CallNextHookEx(state.hHookCbt, nCode, wParam, lParam);
    }

    // The input method's windows may be made while another window is.
    static bool IsImeWindow(HWND hWnd)
    {
        char szClass[8];
        return ::GetClassNameA(hWnd, szClass, sizeof szClass) > 0 && ::lstrcmpiA(szClass, "IME") == 0;
    }

    static void Subclass(CWnd* pWnd)
    {
        pWnd->m_pfnSuper = SetProc(pWnd->m_hWnd, &WndProc);
    }

    static WNDPROC SetProc(HWND hWnd, WNDPROC pfn)
    {
        return reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfn)));
    }

    static bool IsSubclassedHere(HWND hWnd)
    {
        return ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WndProc);
    }
};

LRESULT AfxGuardedCallFailed(CException* e, HWND hWnd, UINT message) noexcept
{
    try {
        if (message == WM_PAINT)
            ::ValidateRect(hWnd, nullptr);
        e->ReportError(MB_ICONEXCLAMATION);
    } catch (...) {
        // Reporting failed as well (no memory for the message): the
        // answer below still says the message failed.
    }
    e->Delete();
    return message == WM_CREATE ? -1 : 0;
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    state.pWndInit = pWnd;
    if (state.hHookCbt == nullptr)
        state.hHookCbt = ::SetWindowsHookExA(WH_CBT, &AfxWndInternals::CbtFilterHook, nullptr, ::GetCurrentThreadId());
}

BOOL AfxUnhookWindowCreate()
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    if (state.hHookCbt != nullptr) {
        ::UnhookWindowsHookEx(state.hHookCbt);
        state.hHookCbt = nullptr;
    }
    const BOOL bAttached = state.pWndInit == nullptr;
    state.pWndInit = nullptr;
    return bAttached;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::mutex lock;
    static std::set<std::string> names;

    const HINSTANCE hInstance = AfxGetInstanceHandle();
    char szName[96];
    snprintf(szName, sizeof szName, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
        static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

    std::lock_guard<std::mutex> guard(lock);
    WNDCLASSA wc;
    if (!::GetClassInfoA(hInstance, szName, &wc)) {
        wc = WNDCLASSA{};
        wc.style = nClassStyle;
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = hInstance;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = szName;
        if (!::RegisterClassA(&wc))
            AfxThrowResourceException();
    }
    return names.insert(szName).first->c_str();
}

CWnd::CWnd() : CWnd(nullptr)
{
}

CWnd::CWnd(HWND hWndMarker) : m_hWnd(hWndMarker), m_pfnSuper(nullptr), m_nFlags(0), m_nModalResult(-1)
{
}

CWnd::~CWnd()
{
    const bool bMarker = this == &wndBottom || this == &wndTopMost || this == &wndNoTopMost;
    if (m_hWnd != nullptr && !bMarker)
        DestroyWindow();
}

HWND CWnd::GetSafeHwnd() const
{
    // Callers use null CWnd pointers for "no window": keep the compiler
    // from assuming that 'this' is set.
    const CWnd* self = this;
    __asm__("" : "+r"(self));
    return self != nullptr ? self->m_hWnd : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    AfxWndInternals::Subclass(this);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    const HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr) {
        AfxWndInternals::SetProc(m_hWnd, m_pfnSuper);
        m_pfnSuper = nullptr;
    }
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCTA cs;
    cs.lpCreateParams = lpParam;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hMenu = nIDorHMenu;
    cs.hwndParent = hWndParent;
    cs.cy = nHeight;
    cs.cx = nWidth;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    const HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
        cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate()) {
        // Failed before the window was made: nothing was attached.
        if (hWnd != nullptr)
            ::DestroyWindow(hWnd);
        PostNcDestroy();
        return FALSE;
    }
    // A window that failed during creation has been detached already and
    // 'this' may be gone.
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    const HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return FALSE;
    const bool bPermanent = FromHandlePermanent(hWnd) == this;
    const BOOL bResult = ::DestroyWindow(hWnd);
    // A subclassed window was detached by its WM_NCDESTROY, and 'this' may
    // be gone; a window attached without subclassing is detached here.
    if (bPermanent && FromHandlePermanent(hWnd) == this)
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::CleanUpAfterNcDestroy()
{
    if (m_nFlags & WF_CONTINUEMODAL)   // destroyed without ending its modal loop
        EndModalLoop(-1);
    if (CWinThread* pThread = AfxGetThread(); pThread != nullptr && pThread->m_pMainWnd == this) {
        pThread->m_pMainWnd = nullptr;
        if (pThread == AfxGetApp())
            ::PostQuitMessage(0);
    }
    if (m_pfnSuper != nullptr) {
        if (AfxWndInternals::IsSubclassedHere(m_hWnd))
            AfxWndInternals::SetProc(m_hWnd, m_pfnSuper);
        m_pfnSuper = nullptr;
    }
    Detach();
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetWinThreadState().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &AfxGetWinThreadState().lastSentMsg;
}
