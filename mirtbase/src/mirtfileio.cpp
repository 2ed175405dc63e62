#include "mirtfileio.h"

#include "strel95data.h"

IMPLEMENT_SERIAL(CMirtFileIO, CObject, 1)

CMirtFileIO::CMirtFileIO() : m_listStrel(10)
{
}

CMirtFileIO::~CMirtFileIO()
{
    DeleteAllExcept(nullptr);
}

void CMirtFileIO::DeleteAllExcept(const CStrel95Data* pKeep)
{
    while (!m_listStrel.IsEmpty()) {
        CObject* pData = m_listStrel.RemoveHead();
        if (pData != pKeep)
            delete pData;
    }
}

void CMirtFileIO::AddList(CStrel95Data* pData)
{
    DeleteAllExcept(pData);
    if (pData != nullptr)
        m_listStrel.AddTail(pData);
}

CStrel95Data* CMirtFileIO::GetStrelData()
{
    return m_listStrel.IsEmpty() ? nullptr : static_cast<CStrel95Data*>(m_listStrel.GetHead());
}

void CMirtFileIO::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        m_listStrel.Serialize(ar);
        return;
    }
    DeleteAllExcept(nullptr);
    LoadContainers(ar);
}

// The stored form of CObList, read element by element so that only
// containers are taken and each one only once (an element given as an
// object met before would be owned twice).
void CMirtFileIO::LoadContainers(CArchive& ar)
{
    for (DWORD nCount = ar.ReadCount(); nCount > 0; nCount--) {
        CObject* pData = ar.ReadObject(RUNTIME_CLASS(CStrel95Data));
        if (pData == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
        if (m_listStrel.Find(pData) != nullptr)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        m_listStrel.AddTail(pData);
    }
}
