// Windows, messages and the application: CCmdTarget and its message maps,
// CWnd, CWinThread and CWinApp. Include this to use the framework's
// windows; it brings in the rest of the framework and its drawing classes.
//
// A CWnd is attached to its window in the thread's permanent handle map and
// receives the window's messages through the framework's window procedure,
// which calls WindowProc.
// Windows made by Create/CreateEx are attached and subclassed before their
// first message; foreign windows are taken over with SubclassWindow.
// FromHandle gives a temporary CWnd for a window that has none; temporaries
// are deleted when the thread is idle (CWinThread::OnIdle) and when it ends.
#pragma once
#include <windows.h>
#include "afx.h"
#include "afxcoll.h"
#include "afxgdi.h"
#include "afxmsg.h"

class CCreateContext;
class CDataExchange;
class CDocTemplate;
class CDocument;
class CRecentFileList;
class CCommandLineInfo;
class CPrintDialog;
class CMenu;
class CFrameWnd;

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// An object that receives commands through its message map.
class AFX_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Calls the handler of the message map entry for the command nID:
    // nCode is CN_COMMAND or a control notification code (the message in
    // its high word when not WM_COMMAND, such as WM_NOTIFY with pExtra an
    // AFX_NOTIFY), or CN_UPDATE_COMMAND_UI with pExtra the CCmdUI. With
    // pHandlerInfo it only tells whether a handler exists and fills it in.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The hourglass from BeginWaitCursor to the matching EndWaitCursor, in
    // steps of their own; they nest with CWaitCursor. An EndWaitCursor
    // without a Begin does nothing.
    void BeginWaitCursor();
    void EndWaitCursor();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The entry for nMessage (with nCode and an id range holding nID) in
    // this object's map or a base class's map, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

private:
    // Calls the handler of a command entry; FALSE if it did not take it.
    BOOL DispatchCmdMsg(const AFX_MSGMAP_ENTRY* pEntry, UINT nID, void* pExtra);
};

// Carries the state of one command's user interface to its
// ON_UPDATE_COMMAND_UI handler: a menu item (m_pMenu, m_nIndex), a child
// control of a window (CWnd::UpdateDialogControls), or a bar's button or
// pane (classes derived by the bars).
class AFX_API CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;
    UINT m_nIndex;              // position of the menu item
    UINT m_nIndexMax;           // item count of the menu
    CMenu* m_pMenu;             // the menu of the item, or null
    // The popup whose first item's handler decides for the whole popup
    // (the item at m_nIndex opens it), or null.
    CMenu* m_pSubMenu;
    CWnd* m_pOther;             // the control
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate (buttons).
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    // Lets the next command target handle the update as well.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs pTarget's update handler. If none set the enabled state and
    // bDisableIfNoHndler, the control is enabled exactly when pTarget has a
    // command handler for it. FALSE if no update handler took it.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

private:
    void SetMenuItemText(LPCSTR lpszText);
};

// Flags of RunModalLoop: show the window when the loop first goes idle.
#define MLF_SHOWONIDLE 0x0001

