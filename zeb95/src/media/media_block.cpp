#include "media/media_block.h"

#include <cstring>

#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/stored_object.h"
#include "media/media_device.h"
#include "media/media_files.h"
#include "media/media_record.h"
#include "objects/obj_children.h"

namespace {

struct MediaBlockLayout
{
    const char* pszTag;
    WORD wKind;
    DWORD cbRecord;
    size_t nSourceOffset;
};

const MediaBlockLayout kMovieLayout = {"MO", ZebKindMovie, sizeof(ZebMovieRecord), ZebMovieRecord::kSourceWord * 4};
const MediaBlockLayout kSoundLayout = {"SO", ZebKindSound, sizeof(ZebSoundRecord), ZebSoundRecord::kSourceWord * 4};
const size_t kKindWordOffset = 100 * 4;

// The file that holds the media: the temporary copy, else the source.
const char* MediaFileOf(const ZebMediaPart& media)
{
    return media.szTemp[0] != '\0' ? media.szTemp : media.szSource;
}

// The record image as stored: the paths and words after the source path
// (temporary and opened path, device, flags, grid, state) are the
// writer's own and stored as zeros.
std::vector<BYTE> RecordImage(ZebObjRecord& head, const MediaBlockLayout& layout, DWORD cbCursor, DWORD cbText)
{
    std::vector<BYTE> bytes = StoredObjRecord(&head, layout.cbRecord);
    const size_t nAfterSource = layout.nSourceOffset + ZebObjRecord::kFileNameChars;
    std::memset(bytes.data() + nAfterSource, 0, bytes.size() - nAfterSource);
    SetStoredWord(bytes, kCursorWord, cbCursor);
    SetStoredWord(bytes, kTextWord, PieceWord(cbCursor, cbText));
    return bytes;
}

LONG WriteBlock(HWND hwnd, ZebObjRecord& head, const MediaBlockLayout& layout, HANDLE hFile, bool bData)
{
    const ZebMediaPart& media = *MediaPartOf(&head);
    RefreshStoredStyles(hwnd, head, kMediaStyles);
    std::vector<BYTE> cursor;
    const std::string text = StoredText(head);
    if (!StoredCursor(head, &cursor) || cursor.size() > 0xFFFF || text.size() > 0xFFFF)
        return -1;
    std::vector<BYTE> bytes =
        RecordImage(head, layout, static_cast<DWORD>(cursor.size()), static_cast<DWORD>(text.size()));
    bytes.insert(bytes.end(), cursor.begin(), cursor.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    ZebBlockWriter block(hFile, layout.pszTag);
    if (!block.Begin() || !WriteExact(hFile, bytes.data(), static_cast<DWORD>(bytes.size())) || !block.EndFixed())
        return -1;
    const char* pszMedia = MediaFileOf(media);
    if (bData && pszMedia[0] != '\0' && EmbedFile(hFile, pszMedia) < 1)
        return -1;
    return block.End();
}

LONG WriteMediaObject(HWND hwnd, const MediaBlockLayout& layout, HANDLE hFile, int nMode)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    UINT64 pos = 0;
    if (pRecord == nullptr || pRecord->Kind() != layout.wKind || nMode < 0 || nMode > 2 || !GetFilePos(hFile, &pos))
        return -1;
    if (nMode != 0)
        return WriteBlock(hwnd, *pRecord, layout, hFile, nMode == 2);
    const LONG nWritten = EmbedFile(hFile, MediaFileOf(*MediaPartOf(pRecord)));
    return nWritten > 0 ? nWritten : -1;
}

// What a block gives before anything is taken over; its destructor frees
// what was not taken.
struct MediaBlockData
{
    ZebBlockHeader header = {};
    UINT64 start = 0;
    std::vector<BYTE> fixed;
    std::string text;
    HCURSOR hCursor = nullptr;
    char szTemp[MAX_PATH] = "";

