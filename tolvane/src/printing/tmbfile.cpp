#include "printing/tmbfile.h"

#include <memory>


IMPLEMENT_SERIAL(CTmbFile, CObject, 1)
IMPLEMENT_SERIAL(CMapTmbFile, CObject, 1)

CTmbFile::CTmbFile() : m_nVersion(1)
{
}

void CTmbFile::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nVersion << m_strCropMarks << m_strDottedFrame;
    else
        ar >> m_nVersion >> m_strCropMarks >> m_strDottedFrame;
}

CMapTmbFile::CMapTmbFile() : m_nVersion(1), m_map(10)
{
}

CMapTmbFile::~CMapTmbFile()
{
    DeleteAll(m_map);
}

void CMapTmbFile::DeleteAll(CMapWordToOb& map)
{
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        WORD wKey = 0;
        CObject* pValue = nullptr;
        map.GetNextAssoc(pos, wKey, pValue);
        delete pValue;
    }
    map.RemoveAll();
}

CTmbFile* CMapTmbFile::Lookup(WORD wLayoutID) const
{
    CObject* pValue = nullptr;
    return m_map.Lookup(wLayoutID, pValue) ? static_cast<CTmbFile*>(pValue) : nullptr;
}

void CMapTmbFile::SetAt(WORD wLayoutID, CTmbFile* pFile)
{
    CObject* pOld = nullptr;
    if (m_map.Lookup(wLayoutID, pOld))
        delete pOld;
    m_map.SetAt(wLayoutID, pFile);
}

void CMapTmbFile::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nVersion;
        m_map.Serialize(ar);
        return;
    }
    Load(ar);
}

void CMapTmbFile::Load(CArchive& ar)
{
    int nVersion = 0;
    ar >> nVersion;
    CMapWordToOb loaded(10);
    try {
        for (DWORD nCount = ar.ReadCount(); nCount > 0; nCount--) {
            WORD wKey = 0;
            ar >> wKey;
            UINT nSchema = 0;
            DWORD obTag = 0;
            CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CTmbFile), &nSchema, &obTag);
            std::unique_ptr<CObject> pValue;
            if (pClass != nullptr) {
                pValue.reset(pClass->CreateObject());
                ar.MapObject(pValue.get());
                ar.SetObjectSchema(nSchema);
                pValue->Serialize(ar);
                ar.SetObjectSchema(static_cast<UINT>(-1));
            } else if (obTag != 0) {
                AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
            }
            CObject* pOld = nullptr;
            if (loaded.Lookup(wKey, pOld))
                delete pOld;
            loaded.SetAt(wKey, pValue.release());
        }
    } catch (...) {
        DeleteAll(loaded);
        throw;
    }
    DeleteAll(m_map);
    m_nVersion = nVersion;
    for (POSITION pos = loaded.GetStartPosition(); pos != nullptr;) {
        WORD wKey = 0;
        CObject* pValue = nullptr;
        loaded.GetNextAssoc(pos, wKey, pValue);
        m_map.SetAt(wKey, pValue);
    }
}
