#include "text/tables/attr_renumber.h"

int ZebRenumber::Map(int nIndex) const
{
    if (nIndex < nAt || nIndex >= nCount)
        return nIndex;
    if (kind == Insertion)
        return nIndex + 1;
    return kind == Clearing || nIndex == nAt ? nTo : nIndex - 1;
}

ZebCharAttr ZebRenumber::Apply(ZebCharAttr a) const
{
    const bool bBitmap = (a & ZebAttrBitmap) != 0;
    if (bBitmap != (table == ZebAttrTable::Bitmaps))
        return a;
    return AttrWithFont(a, Map(AttrFont(a)));
}

void RenumberAttrs(const ZebBlockList& blocks, const ZebRenumber& change)
{
    ForEachAttr(blocks, [&](ZebCharAttr& a) { a = change.Apply(a); });
}

void RenumberHolder(const ZebIndexHolder& holder, const ZebRenumber& change)
{
    RenumberAttrs(*holder.pBlocks, change);
    *holder.pLineFeedMark = change.Apply(*holder.pLineFeedMark);
    *holder.pFormFeedMark = change.Apply(*holder.pFormFeedMark);
    if (change.table != ZebAttrTable::Fonts)
        return;
    *holder.pnTypingFont = change.Map(*holder.pnTypingFont);
    *holder.pnCurrentFont = change.Map(*holder.pnCurrentFont);
}
