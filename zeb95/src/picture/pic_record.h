// The picture object's record (1016 bytes): the object head, then the
// picture's own words.
#pragma once
#include "objects/obj_record.h"

// The window styles that a picture keeps (no thick frame).
const DWORD kPicStyles = kZebKeptStyles & ~static_cast<DWORD>(WS_THICKFRAME);

class ZebPicRecord
{
public:
    static ZebPicRecord* From(ZebObjRecord* pRecord)
    {
        return pRecord != nullptr && pRecord->Kind() == ZebKindPicture ? reinterpret_cast<ZebPicRecord*>(pRecord)
                                                                       : nullptr;
    }
    static ZebPicRecord* Of(HWND hwnd) { return From(GetObjRecord(hwnd)); }
    // Words that the "PO" block reads and writes.
    enum StoredWord : size_t
    {
        kTextFieldWord = 102,
        kActualSizeWord = 122,
        kStretchWord = 123,
        kFlagsWord = 189,
    };
    ZebObjRecord& Head() { return m_head; }
    const ZebObjRecord& Head() const { return m_head; }

    // The DIB handle shown (word 100), 0 for none.
    HGLOBAL Picture() const { return reinterpret_cast<HGLOBAL>(m_head.Slot(kSlotPicture)); }
    void SetPicture(HGLOBAL h) { m_head.SetSlot(kSlotPicture, reinterpret_cast<UINT_PTR>(h)); }
    // The picture's palette, or the library's fixed palette (never deleted
    // by the object), or 0.
    HPALETTE Palette() const { return reinterpret_cast<HPALETTE>(m_head.Slot(kSlotPalette)); }
    void SetPalette(HPALETTE h) { m_head.SetSlot(kSlotPalette, reinterpret_cast<UINT_PTR>(h)); }
    // The picture shrunk to the size last drawn on screen, or 0.
    HGLOBAL Cache() const { return reinterpret_cast<HGLOBAL>(m_head.Slot(kSlotCache)); }
    void SetCache(HGLOBAL h) { m_head.SetSlot(kSlotCache, reinterpret_cast<UINT_PTR>(h)); }

    // Carried through stored blocks only.
    static const int kTextFieldChars = 80;
    char* TextField() { return m_textField; }
    bool ActualSize() const { return m_actualSize != 0; }
    void SetActualSize(bool b) { m_actualSize = b ? 1 : 0; }
    DWORD Stretch() const { return m_stretch; }
    void SetStretch(DWORD dw) { m_stretch = dw; }
    // Empty: not from JPEG data; kJpegFromFile: converted from the JPEG
    // file of the file name; any other text: a temporary copy of JPEG data.
    static const char kJpegFromFile = 0x01;
    static constexpr const char* kJpegFromFileText = "\x01";
    char* JpegSource() { return m_jpegSource; }

    // Flag bits: no "changed" event before the first paint, the left button
    // captured, the shrink cache enabled.
    static const WORD kFlagCreating = 0x8000;
    static const WORD kFlagCaptured = 0x4000;
    static const WORD kFlagCache = 0x0002;
    bool HasFlag(WORD w) const { return (m_flags & w) != 0; }
    void SetFlag(WORD w, bool b) { m_flags = static_cast<WORD>(b ? (m_flags | w) : (m_flags & ~w)); }
    SIZE Grid() const { return {m_gridCx, m_gridCy}; }
    void SetGrid(SIZE size)
    {
        m_gridCx = size.cx;
        m_gridCy = size.cy;
    }

private:
    enum PicSlot
    {
        kSlotPicture = ZebObjRecord::kHeadSlots,
        kSlotPalette,
        kSlotCache,
    };
    static void CheckLayout();

    ZebObjRecord m_head;         // 0-100; word 100 is the picture, value in a slot
    DWORD m_paletteWord;         // 101, value in a slot
    char m_textField[kTextFieldChars];  // 102-121
    DWORD m_actualSize;          // 122
    DWORD m_stretch;             // 123
    char m_jpegSource[ZebObjRecord::kFileNameChars];  // 124-188
    WORD m_flags;                // 189, low half
    WORD m_flagsReserved;        // 189, high half
    LONG m_gridCx;               // 190
    LONG m_gridCy;               // 191
    DWORD m_cacheWord;           // 192, value in a slot
    DWORD m_reserved193[61];     // 193-253
};

inline void ZebPicRecord::CheckLayout()
{
    static_assert(sizeof(ZebPicRecord) == 1016, "the picture record is 1016 bytes");
    static_assert(offsetof(ZebPicRecord, m_textField) == kTextFieldWord * 4, "the text field is at 408");
    static_assert(offsetof(ZebPicRecord, m_actualSize) == kActualSizeWord * 4, "actual-size mode is at 488");
    static_assert(offsetof(ZebPicRecord, m_stretch) == kStretchWord * 4, "stretch is at 492");
    static_assert(offsetof(ZebPicRecord, m_flags) == kFlagsWord * 4, "flags follow the JPEG source");
    static_assert(ZebPicRecord::kSlotCache < kZebRecordSlots, "slots fit after the record");
}
