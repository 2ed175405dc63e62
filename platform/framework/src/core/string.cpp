// CString: a shared, copy-on-write buffer of code page 932 text.
#include "afxstr.h"

#include <cp932.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <utility>

// Defined with the framework's globals and exceptions.
AFX_API HINSTANCE AfxGetResourceHandle();
[[noreturn]] AFX_API void AfxThrowMemoryException();

namespace {

// The empty string: every empty CString points at its terminating zero.
struct EmptyRepresentation
{
    CStringData header;
    char terminator;
};
EmptyRepresentation g_empty = {{-1, 0, 0}, 0};

CStringData* EmptyData() { return &g_empty.header; }

// Bytes of the character at p: 2 for a double-byte character, else 1
// (a lead byte just before the terminator counts as one character).
int CharLength(const char* p)
{
    return cp932::IsLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0' ? 2 : 1;
}

bool IsSingleByte(const char* p, char ch)
{
    return CharLength(p) == 1 && *p == ch;
}

bool IsSpace(const char* p)
{
    return CharLength(p) == 1 && *p != '\0' && strchr(" \t\n\v\f\r", *p) != nullptr;
}

// Whether the character at p (whole, double-byte or not) occurs in pszSet.
bool IsInSet(const char* p, LPCSTR pszSet)
{
    int n = CharLength(p);
    for (const char* q = pszSet; *q != '\0'; q += CharLength(q))
        if (CharLength(q) == n && memcmp(p, q, n) == 0)
            return true;
    return false;
}

// Double-byte letters with case: full-width Latin, Greek and Cyrillic.
struct CaseRange
{
    WORD lowerFirst;
    WORD lowerLast;
    WORD upperFirst;
};
const CaseRange kCaseRanges[] = {
    {0x8281, 0x829A, 0x8260},  // full-width a-z
    {0x83BF, 0x83D6, 0x839F},  // Greek
    {0x8470, 0x847E, 0x8440},  // Cyrillic, before the gap at 0x847F
    {0x8480, 0x8491, 0x844F},
};

WORD UpperDoubleByte(WORD ch)
{
    for (const CaseRange& r : kCaseRanges)
        if (ch >= r.lowerFirst && ch <= r.lowerLast)
            return static_cast<WORD>(r.upperFirst + (ch - r.lowerFirst));
    return ch;
}

WORD LowerDoubleByte(WORD ch)
{
    for (const CaseRange& r : kCaseRanges)
        if (ch >= r.upperFirst && ch <= r.upperFirst + (r.lowerLast - r.lowerFirst))
            return static_cast<WORD>(r.lowerFirst + (ch - r.upperFirst));
    return ch;
}

char LowerAscii(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }
char UpperAscii(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

// Applies a single-byte and a double-byte mapping to every character.
void MapCase(char* p, char (*single)(char), WORD (*dbcs)(WORD))
{
    while (*p != '\0') {
        if (CharLength(p) == 1) {
            *p = single(*p);
            ++p;
            continue;
        }
        WORD ch = dbcs(static_cast<WORD>(static_cast<BYTE>(p[0]) << 8 | static_cast<BYTE>(p[1])));
        p[0] = static_cast<char>(HIBYTE(ch));
        p[1] = static_cast<char>(LOBYTE(ch));
        p += 2;
    }
}

// Byte count of the leading characters of p that satisfy match.
template <class Match>
int LeadingRun(const char* p, Match match)
{
    const char* q = p;
    while (*q != '\0' && match(q))
        q += CharLength(q);
    return static_cast<int>(q - p);
}

// Byte index where the trailing run of characters satisfying match begins.
template <class Match>
int TrailingRunStart(const char* p, Match match)
{
    const char* start = nullptr;
    const char* q = p;
    for (; *q != '\0'; q += CharLength(q)) {
        if (!match(q))
            start = nullptr;
        else if (start == nullptr)
            start = q;
    }
    return static_cast<int>((start != nullptr ? start : q) - p);
}

// First character boundary at or after byte index nStart, or -1.
int BoundaryFrom(const char* p, int nLength, int nStart)
{
    int i = 0;
    while (i < nStart && i < nLength)
        i += CharLength(p + i);
    return i < nLength ? i : -1;
}

// First occurrence of pszSub at a character boundary of p, from p on.
const char* FindSubstring(const char* p, LPCSTR pszSub)
{
    size_t nSub = strlen(pszSub);
    for (; *p != '\0'; p += CharLength(p))
        if (strncmp(p, pszSub, nSub) == 0)
            return p;
    return nullptr;
}

int SafeLength(LPCSTR psz) { return psz != nullptr ? static_cast<int>(strlen(psz)) : 0; }

// A new header and buffer for nLength bytes with room for nAlloc.
CStringData* NewData(int nLength, int nAlloc)
{
    if (nAlloc <= 0)
        return EmptyData();
    void* block = malloc(sizeof(CStringData) + static_cast<size_t>(nAlloc) + 1);
    if (block == nullptr)
        AfxThrowMemoryException();
    CStringData* data = static_cast<CStringData*>(block);
    data->nRefs = 1;
    data->nDataLength = nLength;
    data->nAllocLength = nAlloc;
    data->data()[nLength] = '\0';
    return data;
}

}  // namespace

// ---- construction and storage ----

CString::CString() : m_pchData(EmptyData()->data()) {}

CString::CString(const CString& other) : m_pchData(EmptyData()->data())
{
    CStringData* data = other.GetData();
    if (data->nRefs >= 0) {
        InterlockedIncrement(&data->nRefs);
        m_pchData = other.m_pchData;
    } else {
        AssignCopy(other.m_pchData, data->nDataLength);  // locked or empty
    }
}

CString::CString(CString&& other) noexcept : m_pchData(EmptyData()->data())
{
    std::swap(m_pchData, other.m_pchData);
}

CString::CString(LPCSTR psz) : m_pchData(EmptyData()->data())
{
    if (psz != nullptr && IS_INTRESOURCE(psz))
        LoadString(LOWORD(reinterpret_cast<UINT_PTR>(psz)));
    else
        AssignCopy(psz, SafeLength(psz));
}

CString::CString(LPCSTR pch, int nLength) : m_pchData(EmptyData()->data())
{
    AssignCopy(pch, pch != nullptr && nLength > 0 ? nLength : 0);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::CString(char ch, int nRepeat) : m_pchData(EmptyData()->data())
{
    if (nRepeat > 0) {
        m_pchData = NewData(nRepeat, nRepeat)->data();
        memset(m_pchData, ch, nRepeat);
    }
}

CString::~CString() { Release(); }

void CString::Release()
{
    CStringData* data = GetData();
    if (data != EmptyData() && InterlockedDecrement(&data->nRefs) <= 0)
        free(data);
    m_pchData = EmptyData()->data();
}

void CString::Empty() { Release(); }

// Makes the buffer this string's own, keeping the content.
void CString::CopyBeforeWrite()
{
    CStringData* data = GetData();
    if (data->nRefs > 1) {
        CString copy;
        copy.m_pchData = NewData(data->nDataLength, data->nDataLength)->data();
        memcpy(copy.m_pchData, m_pchData, data->nDataLength);
        std::swap(m_pchData, copy.m_pchData);
    }
}

// Replaces the content; pch may point into this string.
void CString::AssignCopy(const char* pch, int nLength)
{
    CStringData* data = GetData();
    if (data == EmptyData() || data->nRefs > 1 || nLength > data->nAllocLength) {
        CString fresh;
        fresh.m_pchData = NewData(nLength, nLength)->data();
        memcpy(fresh.m_pchData, pch, nLength);
        std::swap(m_pchData, fresh.m_pchData);
        return;
    }
    memmove(m_pchData, pch, nLength);
    data->nDataLength = nLength;
    m_pchData[nLength] = '\0';
}

// Appends bytes; pch may point into this string. A buffer that has to
// grow gets half again as much room, so repeated appends stay linear.
void CString::AppendCopy(const char* pch, int nLength)
{
    if (nLength <= 0)
        return;
    CStringData* data = GetData();
    int nOld = data->nDataLength;
    int nNew = nOld + nLength;
    if (data == EmptyData() || data->nRefs > 1 || nNew > data->nAllocLength) {
        CString grown;
        grown.m_pchData = NewData(nNew, nOld == 0 ? nNew : nNew + nNew / 2)->data();
        memcpy(grown.m_pchData, m_pchData, nOld);
        memcpy(grown.m_pchData + nOld, pch, nLength);
        std::swap(m_pchData, grown.m_pchData);
        return;
    }
    memmove(m_pchData + nOld, pch, nLength);
    data->nDataLength = nNew;
    m_pchData[nNew] = '\0';
}

// Replaces nRemove bytes at nIndex by nInsert bytes from pch.
void CString::Splice(int nIndex, int nRemove, const char* pch, int nInsert)
{
    int nLength = GetLength();
    int nNew = nLength - nRemove + nInsert;
    CString result;
    result.m_pchData = NewData(nNew, nNew)->data();
    memcpy(result.m_pchData, m_pchData, nIndex);
    memcpy(result.m_pchData + nIndex, pch, nInsert);
    memcpy(result.m_pchData + nIndex + nInsert, m_pchData + nIndex + nRemove,
           nLength - nIndex - nRemove);
    std::swap(m_pchData, result.m_pchData);
}

int CString::ClampIndex(int nIndex) const
{
    return nIndex < 0 ? 0 : (nIndex > GetLength() ? GetLength() : nIndex);
}

// ---- element access and assignment ----

char CString::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetLength() ? m_pchData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& other)
{
    CString copy(other);
    std::swap(m_pchData, copy.m_pchData);
    return *this;
}

// The other string is left empty, not with this string's old text.
CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other) {
        Release();
        std::swap(m_pchData, other.m_pchData);
    }
    return *this;
}

