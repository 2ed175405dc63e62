// What the text field and the edit field do alike beyond their attributes.
#pragma once
#include "npropobjctrl.h"

// Data and list into the entry window. An editable field with an empty value
// takes the first item as its value when the list goes in; a field that is
// not editable, shown and carries data takes it for an empty value only
// when bItemForShownData.
void LoadTextToControl(CNPropObjCtrl& field, int bAlsoList, BOOL bItemForShownData);

// A new field of class T from field's block and styles, filled by CopyTo,
// moved by dx, dy, with the move remembered as its clone offset.
template <class T>
T* CloneTextField(T& field, int dx, int dy)
{
    tagPROPBLOCK block;
    field.GetBlock(block);
    T* pClone = new T(block, field.m_dwStyle, field.m_dwExStyle);
    field.CopyTo(pClone);
    ::OffsetRect(&pClone->m_rect, dx, dy);
    pClone->m_sizeClone = CSize(dx, dy);
    return pClone;
}
