#include "files/wb_file_read.h"

#include <string>
#include <vector>

#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/block_kinds.h"
#include "files/stored_object.h"
#include "media/media_device.h"
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

const DWORD kRecordBytes = sizeof(ZebWbRecord);
const DWORD kTextItemBytes = 32;
const DWORD kBmpItemBytes = 44;
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
    char* pszCopy;  // made before the take-over
};

struct PendingBmp
{
    LONG nIndex;
    std::string name;
    bool bNamed;
    HGLOBAL hDib;
    POINT pt;
    bool bMade;  // before the take-over
    ZebWbBmpItem made;
};

// Each item's stored index lies within the items before it: 0 to nBase
// plus their number.
template <typename Item>
bool IndexesFit(const std::vector<Item>& items, LONG nBase)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].nIndex < 0 || items[i].nIndex > nBase + static_cast<LONG>(i))
            return false;
    }
    return true;
}

// Items entered one after another, each at its stored index in an empty
// table (they fit), end in this order: the items in it, each with its
// place as its index.
template <typename Item>
void InFinalOrder(std::vector<Item>& items)
{
    std::vector<size_t> order;
    order.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        order.insert(order.begin() + items[i].nIndex, i);
    std::vector<Item> placed;
    placed.reserve(items.size());
    for (size_t at = 0; at < order.size(); ++at) {
        placed.push_back(items[order[at]]);
        placed.back().nIndex = static_cast<LONG>(at);
    }
    items.swap(placed);
}

struct NewObject
{
    HWND hwnd;
    bool bAppChild;
};

// One reading of a file: what it gives is held aside until every block was
// read; everything that the take-over needs is then made, and only when
// all of it could be had is it taken over (a step that cannot fail);
// otherwise the destructor undoes what was made.
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
    bool Prepare();
    bool PrepareRecord();
    bool PrepareItems();
    void ClearContent();
    void TakeRecord();
    void AddItems();
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
    char* m_pszText = nullptr;
    char* m_pszLineStart = nullptr;
    LOGFONTA* m_pFontTable = nullptr;
    LONG m_nFontCapacity = 0;
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
    LockedGlobalFree(m_pszText);
    LockedGlobalFree(m_pszLineStart);
    LockedGlobalFree(m_pFontTable);
    for (const PendingText& text : m_texts)
        LockedGlobalFree(text.pszCopy);
    for (const PendingBmp& bmp : m_bmps) {
        if (bmp.bMade)
            WbDropBmpItem(bmp.made, bmp.hDib);
        DestroyDib(bmp.hDib);
    }
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
    if (!ReadBlockFixed(m_hFile, "WB", kRecordBytes, &header, &start, &m_record))
        return false;
    const std::vector<BYTE>& fixed = m_record;
    const LONG nFonts = static_cast<LONG>(StoredWord(fixed, ZebWbRecord::kFontCountWord));
    const UINT64 fontsAt = start + kBlockHeaderBytes + header.wFixed;
    if (!ReadStoredCursor(m_hFile, start, kRecordBytes, StoredWord(fixed, kCursorWord) & 0xFFFF, header.wFixed,
                          &m_hCursor) ||
        !StoredPiece(fixed, kRecordBytes, StoredWord(fixed, kTextWord), &m_text) ||
        !StoredPiece(fixed, kRecordBytes, StoredWord(fixed, kLineStartWord), &m_lineStart) || nFonts < 0 ||
        (nFonts > 0 && static_cast<UINT64>(nFonts) * kStoredLogFontBytes != header.dwVariable))
        return false;
    m_bLineStart = (StoredWord(fixed, kLineStartWord) & 0xFFFF) != 0;
    std::vector<BYTE> fonts(nFonts > 0 ? header.dwVariable : 0);
    if (!SeekFile(m_hFile, fontsAt) || !ReadExact(m_hFile, fonts.data(), static_cast<DWORD>(fonts.size())) ||
        !SeekFile(m_hFile, fontsAt + header.dwVariable))
        return false;
    for (size_t at = 0; at < fonts.size(); at += kStoredLogFontBytes)
        m_fonts.push_back(StoredLogFont(fonts.data() + at));
    m_record.resize(kRecordBytes);
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
        header.dwVariable < kStoredLogFontBytes ||
        !StoredPiece(fixed, kTextItemBytes, StoredDword(fixed, kTextItemTextAt), &item.text) ||
        !ReadExact(m_hFile, font, sizeof(font)) ||
        !SeekFile(m_hFile, start + kBlockHeaderBytes + header.wFixed + header.dwVariable))
        return false;
    item.crColor = StoredDword(fixed, kTextItemColorAt);
    item.nIndex = static_cast<LONG>(StoredDword(fixed, kTextItemIndexAt));
    item.pt = StoredPoint(fixed, kTextItemPointAt);
    item.lf = StoredLogFont(font);
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
        !StoredPiece(fixed, kBmpItemBytes, StoredDword(fixed, kBmpItemNameAt), &item.name))
        return false;
    const UINT64 end = start + kBlockHeaderBytes + header.wFixed + header.dwVariable;
    item.bNamed = (StoredDword(fixed, kBmpItemNameAt) & 0xFFFF) != 0;
    item.nIndex = static_cast<LONG>(StoredDword(fixed, kBmpItemIndexAt));
    item.pt = StoredPoint(fixed, kBmpItemPointAt);
    item.hDib = ReadDib(m_hFile, FALSE);
    if (item.hDib == nullptr)
        return false;
    m_bmps.push_back(item);
    return GetFilePos(m_hFile, &pos) && pos <= end && SeekFile(m_hFile, end);
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
    if (!kind.pfnRead(hObject, m_hFile, m_pszPath))
        return false;
    OpenMediaAfterRead(hObject);
    return true;
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

