#include "picture/pic_block.h"

#include <cstring>

#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/stored_object.h"
#include "objects/obj_children.h"
#include "objects/obj_place.h"
#include "picture/jpeg_convert.h"
#include "picture/pic_data.h"
#include "picture/pic_record.h"
#include "picture/pic_scroll.h"

namespace {

const DWORD kRecordBytes = sizeof(ZebPicRecord);
const size_t kTextFieldOffset = ZebPicRecord::kTextFieldWord * 4;

HANDLE OpenForReading(const char* pszPath)
{
    return ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

// The JPEG file the picture came from (its own or the temporary copy), or
// null when it has none or it cannot be opened.
HANDLE OpenJpegSource(ZebPicRecord& rec)
{
    const char* pszSource = rec.JpegSource();
    const char* pszPath = pszSource[0] == ZebPicRecord::kJpegFromFile ? rec.Head().FileName() : pszSource;
    if (static_cast<BYTE>(pszSource[0]) == 0 || static_cast<BYTE>(pszPath[0]) < ' ')
        return nullptr;
    HANDLE hJpeg = OpenForReading(pszPath);
    return hJpeg != INVALID_HANDLE_VALUE ? hJpeg : nullptr;
}

// The picture's data: the bytes of its JPEG source, or (also when that
// source cannot be read any more) its DIB as a BMP image. The bytes written,
// 0 without picture, -1 on failure.
LONG WriteData(ZebPicRecord& rec, HANDLE hFile)
{
    if (rec.Picture() == nullptr)
        return 0;
    HANDLE hJpeg = OpenJpegSource(rec);
    if (hJpeg != nullptr) {
        LARGE_INTEGER size;
        const bool bCopied = ::GetFileSizeEx(hJpeg, &size) && size.QuadPart < 0x7FFFFFFF &&
                             CopyBytes(hJpeg, hFile, static_cast<UINT64>(size.QuadPart));
        ::CloseHandle(hJpeg);
        return bCopied ? static_cast<LONG>(size.QuadPart) : -1;
    }
    const DWORD cb = WriteBmpToFile(hFile, rec.Picture());
    return cb != 0 ? static_cast<LONG>(cb) : -1;
}

LONG WriteBlock(HWND hwnd, ZebPicRecord& rec, HANDLE hFile, bool bData)
{
    RefreshStoredStyles(hwnd, rec.Head(), kPicStyles);
    std::vector<BYTE> cursor;
    const std::string text = StoredText(rec.Head());
    if (!StoredCursor(rec.Head(), &cursor) || cursor.size() > 0xFFFF || text.size() > 0xFFFF)
        return -1;
    const DWORD cbCursor = static_cast<DWORD>(cursor.size());
    std::vector<BYTE> bytes = StoredObjRecord(&rec, kRecordBytes);
    SetStoredWord(bytes, kCursorWord, cbCursor);
    SetStoredWord(bytes, kTextWord, PieceWord(cbCursor, static_cast<DWORD>(text.size())));
    // The flags: of them only the cache flag is stored, the others are the
    // state of the window.
    SetStoredWord(bytes, ZebPicRecord::kFlagsWord,
                  rec.HasFlag(ZebPicRecord::kFlagCache) ? ZebPicRecord::kFlagCache : 0);
    bytes.insert(bytes.end(), cursor.begin(), cursor.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    ZebBlockWriter block(hFile, "PO");
    if (!block.Begin() || !WriteExact(hFile, bytes.data(), static_cast<DWORD>(bytes.size())) || !block.EndFixed() ||
        (bData && WriteData(rec, hFile) < 0))
        return -1;
    return block.End();
}

// What a block gives before anything is taken over; its destructor frees
// what was not taken.
struct PicBlockData
{
    std::vector<BYTE> fixed;
    std::string text;
    HCURSOR hCursor = nullptr;
    HGLOBAL hDib = nullptr;
    char szJpegSource[MAX_PATH] = "";
    bool bTempJpeg = false;

    ~PicBlockData()
    {
        if (hCursor != nullptr)
            ::DestroyCursor(hCursor);
        if (hDib != nullptr)
            DestroyDib(hDib);
        if (bTempJpeg)
            ::DeleteFileA(szJpegSource);
    }
};

// JPEG data of cb bytes at the file position (cb 0: the JPEG file pszPath)
// turned into a DIB; a copy of the data stays as a temporary file.
HGLOBAL ReadJpeg(HANDLE hFile, DWORD cb, const char* pszPath, PicBlockData* pData)
{
    char szBmp[MAX_PATH];
    ::lstrcpynA(pData->szJpegSource, pszPath, MAX_PATH);
    if (!ConvertJpegToBmp(hFile, cb, szBmp, pData->szJpegSource))
        return nullptr;
    pData->bTempJpeg = cb > 0;
    if (cb == 0)
        ::lstrcpyA(pData->szJpegSource, ZebPicRecord::kJpegFromFileText);
    HGLOBAL hDib = ReadDibFile(szBmp, FALSE);
    ::DeleteFileA(szBmp);
    return hDib;
}

bool StartsAsJpeg(HANDLE hFile)
{
    BYTE head[2] = {};
    UINT64 pos = 0;
    return GetFilePos(hFile, &pos) && ReadExact(hFile, head, 2) && SeekFile(hFile, pos) && head[0] == 0xFF &&
           head[1] == 0xD8;
}

// A picture linked by name: the file the record names.
bool ReadLinked(const char* pszName, PicBlockData* pData)
{
    HANDLE hLinked = OpenForReading(pszName);
    if (hLinked == INVALID_HANDLE_VALUE)
        return false;
    pData->hDib = StartsAsJpeg(hLinked) ? ReadJpeg(hLinked, 0, pszName, pData) : ReadDib(hLinked, FALSE);
    ::CloseHandle(hLinked);
    return pData->hDib != nullptr;
}

// The picture data of the block (at the file position, dwData bytes up to
// end): a block without data and without file name holds no picture.
bool ReadData(HANDLE hFile, DWORD dwData, UINT64 end, PicBlockData* pData)
{
    char szName[ZebObjRecord::kFileNameChars];
    std::memcpy(szName, pData->fixed.data() + kStoredFileNameOffset, sizeof(szName));
    szName[sizeof(szName) - 1] = '\0';
    if (dwData == 0)
        return static_cast<BYTE>(szName[0]) <= ' ' || ReadLinked(szName, pData);
    UINT64 pos = 0;
    if (StartsAsJpeg(hFile))
        pData->hDib = ReadJpeg(hFile, dwData, "", pData);
    else
        pData->hDib = ReadDib(hFile, FALSE);
    return pData->hDib != nullptr && GetFilePos(hFile, &pos) && pos <= end;
}

void TakeOver(HWND hwnd, ZebPicRecord& rec, PicBlockData& data)
{
    ZebObjRecord& head = rec.Head();
    const std::vector<BYTE>& fixed = data.fixed;
    if (head.Cursor() != nullptr)
        ::DestroyCursor(head.Cursor());
    head.SetCursor(data.hCursor);
    data.hCursor = nullptr;
    head.SetDither(StoredWord(fixed, kDitherWord) != 0);
    head.SetBkColor(StoredWord(fixed, kBkColorWord));
    head.SetPointerNumber(StoredWord(fixed, kPointerWord));
    head.SetViewMode(StoredWord(fixed, kViewModeWord));
    std::memcpy(rec.TextField(), fixed.data() + kTextFieldOffset, ZebPicRecord::kTextFieldChars);
    rec.SetActualSize(StoredWord(fixed, ZebPicRecord::kActualSizeWord) != 0);
    rec.SetStretch(StoredWord(fixed, ZebPicRecord::kStretchWord));
    TakePicture(rec, data.hDib);
    data.hDib = nullptr;
    TakeStoredFileName(head, fixed);
    ::lstrcpynA(rec.JpegSource(), data.szJpegSource, ZebObjRecord::kFileNameChars);
    data.bTempJpeg = false;
    TakeStoredStyles(hwnd, head, fixed, kPicStyles);
    MoveToStoredPlace(hwnd, fixed);
    RefreshObjFrame(hwnd);
}

}  // namespace

LONG WritePicObject(HWND hwnd, HANDLE hFile, int nMode, const POINT*, const SIZE*)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    if (pRec == nullptr || nMode < 0 || nMode > 2)
        return -1;
    if (nMode != 0)
        return WriteBlock(hwnd, *pRec, hFile, nMode == 2);
    const LONG nWritten = WriteData(*pRec, hFile);
    return nWritten > 0 ? nWritten : -1;
}

BOOL ReadPicBlock(HWND hwnd, HANDLE hFile)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hwnd);
    ZebBlockHeader header;
    UINT64 start = 0;
    PicBlockData data;
    if (pRec == nullptr || !ReadBlockFixed(hFile, "PO", kRecordBytes, &header, &start, &data.fixed))
        return FALSE;
    const UINT64 dataStart = start + kBlockHeaderBytes + header.wFixed;
    const UINT64 end = dataStart + header.dwVariable;
    if (!ReadStoredCursor(hFile, start, kRecordBytes, StoredWord(data.fixed, kCursorWord) & 0xFFFF, header.wFixed,
                          &data.hCursor) ||
        !StoredPiece(data.fixed, kRecordBytes, StoredWord(data.fixed, kTextWord), &data.text) ||
        !SeekFile(hFile, dataStart) || !ReadData(hFile, header.dwVariable, end, &data) || !SeekFile(hFile, end) ||
        !TakeStoredText(pRec->Head(), data.text))
        return FALSE;
    TakeOver(hwnd, *pRec, data);
    UpdatePicScrollBars(hwnd);
    InvalidateObj(hwnd);
    return TRUE;
}
