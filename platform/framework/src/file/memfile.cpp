#include "afx.h"
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    Reset();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    Reset();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nGrowBytes = nGrowBytes;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    Reset();
    return lpBuffer;
}

// Frees an owned buffer and leaves an empty file that owns what it allocates.
void CMemFile::Reset()
{
    if (m_bAutoDelete && m_lpBuffer != nullptr)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
}

DWORD CMemFile::GetPosition() const
{
    return m_nPosition;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom)
{
    LONGLONG newPosition = lOff;
    if (nFrom == current)
        newPosition += m_nPosition;
    else if (nFrom == end)
        newPosition += m_nFileSize;
    else if (nFrom != begin)
        newPosition = -1;
    if (newPosition < 0 || newPosition > MAXLONG)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = static_cast<DWORD>(newPosition);
    return static_cast<LONG>(newPosition);
}

DWORD CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(DWORD dwNewLen)
{
    if (dwNewLen > m_nBufferSize)
        GrowFile(dwNewLen);
    if (dwNewLen > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition)
        m_nPosition = dwNewLen;
    m_nFileSize = dwNewLen;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize)
        return 0;
    const DWORD dwLeft = m_nFileSize - m_nPosition;
    const UINT nRead = nCount < dwLeft ? nCount : static_cast<UINT>(dwLeft);
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (nCount > MAXDWORD - m_nPosition)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
    const DWORD dwEnd = m_nPosition + nCount;
    if (dwEnd > m_nBufferSize)
        GrowFile(dwEnd);
    if (m_nPosition > m_nFileSize)  // a gap left by a seek past the end
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = dwEnd;
    if (dwEnd > m_nFileSize)
        m_nFileSize = dwEnd;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    Reset();
}

void CMemFile::Abort()
{
    Reset();
}

BYTE* CMemFile::Alloc(DWORD nBytes)
{
    return static_cast<BYTE*>(std::malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, DWORD nBytes)
{
    return static_cast<BYTE*>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem)
{
    std::free(lpMem);
}

// Grows the buffer to hold dwNewLen bytes: at least doubled, so that a file
// written piece by piece is copied a few times only, and rounded up to a
// multiple of m_nGrowBytes. A file on a fixed buffer (m_nGrowBytes 0) is full.
void CMemFile::GrowFile(DWORD dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
    const ULONGLONG doubled = 2 * static_cast<ULONGLONG>(m_nBufferSize);
    const ULONGLONG wanted = dwNewLen > doubled ? dwNewLen : doubled;
    ULONGLONG newSize = (wanted + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    if (newSize > MAXDWORD)
        newSize = dwNewLen;
    BYTE* lpNew = m_lpBuffer == nullptr ? Alloc(static_cast<DWORD>(newSize))
                                        : Realloc(m_lpBuffer, static_cast<DWORD>(newSize));
    if (lpNew == nullptr)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = static_cast<DWORD>(newSize);
}
