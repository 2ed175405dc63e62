#include "mirtbase.h"

#include "fields/base/clampint.h"
#include "mirtmsgs.h"
#include "mirtpath.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "propdata.h"

IMPLEMENT_DYNAMIC(CMirtBase, CWnd)

BEGIN_MESSAGE_MAP(CMirtBase, CWnd)
    ON_MESSAGE(MsgUserSetGrp, OnUserSetGrp)
END_MESSAGE_MAP()

namespace {

const RECT kEmptyFormRect = {0, 0, 0, 0};

}  // namespace

CMirtBase::CMirtBase()
    : m_pLayout(nullptr), m_pParentWnd(nullptr), m_sizeMargin(0, 0), m_nPercent(100), m_bRecieve(0),
      m_nWndKind(1), m_nPrintPaper(0), m_nMetaFile(1), m_bModify(0), m_listMen(10), m_rectAria(kEmptyFormRect),
      m_rectSecond(kEmptyFormRect), m_rectThird(kEmptyFormRect), m_pCurPropObj(nullptr)
{
}

CMirtBase::~CMirtBase() = default;

void CMirtBase::SetPercent(UINT nPercent)
{
    m_nPercent = static_cast<UINT>(MirtClampRange(nPercent, 0, INT_MAX));
}

int CMirtBase::SetFormat(UINT nLayoutID)
{
    CString strName;
    strName.Format("ON%d.FMT", static_cast<int>(nLayoutID));
    const CString strPath = MirtInstallPath(MIRT_FMT_FOLDER) + strName;
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return 0;
    InitMember();
    m_pLayout = new CNMirtLayoutData;
    CArchive ar(&file, CArchive::load, 4096);
    ar.m_strFileName = strPath;
    m_pLayout->Serialize(ar);
    ar.Close();
    file.Close();
    CreateList();
    return 1;
}

void CMirtBase::InitMember()
{
    delete m_pLayout;
    m_pLayout = nullptr;
    while (!m_listMen.IsEmpty())
        delete static_cast<CPropData*>(m_listMen.RemoveHead());
    m_pParentWnd = nullptr;
    m_nWndKind = 1;
    m_sizeMargin = CSize(0, 0);
    m_nPercent = 100;
    m_bRecieve = 0;
    m_rectAria = m_rectSecond = m_rectThird = kEmptyFormRect;
    m_pCurPropObj = nullptr;
    m_bModify = 0;
    m_nPrintPaper = 0;
    m_nMetaFile = 1;
}

void CMirtBase::CreateList()
{
    if (m_pLayout == nullptr)
        return;
    const CArray<CPoint, CPoint>& arrayMen = m_pLayout->m_LayoutData.m_arrayMen;
    if (!m_pLayout->m_listOutside.IsEmpty()) {
        const CPoint ptFirst = arrayMen.GetSize() > 0 ? arrayMen[0] : CPoint(0, 0);
        m_listMen.AddTail(CloneTemplates(m_pLayout->m_listOutside, 0, ptFirst));
    }
    if (!m_pLayout->m_listFaces.IsEmpty()) {
        for (int i = 0; i < arrayMen.GetSize(); i++)
            m_listMen.AddTail(CloneTemplates(m_pLayout->m_listFaces, static_cast<UINT>(i + 1), arrayMen[i]));
    }
}

CPropData* CMirtBase::CloneTemplates(const CObList& listTemplates, UINT nMen, CPoint ptOrigin)
{
    CPropData* pMen = new CPropData;
    pMen->m_nMen = nMen;
    for (POSITION pos = listTemplates.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pTemplate = static_cast<CNPropObj*>(listTemplates.GetNext(pos));
        CNPropObj* pClone = pTemplate->Clone(ptOrigin.x, ptOrigin.y);
        if (pClone != nullptr)
            pMen->AddPropObj(pClone);
    }
    return pMen;
}

LRESULT CMirtBase::OnUserSetGrp(WPARAM wParam, LPARAM lParam)
{
    CNPropObj* pGroup = reinterpret_cast<CNPropObj*>(wParam);
    CNPropObj* pMember = GetPropObjByOrder(pGroup, static_cast<UINT>(lParam));
    if (pMember != nullptr)
        pMember->AddLink(pGroup);
    return 0;
}

UINT CMirtBase::GetLayoutID() const
{
    return m_pLayout != nullptr ? m_pLayout->m_nLayoutID : 0;
}

int CMirtBase::IsTableData() const
{
    return GetTableFirstOrder() != 0 && GetTableLastOrder() != 0 && GetTableLine() != 0;
}

UINT CMirtBase::GetTableFirstOrder() const
{
    return m_pLayout != nullptr ? m_pLayout->m_nTableFirstOrder : 0;
}

UINT CMirtBase::GetTableLastOrder() const
{
    return m_pLayout != nullptr ? m_pLayout->m_nTableLastOrder : 0;
}

UINT CMirtBase::GetTableLine() const
{
    return m_pLayout != nullptr ? m_pLayout->m_nTableLine : 0;
}

CNPropObj* CMirtBase::GetPropObjByOrder(CNPropObj* pField, UINT nOrder) const
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData* pMen = static_cast<const CPropData*>(m_listMen.GetNext(pos));
        if (pMen->HasPropObj(pField))
            return pMen->GetPropObjByOrder(nOrder);
    }
    return nullptr;
}

int CMirtBase::SetPicture(const CString& strPath)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr)
        return 0;
    return pMainWnd->SendMessage(MsgSetPicture, reinterpret_cast<WPARAM>(static_cast<LPCSTR>(strPath))) == 1;
}

int CMirtBase::DrawPicture(CDC* pDC, CRect& rect, const CString& strName, int nFlag)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr)
        return 0;
    tagDRAWPICTURE request = {pDC, &rect, &nFlag};
    return pMainWnd->SendMessage(MsgDrawPicture, reinterpret_cast<WPARAM>(static_cast<LPCSTR>(strName)),
               reinterpret_cast<LPARAM>(&request)) == 1;
}

int CMirtBase::IsPrintForm()
{
    return m_pLayout != nullptr;
}

UINT CMirtBase::GetFromID()
{
    return 0;
}

void CMirtBase::ClickDisp(CPoint)
{
}

void CMirtBase::AddMirtBaseSub(CMirtBaseSub*)
{
}

void CMirtBase::RedrawAria(CNPropObj*)
{
}

UINT CMirtBase::SetNumberCount(UINT, UINT)
{
    return 0;
}

void CMirtBase::ClearNumberCount()
{
}
