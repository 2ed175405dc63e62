// Message maps: tables of (message, notification code, control id range,
// handler) that CCmdTarget and CWnd search from the most derived class to
// CCmdTarget. Each class's table links to its base class's table through a
// function, so tables of classes in other modules resolve at run time.
#pragma once
#include <windows.h>
#include <commctrl.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;

// Handlers are stored as this type and converted back to their own type,
// given by the entry's signature, when called.
typedef void (CCmdTarget::*AFX_PMSG)();

// Marks handler declarations; expands to nothing.
#define afx_msg

// Control notifications offered back to the child that sent them arrive in
// its message map as WM_REFLECT_BASE + the parent's message.
#define WM_REFLECT_BASE 0xBC00

// The WM_CTLCOLOR... messages share one entry under this number.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Sent to the window of a modal loop when the loop goes idle: wParam
// MSGF_DIALOGBOX, lParam the idle count; zero back ends the idle calls.
#define WM_KICKIDLE 0x036A

// Notification codes of OnCmdMsg: a command, or a request to update its
// user interface (pExtra is then the CCmdUI).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// How a handler's parameters are taken from the message.
enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,
    AfxSig_lwl,          // LRESULT (WPARAM, LPARAM)
    AfxSig_is,           // int (LPCREATESTRUCT)
    AfxSig_vv,           // void ()
    AfxSig_vwii,         // void (UINT, int, int): size
    AfxSig_vii,          // void (int, int): position
    AfxSig_vW,           // void (CWnd*)
    AfxSig_vwp,          // void (UINT, CPoint): mouse
    AfxSig_vwww,         // void (UINT, UINT, UINT): keys
    AfxSig_bD,           // BOOL (CDC*)
    AfxSig_hDWw,         // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,          // HBRUSH (CDC*, UINT): reflected colour
    AfxSig_vwwS,         // void (UINT, UINT, CScrollBar*)
    AfxSig_bWww,         // BOOL (CWnd*, UINT, UINT): cursor
    AfxSig_wv,           // UINT ()
    AfxSig_vbw,          // void (BOOL, UINT)
    AfxSig_vwWb,         // void (UINT, CWnd*, BOOL): activation
    AfxSig_vDRAWITEM,    // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASUREITEM, // void (int, LPMEASUREITEMSTRUCT)
    AfxSigCmd_v,         // void (): command or control notification
    AfxSigCmd_RANGE,     // void (UINT nID): command in a range
    AfxSigCmdUI,         // void (CCmdUI*)
    AfxSigNotify_v,      // void (NMHDR*, LRESULT*)
    AfxSigCmd_EX,        // BOOL (UINT nID): FALSE lets the command go on
    AfxSigNotify_RANGE,  // void (UINT nID, NMHDR*, LRESULT*)
    AfxSigNotify_EX,     // BOOL (UINT nID, NMHDR*, LRESULT*): FALSE lets it go on
    AfxSig_vw,           // void (UINT_PTR): timer
    AfxSig_bwsp,         // BOOL (UINT, short, CPoint): mouse wheel
    AfxSig_vWp,          // void (CWnd*, CPoint): context menu
    AfxSig_vwl,          // void (UINT, LPARAM): system command
    AfxSig_lp,           // LRESULT (CPoint): hit test
    AfxSig_vMwb,         // void (CMenu*, UINT, BOOL): menu about to open
    AfxSig_vwwh,         // void (UINT, UINT, HMENU): menu selection
    AfxSig_vHDROP,       // void (HDROP): dropped files
    AfxSig_vM,           // void (CMenu*): menu about to become active
};

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message; 0xC000 for a registered message
    UINT nCode;      // control notification code, as a WORD
    UINT nID;        // first control or command id
    UINT nLastID;    // last id of a range, else nID
    UINT_PTR nSig;   // AfxSig; for a registered message the UINT* holding it
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();   // null for CCmdTarget
    const AFX_MSGMAP_ENTRY* lpEntries;      // ends with an AfxSig_end entry
};

// Filled in by OnCmdMsg when it is asked whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// pExtra of OnCmdMsg for WM_NOTIFY.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

#pragma pack(pop)

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

