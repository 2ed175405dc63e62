// ZebDocRecord: the text document's record, the object head and then the
// document's words. Pointers and handles live in slots before word 0, as in
// every object record; their words stay 0.
#pragma once
#include <windows.h>

#include "objects/obj_record.h"
#include "text/tables/attr_renumber.h"
#include "text/layout/unit_measure.h"
#include "text/storage/line_table.h"

class ZebBmpTable;
class ZebFontTable;
class ZebLayoutRun;

const WORD kZebFormFeedMarkCode = 18;
const WORD kZebLineFeedMarkCode = 7;
const WORD kZebBitmapMarkCode = 32;

// Bits of the flags word.
const DWORD kDocClipModeShift = 8;
const DWORD kDocClipModeMask = 0x3F00;
const DWORD kDocNotPainted = 0x8000;
// Caret state: no system caret is shown.
const WORD kDocCaretHidden = 2;
// Static modes: the text may be moved through but not typed into, or is
// read-only.
const int kDocStatic = 1;
const int kDocReadOnly = 2;

// Alignments that place the text in user cells.
inline bool IsCellMode(int nAlignment)
{
    return (nAlignment >= 4 && nAlignment <= 6) || (nAlignment >= 8 && nAlignment <= 10);
}

struct ZebDocRecord
{
    // The document record of a window of the text document class, or null.
    static ZebDocRecord* From(HWND hwnd);

    ZebBlockList* Blocks() const { return reinterpret_cast<ZebBlockList*>(head.Slot(kSlotBlocks)); }
    void SetBlocks(ZebBlockList* p) { head.SetSlot(kSlotBlocks, reinterpret_cast<UINT_PTR>(p)); }
    ZebLineTable* Lines() const { return reinterpret_cast<ZebLineTable*>(head.Slot(kSlotLines)); }
    void SetLines(ZebLineTable* p) { head.SetSlot(kSlotLines, reinterpret_cast<UINT_PTR>(p)); }
    ZebBmpTable* Bitmaps() const { return reinterpret_cast<ZebBmpTable*>(head.Slot(kSlotBitmaps)); }
    void SetBitmaps(ZebBmpTable* p) { head.SetSlot(kSlotBitmaps, reinterpret_cast<UINT_PTR>(p)); }
    // The document's own font table, or none while it uses its
    // whiteboard's shared tables.
    ZebFontTable* OwnFonts() const { return reinterpret_cast<ZebFontTable*>(head.Slot(kSlotFonts)); }
    void SetOwnFonts(ZebFontTable* p) { head.SetSlot(kSlotFonts, reinterpret_cast<UINT_PTR>(p)); }
    // Zeroed 32-byte block handed to the input method.
    void* CompositionForm() const { return reinterpret_cast<void*>(head.Slot(kSlotCompositionForm)); }
    void SetCompositionForm(void* p) { head.SetSlot(kSlotCompositionForm, reinterpret_cast<UINT_PTR>(p)); }
    // The layout pass whose thread runs or has not been joined yet, or none.
    ZebLayoutRun* LayoutRun() const { return reinterpret_cast<ZebLayoutRun*>(head.Slot(kSlotLayoutRun)); }
    void SetLayoutRun(ZebLayoutRun* p) { head.SetSlot(kSlotLayoutRun, reinterpret_cast<UINT_PTR>(p)); }
    // Number of the joined pass whose completion the window has still to
    // take (extent, scroll bars), or 0.
    UINT LayoutDoneRun() const { return static_cast<UINT>(head.Slot(kSlotLayoutDoneRun)); }
    void SetLayoutDoneRun(UINT n) { head.SetSlot(kSlotLayoutDoneRun, n); }
    // The window size the document was last laid out at.
    SIZE AppliedSize() const
    {
        return {static_cast<LONG>(head.Slot(kSlotAppliedCx)), static_cast<LONG>(head.Slot(kSlotAppliedCy))};
    }
    void SetAppliedSize(SIZE size)
    {
        head.SetSlot(kSlotAppliedCx, static_cast<UINT_PTR>(size.cx));
        head.SetSlot(kSlotAppliedCy, static_cast<UINT_PTR>(size.cy));
    }
    // Own copies of the user cells and of the two input filter strings.
    void* UserCells() const { return reinterpret_cast<void*>(head.Slot(kSlotUserCells)); }
    void SetUserCells(void* p) { head.SetSlot(kSlotUserCells, reinterpret_cast<UINT_PTR>(p)); }
    char* FilterMatch() const { return reinterpret_cast<char*>(head.Slot(kSlotFilterMatch)); }
    void SetFilterMatch(char* p) { head.SetSlot(kSlotFilterMatch, reinterpret_cast<UINT_PTR>(p)); }
    char* FilterReplacement() const { return reinterpret_cast<char*>(head.Slot(kSlotFilterReplacement)); }
    void SetFilterReplacement(char* p) { head.SetSlot(kSlotFilterReplacement, reinterpret_cast<UINT_PTR>(p)); }

