#include "files/stored_object.h"

#include <cstring>

#include "dib/file_io.h"
#include "dib/icon_record.h"
#include "files/block_io.h"
#include "objects/global_mem.h"
#include "objects/obj_place.h"
#include "objects/obj_record.h"

std::vector<BYTE> StoredObjRecord(const void* pRecord, DWORD cbRecord)
{
    std::vector<BYTE> bytes = StoredRecord(pRecord, cbRecord);
    SetStoredWord(bytes, kInputWParamWord, 0);
    SetStoredWord(bytes, kInputLParamWord, 0);
    return bytes;
}

std::string StoredText(const ZebObjRecord& head)
{
    if (head.Text() == nullptr)
        return std::string();
    return std::string(head.Text(), std::strlen(head.Text()) + 1);
}

bool TakeStoredText(ZebObjRecord& head, const std::string& text)
{
    char* pszCopy = nullptr;
    if (!text.empty()) {
        pszCopy = LockedGlobalStrDup(text.c_str());
        if (pszCopy == nullptr)
            return false;
    }
    LockedGlobalFree(head.Text());
    head.SetText(pszCopy);
    return true;
}

void TakeStoredFileName(ZebObjRecord& head, const std::vector<BYTE>& fixed)
{
    char* pszName = head.FileName();
    std::memcpy(pszName, fixed.data() + kStoredFileNameOffset, ZebObjRecord::kFileNameChars);
    pszName[ZebObjRecord::kFileNameChars - 1] = '\0';
}

void RefreshStoredStyles(HWND hwnd, ZebObjRecord& head, DWORD dwKeptStyles)
{
    StoreObjPlace(hwnd);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    head.SetTransparent((exStyle & WS_EX_TRANSPARENT) != 0);
    head.SetClientEdge((exStyle & WS_EX_CLIENTEDGE) != 0);
    head.SetStyle(static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_STYLE)) & dwKeptStyles);
}

void TakeStoredStyles(HWND hwnd, ZebObjRecord& head, const std::vector<BYTE>& fixed, DWORD dwKeptStyles)
{
    head.SetTransparent(StoredWord(fixed, kTransparentWord) != 0);
    head.SetClientEdge(StoredWord(fixed, kClientEdgeWord) != 0);
    LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE);
    exStyle |= (head.IsTransparent() ? WS_EX_TRANSPARENT : 0) | (head.HasClientEdge() ? WS_EX_CLIENTEDGE : 0);
    ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle);
    const DWORD dwStyle = StoredWord(fixed, kStyleWord) & dwKeptStyles;
    head.SetStyle(dwStyle);
    ::SetWindowLongPtrA(hwnd, GWL_STYLE, (::GetWindowLongPtrA(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(dwKeptStyles)) |
                                             static_cast<LONG_PTR>(dwStyle));
}

void MoveToStoredPlace(HWND hwnd, const std::vector<BYTE>& fixed)
{
    const POINT pos = {static_cast<LONG>(StoredWord(fixed, kPositionWord)),
                       static_cast<LONG>(StoredWord(fixed, kPositionWord + 1))};
    const SIZE size = {static_cast<LONG>(StoredWord(fixed, kSizeWord)),
                       static_cast<LONG>(StoredWord(fixed, kSizeWord + 1))};
    MoveObj(hwnd, &pos, &size);
    StoreObjPlace(hwnd);
}

bool ReadStoredCursor(HANDLE hFile, UINT64 start, DWORD cbRecord, DWORD cb, size_t cbFixed, HCURSOR* pCursor)
{
    *pCursor = nullptr;
    if (cb == 0)
        return true;
    const UINT64 at = start + kBlockHeaderBytes + cbRecord;
    UINT64 end = 0;
    if (static_cast<UINT64>(cbRecord) + cb > cbFixed || !SeekFile(hFile, at))
        return false;
    const LONG nRead = ReadCursorRecord(hFile, pCursor);
    if (nRead == static_cast<LONG>(cb) && GetFilePos(hFile, &end) && end == at + cb)
        return true;
    if (*pCursor != nullptr)
        ::DestroyCursor(*pCursor);
    *pCursor = nullptr;
    return false;
}

bool StoredCursor(const ZebObjRecord& head, std::vector<BYTE>* pBytes)
{
    pBytes->clear();
    return head.Cursor() == nullptr || BuildIconRecord(head.Cursor(), pBytes);
}
