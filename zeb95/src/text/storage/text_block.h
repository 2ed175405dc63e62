// ZebTextBlock: a gap buffer of 12,288 Shift-JIS bytes with one ZebCharAttr
// per byte laid out like the text (same gap).
//
// Threading: only writers move a gap or change a block (BlockMoveGap,
// BlockInsertRun, BlockErase), and writers stop the layout thread first.
// Readers (the layout thread, painting on the window thread) use the const
// calls, which read through the gap and never move it, so two readers can
// run at once without a lock.
#pragma once
#include <windows.h>

#include "text/storage/char_attr.h"

struct ZebTextBlock
{
    static constexpr int kBytes = 12288;

    char text[kBytes];
    ZebCharAttr attrs[kBytes];
    WORD gapStart;
    WORD gapLength;
    WORD tailLength;
};

// An empty block (the gap fills it), not zero-filled; null when memory runs out.
ZebTextBlock* BlockAllocate();
void BlockRelease(ZebTextBlock* pBlock);

// Text bytes held: gap start + tail length.
int BlockTextLength(const ZebTextBlock* pBlock);
// 1 when the gap now starts at the logical offset; 0 for an offset beyond
// the text or no block.
int BlockMoveGap(ZebTextBlock* pBlock, int nOffset);
// Inserts up to n bytes and their attributes at the logical offset; stops
// where the gap is full, one byte earlier when that would part a lead byte
// (ZebAttrLead) from its trail. Returns the bytes inserted; 0 for a bad
// offset.
int BlockInsertRun(ZebTextBlock* pBlock, int nOffset, const char* pText, const ZebCharAttr* pAttrs, int n);
// Removes n bytes at the logical offset; 0 when the range passes the text.
int BlockErase(ZebTextBlock* pBlock, int nOffset, int n);

// Moves the bytes after the logical offset, with their attributes, to the
// start of the empty block pTo; 0 for a bad offset or a block not empty.
int BlockMoveTail(ZebTextBlock* pFrom, int nOffset, ZebTextBlock* pTo);

// Rewrites the attribute of the byte at the logical offset.
void BlockSetAttr(ZebTextBlock* pBlock, int nOffset, ZebCharAttr attr);

// Readers: the gap stays where it is.
char BlockByteAt(const ZebTextBlock* pBlock, int nOffset);
ZebCharAttr BlockAttrAt(const ZebTextBlock* pBlock, int nOffset);
// Copies n bytes and attributes from the logical offset (either output may
// be null); 0 when the range passes the text.
int BlockCopyOut(const ZebTextBlock* pBlock, int nOffset, int n, char* pText, ZebCharAttr* pAttrs);
