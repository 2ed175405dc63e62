#include "files/wb_file_write.h"

#include <cstring>
#include <initializer_list>

#include "dib/bmp_file.h"
#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/block_kinds.h"
#include "files/stored_object.h"
#include "files/wb_plain_text.h"
#include "objects/obj_record.h"
#include "whiteboard/app_children.h"
#include "whiteboard/wb_capture.h"
#include "whiteboard/wb_record.h"

namespace {

const DWORD kRecordBytes = sizeof(ZebWbRecord);
const int kTextItemSlot = 0;

ZebWbRecord* Wb(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)); }

bool WriteBytes(HANDLE hFile, const std::vector<BYTE>& bytes)
{
    return WriteExact(hFile, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void PutString(std::vector<BYTE>& bytes, const std::string& s) { bytes.insert(bytes.end(), s.begin(), s.end()); }

std::string WithNul(const char* psz) { return psz != nullptr ? std::string(psz, std::strlen(psz) + 1) : std::string(); }

// The stored word of a string with its NUL right after the record.
LONG StringWord(const std::string& s) { return static_cast<LONG>(PieceWord(0, static_cast<DWORD>(s.size()))); }

// An item's block: its words and string as the fixed part, what
// writeVariable writes as the variable part.
template <typename F>
LONG WriteItemBlock(HANDLE hFile, const char* pszTag, std::initializer_list<LONG> words, const std::string& s,
                    F writeVariable)
{
    if (s.size() > 0xFFFF)
        return -1;
    std::vector<BYTE> bytes;
    for (LONG n : words)
        PutStoredWord(bytes, static_cast<DWORD>(n));
    PutString(bytes, s);
    ZebBlockWriter block(hFile, pszTag);
    if (!block.Begin() || !WriteBytes(hFile, bytes) || !block.EndFixed() || !writeVariable())
        return -1;
    return block.End();
}

LONG WriteWbBlock(ZebWbRecord& wb, HANDLE hFile)
{
    std::vector<BYTE> cursor;
    const std::string text = StoredText(wb.Head());
    const std::string lineStart = WithNul(wb.Head().LineStartString());
    const LONG nFonts = wb.TextFonts() != nullptr ? wb.TextFontCount() : 0;
    if (!StoredCursor(wb.Head(), &cursor) || cursor.size() + text.size() + lineStart.size() > 0xFFFF - kRecordBytes)
        return -1;
    const DWORD cbCursor = static_cast<DWORD>(cursor.size());
    const DWORD cbText = static_cast<DWORD>(text.size());
    std::vector<BYTE> bytes = StoredObjRecord(&wb, kRecordBytes);
    SetStoredWord(bytes, kCursorWord, cbCursor);
    SetStoredWord(bytes, kTextWord, PieceWord(cbCursor, cbText));
    SetStoredWord(bytes, kLineStartWord, PieceWord(cbCursor + cbText, static_cast<DWORD>(lineStart.size())));
    // Capacities are stored as the counts: what the file holds of each
    // table is just that many entries.
    SetStoredWord(bytes, ZebWbRecord::kFontCountWord, static_cast<DWORD>(nFonts));
    SetStoredWord(bytes, ZebWbRecord::kFontCountWord + 1, static_cast<DWORD>(nFonts));
    for (int nSlot = 0; nSlot < kWbChildSlots; ++nSlot)
        SetStoredWord(bytes, ZebWbRecord::kChildCapacityWord + nSlot, static_cast<DWORD>(wb.ChildCount(nSlot)));
    bytes.insert(bytes.end(), cursor.begin(), cursor.end());
    PutString(bytes, text);
    PutString(bytes, lineStart);
    std::vector<BYTE> fonts;
    for (LONG i = 0; i < nFonts; ++i)
        PutLogFont(fonts, wb.TextFonts()[i]);
    ZebBlockWriter block(hFile, "WB");
    if (!block.Begin() || !WriteBytes(hFile, bytes) || !block.EndFixed() || !WriteBytes(hFile, fonts))
        return -1;
    return block.End();
}

// The font written with an item whose font is not in the table.
LOGFONTA TerminalFont()
{
    LOGFONTA lf = {};
    lf.lfHeight = 10;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    ::lstrcpyA(lf.lfFaceName, "Terminal");
    return lf;
}

// The visible child windows directly on the whiteboard, bottom of the
// z-order first: an application-defined child writes itself, a library
// object its kind's block; foreign windows are skipped.
LONG WriteChildren(HWND hWb, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize)
{
    LONG nTotal = 0;
    HWND hTop = ::GetWindow(hWb, GW_CHILD);
    for (HWND hChild = hTop != nullptr ? ::GetWindow(hTop, GW_HWNDLAST) : nullptr; hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDPREV)) {
        const LONG_PTR style = ::GetWindowLongPtrA(hChild, GWL_STYLE);
        if ((style & WS_VISIBLE) == 0 || (style & WS_CHILD) == 0)
            continue;
        LONG nWritten = 0;
        const ZebObjRecord* pRecord = GetObjRecord(hChild);
        if (IsAppChild(hChild)) {
            nWritten = WriteAppChild(hChild, hFile);
        } else if (::GetWindowLongPtrA(hChild, GWLP_USERDATA) == kZebLibraryMark && pRecord != nullptr) {
            const ZebBlockKind* pKind = BlockKindOfKind(pRecord->Kind());
            nWritten = pKind != nullptr ? pKind->pfnWrite(hChild, hFile, nMode, pOrigin, pSize) : -1;
        }
        if (nWritten < 0 || nWritten > 0x7FFFFFFF - nTotal)
            return -1;
        nTotal += nWritten;
    }
    return nTotal;
}

LONG WriteBlockFile(HWND hWb, ZebWbRecord& wb, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize)
{
    LONG nTotal = WriteWbBlock(wb, hFile);
    const LONG nTexts = wb.ChildCount(kTextItemSlot);
    const LONG nBmps = wb.ChildCount(kWbBmpItemSlot);
    for (LONG i = 0; i < nTexts + nBmps && nTotal >= 0; ++i) {
        const LONG n = i < nTexts ? WriteWbTextBlock(hWb, hFile, i) : WriteWbBmpBlock(hWb, hFile, i - nTexts);
        nTotal = n >= 0 && n <= 0x7FFFFFFF - nTotal ? nTotal + n : -1;
    }
    const LONG nChildren = nTotal >= 0 ? WriteChildren(hWb, hFile, nMode, pOrigin, pSize) : -1;
    return nChildren >= 0 && nChildren <= 0x7FFFFFFF - nTotal ? nTotal + nChildren : -1;
}

LONG WriteRegionBmp(HWND hWb, HANDLE hFile, const POINT* pOrigin, const SIZE* pSize)
{
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = nullptr;
    if (!CaptureWhiteBoard(hWb, pOrigin, pSize, &hBitmap, &hPalette, nullptr))
        return -1;
    HGLOBAL hDib = BitmapToDib(hBitmap, 0, hPalette, TRUE);
    ::DeleteObject(hBitmap);
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);
    const DWORD cb = hDib != nullptr ? WriteBmpToFile(hFile, hDib) : 0;
    DestroyDib(hDib);
    return cb != 0 ? static_cast<LONG>(cb) : -1;
}

