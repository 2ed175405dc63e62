#include "text/clip/doc_clipboard.h"

#include <string.h>

#include "globalmem.h"

#include "library/library_state.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/full/full_text_ex.h"
#include "text/full/full_text_insert.h"

namespace {

// A moveable block holding the bytes, or null.
HGLOBAL BytesBlock(const void* p, size_t cb)
{
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (hMem == nullptr)
        return nullptr;
    {
        CGlobalLock lock(hMem);
        if (lock)
        {
            memcpy(lock.Bytes(), p, cb);
            return hMem;
        }
    }
    ::GlobalFree(hMem);
    return nullptr;
}

// A moveable block holding the bytes and a NUL, or null.
HGLOBAL TextBlock(const std::string& text) { return BytesBlock(text.c_str(), text.size() + 1); }

// The text of a clipboard block up to its NUL or its end, whichever comes
// first; false when it cannot be read.
bool BlockText(HGLOBAL hMem, std::string* pText)
{
    CGlobalLock lock(hMem);
    if (!lock)
        return false;
    const char* p = reinterpret_cast<const char*>(lock.Bytes());
    const size_t cb = ::GlobalSize(hMem);
    const void* pNul = memchr(p, '\0', cb);
    pText->assign(p, pNul != nullptr ? static_cast<const char*>(pNul) - p : cb);
    return true;
}

// The selection as CF_TEXT and as full text (extended with bExtended)
// handed to the clipboard; 0 when memory or the clipboard fails, before the
// clipboard was emptied.
int CopySelection(HWND hwnd, bool bExtended)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    std::string text;
    ZebFullRun run;
    if (pDoc == nullptr || !DocSelectedPlainText(*pDoc, &text) || !DocSelectionRun(*pDoc, &run))
        return 0;
    std::vector<BYTE> full;
    if (bExtended)
        full = ExtendedFullText(*pDoc, run);
    else
        AppendPlainFullText(full, run);
    HGLOBAL hText = TextBlock(text);
    HGLOBAL hFull = hText != nullptr ? BytesBlock(full.data(), full.size()) : nullptr;
    if (hFull == nullptr || !::OpenClipboard(hwnd))
    {
        ::GlobalFree(hText);
        ::GlobalFree(hFull);
        return 0;
    }
    ::EmptyClipboard();
    const bool bText = ::SetClipboardData(CF_TEXT, hText) != nullptr;
    const bool bFull = ::SetClipboardData(Library().uDocClipFormat, hFull) != nullptr;
    ::CloseClipboard();
    if (!bText)
        ::GlobalFree(hText);
    if (!bFull)
        ::GlobalFree(hFull);
    return bText && bFull ? 1 : 0;
}

// The full text of the open clipboard's block inserted at the caret; 0 when
// it cannot be locked or is refused.
int PasteFullText(HWND hwnd, HGLOBAL hFull)
{
    CGlobalLock lock(hFull);
    return lock ? DocInsertFullText(hwnd, lock.Bytes(), ::GlobalSize(hFull), ZebFullSource::Foreign) : 0;
}

}  // namespace

bool DocSelectedPlainText(const ZebDocRecord& doc, std::string* pText)
{
    pText->clear();
    ZebFullRun run;
    if (!DocSelectionRun(doc, &run))
        return false;
    for (char c : run.text)
    {
        if (c == '\n')
            *pText += '\r';
        *pText += c;
    }
    return true;
}

int DocCopyToClipboard(HWND hwnd) { return CopySelection(hwnd, false); }

int DocCopyToClipboardEx(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr ? CopySelection(hwnd, pDoc->ClipMode() != 0) : 0;
}

int DocPasteFromClipboard(HWND hwnd)
{
    if (ZebDocRecord::From(hwnd) == nullptr || !::OpenClipboard(hwnd))
        return 0;
    HGLOBAL hFull = ::GetClipboardData(Library().uDocClipFormat);
    if (hFull != nullptr)
    {
        const int nResult = PasteFullText(hwnd, hFull);
        ::CloseClipboard();
        return nResult;
    }
    HGLOBAL hText = ::GetClipboardData(CF_TEXT);
    std::string text;
    const bool bRead = hText != nullptr && BlockText(hText, &text);
    ::CloseClipboard();
    if (hText == nullptr)
        return 1;
    return bRead ? DocInsertText(hwnd, text.c_str()) : 0;
}
