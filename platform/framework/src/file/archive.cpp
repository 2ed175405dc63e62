#include "afx.h"
#include <cstring>
#include <exception>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// Tags of the persistent-object format.
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;

const int nBufSizeMin = 128;
// Long strings are read in chunks, so that a corrupt length cannot make the
// archive allocate more than the data that is really there.
const UINT nStringChunk = 0x10000;

}  // namespace

// Classes and objects met so far, by index.
struct CArchiveMaps
{
    struct Loaded
    {
        void* p;
        bool bClass;
        UINT nSchema;
    };

    DWORD nMapCount = 1;                                  // the next index
    std::unordered_map<const void*, DWORD> storedIndex;   // storing
    std::vector<Loaded> loaded{{nullptr, false, 0}};      // loading; [0] is the null tag
};

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pDocument(nullptr), m_strFileName(pFile->GetFilePath()), m_pFile(pFile), m_nMode(nMode),
      m_bUserBuf(lpBuf != nullptr), m_nBufSize(lpBuf != nullptr || nBufSize >= nBufSizeMin ? nBufSize : nBufSizeMin),
      m_lpBufStart(lpBuf != nullptr ? static_cast<BYTE*>(lpBuf) : new BYTE[m_nBufSize]), m_lpBufCur(m_lpBufStart),
      m_lpBufMax(IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize), m_nObjectSchema(static_cast<UINT>(-1)),
      m_nUncaughtAtStart(std::uncaught_exceptions()), m_pMaps(new CArchiveMaps)
{
}

CArchive::~CArchive()
{
    const bool bClose = m_pFile != nullptr && (m_nMode & bNoFlushOnDelete) == 0 &&
                        std::uncaught_exceptions() <= m_nUncaughtAtStart;
    try {
        if (bClose)
            Close();
    } catch (CException* e) {
        e->Delete();   // the bytes not written are lost, as with Abort
    } catch (...) {
    }
    FreeStorage();
}

void CArchive::FreeStorage()
{
    delete m_pMaps;
    m_pMaps = nullptr;
    if (!m_bUserBuf)
        delete[] m_lpBufStart;
    m_lpBufStart = m_lpBufCur = m_lpBufMax = nullptr;
}

UINT CArchive::GetObjectSchema()
{
    const UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nSchema;
}

void CArchive::CheckStoring() const
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
}

void CArchive::CheckLoading() const
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

// ---- bytes

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* lpDest = static_cast<BYTE*>(lpBuf);
    UINT nRead = 0;
    while (nRead < nMax) {
        if (m_lpBufCur == m_lpBufMax) {
            const UINT nLeft = nMax - nRead;
            if (nLeft >= static_cast<UINT>(m_nBufSize)) {
                const UINT nDirect = m_pFile->Read(lpDest + nRead, nLeft);
                if (nDirect == 0)
                    break;
                nRead += nDirect;
                continue;
            }
            if (!FillBuffer())
                break;
        }
        const UINT nAvail = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        const UINT nCopy = nMax - nRead < nAvail ? nMax - nRead : nAvail;
        std::memcpy(lpDest + nRead, m_lpBufCur, nCopy);
        m_lpBufCur += nCopy;
        nRead += nCopy;
    }
    return nRead;
}

BOOL CArchive::FillBuffer()
{
    const UINT nRead = m_pFile->Read(m_lpBufStart, static_cast<UINT>(m_nBufSize));
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nRead;
    return nRead != 0;
}

void CArchive::ReadBytes(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* lpSrc = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        if (m_lpBufCur == m_lpBufMax)
            Flush();
        if (m_lpBufCur == m_lpBufStart && nMax >= static_cast<UINT>(m_nBufSize)) {
            m_pFile->Write(lpSrc, nMax);
            return;
        }
        const UINT nSpace = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        const UINT nCopy = nMax < nSpace ? nMax : nSpace;
        std::memcpy(m_lpBufCur, lpSrc, nCopy);
        m_lpBufCur += nCopy;
        lpSrc += nCopy;
        nMax -= nCopy;
    }
}

BOOL CArchive::IsEndOfData() const
{
    CheckLoading();
    return m_lpBufCur == m_lpBufMax && m_pFile->GetPosition() >= m_pFile->GetLength();
}

