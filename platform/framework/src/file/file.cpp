#include "afx.h"
#include <initializer_list>

namespace {

DWORD AccessOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 3) {
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

DWORD ShareOf(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:  // shareCompat, shareExclusive
        return 0;
    }
}

DWORD CreationOf(UINT nOpenFlags)
{
    if ((nOpenFlags & CFile::modeCreate) == 0)
        return OPEN_EXISTING;
    return (nOpenFlags & CFile::modeNoTruncate) != 0 ? OPEN_ALWAYS : CREATE_ALWAYS;
}

void FillStatus(CFileStatus& rStatus, const FILETIME& created, const FILETIME& written, const FILETIME& accessed,
                DWORD dwSizeLow, DWORD dwAttributes)
{
    rStatus.m_ctime = CTime(created);
    rStatus.m_mtime = CTime(written);
    rStatus.m_atime = CTime(accessed);
    rStatus.m_size = static_cast<LONG>(dwSizeLow);
    rStatus.m_attribute = static_cast<BYTE>(dwAttributes);
    rStatus.m_padding = 0;
}

void CopyFullName(CFileStatus& rStatus, LPCSTR lpszFullName)
{
    ::lstrcpynA(rStatus.m_szFullName, lpszFullName, MAX_PATH);
}

}  // namespace

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        CFile::Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();
    char szFullName[MAX_PATH];
    DWORD nFull = ::GetFullPathNameA(lpszFileName, MAX_PATH, szFullName, nullptr);
    DWORD dwError = nFull == 0 ? ::GetLastError() : (nFull >= MAX_PATH ? ERROR_FILENAME_EXCED_RANGE : NO_ERROR);
    if (dwError == NO_ERROR) {
        SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) == 0};
        HANDLE hFile = ::CreateFileA(lpszFileName, AccessOf(nOpenFlags), ShareOf(nOpenFlags), &sa,
                                     CreationOf(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE) {
            m_hFile = hFile;
            m_bCloseOnDelete = TRUE;
            m_strFileName = szFullName;
            return TRUE;
        }
        dwError = ::GetLastError();
    }
    if (pError != nullptr) {
        pError->m_cause = CFileException::OsErrorToException(static_cast<LONG>(dwError));
        pError->m_lOsError = static_cast<LONG>(dwError);
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

DWORD CFile::GetPosition() const
{
    LARGE_INTEGER zero = {};
    LARGE_INTEGER pos;
    if (!::SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT))
        ThrowLastError();
    return static_cast<DWORD>(pos.QuadPart);
}

LONG CFile::Seek(LONG lOff, UINT nFrom)
{
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER pos;
    if (!::SetFilePointerEx(m_hFile, distance, &pos, nFrom))
        ThrowLastError();
    return static_cast<LONG>(pos.QuadPart);
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

DWORD CFile::SeekToEnd()
{
    return static_cast<DWORD>(Seek(0, end));
}

DWORD CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return static_cast<DWORD>(size.QuadPart);
}

void CFile::SetLength(DWORD dwNewLen)
{
    LARGE_INTEGER distance;
    distance.QuadPart = dwNewLen;
    if (!::SetFilePointerEx(m_hFile, distance, nullptr, FILE_BEGIN) || !::SetEndOfFile(m_hFile))
        ThrowLastError();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD nRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr))
        ThrowLastError();
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr))
        ThrowLastError();
    if (nWritten < nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !::FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    const BOOL bClosed = m_hFile == hFileNull || ::CloseHandle(m_hFile);
    const LONG lOsError = bClosed ? NO_ERROR : static_cast<LONG>(::GetLastError());
    const CString strFileName = m_strFileName;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    CFileException::ThrowOsError(lOsError, strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    rStatus = CFileStatus();
    BY_HANDLE_FILE_INFORMATION info;
    if (m_hFile == hFileNull || !::GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    FillStatus(rStatus, info.ftCreationTime, info.ftLastWriteTime, info.ftLastAccessTime, info.nFileSizeLow,
               info.dwFileAttributes);
    CopyFullName(rStatus, m_strFileName);
    return TRUE;
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus = CFileStatus();
    char szFullName[MAX_PATH];
    const DWORD nFull = ::GetFullPathNameA(lpszFileName, MAX_PATH, szFullName, nullptr);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (nFull == 0 || nFull >= MAX_PATH || !::GetFileAttributesExA(szFullName, GetFileExInfoStandard, &data))
        return FALSE;
    FillStatus(rStatus, data.ftCreationTime, data.ftLastWriteTime, data.ftLastAccessTime, data.nFileSizeLow,
               data.dwFileAttributes);
    CopyFullName(rStatus, szFullName);
    return TRUE;
}

void CFile::Remove(LPCSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszFileName);
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszOldName);
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    int nLastSeparator = -1;
    for (char separator : {'\\', '/', ':'}) {
        const int nSeparator = m_strFileName.ReverseFind(separator);
        if (nSeparator > nLastSeparator)
            nLastSeparator = nSeparator;
    }
    return m_strFileName.Mid(nLastSeparator + 1);
}

void CFile::SetFilePath(LPCSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

void CFile::ThrowLastError() const
{
    const DWORD dwError = ::GetLastError();
    const int cause = dwError == NO_ERROR ? CFileException::generic
                                          : CFileException::OsErrorToException(static_cast<LONG>(dwError));
    AfxThrowFileException(cause, static_cast<LONG>(dwError), m_strFileName);
}
