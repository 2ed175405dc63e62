#include "previewwnd.h"

#include "mirtpath.h"

BEGIN_MESSAGE_MAP(CPreviewWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CPreviewWnd::CPreviewWnd()
{
}

CPreviewWnd::~CPreviewWnd()
{
    DeleteTempFile();
}

void CPreviewWnd::ReadPicture(CPalDIB& picture, LPCSTR lpszPath)
{
    picture.ReadFile(lpszPath);
}

void CPreviewWnd::LoadPicture()
{
    m_picture.Empty();
    const CString strPath = MirtInstallPath("\\Data\\Preview\\") + m_strFileName;
    ReadPicture(m_picture, strPath);
    if (!m_picture.m_bReadFailed)
        return;
    CString strTemp;
    if (!CPalDIB::ConvertToTempBmp(strTemp, strPath))
        return;
    m_strTempPath = strTemp;
    ReadPicture(m_picture, m_strTempPath);
}

void CPreviewWnd::DeleteTempFile()
{
    if (m_strTempPath.IsEmpty())
        return;
    ::DeleteFileA(m_strTempPath);
    m_strTempPath.Empty();
}

void CPreviewWnd::OnPaint()
{
    CPaintDC dc(this);
    GetClientRect(&m_picture.m_rcTarget);
    m_picture.DrawCopy(&dc);
}

void CPreviewWnd::OnLButtonDown(UINT, CPoint)
{
    SetFocus();
    Invalidate();
}

void CPreviewWnd::OnLButtonDblClk(UINT, CPoint)
{
    SetFocus();
    Invalidate();
}
