// CNPropObjPic: a picture on a form face. The data string names the picture
// file; item 0 is a default picture and item 1 the picture printed on paper,
// both in the install root's "\DATA\Defbmp\" folder. The owner window loads
// and draws pictures for it.
#pragma once
#include "npropobjctrl.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjPic : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjPic)
public:
    enum : COLORREF { BACK_NONE = 0xFFFFFF };

    CNPropObjPic();
    CNPropObjPic(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjPic() override;

    // The control field's record, then version, back colour, dither,
    // stretch.
    void Serialize(CArchive& ar) override;
    // The placeholder, the back colour and the picture; a grey cross on the
    // screen for an editable field without a picture. 1 when something was
    // drawn.
    int Draw(CDC* pDC, int nMode) override;
    // Runs the picture chooser over the owner window; its choice becomes
    // the data string and the face is redrawn. 0 when the field is not
    // editable, else 1.
    int Activate() override;
    // A picture object of the multimedia library on the device rectangle
    // (framed and in edit view in layout mode when editable), wrapped in a
    // CNPropWndObjPic; null without mode, owner or window handle, or when
    // the object cannot be made.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    // Focuses the picture window; without one, makes the focus window (a
    // CNPropWndPic) on the owner's parent window, focuses it and posts the
    // field's format there.
    void FocusControl() override;
    int DestroyControl() override;
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    // The picture's full path: the data string, else item 0 in the default
    // picture folder; item 1 there when bPaper and there are two items.
    CString PicturePath(BOOL bPaper);

    BOOL m_bDither;
    BOOL m_bStretch;
    COLORREF m_crBack;    // BACK_NONE: no fill

protected:
    CWnd* m_pPicWnd;      // owned
    CWnd* m_pFocusWnd;    // owned
    UINT m_nPicVersion;
};

#pragma pack(pop)
