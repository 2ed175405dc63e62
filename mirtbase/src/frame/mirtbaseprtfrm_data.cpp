// The page document in and out of the print frame.
#include "mirtbaseprtfrm.h"

#include <algorithm>

#include "dialogs/titleinputdlg.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "propdata.h"
#include "windows/formfields.h"

namespace {

const char kTitlePrompt[] = "◆タイトルを入力してください";
const char kUntitled[] = "Untitled";
// Index strings 9 and 10 take the date and time of the hand-over.
const int kIndexFirstDate = 8;
const int kIndexLastDate = 9;

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
    MakeHeader(record);
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->SaveFromControls();

    CString strTitle;
    if (m_pTitleField != nullptr)
        m_pTitleField->GetText(strTitle);
    if (bAskTitle) {
        if (!AskTitle(strTitle))
            return nullptr;
        record.strTitle = strTitle;
    } else if (m_pDoc == nullptr && !strTitle.IsEmpty()) {
        record.strTitle = strTitle;
    }
    const CString strNow = COleDateTime::GetCurrentTime().Format();
    if (record.strIndex[kIndexFirstDate].IsEmpty())
        record.strIndex[kIndexFirstDate] = strNow;
    record.strIndex[kIndexLastDate] = strNow;

    CNMirtDoc* pDoc = m_pDoc;
    m_pDoc = nullptr;
    if (pDoc == nullptr || bBBS) {
        delete pDoc;
        pDoc = bBBS ? new CNMirtDocBBS : new CNMirtDoc;
    }
    FillDocument(pDoc, record);
    m_bModify = 0;
    return pDoc;
}

void CMirtBasePrtFrm::MakeHeader(tagNMIRTDOC& record) const
{
    if (m_pDoc != nullptr) {
        m_pDoc->GetMIRTDOC(&record, 1);
        return;
    }
    tagNMIRTDOCHEAD& head = record.head;
    head.h0 = 0;
    head.date = COleDateTime::GetCurrentTime();
    head.h16 = 0;
    head.h20 = 1;
    head.h24 = 3;
    head.nLayoutID = m_pLayout->m_nLayoutID;
    head.h32 = m_pLayout->m_dwSettingB;
    head.h36 = 0;
    head.h40 = 2;
    head.h44 = head.h48 = head.h52 = 0;
}

BOOL CMirtBasePrtFrm::AskTitle(CString& strTitle) const
{
    CResourceHandleSwitch resources;
    CTitleInputDlg dialog(m_pParentWnd);
    dialog.m_strPrompt = kTitlePrompt;
    dialog.m_strTitle = strTitle;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    strTitle = dialog.m_strTitle.IsEmpty() ? CString(kUntitled) : dialog.m_strTitle;
    return TRUE;
}

void CMirtBasePrtFrm::FillDocument(CNMirtDoc* pDoc, tagNMIRTDOC& record)
{
    pDoc->SetMIRTDOC(&record, 1);
    pDoc->SetFormat(m_pLayout);
    pDoc->SetList(&m_listMen);
}
