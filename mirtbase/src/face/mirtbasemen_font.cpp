// The face window's font and spacing records, field rectangles and repaints.
#include "mirtbasemen.h"

#include <memory>

#include "face/spaceinfoapply.h"
#include "mirtbaseprtfrm.h"
#include "mirtmsgs.h"
#include "npropobj.h"
#include "propdata.h"
#include "spaceinfo.h"
#include "windows/redrawrects.h"

namespace {

const UINT kFullSize = 100;

const SelectedRectRecord* FindRecord(const CPtrArray& records, UINT nOrder)
{
    for (INT_PTR i = 0; i < records.GetSize(); i++) {
        const SelectedRectRecord* pRecord = static_cast<const SelectedRectRecord*>(records.GetAt(i));
        if (pRecord != nullptr && pRecord->nOrder == nOrder)
            return pRecord;
    }
    return nullptr;
}

RECT DrawnRect(CNPropObj& field, CDC* pDC)
{
    RECT rectWhole = {0, 0, 0, 0};
    RECT rectFirst = {0, 0, 0, 0};
    RECT rectSecond = {0, 0, 0, 0};
    field.GetDrawRects(pDC, &rectWhole, &rectFirst, &rectSecond);
    return rectWhole;
}

}  // namespace

void CMirtBaseMen::SetFontEtc(tagSPACEINFO* pInfo)
{
    std::unique_ptr<tagSPACEINFO> info(pInfo);
    CNPropObj* pField = m_pCurPropObj;
    if (pField == nullptr || pInfo == nullptr)
        return;
    BOOL bRefresh = CSpaceInfoApply::ApplyLook(*pField, *pInfo);
    CSpaceInfoApply::ApplyAutoCalc(*pField, *pInfo);
    if (CSpaceInfoApply::ApplyNumKind(*pField, *pInfo)) {
        RefreshCurrentControl();
        SetUserEvent(0);
        bRefresh = TRUE;
    }
    if (CSpaceInfoApply::ApplyShadow(*pField, *pInfo))
        RedrawAria(pField);
    if (bRefresh)
        RefreshCurrentControl();
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetPropFontEtc(MenNumberOf(pField), pField->m_nOrder, pInfo);
}

void CMirtBaseMen::SetMultiFontEtc(CUIntArray* pOrders, CPtrArray* pInfos, UINT nKind, tagSPACEINFO* pInfo)
{
    if (pOrders == nullptr || pInfos == nullptr)
        return;
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData* pMen = static_cast<CPropData*>(m_listMen.GetNext(pos));
        for (INT_PTR i = 0; i < pOrders->GetSize() && i < pInfos->GetSize(); i++) {
            CNPropObj* pField = pMen->GetPropObjByOrder(pOrders->GetAt(i));
            tagSPACEINFO* pRecord = static_cast<tagSPACEINFO*>(pInfos->GetAt(i));
            if (pField == nullptr || pRecord == nullptr)
                continue;
            if (pInfo != nullptr)
                CSpaceInfoApply::CopyAttribute(nKind, *pInfo, *pRecord);
            CSpaceInfoApply::ApplyLook(*pField, *pRecord);
            if (m_pPrtFrm != nullptr)
                m_pPrtFrm->SetPropFontEtc(pMen->m_nMen, pField->m_nOrder, pRecord);
        }
    }
}

CPtrArray* CMirtBaseMen::GetMultiFontEtc(CUIntArray* pOrders)
{
    CPtrArray* pInfos = new CPtrArray;
    if (pOrders == nullptr)
        return pInfos;
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData* pMen = static_cast<CPropData*>(m_listMen.GetNext(pos));
        for (INT_PTR i = 0; i < pOrders->GetSize(); i++) {
            CNPropObj* pField = pMen->GetPropObjByOrder(pOrders->GetAt(i));
            if (pField == nullptr)
                continue;
            tagSPACEINFO* pRecord = new tagSPACEINFO;
            CSpaceInfoApply::Read(*pField, *pRecord);
            pInfos->Add(pRecord);
        }
    }
    return pInfos;
}

CPtrArray* CMirtBaseMen::GetSelectedRect(int bSkipLocked)
{
    CPtrArray* pRecords = new CPtrArray;
    CDC display;
    display.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listFocus.GetNext(pos));
        if (bSkipLocked && pField->GetAttr(CNPropObj::ATTRIBUTE_LOCK) != 0)
            continue;
        pRecords->Add(new SelectedRectRecord{pField->m_nOrder, DrawnRect(*pField, &display)});
    }
    return pRecords;
}

void CMirtBaseMen::SetSelectedRect(CPtrArray* pRecords)
{
    if (pRecords == nullptr)
        return;
    CDC display;
    display.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listFocus.GetNext(pos));
        const SelectedRectRecord* pRecord = IsPassedOver(pField) ? nullptr : FindRecord(*pRecords, pField->m_nOrder);
        if (pRecord == nullptr)
            continue;
        const RECT rectNow = DrawnRect(*pField, &display);
        if (::EqualRect(&rectNow, &pRecord->rect))
            continue;
        RedrawAria(pField);
        RECT rect = pRecord->rect;
        CNPropObj::ConvertRectUnits(&display, &rect, FALSE);
        if (m_nPercent != kFullSize && m_nPercent != 0) {
            for (LONG* pValue : {&rect.left, &rect.top, &rect.right, &rect.bottom})
                *pValue = static_cast<LONG>(static_cast<LONGLONG>(*pValue) * kFullSize / m_nPercent);
        }
        pField->m_rect = rect;
        MergeIntoFrame();
        RedrawAria(pField);
    }
    DeleteArray(pRecords);
}

void CMirtBaseMen::DeleteArray(CPtrArray* pRecords)
{
    if (pRecords == nullptr)
        return;
    for (INT_PTR i = 0; i < pRecords->GetSize(); i++)
        delete static_cast<SelectedRectRecord*>(pRecords->GetAt(i));
    delete pRecords;
}

void CMirtBaseMen::RedrawAria(CNPropObj* pField)
{
    CWnd* pParent = m_hWnd == nullptr && m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != nullptr
        ? m_pParentWnd
        : nullptr;
    if (pField == nullptr) {
        if (pParent != nullptr)
            pParent->PostMessage(MsgRedrawRect, 0, 0);
        return;
    }
    if (pParent != nullptr)
        MirtSendRedrawRects(pParent, pField, this);
    if (m_pPrtFrm != nullptr)
        m_pPrtFrm->SetPropRealData(MenNumberOf(pField), pField->m_nOrder, pField->m_strData);
}
