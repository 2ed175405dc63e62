// ZebLineEntry and the line table of a document: one entry per laid-out
// line, pointing into the text storage by block and offset. The table
// never moves an entry while it grows (ZebStableTable), so the window
// thread reads lines while the layout thread appends them. It keeps the
// sum of the heights of each run of 256 lines, so that a line's top and the
// line at a height cost a walk over those sums, not over every line.
#pragma once
#include <windows.h>

#include "text/storage/block_list.h"
#include "text/storage/stable_table.h"

// How a line ends.
enum ZebLineEnd : BYTE
{
    ZebLineEndNone = 0,
    ZebLineEndLineFeed = 1,
    ZebLineEndFormFeed = 2,
    ZebLineEndText = 3,        // the end of the text
    ZebLineEndCut = 4,         // cut at 4,000 bytes
    ZebLineEndWrapped = 5,     // wrapped at the width
    ZebLineEndLineStart = 6,   // wrapped by the line-start rule
};

struct ZebLineEntry
{
    int width;
    int height;
    short length;  // bytes
    BYTE endKind;  // ZebLineEnd
    BYTE lastUnit;  // class of the last unit placed
    WORD block;
    WORD offset;  // logical offset in the block
};

// Every byte a line of its own, and the empty line after them.
const int kZebMostLines = kZebMostBlocks * ZebTextBlock::kBytes + 1;

class ZebLineTable
{
public:
    explicit ZebLineTable(int nMost) : m_lines(nMost), m_sums(nMost / kRun + 1) {}

    int Count() const { return m_lines.Count(); }
    int Capacity() const { return m_lines.Capacity(); }
    const ZebLineEntry& At(int i) const { return m_lines.At(i); }
    // Inserts the entry at 0..count; false at the most entries or when memory
    // runs out (the table is then unchanged). Appending is what readers on
    // another thread may see happen.
    bool Insert(int nAt, const ZebLineEntry& entry);
    // Replaces lines nAt .. nAt + nRemove - 1 by the nNew entries at pNew,
    // the lines after them moving as a whole; false when the table cannot
    // take them (the table is then unchanged). Only with readers stopped.
    bool Replace(int nAt, int nRemove, const ZebLineEntry* pNew, int nNew);
    // Rewrites the entry of a line below the count.
    void Set(int n, const ZebLineEntry& entry);
    // Keeps the first n lines (and the memory of the others).
    void Truncate(int n);
    // The sum of the heights of the lines before line n (0 .. count).
    long long Top(int n) const;
    // The line whose band across holds y, with its top: line 0 above the
    // first, the last line below the last; -1 without lines.
    int LineAt(long long y, long long* pnTop) const;

private:
    static const int kRun = 256;
    // Sums the heights of the run from its first line up to line n.
    long long RunSum(int nRun, int n) const;
    // The heights of the n lines from line i on (none at or past the count).
    long long Heights(int i, int n) const;
    // The sums of the runs after lines from nFirst on moved by nMoved lines
    // (from nFirst - nMoved), the lines before nFirst laid anew.
    void ResumRuns(int nAt, int nFirst, int nMoved);

    ZebStableTable<ZebLineEntry, kRun> m_lines;
    // Height of each run; a reader reads only the sums of runs wholly below
    // the count it has read, which the writer no longer touches.
    ZebStableTable<long long, kRun> m_sums;
};
