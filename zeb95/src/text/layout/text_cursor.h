// A reading place in a document's text: a block and a logical offset in it,
// stepping over the ends of blocks. Reads through the gaps without moving
// them, so that it serves the layout thread and the window thread at once.
#pragma once
#include <windows.h>

#include "text/storage/block_list.h"

class ZebTextCursor
{
public:
    // The place nOffset bytes into block nBlock; an offset at or beyond the
    // end of a block's text goes on into the following blocks, and past the
    // last one the cursor stays at the end of the text.
    ZebTextCursor(const ZebBlockList& blocks, int nBlock, int nOffset);

    bool AtEnd() const { return m_pBlock == nullptr || m_nOffset >= BlockTextLength(m_pBlock); }
    int Block() const { return m_nBlock; }
    int Offset() const { return m_nOffset; }
    // The byte and attribute at the place; not at the end.
    BYTE Byte() const { return static_cast<BYTE>(BlockByteAt(m_pBlock, m_nOffset)); }
    ZebCharAttr Attr() const { return BlockAttrAt(m_pBlock, m_nOffset); }
    // The byte after this one, 0 at the end of the text.
    BYTE NextByte() const;
    // Steps n bytes on.
    void Skip(int n);
    // Rewrites the attribute at the place as one store, so that a reader on
    // the other thread sees the old or the new word whole.
    void RepairAttr(ZebCharAttr attr) const;

private:
    void Normalise();

    const ZebBlockList* m_pBlocks;
    ZebTextBlock* m_pBlock;
    int m_nBlock;
    int m_nOffset;
};
