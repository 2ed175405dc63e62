// All-field settings of a face, passed on to the page.
#include "mirtbasemen.h"

#include <vector>

#include "face/allfieldquery.h"
#include "face/mirtbasemen_each.h"
#include "mirtbaseprtfrm.h"

void CMirtBaseMen::SetUserAllAutoCalc(UINT nOn)
{
    ForEachField([nOn](CNPropObj& field) { CAllFieldRules::AutoCalc(field, nOn); });
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetUserAllAutoCalc(nOn);
}

void CMirtBaseMen::SetUserAllNum(UINT nKind)
{
    ForEachField([this, nKind](CNPropObj& field) {
        if (!CAllFieldRules::NumKind(field, nKind) || field.m_strData.IsEmpty())
            return;
        field.SetText(CString(field.m_strData));
        RedrawAria(&field);
    });
    SetUserEventForData();
    if (m_pCurPropObj != nullptr && CAllFieldRules::NumKind(*m_pCurPropObj, nKind)) {
        RefreshCurrentControl();
        m_pCurPropObj->SaveFromControl();
        m_pCurPropObj->LoadToControl(0);
    }
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetUserAllNum(nKind);
}

void CMirtBaseMen::SetUserAllPichRate(UINT nRate)
{
    ForEachField([this, nRate](CNPropObj& field) {
        if (CAllFieldRules::PichRate(field, nRate))
            RedrawAria(&field);
    });
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetUserAllPichRate(nRate);
    RefreshCurrentControl();
}

void CMirtBaseMen::SetUserAllShadow(UINT nOn)
{
    ForEachField([this, nOn](CNPropObj& field) {
        if (CAllFieldRules::Shadow(field, nOn))
            RedrawAria(&field);
    });
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetUserAllShadow(nOn);
}

void CMirtBaseMen::SetUserAllRowHeight(UINT nHeight)
{
    ForEachField([this, nHeight](CNPropObj& field) {
        if (CAllFieldRules::RowHeight(field, nHeight))
            RedrawAria(&field);
    });
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetUserAllRowHeight(nHeight);
    RefreshCurrentControl();
}

void CMirtBaseMen::SetUserAllModify(UINT nValue)
{
    ForEachField([nValue](CNPropObj& field) { CAllFieldRules::Modify(field, nValue); });
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetUserAllModify(nValue);
}

int CMirtBaseMen::AnswerAll(const AllFieldQuery& query, int (*pfnAskFrame)(CMirtBasePrtFrm&, const CAllFieldFlags&))
{
    CAllFieldFlags flags(query);
    ForEachField([&flags](CNPropObj& field) { flags.Count(field); });
    if (flags.IsMixed() || (m_pPrtFrm != nullptr && pfnAskFrame(*m_pPrtFrm, flags) == 0))
        return -1;
    return flags.Result();
}

int CMirtBaseMen::IsUserAllAutoCalc()
{
    return AnswerAll(kAllAutoCalc, [](CMirtBasePrtFrm& frame, const CAllFieldFlags& flags) {
        return frame.IsUserAllAutoCalc(flags.Flag(0), flags.Flag(1));
    });
}

int CMirtBaseMen::IsUserAllNum()
{
    return AnswerAll(kAllNum, [](CMirtBasePrtFrm& frame, const CAllFieldFlags& flags) {
        return frame.IsUserAllNum(flags.Flag(0), flags.Flag(1), flags.Flag(2));
    });
}

int CMirtBaseMen::IsUserAllPichRate()
{
    return AnswerAll(kAllPichRate, [](CMirtBasePrtFrm& frame, const CAllFieldFlags& flags) {
        return frame.IsUserAllPichRate(flags.Flag(0), flags.Flag(1), flags.Flag(2), flags.Flag(3));
    });
}

int CMirtBaseMen::IsUserAllShadow()
{
    return AnswerAll(kAllShadow, [](CMirtBasePrtFrm& frame, const CAllFieldFlags& flags) {
        return frame.IsUserAllShadow(flags.Flag(0), flags.Flag(1));
    });
}

int CMirtBaseMen::IsUserAllRowHeight()
{
    return AnswerAll(kAllRowHeight, [](CMirtBasePrtFrm& frame, const CAllFieldFlags& flags) {
        return frame.IsUserAllRowHeight(flags.Flag(0), flags.Flag(1), flags.Flag(2), flags.Flag(3));
    });
}

int CMirtBaseMen::IsUserAllModify()
{
    return AnswerAll(kAllModify, [](CMirtBasePrtFrm& frame, const CAllFieldFlags& flags) {
        return frame.IsUserAllModify(flags.Flag(0), flags.Flag(1));
    });
}

void CMirtBaseMen::SetUserEvent(UINT nOrder)
{
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listFocus.GetNext(pos));
        if (nOrder == 0) {
            if (!pField->m_strData.IsEmpty())
                pField->RecalcLinked();
            continue;
        }
        if (pField->m_nOrder != nOrder)
            continue;
        if (m_hWnd == nullptr && pField->GetLink(1) != nullptr)
            pField->RecalcLinked();
        return;
    }
}

void CMirtBaseMen::SetUserEventForData()
{
    std::vector<UINT> orders;
    ForEachFocusField([&orders](CNPropObj& field) {
        if (!field.m_strData.IsEmpty() && field.GetNumKind() != 3)
            orders.push_back(field.m_nOrder);
    });
    for (UINT nOrder : orders)
        SetUserEvent(nOrder);
}

int CMirtBaseMen::IsPropObjDocNum()
{
    int bFound = 0;
    ForEachFocusField([&bFound](CNPropObj& field) {
        if (field.GetAutoCalc() != 0)
            bFound = 1;
    });
    return bFound;
}

void CMirtBaseMen::SetUserRealData()
{
    ForEachFocusField([](CNPropObj& field) {
        if (!field.m_strData.IsEmpty())
            field.SetText(CString(field.m_strData), field.GetNumKind() == 3 ? 1 : 0);
    });
}
