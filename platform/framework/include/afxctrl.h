// Controls and menus: thin CWnd wrappers of the system's control classes
// (button, edit, static, combo box, list box, scroll bar, up-down) and
// CMenu.
//
// A control object is bound to its window by Create, or by SubclassWindow,
// SubclassDlgItem or DDX_Control for a control of a dialog. Owner-drawn
// combo and list boxes draw through the virtual DrawItem, MeasureItem,
// CompareItem and DeleteItem: the parent's WM_DRAWITEM ... are reflected to
// the attached control (WM_MEASUREITEM only once the control is attached,
// so a fixed-height control made from a dialog template is measured by its
// parent).
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "afxwin.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// For the members below: a control's answer as an int (an index, count,
// length or flag), and a string as a message parameter.
inline int AfxSendInt(const CWnd* pControl, UINT message, int nParam = 0, LPARAM lParam = 0)
{
    return static_cast<int>(::SendMessageA(pControl->m_hWnd, message, static_cast<WPARAM>(nParam), lParam));
}
inline LPARAM AfxStringParam(LPCSTR lpsz)
{
    return reinterpret_cast<LPARAM>(lpsz);
}

class AFX_API CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BST_ states: checked, indeterminate, pushed, focused.
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
    int GetCheck() const { return AfxSendInt(this, BM_GETCHECK); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    // The BS_ type bits of the style.
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { SendMessage(BM_SETSTYLE, nStyle, bRedraw); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
    HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP)); }
    HICON SetIcon(HICON hIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON)); }
};

class AFX_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The selection: start in the low word, end in the high word.
    DWORD GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE)
    {
        SetSel(LOWORD(dwSelection), HIWORD(dwSelection), bNoScroll);
    }
    // nEndChar -1 selects to the end; nStartChar -1 removes the selection.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    void LimitText(int nChars = 0) { AfxSendInt(this, EM_LIMITTEXT, nChars); }
    UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return AfxSendInt(this, EM_SETREADONLY, bReadOnly); }
    BOOL GetModify() const { return AfxSendInt(this, EM_GETMODIFY); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }

    int GetLineCount() const { return AfxSendInt(this, EM_GETLINECOUNT); }
    // The line's text into lpszBuffer (not terminated); the bytes copied.
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
    int LineIndex(int nLine = -1) const { return AfxSendInt(this, EM_LINEINDEX, nLine); }
    int LineFromChar(int nIndex = -1) const { return AfxSendInt(this, EM_LINEFROMCHAR, nIndex); }
    int LineLength(int nLine = -1) const { return AfxSendInt(this, EM_LINELENGTH, nLine); }

    BOOL CanUndo() const { return AfxSendInt(this, EM_CANUNDO); }
    BOOL Undo() { return AfxSendInt(this, EM_UNDO); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    void Cut() { SendMessage(WM_CUT); }
    void Copy() { SendMessage(WM_COPY); }
    void Paste() { SendMessage(WM_PASTE); }
    void Clear() { SendMessage(WM_CLEAR); }
};

class AFX_API CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    virtual BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);

    // The control shows images with SS_BITMAP or SS_ICON; each returns the
    // image it had.
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
    HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)); }
    HICON SetIcon(HICON hIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
};

