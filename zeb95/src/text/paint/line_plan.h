// Where every byte of a line stands along it in the document's alignment:
// the line's start and each byte's pen step (the justified or cell-arranged
// advance) next to its own advance. Painters draw from it and position
// mapping maps through it, so that the caret stands where the character
// is drawn.
#pragma once
#include <windows.h>

#include <climits>

#include "text/layout/unit_measure.h"
#include "text/storage/line_table.h"
#include "zeb95.h"

struct ZebDocRecord;

enum class ZebPlacement
{
    Plain,      // alignment offset, own advances
    Justified,  // spread over the width, or centred
    Cells,      // arranged into the user cells
};

// What places a document's lines: the alignment mode, the extent along the
// lines (document width, height when vertical) and the user cells of the
// cell modes (none when the document has none).
struct ZebLineShape
{
    int nAlignment;
    int nExtent;
    const ZebUserCell* pCells;
    int nCells;
};
ZebLineShape DocLineShape(const ZebDocRecord& doc);
ZebPlacement LinePlacement(const ZebLineShape& shape, const ZebLineEntry& line);

class ZebLinePlan
{
public:
    ZebLinePlan() = default;
    ~ZebLinePlan();
    ZebLinePlan(const ZebLinePlan&) = delete;
    ZebLinePlan& operator=(const ZebLinePlan&) = delete;

    // Measures and places the line; a plain line only up to nUpTo bytes.
    // The array grows in steps of 4,096 entries and serves every later
    // line. False when it cannot be had.
    bool Plan(const ZebLineShape& shape, const ZebBlockList& blocks, const ZebUnitMeasure& measure,
              const ZebLineEntry& line, int nUpTo = INT_MAX);
    ZebPlacement Placement() const { return m_placement; }
    int Start() const { return m_nStart; }
    int Count() const { return m_nCount; }
    // The pen's step over byte i (0 for a trail byte) and the unit's own
    // advance there (-1 for a trail byte).
    int Step(int i) const { return m_pSteps[i]; }
    int Own(int i) const { return m_pSteps[m_nCapacity + i]; }
    // Along the line where the column stands.
    long long AlongAt(int nColumn) const;
    // The column at along: the first unit before nLast whose extent (its
    // step, in the cell modes its own advance from where it stands) ends
    // beyond it; a break answers its own column; else nLast.
    int ColumnAt(long long nAlong, int nLast) const;

private:
    bool Reserve(int nCount);
    void Measure(const ZebBlockList& blocks, const ZebUnitMeasure& measure, const ZebLineEntry& line, int nUpTo);
    void Justify(const ZebLineShape& shape);
    void ArrangeCells(const ZebLineShape& shape, const ZebLineEntry& line);

    int* m_pSteps = nullptr;  // steps, then own advances, m_nCapacity each
    int m_nCapacity = 0;
    int m_nCount = 0;
    int m_nStart = 0;
    int m_nItems = 0;        // characters and bitmaps before a break
    int m_nBreak = -1;       // byte of the closing line feed or form feed
    long long m_nContent = 0;
    ZebPlacement m_placement = ZebPlacement::Plain;
};
