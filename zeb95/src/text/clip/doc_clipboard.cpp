#include "text/clip/doc_clipboard.h"

#include <string.h>

#include "globalmem.h"

#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/select/doc_positions.h"

namespace {

// A moveable block holding the bytes and a NUL, or null.
HGLOBAL TextBlock(const std::string& text)
{
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (hMem == nullptr)
        return nullptr;
    {
        CGlobalLock lock(hMem);
        if (lock)
        {
            memcpy(lock.Bytes(), text.c_str(), text.size() + 1);
            return hMem;
        }
    }
    ::GlobalFree(hMem);
    return nullptr;
}

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

}  // namespace

bool DocSelectedPlainText(const ZebDocRecord& doc, std::string* pText)
{
    pText->clear();
    POINT start = {};
    ZebTextSpot at = {};
    ZebTextSpot end = {};
    const ZebSelectionSpan span = DocSelectionSpots(doc, &start, &at, &end);
    if (span != ZebSelectionSome)
        return span == ZebSelectionNone;
    const ZebBlockList& blocks = *doc.Blocks();
    bool bMore = SpotBefore(at, end);
    while (bMore)
    {
        const char c = SpotByte(blocks, at);
        if (c == '\n')
            *pText += '\r';
        *pText += c;
        bMore = SpotNextByte(blocks, at) && SpotBefore(at, end);
    }
    return true;
}

int DocCopyToClipboard(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    std::string text;
    if (pDoc == nullptr || !DocSelectedPlainText(*pDoc, &text))
        return 0;
    HGLOBAL hText = TextBlock(text);
    if (hText == nullptr)
        return 0;
    if (!::OpenClipboard(hwnd))
    {
        ::GlobalFree(hText);
        return 0;
    }
    ::EmptyClipboard();
    const bool bSet = ::SetClipboardData(CF_TEXT, hText) != nullptr;
    ::CloseClipboard();
    if (!bSet)
        ::GlobalFree(hText);
    return bSet ? 1 : 0;
}

int DocPasteFromClipboard(HWND hwnd)
{
    if (ZebDocRecord::From(hwnd) == nullptr || !::OpenClipboard(hwnd))
        return 0;
    HGLOBAL hText = ::GetClipboardData(CF_TEXT);
    std::string text;
    const bool bRead = hText != nullptr && BlockText(hText, &text);
    ::CloseClipboard();
    if (hText == nullptr)
        return 1;
    return bRead ? DocInsertText(hwnd, text.c_str()) : 0;
}
