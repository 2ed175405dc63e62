#include "text/block/doc_object_block.h"

#include <cstring>

#include "dib/bmp_file.h"
#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/stored_object.h"
#include "objects/obj_place.h"
#include "text/block/doc_block_image.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_record.h"
#include "text/full/full_run.h"
#include "text/tables/bmp_table.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"

namespace {

const DWORD kBorder = WS_BORDER;

std::string WithNul(const char* psz) { return psz != nullptr ? std::string(psz, std::strlen(psz) + 1) : std::string(); }

bool WriteBytes(HANDLE hFile, const std::vector<BYTE>& bytes)
{
    return WriteExact(hFile, bytes.data(), static_cast<DWORD>(bytes.size()));
}

// The font entries of the table in use (a shared pair's horizontal one).
std::vector<BYTE> FontEntries(ZebDocRecord& doc)
{
    std::vector<BYTE> bytes;
    const ZebFontTable* pTable = DocFontTable(doc, false);
    for (int i = 0; pTable != nullptr && i < pTable->Count(); ++i)
    {
        const ZebFontEntry* pEntry = pTable->Entry(i);
        PutStoredWord(bytes, 0);
        for (short w : pEntry->widths)
        {
            bytes.push_back(static_cast<BYTE>(w & 0xFF));
            bytes.push_back(static_cast<BYTE>((w >> 8) & 0xFF));
        }
        PutLogFont(bytes, pEntry->logfont);
    }
    return bytes;
}

// Name length and name, then the image's length and (bImages) the image.
bool WriteBitmap(HANDLE hFile, const ZebDocBmpEntry& entry, bool bImages)
{
    const std::string name = WithNul(entry.name);
    std::vector<BYTE> head;
    PutStoredWord(head, static_cast<DWORD>(name.size()));
    head.insert(head.end(), name.begin(), name.end());
    UINT64 at = 0;
    if (!WriteBytes(hFile, head) || !GetFilePos(hFile, &at) || !WriteExact(hFile, "\0\0\0\0", 4))
        return false;
    if (!bImages)
        return true;
    const DWORD cb = WriteBmpToFile(hFile, entry.dib);
    std::vector<BYTE> size;
    PutStoredWord(size, cb);
    return cb != 0 && SeekFile(hFile, at) && WriteBytes(hFile, size) && SeekFile(hFile, at + 4 + cb);
}

// The text as plain full text.
bool WriteText(HANDLE hFile, const ZebDocRecord& doc)
{
    std::vector<BYTE> bytes;
    AppendPlainFullText(bytes, RunFrom(*doc.Blocks(), 0, 0, 0x7FFFFFFF));
    return WriteBytes(hFile, bytes);
}

LONG WriteBlock(HWND hwnd, ZebDocRecord& doc, HANDLE hFile, bool bImages)
{
    StoreObjPlace(hwnd);
    const DWORD dwWindowStyle = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_STYLE));
    doc.head.SetStyle((doc.head.Style() & ~kBorder) | (dwWindowStyle & kBorder));
    ZebDocFixedTail tail;
    if (!StoredCursor(doc.head, &tail.cursor))
        return -1;
    tail.text = StoredText(doc.head);
    tail.lineStart = WithNul(doc.head.LineStartString());
    if (kDocImageBytes + tail.cursor.size() + tail.text.size() + tail.lineStart.size() > kMostDocFixedBytes)
        return -1;
    const std::vector<BYTE> fonts = FontEntries(doc);
    const ZebBmpTable& bitmaps = *doc.Bitmaps();
    std::vector<BYTE> fixed = DocRecordImage(doc, tail, static_cast<DWORD>(fonts.size() / kDocFontEntryBytes),
                                             static_cast<DWORD>(bitmaps.Count()));
    fixed.insert(fixed.end(), tail.cursor.begin(), tail.cursor.end());
    fixed.insert(fixed.end(), tail.text.begin(), tail.text.end());
    fixed.insert(fixed.end(), tail.lineStart.begin(), tail.lineStart.end());
    ZebBlockWriter block(hFile, "DO");
    if (!block.Begin() || !WriteBytes(hFile, fixed) || !block.EndFixed() || !WriteBytes(hFile, fonts))
        return -1;
    for (int i = 0; i < bitmaps.Count(); ++i)
    {
        if (!WriteBitmap(hFile, *bitmaps.Entry(i), bImages))
            return -1;
    }
    return WriteText(hFile, doc) ? block.End() : -1;
}

}  // namespace

LONG WriteDocObject(HWND hwnd, HANDLE hFile, int nMode, const POINT*, const SIZE*)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || nMode < 0 || nMode > 2)
        return -1;
    if (nMode == 0)
        return WriteDocText(hwnd, hFile);
    return WriteBlock(hwnd, *pDoc, hFile, nMode == 2);
}