const CString& CString::operator=(LPCSTR psz)
{
    AssignCopy(psz, SafeLength(psz));
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

const CString& CString::operator=(char ch)
{
    AssignCopy(&ch, 1);
    return *this;
}

const CString& CString::operator+=(const CString& other)
{
    AppendCopy(other.m_pchData, other.GetLength());
    return *this;
}

const CString& CString::operator+=(LPCSTR psz)
{
    AppendCopy(psz, SafeLength(psz));
    return *this;
}

const CString& CString::operator+=(char ch)
{
    AppendCopy(&ch, 1);
    return *this;
}

namespace {

CString Concatenate(const char* a, int nA, const char* b, int nB)
{
    CString result;
    if (nA + nB == 0)
        return result;
    char* p = result.GetBufferSetLength(nA + nB);
    memcpy(p, a, nA);
    memcpy(p + nA, b, nB);
    return result;
}

}  // namespace

CString operator+(const CString& a, const CString& b)
{
    return Concatenate(a, a.GetLength(), b, b.GetLength());
}

CString operator+(const CString& a, LPCSTR b)
{
    return Concatenate(a, a.GetLength(), b, SafeLength(b));
}

CString operator+(LPCSTR a, const CString& b)
{
    return Concatenate(a, SafeLength(a), b, b.GetLength());
}

CString operator+(const CString& a, char b) { return Concatenate(a, a.GetLength(), &b, 1); }

CString operator+(char a, const CString& b) { return Concatenate(&a, 1, b, b.GetLength()); }

// ---- comparison ----

int CString::Compare(LPCSTR psz) const { return strcmp(m_pchData, psz != nullptr ? psz : ""); }

// Both strings agree byte for byte (up to case) before the first
// difference, so one lead-byte state serves both.
int CString::CompareNoCase(LPCSTR psz) const
{
    const BYTE* a = reinterpret_cast<const BYTE*>(m_pchData);
    const BYTE* b = reinterpret_cast<const BYTE*>(psz != nullptr ? psz : "");
    bool trail = false;
    for (;; ++a, ++b) {
        BYTE ca = trail ? *a : static_cast<BYTE>(LowerAscii(static_cast<char>(*a)));
        BYTE cb = trail ? *b : static_cast<BYTE>(LowerAscii(static_cast<char>(*b)));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
        trail = !trail && cp932::IsLeadByte(ca);
    }
}

// ---- extraction ----

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = ClampIndex(nFirst);
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength() - nFirst)
        nCount = GetLength() - nFirst;
    if (nFirst == 0 && nCount == GetLength())
        return *this;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    nCount = ClampIndex(nCount);
    return Mid(GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return Left(LeadingRun(m_pchData, [pszCharSet](const char* p) { return IsInSet(p, pszCharSet); }));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return Left(LeadingRun(m_pchData, [pszCharSet](const char* p) { return !IsInSet(p, pszCharSet); }));
}

