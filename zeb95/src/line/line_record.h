// The line object's record (672 bytes): the object head, then the line's
// own words.
#pragma once
#include "objects/obj_record.h"

// Segments of a line's draw form.
enum ZebLineSegment : WORD
{
    ZebLineTop = 0x01,
    ZebLineBottom = 0x02,
    ZebLineLeft = 0x04,
    ZebLineRight = 0x08,
    ZebLineDiagonal = 0x10,      // top left to bottom right
    ZebLineOtherDiagonal = 0x20, // top right to bottom left
};

class ZebLineRecord
{
public:
    // Words that the "LO" block reads and writes; the draw mode is the
    // head's word 100.
    enum StoredWord : size_t
    {
        kDrawModeWord = kVerticalWord,
        kPenStyleWord = 101,
        kPenWidthWord = 102,
        kDrawFormWord = 103,
    };
    static ZebLineRecord* From(ZebObjRecord* pRecord)
    {
        return pRecord != nullptr && pRecord->Kind() == ZebKindLine ? reinterpret_cast<ZebLineRecord*>(pRecord)
                                                                    : nullptr;
    }
    static ZebLineRecord* Of(HWND hwnd) { return From(GetObjRecord(hwnd)); }
    ZebObjRecord& Head() { return m_head; }
    const ZebObjRecord& Head() const { return m_head; }

    // The mix mode given to SetROP2: word 100, which whiteboards and
    // documents use for their vertical flag.
    LONG DrawMode() const { return static_cast<LONG>(m_head.Vertical()); }
    void SetDrawMode(LONG n) { m_head.SetVertical(static_cast<DWORD>(n)); }
    LONG PenStyle() const { return m_penStyle; }
    void SetPenStyle(LONG n) { m_penStyle = n; }
    // In pixels of the object's resolution; below 1 counts as 1.
    LONG PenWidth() const { return m_penWidth; }
    void SetPenWidth(LONG n) { m_penWidth = n; }
    WORD DrawForm() const { return m_drawForm; }
    void SetDrawForm(WORD w) { m_drawForm = w; }

    // No "changed" event before the first paint.
    static const WORD kFlagCreating = 0x8000;
    bool IsCreating() const { return (m_flags & kFlagCreating) != 0; }
    void SetCreating(bool b) { m_flags = static_cast<WORD>(b ? (m_flags | kFlagCreating) : (m_flags & ~kFlagCreating)); }
    SIZE Grid() const { return {m_gridCx, m_gridCy}; }
    void SetGrid(SIZE size)
    {
        m_gridCx = size.cx;
        m_gridCy = size.cy;
    }

private:
    static void CheckLayout();

    ZebObjRecord m_head;      // 0-100; word 100 is the draw mode
    LONG m_penStyle;          // 101
    LONG m_penWidth;          // 102
    WORD m_drawForm;          // 103, low half
    WORD m_flags;             // 103, high half
    LONG m_gridCx;            // 104
    LONG m_gridCy;            // 105
    DWORD m_reserved106[62];  // 106-167
};

inline void ZebLineRecord::CheckLayout()
{
    static_assert(sizeof(ZebLineRecord) == 672, "the line record is 672 bytes");
    static_assert(offsetof(ZebLineRecord, m_penStyle) == kPenStyleWord * 4, "the pen style is at 404");
    static_assert(offsetof(ZebLineRecord, m_penWidth) == kPenWidthWord * 4, "the pen width is at 408");
    static_assert(offsetof(ZebLineRecord, m_drawForm) == kDrawFormWord * 4, "the draw form is at 412");
}
