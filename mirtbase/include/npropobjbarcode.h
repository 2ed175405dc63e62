// CNPropObjBarcode: a barcode of the field's data string, drawn by the
// barcode component in the field's rectangle. It has no entry window: the
// program sets its text (for instance the postal customer barcode data).
#pragma once
#include <barcode.h>

#include "npropobjctrl.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjBarcode : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjBarcode)
public:
    CNPropObjBarcode();
    CNPropObjBarcode(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjBarcode() override;

    // The control field's record, then version, setting, barcode kind.
    void Serialize(CArchive& ar) override;
    // The placeholder and the barcode of the kind in the device rectangle
    // (nothing for an empty or unencodable text); always 0.
    int Draw(CDC* pDC, int nMode) override;
    // No window: null.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    int DestroyControl() override;
    // Keeps kind and setting.
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    DWORD m_dwBarSetting;   // stored, not interpreted
    UINT m_nKind;           // CBarcode::KIND_

protected:
    CBarcode m_barcode;
    UINT m_nBarVersion;
};

#pragma pack(pop)
