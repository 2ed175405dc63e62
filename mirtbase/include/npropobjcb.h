// CNPropObjCB: a combo box on a form face whose choices are the item list;
// CNPropObjCBEdt: one whose choices come from its choice-list file when
// there is one, so that they are the same on every page and in every run.
// Neither is drawn on paper or in a preview.
#pragma once
#include "npropobjctrl.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjCB : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjCB)
public:
    CNPropObjCB();
    CNPropObjCB(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjCB() override;

    // The control field's record, then version, font, text colour,
    // background colour, entry mode, row height.
    void Serialize(CArchive& ar) override;
    // Not drawn: 0.
    int Draw(CDC* pDC, int nMode) override;
    int Activate() override;
    // A "combobox" window on the device rectangle, id order + 2000, locked
    // when the field is not editable; null without mode, owner or handle.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    int DestroyControl() override;
    // Focuses the combo box, made on the owner's parent when missing.
    void FocusControl() override;
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    // Unless hidden: the list, then a value that is not empty, into the
    // window.
    void LoadToControl(int bAlsoList) override;
    void SetLogFont(const LOGFONT* pLogFont) override;
    LOGFONT* GetLogFont() override;
    void SetRowHeight(int nRowHeight) override;
    int GetRowHeight() override;
    void SetTextColor(COLORREF crText) override;
    COLORREF GetTextColor() override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;
    int GetEntryMode() override;

    LOGFONT m_logFont;
    COLORREF m_crText;
    COLORREF m_crBack;
    int m_nEntryMode;
    int m_nRowHeight;

protected:
    CWnd* m_pComboWnd;      // owned
    UINT m_nCBVersion;
};

class MIRT_API CNPropObjCBEdt : public CNPropObjCB
{
    DECLARE_SERIAL(CNPropObjCBEdt)
public:
    CNPropObjCBEdt();
    CNPropObjCBEdt(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The combo box's record, then version.
    void Serialize(CArchive& ar) override;
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    // With an owner: the choice-list file of the owner's layout and this
    // field, when it reads whole and holds a string, replaces the choices;
    // then the combo box's exchanges.
    void LoadToControl(int bAlsoList) override;
    UINT GetVersion() override;

protected:
    UINT m_nCBEdtVersion;
};

#pragma pack(pop)
