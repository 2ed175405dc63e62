#include "printing/ownedwordmap.h"

#include <memory>

namespace {

// The next record: a new object of pClass, or null.
CObject* ReadRecord(CArchive& ar, CRuntimeClass* pClass)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pRead = ar.ReadClass(pClass, &nSchema, &obTag);
    if (pRead == nullptr) {
        if (obTag != 0)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        return nullptr;
    }
    std::unique_ptr<CObject> pValue(pRead->CreateObject());
    ar.MapObject(pValue.get());
    ar.SetObjectSchema(nSchema);
    pValue->Serialize(ar);
    ar.SetObjectSchema(static_cast<UINT>(-1));
    return pValue.release();
}

}  // namespace

void DeleteOwnedWordMap(CMapWordToOb& map)
{
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        WORD wKey = 0;
        CObject* pValue = nullptr;
        map.GetNextAssoc(pos, wKey, pValue);
        delete pValue;
    }
    map.RemoveAll();
}

void LoadOwnedWordMap(CArchive& ar, CRuntimeClass* pClass, CMapWordToOb& map)
{
    CMapWordToOb loaded(10);
    try {
        for (DWORD nCount = ar.ReadCount(); nCount > 0; nCount--) {
            WORD wKey = 0;
            ar >> wKey;
            std::unique_ptr<CObject> pValue(ReadRecord(ar, pClass));
            CObject* pOld = nullptr;
            if (loaded.Lookup(wKey, pOld))
                delete pOld;
            loaded.SetAt(wKey, pValue.release());
        }
    } catch (...) {
        DeleteOwnedWordMap(loaded);
        throw;
    }
    DeleteOwnedWordMap(map);
    for (POSITION pos = loaded.GetStartPosition(); pos != nullptr;) {
        WORD wKey = 0;
        CObject* pValue = nullptr;
        loaded.GetNextAssoc(pos, wKey, pValue);
        map.SetAt(wKey, pValue);
    }
}

int ExceptionCause(CException* e)
{
    if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
        return static_cast<CFileException*>(e)->m_cause;
    if (e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
        return static_cast<CArchiveException*>(e)->m_cause;
    return CFileException::generic;
}
