#include "afx.h"

#include <algorithm>

namespace {

// The folder part of a path with its last separator, or "." for a bare name.
CString FolderOf(LPCSTR lpszPath)
{
    const CString path = lpszPath;
    const int nSlash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return nSlash >= 0 ? path.Left(nSlash + 1) : CString(".");
}

// A file made beside the target, removed unless it was put in place.
class CTempSibling
{
public:
    CTempSibling(LPCSTR lpszTarget, LPCSTR lpszPrefix) : m_szPath(), m_bKept(FALSE)
    {
        if (!::GetTempFileNameA(FolderOf(lpszTarget), lpszPrefix, 0, m_szPath))
            CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszTarget);
    }
    ~CTempSibling()
    {
        if (!m_bKept)
            ::DeleteFileA(m_szPath);
    }
    CTempSibling(const CTempSibling&) = delete;
    CTempSibling& operator=(const CTempSibling&) = delete;

    LPCSTR Path() const { return m_szPath; }

    void PutInPlaceOf(LPCSTR lpszTarget)
    {
        if (!::MoveFileExA(m_szPath, lpszTarget, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszTarget);
        m_bKept = TRUE;
    }

private:
    char m_szPath[MAX_PATH];
    BOOL m_bKept;
};

void WriteFlushed(LPCSTR lpszPath, const std::function<void(CFile&)>& write)
{
    CFile file(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    try {
        write(file);
        file.Flush();
        file.Close();
    } catch (...) {
        file.Abort();
        throw;
    }
}

}  // namespace

void AfxWriteReplacing(LPCSTR lpszPath, LPCSTR lpszPrefix, const std::function<void(CFile&)>& write)
{
    try {
        CTempSibling temp(lpszPath, lpszPrefix);
        WriteFlushed(temp.Path(), write);
        temp.PutInPlaceOf(lpszPath);
    } catch (CFileException* e) {
        e->m_strFileName = lpszPath;   // the temporary file means nothing to the user
        throw;
    }
}
