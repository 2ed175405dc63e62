// A plain NUL-terminated string put into the text storage in pieces: a
// piece ends at a line break (CR LF, a lone CR or a lone LF: one line feed
// byte), at a form feed (one form feed byte) or after 4,000 bytes, where
// the next piece goes on in the same line.
#pragma once
#include "text/edit/text_spot.h"
#include "text/storage/char_attr.h"

class ZebBlockList;

const int kZebMostPieceBytes = 4000;

// Stores the string at the spot, which then stands after it. Every byte
// takes the attribute (its flags cleared); breaks get ZebAttrBreak. With
// bShiftJis a lead byte followed by a trail byte makes a double-byte
// character (ZebAttrLead, ZebAttrTrail); a lead byte followed by anything
// else (a break, the end of the string) is no character and is left out.
// false when a block cannot be made: what was stored so far stays.
bool StorePlainText(ZebBlockList& blocks, ZebTextSpot& spot, const char* psz, ZebCharAttr attr, bool bShiftJis);
