// The block list of a text document: its ZebTextBlock pointers in text
// order, 16 entries at first and 16 more at each growth, at most 30,000
// blocks. The list lives in a ZebStableTable, so a block's entry never
// moves while blocks are appended.
#pragma once
#include "text/storage/stable_table.h"
#include "text/storage/text_block.h"

const int kZebMostBlocks = 30000;

class ZebBlockList
{
public:
    ZebBlockList() : m_table(kZebMostBlocks) {}
    ~ZebBlockList() { BlockFree(-1); }

    int Count() const { return m_table.Count(); }
    int Capacity() const { return m_table.Capacity(); }
    // The block at the index, null outside the list.
    ZebTextBlock* Block(int nIndex) const;
    // Carries a place (a block index and a logical offset in that block)
    // over the ends of blocks into the block that holds it: an offset beyond
    // its block's text goes on into the following blocks, a negative one
    // back into the preceding ones. An offset at the end of a block's text
    // stays there unless bAtByte asks for a place with a byte after it.
    // false when the place lies outside the text (for bAtByte: when no byte
    // follows it); the place is then left in the first or the last block.
    bool Carry(int& nBlock, int& nOffset, bool bAtByte) const;

    // Inserts an empty block at the index (below 0 or above the count:
    // appends); null at index 30,000 or more or when memory runs out, the
    // list unchanged.
    ZebTextBlock* BlockInsert(int nIndex);
    // Frees the block at the index and closes the hole; -1 frees every
    // block and the list itself. 0 for another index outside the list.
    int BlockFree(int nIndex);

private:
    ZebStableTable<ZebTextBlock*> m_table;
};
