// The object record: the block of 32-bit words behind every object window
// (window word 0), and the common head of 101 words that all kinds share.
// Words that hold a pointer or a handle store 0; their values live in slots
// after the kind's stored words, so the stored words are the same on every
// build.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstring>

enum ZebKind : WORD
{
    ZebKindWhiteBoard = 1,
    ZebKindWbText = 2,
    ZebKindWbBmp = 4,
    ZebKindDoc = 8,
    ZebKindPicture = 16,
    ZebKindSound = 32,
    ZebKindMovie = 64,
    ZebKindLine = 128,
    ZebKindAppChild = 512,
};

// User-data word of every child object window of kinds 8 to 128 (" ZEB").
const LONG_PTR kZebLibraryMark = 0x42455A20;
const DWORD kZebRecordVersion = 0x020D0004;
// The window styles that the record's style word keeps (word 81).
const DWORD kZebKeptStyles = WS_BORDER | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
// Pointer-sized slots after the stored words of every record.
const int kZebRecordSlots = 64;

// Words of the head that stored blocks read and write (word n at byte 4n);
// the record's layout is checked against them.
enum StoredHeadWord : size_t
{
    kInputWParamWord = 1,
    kInputLParamWord = 2,
    kTransparentWord = 3,
    kDitherWord = 4,
    kViewModeWord = 7,
    kBkColorWord = 74,
    kForeColorWord = 79,
    kStyleWord = 81,
    kCursorWord = 82,
    kPointerWord = 84,
    kLineStartWord = 86,
    kTextWord = 87,
    kPositionWord = 88,
    kSizeWord = 94,
    kKindWord = 98,
    kClientEdgeWord = 99,
    kVerticalWord = 100,
};

class ZebObjRecord
{
public:
    // A zeroed record of the kind's stored length, with version and kind set;
    // null for a kind without record or when memory runs out.
    static ZebObjRecord* Allocate(WORD wKind);
    // Frees the record (not what its words point to); null is ignored.
    static void Free(ZebObjRecord* pRecord);
    // Bytes of the kind's record as stored in files; 0 for other kinds.
    static DWORD StoredBytes(WORD wKind);
    // A record lives in its block only: a copy would lose its slots.
    ZebObjRecord(const ZebObjRecord&) = delete;
    ZebObjRecord& operator=(const ZebObjRecord&) = delete;

    DWORD Version() const { return m_version; }
    DWORD InputWParam() const { return m_inputWParam; }
    DWORD InputLParam() const { return m_inputLParam; }
    void SetInput(DWORD dwWParam, DWORD dwLParam)
    {
        m_inputWParam = dwWParam;
        m_inputLParam = dwLParam;
    }
    bool IsTransparent() const { return m_transparent != 0; }
    void SetTransparent(bool b) { m_transparent = b ? 1 : 0; }
    bool Dither() const { return m_dither != 0; }
    void SetDither(bool b) { m_dither = b ? 1 : 0; }
    bool IsSelected() const { return m_selected != 0; }
    void SetSelected(bool b) { m_selected = b ? 1 : 0; }
    DWORD ViewMode() const { return m_viewMode; }
    void SetViewMode(DWORD dw) { m_viewMode = dw; }
    // Whiteboard: wrap mode of its text items.
    DWORD WrapMode() const { return m_kindWords8[0]; }
    void SetWrapMode(DWORD dw) { m_kindWords8[0] = dw; }
    // Words 9-73: the file an object came from (pictures, lines, media),
    // NUL-terminated within kFileNameChars.
    static const int kFileNameChars = 260;
    char* FileName() { return reinterpret_cast<char*>(&m_kindWords8[1]); }
    const char* FileName() const { return reinterpret_cast<const char*>(&m_kindWords8[1]); }

    COLORREF BkColor() const { return m_bkColor; }
    void SetBkColor(COLORREF c) { m_bkColor = c; }
    COLORREF BorderColor() const { return m_borderColor; }
    void SetBorderColor(COLORREF c) { m_borderColor = c; }
    COLORREF DefaultBkColor() const { return m_defBkColor; }
    COLORREF DefaultBorderColor() const { return m_defBorderColor; }
    COLORREF DefaultForeColor() const { return m_defForeColor; }
    void SetDefaultColors(COLORREF bk, COLORREF border, COLORREF fore)
    {
        m_defBkColor = bk;
        m_defBorderColor = border;
        m_defForeColor = fore;
    }
    COLORREF ForeColor() const { return m_foreColor; }
    void SetForeColor(COLORREF c) { m_foreColor = c; }
    DWORD Style() const { return m_style; }
    void SetStyle(DWORD dw) { m_style = dw; }