// Combo box. Index results are CB_ERR (-1) on failure.
class AFX_API CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return AfxSendInt(this, CB_GETCOUNT); }
    int GetCurSel() const { return AfxSendInt(this, CB_GETCURSEL); }
    int SetCurSel(int nSelect) { return AfxSendInt(this, CB_SETCURSEL, nSelect); }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return AfxSendInt(this, CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
    }
    // The item data as a pointer; (void*)-1 for a bad index.
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    // nIndex -1: the selection field.
    int GetItemHeight(int nIndex) const { return AfxSendInt(this, CB_GETITEMHEIGHT, nIndex); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return AfxSendInt(this, CB_SETITEMHEIGHT, nIndex, static_cast<LPARAM>(cyItemHeight));
    }
    int GetLBText(int nIndex, LPSTR lpszText) const
    {
        return AfxSendInt(this, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText));
    }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return AfxSendInt(this, CB_GETLBTEXTLEN, nIndex); }

    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
    BOOL GetDroppedState() const { return AfxSendInt(this, CB_GETDROPPEDSTATE); }
    BOOL LimitText(int nMaxChars) { return AfxSendInt(this, CB_LIMITTEXT, nMaxChars); }
    // The edit field's selection: start in the low word, end in the high word.
    DWORD GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
    BOOL SetEditSel(int nStartChar, int nEndChar)
    {
        return AfxSendInt(this, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
    }

    int AddString(LPCSTR lpszString) { return AfxSendInt(this, CB_ADDSTRING, 0, AfxStringParam(lpszString)); }
    int DeleteString(UINT nIndex) { return AfxSendInt(this, CB_DELETESTRING, static_cast<int>(nIndex)); }
    int InsertString(int nIndex, LPCSTR lpszString)
    {
        return AfxSendInt(this, CB_INSERTSTRING, nIndex, AfxStringParam(lpszString));
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    // Searches start after nStartAfter (-1: from the top) and wrap around;
    // FindString and SelectString match prefixes, case-insensitively.
    int FindString(int nStartAfter, LPCSTR lpszString) const
    {
        return AfxSendInt(this, CB_FINDSTRING, nStartAfter, AfxStringParam(lpszString));
    }
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const
    {
        return AfxSendInt(this, CB_FINDSTRINGEXACT, nIndexStart, AfxStringParam(lpszFind));
    }
    int SelectString(int nStartAfter, LPCSTR lpszString)
    {
        return AfxSendInt(this, CB_SELECTSTRING, nStartAfter, AfxStringParam(lpszString));
    }

    // Owner-drawn combo boxes override these; the defaults draw nothing,
    // keep the measured height, compare equal and ignore deletions.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// List box (single selection). Index results are LB_ERR (-1) on failure.
class AFX_API CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return AfxSendInt(this, LB_GETCOUNT); }
    int GetCurSel() const { return AfxSendInt(this, LB_GETCURSEL); }
    int SetCurSel(int nSelect) { return AfxSendInt(this, LB_SETCURSEL, nSelect); }
    int GetTopIndex() const { return AfxSendInt(this, LB_GETTOPINDEX); }
    int SetTopIndex(int nIndex) { return AfxSendInt(this, LB_SETTOPINDEX, nIndex); }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return AfxSendInt(this, LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData));
    }
    // The item data as a pointer; (void*)-1 for a bad index.
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    int GetItemHeight(int nIndex) const { return AfxSendInt(this, LB_GETITEMHEIGHT, nIndex); }
    int SetItemHeight(int nIndex, UINT cyItemHeight)
    {
        return AfxSendInt(this, LB_SETITEMHEIGHT, nIndex, static_cast<LPARAM>(cyItemHeight));
    }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return AfxSendInt(this, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect));
    }
    int GetText(int nIndex, LPSTR lpszBuffer) const
    {
        return AfxSendInt(this, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer));
    }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return AfxSendInt(this, LB_GETTEXTLEN, nIndex); }

    int AddString(LPCSTR lpszItem) { return AfxSendInt(this, LB_ADDSTRING, 0, AfxStringParam(lpszItem)); }
    int DeleteString(UINT nIndex) { return AfxSendInt(this, LB_DELETESTRING, static_cast<int>(nIndex)); }
    int InsertString(int nIndex, LPCSTR lpszItem)
    {
        return AfxSendInt(this, LB_INSERTSTRING, nIndex, AfxStringParam(lpszItem));
    }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    // As CComboBox's searches.
    int FindString(int nStartAfter, LPCSTR lpszItem) const
    {
        return AfxSendInt(this, LB_FINDSTRING, nStartAfter, AfxStringParam(lpszItem));
    }
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const
    {
        return AfxSendInt(this, LB_FINDSTRINGEXACT, nIndexStart, AfxStringParam(lpszFind));
    }
    int SelectString(int nStartAfter, LPCSTR lpszItem)
    {
        return AfxSendInt(this, LB_SELECTSTRING, nStartAfter, AfxStringParam(lpszItem));
    }

    // As CComboBox's.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() = default;
    // SBS_HORZ or SBS_VERT in dwStyle.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const { ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos); }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    }
    void ShowScrollBar(BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH) { return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags); }
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    // The largest position the thumb reaches: nMax - max(nPage - 1, 0).
    int GetScrollLimit() const;
};

