#include "text/layout/unit_measure.h"

#include "text/tables/bmp_table.h"
#include "text/tables/font_extent.h"
#include "text/tables/font_table.h"

int ZebTableFonts::Count() const { return m_pTable != nullptr ? m_pTable->Count() : 0; }

const ZebFontEntry* ZebTableFonts::Entry(int nIndex) const
{
    return m_pTable != nullptr ? m_pTable->Entry(nIndex, m_bTwin) : nullptr;
}

int ZebUnitMeasure::BitmapCount() const { return pBitmaps != nullptr ? pBitmaps->Count() : 0; }

bool ZebUnitMeasure::Char(ZebCharAttr attr, const BYTE* pText, int* pnAdvance, int* pnCross) const
{
    const ZebFontEntry* pEntry = pFonts->Entry(AttrFont(attr));
    if (pEntry == nullptr)
        return false;
    *pnAdvance = FontCharExtent(hwnd, *pEntry, attr, pText, nCharExtra, bVertical, pnCross);
    return true;
}

bool ZebUnitMeasure::Bitmap(int nIndex, int* pnAdvance, int* pnCross) const
{
    const ZebDocBmpEntry* pEntry = pBitmaps != nullptr ? pBitmaps->Entry(nIndex) : nullptr;
    if (pEntry == nullptr)
        return false;
    *pnAdvance = bVertical ? pEntry->height : pEntry->width;
    *pnCross = bVertical ? pEntry->width : pEntry->height;
    return true;
}

bool ZebUnitMeasure::MarkIsValid(const ZebMark& mark) const
{
    if (mark.wCode == kZebNoMark)
        return true;
    if ((mark.attr & ZebAttrBitmap) != 0)
        return AttrFont(mark.attr) < BitmapCount();
    return AttrFont(mark.attr) < FontCount();
}

int ZebUnitMeasure::MarkAdvance(BYTE bBreak) const
{
    const ZebMark& mark = bBreak == '\f' ? formFeed : lineFeed;
    if (mark.wCode == kZebNoMark || !MarkIsValid(mark))
        return 0;
    int nAdvance = 0;
    int nCross = 0;
    if ((mark.attr & ZebAttrBitmap) != 0)
        return Bitmap(AttrFont(mark.attr), &nAdvance, &nCross) ? nAdvance : 0;
    const ZebFontEntry* pEntry = pFonts->Entry(AttrFont(mark.attr));
    return FontCodeExtent(hwnd, *pEntry, mark.wCode, nCharExtra, bVertical, nullptr);
}
