// How far a unit of text reaches along a line and across it: characters in
// their fonts, inline bitmaps and the marks of line feeds and form feeds.
// Layout (on either thread) and position mapping read the tables through
// it and never change them.
#pragma once
#include <windows.h>

#include "text/storage/char_attr.h"

struct ZebFontEntry;
class ZebBmpTable;
class ZebFontTable;

// The fonts that font bytes name.
class ZebFontSource
{
public:
    virtual ~ZebFontSource() = default;
    virtual int Count() const = 0;
    // Null outside the table.
    virtual const ZebFontEntry* Entry(int nIndex) const = 0;
};

// A document's font table in use (the vertical twins of a shared pair for a
// vertical document).
class ZebTableFonts : public ZebFontSource
{
public:
    ZebTableFonts(const ZebFontTable* pTable, bool bVerticalTwin) : m_pTable(pTable), m_bTwin(bVerticalTwin) {}
    int Count() const override;
    const ZebFontEntry* Entry(int nIndex) const override;

private:
    const ZebFontTable* m_pTable;
    bool m_bTwin;
};

const WORD kZebNoMark = 0xFFFF;

// A line-feed or form-feed mark: a code (65535 none, 32 with a bitmap
// attribute names a bitmap) and its attribute.
struct ZebMark
{
    WORD wCode;
    ZebCharAttr attr;
};

struct ZebUnitMeasure
{
    HWND hwnd;  // whose device context measures double-byte characters of variable-pitch Japanese fonts
    const ZebFontSource* pFonts;
    const ZebBmpTable* pBitmaps;  // null: no bitmaps
    bool bVertical;
    int nCharExtra;
    ZebMark lineFeed;
    ZebMark formFeed;

    int FontCount() const { return pFonts->Count(); }
    int BitmapCount() const;
    // The character at pText (two bytes with ZebAttrLead) in the font its
    // attribute names: the advance, the cross size through pnCross; false
    // when the font is not in the table.
    bool Char(ZebCharAttr attr, const BYTE* pText, int* pnAdvance, int* pnCross) const;
    // The bitmap's width and height (traded when vertical); false when it is
    // not in the table.
    bool Bitmap(int nIndex, int* pnAdvance, int* pnCross) const;
    // The advance of the mark of a line feed (10) or form feed (12): 0 when
    // the mark is off or names what is not there.
    int MarkAdvance(BYTE bBreak) const;
    // False when the mark names a bitmap or font that is not there.
    bool MarkIsValid(const ZebMark& mark) const;
};
