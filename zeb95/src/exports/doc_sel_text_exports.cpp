#include <climits>
#include <cstring>

#include "exports/doc_form.h"
#include "text/clip/doc_clipboard.h"
#include "text/edit/doc_edit.h"
#include "text/full/full_text_ex.h"
#include "text/full/full_text_insert.h"
#include "text/full/full_text_parse.h"
#include "text/full/sel_getters.h"
#include "text/input/typing.h"

bool ClearForReplacement(HWND hDocument, int (*pfnCopy)(HWND))
{
    const ZebDocRecord& doc = *ZebDocRecord::From(hDocument);
    if (!DocSelectionExists(doc))
        return true;
    if ((doc.ClipMode() & kClipNoCopyFirst) == 0 && !pfnCopy(hDocument))
        return false;
    return DocDeleteSelection(hDocument) != 0;
}

namespace {

// Whether the caller's full text is whole: plain within its size, an
// extended one within it too and, with bExactTotal, exactly its total.
bool IsWholeFullText(LPCVOID pFullText, LONG nSize, bool bExactTotal)
{
    if (pFullText == nullptr || nSize < 0)
        return false;
    const BYTE* p = static_cast<const BYTE*>(pFullText);
    ZebFullText full;
    if (!ParseFullText(p, static_cast<UINT64>(nSize), &full))
        return false;
    if (!full.bExtended || !bExactTotal)
        return true;
    DWORD dwTotal = 0;
    std::memcpy(&dwTotal, p + kFullHeaderTotal, sizeof(dwTotal));
    return dwTotal == static_cast<DWORD>(nSize);
}

LONG ReplaceWithFullText(HWND hDocument, LPCVOID pFullText, LONG nSize, bool bExtended)
{
    if (!IsTextDoc(hDocument) || !IsWholeFullText(pFullText, nSize, !bExtended) ||
        !ClearForReplacement(hDocument, bExtended ? DocCopyToClipboardEx : DocCopyToClipboard))
        return 0;
    return DocInsertFullText(hDocument, static_cast<const BYTE*>(pFullText), static_cast<UINT64>(nSize),
                             ZebFullSource::Caller);
}

}  // namespace

LONG WINAPI zebGetSelLength(HWND hDocument) { return IsTextDoc(hDocument) ? DocGetSelLength(hDocument) : -1; }

LONG WINAPI zebGetDocSelLength(HWND hWhiteBoard, LONG nDoc)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelLength);
}

LONG WINAPI zebGetSelText(HWND hDocument, LPSTR pszBuffer, LONG nSize)
{
    if (!IsTextDoc(hDocument) || pszBuffer == nullptr || nSize < 1)
        return -1;
    return DocGetSelText(hDocument, pszBuffer, nSize);
}

LONG WINAPI zebGetDocSelText(HWND hWhiteBoard, LONG nDoc, LPSTR pszBuffer, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelText, pszBuffer, nSize);
}

LONG WINAPI zebGetSelFullLength(HWND hDocument)
{
    return IsTextDoc(hDocument) ? DocGetSelFullLength(hDocument) : -1;
}

LONG WINAPI zebGetDocSelFullLength(HWND hWhiteBoard, LONG nDoc)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelFullLength);
}

LONG WINAPI zebGetSelFullText(HWND hDocument, LPVOID pBuffer, LONG nSize)
{
    if (!IsTextDoc(hDocument) || pBuffer == nullptr)
        return -1;
    return DocGetSelFullText(hDocument, static_cast<BYTE*>(pBuffer), nSize);
}

LONG WINAPI zebGetDocSelFullText(HWND hWhiteBoard, LONG nDoc, LPVOID pBuffer, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, -1L, zebGetSelFullText, pBuffer, nSize);
}

LONG WINAPI zebGetSelFullLengthEx(HWND hDocument)
{
    return IsTextDoc(hDocument) ? DocGetSelFullLengthEx(hDocument) : -1;
}

LONG WINAPI zebGetSelFullTextEx(HWND hDocument, LPVOID pBuffer, UINT nSize)
{
    if (!IsTextDoc(hDocument) || pBuffer == nullptr)
        return -1;
    const int cb = nSize > static_cast<UINT>(INT_MAX) ? INT_MAX : static_cast<int>(nSize);
    return DocGetSelFullTextEx(hDocument, static_cast<BYTE*>(pBuffer), cb);
}

LONG WINAPI zebSetSelText(HWND hDocument, LPCSTR pszText)
{
    if (!IsTextDoc(hDocument) || pszText == nullptr || !ClearForReplacement(hDocument, DocCopyToClipboard))
        return 0;
    return DocInsertText(hDocument, pszText);
}

LONG WINAPI zebSetDocSelText(HWND hWhiteBoard, LONG nDoc, LPCSTR pszText)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetSelText, pszText);
}

LONG WINAPI zebSetSelFullText(HWND hDocument, LPCVOID pFullText, LONG nSize)
{
    return ReplaceWithFullText(hDocument, pFullText, nSize, false);
}

LONG WINAPI zebSetDocSelFullText(HWND hWhiteBoard, LONG nDoc, LPCVOID pFullText, LONG nSize)
{
    return OnDoc(hWhiteBoard, nDoc, 0L, zebSetSelFullText, pFullText, nSize);
}

LONG WINAPI zebSetSelFullTextEx(HWND hDocument, LPCVOID pFullText, LONG nSize)
{
    return ReplaceWithFullText(hDocument, pFullText, nSize, true);
}

LONG WINAPI zebCopyText(HWND hDocument) { return IsTextDoc(hDocument) ? DocCopyToClipboardEx(hDocument) : 0; }

LONG WINAPI zebCutText(HWND hDocument)
{
    if (!IsTextDoc(hDocument) || !DocCopyToClipboardEx(hDocument))
        return 0;
    return DocDeleteSelection(hDocument);
}

LONG WINAPI zebPasteText(HWND hDocument)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hDocument);
    if (pDoc == nullptr || (pDoc->HasSelection() && !DocDeleteSelection(hDocument)))
        return 0;
    return DocPasteFromClipboard(hDocument);
}
