#include "mirtbase.h"

#include "mirtmsgs.h"
#include "nmirtlayoutdata.h"
#include "propdata.h"

IMPLEMENT_DYNAMIC(CMirtBase, CWnd)

CMirtBase::CMirtBase()
    : m_pLayout(nullptr), m_pParentWnd(nullptr), m_sizeMargin(0, 0), m_nPercent(100), m_nPrintPaper(0),
      m_nMetaFile(1), m_listMen(10)
{
}

CMirtBase::~CMirtBase() = default;

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
