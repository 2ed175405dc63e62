// The common controls: tool-bar, list-view and tab controls as CWnd
// objects. Their windows come from comctl32.dll, loaded on first Create.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "afxwin.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// A tool bar of buttons and separators over the system's control.
class AFX_API CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // nNumButtons images from the bitmap resource nBitmapID of the
    // program; the index of the first, -1 on failure.
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
    BOOL DeleteButton(int nIndex) { return AfxSendInt(this, TB_DELETEBUTTON, nIndex); }
    int GetButtonCount() const { return AfxSendInt(this, TB_BUTTONCOUNT); }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const
    {
        return AfxSendInt(this, TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(lpButton));
    }
    BOOL SetBitmapSize(CSize size) { return AfxSendInt(this, TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL SetButtonSize(CSize size) { return AfxSendInt(this, TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
    BOOL EnableButton(int nID, BOOL bEnable = TRUE)
    {
        return AfxSendInt(this, TB_ENABLEBUTTON, nID, MAKELPARAM(bEnable, 0));
    }
    BOOL IsButtonEnabled(int nID) const { return AfxSendInt(this, TB_ISBUTTONENABLED, nID); }
};

// A list-view control; with LVS_OWNERDRAWFIXED the lines are drawn by the
// virtual DrawItem, reflected from the parent's WM_DRAWITEM.
class AFX_API CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns: the index of the new one, -1 on failure.
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
        int nSubItem = -1);
    BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const
    {
        return AfxSendInt(this, LVM_GETCOLUMNA, nCol, reinterpret_cast<LPARAM>(pColumn));
    }
    int GetColumnWidth(int nCol) const { return AfxSendInt(this, LVM_GETCOLUMNWIDTH, nCol); }
    BOOL SetColumnWidth(int nCol, int cx) { return AfxSendInt(this, LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)); }

    // Items: the index of the new one, -1 on failure.
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(const LVITEMA* pItem) { return AfxSendInt(this, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem)); }
    BOOL DeleteItem(int nItem) { return AfxSendInt(this, LVM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return AfxSendInt(this, LVM_DELETEALLITEMS); }
    int GetItemCount() const { return AfxSendInt(this, LVM_GETITEMCOUNT); }
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
    }
    // nCode LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    // The next item after nItem (-1: from the start) with the LVNI_ flags.
    int GetNextItem(int nItem, int nFlags) const
    {
        return AfxSendInt(this, LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetCountPerPage() const { return AfxSendInt(this, LVM_GETCOUNTPERPAGE); }
    int GetTopIndex() const { return AfxSendInt(this, LVM_GETTOPINDEX); }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return AfxSendInt(this, LVM_ENSUREVISIBLE, nItem, bPartialOK); }
    int GetStringWidth(LPCSTR lpsz) const { return AfxSendInt(this, LVM_GETSTRINGWIDTHA, 0, AfxStringParam(lpsz)); }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR)); }
    COLORREF GetTextColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR)); }
    // pfnCompare gets the items' data and dwData.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return SendMessage(LVM_SORTITEMS, dwData, reinterpret_cast<LPARAM>(pfnCompare)) != 0;
    }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A tab control: a row of named tabs, one of them chosen.
class AFX_API CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The index of the new tab, -1 on failure.
    LONG InsertItem(int nItem, LPCSTR lpszItem);
    BOOL DeleteAllItems() { return AfxSendInt(this, TCM_DELETEALLITEMS); }
    int GetItemCount() const { return AfxSendInt(this, TCM_GETITEMCOUNT); }
    int GetCurSel() const { return AfxSendInt(this, TCM_GETCURSEL); }
    // The previous tab, -1 for none or a failure.
    int SetCurSel(int nItem) { return AfxSendInt(this, TCM_SETCURSEL, nItem); }
};

#pragma pack(pop)
