#include "text/full/full_text_insert.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"
#include "globalmem.h"
#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/block_edit.h"
#include "text/edit/plain_insert.h"
#include "text/full/full_text_ex.h"
#include "text/full/full_text_parse.h"
#include "text/layout/line_layout.h"
#include "text/select/doc_positions.h"
#include "text/tables/bmp_table.h"
#include "text/tables/font_table.h"
#include "text/view/doc_invalidate.h"

namespace {

const int kNoIndex = -1;
const int kAfterInsert = kCaretScroll | kCaretTakeAttrs;

// Source indexes to receiver indexes; kNoIndex: not bound.
struct IndexMaps
{
    bool bFonts = false;
    bool bBitmaps = false;
    int fonts[256];
    int bitmaps[256];

    IndexMaps()
    {
        std::fill(fonts, fonts + 256, 0);
        std::fill(bitmaps, bitmaps + 256, kNoIndex);
    }

    // The attribute as the receiver holds it: fonts mapped (unlisted: 0) when
    // the fonts were taken; a bitmap that is not bound a plain character in
    // font 0.
    ZebCharAttr Map(ZebCharAttr a) const
    {
        if ((a & ZebAttrBitmap) != 0)
        {
            const int nTo = bBitmaps ? bitmaps[AttrFont(a)] : kNoIndex;
            return nTo != kNoIndex ? AttrWithFont(a, nTo) : AttrWithFont(a & ~ZebAttrBitmap, 0);
        }
        if (bFonts && (a & ZebAttrBreak) == 0)
            return AttrWithFont(a, fonts[AttrFont(a)]);
        return a;
    }
};

// Copies of the bitmaps' data as DIB handles, each with a palette of its
// own when its slot held one; false (nothing kept) when one is no DIB that
// the library's files take.
bool CopyBitmaps(const ZebFullText& full, std::vector<HGLOBAL>* pDibs)
{
    for (const ZebFullBmp& bmp : full.bitmaps)
    {
        HGLOBAL hDib = ::GlobalAlloc(GMEM_MOVEABLE, bmp.cb);
        bool bDib = false;
        if (hDib != nullptr)
        {
            pDibs->push_back(hDib);
            CGlobalLock lock(hDib);
            DibGeometry g = {};
            if (lock)
                std::memcpy(lock.Bytes(), bmp.pData, bmp.cb);
            BITMAPINFOHEADER info = {};
            bDib = GetCheckedGeometry(hDib, lock, &g) && g.dwHeaderSize == sizeof(info);
            if (bDib)
                std::memcpy(&info, lock.Bytes(), sizeof(info));
            bDib = bDib && IsReadableDibHeader(info);
            if (bDib && ReadPaletteSlot(lock.Bytes() + DibSlotOffset(g)) != nullptr)
                WritePaletteSlot(lock.Bytes() + DibSlotOffset(g), CreatePackedDibPalette(lock.Bytes()));
        }
        if (!bDib)
        {
            for (HGLOBAL h : *pDibs)
                DestroyDib(h);
            pDibs->clear();
            return false;
        }
    }
    return true;
}

// Fonts the receiver's table lacks.
int MissingFonts(ZebDocRecord& doc, const ZebFullText& full)
{
    const ZebFontTable* pTable = DocFontTable(doc, false);
    int n = 0;
    for (const ZebFullFont& font : full.fonts)
        n += pTable == nullptr || pTable->Find(font.lf) < 0 ? 1 : 0;
    return n;
}

// The fonts found or appended; false when one cannot be added.
bool TakeFonts(HWND hwnd, ZebDocRecord& doc, const ZebFullText& full, IndexMaps& maps)
{
    maps.bFonts = true;
    for (const ZebFullFont& font : full.fonts)
    {
        const ZebFontTable* pTable = DocFontTable(doc, true);
        int nIndex = pTable != nullptr ? pTable->Find(font.lf) : kNoIndex;
        if (nIndex < 0)
            nIndex = DocInsertFont(hwnd, font.lf, -1);
        if (nIndex < 0)
            return false;
        maps.fonts[font.nIndex] = nIndex;
    }
    return true;
}

// The DIBs appended; on failure the ones not taken are destroyed.
bool TakeBitmaps(HWND hwnd, const ZebFullText& full, std::vector<HGLOBAL>& dibs, IndexMaps& maps)
{
    maps.bBitmaps = true;
    for (size_t i = 0; i < dibs.size(); ++i)
    {
        const int nIndex = DocAddBmp(hwnd, -1, dibs[i], nullptr);
        if (nIndex < 0)
        {
            for (size_t j = i; j < dibs.size(); ++j)
                DestroyDib(dibs[j]);
            return false;
        }
        maps.bitmaps[full.bitmaps[i].nIndex] = nIndex;
    }
    return true;
}

// The marks of the full text that the clip mode takes; true when one was.
bool TakeMarks(HWND hwnd, ZebDocRecord& doc, const ZebFullText& full, const IndexMaps& maps)
{
    const int nMode = doc.ClipMode();
    const bool bLineFeed = full.bLineFeedMark && (nMode & kClipLineFeedMark) != 0;
    const bool bFormFeed = full.bFormFeedMark && (nMode & kClipFormFeedMark) != 0;
    if (bLineFeed)
    {
        doc.wLineFeedCode = full.lineFeed.wCode;
        doc.lineFeedAttr = maps.Map(full.lineFeed.attr);
    }
    if (bFormFeed)
    {
        doc.wFormFeedCode = full.formFeed.wCode;
        doc.formFeedAttr = maps.Map(full.formFeed.attr);
    }
    if (bLineFeed || bFormFeed)
        InvalidateObj(hwnd);
    return bLineFeed || bFormFeed;
}

// Lays out from the line the insertion can move (or all lines), repaints
// from there and puts the caret after the inserted text.
int FinishInsert(HWND hwnd, ZebDocRecord& doc, const ZebTextSpot& end, bool bAllLines)
{
    const POINT caret = doc.head.CaretPos();
    const int nLine = bAllLines ? 0 : RelayoutStartLine(*doc.Lines(), caret.x, caret.y);
    DocReflowFrom(hwnd, nLine);
    DocWaitLayout(hwnd, -1);
    const POINT from = {0, caret.x <= 2 && caret.y > 0 ? caret.y - 1 : caret.y};
    DocInvalidateRange(hwnd, bAllLines ? nullptr : &from, nullptr);
    POINT after = {};
    if (!BlockToPosition(hwnd, end.block, end.offset, &after))
        return 0;
    DocSetCaret(hwnd, after.x, after.y, kAfterInsert);
    return 1;
}

// Stores the bytes at the spot in pieces of at most 4,000 bytes (3,999
// when the 4,000th is a lead byte); false when a block cannot be made.
bool StoreRun(ZebDocRecord& doc, const ZebFullText& full, const IndexMaps& maps, ZebTextSpot* pSpot)
{
    std::vector<ZebCharAttr> attrs(kZebMostPieceBytes);
    for (DWORD nAt = 0; nAt < full.n;)
    {
        DWORD nPiece = full.n - nAt < static_cast<DWORD>(kZebMostPieceBytes) ? full.n - nAt : kZebMostPieceBytes;
        for (DWORD i = 0; i < nPiece; ++i)
            attrs[i] = maps.Map(full.Attr(nAt + i));
        if (nPiece == static_cast<DWORD>(kZebMostPieceBytes) && (attrs[nPiece - 1] & ZebAttrLead) != 0)
            --nPiece;
        if (!StoreBytes(*doc.Blocks(), *pSpot, reinterpret_cast<const char*>(full.pText) + nAt, attrs.data(),
                        static_cast<int>(nPiece)))
            return false;
        nAt += nPiece;
    }
    return true;
}

int InsertMapped(HWND hwnd, ZebDocRecord& doc, const ZebFullText& full, const IndexMaps& maps, bool bAllLines)
{
    ZebLayoutPause pause(hwnd);
    const POINT caret = doc.head.CaretPos();
    ZebTextSpot end = {};
    if (!DocPositionSpot(doc, caret.x, caret.y, false, &end))
        return 0;
    const bool bStored = StoreRun(doc, full, maps, &end);
    return FinishInsert(hwnd, doc, end, bAllLines) != 0 && bStored ? 1 : 0;
}

}  // namespace

