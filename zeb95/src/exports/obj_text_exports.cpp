#include <cstring>

#include "objects/global_mem.h"
#include "objects/obj_record.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

namespace {

// A child of kinds 8 to 128 (no application-defined window) and its record.
ZebObjRecord* ChildRecord(HWND hWhiteBoard, LONG nKind, LONG nIndex)
{
    if (nKind == ZebKindAppChild)
        return nullptr;
    return GetObjRecord(WbChildAt(hWhiteBoard, nKind, nIndex));
}

}  // namespace

LONG WINAPI zebGetObjText(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPSTR pszBuffer)
{
    ZebObjRecord* pRecord = ChildRecord(hWhiteBoard, nKind, nIndex);
    if (pRecord == nullptr)
        return -1;
    const char* pszText = pRecord->Text() != nullptr ? pRecord->Text() : "";
    const size_t cch = std::strlen(pszText);
    if (pszBuffer != nullptr)
        std::memcpy(pszBuffer, pszText, cch + 1);
    return static_cast<LONG>(cch);
}

LONG WINAPI zebSetObjText(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPCSTR pszText)
{
    ZebObjRecord* pRecord = ChildRecord(hWhiteBoard, nKind, nIndex);
    if (pRecord == nullptr)
        return 0;
    char* pszCopy = nullptr;
    if (pszText != nullptr) {
        pszCopy = LockedGlobalStrDup(pszText);
        if (pszCopy == nullptr)
            return 0;
    }
    LockedGlobalFree(pRecord->Text());
    pRecord->SetText(pszCopy);
    return 1;
}
