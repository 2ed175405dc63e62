// The page document in and out of the print frame.
#include "mirtbaseprtfrm.h"

#include <algorithm>

#include "frame/pagehandover.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "propdata.h"
#include "windows/formfields.h"

namespace {

// The fields that keep the offset a clone was moved by take the face's
// origin as theirs.
void RememberOrigin(CNPropObj* pField, CSize origin)
{
    if (CNPropObjDoc* pText = dynamic_cast<CNPropObjDoc*>(pField))
        pText->m_sizeClone = origin;
    else if (CNPropObjEdt* pEdit = dynamic_cast<CNPropObjEdt*>(pField))
        pEdit->m_sizeClone = origin;
}

}  // namespace

CPoint CMirtBasePrtFrm::ListOrigin(UINT nMen) const
{
    const INT_PTR nCount = m_pLayout->m_LayoutData.m_arrayMen.GetSize();
    if (nCount == 0)
        return CPoint(0, 0);
    const INT_PTR nIndex = nMen == 0 ? 0 : std::min<INT_PTR>(static_cast<INT_PTR>(nMen) - 1, nCount - 1);
    return m_pLayout->m_LayoutData.m_arrayMen[nIndex];
}

CNMirtDoc* CMirtBasePrtFrm::SetData(CNMirtDoc* pDoc)
{
    if (m_pLayout == nullptr || pDoc == nullptr)
        return nullptr;
    CNMirtDoc* pPrevious = m_pDoc != nullptr ? GetData(0, 0) : nullptr;
    m_pDoc = pDoc;
    CObList listMen;
    pDoc->GetList(&listMen);
    DeleteFaceLists();
    m_listMen.AddTail(&listMen);
    MirtForEachField(m_listMen, [this](const CPropData& men, CNPropObj& field) {
        field.m_pOwner = this;
        const CPoint ptOrigin = ListOrigin(men.m_nMen);
        RememberOrigin(&field, CSize(ptOrigin.x, ptOrigin.y));
    });
    CreateListEnter();
    m_bModify = 0;
    return pPrevious;
}

CNMirtDoc* CMirtBasePrtFrm::GetData(int bBBS, int bAskTitle)
{
    if (m_pLayout == nullptr)
        return nullptr;
    tagNMIRTDOC record;
    MirtMakePageHeader(m_pDoc, *m_pLayout, record);
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->SaveFromControls();

    CString strTitle;
    if (m_pTitleField != nullptr)
        m_pTitleField->GetText(strTitle);
    if (bAskTitle) {
        if (!MirtAskPageTitle(m_pParentWnd, strTitle))
            return nullptr;
        record.strTitle = strTitle;
    } else if (m_pDoc == nullptr && !strTitle.IsEmpty()) {
        record.strTitle = strTitle;
    }
    MirtStampPageDates(record);
    CNMirtDoc* pDoc = MirtHandOverPage(m_pDoc, bBBS, record, m_pLayout, m_listMen);
    m_bModify = 0;
    return pDoc;
}
