#include "text/paint/paint_fonts.h"

#include "text/paint/line_arrange.h"
#include "text/tables/font_entry.h"

namespace {

const long long kZoomDivisor = 101;

}  // namespace

ZebPaintFonts::ZebPaintFonts(const ZebFontSource& fonts, ZebPaintTarget target, int nPercent, SIZE objectRes,
                             SIZE targetRes)
    : m_fonts(fonts), m_target(target), m_nPercent(nPercent), m_objectRes(objectRes), m_targetRes(targetRes)
{
}

ZebPaintFonts::~ZebPaintFonts()
{
    if (m_hOwn != nullptr)
        ::DeleteObject(m_hOwn);
}

LOGFONTA ZebPaintFonts::Scaled(const LOGFONTA& lf, ZebPaintTarget target, int nPercent, SIZE objectRes,
                               SIZE targetRes)
{
    LOGFONTA scaled = lf;
    if (target == ZebPaintTarget::Zoomed)
    {
        scaled.lfHeight = ClampToInt(static_cast<long long>(lf.lfHeight) * nPercent / kZoomDivisor);
        scaled.lfWidth = ClampToInt(static_cast<long long>(lf.lfWidth) * nPercent / kZoomDivisor);
    }
    else if (target == ZebPaintTarget::Device)
    {
        scaled.lfWidth = ClampToInt(static_cast<long long>(lf.lfWidth) * targetRes.cx / objectRes.cx);
        scaled.lfHeight = ClampToInt(static_cast<long long>(lf.lfHeight) * targetRes.cy / objectRes.cy);
    }
    return scaled;
}

HFONT ZebPaintFonts::Font(int nIndex)
{
    const ZebFontEntry* pEntry = m_fonts.Entry(nIndex);
    if (pEntry == nullptr)
        return nullptr;
    if (m_target == ZebPaintTarget::Window)
        return pEntry->font;
    if (nIndex == m_nIndex && m_hOwn != nullptr)
        return m_hOwn;
    if (m_hOwn != nullptr)
        ::DeleteObject(m_hOwn);
    const LOGFONTA lf = Scaled(pEntry->logfont, m_target, m_nPercent, m_objectRes, m_targetRes);
    m_hOwn = ::CreateFontIndirectA(&lf);
    m_nIndex = nIndex;
    return m_hOwn;
}
