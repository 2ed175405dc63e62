// The font a painter selects for a font byte: the entry's own font on the
// window at 100 percent; a font of the painter's own, made from the entry's
// LOGFONT, when zoomed (height and width x percent / 101) or on a device
// context (width x target / object on x, height on y). The painter holds
// one own font at a time and makes the next when the font byte changes.
#pragma once
#include <windows.h>

#include "text/layout/unit_measure.h"
#include "text/paint/doc_painter.h"

class ZebPaintFonts
{
public:
    ZebPaintFonts(const ZebFontSource& fonts, ZebPaintTarget target, int nPercent, SIZE objectRes, SIZE targetRes);
    ~ZebPaintFonts();
    ZebPaintFonts(const ZebPaintFonts&) = delete;
    ZebPaintFonts& operator=(const ZebPaintFonts&) = delete;

    // Null for a font byte outside the table or a font that cannot be made.
    HFONT Font(int nIndex);
    // The LOGFONT the painter makes its own font from.
    static LOGFONTA Scaled(const LOGFONTA& lf, ZebPaintTarget target, int nPercent, SIZE objectRes, SIZE targetRes);

private:
    const ZebFontSource& m_fonts;
    ZebPaintTarget m_target;
    int m_nPercent;
    SIZE m_objectRes;
    SIZE m_targetRes;
    int m_nIndex = -1;
    HFONT m_hOwn = nullptr;
};