// Sent by CCheckListBox (WM_COMMAND) when the user turned a check over.
#define CLBN_CHKCHANGE 40

// An owner-drawn list box (LBS_OWNERDRAWFIXED, LBS_HASSTRINGS) whose lines
// carry a check box. A click on the box, or the space bar, turns the line's
// check over and tells the parent CLBN_CHKCHANGE before the selection moves.
class AFX_API CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // 0 unchecked, 1 checked.
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Checks by line, kept in step with the lines added and deleted.
    CDWordArray m_checks;

    void ToggleCheck(int nIndex);
    int CheckBoxWidth() const;
};

// The up-down control of the common controls.
class AFX_API CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }
    // Lower in the high word, upper in the low word.
    DWORD GetRange() const { return static_cast<DWORD>(SendMessage(UDM_GETRANGE)); }
    void GetRange(int& nLower, int& nUpper) const;
    // The previous position.
    int SetPos(int nPos) { return static_cast<short>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
    // The position in the low word; the high word is nonzero when the
    // buddy's text is not a valid position.
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS)); }
    CWnd* SetBuddy(CWnd* pWndBuddy)
    {
        const WPARAM hWndBuddy = reinterpret_cast<WPARAM>(pWndBuddy->GetSafeHwnd());
        return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, hWndBuddy)));
    }
    CWnd* GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
    // 10 or 16; the previous base, 0 for an invalid one.
    int SetBase(int nBase) { return AfxSendInt(this, UDM_SETBASE, nBase); }
    UINT GetBase() const { return static_cast<UINT>(SendMessage(UDM_GETBASE)); }
};

// A menu handle. Menus attached to a CMenu are destroyed with it; FromHandle
// gives the attached object or a temporary one that never destroys its menu
// (temporaries are per thread and live until CMenu::DeleteTempMap).
class AFX_API CMenu : public CObject
{
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu();
    // Destroys the menu if one is attached.
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu;

    operator HMENU() const { return m_hMenu; }
    // May be called through a null pointer: gives null.
    HMENU GetSafeHmenu() const;

    static CMenu* FromHandle(HMENU hMenu);
    static CMenu* FromHandlePermanent(HMENU hMenu);
    static void DeleteTempMap();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // From the module of AfxGetResourceHandle().
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr)
    {
        return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr)
    {
        return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
    }
    BOOL RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
    // Destroys a sub-menu at the position too.
    BOOL DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }

    // MF_BYCOMMAND or MF_BYPOSITION with the new state; the previous state
    // or -1 (0xFFFFFFFF) when there is no such item.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
    {
        return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
    }
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
    {
        return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
    }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    UINT GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }
    // 0 for a separator, -1 (0xFFFFFFFF) for a sub-menu.
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
    {
        return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    }
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

    // Shows the menu at (x, y) in screen coordinates for pWnd, which gets
    // the chosen command as a posted WM_COMMAND; with TPM_RETURNCMD the
    // command is returned instead (0 for none). Tests answer it through
    // AfxSetPopupMenuHook (afxdlgseam.h).
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};

#pragma pack(pop)
