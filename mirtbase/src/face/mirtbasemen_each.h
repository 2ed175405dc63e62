// The face window's walks over its fields.
#pragma once
#include "mirtbasemen.h"
#include "npropobj.h"
#include "propdata.h"

// Each field that is the first of its order in its face list, in list order.
template <class Action>
void CMirtBaseMen::ForEachField(Action action) const
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData* pMen = static_cast<const CPropData*>(m_listMen.GetNext(pos));
        POSITION posField;
        for (CNPropObj* pField = pMen->GetFirstPropObj(posField); pField != nullptr;
             pField = pMen->GetNextPropObj(posField)) {
            if (pMen->GetPropObjByOrder(pField->m_nOrder) == pField)
                action(*pField);
        }
    }
}

template <class Action>
void CMirtBaseMen::ForEachFocusField(Action action) const
{
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;)
        action(*static_cast<CNPropObj*>(m_listFocus.GetNext(pos)));
}
