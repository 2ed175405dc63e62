#include "file/addfileinfo.h"

namespace {

const UINT kChunk = 4096;

UINT ChunkOf(DWORD dwLeft)
{
    return dwLeft < kChunk ? static_cast<UINT>(dwLeft) : kChunk;
}

// Copies dwSize bytes of the archive into the file, or drops them when there
// is no file.
void CopyFromArchive(CArchive& ar, DWORD dwSize, CFile* pFile)
{
    BYTE buffer[kChunk];
    for (DWORD dwLeft = dwSize; dwLeft > 0;) {
        const UINT nChunk = ChunkOf(dwLeft);
        if (ar.Read(buffer, nChunk) != nChunk)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        if (pFile != nullptr)
            pFile->Write(buffer, nChunk);
        dwLeft -= nChunk;
    }
}

// Copies dwSize bytes of the file into the archive; a file that ends sooner
// throws, since its size is already written.
void CopyToArchive(CFile& file, DWORD dwSize, CArchive& ar)
{
    BYTE buffer[kChunk];
    for (DWORD dwLeft = dwSize; dwLeft > 0;) {
        const UINT nChunk = ChunkOf(dwLeft);
        if (file.Read(buffer, nChunk) != nChunk)
            AfxThrowFileException(CFileException::endOfFile, -1, file.GetFilePath());
        ar.Write(buffer, nChunk);
        dwLeft -= nChunk;
    }
}

// A file made for a record's bytes, only where no file is yet; removed
// again unless kept.
class CNewFile
{
public:
    CNewFile() = default;
    CNewFile(const CNewFile&) = delete;
    CNewFile& operator=(const CNewFile&) = delete;

    ~CNewFile()
    {
        if (m_file.m_hFile == CFile::hFileNull)
            return;
        m_file.Abort();
        ::DeleteFileA(m_strPath);
    }

    // FALSE when the file exists or cannot be made.
    BOOL Create(const CString& strPath)
    {
        HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile == INVALID_HANDLE_VALUE)
            return FALSE;
        m_file.m_hFile = hFile;
        m_file.m_bCloseOnDelete = TRUE;
        m_strPath = strPath;
        return TRUE;
    }

    void Keep() { m_file.Close(); }

    CFile m_file;

private:
    CString m_strPath;
};

}  // namespace

IMPLEMENT_SERIAL(CAddFileInfo, CObject, 1)

CAddFileInfo::CAddFileInfo() : m_dwVersion(1), m_dwError(0), m_dwMarker(0), m_dwSize(0), m_bRecordRead(FALSE)
{
}

CAddFileInfo::CAddFileInfo(const CString& strName, const CString& strPath) : CAddFileInfo()
{
    m_strName = strName;
    m_strPath = strPath;
}

void CAddFileInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CAddFileInfo::Store(CArchive& ar)
{
    ar << m_dwVersion << m_dwMarker << m_strName << m_dwMarker;
    CFile file;
    m_dwSize = 0;
    if (!m_strPath.IsEmpty() && file.Open(m_strPath, CFile::modeRead | CFile::shareDenyWrite))
        m_dwSize = file.GetLength();
    ar << m_dwSize;
    CopyToArchive(file, m_dwSize, ar);
}

void CAddFileInfo::Load(CArchive& ar)
{
    m_bRecordRead = FALSE;
    ar >> m_dwVersion;
    if (!LoadMarker(ar))
        return;
    ar >> m_strName;
    if (!LoadMarker(ar))
        return;
    ar >> m_dwSize;
    LoadBytes(ar);
    m_bRecordRead = TRUE;
}

BOOL CAddFileInfo::LoadMarker(CArchive& ar)
{
    DWORD dwMarker;
    ar >> dwMarker;
    if (dwMarker == m_dwMarker)
        return TRUE;
    m_dwError = 1;
    return FALSE;
}

void CAddFileInfo::LoadBytes(CArchive& ar)
{
    if (m_dwSize == 0)
        return;
    CNewFile file;
    CFile* pTarget = nullptr;
    if (!m_strPath.IsEmpty()) {
        if (file.Create(m_strPath))
            pTarget = &file.m_file;
        else
            m_dwError = 1;
    }
    CopyFromArchive(ar, m_dwSize, pTarget);
    if (pTarget != nullptr)
        file.Keep();
}