class AFX_API CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    // Destroys the window if the object is still attached to one.
    ~CWnd() override;

    HWND m_hWnd;

    operator HWND() const { return m_hWnd; }
    // May be called through a null pointer: gives null.
    HWND GetSafeHwnd() const;

    // Insert-after markers of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // The attached object, else a temporary one; null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    // The attached object or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Deletes the calling thread's temporary objects.
    static void DeleteTempMap();

    // Attaches without subclassing: the window's messages do not come here.
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    // Attaches and routes the window's messages through this object; the
    // window's own procedure gets what the message map leaves.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Gives the window its own procedure back and detaches.
    HWND UnsubclassWindow();

    // A child window (WS_CHILD is added); lpszClassName null for the
    // framework's own window class.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
        int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
        LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Message handling. WindowProc offers the message to OnWndMsg (the
    // message map) and passes what it leaves to DefWindowProc, the
    // window's own procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc with the message being handled.
    LRESULT Default();
    // The message being handled by the calling thread.
    static const MSG* GetCurrentMessage();
    // Offers a message of the thread's loop to the windows from pMsg->hwnd
    // up to hWndStop (or the top) before it is dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // Modal loops: RunModalLoop pumps the thread's messages until
    // EndModalLoop and returns its result (-1 on WM_QUIT, which it posts
    // again for the outer loop).
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // Dialog data exchange; UpdateData comes with CDataExchange.
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Runs the ON_UPDATE_COMMAND_UI handlers of pTarget for the child
    // controls of this window; with bDisableIfNoHndler a button that has
    // no handler at all goes grey (not automatic check boxes, radio
    // buttons or group boxes, nor other controls).
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
    // With nFlags, SetWindowPos(nFlags | SWP_NOSIZE | SWP_NOMOVE |
    // SWP_NOZORDER | SWP_NOACTIVATE) follows a change; FALSE if nothing
    // changed.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);

    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    // The window to own a modal window or message box: pParent's first
    // ancestor that is not a child, else the main window's last active
    // popup. With pWndTop, the top-level window above it, if enabled and
    // another window, is disabled and returned there (null otherwise).
    static CWnd* GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);
    // The last window up the chain of parents and owners (this one if none).
    CWnd* GetTopLevelParent() const;
    // The first ancestor (parent, or owner of a popup) that is a frame
    // window; windows without an object are passed over. Null when none.
    CFrameWnd* GetParentFrame() const;
    // The child with the id nID, else the first descendant with it, child
    // by child in their order; with bOnlyPerm only a window attached to an
    // object. Null when there is none.
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    // Sends the message to every child window, with bDeep to theirs as
    // well; with bOnlyPerm only to windows attached to an object.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
        BOOL bOnlyPerm = FALSE);
    // Centres the window on pAlternateOwner, else on its parent (a child)
    // or its owner, within the parent's client area or the work area.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    // Lets the window redraw itself on changes, or stops it (WM_SETREDRAW).
    void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, bRedraw); }
    CWnd* SetParent(CWnd* pWndNewParent) { return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd())); }
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    // The window's menu bar: its attached CMenu, else a temporary one; null
    // when it has none.
    CMenu* GetMenu() const;
    // Redraws the menu bar after its items changed.
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    // Files dropped from the shell come as WM_DROPFILES.
    void DragAcceptFiles(BOOL bAccept = TRUE);

    void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
    {
        return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
    }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const
    {
        return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
    }
    void CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
    UINT IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }

    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }

    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
    {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    {
        return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
    }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2); }
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2); }

    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
        UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, lpRectUpdate, static_cast<HRGN>(HandleOrNull(prgnUpdate)), flags);
    }

    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
    int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
    }
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
    {
        ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
    }
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, nBar, bShow); }

    // Timers: WM_TIMER with nIDEvent, or lpfnTimer called, every nElapse ms.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr)
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    // The caret of this window: a bitmap's shape, a solid or a grey block.
    void CreateCaret(CBitmap* pBitmap) { ::CreateCaret(m_hWnd, static_cast<HBITMAP>(HandleOrNull(pBitmap)), 0, 0); }
    void CreateSolidCaret(int nWidth, int nHeight) { ::CreateCaret(m_hWnd, nullptr, nWidth, nHeight); }
    void CreateGrayCaret(int nWidth, int nHeight)
    {
        ::CreateCaret(m_hWnd, reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(1)), nWidth, nHeight);
    }
    void ShowCaret() { ::ShowCaret(m_hWnd); }
    void HideCaret() { ::HideCaret(m_hWnd); }
    static void SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }
    static CPoint GetCaretPos()
    {
        CPoint point(0, 0);
        ::GetCaretPos(&point);
        return point;
    }

    // Device contexts as temporary CDC objects.
    CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
    CDC* GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
    int ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }

    void SetFont(CFont* pFont, BOOL bRedraw = TRUE)
    {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(HandleOrNull(pFont)), bRedraw);
    }
    CFont* GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }

    // Through AfxShowMessageBox; the caption defaults to the application's name.
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Default handlers: each passes the message being handled to Default();
    // those of control notifications (OnCtlColor, OnHScroll, OnVScroll,
    // OnDrawItem, OnMeasureItem) first offer it to the control that sent it.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

protected:
    // Called with cs filled in before the window is made; FALSE stops it.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Called once the window is attached by SubclassWindow, before the
    // window's procedure is replaced.
    virtual void PreSubclassWindow();
    // Called after the window's last message; the object is detached.
    // Objects that own themselves delete themselves here.
    virtual void PostNcDestroy();

    // WM_COMMAND: the control's reflected notification first, then the
    // message map through OnCmdMsg.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY likewise.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification the parent received from this control: WM_COMMAND,
    // WM_NOTIFY, WM_CTLCOLOR..., WM_DRAWITEM, WM_MEASUREITEM,
    // WM_COMPAREITEM, WM_DELETEITEM, WM_VKEYTOITEM, WM_CHARTOITEM,
    // WM_HSCROLL, WM_VSCROLL, WM_PARENTNOTIFY. WM_COMMAND and WM_NOTIFY
    // come here before the parent's map; the others only when the parent's
    // map has no entry for them or its handler calls the default one
    // (CWnd::OnCtlColor ...). TRUE stops it there, with *pResult the
    // parent's answer. The default offers it to ReflectChildNotify.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Looks up the reflected notification in this control's map:
    // ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT, ON_WM_CTLCOLOR_REFLECT, or
    // WM_REFLECT_BASE + message through OnWndMsg for the others.
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    WNDPROC m_pfnSuper;   // the window's own procedure while subclassed
    UINT m_nFlags;        // WF_ flags
    int m_nModalResult;

    enum { WF_MODALLOOP = 0x0001, WF_CONTINUEMODAL = 0x0002 };

