#include "files/block_kinds.h"
#include "files/wb_file_read.h"
#include "files/wb_file_write.h"
#include "media/media_device.h"
#include "objects/obj_children.h"
#include "objects/obj_classes.h"
#include "objects/obj_record.h"
#include "text/block/doc_object_block.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

namespace {

// The size of the file (its end position), or -1.
LONG FileSize(HANDLE hFile)
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(hFile, &size))
        return -1;
    return size.QuadPart > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<LONG>(size.QuadPart);
}

HANDLE OpenFileForReading(LPCSTR pszPath)
{
    return ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

// The kind's reader of an object file: a text document's may be plain text
// as well as its block.
BOOL ReadObjectOfKind(const ZebBlockKind& kind, HWND hObject, HANDLE hFile, LPCSTR pszPath)
{
    return kind.wKind == ZebKindDoc ? ReadDocObjectFile(hObject, hFile, pszPath)
                                    : kind.pfnRead(hObject, hFile, pszPath);
}

// The kind's reader on the file: the file's size, or -1.
LONG ReadObjectFile(HWND hObject, const ZebBlockKind& kind, LPCSTR pszPath)
{
    HANDLE hFile = OpenFileForReading(pszPath);
    if (hFile == INVALID_HANDLE_VALUE)
        return -1;
    const LONG nSize = ReadObjectOfKind(kind, hObject, hFile, pszPath) ? FileSize(hFile) : -1;
    ::CloseHandle(hFile);
    if (nSize >= 0)
        InvalidateObj(hObject);
    return nSize;
}

bool IsWhiteBoardWithRecord(HWND hwnd) { return IsWhiteBoard(hwnd) && GetObjRecord(hwnd) != nullptr; }

}  // namespace

LONG WINAPI zebReadWhiteBoard(HWND hWhiteBoard, LPCSTR pszPath, const POINT* pPos, const SIZE* pSize)
{
    if (!ReadWhiteBoardFile(hWhiteBoard, pszPath, pPos, pSize))
        return -1;
    HANDLE hFile = OpenFileForReading(pszPath);
    if (hFile == INVALID_HANDLE_VALUE)
        return -1;
    const LONG nSize = FileSize(hFile);
    ::CloseHandle(hFile);
    return nSize;
}

LONG WINAPI zebWriteWhiteBoard(HWND hWhiteBoard, LPCSTR pszPath, LONG nMode, const POINT* pOrigin,
                               const SIZE* pSize)
{
    if (!IsWhiteBoardWithRecord(hWhiteBoard))
        return -1;
    return WriteWhiteBoardFile(hWhiteBoard, pszPath, nMode, pOrigin, pSize);
}

LONG WINAPI zebReadObject(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPCSTR pszPath)
{
    const ZebBlockKind* pKind = BlockKindOfKind(nKind);
    if (pKind == nullptr || pszPath == nullptr || !IsWhiteBoardWithRecord(hWhiteBoard))
        return -1;
    HWND hObject = nIndex < 0 ? pKind->pfnCreate(hWhiteBoard) : WbChildAt(hWhiteBoard, nKind, nIndex);
    if (hObject == nullptr)
        return -1;
    char szCopy[MAX_PATH] = "";
    const bool bMemFile = nKind == ZebKindPicture && zebReadMemPic(pszPath, szCopy) != 0;
    LONG nSize = ReadObjectFile(hObject, *pKind, bMemFile ? szCopy : pszPath);
    if (bMemFile)
        ::DeleteFileA(szCopy);
    if (nSize >= 0 && (nKind == ZebKindSound || nKind == ZebKindMovie)) {
        if (MediaKindBusy(static_cast<WORD>(nKind)))
            nSize = -2;
        else
            OpenMediaAfterRead(hObject);
    }
    if (nIndex < 0 && nSize < 0)
        ::DestroyWindow(hObject);
    else if (nIndex < 0)
        ::ShowWindow(hObject, SW_SHOW);
    return nSize;
}

LONG WINAPI zebWriteObject(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPCSTR pszPath, LONG nMode,
                           const POINT* pOrigin, const SIZE* pSize)
{
    const ZebBlockKind* pKind = BlockKindOfKind(nKind);
    HWND hObject = WbChildAt(hWhiteBoard, nKind, nIndex);
    if (pKind == nullptr || hObject == nullptr || pszPath == nullptr || nMode < 0 || nMode > 2)
        return -1;
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return -1;
    LONG nWritten = pKind->pfnWrite(hObject, hFile, nMode, pOrigin, pSize);
    if (!::CloseHandle(hFile))
        nWritten = -1;
    if (nWritten < 0)
        ::DeleteFileA(pszPath);
    return nWritten < 0 ? -1 : nWritten;
}
