// The whiteboard's record: the object head, then the whiteboard's words.
// Only the words that the object model reads are given accessors here.
#pragma once
#include "objects/obj_record.h"

const int kWbChildSlots = 9;

class ZebWbRecord
{
public:
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

    LONG DpiX() const { return m_dpiX; }
    LONG DpiY() const { return m_dpiY; }
    void SetDpi(LONG x, LONG y)
    {
        m_dpiX = x;
        m_dpiY = y;
    }

    HWND SelectedWindow() const { return reinterpret_cast<HWND>(m_head.Slot(kSlotSelected)); }
    WORD SelectedKind() const { return m_selectedKind; }
    LONG SelectedIndex() const { return m_selectedIndex; }
    void SetSelected(HWND hwnd, WORD wKind, LONG nIndex)
    {
        m_head.SetSlot(kSlotSelected, reinterpret_cast<UINT_PTR>(hwnd));
        m_selectedKind = wKind;
        m_selectedIndex = nIndex;
    }
    void ClearSelectedWindow() { m_head.SetSlot(kSlotSelected, 0); }

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
    DWORD m_formFeedMark[5];          // 137-141
    DWORD m_lineFeedMark[5];          // 142-146
    LONG m_dpiX;                      // 147
    LONG m_dpiY;                      // 148
    WORD m_selectedKind;              // 149, low half
    WORD m_selectedKindReserved;      // 149, high half
    LONG m_selectedIndex;             // 150
    DWORD m_selectedWord;             // 151, value in a slot
    DWORD m_flags;                    // 152
    DWORD m_reserved153[3];           // 153-155
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
    static_assert(offsetof(ZebWbRecord, m_childCapacities) == 125 * 4, "capacities are words 125-133");
    static_assert(offsetof(ZebWbRecord, m_dpiX) == 147 * 4, "resolution is words 147, 148");
    static_assert(offsetof(ZebWbRecord, m_selectedKind) == 149 * 4, "selected kind is word 149");
    static_assert(offsetof(ZebWbRecord, m_selectedWord) == 151 * 4, "selected window is word 151");
    static_assert(offsetof(ZebWbRecord, m_docFontMode) == 156 * 4, "document font mode is word 156");
    static_assert(offsetof(ZebWbRecord, m_gridCx) == 161 * 4, "grid size is words 161, 162");
    static_assert(ZebWbRecord::kSlotSharedVertFonts < kZebRecordSlots, "slots fit before the record");
}
