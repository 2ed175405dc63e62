#include "afx.h"
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_bText(TRUE), m_nReadPos(0), m_nReadEnd(0), m_readAhead()
{
}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : CStdioFile()
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_nReadPos = m_nReadEnd = 0;
    m_bText = (nOpenFlags & typeBinary) == 0;
    return CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError);
}

void CStdioFile::WriteString(LPCSTR lpsz)
{
    if (!m_bText) {
        Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
        return;
    }
    std::string text;
    for (const char* p = lpsz; *p != '\0'; ++p) {
        if (*p == '\n')
            text += '\r';
        text += *p;
    }
    Write(text.data(), static_cast<UINT>(text.size()));
}

int CStdioFile::NextByte()
{
    if (m_nReadPos == m_nReadEnd) {
        m_nReadEnd = CFile::Read(m_readAhead, sizeof m_readAhead);
        m_nReadPos = 0;
        if (m_nReadEnd == 0)
            return -1;
    }
    return m_readAhead[m_nReadPos++];
}

BOOL CStdioFile::ReadString(CString& rString)
{
    std::string line;
    int ch = NextByte();
    if (ch < 0) {
        rString.Empty();
        return FALSE;
    }
    for (; ch >= 0 && ch != '\n'; ch = NextByte())
        line += static_cast<char>(ch);
    if (ch == '\n' && m_bText && !line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(line.data(), static_cast<int>(line.size()));
    return TRUE;
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax)
{
    if (nMax == 0)
        return nullptr;
    UINT n = 0;
    int ch = 0;
    while (n + 1 < nMax && (ch = NextByte()) >= 0) {
        lpsz[n++] = static_cast<char>(ch);
        if (ch != '\n')
            continue;
        if (m_bText && n >= 2 && lpsz[n - 2] == '\r')
            lpsz[--n - 1] = '\n';
        break;
    }
    lpsz[n] = '\0';
    return n > 0 ? lpsz : nullptr;
}

void CStdioFile::DropReadAhead()
{
    if (m_nReadPos != m_nReadEnd)
        CFile::Seek(-static_cast<LONG>(m_nReadEnd - m_nReadPos), current);
    m_nReadPos = m_nReadEnd = 0;
}

DWORD CStdioFile::GetPosition() const
{
    return CFile::GetPosition() - (m_nReadEnd - m_nReadPos);
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom)
{
    DropReadAhead();
    return CFile::Seek(lOff, nFrom);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    UINT nRead = 0;
    BYTE* lpDest = static_cast<BYTE*>(lpBuf);
    while (nRead < nCount && m_nReadPos < m_nReadEnd)
        lpDest[nRead++] = m_readAhead[m_nReadPos++];
    return nRead + (nRead < nCount ? CFile::Read(lpDest + nRead, nCount - nRead) : 0);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    DropReadAhead();
    CFile::Write(lpBuf, nCount);
}

void CStdioFile::Close()
{
    m_nReadPos = m_nReadEnd = 0;
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_nReadPos = m_nReadEnd = 0;
    CFile::Abort();
}
