#include "mirtbaseref.h"

#include <cstring>

#include "mirtmsgs.h"
#include "nmirtdoc.h"
#include "reference/mappeddata.h"

IMPLEMENT_DYNAMIC(CMirtBaseRef, CMirtBase)
IMPLEMENT_DYNAMIC(CMirtBaseRefWnd, CMirtBaseRef)
IMPLEMENT_DYNAMIC(CMirtBaseSub, CMirtBaseRefWnd)

BEGIN_MESSAGE_MAP(CMirtBaseRef, CMirtBase)
    ON_MESSAGE(MsgUserClipBoard, OnUserClipBoard)
END_MESSAGE_MAP()

namespace {

const int kMapBlockSize = 10;
const UINT kMapBuckets = 17;

}  // namespace

CMirtBaseRef::CMirtBaseRef() : m_nFromID(0), m_mapField(kMapBlockSize), m_listSub(kMapBlockSize)
{
    m_mapField.InitHashTable(kMapBuckets);
    InitMember();
}

CMirtBaseRef::~CMirtBaseRef()
{
    InitMember();
    if (m_hWnd != nullptr)
        DestroyWindow();
}

void CMirtBaseRef::InitMember()
{
    CMirtBase::InitMember();
    m_nWndKind = 2;
    m_mapField.RemoveAll();
    m_nFromID = 0;
    ReleaseSubs();
}

void CMirtBaseRef::ReleaseSubs()
{
    while (!m_listSub.IsEmpty())
        static_cast<CMirtBaseSub*>(m_listSub.RemoveHead())->m_pKeeper = nullptr;
}

UINT CMirtBaseRef::GetFromID()
{
    return m_nFromID;
}

void CMirtBaseRef::AddMirtBaseSub(CMirtBaseSub* pSub)
{
    if (pSub == nullptr)
        return;
    if (pSub->m_pKeeper != nullptr)
        pSub->m_pKeeper->RemoveMirtBaseSub(pSub);
    m_listSub.AddTail(pSub);
    pSub->m_pKeeper = this;
}

void CMirtBaseRef::RemoveMirtBaseSub(CMirtBaseSub* pSub)
{
    if (POSITION pos = m_listSub.Find(pSub)) {
        m_listSub.RemoveAt(pos);
        pSub->m_pKeeper = nullptr;
    }
}

void CMirtBaseRef::SetRefMap(UINT nSourceID)
{
    if (m_pLayout == nullptr)
        return;
    m_nFromID = nSourceID;
    if (nSourceID == GetLayoutID())
        return;
    // A map that cannot be read must not carry the previous source's pairs.
    if (CFieldMapFile::ReadReporting(nSourceID, GetLayoutID(), m_mapField) != CFieldMapFile::READ_DONE)
        m_mapField.RemoveAll();
}

void CMirtBaseRef::SetEnterData(int bStoreOnly, CNMirtDoc* pDoc)
{
    if (m_pLayout == nullptr || pDoc == nullptr || pDoc->GetLayoutID() != m_nFromID)
        return;
    MirtCopyMappedData(m_listMen, *pDoc, m_nFromID == GetLayoutID() ? nullptr : &m_mapField, bStoreOnly);
    for (POSITION pos = m_listSub.GetHeadPosition(); pos != nullptr;)
        static_cast<CMirtBaseSub*>(m_listSub.GetNext(pos))->SetEnterData(bStoreOnly, pDoc);
}

CMirtBaseRefWnd::CMirtBaseRefWnd()
{
    CMirtBaseRefWnd::InitMember();
}

void CMirtBaseRefWnd::InitMember()
{
    CMirtBaseRef::InitMember();
    std::memset(m_dwReserved, 0, sizeof(m_dwReserved));
}

CMirtBaseSub::CMirtBaseSub() : m_pKeeper(nullptr)
{
}

CMirtBaseSub::~CMirtBaseSub()
{
    if (m_pKeeper != nullptr)
        m_pKeeper->RemoveMirtBaseSub(this);
}
