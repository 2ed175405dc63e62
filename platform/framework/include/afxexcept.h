// Exceptions of the framework. They are thrown as pointers to heap objects
// (through the AfxThrow... functions) and caught as pointers; the catcher
// calls Delete(), which frees the exception unless it is a shared one.
#pragma once
#include <windows.h>
#include "afxapi.h"
#include "afxstr.h"
#include "afxobj.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

class AFX_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() override;

    // Frees the exception if it was allocated for this throw.
    void Delete();

    // Copies the message into lpszError (at most nMaxError bytes with the
    // terminator); FALSE if the exception has no message.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);
    // Shows the message (or the string resource nMessageID if there is no
    // message) through AfxMessageBox and returns its result.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

class AFX_API CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    explicit CMemoryException(BOOL bAutoDelete);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

class AFX_API CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    // The cause for a Win32 error code (GetLastError()).
    static int OsErrorToException(LONG lOsError);
    static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class AFX_API CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        generic,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema
    };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    CString m_strFileName;
};

#pragma pack(pop)

[[noreturn]] AFX_API void AfxThrowMemoryException();
[[noreturn]] AFX_API void AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
[[noreturn]] AFX_API void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);

// The framework's exception macros on C++ exceptions. The catch blocks get
// the exception pointer and must Delete() it unless they rethrow.
#define TRY try {
#define CATCH(class_name, e) } catch (class_name* e) {
#define AND_CATCH(class_name, e) } catch (class_name* e) {
#define END_CATCH }
#define CATCH_ALL(e) } catch (CException* e) {
#define AND_CATCH_ALL(e) } catch (CException* e) {
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST() throw