// ---- modification ----

void CString::MakeUpper()
{
    CopyBeforeWrite();
    MapCase(m_pchData, UpperAscii, UpperDoubleByte);
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    MapCase(m_pchData, LowerAscii, LowerDoubleByte);
}

// Reverses the order of characters; double-byte characters stay whole.
void CString::MakeReverse()
{
    CString source(*this);
    const char* begin = source;
    int nLength = source.GetLength();
    char* p = GetBufferSetLength(nLength);
    for (const char* q = begin; *q != '\0'; q += CharLength(q)) {
        int n = CharLength(q);
        memcpy(p + nLength - (q - begin) - n, q, n);
    }
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (const char* p = m_pchData; *p != '\0'; p += CharLength(p))
        nCount += IsSingleByte(p, chOld) ? 1 : 0;
    if (nCount == 0 || chOld == chNew)
        return nCount;
    CopyBeforeWrite();
    for (char* p = m_pchData; *p != '\0'; p += CharLength(p))
        if (IsSingleByte(p, chOld))
            *p = chNew;
    return nCount;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOld = SafeLength(pszOld);
    if (nOld == 0)
        return 0;
    int nCount = 0;
    CString result;
    const char* done = m_pchData;
    for (const char* hit; (hit = FindSubstring(done, pszOld)) != nullptr; done = hit + nOld) {
        result.AppendCopy(done, static_cast<int>(hit - done));
        result += pszNew;
        ++nCount;
    }
    if (nCount > 0) {
        result += done;
        std::swap(m_pchData, result.m_pchData);
    }
    return nCount;
}

