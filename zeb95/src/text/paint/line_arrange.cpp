#include "text/paint/line_arrange.h"

namespace {

const int kTrail = -1;
const int kAlignRight = 1;
const int kAlignCentre = 2;

int CellWidth(const ZebUserCell& cell) { return cell.wRight - cell.wLeft; }

// Space in front of text of width nText in a cell of width nCell (forward
// filling): right alignment the rest, centring half of it.
int LeadSpace(int nAlign, int nCell, int nText)
{
    if (nText >= nCell)
        return 0;
    if (nAlign == kAlignRight)
        return nCell - nText;
    return nAlign == kAlignCentre ? (nCell - nText) / 2 : 0;
}

// Space behind text (backward filling): left alignment the rest, centring
// half of it rounded up.
int TrailSpace(int nAlign, int nCell, int nText)
{
    if (nText >= nCell || nAlign == kAlignRight)
        return 0;
    return nAlign == kAlignCentre ? (nCell - nText + 1) / 2 : nCell - nText;
}

// The bytes from nFirst that fit nCapacity, a double-byte character whole;
// their advances summed into *pnWidth. The byte after them.
int TakeForward(const int* pAdvances, int nBytes, int nFirst, int nCapacity, long long* pnWidth)
{
    int nTaken = 0;
    int i = nFirst;
    while (i < nBytes)
    {
        const int nSize = i + 1 < nBytes && pAdvances[i + 1] == kTrail ? 2 : 1;
        if (nTaken + nSize > nCapacity)
            break;
        *pnWidth += pAdvances[i];
        nTaken += nSize;
        i += nSize;
    }
    return i;
}

void AddBefore(int* pAdvances, int nBefore, int nAdd)
{
    int i = nBefore - 1;
    while (i > 0 && pAdvances[i] < 1)
        --i;
    pAdvances[std::max(i, 0)] = ClampToInt(static_cast<long long>(pAdvances[std::max(i, 0)]) + nAdd);
}

}  // namespace

void JustifyAdvances(int* pAdvances, int nCount, int nItems, long long nFree)
{
    if (nItems < 2 || nFree <= 0)
        return;
    const long long nGaps = nItems - 1;
    const int q = ClampToInt(nFree / nGaps);
    const long long r = nFree % nGaps;
    long long e = nGaps / 2;
    int nLeft = nItems;
    for (int i = 0; i < nCount; ++i)
    {
        if (pAdvances[i] <= 0 || --nLeft <= 0)
            continue;
        long long nAdvance = static_cast<long long>(pAdvances[i]) + q;
        e -= r;
        if (e < 0)
        {
            e += nGaps;
            ++nAdvance;
        }
        pAdvances[i] = ClampToInt(nAdvance);
    }
}

int CentredStart(long long nLayout, long long nContent, long long nMark)
{
    const long long nStart = (nLayout - nContent - nMark) / 2;
    return nStart > 0 ? ClampToInt(nStart) : 0;
}

ZebUsableCells FindUsableCells(const ZebUserCell* pCells, int nCells, int nWidth)
{
    ZebUsableCells usable = {nCells, nCells > 0 ? CellWidth(pCells[nCells - 1]) : 0, 0};
    long long nEnd = nCells > 0 ? pCells[0].wLeft : 0;
    for (int i = 0; i < nCells; ++i)
    {
        const ZebUserCell& cell = pCells[i];
        if (cell.wLeft >= nWidth)
        {
            usable.nCount = i;
            usable.nLastWidth = CellWidth(pCells[i < 2 ? 0 : i - 1]);
            usable.nRunEnd = ClampToInt(nEnd);
            return usable;
        }
        const long long nStart = std::max<long long>(nEnd, cell.wLeft);
        if (nStart + CellWidth(cell) >= nWidth)
        {
            usable.nCount = i + 1;
            usable.nLastWidth = ClampToInt(nWidth - nStart);
            usable.nRunEnd = nWidth;
            return usable;
        }
        nEnd = nStart + CellWidth(cell);
    }
    usable.nRunEnd = ClampToInt(nEnd);
    return usable;
}

