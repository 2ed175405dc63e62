#include "afx.h"
#include <cstring>

#include "cp932.h"
#include "core/errormessage.h"

BOOL AfxCopyErrorMessage(LPCSTR pszMessage, int nLength, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return TRUE;
    int nCopy = 0;
    while (nCopy < nLength) {
        const int nChar = cp932::CharLength(pszMessage, nCopy, nLength);
        if (static_cast<UINT>(nCopy + nChar) > nMaxError - 1)
            break;
        nCopy += nChar;
    }
    std::memcpy(lpszError, pszMessage, static_cast<size_t>(nCopy));
    lpszError[nCopy] = '\0';
    return TRUE;
}

namespace {

BOOL CopyMessage(const CString& message, LPSTR lpszError, UINT nMaxError)
{
    return AfxCopyErrorMessage(message, message.GetLength(), lpszError, nMaxError);
}

// A message of a table by cause, with "%1" replaced by the file's name.
BOOL FormatCauseMessage(const char* const* messages, int nMessages, int cause, const CString& fileName,
                        LPSTR lpszError, UINT nMaxError)
{
    CString message = messages[(cause >= 0 && cause < nMessages) ? cause : 1];
    message.Replace("%1", fileName.IsEmpty() ? "名前のないファイル" : static_cast<LPCSTR>(fileName));
    return CopyMessage(message, lpszError, nMaxError);
}

const char* const g_fileMessages[] = {
    "エラーはありません。",
    "%1 の処理中にエラーが発生しました。",
    "%1 が見つかりません。",
    "%1 のパスが正しくありません。",
    "開いているファイルが多すぎるため、%1 を開けません。",
    "%1 にアクセスできません。",
    "%1 のファイル ハンドルが正しくありません。",
    "現在のフォルダーは削除できません。",
    "フォルダーがいっぱいのため、%1 を作成できません。",
    "%1 の位置を移動できません。",
    "%1 の読み書き中にハードウェア エラーが発生しました。",
    "%1 は他のプログラムが使用しています。",
    "%1 のロックされた部分にアクセスしようとしました。",
    "ディスクがいっぱいのため、%1 に書き込めません。",
    "%1 の終わりを越えて読もうとしました。",
};

const char* const g_archiveMessages[] = {
    "エラーはありません。",
    "%1 の読み書き中にエラーが発生しました。",
    "読み込み用に開いた %1 には書き込めません。",
    "%1 は途中で終わっています。",
    "書き込み用に開いた %1 からは読み込めません。",
    "%1 の形式が正しくありません。",
    "%1 に予期しない種類のデータがあります。",
    "%1 には、このプログラムと異なるバージョンのデータがあります。",
};

struct OsErrorCause
{
    LONG lOsError;
    int cause;
};

const OsErrorCause g_osErrorCauses[] = {
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_BAD_NET_NAME, CFileException::badPath},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
    {ERROR_DIRECTORY, CFileException::badPath},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_INVALID_ACCESS, CFileException::invalidFile},
    {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
    {ERROR_CANNOT_MAKE, CFileException::directoryFull},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_SEEK_ON_DEVICE, CFileException::badSeek},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_NOT_READY, CFileException::hardIO},
    {ERROR_SECTOR_NOT_FOUND, CFileException::hardIO},
    {ERROR_WRITE_FAULT, CFileException::hardIO},
    {ERROR_READ_FAULT, CFileException::hardIO},
    {ERROR_GEN_FAILURE, CFileException::hardIO},
    {ERROR_IO_DEVICE, CFileException::hardIO},
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_SHARING_BUFFER_EXCEEDED, CFileException::sharingViolation},
    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_LOCK_FAILED, CFileException::lockViolation},
    {ERROR_DRIVE_LOCKED, CFileException::lockViolation},
    {ERROR_DISK_FULL, CFileException::diskFull},
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
    {ERROR_HANDLE_EOF, CFileException::endOfFile},
};

}  // namespace

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    if (lpszError != nullptr && nMaxError != 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char message[512];
    if (GetErrorMessage(message, sizeof message))
        return AfxMessageBox(message, nType);
    if (nMessageID != 0)
        return AfxMessageBox(nMessageID, nType);
    return AfxMessageBox("エラーが発生しました。", nType);
}

IMPLEMENT_DYNAMIC(CMemoryException, CException)

CMemoryException::CMemoryException() : CException(TRUE)
{
}

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete)
{
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    return CopyMessage("メモリが不足しています。", lpszError, nMaxError);
}

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName != nullptr ? lpszFileName : "")
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = m_cause;
    return FormatCauseMessage(g_fileMessages, ARRAYSIZE(g_fileMessages), m_cause, m_strFileName, lpszError,
                              nMaxError);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    if (lOsError == NO_ERROR)
        return none;
    for (const OsErrorCause& entry : g_osErrorCauses) {
        if (entry.lOsError == lOsError)
            return entry.cause;
    }
    return generic;
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    if (lOsError != NO_ERROR)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName != nullptr ? lpszArchiveName : "")
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = m_cause;
    return FormatCauseMessage(g_archiveMessages, ARRAYSIZE(g_archiveMessages), m_cause, m_strFileName,
                              lpszError, nMaxError);
}

void AfxThrowMemoryException()
{
    // Shared, so that throwing needs no memory.
    static CMemoryException s_memoryException(FALSE);
    throw &s_memoryException;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