int CString::Remove(char ch)
{
    if (Find(ch) < 0)
        return 0;
    CopyBeforeWrite();
    char* out = m_pchData;
    for (const char* p = m_pchData; *p != '\0';) {
        int n = CharLength(p);
        if (!IsSingleByte(p, ch)) {
            memmove(out, p, n);
            out += n;
        }
        p += n;
    }
    int nRemoved = GetLength() - static_cast<int>(out - m_pchData);
    ReleaseBuffer(static_cast<int>(out - m_pchData));
    return nRemoved;
}

int CString::Insert(int nIndex, char ch)
{
    Splice(ClampIndex(nIndex), 0, &ch, 1);
    return GetLength();
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    int nInsert = SafeLength(psz);
    if (nInsert > 0)
        Splice(ClampIndex(nIndex), 0, psz, nInsert);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    nIndex = ClampIndex(nIndex);
    if (nCount > GetLength() - nIndex)
        nCount = GetLength() - nIndex;
    if (nCount > 0)
        Splice(nIndex, nCount, nullptr, 0);
    return GetLength();
}

// ---- trimming ----

void CString::TrimLeft() { Delete(0, LeadingRun(m_pchData, IsSpace)); }

void CString::TrimLeft(char chTarget)
{
    Delete(0, LeadingRun(m_pchData, [chTarget](const char* p) { return IsSingleByte(p, chTarget); }));
}

void CString::TrimLeft(LPCSTR pszTargets)
{
    Delete(0, LeadingRun(m_pchData, [pszTargets](const char* p) { return IsInSet(p, pszTargets); }));
}

void CString::TrimRight()
{
    int nKeep = TrailingRunStart(m_pchData, IsSpace);
    if (nKeep < GetLength())
        GetBufferSetLength(nKeep);
}

void CString::TrimRight(char chTarget)
{
    int nKeep = TrailingRunStart(m_pchData, [chTarget](const char* p) { return IsSingleByte(p, chTarget); });
    if (nKeep < GetLength())
        GetBufferSetLength(nKeep);
}

void CString::TrimRight(LPCSTR pszTargets)
{
    int nKeep = TrailingRunStart(m_pchData, [pszTargets](const char* p) { return IsInSet(p, pszTargets); });
    if (nKeep < GetLength())
        GetBufferSetLength(nKeep);
}

// ---- searching ----

int CString::Find(char ch) const { return Find(ch, 0); }

int CString::Find(char ch, int nStart) const
{
    int i = BoundaryFrom(m_pchData, GetLength(), nStart < 0 ? 0 : nStart);
    if (i < 0)
        return -1;
    for (const char* p = m_pchData + i; *p != '\0'; p += CharLength(p))
        if (IsSingleByte(p, ch))
            return static_cast<int>(p - m_pchData);
    return -1;
}

int CString::Find(LPCSTR pszSub) const { return Find(pszSub, 0); }