private:
    explicit CWnd(HWND hWndMarker);
    BOOL DispatchMapEntry(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
        LRESULT* pResult);
    // Offers a notification to the attached child that sent it.
    BOOL SendChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The control a reflectable notification comes from, or null.
    HWND NotifyingChild(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Offers the message being handled to the control that sent it.
    BOOL ReflectCurrentMessage(LRESULT* pResult);
    // The default handling of a notification: the control's, else Default().
    void ReflectOrDefault();
    void CleanUpAfterNcDestroy();
    // The object's handle; null for no object (never a call through null).
    static HGDIOBJ HandleOrNull(const CGdiObject* pObject) { return pObject != nullptr ? pObject->GetSafeHandle() : nullptr; }
    friend struct AfxWndInternals;
};

// The next window created by this thread is attached to pWnd and
// subclassed before its first message (for dialogs made by the dialog
// functions). AfxUnhookWindowCreate ends it; FALSE if no window was
// attached.
AFX_API void AfxHookWindowCreate(CWnd* pWnd);
AFX_API BOOL AfxUnhookWindowCreate();

// A window class of the program's module with these attributes, registered
// on first use; the name stays valid.
AFX_API LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
    HICON hIcon = nullptr);

// Called once in each modal loop (CWnd::RunModalLoop) when it first goes
// idle, with the loop's window: tests answer modal windows from it.
typedef void (*AFX_MODALLOOP_HOOK)(CWnd* pModalWnd);
// Returns the hook it replaces; null removes the hook.
AFX_API AFX_MODALLOOP_HOOK AfxSetModalLoopHook(AFX_MODALLOOP_HOOK hook);

// A thread with a message loop.
class AFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

    CWnd* m_pMainWnd;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur;   // the message being pumped

    virtual CWnd* GetMainWnd();
    virtual BOOL InitInstance();
    // The exit code of the thread: wParam of the WM_QUIT that ended Run.
    virtual int ExitInstance();
    // The message loop: pumps messages, calls OnIdle while the queue is
    // empty, and returns ExitInstance() after WM_QUIT.
    virtual int Run();
    // One message: FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // Idle-time work; lCount counts the calls since the last message.
    // Deletes the thread's temporary objects (AfxDeleteTempMaps). TRUE asks
    // for more.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // FALSE for messages that should not restart idle processing (paint,
    // mouse moves to the same point).
    virtual BOOL IsIdleMessage(MSG* pMsg);

protected:
    POINT m_ptCursorLast;
    UINT m_nMsgLast;
};

