// CArchive: a buffered binary stream over a CFile in the framework's stored
// format. Values are little-endian; objects and classes go in the
// persistent-object format: a WORD tag that is 0 for null, 0xFFFF before a
// new class record, 0x8000 | index for a class met before and the index of
// an object met before; classes and objects share one index space from 1,
// and indexes from 0x7FFF on are written as 0x7FFF and a DWORD (with
// 0x80000000 set for classes).
#pragma once
#include <windows.h>
#include <cstring>
#include "afxapi.h"
#include "afxstr.h"
#include "afxobj.h"
#include "afxexcept.h"

class CFile;
class CDocument;
struct CArchiveMaps;

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "stored values are copied as they are in memory");

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

class AFX_API CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2
    };

    // The archive does not own the file. lpBuf, if given, is a caller's
    // buffer of nBufSize bytes.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Closes the archive unless it was made with bNoFlushOnDelete or is
    // destroyed by an exception (then it aborts). Never throws: a failing
    // close is dropped, so call Close to see errors.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded, once; (UINT)-1 afterwards.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes. Read returns fewer than nMax at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);

    // Loading: no byte read from the file is left unconsumed (the file
    // itself may hold more). Storing: nothing waits to be written.
    BOOL IsBufferEmpty() const { return IsLoading() ? m_lpBufCur == m_lpBufMax : m_lpBufCur == m_lpBufStart; }
    // Loading: no byte of the file is left, in the buffer or in the file
    // (large reads bypass the buffer, so IsBufferEmpty alone cannot tell).
    BOOL IsEndOfData() const;

    // Storing: writes the buffer to the file. Loading: moves the file back to
    // the first byte the archive has not consumed.
    void Flush();
    void Close();
    void Abort();

    // Text lines: WriteString writes the text as is; ReadString reads up to
    // and without "\n" (and a "\r" before it), FALSE at the end of the file.
    void WriteString(LPCSTR lpsz);
    BOOL ReadString(CString& rString);

    void WriteObject(const CObject* pOb);
    // Throws CArchiveException badClass if the object is not a kind of
    // pClassRefRequested (when given).
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // Gives an object an index without storing it, as if stored before.
    void MapObject(const CObject* pOb);

    void WriteClass(const CRuntimeClass* pClassRef);
    // pSchema receives the stored schema (else GetObjectSchema returns it);
    // pObTag, if given, receives an object tag met instead of a class, in
    // which case the result is null.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // Element counts: a WORD, or 0xFFFF and a DWORD from 0xFFFF on.
    void WriteCount(DWORD dwCount);
    DWORD ReadCount();

    // Values go straight through the buffer while it has room; the machines
    // this runs on are little-endian, as the stored format is.
    CArchive& operator<<(BYTE by) { return Put(by); }
    CArchive& operator<<(WORD w) { return Put(w); }
    CArchive& operator<<(LONG l) { return Put(l); }
    CArchive& operator<<(DWORD dw) { return Put(dw); }
    CArchive& operator<<(float f) { return Put(f); }
    CArchive& operator<<(double d) { return Put(d); }
    CArchive& operator<<(int i) { return *this << static_cast<LONG>(i); }
    CArchive& operator<<(short w) { return *this << static_cast<WORD>(w); }
    CArchive& operator<<(char ch) { return *this << static_cast<BYTE>(ch); }
    CArchive& operator<<(unsigned u) { return *this << static_cast<DWORD>(u); }

    CArchive& operator>>(BYTE& by) { return Get(by); }
    CArchive& operator>>(WORD& w) { return Get(w); }
    CArchive& operator>>(LONG& l) { return Get(l); }
    CArchive& operator>>(DWORD& dw) { return Get(dw); }
    CArchive& operator>>(float& f) { return Get(f); }
    CArchive& operator>>(double& d) { return Get(d); }
    CArchive& operator>>(int& i) { return Get(i); }
    CArchive& operator>>(short& w) { return Get(w); }
    CArchive& operator>>(char& ch) { return Get(ch); }
    CArchive& operator>>(unsigned& u) { return Get(u); }

    CDocument* m_pDocument;
    CString m_strFileName;

private:
    template <class T>
    CArchive& Put(T value)
    {
        if (!IsStoring() || static_cast<size_t>(m_lpBufMax - m_lpBufCur) < sizeof value) {
            WriteSlow(&value, sizeof value);
        } else {
            std::memcpy(m_lpBufCur, &value, sizeof value);
            m_lpBufCur += sizeof value;
        }
        return *this;
    }

    template <class T>
    CArchive& Get(T& value)
    {
        if (!IsLoading() || static_cast<size_t>(m_lpBufMax - m_lpBufCur) < sizeof value) {
            ReadSlow(&value, sizeof value);
        } else {
            std::memcpy(&value, m_lpBufCur, sizeof value);
            m_lpBufCur += sizeof value;
        }
        return *this;
    }

    void CheckStoring() const;
    void CheckLoading() const;
    BOOL FillBuffer();
    void ReadBytes(void* lpBuf, UINT nCount);
    // A value the buffer has no room for: through Write and Read, which
    // check the direction; Read runs into the end of the file.
    void WriteSlow(const void* lpValue, UINT nBytes);
    void ReadSlow(void* lpValue, UINT nBytes);
    DWORD NewMapIndex();
    void AddLoaded(void* p, BOOL bClass, UINT nSchema);
    void* LoadedAt(DWORD nIndex, BOOL bClass, UINT* pSchema) const;
    void WriteIndexTag(DWORD nIndex, DWORD dwBigFlag, WORD wSmallFlag);
    void FreeStorage();

    CFile* m_pFile;
    UINT m_nMode;
    BOOL m_bUserBuf;
    int m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    UINT m_nObjectSchema;
    int m_nUncaughtAtStart;
    CArchiveMaps* m_pMaps;
};

#pragma pack(pop)

AFX_API CArchive& operator<<(CArchive& ar, const CObject* pOb);
AFX_API CArchive& operator>>(CArchive& ar, CObject*& pOb);
AFX_API CArchive& operator>>(CArchive& ar, const CObject*& pOb);

// Strings: the length (a BYTE below 0xFF; 0xFF and a WORD below 0xFFFE;
// 0xFF, 0xFFFF and a DWORD) followed by the characters.
AFX_API CArchive& operator<<(CArchive& ar, const CString& string);
AFX_API CArchive& operator>>(CArchive& ar, CString& string);
