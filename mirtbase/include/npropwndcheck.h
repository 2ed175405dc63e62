// CNPropWndCheck: the entry window of a check-box field, an owner-drawn
// button whose checked state lives in the field, which draws it.
#pragma once
#include "npropwndbtn.h"

class CNPropObjBtnCheck;

#pragma pack(push, 4)

class MIRT_API CNPropWndCheck : public CNPropWndBtn
{
    DECLARE_DYNAMIC(CNPropWndCheck)
public:
    CNPropWndCheck();
    ~CNPropWndCheck() override;

    // The field's check square and the field drawn into the item rectangle,
    // and the red frame while the item has the focus.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    CNPropObjBtnCheck* m_pCheckField;   // the inherited field stays null

protected:
    // Save: "1" when checked, else "0" (reversed the other way round); load:
    // "1" and "0" set the state, any other text leaves it.
    void OnDataCommand(BOOL bSave) override;
    void OnListCommand(BOOL bSave) override;
    void OnResetCommand() override;
    CNPropObj* MoveField() override;

    // Toggles the field's checked state.
    void Toggle();

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg LRESULT OnReflectDrawItem(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
