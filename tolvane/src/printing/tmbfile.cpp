#include "printing/tmbfile.h"

#include "printing/ownedwordmap.h"

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
    DeleteOwnedWordMap(m_map);
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
    LoadOwnedWordMap(ar, RUNTIME_CLASS(CTmbFile), m_map);
    m_nVersion = nVersion;
}
