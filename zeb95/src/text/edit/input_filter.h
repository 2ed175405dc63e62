// The input filter of typed characters: a match string and a replacement
// string read as two-byte cells at the same positions.
#pragma once

// The code that a typed character (at most 255: one byte; above: lead byte
// x 256 + trail byte) becomes. A single-byte character c matches the cell
// (c, space), a double-byte one the cell (lead, trail); the cell 0x7F 'A'
// matches any single-byte character, 0x7F 'K' any double-byte one; the
// first matching cell counts. Its replacement cell (b0, b1) gives b0 alone
// when b0 is no lead byte, the double-byte character when b1 is its trail
// byte, else 127. Without a match string (shorter than one cell) or
// without a match the character stays; a match without a replacement cell
// gives 127. 127 means: drop the character.
int DocFilterChar(const char* pszMatch, const char* pszReplacement, int nCode);
