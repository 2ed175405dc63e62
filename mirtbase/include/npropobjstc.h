// CNPropObjStc: static text of a form face, an enhanced metafile of the
// install root's "\DATA\META\" folder: item 0 on the screen, item 1 on
// paper.
#pragma once
#include "npropobjctrl.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjStc : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjStc)
public:
    CNPropObjStc();
    CNPropObjStc(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjStc() override;

    // The control field's record, then version.
    void Serialize(CArchive& ar) override;
    // Plays item 0, or item 1 when printing while the owner is not in its
    // metafile mode; 1 when played.
    int Draw(CDC* pDC, int nMode) override;
    // A static window with the enhanced-metafile style on the device
    // rectangle, id order + 2000; 0 without mode, owner or window handle.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    int DestroyControl() override;
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    UINT GetVersion() override;

protected:
    CWnd* m_pStaticWnd;   // owned
    UINT m_nStcVersion;
};

#pragma pack(pop)
