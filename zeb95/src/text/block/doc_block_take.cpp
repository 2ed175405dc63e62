#include "text/block/doc_block_take.h"

#include <cstring>

#include "dib/dib_handle.h"
#include "files/block_io.h"
#include "files/stored_object.h"
#include "objects/global_mem.h"
#include "objects/obj_children.h"
#include "text/block/doc_block_image.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/full/full_text_insert.h"
#include "text/storage/engine_alloc.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"

namespace {

const DWORD kKeptStyles = WS_BORDER | WS_HSCROLL | WS_VSCROLL;
const size_t kScrollOriginWord = 92;
const size_t kFixedSizeWord = 96;
const size_t kVerticalWord = 100;
const int kMostImeMode = 7;
const int kLeastVPos = -6;
const int kMostVPos = 127;

LONG ImageLong(const std::vector<BYTE>& image, size_t nOffset) { return static_cast<LONG>(ImageDword(image, nOffset)); }

// The shared table's users and the stored fonts it lacks.
bool SharedFontsFit(ZebDocRecord& doc, const std::vector<LOGFONTA>& fonts)
{
    const ZebFontTable* pTable = DocFontTable(doc, false);
    int nMissing = 0;
    for (const LOGFONTA& lf : fonts)
        nMissing += pTable == nullptr || pTable->Find(lf) < 0 ? 1 : 0;
    return nMissing <= kZebMostFonts - (pTable != nullptr ? pTable->Count() : 0);
}

bool IsShared(ZebDocRecord& doc)
{
    const ZebFontTable* pTable = DocFontTable(doc, false);
    return pTable != nullptr && pTable->IsShared();
}

void TakeStrings(ZebDocRecord& doc, ZebDocBlockData& data)
{
    ZebObjRecord& head = doc.head;
    if (head.Cursor() != nullptr)
        ::DestroyCursor(head.Cursor());
    head.SetCursor(data.hCursor);
    data.hCursor = nullptr;
    LockedGlobalFree(head.Text());
    head.SetText(data.bText ? LockedGlobalStrDup(data.text.c_str()) : nullptr);
    LockedGlobalFree(head.LineStartString());
    head.SetLineStartString(data.bLineStart ? LockedGlobalStrDup(data.lineStart.c_str()) : nullptr);
}

void TakeStyles(HWND hwnd, ZebObjRecord& head, const std::vector<BYTE>& image)
{
    const DWORD dwStyle = StoredWord(image, kStyleWord) & kKeptStyles;
    head.SetStyle(dwStyle);
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(kKeptStyles);
    ::SetWindowLongPtrA(hwnd, GWL_STYLE, style | static_cast<LONG_PTR>(dwStyle));
    head.SetTransparent(StoredWord(image, kTransparentWord) != 0);
    head.SetClientEdge(StoredWord(image, kClientEdgeWord) != 0);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle | (head.HasClientEdge() ? WS_EX_CLIENTEDGE : 0));
}

void TakeMarks(ZebDocRecord& doc, const std::vector<BYTE>& image)
{
    doc.wFormFeedCode = ImageWord(image, kImageFormFeedCode);
    doc.formFeedAttr = ImageDword(image, kImageFormFeedAttr);
    doc.wLineFeedCode = ImageWord(image, kImageLineFeedCode);
    doc.lineFeedAttr = ImageDword(image, kImageLineFeedAttr);
}

// The settings of the image; modes outside their ranges become 0.
void TakeFields(HWND hwnd, ZebDocRecord& doc, const std::vector<BYTE>& image)
{
    ZebObjRecord& head = doc.head;
    std::memcpy(reinterpret_cast<BYTE*>(&doc) + kImageReservedArea, image.data() + kImageReservedArea,
                kImageReservedBytes);
    TakeStyles(hwnd, head, image);
    head.SetBkColor(StoredWord(image, kBkColorWord));
    head.SetBorderColor(StoredWord(image, kBkColorWord + 1));
    head.SetDefaultColors(StoredWord(image, kBkColorWord + 2), StoredWord(image, kBkColorWord + 3),
                          StoredWord(image, kBkColorWord + 4));
    head.SetForeColor(StoredWord(image, kForeColorWord));
    head.SetPointerNumber(StoredWord(image, kPointerWord));
    head.SetViewMode(StoredWord(image, kViewModeWord));
    head.SetOrigin({static_cast<LONG>(StoredWord(image, kScrollOriginWord)),
                    static_cast<LONG>(StoredWord(image, kScrollOriginWord + 1))});
    head.SetPageSize({static_cast<LONG>(StoredWord(image, kFixedSizeWord)),
                      static_cast<LONG>(StoredWord(image, kFixedSizeWord + 1))});
    head.SetVertical(StoredWord(image, kVerticalWord));
    doc.nDocWidth = ImageLong(image, kImageDocSize);
    doc.nDocHeight = ImageLong(image, kImageDocSize + 4);
    doc.nLimit = ImageLong(image, kImageLimit);
    const LONG nVPos = ImageLong(image, kImageTypingVPos);
    doc.nTypingVPos = nVPos >= kLeastVPos && nVPos <= kMostVPos ? nVPos : 0;
    doc.nTypingColor = ImageLong(image, kImageTypingColor) & 0x0F;
    TakeMarks(doc, image);
    const LONG nIme = ImageLong(image, kImageImeMode);
    doc.nImeMode = nIme >= 0 && nIme <= kMostImeMode ? nIme : 0;
    const LONG nStatic = ImageLong(image, kImageStaticMode);
    doc.nStaticMode = nStatic >= 0 && nStatic <= kDocReadOnly ? nStatic : 0;
}