    HCURSOR Cursor() const { return reinterpret_cast<HCURSOR>(Slot(kSlotCursor)); }
    void SetCursor(HCURSOR h) { SetSlot(kSlotCursor, reinterpret_cast<UINT_PTR>(h)); }
    // Destroys the own cursor and keeps a copy of the given one (none for null).
    void ReplaceCursor(HCURSOR hCursor);
    HWND OwnerWhiteBoard() const { return reinterpret_cast<HWND>(Slot(kSlotOwnerWb)); }
    void SetOwnerWhiteBoard(HWND h) { SetSlot(kSlotOwnerWb, reinterpret_cast<UINT_PTR>(h)); }
    DWORD PointerNumber() const { return m_pointerNumber; }
    void SetPointerNumber(DWORD dw) { m_pointerNumber = dw; }
    char* LineStartString() const { return reinterpret_cast<char*>(Slot(kSlotLineStart)); }
    void SetLineStartString(char* psz) { SetSlot(kSlotLineStart, reinterpret_cast<UINT_PTR>(psz)); }
    char* Text() const { return reinterpret_cast<char*>(Slot(kSlotText)); }
    void SetText(char* psz) { SetSlot(kSlotText, reinterpret_cast<UINT_PTR>(psz)); }

    POINT Position() const { return m_position; }
    void SetPosition(POINT pt) { m_position = pt; }
    // Text document: the caret's column and line.
    POINT CaretPos() const { return {static_cast<LONG>(m_kindWords90[0]), static_cast<LONG>(m_kindWords90[1])}; }
    void SetCaretPos(POINT pt)
    {
        m_kindWords90[0] = static_cast<DWORD>(pt.x);
        m_kindWords90[1] = static_cast<DWORD>(pt.y);
    }
    POINT Origin() const { return m_origin; }
    void SetOrigin(POINT pt) { m_origin = pt; }
    SIZE Size() const { return m_size; }
    void SetSize(SIZE size) { m_size = size; }
    SIZE PageSize() const { return m_pageSize; }
    void SetPageSize(SIZE size) { m_pageSize = size; }
    WORD Kind() const { return m_kind; }
    bool HasClientEdge() const { return m_clientEdge != 0; }
    void SetClientEdge(bool b) { m_clientEdge = b ? 1 : 0; }
    DWORD Vertical() const { return m_vertical; }
    void SetVertical(DWORD dw) { m_vertical = dw; }

    // Slots of the head's pointer and handle words; kind records number
    // theirs from kHeadSlots on.
    enum HeadSlot
    {
        kSlotCursor,
        kSlotOwnerWb,
        kSlotLineStart,
        kSlotText,
        kHeadSlots
    };
    UINT_PTR Slot(int nSlot) const
    {
        UINT_PTR value;
        std::memcpy(&value, SlotAddress(nSlot), sizeof(value));
        return value;
    }
    void SetSlot(int nSlot, UINT_PTR value) { std::memcpy(SlotAddress(nSlot), &value, sizeof(value)); }
    // Where the slots begin in a record of the kind: after its stored words,
    // pointer-aligned.
    static size_t SlotsOffset(WORD wKind)
    {
        return (StoredBytes(wKind) + sizeof(UINT_PTR) - 1) / sizeof(UINT_PTR) * sizeof(UINT_PTR);
    }

private:
    BYTE* SlotAddress(int nSlot) const
    {
        const BYTE* pRecord = reinterpret_cast<const BYTE*>(this);
        return const_cast<BYTE*>(pRecord) + SlotsOffset(m_kind) + static_cast<size_t>(nSlot) * sizeof(UINT_PTR);
    }

    static void CheckLayout();

