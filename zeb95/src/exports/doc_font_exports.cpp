#include "exports/doc_form.h"
#include "objects/obj_children.h"
#include "text/doc/doc_font_mode.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_text_items.h"

// The fonts of a whiteboard's text items or of a text document: the
// whiteboard's item font table, the document's table in use (its own, or
// the whiteboard's shared pair).

namespace {

const int kAllFonts = -1;

ZebWbRecord* WbRecordOf(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)); }

LONG DocFontCount(ZebDocRecord& doc)
{
    const ZebFontTable* pTable = DocFontTable(doc, false);
    return pTable != nullptr ? pTable->Count() : 0;
}

// The LOGFONT of item font nFont; false outside the table.
bool WbFont(const ZebWbRecord& wb, LONG nFont, LOGFONTA* plf)
{
    if (plf == nullptr || nFont < 0 || nFont >= wb.TextFontCount())
        return false;
    *plf = wb.TextFonts()[nFont];
    return true;
}

// The LOGFONT of font nFont of the table in use; false outside it.
bool DocFont(ZebDocRecord& doc, LONG nFont, LOGFONTA* plf)
{
    const ZebFontEntry* pEntry = DocFontEntry(doc, nFont);
    if (plf == nullptr || pEntry == nullptr)
        return false;
    *plf = pEntry->logfont;
    return true;
}

LONG WbFindFont(const ZebWbRecord& wb, const LOGFONTA& lf)
{
    for (LONG i = 0; i < wb.TextFontCount(); ++i)
        if (IsSameFont(wb.TextFonts()[i], lf))
            return i;
    return -1;
}

// Replaces a whiteboard's item font; font -1 without LOGFONT only repaints.
LONG WbSetIndexFont(HWND hWb, ZebWbRecord& wb, LONG nFont, const LOGFONTA* plf, BOOL bRelayout)
{
    if (plf == nullptr ? nFont != kAllFonts || !bRelayout : nFont < 0 || nFont >= wb.TextFontCount())
        return 0;
    if (plf != nullptr)
        wb.TextFonts()[nFont] = *plf;
    if (bRelayout)
        ::InvalidateRect(hWb, nullptr, TRUE);
    return 1;
}

LONG DocSetIndexFont(HWND hDocument, LONG nFont, const LOGFONTA* plf, BOOL bRelayout)
{
    if (plf != nullptr)
        return DocReplaceFont(hDocument, nFont, *plf, bRelayout != FALSE);
    if (nFont != kAllFonts || !bRelayout)
        return 0;
    DocRelayout(hDocument);
    return 1;
}

}  // namespace

LONG WINAPI zebFindFontIndex(HWND hObject, const LOGFONTA* plf)
{
    if (plf == nullptr)
        return -1;
    if (IsTextDoc(hObject))
        return DocFindFont(hObject, *plf);
    const ZebWbRecord* pWb = WbRecordOf(hObject);
    return pWb != nullptr ? WbFindFont(*pWb, *plf) : -1;
}

LONG WINAPI zebFindDocFontIndex(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebFindFontIndex, plf);
}

LONG WINAPI zebAddFont(HWND hObject, const LOGFONTA* plf)
{
    if (plf == nullptr)
        return -1;
    if (IsTextDoc(hObject))
        return DocAddFont(hObject, *plf);
    return WbRecordOf(hObject) != nullptr ? WbAddTextFont(hObject, *plf) : -1;
}

LONG WINAPI zebAddDocFont(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebAddFont, plf);
}

LONG WINAPI zebInsertFont(HWND hObject, const LOGFONTA* plf, LONG nPosition)
{
    if (plf == nullptr)
        return -1;
    if (IsTextDoc(hObject))
        return DocInsertFont(hObject, *plf, nPosition);
    return WbRecordOf(hObject) != nullptr ? WbInsertTextFont(hObject, *plf, nPosition) : -1;
}

LONG WINAPI zebInsertDocFont(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf, LONG nPosition)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebInsertFont, plf, nPosition);
}

LONG WINAPI zebRemoveFont(HWND hObject, LONG nFont)
{
    if (IsTextDoc(hObject))
    {
        const int nDone = DocRemoveFont(hObject, nFont);
        InvalidateObj(hObject);
        return nDone;
    }
    if (WbRecordOf(hObject) == nullptr || !WbRemoveTextFont(hObject, nFont))
        return 0;
    ::InvalidateRect(hObject, nullptr, TRUE);
    return 1;
}

LONG WINAPI zebRemoveDocFont(HWND hWhiteBoard, LONG nDoc, LONG nFont)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebRemoveFont, nFont);
}

LONG WINAPI zebGetFontCount(HWND hObject)
{
    if (ZebDocRecord* pDoc = ZebDocRecord::From(hObject))
        return DocFontCount(*pDoc);
    const ZebWbRecord* pWb = WbRecordOf(hObject);
    return pWb != nullptr ? pWb->TextFontCount() : -1;
}

LONG WINAPI zebGetDocFontCount(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetFontCount); }

LONG WINAPI zebGetIndexFont(HWND hObject, LONG nFont, LOGFONTA* plf)
{
    if (ZebDocRecord* pDoc = ZebDocRecord::From(hObject))
        return DocFont(*pDoc, nFont, plf) ? 1 : 0;
    const ZebWbRecord* pWb = WbRecordOf(hObject);
    return pWb != nullptr && WbFont(*pWb, nFont, plf) ? 1 : 0;
}

