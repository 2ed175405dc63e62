// CNPropWndCB: the entry window of a combo-box field, whose items are the
// field's item list and whose text is its value; CNPropWndCBEdit: the
// combo box's edit part, subclassed so that Tab and the context menu work
// inside it.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CNPropObjCB;

#pragma pack(push, 4)

class MIRT_API CNPropWndCBEdit : public CEdit, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndCBEdit)
public:
    CNPropWndCBEdit();
    ~CNPropWndCBEdit() override;

    void DoDataExchange(CDataExchange* pDX) override;

    HWND m_hTarget;             // the combo box's parent when subclassed
    CNPropObjCB* m_pField;

protected:
    // Cut, copy and paste go to the edit; the other commands do nothing.
    void OnLockCommand(BOOL bSave) override;
    void OnStyleCommand(BOOL bSave) override;
    void OnEditCommand(UINT nCommand) override;
    int OnUnknownCommand(UINT nCommand) override;

    // Menu 108 with only the paste item set, for the combo box's parent.
    void ShowMenu(CPoint ptScreen);

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class MIRT_API CNPropWndCB : public CComboBox, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndCB)
public:
    // The field's flag word bit: the combo box has an edit part to
    // subclass.
    enum : DWORD { FLAG_EDIT_PART = 0x02 };
    // Messages to the parent's parent: a left click (in "Sabrenth95" only)
    // and a right click, wParam the combo box.
    enum : UINT { MSG_LEFT_CLICK = 0x403, MSG_RIGHT_CLICK = 0x40B, MSG_QUERY = 0x405 };

    CNPropWndCB();
    // Unsubclasses the edit part.
    ~CNPropWndCB() override;

    void DoDataExchange(CDataExchange* pDX) override;

    CNPropObjCB* m_pField;      // set before the window is created
    CNPropWndCBEdit m_wndEdit;  // attached while subclassed

protected:
    // Save: the text becomes the value, an empty one too; load: the item
    // equal to the value is selected, else the value becomes the text.
    void OnDataCommand(BOOL bSave) override;
    // Save: the items become the field's list; load: the field's list
    // replaces the items.
    void OnListCommand(BOOL bSave) override;
    void OnResetCommand() override;
    // The edit part is made read-only while the window is locked.
    void OnLockCommand(BOOL bSave) override;
    void OnEditCommand(UINT nCommand) override;

    // The first child window of the class "Edit", or null.
    HWND FindEditPart() const;
    // Opens the input method in full-width hiragana for a field with an
    // entry mode, else closes it.
    void ApplyEntryMode();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // Reflected CBN_SELCHANGE and CBN_EDITCHANGE.
    afx_msg void OnChange();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
