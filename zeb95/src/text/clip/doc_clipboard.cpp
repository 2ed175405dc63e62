#include "text/clip/doc_clipboard.h"

#include <string.h>

#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/select/doc_positions.h"

namespace {

bool Before(const ZebTextSpot& a, const ZebTextSpot& b)
{
    return a.block < b.block || (a.block == b.block && a.offset < b.offset);
}

// A moveable block holding the bytes and a NUL, or null.
HGLOBAL TextBlock(const std::string& text)
{
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* p = hMem != nullptr ? static_cast<char*>(::GlobalLock(hMem)) : nullptr;
    if (p == nullptr)
    {
        if (hMem != nullptr)
            ::GlobalFree(hMem);
        return nullptr;
    }
    memcpy(p, text.c_str(), text.size() + 1);
    ::GlobalUnlock(hMem);
    return hMem;
}

// The text of a clipboard block up to its NUL or its end, whichever comes
// first; false when it cannot be read.
bool BlockText(HGLOBAL hMem, std::string* pText)
{
    const char* p = static_cast<const char*>(::GlobalLock(hMem));
    if (p == nullptr)
        return false;
    const size_t cb = ::GlobalSize(hMem);
    const void* pNul = memchr(p, '\0', cb);
    pText->assign(p, pNul != nullptr ? static_cast<const char*>(pNul) - p : cb);
    ::GlobalUnlock(hMem);
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
    bool bMore = Before(at, end);
    while (bMore)
    {
        const char c = SpotByte(blocks, at);
        if (c == '\n')
            *pText += '\r';
        *pText += c;
        bMore = SpotNextByte(blocks, at) && Before(at, end);
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
