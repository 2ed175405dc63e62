// The print frame's exchange with a face window, and single-field updates.
#include "mirtbaseprtfrm.h"

#include "face/spaceinfoapply.h"
#include "mirtbasemen.h"
#include "npropobj.h"
#include "propdata.h"
#include "spaceinfo.h"
#include "windows/formfields.h"
#include "windows/redrawrects.h"

void CMirtBasePrtFrm::SetMen(CMirtBaseMen* pMen, UINT nMen)
{
    if (pMen == nullptr || !IsMenInRange(nMen))
        return;
    const CPropData* pFace = FindMen(nMen);
    if (pFace == nullptr)
        return;
    const CPoint ptOrigin = MenOrigin(nMen);
    CPropData* pClone = pFace->Clone(-ptOrigin.x, -ptOrigin.y);
    pClone->m_nMen = nMen;
    pMen->LoadFace(m_pLayout, this, pClone);
}

void CMirtBasePrtFrm::GetMen(CMirtBaseMen* pMen, UINT nMen, int bReplace)
{
    if (pMen == nullptr || !IsMenInRange(nMen))
        return;
    const CPropData* pFace = pMen->CommitFace();
    CPropData* pOld = FindMen(nMen);
    if (pFace == nullptr || pOld == nullptr)
        return;
    if (!bReplace) {
        pOld->CopyRealData(pFace);
        CreateListEnter();
        return;
    }
    const CPoint ptOrigin = MenOrigin(nMen);
    CPropData* pClone = pFace->Clone(ptOrigin.x, ptOrigin.y);
    pClone->m_nMen = nMen;
    MirtForEachField(*pClone, [this](CNPropObj& field) { field.m_pOwner = this; });
    if (pOld->HasPropObj(m_pCurPropObj))
        m_pCurPropObj = nullptr;
    m_listMen.SetAt(m_listMen.Find(pOld), pClone);
    m_listFocus.RemoveAll();
    delete pOld;
    CreateListEnter();
}

void CMirtBasePrtFrm::SetPropRealData(UINT nMen, UINT nOrder, CString& strText)
{
    const CPropData* pFace = FindMen(nMen);
    CNPropObj* pField = pFace != nullptr ? pFace->GetPropObjByOrder(nOrder) : nullptr;
    if (pField == nullptr)
        return;
    pField->CNPropObj::SetText(strText);
    InvalidateRect(pField);
}

void CMirtBasePrtFrm::SetPropFontEtc(UINT nMen, UINT nOrder, tagSPACEINFO* pInfo)
{
    const CPropData* pFace = FindMen(nMen);
    CNPropObj* pField = pFace != nullptr ? pFace->GetPropObjByOrder(nOrder) : nullptr;
    if (pField == nullptr || pInfo == nullptr)
        return;
    CSpaceInfoApply::ApplyLook(*pField, *pInfo);
    CSpaceInfoApply::ApplyAutoCalc(*pField, *pInfo);
    CSpaceInfoApply::ApplyNumKind(*pField, *pInfo);
    CSpaceInfoApply::ApplyShadow(*pField, *pInfo);
    InvalidateRect(pField);
}

void CMirtBasePrtFrm::ReSetRealData(CNPropObj* pField)
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        const CNPropObj* pSame = static_cast<CPropData*>(m_listMen.GetNext(pos))->GetPropObjByOrder(pField->m_nOrder);
        if (pSame != nullptr)
            pField->SetText(CString(pSame->m_strData));
    }
}

void CMirtBasePrtFrm::InvalidateRect(CNPropObj* pField)
{
    CWnd* pParent = m_hWnd != nullptr ? GetParent() : nullptr;
    if (pParent != nullptr)
        MirtSendRedrawRects(pParent, pField, this);
}
