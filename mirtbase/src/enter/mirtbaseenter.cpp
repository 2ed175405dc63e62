#include "mirtbaseenter.h"

#include <cstring>

#include "enter/textoverflow.h"
#include "frame/pagehandover.h"
#include "mirtmsgs.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "propdata.h"
#include "reference/mappeddata.h"
#include "windows/formfields.h"
#include "zeb95.h"

IMPLEMENT_DYNAMIC(CMirtBaseEnter, CMirtBase)

BEGIN_MESSAGE_MAP(CMirtBaseEnter, CMirtBase)
    ON_MESSAGE(MsgUserMove, OnUserMove)
    ON_MESSAGE(MsgFirstField, OnFirstField)
    ON_MESSAGE(MsgZebCmd, OnZebCmd)
    ON_MESSAGE(MsgUserRovf, OnUserRovf)
    ON_MESSAGE(MsgUserModify, OnUserModify)
    ON_MESSAGE(MsgUserSetGrp, OnUserSetGrp)
    ON_MESSAGE(MsgUserClipBoard, OnUserClipBoard)
END_MESSAGE_MAP()

namespace {

const int kIndexBlockSize = 10;
const UINT kFirstIndex = 1;
const UINT kLastIndex = NMIRTDOC_INDEX_COUNT;
const UINT kTextChanged = 101;
const UINT kTextReplaced = 201;
const UINT kOverflow = 112;
// A layout whose first setting is this takes the page title from its
// index fields.
const DWORD kTitleFromIndex = 1;

}  // namespace

CMirtBaseEnter::CMirtBaseEnter() : m_mapIndex(kIndexBlockSize), m_pDoc(nullptr)
{
    InitMember();
}

CMirtBaseEnter::~CMirtBaseEnter()
{
    InitMember();
}

void CMirtBaseEnter::InitMember()
{
    m_listFocus.RemoveAll();
    m_mapIndex.RemoveAll();
    CMirtBase::InitMember();
    m_nWndKind = 1;
    std::memset(m_dwReserved, 0, sizeof(m_dwReserved));
    delete m_pDoc;
    m_pDoc = nullptr;
    if (m_hWnd != nullptr)
        zebDestroyWhiteBoard(Detach());
}

void CMirtBaseEnter::CreateList()
{
    if (m_pLayout == nullptr)
        return;
    BuildFaceLists(CPoint(0, 0));
    MirtForEachField(m_listMen, [this](const CPropData& men, CNPropObj& field) {
        field.m_pOwner = this;
        if (field.IsEditable())
            m_listFocus.AddTail(&field);
        const UINT nIndex = field.GetAttr(CNPropObj::ATTRIBUTE_INDEX);
        CNPropObj* pTaken = nullptr;
        if (men.m_nMen == 0 && nIndex >= kFirstIndex && nIndex <= kLastIndex &&
            !m_mapIndex.Lookup(static_cast<WORD>(nIndex), pTaken))
            m_mapIndex.SetAt(static_cast<WORD>(nIndex), &field);
    });
}

CString CMirtBaseEnter::GetIndexData(UINT n)
{
    CString strText;
    CNPropObj* pField = nullptr;
    if (n <= kLastIndex && m_mapIndex.Lookup(static_cast<WORD>(n), pField))
        pField->GetText(strText);
    return strText;
}

BOOL CMirtBaseEnter::FillTitle(tagNMIRTDOC& record)
{
    if (m_pLayout->m_dwSettingA == kTitleFromIndex) {
        record.strTitle = GetIndexData(kFirstIndex);
        for (UINT n = kFirstIndex; n <= kLastIndex; n++)
            record.strIndex[n - 1] = GetIndexData(n);
        return TRUE;
    }
    CString strTitle;
    if (!MirtAskPageTitle(m_pParentWnd, strTitle))
        return FALSE;
    record.strTitle = strTitle;
    MirtStampPageDates(record);
    return TRUE;
}

