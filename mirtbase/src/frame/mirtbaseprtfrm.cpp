#include "mirtbaseprtfrm.h"

#include <climits>

#include "mirtmsgs.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "propdata.h"
#include "windows/formfields.h"

IMPLEMENT_DYNAMIC(CMirtBasePrtFrm, CMirtBase)

BEGIN_MESSAGE_MAP(CMirtBasePrtFrm, CMirtBase)
    ON_MESSAGE(MsgUserMove, OnUserMove)
    ON_MESSAGE(MsgFirstField, OnFirstField)
    ON_MESSAGE(MsgUserModify, OnUserModify)
    ON_MESSAGE(MsgUserSetGrp, OnUserSetGrp)
END_MESSAGE_MAP()

namespace {

const char kDummyText[] = "DMYBASE";
const RECT kDummyRect = {-150, -150, -100, -100};
const UINT kDummyID = 2000;
const UINT kCounterBuckets = 17;

}  // namespace

CMirtBasePrtFrm::CMirtBasePrtFrm()
    : m_pTitleField(nullptr), m_pDoc(nullptr), m_mapNumber(10), m_nCurrentCopy(0)
{
    m_mapNumber.InitHashTable(kCounterBuckets);
    InitMember();
}

CMirtBasePrtFrm::~CMirtBasePrtFrm()
{
    InitMember();
    m_mapNumber.RemoveAll();
}

void CMirtBasePrtFrm::InitMember()
{
    m_listFocus.RemoveAll();
    m_pTitleField = nullptr;
    CMirtBase::InitMember();
    m_nWndKind = 1;
    delete m_pDoc;
    m_pDoc = nullptr;
    if (m_hWnd != nullptr)
        DestroyWindow();
    m_nCurrentCopy = 0;
}

void CMirtBasePrtFrm::CreateList()
{
    CMirtBase::CreateList();
    MirtForEachField(m_listMen, [this](const CPropData&, CNPropObj& field) { field.m_pOwner = this; });
    CreateListEnter();
}

void CMirtBasePrtFrm::CreateListEnter()
{
    if (m_pLayout == nullptr)
        return;
    m_listFocus.RemoveAll();
    m_pTitleField = nullptr;
    MirtForEachField(m_listMen, [this](const CPropData&, CNPropObj& field) {
        if (field.IsEditable())
            m_listFocus.AddTail(&field);
        if (m_pTitleField == nullptr && field.GetAttr(CNPropObj::ATTRIBUTE_INDEX) == 1)
            m_pTitleField = &field;
    });
}

void CMirtBasePrtFrm::DeleteFaceLists()
{
    m_listFocus.RemoveAll();
    m_pTitleField = nullptr;
    m_pCurPropObj = nullptr;
    while (!m_listMen.IsEmpty())
        delete static_cast<CPropData*>(m_listMen.RemoveHead());
}

int CMirtBasePrtFrm::CreateWindowDmy(int)
{
    if (m_pLayout == nullptr || m_pParentWnd == nullptr || m_pParentWnd->GetSafeHwnd() == nullptr)
        return 0;
    ChangeRectPix();
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (!CreateEx(0, "EDIT", kDummyText, WS_CHILD, kDummyRect, m_pParentWnd, kDummyID))
        return 0;
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->LoadDataControls();
    m_bModify = 0;
    return 1;
}

void CMirtBasePrtFrm::ClearRealData(int nFlag)
{
    ClearPageData(nFlag);
}

int CMirtBasePrtFrm::GetMenInfo(CArray<CPoint, CPoint>*& pOrigins, CRect& rectAria, CRect& rectSecond, int& bMulti)
{
    if (m_pLayout == nullptr)
        return 0;
    CNLayoutData& geometry = m_pLayout->m_LayoutData;
    pOrigins = &geometry.m_arrayMen;
    rectAria = geometry.m_rectAria;
    rectSecond = geometry.m_rectThird;
    bMulti = geometry.m_arrayMen.GetSize() < 2 ? 0 : 1;
    return 1;
}

int CMirtBasePrtFrm::DrawFormat(CDC* pDC)
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->DrawAll(pDC, 2);
    return 1;
}

BOOL CMirtBasePrtFrm::IsMenInRange(UINT nMen) const
{
    return m_pLayout != nullptr && nMen >= 1 && nMen <= GetMenCount();
}

CPoint CMirtBasePrtFrm::MenOrigin(UINT nMen) const
{
    return m_pLayout->m_LayoutData.m_arrayMen[static_cast<INT_PTR>(nMen) - 1];
}

CPropData* CMirtBasePrtFrm::FindMen(UINT nMen) const
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        CPropData* pMen = static_cast<CPropData*>(m_listMen.GetNext(pos));
        if (pMen->m_nMen == nMen)
            return pMen;
    }
    if (GetMenCount() < 2 && nMen == 1 && !m_listMen.IsEmpty())
        return static_cast<CPropData*>(m_listMen.GetTail());
    return nullptr;
}

UINT CMirtBasePrtFrm::SetNumberCount(UINT nOrder, UINT nValue)
{
    UINT nStored = 0;
    if (!m_mapNumber.Lookup(nOrder, nStored)) {
        const UINT nFirst = m_nCurrentCopy == 0 ? 1 : nValue;
        m_mapNumber.SetAt(nOrder, nFirst);
        return nFirst;
    }
    if (nValue > nStored) {
        m_mapNumber.SetAt(nOrder, nValue);
        return nValue;
    }
    if (m_nCurrentCopy <= 1 && nValue != 0)
        return nValue;
    if (m_nCurrentCopy == 1)
        return 0;
    const UINT nNext = nStored < UINT_MAX ? nStored + 1 : nStored;
    m_mapNumber.SetAt(nOrder, nNext);
    return nNext;
}

void CMirtBasePrtFrm::ClearNumberCount()
{
    m_mapNumber.RemoveAll();
}

void CMirtBasePrtFrm::SetUserFocus(CNPropObj* pField)
{
    if (pField != nullptr)
        m_pCurPropObj = pField;
}

LRESULT CMirtBasePrtFrm::OnUserMove(WPARAM wParam, LPARAM lParam)
{
    SetUserFocus(GetMoveTarget(m_listFocus, reinterpret_cast<CNPropObj*>(wParam), lParam == 1));
    return 0;
}

LRESULT CMirtBasePrtFrm::OnFirstField(WPARAM, LPARAM)
{
    if (CNPropObj* pFirst = GetFirstTarget(m_listFocus))
        SetUserFocus(pFirst);
    return 0;
}
