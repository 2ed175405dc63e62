// The whiteboard's record: the object head, then the whiteboard's words.
#pragma once
#include "objects/obj_record.h"

class ZebFontTable;

const int kWbChildSlots = 9;
// Slot whose count and capacity are those of the bitmap items (kind 4).
const int kWbBmpItemSlot = 1;
// Slot of the application-defined children (kind 512).
const int kWbAppChildSlot = 8;
// Entries by which a child array grows, and the most it may hold.
const LONG kWbChildGrowth = 128;
const LONG kWbMaxChildren = 0x7FFFFF80;
// The same for the text and bitmap item tables and the text-item fonts.
const LONG kWbItemGrowth = 128;
const LONG kWbMaxItems = 0x7FFFFF7F;
const LONG kWbFontGrowth = 16;
const LONG kWbMaxFonts = 0x7FFFFFF0;

// A line-feed or form-feed mark of the text items (5 words).
struct ZebWbMark
{
    WORD wCode;  // 65535: no mark
    WORD wReserved;
    LONG nFont;  // -1: the code is a bitmap item index
    COLORREF crColor;
    LONG cx;
    LONG cy;
};
const WORD kWbNoMark = 0xFFFF;

// A text item of the whiteboard, as kept in memory.
struct ZebWbTextItem
{
    COLORREF crColor;
    LONG nFont;
    WORD wLength;  // of the text with its NUL; 0 without text
    WORD wReserved;
    char* pszText;  // own block, Shift-JIS, may hold LF and FF
    POINT pt;       // whiteboard coordinates
    SIZE size;      // extent in its font; cy is the line pitch
};

// A bitmap item of the whiteboard, as kept in memory; its window holds a
// copy of it.
struct ZebWbBmpItem
{
    DWORD dwReserved[2];
    COLORREF crBack;    // the whiteboard's background colour when added
    HGLOBAL hDib;       // owned
    HPALETTE hPalette;  // owned, or the library's fixed palette
    HWND hwnd;          // its ZEB95WBBMPWCLASS window
    char* pszName;      // own block, or null
    POINT pt;           // whiteboard coordinates
    SIZE size;          // of the DIB
};
static_assert(sizeof(void*) != 4 || (sizeof(ZebWbTextItem) == 32 && sizeof(ZebWbBmpItem) == 44),
              "on 32-bit builds the items have their stored sizes");
// Byte offsets of the stored items' fields that the item blocks read back.
enum ZebWbItemOffset : size_t
{
    kTextItemColorAt = 0,
    kTextItemIndexAt = 8,  // the u16 length's place holds the item's index
    kTextItemTextAt = 12,
    kTextItemPointAt = 16,
    kBmpItemIndexAt = 20,  // the window's place holds the item's index
    kBmpItemNameAt = 24,
    kBmpItemPointAt = 28,
};
static_assert(sizeof(void*) != 4 || (offsetof(ZebWbTextItem, wLength) == kTextItemIndexAt &&
                                     offsetof(ZebWbTextItem, pszText) == kTextItemTextAt &&
                                     offsetof(ZebWbTextItem, pt) == kTextItemPointAt &&
                                     offsetof(ZebWbBmpItem, hwnd) == kBmpItemIndexAt &&
                                     offsetof(ZebWbBmpItem, pszName) == kBmpItemNameAt &&
                                     offsetof(ZebWbBmpItem, pt) == kBmpItemPointAt),
              "on 32-bit builds the items are laid out as stored");

class ZebWbRecord
{
public:
    // Words that the whiteboard's block reads and writes.
    enum StoredWord : size_t
    {
        kFontCountWord = 102,
        kChildCapacityWord = 125,
        kFormFeedMarkWord = 137,
        kLineFeedMarkWord = 142,
        kDpiWord = 147,
    };

    static ZebWbRecord* From(ZebObjRecord* pRecord)
    {
        return pRecord != nullptr && pRecord->Kind() == ZebKindWhiteBoard ? reinterpret_cast<ZebWbRecord*>(pRecord)
                                                                          : nullptr;
    }
    ZebObjRecord& Head() { return m_head; }

