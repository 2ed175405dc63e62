#include "strel95data.h"

#include <memory>

#include "fields/base/sharednames.h"
#include "mirtpath.h"
#include "nmirtdoc.h"

namespace {

BOOL IsFolder(const CString& strPath)
{
    const DWORD dwAttributes = ::GetFileAttributesA(strPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Makes the folder when missing, with every missing folder above it.
void MakeFolder(const CString& strFolder)
{
    if (strFolder.IsEmpty() || IsFolder(strFolder))
        return;
    for (int i = strFolder.Find('\\'); i >= 0; i = strFolder.Find('\\', i + 1)) {
        if (i > 0)
            ::CreateDirectoryA(strFolder.Left(i), nullptr);
    }
    ::CreateDirectoryA(strFolder, nullptr);
}

}  // namespace

IMPLEMENT_SERIAL(CStrel95Data, CObject, 1)

CStrel95Data::CStrel95Data()
    : m_strRcvPath(MirtInstallPath(MIRT_RCV_FOLDER)),
      m_mapPath(10),
      m_listPath(10),
      m_listAttached(10),
      m_listDoc(10),
      m_nVersion(1)
{
}

CStrel95Data::~CStrel95Data()
{
    DeletePages();
}

void CStrel95Data::DeletePages()
{
    while (!m_listDoc.IsEmpty())
        delete m_listDoc.RemoveHead();
}

UINT CStrel95Data::GetType()
{
    return TYPE_PLAIN;
}

UINT CStrel95Data::GetVersion()
{
    return m_nVersion;
}

void CStrel95Data::AddTail(CNMirtDoc* pDoc)
{
    if (pDoc != nullptr)
        m_listDoc.AddTail(pDoc);
}

void CStrel95Data::SetRcvPathName(const CString& strPath)
{
    m_strRcvPath = CNMirtDoc::WithClosingBackslash(strPath);
}

void CStrel95Data::GetFilePathList(const CString& strFolder, CStringList& list)
{
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA(strFolder + "*.*", &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            list.AddTail(strFolder + found.cFileName);
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
}

void CStrel95Data::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nVersion;
        StoreBody(ar, CNMirtDoc::WRMODE_KEEP);
    } else {
        ar >> m_nVersion;
        LoadBody(ar, RUNTIME_CLASS(CNMirtDoc), CNMirtDoc::WRMODE_KEEP, FALSE);
    }
}

void CStrel95Data::StartWork(BOOL bReceive)
{
    m_listPath.RemoveAll();
    m_mapPath.RemoveAll();
    if (!bReceive)
        return;
    MakeFolder(m_strRcvPath);
    GetFilePathList(m_strRcvPath, m_listPath);
}

void CStrel95Data::PreparePage(CNMirtDoc* pDoc, UINT nMode)
{
    pDoc->SetPathList(&m_listPath);
    pDoc->SetPathMap(&m_mapPath);
    pDoc->SetServerMode(0);
    pDoc->SetWRMode(nMode);
    pDoc->SetRcvPathName(m_strRcvPath);
}

void CStrel95Data::StoreBody(CArchive& ar, UINT nMode)
{
    StartWork(FALSE);
    ar << static_cast<DWORD>(m_listDoc.GetCount());
    for (POSITION pos = m_listDoc.GetHeadPosition(); pos != nullptr;) {
        CNMirtDoc* pDoc = static_cast<CNMirtDoc*>(m_listDoc.GetNext(pos));
        PreparePage(pDoc, nMode);
        pDoc->Serialize(ar);
    }
    StoreAttachments(ar, nMode);
}

void CStrel95Data::LoadBody(CArchive& ar, CRuntimeClass* pPageClass, UINT nMode, BOOL bReceive)
{
    DWORD nCount;
    ar >> nCount;
    StartWork(bReceive);
    LoadPages(ar, nCount, pPageClass, nMode);
    LoadAttachments(ar);
}

// One page at a time, so that a count larger than the archive runs into its
// end; a page whose load throws is deleted here, those read before go with
// the container. The pages of one form share their field names.
void CStrel95Data::LoadPages(CArchive& ar, DWORD nCount, CRuntimeClass* pPageClass, UINT nMode)
{
    CSharedNames names;
    for (DWORD i = 0; i < nCount; i++) {
        std::unique_ptr<CObject> pPage(pPageClass->CreateObject());
        CNMirtDoc* pDoc = static_cast<CNMirtDoc*>(pPage.get());
        PreparePage(pDoc, nMode);
        pDoc->Serialize(ar);
        m_listDoc.AddTail(pPage.release());
    }
}
