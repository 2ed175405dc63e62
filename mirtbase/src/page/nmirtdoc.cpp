// CNMirtDoc: construction, layout, face lists and the values of their
// fields.
#include "nmirtdoc.h"

#include <memory>

#include "defaultprtdef.h"
#include "mirtpath.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "propdata.h"

IMPLEMENT_SERIAL(CNMirtDoc, CObject, 1)

namespace {

void DeleteFaceList(CObList* pList)
{
    if (pList == nullptr)
        return;
    while (!pList->IsEmpty())
        delete static_cast<CPropData*>(pList->RemoveHead());
    delete pList;
}

struct FaceListDeleter
{
    void operator()(CObList* pList) const { DeleteFaceList(pList); }
};

}  // namespace

CNMirtDoc::CNMirtDoc()
    : m_bRcvPathSet(false), m_pPathList(nullptr), m_pPathMap(nullptr),
      m_bServerMode(0), m_nWRMode(WRMODE_KEEP), m_pListMen(nullptr), m_pLayout(nullptr), m_dwBlobSize(0),
      m_hBlob(nullptr), m_pDefPrt(nullptr), m_listDefPrtString(10), m_nFirstPage(0), m_nVersion(2)
{
    m_head.date = COleDateTime::GetCurrentTime();
    m_head.h24 = 3;
}

CNMirtDoc::~CNMirtDoc()
{
    delete m_pLayout;
    DeleteFaces();
    FreeBlob();
    delete m_pDefPrt;
}

UINT CNMirtDoc::GetVersion()
{
    return m_nVersion;
}

CString CNMirtDoc::WithClosingBackslash(const CString& strFolder)
{
    if (strFolder.IsEmpty())
        return strFolder;
    CString strResult = strFolder;
    strResult.TrimRight('\\');
    return strResult + '\\';
}

void CNMirtDoc::SetRcvPathName(const CString& strPath)
{
    m_strRcvPathName = WithClosingBackslash(strPath);
    m_bRcvPathSet = true;
}

const CString& CNMirtDoc::RcvPathName()
{
    if (!m_bRcvPathSet)
        SetRcvPathName(MirtInstallPath(MIRT_RCV_FOLDER));
    return m_strRcvPathName;
}

void CNMirtDoc::DeleteFaces()
{
    DeleteFaceList(m_pListMen);
    m_pListMen = nullptr;
}

void CNMirtDoc::SetFormat(CNMirtLayoutData* pLayout)
{
    if (pLayout == nullptr)
        return;
    CNMirtLayoutData* pCopy = new CNMirtLayoutData;
    pCopy->Copy(pLayout);
    delete m_pLayout;
    m_pLayout = pCopy;
}

void CNMirtDoc::SetList(CObList* pList)
{
    if (pList == nullptr)
        return;
    // The copy is owned until it is whole: a clone that throws leaves the
    // page as it was and nothing behind.
    std::unique_ptr<CObList, FaceListDeleter> pCopy(new CObList(10));
    for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
        std::unique_ptr<CPropData> pFace(static_cast<CPropData*>(pList->GetNext(pos))->Clone(0, 0));
        pCopy->AddTail(pFace.get());
        pFace.release();
    }
    DeleteFaces();
    m_pListMen = pCopy.release();
}

void CNMirtDoc::GetList(CObList* pList)
{
    if (pList == nullptr || m_pListMen == nullptr)
        return;
    ForEachMen([pList](CPropData* pMen) { pList->AddTail(pMen->Clone(0, 0)); });
    DeleteFaces();
}

UINT CNMirtDoc::GetLayoutID() const
{
    return m_pLayout != nullptr ? m_pLayout->m_nLayoutID : m_head.nLayoutID;
}

CPropData* CNMirtDoc::FindMen(UINT nMen) const
{
    CPropData* pFound = nullptr;
    ForEachMen([&](CPropData* pMen) {
        if (pFound == nullptr && pMen->m_nMen == nMen)
            pFound = pMen;
    });
    return pFound;
}

CNPropObj* CNMirtDoc::GetPropObjByOrder(UINT nOrder)
{
    CNPropObj* pFound = nullptr;
    ForEachMen([&](CPropData* pMen) {
        if (pFound == nullptr)
            pFound = pMen->GetPropObjByOrder(nOrder);
    });
    return pFound;
}

CNPropObj* CNMirtDoc::GetPropObjByOrder(UINT nOrder, UINT nMen)
{
    CPropData* pMen = FindMen(nMen);
    return pMen != nullptr ? pMen->GetPropObjByOrder(nOrder) : nullptr;
}

CString CNMirtDoc::GetStrDataByOrder(UINT nOrder, UINT nMen, UINT& nIndex, CString& strName)
{
    CNPropObj* pField = GetPropObjByOrder(nOrder, nMen);
    nIndex = pField != nullptr ? pField->GetAttr(CNPropObj::ATTRIBUTE_INDEX) : 0;
    strName = pField != nullptr ? pField->GetFieldName() : CString();
    return pField != nullptr ? pField->m_strData : CString();
}

void CNMirtDoc::SetStrDataByOrder(UINT nOrder, UINT nMen, const CString& strText, int bForce)
{
    CNPropObj* pField = GetPropObjByOrder(nOrder, nMen);
    if (pField == nullptr)
        return;
    pField->m_strData = strText;
    const UINT nIndex = pField->GetAttr(CNPropObj::ATTRIBUTE_INDEX);
    if (nIndex >= 1 && nIndex <= NMIRTDOC_INDEX_COUNT)
        SetIndex(nIndex, strText, bForce);
}

void CNMirtDoc::SetIndex(UINT n, const CString& strText, int bForce)
{
    if (n < 1 || n > NMIRTDOC_INDEX_COUNT)
        return;
    if (n == 1 && (bForce || m_strTitle.IsEmpty()))
        m_strTitle = strText;
    if (bForce || m_strIndex[n - 1].IsEmpty())
        m_strIndex[n - 1] = strText;
}

int CNMirtDoc::GetMenCount() const
{
    return m_pLayout != nullptr ? m_pLayout->GetMenCount() : 0;
}

UINT CNMirtDoc::GetMaxOrder(UINT nMen)
{
    CPropData* pMen = FindMen(nMen);
    return pMen != nullptr ? pMen->GetMaxOrder() : 0;
}

void CNMirtDoc::InitData()
{
    ForEachMen([](CPropData* pMen) { pMen->LoadDataControls(); });
}

void CNMirtDoc::GetPicPath(CStringList& list)
{
    if (m_pListMen == nullptr)
        return;
    list.RemoveAll();
    ForEachMen([&list](CPropData* pMen) {
        POSITION pos;
        for (CNPropObj* pField = pMen->GetFirstPropObj(pos); pField != nullptr; pField = pMen->GetNextPropObj(pos)) {
            if (pField->IsEditable() && pField->m_nDataKind == CNPropObj::DATAKIND_PICTURE &&
                !pField->m_strData.IsEmpty())
                list.AddTail(pField->m_strData);
        }
    });
}

void CNMirtDoc::ClearRealData(int bReload)
{
    ForEachMen([bReload](CPropData* pMen) { pMen->ClearRealData(bReload); });
}
