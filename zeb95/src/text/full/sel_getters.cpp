#include "text/full/sel_getters.h"

#include <cstring>
#include <string>

#include "text/clip/doc_clipboard.h"
#include "text/doc/doc_record.h"
#include "text/full/full_text_ex.h"

namespace {

const UINT64 kMostLength = 0x7FFFFFFF;

int Clamped(UINT64 n) { return n > kMostLength ? static_cast<int>(kMostLength) : static_cast<int>(n); }

// The document and its selected run; null without record or for a
// selection outside the lines.
ZebDocRecord* SelectionOf(HWND hwnd, ZebFullRun* pRun)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    return pDoc != nullptr && DocSelectionRun(*pDoc, pRun) ? pDoc : nullptr;
}

}  // namespace

int DocGetSelLength(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    std::string text;
    if (pDoc == nullptr || !DocSelectedPlainText(*pDoc, &text))
        return -1;
    return Clamped(text.size() + 1);
}

int DocGetSelText(HWND hwnd, char* pBuffer, int cb)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    std::string text;
    if (pDoc == nullptr || pBuffer == nullptr || cb < 1 || !DocSelectedPlainText(*pDoc, &text))
        return -1;
    size_t n = text.size() < static_cast<size_t>(cb) ? text.size() : static_cast<size_t>(cb) - 1;
    if (n > 0 && n < text.size() && text[n - 1] == '\r' && text[n] == '\n')
        --n;
    std::memcpy(pBuffer, text.data(), n);
    pBuffer[n] = '\0';
    return static_cast<int>(n);
}

int DocGetSelFullLength(HWND hwnd)
{
    ZebFullRun run;
    return SelectionOf(hwnd, &run) != nullptr ? Clamped(PlainFullTextBytes(run.text.size())) : -1;
}

int DocGetSelFullText(HWND hwnd, BYTE* pBuffer, int cb)
{
    ZebFullRun run;
    return SelectionOf(hwnd, &run) != nullptr ? WritePlainFullText(pBuffer, cb, run) : -1;
}

int DocGetSelFullLengthEx(HWND hwnd)
{
    ZebFullRun run;
    ZebDocRecord* pDoc = SelectionOf(hwnd, &run);
    return pDoc != nullptr ? Clamped(ExtendedFullTextQuery(*pDoc, run)) : -1;
}

int DocGetSelFullTextEx(HWND hwnd, BYTE* pBuffer, int cb)
{
    if (pBuffer == nullptr || cb < 0)
        return -1;
    if (static_cast<DWORD>(cb) < kFullTextHeaderBytes)
    {
        std::memset(pBuffer, 0, static_cast<size_t>(cb));
        return -1;
    }
    ZebFullRun run;
    ZebDocRecord* pDoc = SelectionOf(hwnd, &run);
    if (pDoc == nullptr)
        return -1;
    const std::vector<BYTE> bytes = ExtendedFullText(*pDoc, run);
    if (bytes.size() > static_cast<size_t>(cb))
        return -1;
    std::memcpy(pBuffer, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
}
