#include <cstring>

#include "exports/doc_form.h"
#include "objects/global_mem.h"
#include "objects/obj_children.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_marks.h"
#include "text/tables/font_entry.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_record.h"

// The line-start string and the line-feed and form-feed marks, of a
// whiteboard's text items or of a text document.

namespace {

const WORD kNoMark = 0xFFFF;

ZebWbRecord* WbRecordOf(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)); }

ZebObjRecord* WbOrDocRecord(HWND hwnd)
{
    if (ZebDocRecord* pDoc = ZebDocRecord::From(hwnd))
        return &pDoc->head;
    return WbRecordOf(hwnd) != nullptr ? GetObjRecord(hwnd) : nullptr;
}

// A whiteboard's mark: its code and the LOGFONT of its font (zeroed for no
// mark or a bitmap item). False for a font outside the item font table.
bool ReadWbMark(const ZebWbRecord& wb, const ZebWbMark& mark, WORD* pwCode, LOGFONTA* plf)
{
    *plf = {};
    *pwCode = mark.wCode;
    if (mark.wCode == kNoMark || mark.nFont < 0)
        return true;
    if (mark.nFont >= wb.TextFontCount())
        return false;
    *plf = wb.TextFonts()[mark.nFont];
    return true;
}

// A document's mark: the code, or the inline bitmap's number, and the
// LOGFONT of its font in the table in use (zeroed for no mark or a bitmap).
bool ReadDocMark(ZebDocRecord& doc, WORD wCode, ZebCharAttr attr, WORD* pwCode, LOGFONTA* plf)
{
    *plf = {};
    *pwCode = wCode;
    if (wCode == kNoMark)
        return true;
    if ((attr & ZebAttrBitmap) != 0)
    {
        *pwCode = static_cast<WORD>(AttrFont(attr));
        return true;
    }
    const ZebFontEntry* pEntry = DocFontEntry(doc, AttrFont(attr));
    if (pEntry == nullptr)
        return false;
    *plf = pEntry->logfont;
    return true;
}

LONG GetMark(HWND hObject, bool bFormFeed, WORD* pwCode, LOGFONTA* plf)
{
    if (pwCode == nullptr || plf == nullptr)
        return 0;
    if (ZebDocRecord* pDoc = ZebDocRecord::From(hObject))
    {
        const bool bRead = bFormFeed ? ReadDocMark(*pDoc, pDoc->wFormFeedCode, pDoc->formFeedAttr, pwCode, plf)
                                     : ReadDocMark(*pDoc, pDoc->wLineFeedCode, pDoc->lineFeedAttr, pwCode, plf);
        return bRead ? 1 : 0;
    }
    ZebWbRecord* pWb = WbRecordOf(hObject);
    if (pWb == nullptr)
        return 0;
    return ReadWbMark(*pWb, bFormFeed ? pWb->FormFeedMark() : pWb->LineFeedMark(), pwCode, plf) ? 1 : 0;
}

}  // namespace

LONG WINAPI zebGetKinsoku(HWND hObject, LPSTR pszBuffer, LONG nSize)
{
    const ZebObjRecord* pRecord = WbOrDocRecord(hObject);
    if (pRecord == nullptr || nSize < 0)
        return -1;
    const char* pszLineStart = pRecord->LineStartString();
    const size_t cch = pszLineStart != nullptr ? std::strlen(pszLineStart) : 0;
    if (pszBuffer != nullptr && nSize > 0)
    {
        const size_t cb = cch < static_cast<size_t>(nSize) ? cch : static_cast<size_t>(nSize) - 1;
        std::memcpy(pszBuffer, pszLineStart != nullptr ? pszLineStart : "", cb);
        pszBuffer[cb] = '\0';
    }
    return static_cast<LONG>(cch);
}

LONG WINAPI zebSetKinsoku(HWND hObject, LPCSTR pszLineStart)
{
    ZebObjRecord* pRecord = WbOrDocRecord(hObject);
    if (pRecord == nullptr)
        return 0;
    char* pCopy = nullptr;
    if (pszLineStart != nullptr && *pszLineStart != '\0')
    {
        pCopy = LockedGlobalStrDup(pszLineStart);
        if (pCopy == nullptr)
            return 0;
    }
    if (!IsTextDoc(hObject))
    {
        LockedGlobalFree(pRecord->LineStartString());
        pRecord->SetLineStartString(pCopy);
        ::InvalidateRect(hObject, nullptr, TRUE);
        return 1;
    }
    {
        ZebLayoutPause pause(hObject);
        LockedGlobalFree(pRecord->LineStartString());
        pRecord->SetLineStartString(pCopy);
    }
    DocRelayout(hObject);
    return 1;
}

LONG WINAPI zebGetNewLine(HWND hObject, WORD* pwCode, LOGFONTA* plf) { return GetMark(hObject, false, pwCode, plf); }

LONG WINAPI zebGetFormFeed(HWND hObject, WORD* pwCode, LOGFONTA* plf) { return GetMark(hObject, true, pwCode, plf); }

LONG WINAPI zebSetNewLine(HWND hObject, LONG nCode, const LOGFONTA* plf)
{
    const WORD wCode = static_cast<WORD>(nCode);
    if (IsTextDoc(hObject))
        return DocSetNewLineMark(hObject, wCode, plf, TRUE);
    return WbRecordOf(hObject) != nullptr ? WbSetNewLineMark(hObject, wCode, plf, TRUE) : 0;
}

LONG WINAPI zebSetFormFeed(HWND hObject, LONG nCode, const LOGFONTA* plf)
{
    const WORD wCode = static_cast<WORD>(nCode);
    if (IsTextDoc(hObject))
        return DocSetFormFeedMark(hObject, wCode, plf, TRUE);
    return WbRecordOf(hObject) != nullptr ? WbSetFormFeedMark(hObject, wCode, plf, TRUE) : 0;
}

