#include "reference/mappeddata.h"

#include <climits>

#include "nmirtdoc.h"
#include "npropobj.h"
#include "propdata.h"
#include "windows/formfields.h"

namespace {

CNPropObj* SourceOf(CNMirtDoc& doc, const CFieldMap* pMap, UINT nOrder, UINT nMen)
{
    if (pMap == nullptr)
        return doc.GetPropObjByOrder(nOrder, nMen);
    WORD wSource = 0;
    if (nOrder > USHRT_MAX || !pMap->Lookup(static_cast<WORD>(nOrder), wSource))
        return nullptr;
    return doc.GetPropObjByOrder(wSource);
}

}  // namespace

void MirtCopyMappedData(const CObList& listMen, CNMirtDoc& doc, const CFieldMap* pMap, BOOL bStoreOnly)
{
    MirtForEachField(listMen, [&](const CPropData& men, CNPropObj& field) {
        const CNPropObj* pSource = SourceOf(doc, pMap, field.m_nOrder, men.m_nMen);
        if (pSource == nullptr)
            return;
        if (bStoreOnly)
            field.CNPropObj::SetText(pSource->m_strData);
        else
            field.SetText(pSource->m_strData);
    });
}