// Handlers are converted to AFX_PMSG and back to their own type before they
// are called; GCC's cast-function-type warning does not apply to that.
#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        _Pragma("GCC diagnostic push") \
        _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"") \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            {0, 0, 0, 0, AfxSig_end, nullptr} \
        }; \
        _Pragma("GCC diagnostic pop") \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap; \
    }

// The handler fn of ThisClass, checked against its signature type.
#define AFX_MSG_HANDLER(type, fn) reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::fn))

// A window message with the given signature and handler.
#define AFX_WM_ENTRY(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_MSG_HANDLER(type, fn)},

// LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
    AFX_WM_ENTRY(message, AfxSig_lwl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)
// nMessageVariable: a UINT holding the value of RegisterWindowMessage.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {0xC000, 0, 0, 0, reinterpret_cast<UINT_PTR>(&nMessageVariable), \
     AFX_MSG_HANDLER(LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)},

#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AfxSig_vii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)

#define AFX_WM_MOUSE_ENTRY(msg, fn) AFX_WM_ENTRY(msg, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), fn)
#define ON_WM_LBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_WM_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)

#define AFX_WM_KEY_ENTRY(msg, fn) AFX_WM_ENTRY(msg, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), fn)
#define ON_WM_KEYDOWN() AFX_WM_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_KEY_ENTRY(WM_CHAR, OnChar)

#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
// All WM_CTLCOLOR... messages; nCtlColor is CTLCOLOR_EDIT, CTLCOLOR_STATIC...
#define ON_WM_CTLCOLOR() \
    AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_HSCROLL() \
    AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() \
    AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwS, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_SETCURSOR() \
    AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_SHOWWINDOW() \
    AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ACTIVATE() \
    AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_vwWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_DRAWITEM() \
    AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vDRAWITEM, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() \
    AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMEASUREITEM, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), \
                 OnMeasureItem)

// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, AfxSig_vHDROP, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vw, void (CWnd::*)(UINT_PTR), OnTimer)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt): pt in screen
// coordinates.
#define ON_WM_MOUSEWHEEL() \
    AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
// void OnContextMenu(CWnd* pWnd, CPoint pos): pos in screen coordinates,
// (-1, -1) from the keyboard.
#define ON_WM_CONTEXTMENU() \
    AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
// LRESULT OnNcHitTest(CPoint point): point in screen coordinates.
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_lp, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
// void OnInitMenu(CMenu* pMenu): the menu bar, or the popup of
// TrackPopupMenu.
#define ON_WM_INITMENU() AFX_WM_ENTRY(WM_INITMENU, AfxSig_vM, void (CWnd::*)(CMenu*), OnInitMenu)
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP() \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)

// void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
#define ON_WM_MENUSELECT() \
    AFX_WM_ENTRY(WM_MENUSELECT, AfxSig_vwwh, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)

// Commands and control notifications: void memberFxn().
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
// void memberFxn(UINT nID) for the ids id..idLast.
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(UINT), memberFxn)},
// BOOL memberFxn(UINT nID): FALSE passes the command on to the next handler
// (a base class's entry).
#define ON_COMMAND_EX(id, memberFxn) ON_COMMAND_EX_RANGE(id, id, memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_EX, \
     AFX_MSG_HANDLER(BOOL (CCmdTarget::*)(UINT), memberFxn)},
// void memberFxn(UINT nID) for the notification from the controls id..idLast.
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(UINT), memberFxn)},
// void memberFxn(CCmdUI* pCmdUI) for the ids id..idLast.
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(idLast), AfxSigCmdUI, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(CCmdUI*), memberFxn)},
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(id), AfxSigCmdUI, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(CCmdUI*), memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(), memberFxn)},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)

#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)

#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)

#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)

// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_v, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// void memberFxn(UINT nID, NMHDR* pNotifyStruct, LRESULT* pResult) for the
// controls id..idLast.
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigNotify_RANGE, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

// BOOL memberFxn(UINT nID, NMHDR* pNotifyStruct, LRESULT* pResult):
// FALSE passes the notification on to the next handler.
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) ON_NOTIFY_EX_RANGE(wNotifyCode, id, id, memberFxn)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigNotify_EX, \
     AFX_MSG_HANDLER(BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},

// Reflected notifications, in the child control's own map.
// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(), memberFxn)},
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_v, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor); a null brush leaves the
// message to the parent.
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, AfxSig_hDw, HBRUSH (CWnd::*)(CDC*, UINT), CtlColor)
