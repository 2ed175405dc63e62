#include "afx.h"
#include "cp932.h"

CFileFind::CFileFind() : m_hFind(INVALID_HANDLE_VALUE), m_bMore(FALSE), m_found(), m_next()
{
}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bMore = FALSE;
    m_found = WIN32_FIND_DATAA();
    m_strRoot.Empty();
}

BOOL CFileFind::FindFile(LPCSTR pstrName, DWORD)
{
    Close();
    const CString name = pstrName != nullptr ? pstrName : "*.*";
    m_hFind = ::FindFirstFileA(name, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bMore = TRUE;
    // The folder: up to the last separator (a backslash that is not the
    // trail byte of a double-byte character, a slash, or a drive's colon).
    int nRootLength = 0;
    for (int i = 0; i < name.GetLength(); i += cp932::CharLength(name, i, name.GetLength())) {
        const char ch = name[i];
        if (cp932::CharLength(name, i, name.GetLength()) == 1 && (ch == '\\' || ch == '/' || ch == ':'))
            nRootLength = i + 1;
    }
    m_strRoot = name.Left(nRootLength);
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bMore)
        return FALSE;
    m_found = m_next;
    m_bMore = ::FindNextFileA(m_hFind, &m_next);
    return m_bMore;
}

CString CFileFind::GetFileName() const
{
    return m_found.cFileName;
}

CString CFileFind::GetFilePath() const
{
    return m_strRoot + m_found.cFileName;
}

CString CFileFind::GetFileTitle() const
{
    CString title = GetFileName();
    const int nDot = title.ReverseFind('.');
    return nDot > 0 ? title.Left(nDot) : title;
}

ULONGLONG CFileFind::GetLength() const
{
    return static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32 | m_found.nFileSizeLow;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    if (m_hFind == INVALID_HANDLE_VALUE || pTimeStamp == nullptr)
        return FALSE;
    *pTimeStamp = m_found.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::IsDots() const
{
    return IsDirectory() && (lstrcmpA(m_found.cFileName, ".") == 0 || lstrcmpA(m_found.cFileName, "..") == 0);
}
