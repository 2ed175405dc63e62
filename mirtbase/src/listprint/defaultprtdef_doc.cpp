// List printing definition: the values of the page document it prints.
#include "defaultprtdef.h"

#include "nmirtdoc.h"
#include "npropobj.h"

CNPropObj* CDefaultPrtDef::GetField(UINT nOrder) const
{
    return m_pDoc != nullptr ? m_pDoc->GetPropObjByOrder(nOrder) : nullptr;
}

void CDefaultPrtDef::GetFieldText(UINT nOrder, CString& strText) const
{
    const CNPropObj* pField = GetField(nOrder);
    strText = pField != nullptr ? pField->m_strData : CString();
}

void CDefaultPrtDef::GetFieldName(UINT nOrder, CString& strName) const
{
    CNPropObj* pField = GetField(nOrder);
    strName = pField != nullptr ? pField->GetFieldName() : CString();
}

void CDefaultPrtDef::GetDefPrtString(UINT nIndex, CString& strText) const
{
    strText.Empty();
    if (m_pDoc == nullptr)
        return;
    const CStringList& strings = m_pDoc->GetDefPrtStrings();
    if (nIndex < static_cast<UINT>(strings.GetCount()))
        strText = strings.GetAt(strings.FindIndex(static_cast<int>(nIndex)));
}
