#include "barcode.h"

#include <algorithm>

#include "symbology.h"

namespace {

// Four-state symbols in units of one bar width: bars one unit apart, six
// units high (long), ascenders and descenders four, the timing part two,
// with quiet zones of four units left and right.
const int kPostalHeight = 6;
const int kPostalQuiet = 4;

bool Encode(UINT nKind, const std::string& text, tagBARSYMBOL& symbol)
{
    switch (nKind) {
    case CBarcode::KIND_JAN13:
        return EncodeJan(text, 13, symbol);
    case CBarcode::KIND_JAN8:
        return EncodeJan(text, 8, symbol);
    case CBarcode::KIND_CODE39:
        return EncodeCode39(text, symbol);
    case CBarcode::KIND_NW7:
        return EncodeNw7(text, symbol);
    case CBarcode::KIND_ITF:
        return EncodeItf(text, symbol);
    case CBarcode::KIND_CODE128:
        return EncodeCode128(text, symbol);
    case CBarcode::KIND_POSTAL:
        return EncodePostal(text, symbol);
    default:
        return false;
    }
}

std::string TextOf(const CString& str)
{
    return std::string(static_cast<LPCSTR>(str), static_cast<size_t>(str.GetLength()));
}

void FillBar(CDC* pDC, int x, int y, int cx, int cy)
{
    CBrush black(RGB(0, 0, 0));
    const CRect rect(x, y, x + cx, y + cy);
    pDC->FillRect(&rect, &black);
}

BOOL DrawLinear(CDC* pDC, const RECT& rect, const tagBARSYMBOL& symbol)
{
    long long nModules = symbol.nQuietLeft + symbol.nQuietRight;
    for (int nWidth : symbol.elements)
        nModules += nWidth;
    const long long nModule = (rect.right - rect.left) / nModules;
    if (nModule < 1 || rect.bottom <= rect.top)
        return FALSE;
    int x = rect.left + static_cast<int>((rect.right - rect.left - nModules * nModule) / 2 + symbol.nQuietLeft * nModule);
    for (size_t i = 0; i < symbol.elements.size(); ++i) {
        const int cx = static_cast<int>(symbol.elements[i] * nModule);
        if (i % 2 == 0)
            FillBar(pDC, x, rect.top, cx, rect.bottom - rect.top);
        x += cx;
    }
    return TRUE;
}

BOOL DrawFourState(CDC* pDC, const RECT& rect, const tagBARSYMBOL& symbol)
{
    const long long nUnitsAcross = static_cast<long long>(symbol.elements.size()) * 2 - 1 + 2 * kPostalQuiet;
    const long long nUnit = std::min<long long>((rect.right - rect.left) / nUnitsAcross, (rect.bottom - rect.top) / kPostalHeight);
    if (nUnit < 1)
        return FALSE;
    const int u = static_cast<int>(nUnit);
    int x = rect.left + static_cast<int>((rect.right - rect.left - nUnitsAcross * nUnit) / 2) + kPostalQuiet * u;
    const int y = rect.top + (rect.bottom - rect.top - kPostalHeight * u) / 2;
    for (int nBar : symbol.elements) {
        const int nTop = nBar == tagBARSYMBOL::BAR_LONG || nBar == tagBARSYMBOL::BAR_ASCENDER ? 0 : 2;
        const int nBottom = nBar == tagBARSYMBOL::BAR_LONG || nBar == tagBARSYMBOL::BAR_DESCENDER ? 6 : 4;
        FillBar(pDC, x, y + nTop * u, u, (nBottom - nTop) * u);
        x += 2 * u;
    }
    return TRUE;
}

}  // namespace

CBarcode::CBarcode() : m_nKind(KIND_NONE), m_rect()
{
}

CBarcode::~CBarcode() = default;

BOOL CBarcode::Create(UINT nKind)
{
    m_nKind = nKind >= KIND_JAN13 && nKind <= KIND_LAST ? nKind : KIND_NONE;
    return m_nKind != KIND_NONE;
}

BOOL CBarcode::SetData(CString strData)
{
    m_strData = strData;
    tagBARSYMBOL symbol;
    return Encode(m_nKind, TextOf(m_strData), symbol);
}

BOOL CBarcode::DrawBarcode(CDC* pDC)
{
    tagBARSYMBOL symbol;
    if (pDC == nullptr || !Encode(m_nKind, TextOf(m_strData), symbol))
        return FALSE;
    return symbol.bFourState ? DrawFourState(pDC, m_rect, symbol) : DrawLinear(pDC, m_rect, symbol);
}