LONG WINAPI zebGetDocIndexFont(HWND hWhiteBoard, LONG nDoc, LONG nFont, LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebGetIndexFont, nFont, plf);
}

LONG WINAPI zebGetFontIndex(HWND hObject)
{
    if (ZebDocRecord* pDoc = ZebDocRecord::From(hObject))
        return pDoc->nTypingFont < DocFontCount(*pDoc) ? pDoc->nTypingFont : -1;
    const ZebWbRecord* pWb = WbRecordOf(hObject);
    if (pWb == nullptr)
        return -1;
    const LONG nFont = pWb->TextFontIndex();
    return nFont >= 0 && nFont < pWb->TextFontCount() ? nFont : -1;
}

LONG WINAPI zebGetDocFontIndex(HWND hWhiteBoard, LONG nDoc) { return OnDoc(hWhiteBoard, nDoc, -1L, zebGetFontIndex); }

LONG WINAPI zebGetFont(HWND hObject, LOGFONTA* plf)
{
    const LONG nFont = zebGetFontIndex(hObject);
    return nFont >= 0 ? zebGetIndexFont(hObject, nFont, plf) : 0;
}

LONG WINAPI zebGetDocFont(HWND hWhiteBoard, LONG nDoc, LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebGetFont, plf);
}

LONG WINAPI zebSetFont(HWND hObject, const LOGFONTA* plf)
{
    if (plf == nullptr)
        return 0;
    if (IsTextDoc(hObject))
        return DocSetFont(hObject, plf);
    return WbRecordOf(hObject) != nullptr && WbAddTextFont(hObject, *plf) >= 0 ? 1 : 0;
}

LONG WINAPI zebSetDocFont(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetFont, plf);
}

LONG WINAPI zebSetFontIndex(HWND hObject, LONG nFont)
{
    if (ZebDocRecord* pDoc = ZebDocRecord::From(hObject))
    {
        if (nFont >= 0 && nFont < DocFontCount(*pDoc))
            pDoc->nTypingFont = nFont;
        return DocSetFont(hObject, nullptr);
    }
    ZebWbRecord* pWb = WbRecordOf(hObject);
    if (pWb == nullptr || nFont < 0 || nFont >= pWb->TextFontCount())
        return 0;
    pWb->SetTextFontIndex(nFont);
    return 1;
}

LONG WINAPI zebSetDocFontIndex(HWND hWhiteBoard, LONG nDoc, LONG nFont)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetFontIndex, nFont);
}

LONG WINAPI zebSetIndexFont(HWND hObject, LONG nFont, const LOGFONTA* plf, BOOL bRelayout)
{
    if (IsTextDoc(hObject))
        return DocSetIndexFont(hObject, nFont, plf, bRelayout);
    ZebWbRecord* pWb = WbRecordOf(hObject);
    return pWb != nullptr ? WbSetIndexFont(hObject, *pWb, nFont, plf, bRelayout) : 0;
}

LONG WINAPI zebSetDocIndexFont(HWND hWhiteBoard, LONG nDoc, LONG nFont, const LOGFONTA* plf, BOOL bRelayout)
{
    const ZebWbRecord* pWb = WbRecordOf(hWhiteBoard);
    if (nDoc != -1 || nFont != kAllFonts || plf != nullptr || !bRelayout || pWb == nullptr)
        return OnDoc(hWhiteBoard, nDoc, 0L, zebSetIndexFont, nFont, plf, bRelayout);
    const int nSlot = ZebWbRecord::ChildSlot(ZebKindDoc);
    for (LONG i = 0; i < pWb->ChildCount(nSlot); ++i)
        if (!zebSetIndexFont(pWb->Children(nSlot)[i], kAllFonts, nullptr, TRUE))
            return 0;
    return 1;
}

LONG WINAPI zebSetDefaultFont(HWND hDocument, LONG nFont)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || nFont < -1 || nFont >= DocFontCount(*pDoc))
        return -1;
    const LONG nPrevious = pDoc->nCurrentFont;
    if (nFont == -1 || nFont == nPrevious)
        return nPrevious;
    {
        ZebLayoutPause pause(hDocument);
        pDoc->nCurrentFont = nFont;
    }
    DocRelayout(hDocument);
    return nPrevious;
}

LONG WINAPI zebSetDocDefaultFont(HWND hWhiteBoard, LONG nDoc, LONG nFont)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetDefaultFont, nFont);
}

LONG WINAPI zebSetIMEFont(HWND hDocument, LONG nSelector)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr)
        return -1;
    const LONG nPrevious = pDoc->nImeFontSelector;
    if (nSelector != -1)
        pDoc->nImeFontSelector = nSelector;
    return nPrevious;
}

LONG WINAPI zebSetDocIMEFont(HWND hWhiteBoard, LONG nDoc, LONG nSelector)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebSetIMEFont, nSelector);
}

LONG WINAPI zebGetDocFontMode(HWND hWhiteBoard)
{
    const ZebWbRecord* pWb = WbRecordOf(hWhiteBoard);
    return pWb != nullptr ? static_cast<LONG>(pWb->DocFontMode()) : -1;
}

LONG WINAPI zebSetDocFontMode(HWND hWhiteBoard, LONG nMode) { return WbSetDocFontMode(hWhiteBoard, nMode); }