int FillCellsForward(const ZebUserCell* pCells, const ZebUsableCells& usable, int nAlign, int* pAdvances, int nBytes)
{
    long long x = pCells[0].wLeft;
    long long nStart = x;
    int i = 0;
    for (int k = 0; k < usable.nCount && i < nBytes; ++k)
    {
        const ZebUserCell& cell = pCells[k];
        long long nWidth = 0;
        const int nNext = TakeForward(pAdvances, nBytes, i, cell.wCapacity, &nWidth);
        long long nOffset = LeadSpace(nAlign, CellWidth(cell), ClampToInt(nWidth));
        if (x < cell.wLeft)
            nOffset += cell.wLeft - x;
        if (i == 0)
            nStart = x + nOffset;
        else
            AddBefore(pAdvances, i, ClampToInt(nOffset));
        x += nOffset + nWidth;
        i = nNext;
    }
    return ClampToInt(nStart);
}

int FillCellsBackward(const ZebUserCell* pCells, const ZebUsableCells& usable, int nAlign, int* pAdvances,
                      int nBytes)
{
    if (usable.nCount < 1)
        return pCells[0].wLeft;
    int k = usable.nCount - 1;
    long long R = static_cast<long long>(pCells[k].wLeft) + usable.nLastWidth;
    long long nWidth = 0;
    int nCounter = 0;
    int nCellEnd = nBytes;  // one past the current cell's last byte
    int i = nBytes - 1;
    // Closes cell k holding bytes i + 1 .. nCellEnd - 1: places its text
    // against R and moves R to the text's left end.
    auto closeCell = [&]() {
        const bool bLast = k == usable.nCount - 1;
        const int nCell = bLast ? usable.nLastWidth : CellWidth(pCells[k]);
        const long long nRight = static_cast<long long>(pCells[k].wLeft) + nCell;
        long long nGap = TrailSpace(nAlign, nCell, ClampToInt(nWidth));
        if (R > nRight)
            nGap += R - nRight;
        R = R - nGap - nWidth;
        if (!bLast)
        {
            int j = nCellEnd - 1;
            while (j > i && pAdvances[j] < 0)
                --j;
            if (j > i)
                pAdvances[j] = ClampToInt(static_cast<long long>(pAdvances[j]) + nGap);
        }
        nWidth = 0;
        nCellEnd = i + 1;
    };
    for (; i >= 0; --i)
    {
        ++nCounter;
        if (pAdvances[i] == kTrail)
            continue;
        if (nCounter > pCells[k].wCapacity)
        {
            closeCell();
            nCounter -= pCells[k].wCapacity;
            if (--k < 0)
                break;
        }
        nWidth += pAdvances[i];
    }
    if (k >= 0)
        closeCell();
    // Bytes no cell took stand in front of the leftmost text.
    for (int j = i; j >= 0; --j)
        R -= std::max(pAdvances[j], 0);
    return ClampToInt(R);
}

int VerticalOffset(int nHeight, int nExtent, int nVPos)
{
    long long d = static_cast<long long>(nHeight) - nExtent;
    if (d > 0)
    {
        if (nVPos <= 0)
            d += d * std::max(nVPos, -6) / 6;
        else
            d = d < nVPos ? 0 : d - nVPos;
    }
    if (d + nExtent > nHeight)
        d = static_cast<long long>(nHeight) - nExtent;
    return d < 0 ? 0 : ClampToInt(d);
}

void PlaceTextOrigin(int nAdvance, int, int nLineHeight, int nVOffset, int nDirection, int bVertical, long long* px,
                     long long* py)
{
    if (bVertical == 0)
    {
        switch (nDirection)
        {
        case 1: *py += nLineHeight; break;
        case 2: *px += nAdvance; *py += nLineHeight; break;
        case 3: *px += nAdvance; *py += nVOffset; break;
        default: *py += nVOffset; break;
        }
        return;
    }
    switch (nDirection)
    {
    case 1: *px -= nLineHeight; *py += nAdvance; break;
    case 2: *px -= nVOffset; *py += nAdvance; break;
    case 3: *px -= nVOffset; break;
    default: *px -= nLineHeight; break;
    }
}
