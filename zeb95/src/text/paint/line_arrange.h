// Where the units of a line go along it in the justified and user-cell
// alignments, and where a glyph stands in its cell: pure arithmetic on
// advance arrays (one entry per byte of the line, in document pixels),
// shared by the painters and by position mapping.
#pragma once
#include <algorithm>
#include <climits>

#include "zeb95.h"

// n held within the int range.
inline int ClampToInt(long long n)
{
    return static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, n)));
}

// Spreads nFree pixels over the gaps between nItems items: every entry
// above 0 is an item, and each but the last gets q = nFree / (nItems - 1)
// more, or q + 1 for the remainder's gaps as an error term starting at
// half the gap count hands them out. Fewer than two items or no free
// space change nothing.
void JustifyAdvances(int* pAdvances, int nCount, int nItems, long long nFree);
// Start of a line of fewer than two items, centred in nLayout with its
// content and mark: (nLayout - nContent - nMark) / 2, at least 0.
int CentredStart(long long nLayout, long long nContent, long long nMark);

// The cells of a line of width nWidth that take text: those that begin
// inside it, the last one clipped at it.
struct ZebUsableCells
{
    int nCount;
    int nLastWidth;  // of the last usable cell, clipped
    int nRunEnd;     // where the run of cells ends
};
ZebUsableCells FindUsableCells(const ZebUserCell* pCells, int nCells, int nWidth);
// Arranges the first nBytes entries of the advance array (trail bytes -1)
// into the usable cells, aligned in each by nAlign (0 left, 1 right, 2
// centre): forward from the first character and cell, or backward from the
// last ones. The entry before a cell's text takes the space that moves the
// text into place; while no byte has been placed, the start moves instead.
// The line's start along it.
int FillCellsForward(const ZebUserCell* pCells, const ZebUsableCells& usable, int nAlign, int* pAdvances, int nBytes);
int FillCellsBackward(const ZebUserCell* pCells, const ZebUsableCells& usable, int nAlign, int* pAdvances,
                      int nBytes);

// How far below a line's top (vertical: left of a column's right edge) an
// item of extent nExtent stands in a line of height nHeight, by its
// vertical position nVPos (-6 top .. 0 bottom, above 0 raised by pixels).
int VerticalOffset(int nHeight, int nExtent, int nVPos);
// Moves the point from a cell's top-left (vertical: the column's right edge
// and the cell's top) to the origin of a glyph of the font's direction
// (escapement / 900).
void PlaceTextOrigin(int nAdvance, int nExtent, int nLineHeight, int nVOffset, int nDirection, int bVertical,
                     long long* px, long long* py);
