#include "afxgdi.h"
#include "gdi/gdi_internal.h"

IMPLEMENT_DYNAMIC(CMetaFileDC, CDC)

CMetaFileDC::~CMetaFileDC()
{
    if (m_hDC != nullptr)
        ::DeleteEnhMetaFile(CloseEnhanced());
}

BOOL CMetaFileDC::CreateEnhanced(CDC* pDCRef, LPCSTR lpszFileName, LPCRECT lpBounds, LPCSTR lpszDescription)
{
    if (m_hDC != nullptr)
        return FALSE;
    return Attach(::CreateEnhMetaFileA(afxgdi::OutputOf(pDCRef), lpszFileName, lpBounds, lpszDescription));
}

HENHMETAFILE CMetaFileDC::CloseEnhanced()
{
    return ::CloseEnhMetaFile(Detach());
}
