#include <windows.h>

#include <imm.h>

#include <algorithm>

#include "text/caret/doc_caret.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_record.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"

namespace {

const int kCurrentFontSelector = -3;
const int kZoomedFontDivisor = 101;

int Zoom(int v, int nScale) { return DocToClientPixels(v, nScale); }

void CreateSystemCaret(HWND hwnd, const ZebDocRecord& doc)
{
    const RECT& c = doc.caret;  // x, y, width, height
    const POINT origin = doc.head.Origin();
    const int s = doc.nScale;
    int cx = c.right;
    int cy = c.bottom;
    if (IsScaled(s) && doc.head.Vertical() == 0)
        cy = std::max(1, Zoom(c.top + c.bottom, s) - Zoom(c.top, s));
    else if (IsScaled(s))
        cx = std::max(1, Zoom(c.left + c.right, s) - Zoom(c.left, s));
    ::CreateCaret(hwnd, nullptr, cx, cy);
    ::SetCaretPos(Zoom(c.left, s) - Zoom(origin.x, s), Zoom(c.top, s) - Zoom(origin.y, s));
    ::ShowCaret(hwnd);
}

// The font of the composition window by the selector: -3 the current
// font, a font index, or else the typing font when it is a Shift-JIS
// font and the current font when not.
const ZebFontEntry* CompositionFont(ZebDocRecord& doc)
{
    const ZebFontTable* pTable = DocFontTable(doc, false);
    const int nCount = pTable != nullptr ? pTable->Count() : 0;
    const int nSelector = doc.nImeFontSelector;
    if (nSelector >= 0 && nSelector < nCount)
        return DocFontEntry(doc, nSelector);
    if (nSelector != kCurrentFontSelector)
    {
        const ZebFontEntry* pTyping = DocFontEntry(doc, doc.nTypingFont);
        if (pTyping != nullptr && pTyping->logfont.lfCharSet == SHIFTJIS_CHARSET)
            return pTyping;
    }
    return DocFontEntry(doc, doc.nCurrentFont);
}

void PlaceComposition(ZebDocRecord& doc, HIMC hImc)
{
    const ZebFontEntry* pFont = CompositionFont(doc);
    const int h = pFont != nullptr ? pFont->logfont.lfHeight : 0;
    const int s = doc.nScale;
    if (pFont != nullptr)
    {
        LOGFONTA lf = pFont->logfont;
        if (IsScaled(s))
            lf.lfHeight = lf.lfHeight * s / kZoomedFontDivisor;
        ::ImmSetCompositionFontA(hImc, &lf);
    }
    const RECT& c = doc.caret;  // x, y, width, height
    const bool bVertical = doc.head.Vertical() != 0;
    const int nAcross = std::max(0, std::min<int>(h, c.right) - 1);
    const int dx = bVertical ? nAcross : 0;
    const int dy = c.bottom - h > 0 ? c.bottom - h : 0;
    POINT pt = {c.left + dx - doc.head.Origin().x, c.top + dy - doc.head.Origin().y};
    if (IsScaled(s))
        pt = {Zoom(pt.x, s), Zoom(pt.y, s)};
    if (bVertical)
        pt.x = std::max<LONG>(pt.x, nAcross);
    auto* pForm = static_cast<COMPOSITIONFORM*>(doc.CompositionForm());
    if (pForm == nullptr)
        return;
    pForm->dwStyle = CFS_POINT;
    pForm->ptCurrentPos = pt;
    ::ImmSetCompositionWindow(hImc, pForm);
}

}  // namespace

int DocPlaceCaret(HWND hwnd, bool bWithCaret)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    if (bWithCaret)
        CreateSystemCaret(hwnd, *pDoc);
    HIMC hImc = ::ImmGetContext(hwnd);
    if (hImc != nullptr)
        PlaceComposition(*pDoc, hImc);
    ::ImmReleaseContext(hwnd, hImc);
    return 1;
}
