#include "text/full/full_run.h"

#include <cstring>

#include "text/doc/doc_record.h"
#include "text/layout/text_cursor.h"
#include "text/select/doc_positions.h"

ZebFullRun RunBetween(const ZebBlockList& blocks, const ZebTextSpot& from, const ZebTextSpot& to)
{
    ZebFullRun run;
    for (ZebTextCursor at(blocks, from.block, from.offset);
         !at.AtEnd() && SpotBefore({at.Block(), at.Offset()}, to); at.Skip(1))
    {
        run.text += static_cast<char>(at.Byte());
        run.attrs.push_back(at.Attr());
    }
    return run;
}

ZebFullRun RunFrom(const ZebBlockList& blocks, int nBlock, int nOffset, long long n)
{
    ZebFullRun run;
    for (ZebTextCursor at(blocks, nBlock, nOffset); n > 0 && !at.AtEnd(); at.Skip(1), --n)
    {
        run.text += static_cast<char>(at.Byte());
        run.attrs.push_back(at.Attr());
    }
    return run;
}

bool DocSelectionRun(const ZebDocRecord& doc, ZebFullRun* pRun)
{
    *pRun = ZebFullRun();
    POINT start = {};
    ZebTextSpot from = {};
    ZebTextSpot to = {};
    const ZebSelectionSpan span = DocSelectionSpots(doc, &start, &from, &to);
    if (span == ZebSelectionSome)
        *pRun = RunBetween(*doc.Blocks(), from, to);
    return span != ZebSelectionBad;
}

void PutPlainFullText(BYTE* p, const ZebFullRun& run, size_t n)
{
    PutLe32(p, static_cast<DWORD>(n));
    std::memcpy(p + 4, run.text.data(), n);
    for (size_t i = 0; i < n; ++i)
        PutLe32(p + 4 + n + 4 * i, run.attrs[i]);
}

void AppendPlainFullText(std::vector<BYTE>& bytes, const ZebFullRun& run)
{
    const size_t nAt = bytes.size();
    bytes.resize(nAt + static_cast<size_t>(PlainFullTextBytes(run.text.size())));
    PutPlainFullText(bytes.data() + nAt, run, run.text.size());
}

int WritePlainFullText(BYTE* pBuffer, int cb, const ZebFullRun& run)
{
    if (pBuffer == nullptr || cb < 4)
        return -1;
    size_t n = static_cast<size_t>(cb - 4) / 5;
    if (n > run.text.size())
        n = run.text.size();
    PutPlainFullText(pBuffer, run, n);
    return static_cast<int>(PlainFullTextBytes(n));
}
