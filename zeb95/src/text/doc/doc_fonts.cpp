#include "text/doc/doc_fonts.h"

#include <new>

#include "objects/obj_classes.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/storage/engine_alloc.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"
#include "whiteboard/wb_record.h"

namespace {

// The owner whiteboard whose shared pair the document uses, or null.
ZebWbRecord* SharingWhiteBoard(const ZebDocRecord& doc)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(doc.head.OwnerWhiteBoard()));
    return pWb != nullptr && pWb->DocFontMode() == 0 ? pWb : nullptr;
}

// The users of a table with their layout passes stopped for a change of
// it (taken up again when this ends), and their index holders.
struct PausedUsers
{
    explicit PausedUsers(const std::vector<HWND>& users)
    {
        pauses.reserve(users.size());
        holders.reserve(users.size());
        for (HWND hUser : users)
        {
            ZebDocRecord* pUser = ZebDocRecord::From(hUser);
            if (pUser == nullptr)
                continue;
            pauses.emplace_back(hUser);
            holders.push_back(pUser->Holder());
        }
    }
    std::vector<ZebLayoutPause> pauses;
    std::vector<ZebIndexHolder> holders;
};

}  // namespace

ZebFontTable* DocFontTable(ZebDocRecord& doc, bool bMake)
{
    ZebWbRecord* pWb = SharingWhiteBoard(doc);
    if (pWb != nullptr)
    {
        if (pWb->SharedFonts() == nullptr && bMake)
            pWb->SetSharedFonts(ZebNew<ZebFontTable>(true, false));
        return pWb->SharedFonts();
    }
    if (doc.OwnFonts() == nullptr && bMake)
        doc.SetOwnFonts(ZebNew<ZebFontTable>(false, doc.head.Vertical() != 0));
    return doc.OwnFonts();
}

const ZebFontEntry* DocFontEntry(ZebDocRecord& doc, int nIndex)
{
    const ZebFontTable* pTable = DocFontTable(doc, false);
    return pTable != nullptr ? pTable->Entry(nIndex, doc.head.Vertical() != 0) : nullptr;
}

std::vector<HWND> DocFontUsers(HWND hDoc)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDoc);
    ZebWbRecord* pWb = pDoc != nullptr ? SharingWhiteBoard(*pDoc) : nullptr;
    if (pWb == nullptr)
        return {hDoc};
    const int nSlot = ZebWbRecord::ChildSlot(ZebKindDoc);
    const HWND* pDocs = pWb->Children(nSlot);
    return std::vector<HWND>(pDocs, pDocs + pWb->ChildCount(nSlot));
}

namespace {

// Runs the change on the table in use (made when missing) with every
// user's layout paused; its result, -1 without record or table or when
// memory runs out.
template <class Change>
int ChangeFonts(HWND hwnd, Change change)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    ZebFontTable* pTable = pDoc != nullptr ? DocFontTable(*pDoc, true) : nullptr;
    if (pTable == nullptr)
        return -1;
    try
    {
        const PausedUsers users(DocFontUsers(hwnd));
        return change(*pTable, users.holders);
    }
    catch (const std::bad_alloc&)
    {
        return -1;
    }
}

}  // namespace

int DocAddFont(HWND hwnd, const LOGFONTA& lf)
{
    return ChangeFonts(hwnd, [&](ZebFontTable& table, const std::vector<ZebIndexHolder>& holders) {
        return table.Add(hwnd, lf, holders);
    });
}

int DocFindFont(HWND hwnd, const LOGFONTA& lf)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const ZebFontTable* pTable = pDoc != nullptr ? DocFontTable(*pDoc, false) : nullptr;
    if (pTable == nullptr)
        return -1;
    LOGFONTA ruled = lf;
    ApplyFontRules(ruled, !pTable->IsShared() && pDoc->head.Vertical() != 0);
    return pTable->Find(ruled);
}

int DocReplaceFont(HWND hwnd, int nAt, const LOGFONTA& lf, bool bRelayout)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    ZebFontTable* pTable = pDoc != nullptr ? DocFontTable(*pDoc, false) : nullptr;
    if (pTable == nullptr)
        return 0;
    try
    {
        const std::vector<HWND> users = DocFontUsers(hwnd);
        const PausedUsers paused(users);
        if (!pTable->Replace(hwnd, nAt, lf))
            return 0;
        for (HWND hUser : bRelayout ? users : std::vector<HWND>())
            DocRelayout(hUser);
    }
    catch (const std::bad_alloc&)
    {
        return 0;
    }
    return 1;
}

int DocSetFont(HWND hwnd, const LOGFONTA* plf)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    if (plf != nullptr)
    {
        const int nIndex = DocAddFont(hwnd, *plf);
        if (nIndex < 0)
            return 0;
        pDoc->nTypingFont = nIndex;
    }
    return DocSetSelectionFont(hwnd);
}

int DocInsertFont(HWND hwnd, const LOGFONTA& lf, int nAt)
{
    return ChangeFonts(hwnd, [&](ZebFontTable& table, const std::vector<ZebIndexHolder>& holders) {
        return table.Insert(hwnd, lf, nAt, holders);
    });
}

int DocRemoveFont(HWND hwnd, int nAt)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    ZebFontTable* pTable = pDoc != nullptr ? DocFontTable(*pDoc, false) : nullptr;
    if (pTable == nullptr || nAt >= pTable->Count())
        return 0;
    try
    {
        const std::vector<HWND> users = DocFontUsers(hwnd);
        const PausedUsers paused(users);
        pTable->Remove(hwnd, nAt, paused.holders);
        for (HWND hUser : users)
            DocRelayout(hUser);
    }
    catch (const std::bad_alloc&)
    {
        return 0;
    }
    return 1;
}

LONG DocSetVertMode(HWND hwnd, DWORD dwMode)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return -1;
    const DWORD dwPrevious = pDoc->head.Vertical();
    if (dwMode == dwPrevious)
        return static_cast<LONG>(dwPrevious);
    ZebLayoutPause pause(hwnd);
    pDoc->head.SetVertical(dwMode);
    if (pDoc->OwnFonts() != nullptr)
        pDoc->OwnFonts()->SetVertical(hwnd, dwMode != 0);
    DocRelayout(hwnd);
    return static_cast<LONG>(dwPrevious);
}

void WbFreeSharedFonts(ZebWbRecord& wb)
{
    ZebDelete(wb.SharedFonts());
    wb.SetSharedFonts(nullptr);
}