    // Child arrays by slot: kind 2 -> 0, 4 -> 1, 8 -> 2, ..., 128 -> 6, 512 -> 8.
    static int ChildSlot(WORD wKind);
    HWND* Children(int nSlot) const { return reinterpret_cast<HWND*>(m_head.Slot(kSlotChildren + nSlot)); }
    void SetChildren(int nSlot, HWND* pArray)
    {
        m_head.SetSlot(kSlotChildren + nSlot, reinterpret_cast<UINT_PTR>(pArray));
    }
    LONG ChildCount(int nSlot) const { return m_childCounts[nSlot]; }
    void SetChildCount(int nSlot, LONG n) { m_childCounts[nSlot] = n; }
    LONG ChildCapacity(int nSlot) const { return m_childCapacities[nSlot]; }
    void SetChildCapacity(int nSlot, LONG n) { m_childCapacities[nSlot] = n; }

    // Text-item font table (LOGFONT entries), its count and capacity.
    LOGFONTA* TextFonts() const { return reinterpret_cast<LOGFONTA*>(m_head.Slot(kSlotFontTable)); }
    void SetTextFonts(LOGFONTA* pTable) { m_head.SetSlot(kSlotFontTable, reinterpret_cast<UINT_PTR>(pTable)); }
    LONG TextFontCount() const { return m_fontCount; }
    void SetTextFontCount(LONG n) { m_fontCount = n; }
    LONG TextFontCapacity() const { return m_fontCapacity; }
    void SetTextFontCapacity(LONG n) { m_fontCapacity = n; }
    LONG TextFontIndex() const { return m_fontIndex; }
    void SetTextFontIndex(LONG n) { m_fontIndex = n; }
    // Text-item table; its count and capacity are those of child slot 0.
    ZebWbTextItem* TextItems() const { return reinterpret_cast<ZebWbTextItem*>(m_head.Slot(kSlotTextItems)); }
    void SetTextItems(ZebWbTextItem* p) { m_head.SetSlot(kSlotTextItems, reinterpret_cast<UINT_PTR>(p)); }
    // Bitmap-item table; its count and capacity are those of child slot 1.
    ZebWbBmpItem* BmpItems() const { return reinterpret_cast<ZebWbBmpItem*>(m_head.Slot(kSlotBmpItems)); }
    void SetBmpItems(ZebWbBmpItem* p) { m_head.SetSlot(kSlotBmpItems, reinterpret_cast<UINT_PTR>(p)); }
    ZebWbMark& FormFeedMark() { return m_formFeedMark; }
    ZebWbMark& LineFeedMark() { return m_lineFeedMark; }

    // Bit of flag word 152: the mouse is captured after a left-button press.
    static const DWORD kFlagCaptured = 0x4000;
    bool IsCaptured() const { return (m_flags & kFlagCaptured) != 0; }
    void SetCaptured(bool b) { m_flags = b ? (m_flags | kFlagCaptured) : (m_flags & ~kFlagCaptured); }
    SIZE Grid() const { return {m_gridCx, m_gridCy}; }
    void SetGrid(SIZE size)
    {
        m_gridCx = size.cx;
        m_gridCy = size.cy;
    }

    LONG DpiX() const { return m_dpiX; }
    LONG DpiY() const { return m_dpiY; }
    void SetDpi(LONG x, LONG y)
    {
        m_dpiX = x;
        m_dpiY = y;
    }

    // 0: the text documents share the pair of font tables below.
    DWORD DocFontMode() const { return m_docFontMode; }
    void SetDocFontMode(DWORD dwMode) { m_docFontMode = dwMode; }
    // The documents' shared pair of font tables (horizontal and vertical
    // twins in one object), or none yet.
    ZebFontTable* SharedFonts() const { return reinterpret_cast<ZebFontTable*>(m_head.Slot(kSlotSharedHorzFonts)); }
    void SetSharedFonts(ZebFontTable* p) { m_head.SetSlot(kSlotSharedHorzFonts, reinterpret_cast<UINT_PTR>(p)); }

    HWND SelectedWindow() const { return reinterpret_cast<HWND>(m_head.Slot(kSlotSelected)); }
    WORD SelectedKind() const { return m_selectedKind; }
    LONG SelectedIndex() const { return m_selectedIndex; }
    void SetSelected(HWND hwnd, WORD wKind, LONG nIndex)
    {
        m_head.SetSlot(kSlotSelected, reinterpret_cast<UINT_PTR>(hwnd));
        m_selectedKind = wKind;
        m_selectedIndex = nIndex;
    }
    void ClearSelection() { SetSelected(nullptr, 0, 0); }
    // Kind and index of what the last string search found (0, 0: none).
    void SetSearchState(WORD wKind, LONG nIndex)
    {
        m_searchKind = wKind;
        m_searchIndex = nIndex;
    }
    WORD SearchKind() const { return m_searchKind; }
    LONG SearchIndex() const { return m_searchIndex; }

private:
    enum WbSlot
    {
        kSlotFontTable = ZebObjRecord::kHeadSlots,
        kSlotChildren,
        kSlotBmpItems = kSlotChildren + kWbChildSlots,
        kSlotTextItems,
        kSlotSelected,
        kSlotSharedHorzFonts,
        kSlotSharedVertFonts,
    };
    static void CheckLayout();