    DWORD m_version;             // 0
    DWORD m_inputWParam;         // 1
    DWORD m_inputLParam;         // 2
    DWORD m_transparent;         // 3
    DWORD m_dither;              // 4
    DWORD m_selected;            // 5
    DWORD m_kindWord6;           // 6
    DWORD m_viewMode;            // 7
    DWORD m_kindWords8[66];      // 8-73
    COLORREF m_bkColor;          // 74
    COLORREF m_borderColor;      // 75
    COLORREF m_defBkColor;       // 76
    COLORREF m_defBorderColor;   // 77
    COLORREF m_defForeColor;     // 78
    COLORREF m_foreColor;        // 79
    DWORD m_kindWord80;          // 80
    DWORD m_style;               // 81
    DWORD m_cursorWord;          // 82, value in a slot
    DWORD m_ownerWbWord;         // 83, value in a slot
    DWORD m_pointerNumber;       // 84
    DWORD m_kindWord85;          // 85
    DWORD m_lineStartWord;       // 86, value in a slot
    DWORD m_textWord;            // 87, value in a slot
    POINT m_position;            // 88, 89
    DWORD m_kindWords90[2];      // 90, 91
    POINT m_origin;              // 92, 93
    SIZE m_size;                 // 94, 95
    SIZE m_pageSize;             // 96, 97
    WORD m_kind;                 // 98, low half
    WORD m_kindReserved;         // 98, high half
    DWORD m_clientEdge;          // 99
    DWORD m_vertical;            // 100
};

inline void ZebObjRecord::CheckLayout()
{
    static_assert(sizeof(ZebObjRecord) == 101 * 4, "the head is 101 words");
    static_assert(offsetof(ZebObjRecord, m_inputWParam) == kInputWParamWord * 4, "input values are words 1, 2");
    static_assert(offsetof(ZebObjRecord, m_inputLParam) == kInputLParamWord * 4, "input values are words 1, 2");
    static_assert(offsetof(ZebObjRecord, m_transparent) == kTransparentWord * 4, "transparent flag is word 3");
    static_assert(offsetof(ZebObjRecord, m_dither) == kDitherWord * 4, "dither flag is word 4");
    static_assert(offsetof(ZebObjRecord, m_viewMode) == kViewModeWord * 4, "view mode is word 7");
    static_assert(offsetof(ZebObjRecord, m_kindWords8) + 4 + kFileNameChars == 74 * 4, "the file name is words 9-73");
    static_assert(offsetof(ZebObjRecord, m_bkColor) == kBkColorWord * 4, "colours start at word 74");
    static_assert(offsetof(ZebObjRecord, m_foreColor) == kForeColorWord * 4, "foreground colour is word 79");
    static_assert(offsetof(ZebObjRecord, m_style) == kStyleWord * 4, "style is word 81");
    static_assert(offsetof(ZebObjRecord, m_cursorWord) == kCursorWord * 4, "cursor is word 82");
    static_assert(offsetof(ZebObjRecord, m_ownerWbWord) == 83 * 4, "owner whiteboard is word 83");
    static_assert(offsetof(ZebObjRecord, m_pointerNumber) == kPointerWord * 4, "pointer number is word 84");
    static_assert(offsetof(ZebObjRecord, m_lineStartWord) == kLineStartWord * 4, "line-start string is word 86");
    static_assert(offsetof(ZebObjRecord, m_textWord) == kTextWord * 4, "text is word 87");
    static_assert(offsetof(ZebObjRecord, m_position) == kPositionWord * 4, "position is words 88, 89");
    static_assert(offsetof(ZebObjRecord, m_origin) == 92 * 4, "origin is words 92, 93");
    static_assert(offsetof(ZebObjRecord, m_size) == kSizeWord * 4, "size is words 94, 95");
    static_assert(offsetof(ZebObjRecord, m_pageSize) == 96 * 4, "page size is words 96, 97");
    static_assert(offsetof(ZebObjRecord, m_kind) == kKindWord * 4, "kind is word 98");
    static_assert(offsetof(ZebObjRecord, m_clientEdge) == kClientEdgeWord * 4, "client edge is word 99");
    static_assert(offsetof(ZebObjRecord, m_vertical) == kVerticalWord * 4, "vertical flag is word 100");
}

// The record of an object window of the library, or null for any other
// window (the class is checked before window word 0 is read).
ZebObjRecord* GetObjRecord(HWND hwnd);
