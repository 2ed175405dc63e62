// The calculated field: its record, the computation into the result field
// and the table-row rule.
#include "npropobjgrp.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "fields/group/reentryguard.h"
#include "mirtbase.h"
#include "npropobjnum.h"
#include "valuefile.h"

IMPLEMENT_SERIAL(CNPropObjCalc, CNPropObjGrp, 1)

namespace {

// Letters a formula may begin with that are not part of it.
const char kRoundingLetters[] = "DFPSU";
// A field reference: "$" and three digits.
const int kCalcReferenceDigits = 3;

// The orders that the formula references, in order (a "$" without three
// characters after it ends the list).
std::vector<UINT> ReferencedOrders(const CString& strFormula)
{
    std::vector<UINT> orders;
    for (int i = strFormula.Find('$'); i >= 0; i = strFormula.Find('$', i + 1)) {
        if (i + kCalcReferenceDigits >= strFormula.GetLength())
            break;
        orders.push_back(static_cast<UINT>(std::atol(strFormula.Mid(i + 1, kCalcReferenceDigits))));
    }
    return orders;
}

}  // namespace

CNPropObjCalc::CNPropObjCalc() : m_nCalcVersion(CALC_VERSION), m_bExecuting(FALSE)
{
}

CNPropObjCalc::CNPropObjCalc(const tagPROPBLOCK& block)
    : CNPropObjGrp(block), m_nCalcVersion(CALC_VERSION), m_bExecuting(FALSE)
{
}

void CNPropObjCalc::Serialize(CArchive& ar)
{
    CNPropObjGrp::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nCalcVersion << m_strFormula;
    else
        ar >> m_nCalcVersion >> m_strFormula;
}

CNPropObj* CNPropObjCalc::Clone(int, int)
{
    return CloneGroup<CNPropObjCalc>();
}

void CNPropObjCalc::InitDefaults()
{
    m_strFormula.Empty();
}

void CNPropObjCalc::CopyTo(CNPropObj* pOther)
{
    CNPropObjGrp::CopyTo(pOther);
    CNPropObjCalc* pCalc = dynamic_cast<CNPropObjCalc*>(pOther);
    if (pCalc != nullptr)
        pCalc->m_strFormula = m_strFormula;
}

UINT CNPropObjCalc::GetVersion()
{
    return m_nCalcVersion;
}

CString CNPropObjCalc::FormulaToEvaluate() const
{
    if (!m_strFormula.IsEmpty() && std::strchr(kRoundingLetters, m_strFormula[0]) != nullptr)
        return m_strFormula.Mid(1);
    return m_strFormula;
}

int CNPropObjCalc::Execute(DWORD, DWORD, DWORD)
{
    if (m_bExecuting || m_pOwner == nullptr || m_pOwner->GetParentWnd() == nullptr || m_arrayTarget.GetSize() == 0)
        return 0;
    CNPropObj* pResult = FieldByOrder(m_arrayTarget[0]);
    if (pResult == nullptr)
        return 0;
    const CReentryGuard guard(m_bExecuting);
    const CString strFormula = FormulaToEvaluate();
    if (IsRowEndOrder(pResult->m_nOrder) && !CheckRowInput(strFormula))
        return 0;
    LONGLONG nValue = 0;
    if (CalcFormula(strFormula, nValue) != CALC_DONE)
        return 0;
    const char chRule = MirtReadRoundingRule();
    const CString strText = pResult->GetNumKind() != CNPropObjDocNum::NUMKIND_INTEGER
                                ? FormatDecimal(nValue, chRule)
                                : FormatInteger(nValue, chRule);
    if (pResult->GetAutoCalc() == CNPropObjDocNum::AUTOCALC_ON)
        WriteResult(pResult, strText);
    if (pResult->GetLink(1) != nullptr)
        pResult->RecalcLinked();
    return 1;
}

void CNPropObjCalc::WriteResult(CNPropObj* pResult, const CString& strText)
{
    if (pResult->GetNumKind() != CNPropObjDocNum::NUMKIND_TRIMMED) {
        pResult->SetText(strText);
        return;
    }
    CString strCurrent;
    pResult->GetText(strCurrent);
    if (!strCurrent.IsEmpty() && strCurrent.GetLength() != strText.GetLength() &&
        std::atof(strCurrent) == std::atof(strText))
        return;
    pResult->SetText(CNPropObjDocNum::NormalizeNumber(strText, CNPropObjDocNum::NUMKIND_TRIMMED));
}

BOOL CNPropObjCalc::IsRowEndOrder(UINT nOrder)
{
    if (m_pOwner == nullptr)
        return FALSE;
    if (!m_pOwner->IsTableData())
        return TRUE;
    const long long nFirst = m_pOwner->GetTableFirstOrder();
    const long long nRows = m_pOwner->GetTableLine();
    const long long nPerRow = (static_cast<long long>(m_pOwner->GetTableLastOrder()) - nFirst + 1) / nRows;
    // nOrder = first + k × per − 1 for a k from 1 to the row count.
    const long long nDistance = static_cast<long long>(nOrder) + 1 - nFirst;
    if (nPerRow == 0)
        return nDistance == 0;
    if (nDistance % nPerRow != 0)
        return FALSE;
    const long long nRow = nDistance / nPerRow;
    return nRow >= 1 && nRow <= nRows;
}

// References past the formula's end are not empty; a reference to an order
// the face does not hold reads as empty.
BOOL CNPropObjCalc::CheckRowInput(const CString& strFormula)
{
    if (m_pOwner == nullptr)
        return FALSE;
    if (!m_pOwner->IsTableData())
        return TRUE;
    if (strFormula.IsEmpty())
        return FALSE;
    const std::vector<UINT> orders = ReferencedOrders(strFormula);
    if (orders.empty() || !IsRowEndOrder(orders[0]) || orders.size() < 3)
        return TRUE;
    for (size_t i = 1; i < 3; i++) {
        CString strText;
        CNPropObj* pField = FieldByOrder(orders[i]);
        if (pField != nullptr)
            pField->GetText(strText);
        if (!strText.IsEmpty())
            return TRUE;
    }
    return FALSE;
}
