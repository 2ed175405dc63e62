// All-field settings over the page's editable fields.
#include "mirtbaseprtfrm.h"

#include "face/allfieldquery.h"
#include "npropobj.h"

namespace {

// The page's editable fields counted into flags; 1 when not mixed.
int AnswerOf(const CObList& listFocus, CAllFieldFlags& flags)
{
    for (POSITION pos = listFocus.GetHeadPosition(); pos != nullptr && !flags.IsMixed();)
        flags.Count(*static_cast<CNPropObj*>(listFocus.GetNext(pos)));
    return flags.IsMixed() ? 0 : 1;
}

template <class Action>
void ForEachIn(const CObList& listFocus, Action action)
{
    for (POSITION pos = listFocus.GetHeadPosition(); pos != nullptr;)
        action(*static_cast<CNPropObj*>(listFocus.GetNext(pos)));
}

}  // namespace

void CMirtBasePrtFrm::SetUserAllAutoCalc(UINT nOn)
{
    ForEachIn(m_listFocus, [nOn](CNPropObj& field) { CAllFieldRules::AutoCalc(field, nOn); });
}

void CMirtBasePrtFrm::SetUserAllNum(UINT nKind)
{
    ForEachIn(m_listFocus, [this, nKind](CNPropObj& field) {
        if (CAllFieldRules::NumKind(field, nKind) && !field.m_strData.IsEmpty()) {
            ReSetRealData(&field);
            InvalidateRect(&field);
        }
    });
}

void CMirtBasePrtFrm::SetUserAllPichRate(UINT nRate)
{
    ForEachIn(m_listFocus, [nRate](CNPropObj& field) { CAllFieldRules::PichRate(field, nRate); });
}

void CMirtBasePrtFrm::SetUserAllShadow(UINT nOn)
{
    ForEachIn(m_listFocus, [this, nOn](CNPropObj& field) {
        if (CAllFieldRules::Shadow(field, nOn))
            InvalidateRect(&field);
    });
}

void CMirtBasePrtFrm::SetUserAllRowHeight(UINT nHeight)
{
    ForEachIn(m_listFocus, [nHeight](CNPropObj& field) { CAllFieldRules::RowHeight(field, nHeight); });
}

void CMirtBasePrtFrm::SetUserAllModify(UINT nValue)
{
    ForEachIn(m_listFocus, [nValue](CNPropObj& field) { CAllFieldRules::Modify(field, nValue); });
}

int CMirtBasePrtFrm::IsUserAllAutoCalc(int bOn, int bOff)
{
    CAllFieldFlags flags(kAllAutoCalc, {bOn, bOff});
    return AnswerOf(m_listFocus, flags);
}

int CMirtBasePrtFrm::IsUserAllNum(int bKind0, int bKind1, int bKind2)
{
    CAllFieldFlags flags(kAllNum, {bKind0, bKind1, bKind2});
    return AnswerOf(m_listFocus, flags);
}

int CMirtBasePrtFrm::IsUserAllPichRate(int bRate0, int bRate1, int bRate2, int bRate3)
{
    CAllFieldFlags flags(kAllPichRate, {bRate0, bRate1, bRate2, bRate3});
    return AnswerOf(m_listFocus, flags);
}

int CMirtBasePrtFrm::IsUserAllShadow(int bOff, int bOn)
{
    CAllFieldFlags flags(kAllShadow, {bOff, bOn});
    return AnswerOf(m_listFocus, flags);
}

int CMirtBasePrtFrm::IsUserAllRowHeight(int b10, int b12, int b15, int b20)
{
    CAllFieldFlags flags(kAllRowHeight, {b10, b12, b15, b20});
    return AnswerOf(m_listFocus, flags);
}

int CMirtBasePrtFrm::IsUserAllModify(int bFree, int bLocked)
{
    CAllFieldFlags flags(kAllModify, {bFree, bLocked});
    return AnswerOf(m_listFocus, flags);
}
