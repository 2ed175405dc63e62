#include "media/media_record.h"

#include "library/library_state.h"

namespace {

const int kSlotDevice = ZebObjRecord::kHeadSlots;

}  // namespace

ZebMediaPart* MediaPartOf(ZebObjRecord* pRecord)
{
    if (ZebMovieRecord* pMovie = ZebMovieRecord::From(pRecord))
        return &pMovie->Media();
    if (ZebSoundRecord* pSound = ZebSoundRecord::From(pRecord))
        return &pSound->Media();
    return nullptr;
}

HWND MediaDevice(const ZebObjRecord& head) { return reinterpret_cast<HWND>(head.Slot(kSlotDevice)); }

void SetMediaDevice(ZebObjRecord& head, HWND hDevice)
{
    head.SetSlot(kSlotDevice, reinterpret_cast<UINT_PTR>(hDevice));
}

LONG* MediaInUseFlag(WORD wKind)
{
    return wKind == ZebKindMovie ? &Library().nMovieInUse : &Library().nSoundInUse;
}
