#include "mirtbase.h"

#include <memory>

#include "fields/base/clampint.h"
#include "mirtpath.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "propdata.h"
#include "windows/runguarded.h"

IMPLEMENT_DYNAMIC(CMirtBase, CWnd)

namespace {

const RECT kEmptyRect = {0, 0, 0, 0};
const UINT kArchiveBuffer = 4096;
const UINT kFirstUsrNo = 2;
const UINT kFullSize = 100;

// The layout file at strPath, or null when it does not open or read whole.
CNMirtLayoutData* ReadLayoutFile(const CString& strPath)
{
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return nullptr;
    std::unique_ptr<CNMirtLayoutData> pLayout(new CNMirtLayoutData);
    const bool bRead = RunGuarded([&] {
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        ar.m_strFileName = strPath;
        pLayout->Serialize(ar);
        ar.Close();
    });
    return bRead ? pLayout.release() : nullptr;
}

// rect × percent / 100, truncated toward zero.
void ZoomRect(RECT& rect, UINT nPercent)
{
    for (LONG* pValue : {&rect.left, &rect.top, &rect.right, &rect.bottom})
        *pValue = MirtMulDiv(*pValue, static_cast<int>(nPercent), static_cast<int>(kFullSize));
}

void OffsetRect(RECT& rect, SIZE size)
{
    rect.left = MirtAdd(rect.left, size.cx);
    rect.right = MirtAdd(rect.right, size.cx);
    rect.top = MirtAdd(rect.top, size.cy);
    rect.bottom = MirtAdd(rect.bottom, size.cy);
}

}  // namespace

CMirtBase::CMirtBase()
    : m_pLayout(nullptr), m_pParentWnd(nullptr), m_sizeMargin(0, 0), m_nPercent(kFullSize), m_bRecieve(0),
      m_nWndKind(1), m_nUsrNo(kFirstUsrNo), m_nPrintPaper(0), m_nMetaFile(1), m_bModify(0), m_listMen(10),
      m_rectAria(kEmptyRect), m_rectSecond(kEmptyRect), m_rectThird(kEmptyRect), m_pCurPropObj(nullptr)
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
    CNMirtLayoutData* pLayout = ReadLayoutFile(MirtInstallPath(MIRT_FMT_FOLDER) + strName);
    if (pLayout == nullptr)
        return 0;
    InitMember();
    m_pLayout = pLayout;
    CreateList();
    return 1;
}

int CMirtBase::SetFormat(CNMirtLayoutData* pLayout)
{
    if (pLayout == nullptr)
        return 0;
    CNMirtLayoutData* pCopy = new CNMirtLayoutData;
    pCopy->Copy(pLayout);
    delete m_pLayout;
    m_pLayout = pCopy;
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
    m_nPercent = kFullSize;
    m_bRecieve = 0;
    m_rectAria = m_rectSecond = m_rectThird = kEmptyRect;
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
    BuildFaceLists(arrayMen.GetSize() > 0 ? arrayMen[0] : CPoint(0, 0));
}

void CMirtBase::BuildFaceLists(CPoint ptOutside)
{
    const CArray<CPoint, CPoint>& arrayMen = m_pLayout->m_LayoutData.m_arrayMen;
    if (!m_pLayout->m_listOutside.IsEmpty())
        m_listMen.AddTail(CloneTemplates(m_pLayout->m_listOutside, 0, ptOutside));
    if (!m_pLayout->m_listFaces.IsEmpty()) {
        for (int i = 0; i < arrayMen.GetSize(); i++)
            m_listMen.AddTail(CloneTemplates(m_pLayout->m_listFaces, static_cast<UINT>(i + 1), arrayMen[i]));
    }
}

void CMirtBase::ClearPageData(int nFlag)
{
    if (m_pLayout == nullptr || (nFlag != 0 && m_hWnd == nullptr))
        return;
    ClearNumberCount();
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->ClearRealData(nFlag);
    m_bModify = 0;
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

void CMirtBase::ChangeRectPix()
{
    if (m_pParentWnd == nullptr || m_pParentWnd->GetSafeHwnd() == nullptr || m_pLayout == nullptr)
        return;
    CClientDC dc(m_pParentWnd);
    const CNLayoutData& geometry = m_pLayout->m_LayoutData;
    RECT rectAria = geometry.m_rectAria;
    RECT rectSecond = geometry.m_rectThird;
    RECT rectThird = geometry.m_rectSecond;
    SIZE sizeMargin = m_sizeMargin;
    CNPropObj::ConvertRectUnits(&dc, &rectAria, TRUE);
    CNPropObj::ConvertRectUnits(&dc, &rectSecond, TRUE);
    CNPropObj::ConvertRectUnits(&dc, &rectThird, TRUE);
    CNPropObj::ConvertSizeUnits(&dc, &sizeMargin, TRUE);
    if (m_nPercent != kFullSize) {
        ZoomRect(rectAria, m_nPercent);
        ZoomRect(rectSecond, m_nPercent);
    }
    OffsetRect(rectAria, sizeMargin);
    OffsetRect(rectSecond, sizeMargin);
    m_rectAria = rectAria;
    m_rectSecond = rectSecond;
    m_rectThird = rectThird;
}

UINT CMirtBase::GetLayoutID() const
{
    return m_pLayout != nullptr ? m_pLayout->m_nLayoutID : 0;
}

UINT CMirtBase::GetMenCount() const
{
    return m_pLayout != nullptr ? static_cast<UINT>(m_pLayout->GetMenCount()) : 0;
}

CRect CMirtBase::GetAriaRectM() const
{
    return m_pLayout != nullptr ? CRect(m_pLayout->m_LayoutData.m_rectAria) : CRect(0, 0, 0, 0);
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

CNPropObj* CMirtBase::GetPropObjByOrder(UINT nOrder) const
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<const CPropData*>(m_listMen.GetNext(pos))->GetPropObjByOrder(nOrder);
        if (pField != nullptr)
            return pField;
    }
    return nullptr;
}

CNPropObj* CMirtBase::GetPropObjByOrder(UINT nOrder, UINT nMen) const
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData* pMen = static_cast<const CPropData*>(m_listMen.GetNext(pos));
        if (pMen->m_nMen == nMen)
            return pMen->GetPropObjByOrder(nOrder);
    }
    return nullptr;
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

CNPropObj* CMirtBase::GetPropObjNP(CNPropObj*, int)
{
    return nullptr;
}

int CMirtBase::DrawFormat(CDC* pDC)
{
    for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
        static_cast<CPropData*>(m_listMen.GetNext(pos))->DrawAll(pDC, 1);
    return 1;
}

void CMirtBase::KeyPressDisp(UINT, int)
{
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
