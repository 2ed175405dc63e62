#include "face/allfieldquery.h"

#include "face/spaceinfoapply.h"
#include "npropobj.h"

namespace {

const DWORD kAllInputBits = 7;

int AutoCalcOf(CNPropObj& field)
{
    return field.GetAutoCalc();
}

int NumKindOf(CNPropObj& field)
{
    return field.GetNumKind();
}

int PichRateOf(CNPropObj& field)
{
    return field.GetPichRate();
}

int ShadowOf(CNPropObj& field)
{
    const int nShadow = field.GetShadow();
    return nShadow == 0 ? 0 : nShadow == 1 || nShadow == 2 ? 1 : -1;
}

int RowHeightOf(CNPropObj& field)
{
    return field.GetRowHeight();
}

int ModifyOf(CNPropObj& field)
{
    return field.GetAttr(CNPropObj::ATTRIBUTE_INPUT) == kAllInputBits ? field.GetModify() : -1;
}

}  // namespace

const AllFieldQuery kAllAutoCalc = {AutoCalcOf, {1, 2}, 2, 3};
const AllFieldQuery kAllNum = {NumKindOf, {0, 1, 2}, 3, 3};
const AllFieldQuery kAllPichRate = {PichRateOf, {0, 1, 2, 3}, 4, 4};
const AllFieldQuery kAllShadow = {ShadowOf, {0, 1}, 2, 2};
const AllFieldQuery kAllRowHeight = {RowHeightOf, {10, 12, 15, 20}, 4, 0};
const AllFieldQuery kAllModify = {ModifyOf, {1, 2}, 2, 3};

CAllFieldFlags::CAllFieldFlags(const AllFieldQuery& query, std::initializer_list<int> seen)
    : m_query(query), m_bSeen{0, 0, 0, 0}
{
    int i = 0;
    for (int bSeen : seen) {
        if (i < m_query.nCount)
            m_bSeen[i] = bSeen != 0;
        i++;
    }
}

void CAllFieldFlags::Count(CNPropObj& field)
{
    const int nValue = m_query.pfnValue(field);
    for (int i = 0; i < m_query.nCount; i++) {
        if (m_query.nValues[i] == nValue)
            m_bSeen[i] = 1;
    }
}

BOOL CAllFieldFlags::IsMixed() const
{
    int nSeen = 0;
    for (int i = 0; i < m_query.nCount; i++)
        nSeen += m_bSeen[i];
    return nSeen > 1;
}

int CAllFieldFlags::Result() const
{
    for (int i = 0; i < m_query.nCount; i++) {
        if (m_bSeen[i])
            return m_query.nValues[i];
    }
    return m_query.nNone;
}

BOOL CAllFieldRules::AutoCalc(CNPropObj& field, UINT nOn)
{
    const int nAutoCalc = field.GetAutoCalc();
    if (nOn == 1 && nAutoCalc == 2)
        field.SetAutoCalc(1);
    else if (nOn == 0 && nAutoCalc == 1)
        field.SetAutoCalc(2);
    else
        return FALSE;
    return TRUE;
}

BOOL CAllFieldRules::NumKind(CNPropObj& field, UINT nKind)
{
    if (field.GetNumKind() == 3)
        return FALSE;
    field.SetNumKind(static_cast<int>(nKind));
    return TRUE;
}

BOOL CAllFieldRules::PichRate(CNPropObj& field, UINT nRate)
{
    if (field.GetPichRate() == 4)
        return FALSE;
    field.SetPichRate(static_cast<int>(nRate));
    return TRUE;
}

BOOL CAllFieldRules::Shadow(CNPropObj& field, UINT nOn)
{
    if (field.GetShadow() == 3)
        return FALSE;
    field.SetShadow(CSpaceInfoApply::ShadowFor(field, nOn));
    return TRUE;
}

BOOL CAllFieldRules::RowHeight(CNPropObj& field, UINT nHeight)
{
    if (field.GetRowHeight() == 0)
        return FALSE;
    field.SetRowHeight(static_cast<int>(nHeight));
    return TRUE;
}

BOOL CAllFieldRules::Modify(CNPropObj& field, UINT nValue)
{
    if (field.GetModify() == 3)
        return FALSE;
    field.SetModify(nValue != 1);
    return TRUE;
}