int CString::Find(LPCSTR pszSub, int nStart) const
{
    int i = BoundaryFrom(m_pchData, GetLength(), nStart < 0 ? 0 : nStart);
    if (i < 0 || pszSub == nullptr)
        return -1;
    const char* hit = FindSubstring(m_pchData + i, pszSub);
    return hit != nullptr ? static_cast<int>(hit - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const
{
    int nLast = -1;
    for (const char* p = m_pchData; *p != '\0'; p += CharLength(p))
        if (IsSingleByte(p, ch))
            nLast = static_cast<int>(p - m_pchData);
    return nLast;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    int i = LeadingRun(m_pchData, [pszCharSet](const char* p) { return !IsInSet(p, pszCharSet); });
    return i < GetLength() ? i : -1;
}

// ---- formatting and resources ----

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString format;
    format.LoadString(nFormatID);
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

// Formats into a fresh buffer, so the arguments may include this string.
void CString::FormatV(LPCSTR pszFormat, va_list argList)
{
    va_list measure;
    va_copy(measure, argList);
    int nLength = _vscprintf(pszFormat, measure);
    va_end(measure);
    CString result;
    if (nLength > 0)
        _vsnprintf(result.GetBufferSetLength(nLength), static_cast<size_t>(nLength) + 1, pszFormat, argList);
    std::swap(m_pchData, result.m_pchData);
}

// LoadStringA truncates silently, so the buffer doubles until the string
// leaves room to spare (two bytes: a double-byte character may not fit).
BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInstance = AfxGetResourceHandle();
    for (int nSize = 256;; nSize *= 2) {
        CString loaded;
        int nLength = ::LoadStringA(hInstance, nID, loaded.GetBuffer(nSize - 1), nSize);
        if (nLength < nSize - 2) {
            loaded.ReleaseBuffer(nLength);
            loaded.FreeExtra();
            std::swap(m_pchData, loaded.m_pchData);
            return nLength > 0;
        }
    }
}

// ---- buffer access ----

LPSTR CString::GetBuffer(int nMinBufLength)
{
    CStringData* data = GetData();
    if (data == EmptyData() || data->nRefs > 1 || nMinBufLength > data->nAllocLength) {
        int nLength = data->nDataLength;
        int nAlloc = nMinBufLength > nLength ? nMinBufLength : nLength;
        CString grown;
        grown.m_pchData = NewData(nLength, nAlloc > 0 ? nAlloc : 1)->data();
        memcpy(grown.m_pchData, m_pchData, nLength);
        std::swap(m_pchData, grown.m_pchData);
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CopyBeforeWrite();
    CStringData* data = GetData();
    if (data == EmptyData())
        return;
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pchData, data->nAllocLength));
    if (nNewLength > data->nAllocLength)
        nNewLength = data->nAllocLength;
    data->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    ReleaseBuffer(nNewLength);
    return m_pchData;
}

void CString::FreeExtra()
{
    CStringData* data = GetData();
    if (data != EmptyData() && data->nDataLength < data->nAllocLength) {
        CString exact(m_pchData, data->nDataLength);
        std::swap(m_pchData, exact.m_pchData);
    }
}

LPSTR CString::LockBuffer()
{
    LPSTR p = GetBuffer(0);
    GetData()->nRefs = -1;
    return p;
}

void CString::UnlockBuffer()
{
    CStringData* data = GetData();
    if (data != EmptyData())
        data->nRefs = 1;
}

BSTR CString::AllocSysString() const
{
    int nWide = MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), nullptr, 0);
    BSTR bstr = SysAllocStringLen(nullptr, nWide);
    if (bstr == nullptr)
        AfxThrowMemoryException();
    MultiByteToWideChar(CP_ACP, 0, m_pchData, GetLength(), bstr, nWide);
    return bstr;
}

BOOL AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep)
{
    rString.Empty();
    if (lpszFullString == nullptr || iSubString < 0)
        return FALSE;
    const CString full(lpszFullString);
    int nStart = 0;
    for (int i = 0; i < iSubString; ++i) {
        const int nSep = full.Find(chSep, nStart);
        if (nSep < 0)
            return FALSE;
        nStart = nSep + 1;
    }
    const int nEnd = full.Find(chSep, nStart);
    rString = full.Mid(nStart, (nEnd < 0 ? full.GetLength() : nEnd) - nStart);
    return TRUE;
}