CNMirtDoc* CMirtBaseEnter::GetData(int bBBS)
{
    if (m_pLayout == nullptr)
        return nullptr;
    tagNMIRTDOC record;
    MirtMakePageHeader(m_pDoc, *m_pLayout, record);
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->SaveFromControls();
    if (!FillTitle(record))
        return nullptr;
    CNMirtDoc* pDoc = MirtHandOverPage(m_pDoc, bBBS, record, m_pLayout, m_listMen);
    m_bModify = 0;
    return pDoc;
}

CNMirtDoc* CMirtBaseEnter::SetData(CNMirtDoc* pDoc)
{
    if (m_pLayout == nullptr || pDoc == nullptr)
        return nullptr;
    CNMirtDoc* pPrevious = nullptr;
    if (m_pDoc != nullptr) {
        pPrevious = GetData(0);
        // A cancelled title still hands the held page back, with its header.
        if (pPrevious == nullptr) {
            tagNMIRTDOC record;
            m_pDoc->GetMIRTDOC(&record, 1);
            pPrevious = MirtHandOverPage(m_pDoc, 0, record, m_pLayout, m_listMen);
        }
    }
    m_pDoc = pDoc;
    CObList listPartners;
    pDoc->GetList(&listPartners);
    POSITION pos = m_listMen.GetHeadPosition();
    while (!listPartners.IsEmpty()) {
        CPropData* pPartner = static_cast<CPropData*>(listPartners.RemoveHead());
        if (pos != nullptr)
            static_cast<CPropData*>(m_listMen.GetNext(pos))->CopyRealData(pPartner);
        delete pPartner;
    }
    m_bModify = 0;
    return pPrevious;
}

int CMirtBaseEnter::SetDefMapData(CNMirtDoc* pDoc)
{
    if (m_pLayout == nullptr || pDoc == nullptr)
        return 0;
    const UINT nFromID = pDoc->GetLayoutID();
    const BOOL bSameLayout = nFromID == GetLayoutID();
    CFieldMap map;
    if (!bSameLayout && CFieldMapFile::ReadReporting(nFromID, GetLayoutID(), map) != CFieldMapFile::READ_DONE)
        return 0;
    MirtCopyMappedData(m_listMen, *pDoc, bSameLayout ? nullptr : &map, FALSE);

    tagNMIRTDOC record;
    pDoc->GetMIRTDOC(&record, 1);
    tagNMIRTDOCHEAD& head = record.head;
    head.h0 = 0;
    head.date = COleDateTime::GetCurrentTime();
    head.h16 = 0;
    head.nLayoutID = GetLayoutID();
    head.h32 = m_pLayout->m_dwSettingB;
    head.h36 = head.h44 = head.h52 = 0;
    pDoc->SetMIRTDOC(&record, 1);
    pDoc->SetFormat(m_pLayout);
    pDoc->SetList(&m_listMen);
    if (m_pDoc != pDoc)
        delete m_pDoc;
    m_pDoc = pDoc;
    return 1;
}

void CMirtBaseEnter::ClearRealData(int nFlag)
{
    ClearPageData(nFlag);
}

void CMirtBaseEnter::SetUserFocus(CNPropObj* pField)
{
    if (pField == nullptr)
        return;
    m_pCurPropObj = pField;
    pField->FocusControl();
}

LRESULT CMirtBaseEnter::OnUserMove(WPARAM wParam, LPARAM lParam)
{
    SetUserFocus(GetMoveTarget(m_listFocus, reinterpret_cast<CNPropObj*>(wParam), lParam == 1));
    return 0;
}

LRESULT CMirtBaseEnter::OnFirstField(WPARAM, LPARAM)
{
    if (CNPropObj* pFirst = GetFirstTarget(m_listFocus))
        SetUserFocus(pFirst);
    return 0;
}

LRESULT CMirtBaseEnter::OnZebCmd(WPARAM wParam, LPARAM lParam)
{
    switch (HIWORD(wParam)) {
    case kTextChanged:
    case kTextReplaced:
        m_bModify = 1;
        return 0;
    case kOverflow:
        if (m_hWnd != nullptr)
            MirtQueueOverflowNotice(m_hWnd, wParam, lParam);
        return 1;
    default:
        return 0;
    }
}

LRESULT CMirtBaseEnter::OnUserRovf(WPARAM wParam, LPARAM lParam)
{
    MirtCutOverflow(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    return 0;
}
