#include "line/line_block.h"

#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/stored_object.h"
#include "line/line_record.h"
#include "objects/obj_place.h"

namespace {

const DWORD kRecordBytes = sizeof(ZebLineRecord);
// The draw form, with the line's flags (state of its window) beside it.

}  // namespace

LONG WriteLineObject(HWND hwnd, HANDLE hFile, int, const POINT*, const SIZE*)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    if (pRec == nullptr)
        return -1;
    StoreObjPlace(hwnd);
    ZebBlockWriter block(hFile, "LO");
    const std::string text = StoredText(pRec->Head());
    std::vector<BYTE> bytes = StoredObjRecord(pRec, kRecordBytes);
    SetStoredWord(bytes, kTextWord, PieceWord(0, static_cast<DWORD>(text.size())));
    SetStoredWord(bytes, ZebLineRecord::kDrawFormWord, pRec->DrawForm());
    if (text.size() > 0xFFFF || !block.Begin() || !WriteExact(hFile, bytes.data(), kRecordBytes) ||
        !WriteExact(hFile, text.data(), static_cast<DWORD>(text.size())))
        return -1;
    return block.End();
}

BOOL ReadLineObject(HWND hwnd, HANDLE hFile, LPCSTR)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    ZebBlockHeader header;
    UINT64 start = 0;
    std::vector<BYTE> fixed;
    std::string text;
    if (pRec == nullptr || !ReadBlockFixed(hFile, "LO", kRecordBytes, &header, &start, &fixed) ||
        !StoredPiece(fixed, kRecordBytes, StoredWord(fixed, kTextWord), &text) ||
        !SeekFile(hFile, start + kBlockHeaderBytes + header.wFixed + header.dwVariable) ||
        !TakeStoredText(pRec->Head(), text))
        return FALSE;
    ZebObjRecord& head = pRec->Head();
    TakeStoredFileName(head, fixed);
    head.SetForeColor(StoredWord(fixed, kForeColorWord));
    head.SetViewMode(StoredWord(fixed, kViewModeWord));
    pRec->SetDrawMode(static_cast<LONG>(StoredWord(fixed, ZebLineRecord::kDrawModeWord)));
    pRec->SetPenStyle(static_cast<LONG>(StoredWord(fixed, ZebLineRecord::kPenStyleWord)));
    pRec->SetPenWidth(static_cast<LONG>(StoredWord(fixed, ZebLineRecord::kPenWidthWord)));
    pRec->SetDrawForm(static_cast<WORD>(StoredWord(fixed, ZebLineRecord::kDrawFormWord) & 0xFFFF));
    MoveToStoredPlace(hwnd, fixed);
    return TRUE;
}
