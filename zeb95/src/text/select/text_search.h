// String search in a document's text storage, in place: no gap moves, so
// that a search may run while the layout thread reads the blocks.
#pragma once
#include "text/edit/text_spot.h"

class ZebBlockList;

const int kFindBackward = 1;
const int kFindFoldCase = 2;
const int kFindReportOnly = 4;

// Finds the zero-terminated pattern from the spot: forward from the
// character at the spot on, backward from the character before it back.
// Candidates start only at character starts. With kFindFoldCase the
// letters a-z and A-Z of single-byte characters match either case; the
// bytes of double-byte characters match only themselves. true with the
// match's first byte and the spot after its last byte.
bool FindInBlocks(const ZebBlockList& blocks, ZebTextSpot from, const char* pszPattern, int nFlags,
                  ZebTextSpot* pStart, ZebTextSpot* pEnd);
