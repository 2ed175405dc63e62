// What the graphic, button and barcode fields share: where they draw on a
// device, how they are cloned and their default font.
#pragma once
#include "npropobjctrl.h"

// Where a field lands on paper: the owner window's margin (none without an
// owner) in device units less the printer's physical page offsets; nothing
// when the context does not print.
CSize PrintShift(CDC* pDC, CMirtBase* pOwner);

// The field's device rectangle (into m_rcDevice), moved by PrintShift.
RECT PlacedDeviceRect(CNPropObjCtrl& field, CDC* pDC);

// "ＭＳ Ｐゴシック" of nHeight, normal weight, Shift-JIS.
LOGFONT FieldDefaultFont(LONG nHeight);

// The file name of a path: everything up to the last backslash dropped.
CString FileNameOf(const CString& strPath);

// A new field of class T with field's order, rectangle, attributes and
// styles, filled by CopyTo, moved by dx, dy.
template <class T>
T* CloneField(T& field, int dx, int dy)
{
    tagPROPBLOCK block;
    field.GetBlock(block);
    T* pClone = new T(block, field.m_dwStyle, field.m_dwExStyle);
    field.CopyTo(pClone);
    ::OffsetRect(&pClone->m_rect, dx, dy);
    return pClone;
}

// pOther as a T when it is one, else null.
template <class T>
T* AsField(CNPropObj* pOther)
{
    return dynamic_cast<T*>(pOther);
}

// The window a field's entry window goes on: pParent, else the owner; null
// when bSetOwner is 0, without an owner, or when that window has no handle.
CWnd* EntryHost(CNPropObjCtrl& field, CWnd* pParent, int bSetOwner);

// The device rectangle (m_rcDevice, computed on pDisplay), moved back by
// the owner's margin at the owner's zoom when the owner holds a layout and
// the run-time mode is not MODE_SHOWN.
RECT EntryRectOnForm(CNPropObjCtrl& field, CDC* pDisplay);

// Creates window as the field's entry window on pHost: class lpszClass,
// style dwStyle, the device rectangle on a display context (moved back by
// the owner's margin when bMoveByMargin, the owner holds a layout and the
// run-time mode is not MODE_SHOWN), id order + 2000, at the top.
BOOL CreateEntryWindow(CNPropObjCtrl& field, CWnd* pHost, CWnd& window, LPCSTR lpszClass, DWORD dwStyle,
    BOOL bMoveByMargin);

// Destroys the window of an owned window object and deletes the object;
// null afterwards.
void DeleteWindowObject(CWnd*& pWindow);

// Focuses pWindow, the field's entry window, when it has a handle. Without
// one, makes the entry window on the owner's parent window (CreateControl,
// flag 1) and, when that made pWindow, focuses it and posts the field's
// format to that parent.
void FocusEntryWindow(CNPropObjCtrl& field, CWnd* const& pWindow);

// A standard control of class lpszClass on pHost as the field's window:
// pNewWindow, which pWindow owns from now on (the old one deleted first),
// made by CreateEntryWindow's steps. Null, with pWindow null, when the
// window cannot be made.
CWnd* MakeStandardControl(CNPropObjCtrl& field, CWnd* pHost, CWnd*& pWindow, CWnd* pNewWindow, LPCSTR lpszClass,
    DWORD dwStyle, BOOL bMoveByMargin);

// When the field is live: a reset when it is cleared for a new page, then,
// unless hidden, the list and the data (an empty one only when bEmptyData)
// into its window.
void LoadListAndData(CNPropObjCtrl& field, BOOL bEmptyData);
