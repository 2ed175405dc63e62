// CNPropObjBtn: a push button on a form face, with no action of its own;
// the check box derives from it. Every button stores a value inversion flag
// that the check box reads.
#pragma once
#include "npropobjctrl.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjBtn : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjBtn)
public:
    CNPropObjBtn();
    CNPropObjBtn(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjBtn() override;

    // The control field's record, then version and inversion flag.
    void Serialize(CArchive& ar) override;
    // Buttons are not drawn: 0.
    int Draw(CDC* pDC, int nMode) override;
    int Activate() override;
    // A "button" window on the device rectangle, id order + 2000, switched
    // to its no-input mode when the field is not editable; null without
    // mode, owner or window handle.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    int DestroyControl() override;
    // Focuses the button window, made on the owner's parent when missing.
    void FocusControl() override;
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    // Unless hidden: the caption (list) and the data into the window.
    void LoadToControl(int bAlsoList) override;
    // 3: not applicable; the setters do nothing.
    int GetCarryOver() override;
    void SetCarryOver(BOOL bClear) override;
    int GetModify() override;
    void SetModify(BOOL bLock) override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    BOOL m_bInvert;         // the check box's value inversion

protected:
    // The "button" window pNewWindow (owned from now on) with dwStyle as
    // the entry window (see CreateControl); moved back by the owner's
    // margin when bMoveByMargin.
    CWnd* CreateButtonWindow(CWnd* pParent, int bSetOwner, CWnd* pNewWindow, DWORD dwStyle, BOOL bMoveByMargin);

    CWnd* m_pBtnWnd;        // owned
    UINT m_nBtnVersion;
};

#pragma pack(pop)
