// What a "DO" block gives, checked and held aside, and its taking over
// into the document.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "text/full/full_text_parse.h"

struct ZebDocBlockBmp
{
    HGLOBAL hDib = nullptr;
    std::string name;
    bool bNamed = false;
};

// The destructor frees what was not taken.
struct ZebDocBlockData
{
    ZebDocBlockData() = default;
    ~ZebDocBlockData();
    ZebDocBlockData(const ZebDocBlockData&) = delete;
    ZebDocBlockData& operator=(const ZebDocBlockData&) = delete;

    std::vector<BYTE> image;  // the fixed part, the record image first
    HCURSOR hCursor = nullptr;
    std::string text;
    bool bText = false;
    std::string lineStart;
    bool bLineStart = false;
    bool bVariable = false;  // fonts, bitmaps and text follow
    std::vector<LOGFONTA> fonts;
    std::vector<ZebDocBlockBmp> bitmaps;
    std::vector<BYTE> textBytes;
    ZebFullText full;  // over textBytes
};

// Whether the document's tables can take the block's fonts and bitmaps
// (a whiteboard's shared fonts the block lacks, at most 256 in all).
bool DocBlockFits(HWND hwnd, const ZebDocBlockData& data);
// The record's stored fields, its place and size, then (with a variable
// part) its own font table made of the stored fonts (font 0 included) or
// the stored fonts found in or added to the shared one, the bitmaps in
// place of the document's, the marks and the text. false when a font or
// bitmap cannot be made (the document is then relaid out as it is).
bool DocTakeBlock(HWND hwnd, ZebDocBlockData& data);
