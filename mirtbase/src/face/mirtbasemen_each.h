// The face window's walks over its fields.
#pragma once
#include "mirtbasemen.h"
#include "npropobj.h"
#include "propdata.h"
#include "windows/formfields.h"

// Each field that is the first of its order in its face list, in list order.
template <class Action>
void CMirtBaseMen::ForEachField(Action action) const
{
    MirtForEachField(m_listMen, [&action](const CPropData& men, CNPropObj& field) {
        if (men.GetPropObjByOrder(field.m_nOrder) == &field)
            action(field);
    });
}

template <class Action>
void CMirtBaseMen::ForEachFocusField(Action action) const
{
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;)
        action(*static_cast<CNPropObj*>(m_listFocus.GetNext(pos)));
}