void CArchive::Flush()
{
    if (IsLoading()) {
        if (m_lpBufMax != m_lpBufCur)
            m_pFile->Seek(-static_cast<LONG>(m_lpBufMax - m_lpBufCur), CFile::current);
        m_lpBufCur = m_lpBufMax = m_lpBufStart;
    } else {
        if (m_lpBufCur != m_lpBufStart)
            m_pFile->Write(m_lpBufStart, static_cast<UINT>(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
}

// ---- primitives

void CArchive::WriteSlow(const void* lpValue, UINT nBytes)
{
    Write(lpValue, nBytes);
}

void CArchive::ReadSlow(void* lpValue, UINT nBytes)
{
    ReadBytes(lpValue, nBytes);
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
    } else {
        *this << static_cast<WORD>(0xFFFF) << dwCount;
    }
}

DWORD CArchive::ReadCount()
{
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF)
        return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

// ---- text lines

void CArchive::WriteString(LPCSTR lpsz)
{
    Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

// Takes the line from the buffer a block at a time.
BOOL CArchive::ReadString(CString& rString)
{
    CheckLoading();
    std::string line;
    bool bAny = false;
    bool bEnded = false;
    while (!bEnded && (m_lpBufCur != m_lpBufMax || FillBuffer())) {
        bAny = true;
        const size_t nAvail = static_cast<size_t>(m_lpBufMax - m_lpBufCur);
        BYTE* pNewLine = static_cast<BYTE*>(std::memchr(m_lpBufCur, '\n', nAvail));
        bEnded = pNewLine != nullptr;
        BYTE* pEnd = bEnded ? pNewLine : m_lpBufMax;
        line.append(reinterpret_cast<const char*>(m_lpBufCur), static_cast<size_t>(pEnd - m_lpBufCur));
        m_lpBufCur = bEnded ? pNewLine + 1 : m_lpBufMax;
    }
    if (!bAny) {
        rString.Empty();
        return FALSE;
    }
    if (bEnded && !line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(line.data(), static_cast<int>(line.size()));
    return TRUE;
}

// ---- objects and classes

DWORD CArchive::NewMapIndex()
{
    if (m_pMaps->nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    return m_pMaps->nMapCount++;
}

void CArchive::AddLoaded(void* p, BOOL bClass, UINT nSchema)
{
    NewMapIndex();
    m_pMaps->loaded.push_back({p, bClass != FALSE, nSchema});
}

// What a loaded index stands for; throws badIndex unless it is a class (or
// an object) met before.
void* CArchive::LoadedAt(DWORD nIndex, BOOL bClass, UINT* pSchema) const
{
    const std::vector<CArchiveMaps::Loaded>& loaded = m_pMaps->loaded;
    if (nIndex == 0 || nIndex >= loaded.size() || loaded[nIndex].bClass != (bClass != FALSE) ||
        loaded[nIndex].p == nullptr)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    if (pSchema != nullptr)
        *pSchema = loaded[nIndex].nSchema;
    return loaded[nIndex].p;
}

void CArchive::WriteIndexTag(DWORD nIndex, DWORD dwBigFlag, WORD wSmallFlag)
{
    if (nIndex < wBigObjectTag) {
        *this << static_cast<WORD>(wSmallFlag | nIndex);
    } else {
        *this << wBigObjectTag << (dwBigFlag | nIndex);
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef->m_wSchema == AFX_NO_SCHEMA)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    const auto found = m_pMaps->storedIndex.find(pClassRef);
    if (found != m_pMaps->storedIndex.end()) {
        WriteIndexTag(found->second, dwBigClassTag, wClassTag);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    m_pMaps->storedIndex[pClassRef] = NewMapIndex();
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = static_cast<DWORD>(wTag & wClassTag) << 16 | (wTag & ~wClassTag);
    if ((obTag & dwBigClassTag) == 0) {
        if (pObTag == nullptr)  // an object where a class belongs
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr || pClassRef->m_wSchema == AFX_NO_SCHEMA)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema && (pClassRef->m_wSchema & VERSIONABLE_SCHEMA) == 0)
            AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
        AddLoaded(pClassRef, TRUE, nSchema);
    } else {
        pClassRef = static_cast<CRuntimeClass*>(LoadedAt(obTag & ~dwBigClassTag, TRUE, &nSchema));
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (pSchema != nullptr)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag != nullptr)
        *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    const auto found = m_pMaps->storedIndex.find(pOb);
    if (found != m_pMaps->storedIndex.end()) {
        WriteIndexTag(found->second, 0, 0);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    m_pMaps->storedIndex[pOb] = NewMapIndex();
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema;
    DWORD obTag;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr) {
        if (obTag == wNullTag)
            return nullptr;
        CObject* pOb = static_cast<CObject*>(LoadedAt(obTag, FALSE, nullptr));
        if (pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return pOb;
    }

    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    const size_t nIndex = m_pMaps->loaded.size();
    AddLoaded(pOb, FALSE, 0);
    m_nObjectSchema = nSchema;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        m_pMaps->loaded[nIndex].p = nullptr;
        delete pOb;
        throw;
    }
    m_nObjectSchema = static_cast<UINT>(-1);
    return pOb;
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring()) {
        if (m_pMaps->storedIndex.count(pOb) == 0)
            m_pMaps->storedIndex[pOb] = NewMapIndex();
    } else {
        AddLoaded(const_cast<CObject*>(pOb), FALSE, 0);
    }
}

// ---- free operators

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator<<(CArchive& ar, const CString& string)
{
    const DWORD nLength = static_cast<DWORD>(string.GetLength());
    if (nLength < 0xFF) {
        ar << static_cast<BYTE>(nLength);
    } else if (nLength < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(nLength);
    } else {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << nLength;
    }
    ar.Write(static_cast<LPCSTR>(string), nLength);
    return ar;
}

CArchive& operator>>(CArchive& ar, CString& string)
{
    BYTE bLength;
    ar >> bLength;
    DWORD nLength = bLength;
    if (bLength == 0xFF) {
        WORD wLength;
        ar >> wLength;
        nLength = wLength;
        if (wLength == 0xFFFE)  // marks wide characters, which this format never holds
            AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
        if (wLength == 0xFFFF)
            ar >> nLength;
    }
    if (nLength > static_cast<DWORD>(INT_MAX))
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    // Into the string's own buffer; a long string's buffer grows with what
    // has really been read, at most doubling each time.
    CString text;
    for (DWORD nHave = 0; nHave < nLength;) {
        const DWORD nChunk = nLength - nHave < nStringChunk ? nLength - nHave : nStringChunk;
        const DWORD nRoom = nHave + nChunk > 2 * nHave ? nHave + nChunk : (2 * nHave < nLength ? 2 * nHave : nLength);
        const LPSTR pBuffer = text.GetBuffer(static_cast<int>(nRoom));
        const UINT nWanted = static_cast<UINT>(nRoom - nHave);
        if (ar.Read(pBuffer + nHave, nWanted) != nWanted)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        nHave = nRoom;
        text.ReleaseBuffer(static_cast<int>(nHave));   // kept when the buffer grows
    }
    string = std::move(text);
    return ar;
}