// A table of the stored fonts as they were (a vertical table's fonts were
// stored turned, so they go in turned back once).
bool TakeOwnFonts(HWND hwnd, ZebDocRecord& doc, const std::vector<LOGFONTA>& fonts)
{
    const bool bVertical = doc.head.Vertical() != 0;
    ZebFontTable* pTable = ZebNew<ZebFontTable>(false, bVertical);
    for (size_t i = 0; pTable != nullptr && i < fonts.size(); ++i)
    {
        LOGFONTA lf = fonts[i];
        if (bVertical)
        {
            lf.lfEscapement = RoundEscapement(lf.lfEscapement, 1);
            lf.lfOrientation = RoundEscapement(lf.lfOrientation, 1);
        }
        if (pTable->Insert(hwnd, lf, -1, {}) != static_cast<int>(i))
        {
            ZebDelete(pTable);
            return false;
        }
    }
    if (pTable == nullptr)
        return false;
    ZebDelete(doc.OwnFonts());
    doc.SetOwnFonts(pTable);
    const int nCount = pTable->Count();
    doc.nTypingFont = doc.nTypingFont < nCount ? doc.nTypingFont : 0;
    doc.nCurrentFont = doc.nCurrentFont < nCount ? doc.nCurrentFont : 0;
    return true;
}

// The stored fonts found in the shared table or added to it: map[i] is
// the index of stored font i.
bool TakeSharedFonts(HWND hwnd, ZebDocRecord& doc, const std::vector<LOGFONTA>& fonts, int* pMap)
{
    for (size_t i = 0; i < fonts.size(); ++i)
    {
        const ZebFontTable* pTable = DocFontTable(doc, true);
        int nIndex = pTable != nullptr ? pTable->Find(fonts[i]) : -1;
        if (nIndex < 0)
            nIndex = DocInsertFont(hwnd, fonts[i], -1);
        if (nIndex < 0)
            return false;
        pMap[i] = nIndex;
    }
    return true;
}

bool TakeBitmaps(HWND hwnd, ZebDocBlockData& data)
{
    DocRemoveBmp(hwnd, -1);
    for (ZebDocBlockBmp& bmp : data.bitmaps)
    {
        if (DocAddBmp(hwnd, -1, bmp.hDib, bmp.bNamed ? bmp.name.c_str() : nullptr) < 0)
            return false;
        bmp.hDib = nullptr;
    }
    return true;
}

// Fonts, bitmaps, marks and text of the variable part; with shared fonts
// the text's and the marks' font indexes go through the map.
bool TakeVariable(HWND hwnd, ZebDocRecord& doc, ZebDocBlockData& data)
{
    int map[kZebMostFonts] = {};
    const bool bShared = IsShared(doc);
    if (!data.fonts.empty() &&
        !(bShared ? TakeSharedFonts(hwnd, doc, data.fonts, map) : TakeOwnFonts(hwnd, doc, data.fonts)))
        return false;
    if (!TakeBitmaps(hwnd, data))
        return false;
    TakeMarks(doc, data.image);
    if (bShared)
    {
        for (ZebCharAttr* pMark : {&doc.lineFeedAttr, &doc.formFeedAttr})
        {
            if ((*pMark & ZebAttrBitmap) == 0)
                *pMark = AttrWithFont(*pMark, map[AttrFont(*pMark)]);
        }
    }
    DocClearText(hwnd);
    return DocInsertPlainFullText(hwnd, data.full, bShared ? map : nullptr) != 0;
}

}  // namespace

bool DocBlockFits(HWND hwnd, const ZebDocBlockData& data)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr && (!IsShared(*pDoc) || SharedFontsFit(*pDoc, data.fonts));
}

bool DocTakeBlock(HWND hwnd, ZebDocBlockData& data)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return false;
    ZebLayoutPause pause(hwnd);
    TakeStrings(*pDoc, data);
    TakeFields(hwnd, *pDoc, data.image);
    MoveToStoredPlace(hwnd, data.image);
    DocApplySize(hwnd);
    RefreshObjFrame(hwnd);
    if (data.bVariable && !TakeVariable(hwnd, *pDoc, data))
    {
        DocRelayout(hwnd);
        return false;
    }
    InvalidateObj(hwnd);
    return true;
}
