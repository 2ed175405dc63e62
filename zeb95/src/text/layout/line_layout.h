// Line layout: cuts the stored text into lines, one ZebLineEntry each,
// by the layout width, the byte limit, the user cells and the line-start
// rule. Runs on the window thread and on the layout thread alike: it reads
// the text and the tables, appends to the line table and writes nothing
// else but repaired attributes.
#pragma once
#include <windows.h>

#include "text/layout/unit_measure.h"
#include "text/storage/line_table.h"
#include "zeb95.h"

// Most bytes of one line.
const int kZebMostLineBytes = 4000;

// Classes of the last unit of a line.
const BYTE kZebUnitSingle = 0x00;
const BYTE kZebUnitDouble = 0x20;
const BYTE kZebUnitBreak = 0x40;
const BYTE kZebUnitBitmap = 0x80;

// What a pass lays out with, taken from the document when it starts.
struct ZebLayoutInput
{
    const ZebBlockList* pBlocks;
    ZebUnitMeasure measure;
    int nWidth;                 // along the line; 0 or less: no limit
    int nLimit;                 // most bytes a line; 0 or 1: none
    const char* pszLineStart;   // null: no line-start rule
    int nTypingFont;            // replaces a font index not in the table
    int nEmptyHeight;           // height of an empty line (the current font's)
    const ZebUserCell* pCells;  // user-cell mode, else null
    int nCells;
};

// Lays out the line that starts nOffset bytes into block nBlock into its
// entry (the table untouched) and returns its end kind.
int LayoutEntry(const ZebLayoutInput& in, int nBlock, int nOffset, ZebLineEntry* pEntry);
// Lays out line n (0 to the line count) into its entry and returns its end
// kind. Line n starts where line n - 1 ends. A new line is appended to the
// table unless line n - 1 ended the text; 0 when the table cannot grow.
int LayoutLine(const ZebLayoutInput& in, ZebLineTable& lines, int n);
// Lays out lines from the line count on until the lines laid out reach
// beyond nReach across (heights summed from line 0) with at least three
// new ones, or the text ends or layout fails: the end kind of the last line
// laid out.
int LayoutThrough(const ZebLayoutInput& in, ZebLineTable& lines, long long nReach);
// The first line to lay out again after an edit at (nColumn, nLine): the
// line before when the edit is at column 0 or when the line before ends by
// wrapping (where it breaks depends on the characters that follow it),
// else the line itself; never beyond the line count.
int RelayoutStartLine(const ZebLineTable& lines, int nColumn, int nLine);
