// CDC: text output to the output context, metrics from either context.
#include "afxgdi.h"

namespace {

CSize TextExtentOn(HDC hDC, LPCSTR lpszString, int nCount)
{
    CSize size;
    ::GetTextExtentPoint32A(hDC, lpszString, nCount, &size);
    return size;
}

}  // namespace

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
    LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
    LPINT lpnTabStopPositions, int nTabOrigin)
{
    return CSize(static_cast<DWORD>(::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions,
        lpnTabStopPositions, nTabOrigin)));
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    return TextExtentOn(m_hAttribDC, lpszString, nCount);
}

CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    return TextExtentOn(m_hDC, lpszString, nCount);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

UINT CDC::GetOutlineTextMetrics(UINT cbData, LPOUTLINETEXTMETRIC lpotm) const
{
    return ::GetOutlineTextMetricsA(m_hAttribDC, cbData, lpotm);
}

BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidthA(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}

BOOL CDC::GetOutputCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidthA(m_hDC, nFirstChar, nLastChar, lpBuffer);
}

int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    const int nLength = GetTextFace(LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nLength;
}
