#include "files/wb_file_read.h"

#include <string>
#include <vector>

#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/block_kinds.h"
#include "files/stored_object.h"
#include "objects/global_mem.h"
#include "objects/obj_children.h"
#include "objects/obj_place.h"
#include "whiteboard/app_children.h"
#include "whiteboard/wb_bmp_items.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"

namespace {

const DWORD kWbReadRecordBytes = sizeof(ZebWbRecord);
const DWORD kTextItemBytes = 32;
const DWORD kBmpItemBytes = 44;
const DWORD kReadKeptStyles = WS_BORDER | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
const size_t kReadFontCountWord = 102;
const size_t kFormFeedMarkWord = 137;
const size_t kLineFeedMarkWord = 142;
const size_t kDpiWord = 147;
const LONG kMaxDpi = 9600;
const LONG kMaxCoord = 1L << 26;
const int kChildSlots[] = {2, 3, 4, 5, 6};

LONG StoredCoord(DWORD dw)
{
    const LONG n = static_cast<LONG>(dw);
    return n < -kMaxCoord ? -kMaxCoord : n > kMaxCoord ? kMaxCoord : n;
}

POINT StoredPoint(const std::vector<BYTE>& fixed, size_t nOffset)
{
    return {StoredCoord(StoredDword(fixed, nOffset)), StoredCoord(StoredDword(fixed, nOffset + 4))};
}

struct PendingText
{
    COLORREF crColor;
    LONG nIndex;
    std::string text;
    LOGFONTA lf;
    POINT pt;
};

struct PendingBmp
{
    LONG nIndex;
    std::string name;
    bool bNamed;
    HGLOBAL hDib;
    POINT pt;
};

struct NewObject
{
    HWND hwnd;
    bool bAppChild;
};

// One reading of a file: what it gives is held aside until every block was
// read, then taken over; otherwise the destructor undoes what was made.
class WbFileLoad
{
public:
    WbFileLoad(HWND hWb, ZebWbRecord& wb, HANDLE hFile, LPCSTR pszPath)
        : m_hWb(hWb), m_wb(wb), m_hFile(hFile), m_pszPath(pszPath)
    {
    }
    ~WbFileLoad();
    WbFileLoad(const WbFileLoad&) = delete;
    WbFileLoad& operator=(const WbFileLoad&) = delete;

    bool Read();
    bool Commit(const POINT* pPos, const SIZE* pSize);

private:
    bool ReadWbBlock();
    bool ReadWbTextBlock();
    bool ReadWbBmpBlock();
    bool ReadAppChildBlock();
    bool ReadObjectBlock(const ZebBlockKind& kind);
    bool ReadBlock(const char* pTag);
    LONG ItemBase(int nSlot) const { return m_bWb ? 0 : m_wb.ChildCount(nSlot); }
    void NoteOldChildren();
    void ClearContent();
    bool TakeRecord();
    bool AddItems();
    void SetMark(size_t nWord, BOOL (*pfnSet)(HWND, WORD, const LOGFONTA*, BOOL));

