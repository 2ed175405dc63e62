#include "propobjclip.h"

#include "globalmem.h"
#include "npropobj.h"
#include "ownedread.h"
#include "windows/runguarded.h"

const char CPropObjClip::kFormatName[] = "CF_VLMPROP";

namespace {

const UINT kGrowBytes = 1024;
const UINT kArchiveBuffer = 4096;

// The file's bytes in a new movable global block; null on failure.
HGLOBAL CopyToGlobal(CMemFile& file)
{
    const DWORD nLength = file.GetLength();
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, nLength);
    if (hBlock == nullptr)
        return nullptr;
    {
        CGlobalLock lock(hBlock);
        if (lock) {
            file.SeekToBegin();
            if (file.Read(lock.Bytes(), nLength) == nLength)
                return hBlock;
        }
    }
    ::GlobalFree(hBlock);
    return nullptr;
}

}  // namespace

HGLOBAL CPropObjClip::StoreToGlobal(CObList& listFields)
{
    CMemFile file(kGrowBytes);
    const bool bStored = RunGuarded([&] {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        listFields.Serialize(ar);
        ar.Close();
    });
    return bStored ? CopyToGlobal(file) : nullptr;
}

CPtrArray* CPropObjClip::Load(const BYTE* pBytes, UINT nLength)
{
    CMemFile file(const_cast<BYTE*>(pBytes), nLength);
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    return Load(ar);
}

CPtrArray* CPropObjClip::Load(CArchive& ar)
{
    CObList listFields;
    if (!RunGuarded([&] { MirtReadOwnedList(ar, listFields, RUNTIME_CLASS(CNPropObj)); }) || listFields.IsEmpty())
        return nullptr;
    CPtrArray* pFields = new CPtrArray;
    pFields->SetSize(0, listFields.GetCount());
    while (!listFields.IsEmpty())
        pFields->Add(listFields.RemoveHead());
    return pFields;
}
