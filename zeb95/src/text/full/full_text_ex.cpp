#include "text/full/full_text_ex.h"

#include <cstring>
#include <set>

#include "files/block_io.h"
#include "globalmem.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_record.h"
#include "text/tables/bmp_table.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"

namespace {

struct MarkOut
{
    WORD wCode;
    ZebCharAttr attr;
};

// The marks the clip mode writes.
std::vector<MarkOut> WrittenMarks(const ZebDocRecord& doc)
{
    std::vector<MarkOut> marks;
    if ((doc.ClipMode() & kClipLineFeedMark) != 0)
        marks.push_back({doc.wLineFeedCode, doc.lineFeedAttr});
    if ((doc.ClipMode() & kClipFormFeedMark) != 0)
        marks.push_back({doc.wFormFeedCode, doc.formFeedAttr});
    return marks;
}

// Indexes in use, ascending: of fonts (attributes without break and bitmap
// flags) or of bitmaps (attributes with the bitmap flag), below nCount.
std::set<int> IndexesInUse(const ZebFullRun& run, const std::vector<MarkOut>& marks, bool bBitmaps, int nCount)
{
    std::set<int> used;
    auto take = [&](ZebCharAttr a) {
        const bool bBitmap = (a & ZebAttrBitmap) != 0;
        const bool bPlain = (a & (ZebAttrBitmap | ZebAttrBreak)) == 0;
        if ((bBitmaps ? bBitmap : bPlain) && AttrFont(a) < nCount)
            used.insert(AttrFont(a));
    };
    for (ZebCharAttr a : run.attrs)
        take(a);
    for (const MarkOut& mark : marks)
        take(mark.attr);
    return used;
}

int FontCount(ZebDocRecord& doc)
{
    const ZebFontTable* pTable = DocFontTable(doc, false);
    return pTable != nullptr ? pTable->Count() : 0;
}

SIZE_T DibBytes(const ZebDocRecord& doc, int nIndex) { return ::GlobalSize(doc.Bitmaps()->Entry(nIndex)->dib); }

void PutWordAt(std::vector<BYTE>& bytes, size_t nAt, DWORD dw) { PutLe32(bytes.data() + nAt, dw); }

void AppendFonts(std::vector<BYTE>& bytes, ZebDocRecord& doc, const std::set<int>& fonts)
{
    PutStoredWord(bytes, static_cast<DWORD>(fonts.size()));
    for (int nFont : fonts)
    {
        PutStoredWord(bytes, static_cast<DWORD>(nFont));
        PutLogFont(bytes, DocFontEntry(doc, nFont)->logfont);
    }
}

// The entries, then the data blocks; a DIB that cannot be locked is
// written as zeros of its size.
void AppendBitmaps(std::vector<BYTE>& bytes, const ZebDocRecord& doc, const std::set<int>& bitmaps)
{
    PutStoredWord(bytes, static_cast<DWORD>(bitmaps.size()));
    size_t nData = bytes.size() + kFullTextBmpEntryBytes * bitmaps.size();
    for (int nBmp : bitmaps)
    {
        PutStoredWord(bytes, static_cast<DWORD>(nBmp));
        PutStoredWord(bytes, static_cast<DWORD>(DibBytes(doc, nBmp)));
        PutStoredWord(bytes, static_cast<DWORD>(nData));
        nData += DibBytes(doc, nBmp);
    }
    for (int nBmp : bitmaps)
    {
        HGLOBAL hDib = doc.Bitmaps()->Entry(nBmp)->dib;
        const size_t nAt = bytes.size();
        bytes.resize(nAt + DibBytes(doc, nBmp));
        CGlobalLock lock(hDib);
        if (lock)
            std::memcpy(bytes.data() + nAt, lock.Bytes(), DibBytes(doc, nBmp));
    }
}

}  // namespace

std::vector<BYTE> ExtendedFullText(ZebDocRecord& doc, const ZebFullRun& run)
{
    std::vector<BYTE> bytes(kFullTextHeaderBytes, 0);
    PutWordAt(bytes, kFullHeaderMagic, kFullTextMagic);
    AppendPlainFullText(bytes, run);
    PutWordAt(bytes, kFullHeaderPlain, static_cast<DWORD>(bytes.size() - kFullTextHeaderBytes));
    const std::vector<MarkOut> marks = WrittenMarks(doc);
    const int nMode = doc.ClipMode();
    for (int nBit : {kClipLineFeedMark, kClipFormFeedMark})
    {
        if ((nMode & nBit) == 0)
            continue;
        const MarkOut& mark = nBit == kClipLineFeedMark ? marks.front() : marks.back();
        PutStoredWord(bytes, mark.wCode);
        PutStoredWord(bytes, mark.attr);
        PutWordAt(bytes, nBit == kClipLineFeedMark ? kFullHeaderLineFeed : kFullHeaderFormFeed, kFullTextMarkBytes);
    }
    const std::set<int> fonts = IndexesInUse(run, marks, false, FontCount(doc));
    if ((nMode & kClipFonts) != 0 && !fonts.empty())
    {
        const size_t nAt = bytes.size();
        AppendFonts(bytes, doc, fonts);
        PutWordAt(bytes, kFullHeaderFonts, static_cast<DWORD>(bytes.size() - nAt));
    }
    const std::set<int> bitmaps = IndexesInUse(run, marks, true, doc.Bitmaps()->Count());
    if ((nMode & kClipBitmaps) != 0 && !bitmaps.empty())
    {
        const size_t nAt = bytes.size();
        AppendBitmaps(bytes, doc, bitmaps);
        PutWordAt(bytes, kFullHeaderBitmaps, static_cast<DWORD>(bytes.size() - nAt));
    }
    PutWordAt(bytes, kFullHeaderTotal, static_cast<DWORD>(bytes.size()));
    return bytes;
}

UINT64 ExtendedFullTextQuery(ZebDocRecord& doc, const ZebFullRun& run)
{
    const std::vector<MarkOut> marks = WrittenMarks(doc);
    UINT64 n = kFullTextHeaderBytes + PlainFullTextBytes(run.text.size()) + kFullTextMarkBytes * marks.size();
    const int nMode = doc.ClipMode();
    if ((nMode & kClipFonts) != 0)
        n += 4 + kFullTextFontBytes * IndexesInUse(run, marks, false, FontCount(doc)).size();
    if ((nMode & kClipBitmaps) != 0)
    {
        n += 4;
        for (int nBmp : IndexesInUse(run, marks, true, doc.Bitmaps()->Count()))
            n += kFullTextBmpEntryBytes + DibBytes(doc, nBmp);
    }
    return n;
}
