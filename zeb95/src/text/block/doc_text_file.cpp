#include "text/block/doc_object_block.h"

#include <string>

#include "dib/file_io.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/full/full_run.h"

namespace {

const UINT64 kMostFileBytes = 0x7FFFFFFF;

// Control bytes but line feed, form feed and carriage return become
// spaces (a tab too).
void Clean(std::string& text)
{
    for (char& c : text)
    {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 32 && b != '\n' && b != '\f' && b != '\r')
            c = ' ';
    }
}

}  // namespace

LONG WriteDocText(HWND hwnd, HANDLE hFile)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return -1;
    const ZebBlockList& blocks = *pDoc->Blocks();
    if (blocks.Count() == 0)
        return 0;
    std::string out;
    for (char c : RunFrom(blocks, 0, 0, kMostFileBytes).text)
    {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    if (out.size() > kMostFileBytes || !WriteExact(hFile, out.data(), static_cast<DWORD>(out.size())))
        return -1;
    return static_cast<LONG>(out.size());
}

BOOL ReadDocText(HWND hwnd, HANDLE hFile)
{
    UINT64 cb = 0;
    if (ZebDocRecord::From(hwnd) == nullptr || !GetBytesLeft(hFile, &cb) || cb > kMostFileBytes)
        return FALSE;
    std::string text(static_cast<size_t>(cb), '\0');
    if (!ReadExact(hFile, &text[0], static_cast<DWORD>(cb)))
        return FALSE;
    DocClearText(hwnd);
    if (cb == 0)
        return TRUE;
    Clean(text);
    return DocInsertText(hwnd, text.c_str());
}