    HWND m_hWb;
    ZebWbRecord& m_wb;
    HANDLE m_hFile;
    LPCSTR m_pszPath;
    bool m_bWb = false;
    bool m_bCommitted = false;
    std::vector<BYTE> m_record;
    HCURSOR m_hCursor = nullptr;
    std::string m_text;
    std::string m_lineStart;
    bool m_bLineStart = false;
    std::vector<LOGFONTA> m_fonts;
    std::vector<PendingText> m_texts;
    std::vector<PendingBmp> m_bmps;
    std::vector<NewObject> m_objects;
    std::vector<HWND> m_oldChildren;
    std::vector<HWND> m_oldAppChildren;
};

WbFileLoad::~WbFileLoad()
{
    if (m_hCursor != nullptr)
        ::DestroyCursor(m_hCursor);
    for (const PendingBmp& bmp : m_bmps)
        DestroyDib(bmp.hDib);
    if (m_bCommitted)
        return;
    for (const NewObject& object : m_objects) {
        if (!object.bAppChild)
            ::DestroyWindow(object.hwnd);
        else if (DestroyAppChild(object.hwnd) == 0 || ::IsWindow(object.hwnd))
            WbRemoveFromSlot(&m_wb, kWbAppChildSlot, object.hwnd);
    }
}

bool WbFileLoad::ReadWbBlock()
{
    ZebBlockHeader header;
    UINT64 start = 0;
    if (!ReadBlockFixed(m_hFile, "WB", kWbReadRecordBytes, &header, &start, &m_record))
        return false;
    const std::vector<BYTE>& fixed = m_record;
    const LONG nFonts = static_cast<LONG>(StoredWord(fixed, kReadFontCountWord));
    const UINT64 fontsAt = start + kBlockHeaderBytes + header.wFixed;
    if (!ReadStoredCursor(m_hFile, start, kWbReadRecordBytes, StoredWord(fixed, kCursorWord) & 0xFFFF, header.wFixed,
                          &m_hCursor) ||
        !StoredPiece(fixed, kWbReadRecordBytes, StoredWord(fixed, kTextWord), &m_text) ||
        !StoredPiece(fixed, kWbReadRecordBytes, StoredWord(fixed, kLineStartWord), &m_lineStart) || nFonts < 0 ||
        (nFonts > 0 && static_cast<UINT64>(nFonts) * kStoredLogFontBytes != header.dwVariable))
        return false;
    m_bLineStart = (StoredWord(fixed, kLineStartWord) & 0xFFFF) != 0;
    std::vector<BYTE> fonts(nFonts > 0 ? header.dwVariable : 0);
    if (!SeekFile(m_hFile, fontsAt) || !ReadExact(m_hFile, fonts.data(), static_cast<DWORD>(fonts.size())) ||
        !SeekFile(m_hFile, fontsAt + header.dwVariable))
        return false;
    for (size_t at = 0; at < fonts.size(); at += kStoredLogFontBytes)
        m_fonts.push_back(StoredLogFont(fonts.data() + at));
    m_record.resize(kWbReadRecordBytes);
    m_bWb = true;
    return true;
}

bool WbFileLoad::ReadWbTextBlock()
{
    ZebBlockHeader header;
    UINT64 start = 0;
    std::vector<BYTE> fixed;
    BYTE font[kStoredLogFontBytes];
    PendingText item = {};
    if (!ReadBlockFixed(m_hFile, "WT", kTextItemBytes, &header, &start, &fixed) ||
        header.dwVariable < kStoredLogFontBytes || !StoredPiece(fixed, kTextItemBytes, StoredDword(fixed, 12), &item.text) ||
        !ReadExact(m_hFile, font, sizeof(font)) ||
        !SeekFile(m_hFile, start + kBlockHeaderBytes + header.wFixed + header.dwVariable))
        return false;
    item.crColor = StoredDword(fixed, 0);
    item.nIndex = static_cast<LONG>(StoredDword(fixed, 8));
    item.pt = StoredPoint(fixed, 16);
    item.lf = StoredLogFont(font);
    if (item.nIndex != ItemBase(0) + static_cast<LONG>(m_texts.size()))
        return false;
    m_texts.push_back(item);
    return true;
}

bool WbFileLoad::ReadWbBmpBlock()
{
    ZebBlockHeader header;
    UINT64 start = 0;
    UINT64 pos = 0;
    std::vector<BYTE> fixed;
    PendingBmp item = {};
    if (!ReadBlockFixed(m_hFile, "WD", kBmpItemBytes, &header, &start, &fixed) ||
        !StoredPiece(fixed, kBmpItemBytes, StoredDword(fixed, 24), &item.name))
        return false;
    const UINT64 end = start + kBlockHeaderBytes + header.wFixed + header.dwVariable;
    item.bNamed = (StoredDword(fixed, 24) & 0xFFFF) != 0;
    item.nIndex = static_cast<LONG>(StoredDword(fixed, 20));
    item.pt = StoredPoint(fixed, 28);
    item.hDib = ReadDib(m_hFile, FALSE);
    if (item.hDib == nullptr)
        return false;
    m_bmps.push_back(item);
    return GetFilePos(m_hFile, &pos) && pos <= end && SeekFile(m_hFile, end) &&
           item.nIndex == ItemBase(kWbBmpItemSlot) + static_cast<LONG>(m_bmps.size()) - 1;
}

// The block has no length: the child must read back what it wrote.
bool WbFileLoad::ReadAppChildBlock()
{
    HWND hChild = CreateAppChild(m_hWb, 0, nullptr);
    if (hChild == nullptr)
        return false;
    ::ShowWindow(hChild, SW_HIDE);
    m_objects.push_back({hChild, true});
    return ReadAppChild(hChild, m_hFile) != FALSE;
}

bool WbFileLoad::ReadObjectBlock(const ZebBlockKind& kind)
{
    HWND hObject = kind.pfnCreate(m_hWb);
    if (hObject == nullptr)
        return false;
    m_objects.push_back({hObject, false});
    return kind.pfnRead(hObject, m_hFile, m_pszPath) != FALSE;
}

bool WbFileLoad::ReadBlock(const char* pTag)
{
    if (IsTag(pTag, "WT"))
        return ReadWbTextBlock();
    if (IsTag(pTag, "WD"))
        return ReadWbBmpBlock();
    if (IsTag(pTag, "OO"))
        return ReadAppChildBlock();
    const ZebBlockKind* pKind = BlockKindOfTag(pTag);
    return pKind != nullptr && ReadObjectBlock(*pKind);
}

bool WbFileLoad::Read()
{
    BYTE head[kBlockHeaderBytes];
    NoteOldChildren();
    if (!ReadExact(m_hFile, head, sizeof(head)) || !SeekFile(m_hFile, 0))
        return false;
    if (IsTag(reinterpret_cast<const char*>(head), "WB") && !ReadWbBlock())
        return false;
    for (;;) {
        UINT64 left = 0;
        char tag[2];
        if (!GetBytesLeft(m_hFile, &left))
            return false;
        if (left == 0)
            return true;
        UINT64 pos = 0;
        if (!GetFilePos(m_hFile, &pos) || !ReadExact(m_hFile, tag, sizeof(tag)) || !SeekFile(m_hFile, pos))
            return false;
        if (tag[0] == '\0' && tag[1] == '\0')
            return true;
        if (!ReadBlock(tag))
            return false;
    }
}

void WbFileLoad::NoteOldChildren()
{
    for (int nSlot : kChildSlots) {
        for (LONG i = 0; i < m_wb.ChildCount(nSlot); ++i)
            m_oldChildren.push_back(m_wb.Children(nSlot)[i]);
    }
    for (LONG i = 0; i < m_wb.ChildCount(kWbAppChildSlot); ++i)
        m_oldAppChildren.push_back(m_wb.Children(kWbAppChildSlot)[i]);
}

void WbFileLoad::ClearContent()
{
    ZebObjRecord& head = m_wb.Head();
    for (HWND hwnd : m_oldChildren)
        ::DestroyWindow(hwnd);
    for (HWND hwnd : m_oldAppChildren) {
        DestroyAppChild(hwnd);
        WbRemoveFromSlot(&m_wb, kWbAppChildSlot, hwnd);
    }
    if (head.Cursor() != nullptr)
        ::DestroyCursor(head.Cursor());
    head.SetCursor(nullptr);
    LockedGlobalFree(head.LineStartString());
    head.SetLineStartString(nullptr);
    WbFreeTextItems(m_hWb);
    m_wb.SetTextFontIndex(-1);
    WbRemoveBmpItem(m_hWb, -1);
}

// The whiteboard's own settings from its record; wrap mode, origin, page
// size, vertical mode, grid and font mode stay as they are.
bool WbFileLoad::TakeRecord()
{
    ZebObjRecord& head = m_wb.Head();
    const std::vector<BYTE>& r = m_record;
    const DWORD dwStyle = StoredWord(r, kStyleWord) & kReadKeptStyles;
    if (dwStyle != head.Style()) {
        head.SetStyle(dwStyle);
        const LONG_PTR style = ::GetWindowLongPtrA(m_hWb, GWL_STYLE) & ~static_cast<LONG_PTR>(kReadKeptStyles);
        ::SetWindowLongPtrA(m_hWb, GWL_STYLE, style | static_cast<LONG_PTR>(dwStyle));
        RefreshObjFrame(m_hWb);
    }
    head.SetViewMode(StoredWord(r, kViewModeWord));
    head.SetBkColor(StoredWord(r, kBkColorWord));
    head.SetBorderColor(StoredWord(r, kBkColorWord + 1));
    head.SetDefaultColors(StoredWord(r, kBkColorWord + 2), StoredWord(r, kBkColorWord + 3),
                          StoredWord(r, kBkColorWord + 4));
    head.SetForeColor(StoredWord(r, kForeColorWord));
    head.SetPointerNumber(StoredWord(r, kPointerWord));
    const LONG nDpiX = static_cast<LONG>(StoredWord(r, kDpiWord));
    const LONG nDpiY = static_cast<LONG>(StoredWord(r, kDpiWord + 1));
    if (nDpiX >= 1 && nDpiX <= kMaxDpi && nDpiY >= 1 && nDpiY <= kMaxDpi)
        m_wb.SetDpi(nDpiX, nDpiY);
    head.SetCursor(m_hCursor);
    m_hCursor = nullptr;
    if (m_bLineStart) {
        head.SetLineStartString(LockedGlobalStrDup(m_lineStart.c_str()));
        if (head.LineStartString() == nullptr)
            return false;
    }
    if (!TakeStoredText(head, m_text))
        return false;
    if (m_fonts.empty())
        return true;
    const LONG nFonts = static_cast<LONG>(m_fonts.size());
    LOGFONTA* pTable = GrowLockedTable<LOGFONTA>(nullptr, 0, nFonts);
    if (pTable == nullptr)
        return false;
    for (LONG i = 0; i < nFonts; ++i)
        pTable[i] = m_fonts[static_cast<size_t>(i)];
    m_wb.SetTextFonts(pTable);
    m_wb.SetTextFontCount(nFonts);
    m_wb.SetTextFontCapacity(nFonts);
    return true;
}

bool WbFileLoad::AddItems()
{
    ZebObjRecord& head = m_wb.Head();
    const COLORREF crFore = head.ForeColor();
    for (const PendingText& item : m_texts) {
        head.SetForeColor(item.crColor);
        const LONG nIndex = WbAddTextItem(m_hWb, item.nIndex, item.text.c_str(), item.lf, item.pt);
        head.SetForeColor(crFore);
        if (nIndex != item.nIndex)
            return false;
    }
    for (PendingBmp& item : m_bmps) {
        if (WbAddBmpItem(m_hWb, item.nIndex, item.hDib, item.bNamed ? item.name.c_str() : nullptr, item.pt) !=
            item.nIndex)
            return false;
        item.hDib = nullptr;
    }
    return true;
}

// A mark as the record has it: a character in a font of the table (in the
// mark's colour) or a bitmap item that exists; anything else is no mark.
void WbFileLoad::SetMark(size_t nWord, BOOL (*pfnSet)(HWND, WORD, const LOGFONTA*, BOOL))
{
    const WORD wCode = static_cast<WORD>(StoredWord(m_record, nWord) & 0xFFFF);
    const LONG nFont = static_cast<LONG>(StoredWord(m_record, nWord + 1));
    pfnSet(m_hWb, kWbNoMark, nullptr, FALSE);
    if (nFont < 0) {
        pfnSet(m_hWb, wCode, nullptr, FALSE);
    } else if (nFont < m_wb.TextFontCount()) {
        ZebObjRecord& head = m_wb.Head();
        const COLORREF crFore = head.ForeColor();
        const LOGFONTA lf = m_wb.TextFonts()[nFont];
        head.SetForeColor(StoredWord(m_record, nWord + 2));
        pfnSet(m_hWb, wCode, &lf, FALSE);
        head.SetForeColor(crFore);
    }
}

bool WbFileLoad::Commit(const POINT* pPos, const SIZE* pSize)
{
    m_bCommitted = true;
    if (m_bWb) {
        ClearContent();
        if (!TakeRecord())
            return false;
    }
    if (!AddItems())
        return false;
    if (m_bWb) {
        SetMark(kFormFeedMarkWord, WbSetFormFeedMark);
        SetMark(kLineFeedMarkWord, WbSetNewLineMark);
        ::InvalidateRect(m_hWb, nullptr, TRUE);
    }
    for (const NewObject& object : m_objects) {
        if (!m_bWb && !object.bAppChild && (pPos != nullptr || pSize != nullptr))
            MoveObj(object.hwnd, pPos, pSize);
        ::ShowWindow(object.hwnd, SW_SHOW);
    }
    return true;
}

}  // namespace

BOOL ReadWhiteBoardFile(HWND hWb, LPCSTR pszPath, const POINT* pPos, const SIZE* pSize)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    if (pWb == nullptr || pszPath == nullptr)
        return FALSE;
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    bool bRead = false;
    {
        WbFileLoad load(hWb, *pWb, hFile, pszPath);
        bRead = load.Read() && load.Commit(pPos, pSize);
    }
    ::CloseHandle(hFile);
    return bRead;
}
