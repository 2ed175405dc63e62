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

// The object text's length; with a buffer a copy of it (empty without
// text) with its NUL. -1 without record.
LONG CopyObjText(const ZebObjRecord* pRecord, LPSTR pszBuffer)
{
    if (pRecord == nullptr)
        return -1;
    const char* pszText = pRecord->Text() != nullptr ? pRecord->Text() : "";
    const size_t cch = std::strlen(pszText);
    if (pszBuffer != nullptr)
        std::memcpy(pszBuffer, pszText, cch + 1);
    return static_cast<LONG>(cch);
}

// A copy of the text (null: none) replaces the object text: 1; 0 without
// record or copy, the old text kept.
LONG ReplaceObjText(ZebObjRecord* pRecord, LPCSTR pszText)
{
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

}  // namespace

LONG WINAPI zebGetObjText(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPSTR pszBuffer)
{
    return CopyObjText(ChildRecord(hWhiteBoard, nKind, nIndex), pszBuffer);
}

LONG WINAPI zebSetObjText(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPCSTR pszText)
{
    return ReplaceObjText(ChildRecord(hWhiteBoard, nKind, nIndex), pszText);
}

LONG WINAPI zebGetText(HWND hObject, LPSTR pszBuffer) { return CopyObjText(GetObjRecord(hObject), pszBuffer); }

LONG WINAPI zebSetText(HWND hObject, LPCSTR pszText) { return ReplaceObjText(GetObjRecord(hObject), pszText); }
