// Renumbering of the indexes that character attributes hold when an entry
// is inserted into or removed from a table: font indexes (attributes
// without ZebAttrBitmap) or bitmap indexes (attributes with it).
#pragma once
#include "text/storage/block_list.h"
#include "text/storage/char_attr.h"

enum class ZebAttrTable
{
    Fonts,
    Bitmaps,
};

// One index change of a table of nCount entries: an insertion at nAt
// (indexes at or above it rise by 1), a removal of nAt (it becomes nTo,
// higher ones fall by 1), or the removal of all (every index becomes nTo).
// An index at or beyond the count names nothing and stays as it is (a
// bitmap reference left at 255 by a removal must not wrap round to bitmap 0).
struct ZebRenumber
{
    enum Kind
    {
        Insertion,
        Removal,
        Clearing,
    };
    ZebAttrTable table;
    Kind kind;
    int nCount;
    int nAt;
    int nTo;

    static ZebRenumber Insert(ZebAttrTable t, int nCount, int nAt) { return {t, Insertion, nCount, nAt, 0}; }
    static ZebRenumber Remove(ZebAttrTable t, int nCount, int nAt, int nTo) { return {t, Removal, nCount, nAt, nTo}; }
    static ZebRenumber Clear(ZebAttrTable t, int nCount, int nTo) { return {t, Clearing, nCount, 0, nTo}; }

    // The new index of an old one.
    int Map(int nIndex) const;
    // The attribute with its index renumbered when it belongs to the table.
    ZebCharAttr Apply(ZebCharAttr a) const;
};

// Calls f with a reference to every attribute of the text (the gaps left
// out), in text order.
template <class F>
void ForEachAttr(const ZebBlockList& blocks, F f)
{
    for (int i = 0; i < blocks.Count(); ++i)
    {
        ZebTextBlock* pBlock = blocks.Block(i);
        const int nAfter = pBlock->gapStart + pBlock->gapLength;
        for (int j = 0; j < pBlock->gapStart; ++j)
            f(pBlock->attrs[j]);
        for (int j = nAfter; j < ZebTextBlock::kBytes; ++j)
            f(pBlock->attrs[j]);
    }
}

// Renumbers every attribute of the text in place. The text and the gaps
// stay where they are; the caller has stopped the layout thread.
void RenumberAttrs(const ZebBlockList& blocks, const ZebRenumber& change);

// What of a document holds table indexes: its text, the line-feed and
// form-feed marks, the typing and the current font index.
struct ZebIndexHolder
{
    const ZebBlockList* pBlocks;
    ZebCharAttr* pLineFeedMark;
    ZebCharAttr* pFormFeedMark;
    int* pnTypingFont;
    int* pnCurrentFont;
};

// Renumbers the text and the marks, and for a font change the typing and
// current font indexes.
void RenumberHolder(const ZebIndexHolder& holder, const ZebRenumber& change);
