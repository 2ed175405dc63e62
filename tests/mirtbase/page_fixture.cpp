#include "page_fixture.h"

#include "npropobjdoc.h"
#include "npropobjnum.h"

std::unique_ptr<CNMirtLayoutData> MakeLayout(UINT nID, std::vector<CPoint> origins)
{
    std::unique_ptr<CNMirtLayoutData> pLayout(new CNMirtLayoutData);
    pLayout->m_nLayoutID = nID;
    for (const CPoint& pt : origins)
        pLayout->m_LayoutData.m_arrayMen.Add(pt);
    return pLayout;
}

CNPropObjDoc* TextField(UINT nOrder, RECT rect, LPCSTR pszValue)
{
    CNPropObjDoc* pField = new CNPropObjDoc(MakeBlock(nOrder, rect, 7), CNPropObjCtrl::STYLE_DEFAULT, 0);
    pField->m_strData = pszValue;
    return pField;
}

CNPropObjDocNum* NumberField(UINT nOrder, RECT rect, LPCSTR pszValue)
{
    CNPropObjDocNum* pField = new CNPropObjDocNum(MakeBlock(nOrder, rect, 7), CNPropObjCtrl::STYLE_DEFAULT, 0);
    pField->m_strData = pszValue;
    return pField;
}

CPropData* Face(UINT nMen, std::vector<CNPropObj*> fields)
{
    CPropData* pFace = new CPropData;
    pFace->m_nMen = nMen;
    for (CNPropObj* pField : fields)
        pFace->AddPropObj(pField);
    return pFace;
}

CNMirtDoc* MakePage(std::vector<CPropData*> faces, LPCSTR pszTitle)
{
    CObList listMen;
    for (CPropData* pFace : faces)
        listMen.AddTail(pFace);
    CNMirtDoc* pDoc = new CNMirtDoc;
    pDoc->SetList(&listMen);
    for (CPropData* pFace : faces)
        delete pFace;
    tagNMIRTDOC record;
    pDoc->GetMIRTDOC(&record, 1);
    record.strTitle = pszTitle;
    pDoc->SetMIRTDOC(&record, 1);
    return pDoc;
}