int DocInsertPlainFullText(HWND hwnd, const ZebFullText& full, const int* pFontMap)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    IndexMaps asTheyCome;
    asTheyCome.bBitmaps = true;
    asTheyCome.bFonts = pFontMap != nullptr;
    for (int i = 0; i < 256; ++i)
    {
        asTheyCome.bitmaps[i] = i;
        asTheyCome.fonts[i] = pFontMap != nullptr ? pFontMap[i] : i;
    }
    return InsertMapped(hwnd, *pDoc, full, asTheyCome, false);
}

int DocInsertFullText(HWND hwnd, const BYTE* pBuffer, UINT64 cb, ZebFullSource source)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    ZebFullText full;
    if (pDoc == nullptr || !ParseFullText(pBuffer, cb, &full))
        return 0;
    if (!full.bExtended && source == ZebFullSource::Caller)
        return DocInsertPlainFullText(hwnd, full);
    const int nMode = pDoc->ClipMode();
    const bool bFonts = (nMode & kClipFonts) != 0 && !full.fonts.empty();
    const bool bBitmaps = (nMode & kClipBitmaps) != 0 && !full.bitmaps.empty();
    const ZebFontTable* pTable = DocFontTable(*pDoc, false);
    const int nFonts = pTable != nullptr ? pTable->Count() : 0;
    if ((bFonts && MissingFonts(*pDoc, full) > kZebMostFonts - nFonts) ||
        (bBitmaps && static_cast<int>(full.bitmaps.size()) > kZebMostBitmaps - pDoc->Bitmaps()->Count()))
        return 0;
    std::vector<HGLOBAL> dibs;
    if (bBitmaps && !CopyBitmaps(full, &dibs))
        return 0;
    IndexMaps maps;
    if (bFonts && !TakeFonts(hwnd, *pDoc, full, maps))
    {
        for (HGLOBAL h : dibs)
            DestroyDib(h);
        return 0;
    }
    if (bBitmaps && !TakeBitmaps(hwnd, full, dibs, maps))
        return 0;
    ZebLayoutPause pause(hwnd);
    const bool bMarks = TakeMarks(hwnd, *pDoc, full, maps);
    return InsertMapped(hwnd, *pDoc, full, maps, bMarks);
}