    ~MediaBlockData()
    {
        if (hCursor != nullptr)
            ::DestroyCursor(hCursor);
        if (szTemp[0] != '\0')
            ::DeleteFileA(szTemp);
    }
};

// Prefix and extension of the temporary file of a sound kind.
const char* SoundTempPrefix(DWORD dwSoundKind)
{
    switch (dwSoundKind) {
    case 1: return "MID";
    case 2: return "RMI";
    default: return "WAV";
    }
}

// The block's embedded bytes copied out into a new temporary file.
bool ExtractMedia(HANDLE hFile, const MediaBlockLayout& layout, MediaBlockData* pData)
{
    const char* pszPrefix =
        layout.wKind == ZebKindMovie ? "AVI" : SoundTempPrefix(StoredDword(pData->fixed, kKindWordOffset));
    if (!MakeTempMediaName(pData->szTemp, pszPrefix, MAX_PATH))
        return false;
    if (ExtractToFile(hFile, pData->szTemp, pData->header.dwVariable) == 1)
        return true;
    DeleteMediaFile(pData->szTemp);
    pData->szTemp[0] = '\0';
    return false;
}

bool ReadBlockData(HANDLE hFile, const MediaBlockLayout& layout, MediaBlockData* pData)
{
    if (!ReadBlockFixed(hFile, layout.pszTag, layout.cbRecord, &pData->header, &pData->start, &pData->fixed))
        return false;
    const std::vector<BYTE>& fixed = pData->fixed;
    const UINT64 dataStart = pData->start + kBlockHeaderBytes + pData->header.wFixed;
    if (!ReadStoredCursor(hFile, pData->start, layout.cbRecord, StoredWord(fixed, kCursorWord) & 0xFFFF,
                          pData->header.wFixed, &pData->hCursor) ||
        !StoredPiece(fixed, layout.cbRecord, StoredWord(fixed, kTextWord), &pData->text) ||
        !SeekFile(hFile, dataStart))
        return false;
    if (pData->header.dwVariable > 0 && !ExtractMedia(hFile, layout, pData))
        return false;
    return SeekFile(hFile, dataStart + pData->header.dwVariable);
}

// A popup mode out of range shows the movie in its own window.
LONG StoredPopupMode(const std::vector<BYTE>& fixed)
{
    const DWORD dwMode = StoredDword(fixed, kKindWordOffset);
    return dwMode <= 2 ? static_cast<LONG>(dwMode) : 0;
}

void TakeKindWords(ZebObjRecord& head, const std::vector<BYTE>& fixed)
{
    if (ZebMovieRecord* pMovie = ZebMovieRecord::From(&head)) {
        pMovie->SetPopupMode(StoredPopupMode(fixed));
        pMovie->SetStretch(static_cast<LONG>(StoredWord(fixed, ZebMovieRecord::kStretchWord)));
    } else if (ZebSoundRecord* pSound = ZebSoundRecord::From(&head)) {
        pSound->SetSoundKind(static_cast<LONG>(StoredDword(fixed, kKindWordOffset)));
    }
}

void TakeOver(HWND hwnd, ZebObjRecord& head, const MediaBlockLayout& layout, MediaBlockData& data)
{
    ZebMediaPart& media = *MediaPartOf(&head);
    const std::vector<BYTE>& fixed = data.fixed;
    head.ReplaceCursor(nullptr);
    head.SetCursor(data.hCursor);
    data.hCursor = nullptr;
    head.SetViewMode(StoredWord(fixed, kViewModeWord));
    head.SetBkColor(StoredWord(fixed, kBkColorWord));
    head.SetBorderColor(StoredWord(fixed, kBkColorWord + 1));
    head.SetForeColor(StoredWord(fixed, kForeColorWord));
    head.SetPointerNumber(StoredWord(fixed, kPointerWord));
    TakeKindWords(head, fixed);
    std::memcpy(media.szSource, fixed.data() + layout.nSourceOffset, sizeof(media.szSource));
    media.szSource[sizeof(media.szSource) - 1] = '\0';
    ::lstrcpyA(media.szTemp, data.szTemp);
    data.szTemp[0] = '\0';
    TakeStoredStyles(hwnd, head, fixed, kMediaStyles);
    MoveToStoredPlace(hwnd, fixed);
    RefreshObjFrame(hwnd);
}

// Not a block: the media file itself, by its name.
void TakePlainFile(ZebMediaPart& media, LPCSTR pszGiven)
{
    ::lstrcpynA(media.szSource, pszGiven, ZebObjRecord::kFileNameChars);
}

BOOL ReadMediaObject(HWND hwnd, const MediaBlockLayout& layout, HANDLE hFile, LPCSTR pszGiven)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr || pRecord->Kind() != layout.wKind || pszGiven == nullptr)
        return FALSE;
    CloseMediaDevice(hwnd);
    DeleteMediaTemp(hwnd);
    ZebMediaPart* pMedia = MediaPartOf(pRecord);
    pMedia->szOpened[0] = '\0';
    UINT64 pos = 0;
    char tag[kBlockHeaderBytes];
    if (!GetFilePos(hFile, &pos) || !ReadExact(hFile, tag, sizeof(tag)) || !SeekFile(hFile, pos))
        return FALSE;
    if (IsTag(tag, layout.pszTag)) {
        MediaBlockData data;
        if (!ReadBlockData(hFile, layout, &data) || !TakeStoredText(*pRecord, data.text))
            return FALSE;
        TakeOver(hwnd, *pRecord, layout, data);
    } else {
        TakePlainFile(*pMedia, pszGiven);
    }
    ::lstrcpynA(pRecord->FileName(), pszGiven, ZebObjRecord::kFileNameChars);
    ::lstrcpyA(pMedia->szOpened, MediaFileOf(*pMedia));
    pMedia->nState = 0;
    pMedia->nPosition = 0;
    return TRUE;
}

}  // namespace

BOOL ReadMovieObject(HWND hMovie, HANDLE hFile, LPCSTR pszGiven)
{
    return ReadMediaObject(hMovie, kMovieLayout, hFile, pszGiven);
}

BOOL ReadSoundObject(HWND hSound, HANDLE hFile, LPCSTR pszGiven)
{
    return ReadMediaObject(hSound, kSoundLayout, hFile, pszGiven);
}

LONG WriteMovieObject(HWND hMovie, HANDLE hFile, int nMode, const POINT*, const SIZE*)
{
    return WriteMediaObject(hMovie, kMovieLayout, hFile, nMode);
}

LONG WriteSoundObject(HWND hSound, HANDLE hFile, int nMode, const POINT*, const SIZE*)
{
    return WriteMediaObject(hSound, kSoundLayout, hFile, nMode);
}