    ZebObjRecord m_head;              // 0-100
    DWORD m_fontTableWord;            // 101, value in a slot
    LONG m_fontCount;                 // 102
    LONG m_fontCapacity;              // 103
    LONG m_fontIndex;                 // 104
    DWORD m_childWords[kWbChildSlots];  // 105-113, values in slots
    DWORD m_reserved114;              // 114
    LONG m_childCounts[kWbChildSlots];  // 115-123
    DWORD m_reserved124;              // 124
    LONG m_childCapacities[kWbChildSlots];  // 125-133
    DWORD m_reserved134;              // 134
    DWORD m_bmpItemsWord;             // 135, value in a slot
    DWORD m_textItemsWord;            // 136, value in a slot
    ZebWbMark m_formFeedMark;         // 137-141
    ZebWbMark m_lineFeedMark;         // 142-146
    LONG m_dpiX;                      // 147
    LONG m_dpiY;                      // 148
    WORD m_selectedKind;              // 149, low half
    WORD m_selectedKindReserved;      // 149, high half
    LONG m_selectedIndex;             // 150
    DWORD m_selectedWord;             // 151, value in a slot
    DWORD m_flags;                    // 152
    WORD m_searchKind;                // 153, low half
    WORD m_searchKindReserved;        // 153, high half
    LONG m_searchIndex;               // 154
    DWORD m_reserved155;              // 155
    DWORD m_docFontMode;              // 156
    DWORD m_sharedHorzFontsWord;      // 157, value in a slot
    DWORD m_sharedVertFontsWord;      // 158, value in a slot
    LONG m_sharedFontCount;           // 159
    LONG m_sharedFontCapacity;        // 160
    LONG m_gridCx;                    // 161
    LONG m_gridCy;                    // 162
    DWORD m_reserved163[57];          // 163-219
};

inline void ZebWbRecord::CheckLayout()
{
    static_assert(sizeof(ZebWbRecord) == 880, "the whiteboard record is 880 bytes");
    static_assert(offsetof(ZebWbRecord, m_childWords) == 105 * 4, "child arrays are words 105-113");
    static_assert(offsetof(ZebWbRecord, m_childCounts) == 115 * 4, "child counts are words 115-123");
    static_assert(offsetof(ZebWbRecord, m_childCapacities) == kChildCapacityWord * 4, "capacities are words 125-133");
    static_assert(offsetof(ZebWbRecord, m_fontCount) == kFontCountWord * 4, "font count is word 102");
    static_assert(sizeof(ZebWbMark) == 5 * 4, "a mark is 5 words");
    static_assert(offsetof(ZebWbRecord, m_fontIndex) == 104 * 4, "current font is word 104");
    static_assert(offsetof(ZebWbRecord, m_formFeedMark) == kFormFeedMarkWord * 4, "form-feed mark is words 137-141");
    static_assert(offsetof(ZebWbRecord, m_lineFeedMark) == kLineFeedMarkWord * 4, "line-feed mark is words 142-146");
    static_assert(offsetof(ZebWbRecord, m_flags) == 152 * 4, "flags are word 152");
    static_assert(offsetof(ZebWbRecord, m_dpiX) == kDpiWord * 4, "resolution is words 147, 148");
    static_assert(offsetof(ZebWbRecord, m_selectedKind) == 149 * 4, "selected kind is word 149");
    static_assert(offsetof(ZebWbRecord, m_selectedWord) == 151 * 4, "selected window is word 151");
    static_assert(offsetof(ZebWbRecord, m_searchKind) == 153 * 4, "search state is words 153, 154");
    static_assert(offsetof(ZebWbRecord, m_docFontMode) == 156 * 4, "document font mode is word 156");
    static_assert(offsetof(ZebWbRecord, m_gridCx) == 161 * 4, "grid size is words 161, 162");
    static_assert(ZebWbRecord::kSlotSharedVertFonts < kZebRecordSlots, "slots fit after the record");
}
