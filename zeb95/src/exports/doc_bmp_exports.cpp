#include <algorithm>
#include <vector>

#include "exports/doc_form.h"
#include "objects/obj_children.h"
#include "text/clip/doc_clipboard.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_layout.h"
#include "text/edit/doc_edit.h"
#include "text/full/full_run.h"
#include "text/select/doc_positions.h"
#include "text/tables/bmp_table.h"
#include "whiteboard/wb_bmp_items.h"
#include "whiteboard/wb_record.h"

// The bitmap items of a whiteboard and the inline bitmaps of a text
// document.

namespace {

const LONG kAppend = -1;

ZebWbRecord* WbRecordOf(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)); }

const ZebDocBmpEntry* DocBmp(HWND hDocument, LONG nBitmap)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    return pDoc != nullptr && pDoc->Bitmaps() != nullptr ? pDoc->Bitmaps()->Entry(nBitmap) : nullptr;
}

// The inline bitmaps of the selection in text order; false when the
// selection lies outside the lines.
bool SelectedBitmaps(HWND hDocument, std::vector<ZebSelBmpEntry>* pFound)
{
    DocWaitLayout(hDocument, -1);
    const ZebDocRecord& doc = *ZebDocRecord::From(hDocument);
    POINT at = {};
    ZebTextSpot from = {};
    ZebTextSpot to = {};
    const ZebSelectionSpan span = DocSelectionSpots(doc, &at, &from, &to);
    if (span != ZebSelectionSome)
        return span == ZebSelectionNone;
    const ZebFullRun run = RunBetween(*doc.Blocks(), from, to);
    const ZebLineTable& lines = *doc.Lines();
    for (ZebCharAttr attr : run.attrs)
    {
        while (at.y < lines.Count() && at.x >= lines.At(at.y).length && at.y + 1 < lines.Count())
            at = {0, at.y + 1};
        if ((attr & ZebAttrBitmap) != 0)
        {
            ZebSelBmpEntry entry = {};
            entry.nColumn = at.x;
            entry.nLine = at.y;
            entry.nBitmap = AttrFont(attr);
            pFound->push_back(entry);
        }
        ++at.x;
    }
    return true;
}

}  // namespace

LONG WINAPI zebAddBmpEx(HWND hObject, HGLOBAL hDib, LPCSTR pszName, const POINT* pPosition, LONG nAt)
{
    if (IsTextDoc(hObject))
    {
        const int nIndex = DocAddBmp(hObject, nAt, hDib, nullptr);
        InvalidateObj(hObject);
        return nIndex;
    }
    if (WbRecordOf(hObject) == nullptr || pPosition == nullptr)
        return -1;
    const LONG nIndex = WbAddBmpItem(hObject, nAt, hDib, pszName, *pPosition);
    ::InvalidateRect(hObject, nullptr, TRUE);
    return nIndex;
}

LONG WINAPI zebAddBmp(HWND hObject, HGLOBAL hDib, LPCSTR pszName, const POINT* pPosition)
{
    return zebAddBmpEx(hObject, hDib, pszName, pPosition, kAppend);
}

LONG WINAPI zebAddDocBmpEx(HWND hWhiteBoard, LONG nDoc, HGLOBAL hDib, LONG nAt)
{
    HWND hDocument = WbChildAt(hWhiteBoard, ZebKindDoc, nDoc);
    if (hDocument == nullptr)
        return -1;
    const int nIndex = DocAddBmp(hDocument, nAt, hDib, nullptr);
    ::InvalidateRect(hWhiteBoard, nullptr, TRUE);
    return nIndex;
}

LONG WINAPI zebAddDocBmp(HWND hWhiteBoard, LONG nDoc, HGLOBAL hDib)
{
    return zebAddDocBmpEx(hWhiteBoard, nDoc, hDib, kAppend);
}

LONG WINAPI zebGetBmpCount(HWND hObject)
{
    if (const ZebDocRecord* pDoc = ZebDocRecord::From(hObject))
        return pDoc->Bitmaps() != nullptr ? pDoc->Bitmaps()->Count() : 0;
    const ZebWbRecord* pWb = WbRecordOf(hObject);
    return pWb != nullptr ? pWb->ChildCount(kWbBmpItemSlot) : -1;
}

LONG WINAPI zebGetDocBmpCount(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetBmpCount); }

HGLOBAL WINAPI zebGetIndexBmp(HWND hObject, LONG nBitmap)
{
    if (IsTextDoc(hObject))
    {
        const ZebDocBmpEntry* pEntry = DocBmp(hObject, nBitmap);
        return pEntry != nullptr ? pEntry->dib : nullptr;
    }
    const ZebWbRecord* pWb = WbRecordOf(hObject);
    if (pWb == nullptr || nBitmap < 0 || nBitmap >= pWb->ChildCount(kWbBmpItemSlot))
        return nullptr;
    return pWb->BmpItems()[nBitmap].hDib;
}

HGLOBAL WINAPI zebGetDocIndexBmp(HWND hWhiteBoard, LONG nDoc, LONG nBitmap)
{
    return OnDoc(hWhiteBoard, nDoc, static_cast<HGLOBAL>(nullptr), zebGetIndexBmp, nBitmap);
}

LONG WINAPI zebInsertBmp(HWND hDocument, LONG nBitmap)
{
    if (!IsTextDoc(hDocument) || !ClearForReplacement(hDocument, DocCopyToClipboard))
        return 0;
    return DocInsertBmp(hDocument, nBitmap);
}

LONG WINAPI zebInsertDocBmp(HWND hWhiteBoard, LONG nDoc, LONG nBitmap)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebInsertBmp, nBitmap);
}

LONG WINAPI zebRemoveBmp(HWND hObject, LONG nBitmap)
{
    if (IsTextDoc(hObject))
    {
        const int nDone = DocRemoveBmp(hObject, nBitmap);
        InvalidateObj(hObject);
        return nDone;
    }
    if (WbRecordOf(hObject) == nullptr || !WbRemoveBmpItem(hObject, nBitmap))
        return 0;
    ::InvalidateRect(hObject, nullptr, TRUE);
    return 1;
}

LONG WINAPI zebRemoveDocBmp(HWND hWhiteBoard, LONG nDoc, LONG nBitmap)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebRemoveBmp, nBitmap);
}

LONG WINAPI zebGetSelBmpCount(HWND hDocument)
{
    std::vector<ZebSelBmpEntry> found;
    if (!IsTextDoc(hDocument) || !SelectedBitmaps(hDocument, &found))
        return -1;
    return static_cast<LONG>(found.size());
}

LONG WINAPI zebGetDocSelBmpCount(HWND hWhiteBoard, LONG nDoc)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelBmpCount);
}

LONG WINAPI zebGetSelBmp(HWND hDocument, ZebSelBmpEntry* pEntries, LONG nMost)
{
    std::vector<ZebSelBmpEntry> found;
    if (pEntries == nullptr || nMost < 1 || !IsTextDoc(hDocument) || !SelectedBitmaps(hDocument, &found))
        return -1;
    const size_t n = (std::min)(found.size(), static_cast<size_t>(nMost));
    std::copy(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(n), pEntries);
    return static_cast<LONG>(n);
}

LONG WINAPI zebGetDocSelBmp(HWND hWhiteBoard, LONG nDoc, ZebSelBmpEntry* pEntries, LONG nMost)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelBmp, pEntries, nMost);
}
