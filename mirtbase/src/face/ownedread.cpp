#include "ownedread.h"

#include <memory>

CObject* MirtReadOwnedObject(CArchive& ar, const CRuntimeClass* pClass)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ar.ReadClass(pClass, &nSchema, &obTag);
    if (pClassRef == nullptr)
        AfxThrowArchiveException(obTag == 0 ? CArchiveException::badClass : CArchiveException::badIndex,
                                 ar.m_strFileName);
    std::unique_ptr<CObject> pOb(pClassRef->CreateObject());
    if (pOb == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
    ar.MapObject(pOb.get());
    ar.SetObjectSchema(nSchema);
    pOb->Serialize(ar);
    ar.SetObjectSchema(static_cast<UINT>(-1));
    return pOb.release();
}

void MirtReadOwnedList(CArchive& ar, CObList& list, const CRuntimeClass* pClass)
{
    CObList loaded;
    try {
        for (DWORD nCount = ar.ReadCount(); nCount > 0; nCount--)
            loaded.AddTail(MirtReadOwnedObject(ar, pClass));
    } catch (...) {
        MirtDeleteOwnedList(loaded);
        throw;
    }
    list.AddTail(&loaded);
}

void MirtDeleteOwnedList(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}
