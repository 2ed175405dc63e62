// CNPropObjAutoItem: a text field that fills itself, when shown empty, with
// a value the user saved once for all forms (name, company, address...).
// Item 1 names the value file under the install root's "\Data\Other\"
// (trailing blanks ignored); item 2, when present, is written before the
// value. A value in the field, typed or stored, is never replaced. The
// stored record is the text field's.
#pragma once
#include "npropobjdoc.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjAutoItem : public CNPropObjDoc
{
    DECLARE_SERIAL(CNPropObjAutoItem)
public:
    // Frame kind of the in-place editor.
    enum { AUTOITEM_FRAME_KIND = 3 };

    CNPropObjAutoItem();
    CNPropObjAutoItem(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    CNPropObj* Clone(int dx, int dy) override;
    // An empty value is read from the value file when an editable field is
    // loaded with its list, or when a shown field that takes no input is
    // loaded; the data then goes into the window.
    void LoadToControl(int bAlsoList) override;
    UINT GetVersion() override;

    // The prefix (item 2) followed by the saved value that item 1 names; a
    // missing or unreadable file gives the prefix alone, no items nothing.
    static CString ReadSavedValue(const CStringList& items);

protected:
    UINT m_nAutoVersion;
};

#pragma pack(pop)
