#include "text/block/doc_block_image.h"

#include <algorithm>

#include "files/block_io.h"
#include "files/stored_object.h"
#include "text/doc/doc_record.h"

namespace {

void PutWordAt(std::vector<BYTE>& image, size_t nOffset, WORD w)
{
    image[nOffset] = static_cast<BYTE>(w & 0xFF);
    image[nOffset + 1] = static_cast<BYTE>(w >> 8);
}

void PutDwordAt(std::vector<BYTE>& image, size_t nOffset, DWORD dw)
{
    for (size_t i = 0; i < 4; ++i)
        image[nOffset + i] = static_cast<BYTE>(dw >> (8 * i));
}

}  // namespace

std::vector<BYTE> DocRecordImage(const ZebDocRecord& doc, const ZebDocFixedTail& tail, DWORD nFonts,
                                 DWORD nBitmaps)
{
    // The fields read back (and the version and kind) as held; every other
    // byte 0, so that a document read back writes the same block.
    struct Range
    {
        size_t nAt;
        size_t cb;
    };
    static const Range kKept[] = {{0, 4},     {12, 4},   {28, 4},   {36, 260}, {296, 24}, {324, 4}, {336, 4},
                                  {352, 8},   {368, 24}, {392, 12}, {492, 20}, {548, 4}};
    const std::vector<BYTE> held = StoredObjRecord(&doc, kDocImageBytes);
    std::vector<BYTE> image(kDocImageBytes, 0);
    for (const Range& range : kKept)
        std::copy(held.begin() + static_cast<long>(range.nAt), held.begin() + static_cast<long>(range.nAt + range.cb),
                  image.begin() + static_cast<long>(range.nAt));
    const DWORD cbCursor = static_cast<DWORD>(tail.cursor.size());
    const DWORD cbText = static_cast<DWORD>(tail.text.size());
    const DWORD cbLineStart = static_cast<DWORD>(tail.lineStart.size());
    SetStoredWord(image, kCursorWord, cbCursor);
    SetStoredWord(image, kTextWord, cbText != 0 ? PieceWord(cbCursor, cbText) : 0);
    SetStoredWord(image, kLineStartWord, cbLineStart != 0 ? PieceWord(cbCursor + cbText, cbLineStart) : 0);
    PutDwordAt(image, kImageBitmapCount, nBitmaps);
    PutDwordAt(image, kImageFontCount, nFonts);
    PutWordAt(image, kImageFormFeedCode, doc.wFormFeedCode);
    PutDwordAt(image, kImageFormFeedAttr, doc.formFeedAttr);
    PutWordAt(image, kImageLineFeedCode, doc.wLineFeedCode);
    PutDwordAt(image, kImageLineFeedAttr, doc.lineFeedAttr);
    PutDwordAt(image, kImageImeMode, static_cast<DWORD>(doc.nImeMode));
    return image;
}

DWORD ImageDword(const std::vector<BYTE>& image, size_t nOffset) { return StoredDword(image, nOffset); }

WORD ImageWord(const std::vector<BYTE>& image, size_t nOffset)
{
    return nOffset + 2 <= image.size() ? static_cast<WORD>(image[nOffset] | (image[nOffset + 1] << 8)) : 0;
}
