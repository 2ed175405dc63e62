// The two push buttons with an action: CNPropObjBtnSub shows another form
// layout (the sub-form) in a modeless dialog; CNPropObjBtnEdtCmb edits the
// choice list of an editable combo-box field of the same form.
#pragma once
#include "npropobjbtn.h"

class CMirtBaseSub;

#pragma pack(push, 4)

class MIRT_API CNPropObjBtnSub : public CNPropObjBtn
{
    DECLARE_SERIAL(CNPropObjBtnSub)
public:
    CNPropObjBtnSub();
    CNPropObjBtnSub(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjBtnSub() override;

    // The button's record, then version and the sub-form's layout id.
    void Serialize(CArchive& ar) override;
    // The push button, then a new sub-form of the sub-form layout in a new
    // sub-screen dialog (both replacing earlier ones) at the form window's
    // zoom, mapped from the form window's reference id and handed to the
    // form window. Null when the button is not made, without a sub-form
    // layout, or when the form window has no reference id (no sub-form
    // then).
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    // Shows the sub-form dialog when there is one.
    int Execute(DWORD dwArg1, DWORD dwArg2, DWORD dwArg3) override;
    // Keeps the layout id.
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    UINT GetVersion() override;

    UINT m_nSubLayoutID;    // 0: no sub-form

protected:
    CWnd* m_pSubDlg;            // owned; it owns the sub-form
    CMirtBaseSub* m_pSubWnd;    // not owned
    UINT m_nSubVersion;
};

class MIRT_API CNPropObjBtnEdtCmb : public CNPropObjBtn
{
    DECLARE_SERIAL(CNPropObjBtnEdtCmb)
public:
    CNPropObjBtnEdtCmb();
    CNPropObjBtnEdtCmb(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The button's record, then version and the target combo field's order.
    void Serialize(CArchive& ar) override;
    // Edits the target's choice list (from its file, else its own choices)
    // in the choice-list editor; "終了" writes the file. The target is
    // reloaded either way. A file that cannot be read or written is
    // reported; the resource handle is restored on every way out. 0 without
    // an owner or a target, else 1.
    int Execute(DWORD dwArg1, DWORD dwArg2, DWORD dwArg3) override;
    // Keeps the target order.
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    UINT GetVersion() override;

    UINT m_nTargetOrder;

protected:
    UINT m_nEdtCmbVersion;
};

#pragma pack(pop)
