#include "text/doc/doc_fonts.h"

#include "objects/obj_classes.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/storage/engine_alloc.h"
#include "text/tables/font_table.h"
#include "whiteboard/wb_record.h"

namespace {

// The owner whiteboard whose shared pair the document uses, or null.
ZebWbRecord* SharingWhiteBoard(const ZebDocRecord& doc)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(doc.head.OwnerWhiteBoard()));
    return pWb != nullptr && pWb->DocFontMode() == 0 ? pWb : nullptr;
}

// The users' layout threads stopped, and their index holders.
std::vector<ZebIndexHolder> StoppedHolders(const std::vector<HWND>& users)
{
    std::vector<ZebIndexHolder> holders;
    for (HWND hUser : users)
    {
        ZebDocRecord* pUser = ZebDocRecord::From(hUser);
        if (pUser == nullptr)
            continue;
        DocStopLayout(*pUser);
        holders.push_back(pUser->Holder());
    }
    return holders;
}

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

int DocSetFont(HWND hwnd, const LOGFONTA* plf)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    if (plf != nullptr)
    {
        ZebFontTable* pTable = DocFontTable(*pDoc, true);
        const int nIndex = pTable != nullptr ? pTable->Add(hwnd, *plf, {}) : -1;
        if (nIndex < 0)
            return 0;
        pDoc->nTypingFont = nIndex;
    }
    return DocSetSelectionFont(hwnd);
}

int DocInsertFont(HWND hwnd, const LOGFONTA& lf, int nAt)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    ZebFontTable* pTable = pDoc != nullptr ? DocFontTable(*pDoc, true) : nullptr;
    if (pTable == nullptr)
        return -1;
    return pTable->Insert(hwnd, lf, nAt, StoppedHolders(DocFontUsers(hwnd)));
}

int DocRemoveFont(HWND hwnd, int nAt)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    ZebFontTable* pTable = pDoc != nullptr ? DocFontTable(*pDoc, false) : nullptr;
    if (pTable == nullptr || nAt >= pTable->Count())
        return 0;
    const std::vector<HWND> users = DocFontUsers(hwnd);
    pTable->Remove(hwnd, nAt, StoppedHolders(users));
    for (HWND hUser : users)
        DocRelayout(hUser);
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
    DocStopLayout(*pDoc);
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
