// CString: the framework's MBCS string (code page 932). A CString holds one
// pointer to its characters; a CStringData header sits just before them.
// Copies share a buffer until one of them is written to. Indexes, lengths
// and counts are in bytes; searches and case changes never split or alter a
// double-byte character.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <stdarg.h>
#include "afxapi.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

struct CStringData
{
    LONG nRefs;        // sharing count; -1 while locked or for the empty string
    int nDataLength;   // bytes in use, without the terminating zero
    int nAllocLength;  // bytes available, without the terminating zero

    char* data() { return reinterpret_cast<char*>(this + 1); }
};

class AFX_API CString
{
public:
    CString();
    CString(const CString& other);
    CString(CString&& other) noexcept;
    // A pointer whose high word is zero is taken as a string resource id.
    CString(LPCSTR psz);
    CString(LPCSTR pch, int nLength);
    CString(const unsigned char* psz);
    CString(char ch, int nRepeat = 1);
    ~CString();

    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pchData; }

    const CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    const CString& operator=(LPCSTR psz);
    const CString& operator=(const unsigned char* psz);
    const CString& operator=(char ch);
    const CString& operator+=(const CString& other);
    const CString& operator+=(LPCSTR psz);
    const CString& operator+=(char ch);

    // Byte order, as strcmp; CompareNoCase folds single-byte ASCII letters.
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);

    // Without an argument: single-byte white space.
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR pszTargets);
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR pszTargets);

    // Byte index of the first match at a character boundary, or -1.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR pszSub) const;
    int Find(LPCSTR pszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    // The Microsoft C runtime's printf conventions (%I64d, %S ...).
    void Format(LPCSTR pszFormat, ...) __attribute__((format(ms_printf, 2, 3)));
    void Format(UINT nFormatID, ...);
    void FormatV(LPCSTR pszFormat, va_list argList);

    // From the string table of AfxGetResourceHandle(); FALSE if missing.
    BOOL LoadString(UINT nID);

    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    // A locked buffer is never shared, so pointers into it stay valid.
    LPSTR LockBuffer();
    void UnlockBuffer();

    BSTR AllocSysString() const;

private:
    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    void Release();
    void AssignCopy(const char* pch, int nLength);
    void AppendCopy(const char* pch, int nLength);
    void CopyBeforeWrite();
    void Splice(int nIndex, int nRemove, const char* pch, int nInsert);
    int ClampIndex(int nIndex) const;

    LPSTR m_pchData;
};

static_assert(sizeof(CString) == sizeof(void*), "CString is one pointer");

// Part iSubString (from 0) of a text of parts separated by chSep (a
// single-byte character; trail bytes never match); FALSE, with rString
// empty, when the text has fewer parts.
AFX_API BOOL AfxExtractSubString(CString& rString, LPCSTR lpszFullString, int iSubString, char chSep = '\n');

AFX_API CString operator+(const CString& a, const CString& b);
AFX_API CString operator+(const CString& a, LPCSTR b);
AFX_API CString operator+(LPCSTR a, const CString& b);
AFX_API CString operator+(const CString& a, char b);
AFX_API CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

#pragma pack(pop)
