// Where the units of a line stand along it in plain placement: the
// alignment offset of the line, then each unit's advance. Position mapping
// and hit testing walk a line through it.
#pragma once
#include <windows.h>

#include "text/layout/text_cursor.h"
#include "text/layout/unit_measure.h"
#include "text/storage/line_table.h"

// The last valid column of the line: length - 1, or the length on a line
// that ends the text or is empty.
int LineLastColumn(const ZebLineEntry& line);
// Offset of the line's start along it by the alignment mode, for extent E
// along the lines (document width, height when vertical): right (1) and
// centred (2), and for lines ended by a break or the text also 17 and 18;
// never below 0. Other modes start at 0.
int AlignmentOffset(int nAlignment, int nExtent, const ZebLineEntry& line);

// A walk over a line's units from its first byte.
class ZebLineWalk
{
public:
    ZebLineWalk(const ZebBlockList& blocks, const ZebUnitMeasure& measure, const ZebLineEntry& line);
    int Column() const { return m_nColumn; }
    // Bytes of the unit at the column (2 for a double-byte character).
    int UnitSize() const;
    bool IsBreak() const { return (m_at.Attr() & ZebAttrBreak) != 0; }
    bool AtEnd() const { return m_at.AtEnd(); }
    // The unit's advance: a character's in its font, a bitmap's extent, a
    // break's mark; 0 for a font or bitmap not in its table.
    int Advance() const;
    const ZebTextCursor& Cursor() const { return m_at; }
    void Next();

private:
    const ZebUnitMeasure* m_pMeasure;
    ZebTextCursor m_at;
    int m_nColumn = 0;
};
