// The extended full text: a 32-byte header (magic 0xBCB0B2DF, total size,
// then the sizes of the plain full text, the line-feed mark, the form-feed
// mark, the font and the bitmap sections, and 0), the plain full text, and
// the sections that the clip mode's bits choose: 1 the line-feed mark, 2
// the form-feed mark (each u16 code, u16 0, u32 attribute), 4 the fonts
// used (u32 count, then u32 source index and 60-byte LOGFONT each), 8 the
// inline bitmaps used (u32 count, then u32 source index, u32 size, u32
// offset from the buffer's start each, then their DIB handles' whole
// blocks in that order).
#pragma once
#include <windows.h>

#include <vector>

#include "text/full/full_run.h"

struct ZebDocRecord;

const DWORD kFullTextMagic = 0xBCB0B2DF;
const DWORD kFullTextHeaderBytes = 32;
const DWORD kFullTextMarkBytes = 8;
const DWORD kFullTextFontBytes = 64;
const DWORD kFullTextBmpEntryBytes = 12;

// Clip-mode bits: what the extended form carries and a paste takes.
const int kClipLineFeedMark = 0x01;
const int kClipFormFeedMark = 0x02;
const int kClipFonts = 0x04;
const int kClipBitmaps = 0x08;

// Offsets of the header's words.
enum ZebFullTextHeaderWord
{
    kFullHeaderMagic = 0,
    kFullHeaderTotal = 4,
    kFullHeaderPlain = 8,
    kFullHeaderLineFeed = 12,
    kFullHeaderFormFeed = 16,
    kFullHeaderFonts = 20,
    kFullHeaderBitmaps = 24,
};

// The extended form of the run of the document by its clip mode; a
// section with nothing in use is left out.
std::vector<BYTE> ExtendedFullText(ZebDocRecord& doc, const ZebFullRun& run);
// What the length query answers for the run: the header, the plain full
// text, 8 per mark bit and, with their bits, the font and bitmap sections
// counted with their 4-byte counts even when empty (so it may exceed the
// total by 4 or 8).
UINT64 ExtendedFullTextQuery(ZebDocRecord& doc, const ZebFullRun& run);
