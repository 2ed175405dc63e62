// CFile, a file of the Win32 API, and CMemFile, a file in memory.
#pragma once
#include <windows.h>
#include "afxapi.h"
#include "afxstr.h"
#include "afxobj.h"
#include "afxexcept.h"
#include "afxtime.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

struct CFileStatus
{
    CTime m_ctime;              // creation
    CTime m_mtime;              // last write
    CTime m_atime;              // last access
    LONG m_size;                // bytes (low 32 bits)
    BYTE m_attribute;           // CFile::Attribute bits
    BYTE m_padding;
    char m_szFullName[MAX_PATH];
};

class AFX_API CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };

    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };

    enum SeekPosition
    {
        begin = 0,
        current = 1,
        end = 2
    };

    static const HANDLE hFileNull;

    CFile();
    // Attaches an open handle, which the object will not close.
    explicit CFile(HANDLE hFile);
    // Opens the file; throws CFileException on failure.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    // Closes the file if it owns it, ignoring errors (call Close to see them).
    ~CFile() override;

    // FALSE on failure, with the cause in *pError if given.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    virtual DWORD GetPosition() const;
    virtual LONG Seek(LONG lOff, UINT nFrom);
    void SeekToBegin();
    DWORD SeekToEnd();
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD dwNewLen);

    // Reads up to nCount bytes; fewer at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);

    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();

    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
    static void Remove(LPCSTR lpszFileName);
    static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);

    // The full path given to Open, and its last component.
    virtual CString GetFilePath() const;
    virtual CString GetFileName() const;
    virtual void SetFilePath(LPCSTR lpszNewName);

    HANDLE m_hFile;
    BOOL m_bCloseOnDelete;
    CString m_strFileName;

private:
    [[noreturn]] void ThrowLastError() const;
};

class AFX_API CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    // An empty file whose buffer grows in steps of nGrowBytes.
    explicit CMemFile(UINT nGrowBytes = 1024);
    // A file on the caller's buffer; see Attach.
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // Uses the caller's buffer. With nGrowBytes 0 the buffer's bytes are the
    // file and it cannot grow; otherwise the file starts empty and the
    // buffer (which must come from malloc) is reallocated as it grows.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Returns the buffer and leaves the file empty; the caller owns it.
    BYTE* Detach();

    DWORD GetPosition() const override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    DWORD GetLength() const override;
    void SetLength(DWORD dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

protected:
    virtual BYTE* Alloc(DWORD nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, DWORD nBytes);
    virtual void Free(BYTE* lpMem);
    virtual void GrowFile(DWORD dwNewLen);

    UINT m_nGrowBytes;
    DWORD m_nPosition;
    DWORD m_nBufferSize;
    DWORD m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;     // the buffer is ours to free

private:
    void Reset();
};

#pragma pack(pop)
