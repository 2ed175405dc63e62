// CNMirtDoc: list printing through the layout's printing definition.
#include "nmirtdoc.h"

#include "defaultprtdef.h"

void CNMirtDoc::StartDefPrt()
{
    StartDefPrtOfKind(CDefaultPrtDef::DEF_KIND_LIST);
}

void CNMirtDoc::StartDefPrtOfKind(int nKind)
{
    delete m_pDefPrt;
    m_pDefPrt = nullptr;
    m_nFirstPage = 0;
    CDefaultPrtDef* pDefPrt = new CDefaultPrtDef;
    if (!pDefPrt->ReadDefFile(m_head.nLayoutID, nKind)) {
        delete pDefPrt;
        return;
    }
    pDefPrt->SetDocument(this);
    m_pDefPrt = pDefPrt;
}

void CNMirtDoc::SetDefPrtString(CStringList* pList)
{
    if (pList == &m_listDefPrtString)
        return;
    m_listDefPrtString.RemoveAll();
    if (pList != nullptr)
        m_listDefPrtString.AddTail(pList);
}

void CNMirtDoc::EndDefPrt()
{
    delete m_pDefPrt;
    m_pDefPrt = nullptr;
    m_nFirstPage = 0;
    m_listDefPrtString.RemoveAll();
}

int CNMirtDoc::PrintDef(CDC* pDC, UINT nPage, UINT& nNext)
{
    if (m_pDefPrt == nullptr)
        return 0;
    if (m_nFirstPage == 0)
        m_nFirstPage = nPage;
    const UINT nDefPage = nPage - m_nFirstPage + 1;
    if (!m_pDefPrt->BeginPage(pDC, nDefPage)) {
        nNext = m_pDefPrt->GetStopPage();
        return 0;
    }
    return m_pDefPrt->PrintBody(pDC, nDefPage, nNext);
}
