// A place in a document's text storage: a block index and a logical offset
// in that block, and the walks over the blocks that editing and search use.
#pragma once
#include "text/storage/char_attr.h"

class ZebBlockList;

struct ZebTextSpot
{
    int block;
    int offset;
};

// a comes before b in the text.
inline bool SpotBefore(const ZebTextSpot& a, const ZebTextSpot& b)
{
    return a.block < b.block || (a.block == b.block && a.offset < b.offset);
}

// Carries the spot into the block that holds it (ZebBlockList::Carry). For
// inserting, an offset at the end of a block's text stays there; for
// deleting (bAtByte), it moves on to a following block so that a byte
// follows it. false when the spot lies outside the text (for bAtByte: when
// no byte follows it).
bool SpotNormalise(const ZebBlockList& blocks, ZebTextSpot& spot, bool bAtByte);
// The spot one byte on or back, over block edges; false at the end or the
// start of the text. The spot must stand at a byte (forward) or after one
// (backward).
bool SpotNextByte(const ZebBlockList& blocks, ZebTextSpot& spot);
bool SpotPrevByte(const ZebBlockList& blocks, ZebTextSpot& spot);
// The byte and the attribute at a spot that stands at a byte.
char SpotByte(const ZebBlockList& blocks, const ZebTextSpot& spot);
ZebCharAttr SpotAttr(const ZebBlockList& blocks, const ZebTextSpot& spot);