// The copies of the record's strings and the font table (with room for a
// font per text item), made before the take-over.
bool WbFileLoad::PrepareRecord()
{
    if (m_bLineStart && (m_pszLineStart = LockedGlobalStrDup(m_lineStart.c_str())) == nullptr)
        return false;
    if (!m_text.empty() && (m_pszText = LockedGlobalStrDup(m_text.c_str())) == nullptr)
        return false;
    const LONG nFonts = static_cast<LONG>(m_fonts.size());
    if (!ReserveTableRoom(&m_pFontTable, 0, &m_nFontCapacity, nFonts + static_cast<LONG>(m_texts.size()),
                          kWbFontGrowth, kWbMaxFonts))
        return false;
    for (LONG i = 0; i < nFonts; ++i)
        m_pFontTable[i] = m_fonts[static_cast<size_t>(i)];
    return true;
}

// Room in the item tables (the whiteboard's own items are removed one by
// one, so the tables stay), the texts' copies and the bitmap items.
bool WbFileLoad::PrepareItems()
{
    if (!IndexesFit(m_texts, ItemBase(0)) || !IndexesFit(m_bmps, ItemBase(kWbBmpItemSlot)) ||
        !WbReserveTextItems(m_hWb, static_cast<LONG>(m_texts.size())) ||
        !WbReserveBmpItems(m_hWb, static_cast<LONG>(m_bmps.size())))
        return false;
    for (PendingText& item : m_texts) {
        if ((item.pszCopy = LockedGlobalStrDup(item.text.c_str())) == nullptr)
            return false;
    }
    for (PendingBmp& item : m_bmps) {
        item.bMade = WbMakeBmpItem(m_hWb, item.hDib, item.bNamed ? item.name.c_str() : nullptr, item.pt, &item.made);
        if (!item.bMade)
            return false;
    }
    return true;
}

bool WbFileLoad::Prepare() { return (!m_bWb || PrepareRecord()) && PrepareItems(); }

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
    for (LONG i = m_wb.ChildCount(0) - 1; i >= 0; --i)
        WbRemoveTextItem(m_hWb, i);
    for (LONG i = m_wb.ChildCount(kWbBmpItemSlot) - 1; i >= 0; --i)
        WbRemoveBmpItem(m_hWb, i);
}

// The whiteboard's own settings from its record; wrap mode, origin, page
// size, vertical mode, grid and font mode stay as they are.
void WbFileLoad::TakeRecord()
{
    ZebObjRecord& head = m_wb.Head();
    const std::vector<BYTE>& r = m_record;
    const DWORD dwStyle = StoredWord(r, kStyleWord) & kZebKeptStyles;
    if (dwStyle != head.Style()) {
        head.SetStyle(dwStyle);
        const LONG_PTR style = ::GetWindowLongPtrA(m_hWb, GWL_STYLE) & ~static_cast<LONG_PTR>(kZebKeptStyles);
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
    const LONG nDpiX = static_cast<LONG>(StoredWord(r, ZebWbRecord::kDpiWord));
    const LONG nDpiY = static_cast<LONG>(StoredWord(r, ZebWbRecord::kDpiWord + 1));
    if (nDpiX >= 1 && nDpiX <= kMaxDpi && nDpiY >= 1 && nDpiY <= kMaxDpi)
        m_wb.SetDpi(nDpiX, nDpiY);
    head.SetCursor(m_hCursor);
    m_hCursor = nullptr;
    LockedGlobalFree(head.LineStartString());
    head.SetLineStartString(m_pszLineStart);
    m_pszLineStart = nullptr;
    LockedGlobalFree(head.Text());
    head.SetText(m_pszText);
    m_pszText = nullptr;
    LockedGlobalFree(m_wb.TextFonts());
    m_wb.SetTextFonts(m_pFontTable);
    m_wb.SetTextFontCount(static_cast<LONG>(m_fonts.size()));
    m_wb.SetTextFontCapacity(m_nFontCapacity);
    m_wb.SetTextFontIndex(-1);
    m_pFontTable = nullptr;
}

// Enters the prepared items at their stored indexes; the room was made.
// Into an emptied whiteboard they go in the order they end in, so that what
// follows from the order of entering (the fonts' order, the current font)
// is the same when the whiteboard is written and read again.
void WbFileLoad::AddItems()
{
    if (m_bWb) {
        InFinalOrder(m_texts);
        InFinalOrder(m_bmps);
    }
    ZebObjRecord& head = m_wb.Head();
    const COLORREF crFore = head.ForeColor();
    for (PendingText& item : m_texts) {
        head.SetForeColor(item.crColor);
        if (WbPlaceTextItem(m_hWb, item.nIndex, item.pszCopy, item.lf, item.pt) >= 0)
            item.pszCopy = nullptr;
        head.SetForeColor(crFore);
    }
    for (PendingBmp& item : m_bmps) {
        item.made.crBack = head.BkColor();  // as it is now, after the take-over
        WbPlaceBmpItem(m_hWb, item.nIndex, item.made, item.hDib);
        item.hDib = nullptr;
        item.bMade = false;
    }
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
    if (!Prepare())
        return false;
    m_bCommitted = true;
    if (m_bWb) {
        ClearContent();
        TakeRecord();
    }
    AddItems();
    if (m_bWb) {
        SetMark(ZebWbRecord::kFormFeedMarkWord, WbSetFormFeedMark);
        SetMark(ZebWbRecord::kLineFeedMarkWord, WbSetNewLineMark);
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
