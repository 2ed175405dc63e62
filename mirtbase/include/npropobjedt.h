// CNPropObjEdt: the plain entry field. It has the text field's attributes
// (without pitch, angle or shadow copies) and draws as the text field does,
// measuring with the target itself on the screen at 100 %; its window style
// decides whether it takes one line or several.
#pragma once
#include "npropobjctrl.h"
#include "textdrawattr.h"

class CNPropWndDoc;
class CNPropWndWB;

#pragma pack(push, 4)

class MIRT_API CNPropObjEdt : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjEdt)
public:
    enum { EDT_VERSION = 2 };
    // Edit styles of version-1 records, which give the alignment.
    enum : DWORD
    {
        STYLE_CENTER = 0x1,
        STYLE_RIGHT = 0x2,
        STYLE_MULTILINE = 0x4
    };

    CNPropObjEdt();
    CNPropObjEdt(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjEdt() override;

    // The control field's record, then version 2, font, colours, entry
    // mode, row limit, row height, vertical and alignment (taken from the
    // style for version 1).
    void Serialize(CArchive& ar) override;

    // The text without shadow copies, in the text colour also on paper.
    // Always 0.
    int Draw(CDC* pDC, int nMode) override;
    // 0: no action of its own.
    int Activate() override;
    // As the text field's, without character pitch; a text window of a
    // field that is not editable is read-only.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    // Deletes the in-place editor and the text window; 1.
    int DestroyControl() override;
    // As the text field's.
    void FocusControl() override;
    // A CNPropObjEdt filled by CopyTo, moved by dx, dy, remembering the move.
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    // As the control base's, but an editable field with an empty value
    // takes the first item as its value when the list goes in, and a field
    // that is not editable never does.
    void LoadToControl(int bAlsoList) override;
    DECLARE_TEXT_ATTR_OPERATIONS()
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;
    // 1 with the multi-line style.
    int IsMultiLine() override;

    CTextAttr m_text;
    int m_nFrameKind;         // frame colour of the in-place editor

protected:
    CNPropWndWB* m_pWndWB;    // in-place editor, owned
    CNPropWndDoc* m_pWndDoc;  // text window, owned
    UINT m_nEdtVersion;

public:
    CSize m_sizeClone;        // the offset Clone moved this copy by
};

#pragma pack(pop)
