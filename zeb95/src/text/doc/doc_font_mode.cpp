#include "text/doc/doc_font_mode.h"

#include <new>
#include <vector>

#include "objects/obj_classes.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/storage/engine_alloc.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"
#include "whiteboard/wb_record.h"

namespace {

// Old font number -> new one; numbers without an entry become 0.
using FontMap = std::vector<int>;

int Mapped(const FontMap& map, int nFont)
{
    return nFont >= 0 && nFont < static_cast<int>(map.size()) ? map[static_cast<size_t>(nFont)] : 0;
}

bool IsFontAttr(ZebCharAttr a) { return (a & ZebAttrBitmap) == 0; }

// The documents' font numbers, text and marks (fonts only), typing and
// default font, renumbered through the map.
void Renumber(ZebDocRecord& doc, const FontMap& map)
{
    auto apply = [&](ZebCharAttr& a) {
        if (IsFontAttr(a))
            a = AttrWithFont(a, Mapped(map, AttrFont(a)));
    };
    if (doc.Blocks() != nullptr)
        ForEachAttr(*doc.Blocks(), apply);
    apply(doc.lineFeedAttr);
    apply(doc.formFeedAttr);
    doc.nTypingFont = Mapped(map, doc.nTypingFont);
    doc.nCurrentFont = Mapped(map, doc.nCurrentFont);
}

// The font numbers the document uses, in order of first use: its text and
// marks (fonts only), then its typing and default fonts.
std::vector<int> UsedFonts(ZebDocRecord& doc)
{
    std::vector<bool> seen(kZebMostFonts);
    std::vector<int> used;
    auto note = [&](int nFont) {
        if (nFont >= 0 && nFont < kZebMostFonts && !seen[static_cast<size_t>(nFont)])
        {
            seen[static_cast<size_t>(nFont)] = true;
            used.push_back(nFont);
        }
    };
    auto noteAttr = [&](ZebCharAttr& a) {
        if (IsFontAttr(a))
            note(AttrFont(a));
    };
    if (doc.Blocks() != nullptr)
        ForEachAttr(*doc.Blocks(), noteAttr);
    noteAttr(doc.lineFeedAttr);
    noteAttr(doc.formFeedAttr);
    note(doc.nTypingFont);
    note(doc.nCurrentFont);
    return used;
}

// The LOGFONT of an own-table entry turned back to horizontal writing, as
// the request that makes it again.
LOGFONTA Upright(const ZebFontEntry& entry, bool bVertical)
{
    LOGFONTA lf = HeldFontRequest(entry.logfont);
    if (bVertical)
    {
        lf.lfEscapement = RoundEscapement(lf.lfEscapement, 1);
        lf.lfOrientation = RoundEscapement(lf.lfOrientation, 1);
    }
    return lf;
}

// Every document's own fonts into a new shared pair; their maps. Null
// when a font cannot be added (nothing is left made then).
ZebFontTable* MakeSharedFonts(const std::vector<HWND>& docs, std::vector<FontMap>* pMaps)
{
    ZebFontTable* pShared = ZebNew<ZebFontTable>(true, false);
    if (pShared == nullptr)
        return nullptr;
    for (HWND hDoc : docs)
    {
        ZebDocRecord& doc = *ZebDocRecord::From(hDoc);
        const ZebFontTable* pOwn = doc.OwnFonts();
        FontMap map;
        for (int i = 0; pOwn != nullptr && i < pOwn->Count(); ++i)
        {
            const int nShared = pShared->Add(hDoc, Upright(*pOwn->Entry(i), doc.head.Vertical() != 0), {});
            if (nShared < 0)
            {
                ZebDelete(pShared);
                return nullptr;
            }
            map.push_back(nShared);
        }
        pMaps->push_back(map);
    }
    return pShared;
}

// The shared fonts each document uses into a new own table for it; the
// tables and maps. False when a font cannot be added (nothing is left made
// then).
bool MakeOwnFonts(const ZebFontTable& shared, const std::vector<HWND>& docs, std::vector<ZebFontTable*>* pTables,
                  std::vector<FontMap>* pMaps)
{
    for (HWND hDoc : docs)
    {
        ZebDocRecord& doc = *ZebDocRecord::From(hDoc);
        ZebFontTable* pOwn = ZebNew<ZebFontTable>(false, doc.head.Vertical() != 0);
        bool bMade = pOwn != nullptr;
        if (bMade)
            pTables->push_back(pOwn);
        FontMap map(static_cast<size_t>(shared.Count()));
        for (int nShared : bMade ? UsedFonts(doc) : std::vector<int>())
        {
            const ZebFontEntry* pEntry = shared.Entry(nShared);
            const int nOwn = pEntry != nullptr ? pOwn->Add(hDoc, HeldFontRequest(pEntry->logfont), {}) : 0;
            bMade = bMade && nOwn >= 0;
            if (pEntry != nullptr)
                map[static_cast<size_t>(nShared)] = nOwn;
        }
        if (!bMade)
        {
            for (ZebFontTable* pTable : *pTables)
                ZebDelete(pTable);
            pTables->clear();
            return false;
        }
        pMaps->push_back(map);
    }
    return true;
}

void ShareFonts(ZebWbRecord& wb, const std::vector<HWND>& docs, ZebFontTable* pShared,
                const std::vector<FontMap>& maps)
{
    for (size_t i = 0; i < docs.size(); ++i)
    {
        ZebDocRecord& doc = *ZebDocRecord::From(docs[i]);
        Renumber(doc, maps[i]);
        ZebDelete(doc.OwnFonts());
        doc.SetOwnFonts(nullptr);
    }
    WbFreeSharedFonts(wb);
    wb.SetSharedFonts(pShared);
    wb.SetDocFontMode(kDocFontsShared);
}

void OwnFonts(ZebWbRecord& wb, const std::vector<HWND>& docs, const std::vector<ZebFontTable*>& tables,
              const std::vector<FontMap>& maps)
{
    for (size_t i = 0; i < docs.size(); ++i)
    {
        ZebDocRecord& doc = *ZebDocRecord::From(docs[i]);
        Renumber(doc, maps[i]);
        ZebDelete(doc.OwnFonts());
        doc.SetOwnFonts(tables[i]);
    }
    wb.SetDocFontMode(kDocFontsOwn);
    WbFreeSharedFonts(wb);
}

// The text documents of the whiteboard (live records only).
std::vector<HWND> WbDocs(const ZebWbRecord& wb)
{
    const int nSlot = ZebWbRecord::ChildSlot(ZebKindDoc);
    const HWND* pDocs = wb.Children(nSlot);
    std::vector<HWND> docs;
    for (LONG i = 0; pDocs != nullptr && i < wb.ChildCount(nSlot); ++i)
        if (ZebDocRecord::From(pDocs[i]) != nullptr)
            docs.push_back(pDocs[i]);
    return docs;
}

bool Switch(ZebWbRecord& wb, const std::vector<HWND>& docs, LONG nMode)
{
    std::vector<FontMap> maps;
    if (nMode == kDocFontsShared)
    {
        ZebFontTable* pShared = MakeSharedFonts(docs, &maps);
        if (pShared != nullptr)
            ShareFonts(wb, docs, pShared, maps);
        return pShared != nullptr;
    }
    const ZebFontTable emptyShared(true, false);
    const ZebFontTable& shared = wb.SharedFonts() != nullptr ? *wb.SharedFonts() : emptyShared;
    std::vector<ZebFontTable*> tables;
    if (!MakeOwnFonts(shared, docs, &tables, &maps))
        return false;
    OwnFonts(wb, docs, tables, maps);
    return true;
}

}  // namespace

LONG WbSetDocFontMode(HWND hWb, LONG nMode)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
    if (pWb == nullptr || (nMode != kDocFontsShared && nMode != kDocFontsOwn))
        return -1;
    const LONG nPrevious = static_cast<LONG>(pWb->DocFontMode());
    if (nMode == nPrevious)
        return nPrevious;
    bool bSwitched = false;
    std::vector<HWND> docs;
    try
    {
        docs = WbDocs(*pWb);
        std::vector<ZebLayoutPause> pauses;
        pauses.reserve(docs.size());
        for (HWND hDoc : docs)
            pauses.emplace_back(hDoc);
        bSwitched = Switch(*pWb, docs, nMode);
    }
    catch (const std::bad_alloc&)
    {
        bSwitched = false;
    }
    if (bSwitched)
        return nPrevious;
    for (HWND hDoc : docs)
        DocRelayout(hDoc);
    return -1;
}