// The application: one global object of a class derived from CWinApp; the
// framework's WinMain runs its InitInstance, Run and ExitInstance.
class AFX_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Null: the string resource AFX_IDS_APP_TITLE, else the program's name.
    // Inline, so that the program naming it links the framework's WinMain
    // (or its own, if it has one).
    explicit CWinApp(LPCSTR lpszAppName = nullptr) : CWinApp(lpszAppName, &WinMain) {}
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    // Strings from malloc: replace them with free() and _strdup().
    LPCSTR m_pszAppName;
    LPCSTR m_pszExeName;        // file name without folder and extension
    LPCSTR m_pszHelpFilePath;   // the program's path with .HLP
    LPCSTR m_pszRegistryKey;    // set by SetRegistryKey
    // The section of the profile: the INI file's path, or after
    // SetRegistryKey the key under HKCU\Software\<m_pszRegistryKey>.
    LPCSTR m_pszProfileName;
    // Pages the print preview shows at once (1 or 2).
    UINT m_nNumPreviewPages = 1;

    // From the module of AfxGetResourceHandle(), or the system's.
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;

    // The profile moves to the registry: HKCU\Software\<key>\<app name>.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // A null entry removes the section, a null value the entry.
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    // Ends at once (posts WM_QUIT) if InitInstance made no main window.
    int Run() override;

    // Fills in the names left null from m_hInstance; AfxWinInit calls it.
    void SetCurrentHandles();
    // Kept for programs that call it at start-up: does nothing, gives TRUE.
    BOOL Enable3dControls();

    // Opens m_pszHelpFilePath in the help viewer (nCmd and dwData as for
    // ::WinHelp) on behalf of the main window. Without a help file, or when
    // the viewer cannot be started, shows AFX_IDP_FAILED_TO_LAUNCH_HELP.
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // Documents (afxdocview.h). The application owns its templates.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
    // Opens the file in the first template; null on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual void AddToRecentFileList(LPCSTR lpszPathName);
    // Asks every modified document to save; FALSE if one refused.
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    // The file dialog for Open (bOpenFileDialog) or Save As, with the
    // template's filter; FALSE when cancelled.
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
        CDocTemplate* pTemplate);

    // Reads the recent-file list of nMaxMRU entries (0: none) from the
    // profile section "Recent File List"; ExitInstance writes it back.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    CRecentFileList* m_pRecentFileList = nullptr;

    // Splits m_lpCmdLine into words (double quotes keep blanks) and hands
    // each to rCmdInfo.ParseParam.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // New document, open or print the file, as the record says; FALSE
    // when that failed. A print is direct (no dialog), then the program
    // ends; the record is m_pCmdInfo meanwhile.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // The command line being carried out by ProcessShellCommand, else null.
    CCommandLineInfo* m_pCmdInfo = nullptr;
    // Files are opened through the command line that
    // RegisterShellFileTypes writes; no DDE conversation is offered.
    void EnableShellOpen();
    // For each template with a file type (its string's parts 4 to 6):
    // under HKEY_CLASSES_ROOT the extension, the type's name and the
    // "open" command ("exe" "%1"), with bCompat also "print"
    // ("exe" /p "%1").
    void RegisterShellFileTypes(BOOL bCompat = FALSE);

    // The printer of the application: its DEVMODE and DEVNAMES, taken
    // from the system's default printer the first time. FALSE without a
    // printer.
    BOOL GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg);
    // Shows the print dialog on the application's printer; the printer and
    // settings chosen become the application's.
    INT_PTR DoPrintDialog(CPrintDialog* pPD);
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;

    // Idle time: the main frame and its bars update their commands'
    // state (WM_IDLEUPDATECMDUI) on the first call, then the thread's.
    BOOL OnIdle(LONG lCount) override;

    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    // The printer selection (print setup dialog).
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();
    // For programs' message maps: ID_HELP (F1) opens the help file's
    // contents, ID_HELP_FINDER its finder.
    afx_msg void OnHelp();
    afx_msg void OnHelpFinder();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    typedef int(WINAPI* AFX_PFNWINMAIN)(HINSTANCE, HINSTANCE, LPSTR, int);
    CWinApp(LPCSTR lpszAppName, AFX_PFNWINMAIN pfnWinMain);
    HKEY OpenSectionKey(LPCSTR lpszSection, BOOL bCreate) const;
    // Releases the kept DEVMODE and DEVNAMES.
    void FreePrinterDefaults();
    // Deletes the templates (closing their documents) and the recent-file
    // list.
    void DeleteDocumentState();

    CPtrList m_templateList;
};

// The string resource of the application's title.
#define AFX_IDS_APP_TITLE 0xE000

AFX_API CWinApp* AfxGetApp();
AFX_API CWinThread* AfxGetThread();
AFX_API CWnd* AfxGetMainWnd();
// Sets up the application object for the module and command line.
AFX_API BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// What the framework's WinMain runs.
AFX_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// One message of the calling thread's loop; FALSE on WM_QUIT.
AFX_API BOOL AfxPumpMessage();

// Deletes the calling thread's temporary windows, menus, device contexts
// and GDI objects; a thread without a message loop calls it where it holds
// none of them. A thread's temporaries also go when the thread ends.
AFX_API void AfxDeleteTempMaps();

#pragma pack(pop)

// Makes hInstResource the module the calling thread loads resources from
// for the object's lifetime; other threads (the layout thread) keep theirs.
// A DLL loading its own dialogs, menus, strings and bitmaps uses the
// default constructor, which names the module that compiles it.
class CResourceHandleSwitch
{
public:
    CResourceHandleSwitch() : CResourceHandleSwitch(ThisModule()) {}
    explicit CResourceHandleSwitch(HINSTANCE hInstResource)
        : m_hPrevious(AfxSwitchThreadResourceHandle(hInstResource))
    {
    }
    ~CResourceHandleSwitch() { AfxSwitchThreadResourceHandle(m_hPrevious); }
    CResourceHandleSwitch(const CResourceHandleSwitch&) = delete;
    CResourceHandleSwitch& operator=(const CResourceHandleSwitch&) = delete;

    // The module whose code calls this (inlined into each module).
    static HINSTANCE ThisModule()
    {
        extern IMAGE_DOS_HEADER __ImageBase;
        return reinterpret_cast<HINSTANCE>(&__ImageBase);
    }

private:
    HINSTANCE m_hPrevious;
};

// The controls and menus come with the windows.
#include "afxctrl.h"
// So do documents, views, frames and their bars.
#include "afxdocview.h"
