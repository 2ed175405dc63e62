// CNMirtDoc: the data blob, an archive of the layout and the face lists in
// a movable global block (in server mode: the name of a temporary file
// holding it), and the exchange records that carry it.
#include "nmirtdoc.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "globalmem.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "ownedread.h"

namespace {

const UINT kMemFileGrowth = 1024;
const int kBlobArchiveBuffer = 4096;
const DWORD kFirstReadChunk = 64 * 1024;
const UINT kBlobFlags = GMEM_MOVEABLE | GMEM_ZEROINIT;
// A blob being read is written whole before use: no zero fill.
const UINT kReadBlobFlags = GMEM_MOVEABLE;

// The bytes a memory file held, taken from it.
struct CFreeBytes
{
    void operator()(BYTE* p) const { std::free(p); }
};
typedef std::unique_ptr<BYTE, CFreeBytes> CMemFileBytes;

CMemFileBytes TakeBytes(CMemFile& file)
{
    return CMemFileBytes(file.Detach());
}

// Locks a blob; a block that cannot be locked is a memory failure.
class CBlobLock : public CGlobalLock
{
public:
    explicit CBlobLock(HGLOBAL hMem) : CGlobalLock(hMem)
    {
        if (Bytes() == nullptr)
            AfxThrowMemoryException();
    }
};

HGLOBAL NewBlob(const void* pBytes, DWORD dwSize)
{
    HGLOBAL hBlob = ::GlobalAlloc(kBlobFlags, dwSize);
    if (hBlob == nullptr)
        AfxThrowMemoryException();
    CBlobLock lock(hBlob);
    std::memcpy(lock.Bytes(), pBytes, dwSize);
    return hBlob;
}

// A new file "MRT....TMP" in the folder holding the bytes; its path.
CString WriteTempFile(const CString& strFolder, const BYTE* pBytes, DWORD dwSize)
{
    char szPath[MAX_PATH];
    if (::GetTempFileNameA(strFolder, "MRT", 0, szPath) == 0) {
        const LONG lError = static_cast<LONG>(::GetLastError());
        AfxThrowFileException(CFileException::OsErrorToException(lError), lError, strFolder);
    }
    try {
        CFile file(szPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        file.Write(pBytes, dwSize);
        file.Close();
    } catch (CException*) {
        ::DeleteFileA(szPath);
        throw;
    }
    return szPath;
}

// The file's bytes; FALSE when it does not open.
BOOL ReadTempFile(LPCSTR pszPath, std::vector<BYTE>& bytes)
{
    CFile file;
    if (!file.Open(pszPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    bytes.resize(file.GetLength());
    if (!bytes.empty() && file.Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size())
        AfxThrowFileException(CFileException::endOfFile, -1, pszPath);
    return TRUE;
}

// Puts the data strings of the picture fields back when it goes, so that a
// store that renames or clears them leaves the page as it was.
class CPictureNamesKeeper
{
public:
    explicit CPictureNamesKeeper(const CObList& faces)
    {
        for (POSITION pos = faces.GetHeadPosition(); pos != nullptr;) {
            const CPropData* pMen = static_cast<const CPropData*>(faces.GetNext(pos));
            POSITION posField;
            for (CNPropObj* pField = pMen->GetFirstPropObj(posField); pField != nullptr;
                 pField = pMen->GetNextPropObj(posField)) {
                if (pField->m_nDataKind == CNPropObj::DATAKIND_PICTURE)
                    m_saved.emplace_back(pField, pField->m_strData);
            }
        }
    }
    ~CPictureNamesKeeper()
    {
        for (auto& saved : m_saved)
            saved.first->m_strData = saved.second;
    }
    CPictureNamesKeeper(const CPictureNamesKeeper&) = delete;
    CPictureNamesKeeper& operator=(const CPictureNamesKeeper&) = delete;

private:
    std::vector<std::pair<CNPropObj*, CString>> m_saved;
};

// The face lists of a blob, owned until released.
class CFaceListReader
{
public:
    CFaceListReader() : m_pList(new CObList(10)) {}
    ~CFaceListReader()
    {
        if (m_pList == nullptr)
            return;
        MirtDeleteOwnedList(*m_pList);
        delete m_pList;
    }
    CFaceListReader(const CFaceListReader&) = delete;
    CFaceListReader& operator=(const CFaceListReader&) = delete;

    void Read(CArchive& ar) { MirtReadOwnedList(ar, *m_pList, RUNTIME_CLASS(CPropData)); }

    CObList* Release()
    {
        CObList* pList = m_pList;
        m_pList = nullptr;
        return pList;
    }

private:
    CObList* m_pList;
};

}  // namespace

void CNMirtDoc::SetMIRTDOC(tagNMIRTDOC* pRecord, int nFlag)
{
    if (pRecord == nullptr)
        return;
    m_strTitle = pRecord->strTitle;
    m_head = pRecord->head;
    std::copy(pRecord->strIndex, pRecord->strIndex + NMIRTDOC_INDEX_COUNT, m_strIndex);
    if (nFlag != 0 || pRecord->dwBlobSize == 0)
        return;
    FreeBlob();
    CScopeExit freeBlob([this] { FreeBlob(); });
    m_hBlob = pRecord->hBlob;
    m_dwBlobSize = pRecord->dwBlobSize;
    pRecord->hBlob = nullptr;
    pRecord->dwBlobSize = 0;
    // A size beyond the block reads as a blob that ends too soon.
    if (m_dwBlobSize > (m_hBlob != nullptr ? ::GlobalSize(m_hBlob) : 0))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    SerializeData(0);
}

void CNMirtDoc::GetMIRTDOC(tagNMIRTDOC* pRecord, int nFlag)
{
    if (pRecord == nullptr)
        return;
    if (nFlag == 0) {
        FreeBlob();
        SerializeData(1);
        pRecord->hBlob = m_hBlob;
        pRecord->dwBlobSize = m_dwBlobSize;
        m_hBlob = nullptr;
        m_dwBlobSize = 0;
    }
    pRecord->strTitle = m_strTitle;
    pRecord->head = m_head;
    std::copy(m_strIndex, m_strIndex + NMIRTDOC_INDEX_COUNT, pRecord->strIndex);
}

void CNMirtDoc::SerializeBlob(CArchive& ar)
{
    CScopeExit freeBlob([this] { FreeBlob(); });
    if (ar.IsStoring() && m_bServerMode) {
        SerializeData(1);
        ar << m_dwBlobSize;
        if (m_dwBlobSize != 0) {
            CBlobLock lock(m_hBlob);
            ar.Write(lock.Bytes(), m_dwBlobSize);
        }
        return;
    }
    if (ar.IsStoring()) {
        // Straight from the archive in memory into the file's archive.
        FreeBlob();
        CMemFile file(kMemFileGrowth);
        const DWORD dwSize = WriteData(file) ? file.GetLength() : 0;
        const CMemFileBytes bytes = TakeBytes(file);
        ar << dwSize;
        if (dwSize != 0)
            ar.Write(bytes.get(), dwSize);
        return;
    }
    DWORD dwSize = 0;
    ar >> dwSize;
    FreeBlob();
    ReadBlob(ar, dwSize);
    SerializeData(0);
}

void CNMirtDoc::ReadBlob(CArchive& ar, DWORD dwSize)
{
    DWORD dwRead = 0;
    while (dwRead < dwSize) {
        const ULONGLONG nWanted = std::max<ULONGLONG>(kFirstReadChunk, 2ULL * dwRead);
        const DWORD dwTarget = static_cast<DWORD>(std::min<ULONGLONG>(nWanted, dwSize));
        HGLOBAL hGrown = m_hBlob != nullptr ? ::GlobalReAlloc(m_hBlob, dwTarget, kReadBlobFlags)
                                            : ::GlobalAlloc(kReadBlobFlags, dwTarget);
        if (hGrown == nullptr)
            AfxThrowMemoryException();
        m_hBlob = hGrown;
        m_dwBlobSize = dwTarget;
        CBlobLock lock(m_hBlob);
        const UINT nCount = dwTarget - dwRead;
        if (ar.Read(lock.Bytes() + dwRead, nCount) != nCount)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        dwRead = dwTarget;
    }
}

void CNMirtDoc::FreeBlob()
{
    if (m_hBlob != nullptr)
        ::GlobalFree(m_hBlob);
    m_hBlob = nullptr;
    m_dwBlobSize = 0;
}

void CNMirtDoc::SerializeData(int nFlag)
{
    if (nFlag != 0)
        StoreData();
    else
        LoadData();
}

void CNMirtDoc::StoreData()
{
    FreeBlob();
    CMemFile file(kMemFileGrowth);
    if (WriteData(file))
        MakeBlob(file);
}

BOOL CNMirtDoc::WriteData(CMemFile& file)
{
    if (m_pListMen == nullptr)
        return FALSE;
    if (m_nWRMode == WRMODE_CARRY && (m_pPathMap == nullptr || m_pPathList == nullptr))
        AfxThrowArchiveException(CArchiveException::generic);
    if (m_pLayout == nullptr)
        m_pLayout = new CNMirtLayoutData;
    {
        CPictureNamesKeeper keeper(*m_pListMen);
        CArchive ar(&file, CArchive::store, kBlobArchiveBuffer);
        m_pLayout->SerializeWithoutTemplates(ar);
        ForEachMen([this](CPropData* pMen) {
            if (m_nWRMode == WRMODE_CARRY)
                pMen->StorePicNames(m_pPathMap, m_pPathList);
            else if (m_nWRMode == WRMODE_CLEAR)
                pMen->ClearPicNames();
        });
        m_pListMen->Serialize(ar);
        ar.Close();
    }
    return TRUE;
}

void CNMirtDoc::MakeBlob(CMemFile& file)
{
    const DWORD dwSize = file.GetLength();
    const CMemFileBytes bytes = TakeBytes(file);
    if (!m_bServerMode) {
        m_hBlob = NewBlob(bytes.get(), dwSize);
        m_dwBlobSize = dwSize;
        return;
    }
    const CString strPath = WriteTempFile(RcvPathName(), bytes.get(), dwSize);
    m_hBlob = NewBlob(static_cast<LPCSTR>(strPath), strPath.GetLength() + 1);
    m_dwBlobSize = strPath.GetLength() + 1;
}

void CNMirtDoc::LoadData()
{
    if (m_hBlob == nullptr || m_dwBlobSize == 0)
        return;
    if (!m_bServerMode) {
        CBlobLock lock(m_hBlob);
        LoadFrom(lock.Bytes(), m_dwBlobSize);
        return;
    }
    CString strPath;
    {
        CBlobLock lock(m_hBlob);
        const char* pszName = reinterpret_cast<const char*>(lock.Bytes());
        strPath = CString(pszName, static_cast<int>(strnlen(pszName, m_dwBlobSize)));
    }
    std::vector<BYTE> bytes;
    if (!ReadTempFile(strPath, bytes)) {
        delete m_pLayout;
        m_pLayout = nullptr;
        DeleteFaces();
        return;
    }
    LoadFrom(bytes.data(), static_cast<DWORD>(bytes.size()));
}

void CNMirtDoc::LoadFrom(BYTE* pBytes, DWORD dwSize)
{
    CMemFile file(pBytes, dwSize);
    CArchive ar(&file, CArchive::load, kBlobArchiveBuffer);
    std::unique_ptr<CNMirtLayoutData> pLayout(new CNMirtLayoutData);
    pLayout->SerializeWithoutTemplates(ar);
    CFaceListReader faces;
    faces.Read(ar);
    ar.Close();
    delete m_pLayout;
    m_pLayout = pLayout.release();
    DeleteFaces();
    m_pListMen = faces.Release();
    if (m_nWRMode == WRMODE_CARRY)
        ForEachMen([this](CPropData* pMen) { pMen->LoadPicNames(m_pPathMap, m_pPathList, RcvPathName()); });
}
