// CNPropWndBtn: the entry window of a button field, a "button" window whose
// value is its check state and whose caption is the field's first item.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CNPropObjBtn;

#pragma pack(push, 4)

class MIRT_API CNPropWndBtn : public CButton, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndBtn)
public:
    CNPropWndBtn();
    ~CNPropWndBtn() override;

    void DoDataExchange(CDataExchange* pDX) override;

    CNPropObjBtn* m_pField;   // null until the creator sets it

protected:
    // Save: the check state as "YES", "UnKnown" or "" (reversed: "" for
    // checked and "YES" for unchecked); load: the reverse, "Unknown" and
    // "UnKnown" both giving the third state.
    void OnDataCommand(BOOL bSave) override;
    // Save: the caption becomes the only item; load: the first item
    // becomes the caption.
    void OnListCommand(BOOL bSave) override;
    void OnResetCommand() override;

    // The field that Tab moves from.
    virtual CNPropObj* MoveField();

    afx_msg void OnClicked();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
