#include "objects/obj_record.h"

#include "objects/global_mem.h"
#include "objects/obj_classes.h"

namespace {

const SIZE_T kSlotBytes = kZebRecordSlots * sizeof(UINT_PTR);

}  // namespace

DWORD ZebObjRecord::StoredBytes(WORD wKind)
{
    switch (wKind) {
    case ZebKindWhiteBoard: return 880;
    case ZebKindDoc: return 820;
    case ZebKindPicture: return 1016;
    case ZebKindSound: return 1448;
    case ZebKindMovie: return 1468;
    case ZebKindLine: return 672;
    default: return 0;
    }
}

ZebObjRecord* ZebObjRecord::Allocate(WORD wKind)
{
    if (StoredBytes(wKind) == 0)
        return nullptr;
    auto* pRecord = static_cast<ZebObjRecord*>(
        LockedGlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, SlotsOffset(wKind) + kSlotBytes));
    if (pRecord == nullptr)
        return nullptr;
    pRecord->m_version = kZebRecordVersion;
    pRecord->m_kind = wKind;
    return pRecord;
}

void ZebObjRecord::Free(ZebObjRecord* pRecord) { LockedGlobalFree(pRecord); }

ZebObjRecord* GetObjRecord(HWND hwnd)
{
    if (KindOfWindowClass(hwnd) == 0)
        return nullptr;
    return reinterpret_cast<ZebObjRecord*>(::GetWindowLongPtrA(hwnd, 0));
}

void ZebObjRecord::ReplaceCursor(HCURSOR hCursor)
{
    if (Cursor() != nullptr)
        ::DestroyCursor(Cursor());
    SetCursor(hCursor != nullptr ? reinterpret_cast<HCURSOR>(::CopyIcon(hCursor)) : nullptr);
}
