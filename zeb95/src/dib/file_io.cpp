#include "dib/file_io.h"

bool ReadExact(HANDLE hFile, void* pBuffer, DWORD cb)
{
    DWORD cbRead = 0;
    return ::ReadFile(hFile, pBuffer, cb, &cbRead, nullptr) && cbRead == cb;
}

bool WriteExact(HANDLE hFile, const void* pBuffer, DWORD cb)
{
    DWORD cbWritten = 0;
    return ::WriteFile(hFile, pBuffer, cb, &cbWritten, nullptr) && cbWritten == cb;
}

bool GetFilePos(HANDLE hFile, UINT64* pPos)
{
    LARGE_INTEGER zero = {}, pos;
    if (!::SetFilePointerEx(hFile, zero, &pos, FILE_CURRENT))
        return false;
    *pPos = static_cast<UINT64>(pos.QuadPart);
    return true;
}

bool SeekFile(HANDLE hFile, UINT64 pos)
{
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(pos);
    return ::SetFilePointerEx(hFile, to, nullptr, FILE_BEGIN) != FALSE;
}

bool GetBytesLeft(HANDLE hFile, UINT64* pLeft)
{
    LARGE_INTEGER size;
    UINT64 pos;
    if (!GetFilePos(hFile, &pos) || !::GetFileSizeEx(hFile, &size))
        return false;
    const UINT64 end = static_cast<UINT64>(size.QuadPart);
    *pLeft = end > pos ? end - pos : 0;
    return true;
}

bool CopyBytes(HANDLE hFrom, HANDLE hTo, UINT64 cb)
{
    const DWORD kPiece = 256;
    BYTE piece[kPiece];
    for (UINT64 left = cb; left > 0;) {
        const DWORD cbPiece = left < kPiece ? static_cast<DWORD>(left) : kPiece;
        if (!ReadExact(hFrom, piece, cbPiece) || !WriteExact(hTo, piece, cbPiece))
            return false;
        left -= cbPiece;
    }
    return true;
}

bool MakeTempFile(const char* pszPrefix, char* pszPath)
{
    char szFolder[MAX_PATH];
    DWORD cch = ::GetTempPathA(MAX_PATH, szFolder);
    if (cch == 0 || cch >= MAX_PATH)
        cch = ::GetWindowsDirectoryA(szFolder, MAX_PATH);
    return cch > 0 && cch < MAX_PATH && ::GetTempFileNameA(szFolder, pszPrefix, 0, pszPath) != 0;
}
