// The "DO" block of a text document: the 8-byte block header, the fixed
// part (the 820-byte record image, then the cursor record, the object text
// and the line-start string, each string with its NUL), and the variable
// part (the font entries, the inline bitmaps and the text as plain full
// text). Offsets below are bytes of the record image.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ZebDocRecord;

const DWORD kDocImageBytes = 820;
const DWORD kDocFontEntryBytes = 576;  // u32 handle, 256 x u16 widths, LOGFONT
const DWORD kMostDocFixedBytes = 0xFFFF;

enum DocImageOffset : size_t
{
    kImageReservedArea = 36,
    kImageReservedBytes = 260,
    kImageBitmapCount = 420,
    kImageFontCount = 448,
    kImageDocSize = 492,
    kImageLimit = 500,
    kImageTypingVPos = 504,
    kImageTypingColor = 508,
    kImageFormFeedCode = 512,
    kImageFormFeedAttr = 514,
    kImageLineFeedCode = 518,
    kImageLineFeedAttr = 520,
    kImageImeMode = 524,
    kImageStaticMode = 548,
};

// What the fixed part carries after the image.
struct ZebDocFixedTail
{
    std::vector<BYTE> cursor;  // the cursor record, empty without cursor
    std::string text;          // the object text with its NUL, empty without
    std::string lineStart;     // the line-start string with its NUL, empty without
};

// The image of the record with the cursor length and the string locators
// of the tail, the font and bitmap counts given, and the marks and the IME
// mode at their stored places.
std::vector<BYTE> DocRecordImage(const ZebDocRecord& doc, const ZebDocFixedTail& tail, DWORD nFonts,
                                 DWORD nBitmaps);

// Little-endian values of the image.
DWORD ImageDword(const std::vector<BYTE>& image, size_t nOffset);
WORD ImageWord(const std::vector<BYTE>& image, size_t nOffset);