LONG WriteMode(HWND hWb, ZebWbRecord& wb, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize)
{
    if (nMode == 0) {
        const std::string text = WbPlainText(wb);
        return WriteExact(hFile, text.data(), static_cast<DWORD>(text.size())) ? static_cast<LONG>(text.size()) : -1;
    }
    if (nMode == 3)
        return WriteRegionBmp(hWb, hFile, pOrigin, pSize);
    return WriteBlockFile(hWb, wb, hFile, nMode, pOrigin, pSize);
}

}  // namespace

LONG WriteWbTextBlock(HWND hWb, HANDLE hFile, LONG nIndex)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || nIndex < 0 || nIndex >= pWb->ChildCount(kTextItemSlot))
        return -1;
    const ZebWbTextItem& item = pWb->TextItems()[nIndex];
    const std::string text = WithNul(item.pszText);
    const bool bInTable = item.nFont >= 0 && item.nFont < pWb->TextFontCount() && pWb->TextFonts() != nullptr;
    std::vector<BYTE> font;
    PutLogFont(font, bInTable ? pWb->TextFonts()[item.nFont] : TerminalFont());
    return WriteItemBlock(hFile, "WT",
                          {static_cast<LONG>(item.crColor), item.nFont, nIndex, StringWord(text), item.pt.x,
                           item.pt.y, item.size.cx, item.size.cy},
                          text, [&] { return WriteBytes(hFile, font); });
}

LONG WriteWbBmpBlock(HWND hWb, HANDLE hFile, LONG nIndex)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || nIndex < 0 || nIndex >= pWb->ChildCount(kWbBmpItemSlot))
        return -1;
    const ZebWbBmpItem& item = pWb->BmpItems()[nIndex];
    const std::string name = WithNul(item.pszName);
    return WriteItemBlock(hFile, "WD",
                          {0, 0, static_cast<LONG>(item.crBack), 0, 0, nIndex, StringWord(name), item.pt.x, item.pt.y,
                           item.size.cx, item.size.cy},
                          name, [&] { return WriteBmpToFile(hFile, item.hDib) != 0; });
}

LONG WriteWhiteBoardFile(HWND hWb, LPCSTR pszPath, int nMode, const POINT* pOrigin, const SIZE* pSize)
{
    ZebWbRecord* pWb = Wb(hWb);
    if (pWb == nullptr || pszPath == nullptr || nMode < 0 || nMode > 3)
        return -1;
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return -1;
    LONG nWritten = WriteMode(hWb, *pWb, hFile, nMode, pOrigin, pSize);
    if (!::CloseHandle(hFile))
        nWritten = -1;
    if (nWritten < 0)
        ::DeleteFileA(pszPath);
    return nWritten;
}
