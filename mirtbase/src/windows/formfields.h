// Walks over the fields of a form window's face lists.
#pragma once
#include <afxcoll.h>

#include "npropobj.h"
#include "propdata.h"

// Each field of the face list, in list order.
template <class Action>
void MirtForEachField(const CPropData& men, Action action)
{
    POSITION pos;
    for (CNPropObj* pField = men.GetFirstPropObj(pos); pField != nullptr; pField = men.GetNextPropObj(pos))
        action(*pField);
}

// Each field of each face list (CPropData), in list order; the action gets
// the face list too.
template <class Action>
void MirtForEachField(const CObList& listMen, Action action)
{
    for (POSITION pos = listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData& men = *static_cast<const CPropData*>(listMen.GetNext(pos));
        MirtForEachField(men, [&men, &action](CNPropObj& field) { action(men, field); });
    }
}
