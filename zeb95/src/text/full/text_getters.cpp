#include "text/full/text_getters.h"

#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/full/full_run.h"

namespace {

const int kMostLength = 0x7FFFFFFF;

// The document once its whole text is laid out, or null.
ZebDocRecord* LaidOut(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc != nullptr)
        DocWaitLayout(hwnd, -1);
    return pDoc;
}

// The line's entry (negative: the caret line), or null outside the table.
const ZebLineEntry* LineOf(const ZebDocRecord& doc, int nLine)
{
    if (nLine < 0)
        nLine = doc.head.CaretPos().y;
    const ZebLineTable& lines = *doc.Lines();
    return nLine >= 0 && nLine < lines.Count() ? &lines.At(nLine) : nullptr;
}

// The bytes of every line.
long long TextBytes(const ZebDocRecord& doc)
{
    long long n = 0;
    const ZebLineTable& lines = *doc.Lines();
    for (int i = 0; i < lines.Count(); ++i)
        n += lines.At(i).length;
    return n;
}

int Clamped(long long n) { return n > kMostLength ? kMostLength : static_cast<int>(n); }

// The run as text with line feeds as CR LF into cb bytes: a line feed
// without room for both bytes is a bare LF (bBareLf) or ends the copy.
int WriteText(char* pBuffer, int cb, const ZebFullRun& run, bool bBareLf)
{
    int n = 0;
    for (size_t i = 0; i < run.text.size() && n < cb - 1; ++i)
    {
        const char c = run.text[i];
        if (c == '\n' && n + 2 < cb)
            pBuffer[n++] = '\r';
        else if (c == '\n' && !bBareLf)
            break;
        pBuffer[n++] = c;
    }
    pBuffer[n] = '\0';
    return n;
}

// The text from the line's start as far as cb bytes of CR LF text can take.
ZebFullRun RunForText(const ZebDocRecord& doc, const ZebLineEntry& line, int cb)
{
    return RunFrom(*doc.Blocks(), line.block, line.offset, cb);
}

}  // namespace

int DocGetLine(HWND hwnd, int nLine, char* pBuffer, int cb)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    const ZebLineEntry* pLine = pDoc != nullptr && cb >= 1 && pBuffer != nullptr ? LineOf(*pDoc, nLine) : nullptr;
    if (pLine == nullptr)
        return -1;
    return WriteText(pBuffer, cb, RunForText(*pDoc, *pLine, cb), true);
}

int DocGetLineLength(HWND hwnd, int nLine)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    const ZebLineEntry* pLine = pDoc != nullptr && nLine >= 0 ? LineOf(*pDoc, nLine) : nullptr;
    if (pLine == nullptr)
        return -1;
    return pLine->length + (pLine->endKind == ZebLineEndLineFeed ? 1 : 0);
}

int DocGetRawLine(HWND hwnd, int nLine, BYTE* pBuffer, int cb)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    if (pDoc == nullptr || pBuffer == nullptr || cb < 4)
        return -1;
    if (cb <= 8)
        return WritePlainFullText(pBuffer, cb, ZebFullRun());
    const ZebLineEntry* pLine = nLine >= 0 ? LineOf(*pDoc, nLine) : nullptr;
    if (pLine == nullptr)
        return -1;
    return WritePlainFullText(pBuffer, cb, RunFrom(*pDoc->Blocks(), pLine->block, pLine->offset, pLine->length));
}

int DocGetRawLineLength(HWND hwnd, int nLine)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    const ZebLineEntry* pLine = pDoc != nullptr && nLine >= 0 ? LineOf(*pDoc, nLine) : nullptr;
    return pLine != nullptr ? static_cast<int>(PlainFullTextBytes(pLine->length)) : -1;
}

int DocGetAllText(HWND hwnd, char* pBuffer, int cb)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    if (pDoc == nullptr || pBuffer == nullptr || cb < 1)
        return -1;
    const ZebLineEntry* pFirst = LineOf(*pDoc, 0);
    return WriteText(pBuffer, cb, pFirst != nullptr ? RunForText(*pDoc, *pFirst, cb) : ZebFullRun(), false);
}

int DocGetAllTextLength(HWND hwnd)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    if (pDoc == nullptr)
        return -1;
    long long n = 1 + TextBytes(*pDoc);
    const ZebLineTable& lines = *pDoc->Lines();
    for (int i = 0; i < lines.Count(); ++i)
        n += lines.At(i).endKind == ZebLineEndLineFeed ? 1 : 0;
    return Clamped(n);
}

int DocGetAllFullText(HWND hwnd, BYTE* pBuffer, int cb)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    if (pDoc == nullptr || pBuffer == nullptr || cb < 4)
        return -1;
    const ZebLineEntry* pFirst = LineOf(*pDoc, 0);
    const long long nMost = (cb - 4) / 5;
    const long long nBytes = TextBytes(*pDoc);
    return WritePlainFullText(pBuffer, cb,
                              pFirst != nullptr ? RunFrom(*pDoc->Blocks(), pFirst->block, pFirst->offset,
                                                          nBytes < nMost ? nBytes : nMost)
                                                : ZebFullRun());
}

int DocGetAllFullTextLength(HWND hwnd)
{
    const ZebDocRecord* pDoc = LaidOut(hwnd);
    return pDoc != nullptr ? Clamped(static_cast<long long>(PlainFullTextBytes(TextBytes(*pDoc)))) : -1;
}
