// CFile, a file of the Win32 API; CStdioFile, a file of text lines;
// CMemFile, a file in memory; CFileFind, the files matching a name.
#pragma once
#include <windows.h>
#include <functional>
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

// A file read and written in lines. Unless opened with typeBinary it is a
// text file: WriteString writes "\n" as "\r\n" and ReadString takes
// "\r\n" for "\n". Read and Write move bytes as they are.
class AFX_API CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Opens the file; throws CFileException on failure.
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    virtual void WriteString(LPCSTR lpsz);
    // The next line without its end; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);
    // The next line with its "\n", at most nMax - 1 bytes of it, ended by a
    // zero; null at the end of the file.
    virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);

    DWORD GetPosition() const override;
    LONG Seek(LONG lOff, UINT nFrom) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Close() override;
    void Abort() override;

private:
    // The next byte, or -1 at the end of the file.
    int NextByte();
    // Moves the file back over the bytes read ahead and forgets them.
    void DropReadAhead();

    BOOL m_bText;
    UINT m_nReadPos;
    UINT m_nReadEnd;
    BYTE m_readAhead[512];
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

// Files and folders matching a name with wildcards ("C:\\data\\*.FMT").
// FindFile starts the search; each FindNextFile moves to the next match,
// the first one included, and the accessors describe the current match.
class AFX_API CFileFind : public CObject
{
public:
    CFileFind();
    ~CFileFind() override;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Null looks for "*.*". FALSE if nothing matches.
    BOOL FindFile(LPCSTR pstrName = nullptr, DWORD dwUnused = 0);
    // FALSE when it has moved to the last match (which is then current).
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    // The folder of the name searched for and the file name.
    CString GetFilePath() const;
    // The file name without its extension.
    CString GetFileTitle() const;
    // The folder of the name searched for, with its closing backslash
    // (empty for a name without a folder).
    CString GetRoot() const { return m_strRoot; }
    ULONGLONG GetLength() const;
    BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    // Whether the match has all the FILE_ATTRIBUTE_ bits of dwMask.
    BOOL MatchesMask(DWORD dwMask) const { return (m_found.dwFileAttributes & dwMask) == dwMask; }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    // "." or "..".
    BOOL IsDots() const;

private:
    HANDLE m_hFind;
    BOOL m_bMore;               // m_next holds a match not yet moved to
    WIN32_FIND_DATAA m_found;   // the current match
    WIN32_FIND_DATAA m_next;
    CString m_strRoot;
};

#pragma pack(pop)

// Writes the file lpszPath by way of a new temporary file beside it (its
// name begins with lpszPrefix): write fills the open temporary file, which
// is then flushed to the disk and put in place of lpszPath, write-through.
// On any failure the temporary file goes, lpszPath stays as it was, and the
// exception goes on to the caller; a file error then names lpszPath.
AFX_API void AfxWriteReplacing(LPCSTR lpszPath, LPCSTR lpszPrefix, const std::function<void(CFile&)>& write);
