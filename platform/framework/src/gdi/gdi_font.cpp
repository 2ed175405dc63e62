#include "afxgdi.h"
#include <cstdlib>

namespace {

// The attribute context of a CDC, or the screen's context while there is
// no CDC.
class MeasuringDC
{
public:
    explicit MeasuringDC(CDC* pDC)
        : m_hScreenDC(pDC == nullptr ? ::GetDC(nullptr) : nullptr),
          m_hDC(pDC == nullptr ? m_hScreenDC : pDC->m_hAttribDC)
    {
    }
    ~MeasuringDC()
    {
        if (m_hScreenDC != nullptr)
            ::ReleaseDC(nullptr, m_hScreenDC);
    }
    MeasuringDC(const MeasuringDC&) = delete;
    MeasuringDC& operator=(const MeasuringDC&) = delete;

    // The length in logical units of a vertical device distance of
    // nTenths tenths of a point.
    LONG LogicalHeight(LONG nTenths) const
    {
        POINT ends[2] = {{0, 0}, {0, ::MulDiv(::GetDeviceCaps(m_hDC, LOGPIXELSY), nTenths, 720)}};
        ::DPtoLP(m_hDC, ends, 2);
        return std::labs(ends[1].y - ends[0].y);
    }

private:
    HDC m_hScreenDC;
    HDC m_hDC;
};

}  // namespace

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont* CFont::FromHandle(HFONT hFont)
{
    return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return AttachCreated(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
    BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    return AttachCreated(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
        cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfHeight = nPointSize;
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (lpszFaceName != nullptr)
        ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    LOGFONT logFont = *lpLogFont;
    logFont.lfHeight = -MeasuringDC(pDC).LogicalHeight(lpLogFont->lfHeight);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return GetObject(sizeof(LOGFONT), pLogFont);
}
