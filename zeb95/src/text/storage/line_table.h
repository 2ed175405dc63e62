// ZebLineEntry and the line table of a document: one entry per laid-out
// line, pointing into the text storage by block and offset. The table
// never moves an entry while it grows (ZebStableTable), so the window
// thread reads lines while the layout thread appends them.
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

typedef ZebStableTable<ZebLineEntry, 256> ZebLineTable;
