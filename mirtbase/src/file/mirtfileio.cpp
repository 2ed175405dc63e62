#include "mirtfileio.h"

#include "ownedread.h"
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
    MirtReadOwnedList(ar, m_listStrel, RUNTIME_CLASS(CStrel95Data));
}
