// Changes of the text storage at a spot: bytes stored with the block split
// rules, a character or a range erased with emptied blocks freed. Callers
// stop the layout thread first and lay the lines out again after.
#pragma once
#include "text/edit/text_spot.h"
#include "text/storage/char_attr.h"

class ZebBlockList;

// Stores n bytes (at most 4,002, never parting a character) and their
// attributes at the spot, which then stands after them. Without room in
// the spot's block: at offset 0 the bytes go into a new block before it;
// elsewhere the bytes after the spot move into a new block after it, and
// the bytes go at the spot when that made room enough, else at the start
// of the new block. false when no block can be made (nothing stored).
bool StoreBytes(ZebBlockList& blocks, ZebTextSpot& spot, const char* pText, const ZebCharAttr* pAttrs, int n);
// Erases the character at the spot (which stands at a byte): both bytes of
// a double-byte character, also when the spot is on its trail byte, where
// the spot then steps back to the lead byte; nothing for a trail byte that
// starts a block, whose lead byte ends the block before. A block other than block 0
// that is left empty is freed; the spot then stands where the text goes on.
// The bytes erased, 0 when none.
int EraseChar(ZebBlockList& blocks, ZebTextSpot& spot);
// Erases the text from the start (standing at a byte) to the end (not
// included), freeing the blocks between and those left empty but block 0;
// the start then stands where the text goes on. false for an end before
// the start.
bool EraseRange(ZebBlockList& blocks, ZebTextSpot& start, const ZebTextSpot& end);
// Gives every byte from the start to the end (not included) the font
// index, but inline bitmaps; the flags stay.
void SetRangeFont(ZebBlockList& blocks, ZebTextSpot start, const ZebTextSpot& end, int nFont);