    // Bits 8-13 of the flags.
    int ClipMode() const { return static_cast<int>((dwFlags & kDocClipModeMask) >> kDocClipModeShift); }
    bool HasSelection() const { return anchor.x >= 0 && anchor.y >= 0; }
    // What of the document holds font and bitmap indexes.
    ZebIndexHolder Holder() { return {Blocks(), &lineFeedAttr, &formFeedAttr, &nTypingFont, &nCurrentFont}; }

    ZebObjRecord head;            // 0-100
    DWORD blockListWord;          // 101, value in a slot
    DWORD blockCountWord;         // 102, kept by the list
    DWORD blockCapacityWord;      // 103, kept by the list
    DWORD bitmapTableWord;        // 104, value in a slot
    DWORD bitmapCountWord;        // 105, kept by the table
    DWORD bitmapCapacityWord;     // 106, kept by the table
    DWORD lineTableWord;          // 107, value in a slot
    DWORD lineCountWord;          // 108, kept by the table
    DWORD lineCapacityWord;       // 109, kept by the table
    int nLayoutResult;            // 110: line-end kind of the last line laid out, 0 = none
    DWORD fontTableWord;          // 111, value in a slot
    DWORD fontCountWord;          // 112, kept by the table
    DWORD fontCapacityWord;       // 113, kept by the table
    int nTypingFont;              // 114
    POINT anchor;                 // 115, 116: selection anchor (column, line); -1, -1 = none
    RECT caret;                   // 117-120: x, y, width, height in document pixels
    WORD wCaretState;             // 121, low half
    WORD wCaretReserved;          // 121, high half
    int nGoalX;                   // 122
    int nDocWidth;                // 123
    int nDocHeight;               // 124
    int nLimit;                   // 125: most bytes a line; 0 or 1 = none
    int nTypingVPos;              // 126
    int nTypingColor;             // 127: colour index 0-15
    WORD wFormFeedCode;           // 128, low half
    WORD wFormFeedReserved;       // 128, high half
    ZebCharAttr formFeedAttr;     // 129
    WORD wLineFeedCode;           // 130, low half
    WORD wLineFeedReserved;       // 130, high half
    ZebCharAttr lineFeedAttr;     // 131
    int nImeMode;                 // 132
    int nSavedImeMode;            // 133
    DWORD compositionFormWord;    // 134, value in a slot
    WORD wPendingLead;            // 135, low half
    WORD wPendingReserved;        // 135, high half
    DWORD dwFlags;                // 136
    int nStaticMode;              // 137: 0 editable, kDocStatic, kDocReadOnly
    DWORD layoutThreadWord;       // 138, value in a slot
    int nTypingUser;              // 139
    int nRectOverflow;            // 140: 0 none, 1 once, 2 every time
    int nCurrentFont;             // 141
    DWORD dwOptions;              // 142
    int nAlignment;               // 143
    int nUserCellCount;           // 144
    DWORD userCellsWord;          // 145, value in a slot
    int nImeFontSelector;         // 146
    int nGridCx;                  // 147
    int nGridCy;                  // 148
    int nScale;                   // 149: percent; 100 or below 1 = none
    int nCharExtra;               // 150
    DWORD filterMatchWord;        // 151, value in a slot
    DWORD filterReplacementWord;  // 152, value in a slot
    DWORD dwSavedImeConversion;   // 153: conversion mode found when the focus came
    DWORD dwSavedImeSentence;     // 154: its sentence mode
    DWORD reserved155[50];        // 155-204

private:
    enum DocSlot
    {
        kSlotBlocks = ZebObjRecord::kHeadSlots,
        kSlotLines,
        kSlotBitmaps,
        kSlotFonts,
        kSlotCompositionForm,
        kSlotLayoutRun,
        kSlotUserCells,
        kSlotFilterMatch,
        kSlotFilterReplacement,
        kSlotLayoutDoneRun,
        kSlotAppliedCx,
        kSlotAppliedCy,
    };
    static void CheckLayout();
};

inline void ZebDocRecord::CheckLayout()
{
    static_assert(sizeof(ZebDocRecord) == 820, "the document record is 820 bytes");
    static_assert(offsetof(ZebDocRecord, bitmapCountWord) == 420, "bitmap count at byte 420");
    static_assert(offsetof(ZebDocRecord, fontCountWord) == 448, "font count at byte 448");
    static_assert(offsetof(ZebDocRecord, nDocWidth) == 492, "document extent at byte 492");
    static_assert(offsetof(ZebDocRecord, nTypingColor) == 508, "typing colour at byte 508");
    static_assert(kSlotAppliedCy < kZebRecordSlots, "slots fit before the record");
}
