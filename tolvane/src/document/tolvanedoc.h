// CTolvaneDoc: the form screen's document. It owns the form data file
// object (its page container holds one page document per page) and reads
// and writes ".qmt" files: the file object's body followed by one version
// byte, '1' for the current format. It also owns the print frame of the
// shown page and the face window of the shown face. A file without that byte comes from an
// older product: it can be shown but not saved. The document keeps the
// folder, name and extension of its file itself.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>

class CMirtBaseMen;
class CMirtBasePrtFrm;
class CMirtFileIO;
class CTolvaneView;

class CTolvaneDoc : public CDocument
{
    DECLARE_DYNCREATE(CTolvaneDoc)
public:
    // The current version byte.
    static const char kCurrentVersion = '1';

    // An empty file object; the user folder becomes the current directory.
    CTolvaneDoc();
    ~CTolvaneDoc() override;

    // Storing needs the main frame's active view and fails without it; an
    // exception fails the save (the framework then keeps the old file).
    // Loading reads into a new file object that replaces the old one only
    // once the whole body is read; the version byte is 0 when the data ends
    // with the body. The file's folder, name and extension are kept.
    void Serialize(CArchive& ar) override;
    // A new file object; the first document after a "/L:" start is read
    // from the layout's sample and left without a file name.
    BOOL OnNewDocument() override;
    // Asks before changes are lost: TRUE to go on, FALSE to stay.
    BOOL SaveModified() override;

    // A form data file's body and its version byte (0 when the data end
    // with the body); archive and file exceptions pass to the caller.
    static CMirtFileIO* ReadBody(CArchive& ar, char& cVersion);

    // The document has no file name any more: a later Save asks for one.
    void ClearFileName();
    BOOL IsUntitled() const;
    // "name.ext", or empty without a name.
    CString GetFileNameWithExt() const;

    // The form windows of the shown page and face; the view makes them.
    void DeleteFaceWindow();
    void DeletePrintFrame();

    CMirtFileIO* m_pFileIO;
    CMirtBasePrtFrm* m_pPrtFrm;   // owned, or null
    CMirtBaseMen* m_pMen;         // owned, or null
    char m_cVersion;
    CString m_strFolder;      // without a trailing backslash
    CString m_strFileName;    // without extension
    CString m_strFileExt;     // without the dot
    int m_bFirstDocument;

protected:
    afx_msg void OnFileOpen();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    DECLARE_MESSAGE_MAP()

private:
    void Store(CArchive& ar);
    void Load(CArchive& ar);
    // Folder, name and extension from a full path.
    void TakeFilePath(const CString& strPath);
    // folder\name.ext (the extension only in a known install mode).
    CString CurrentPath() const;
    BOOL HasQmtName() const;
    // Saves to the current path under the wait cursor.
    BOOL SaveInPlace();
    // The save dialog of the closing question; FALSE when not saved.
    BOOL SaveOnClose();
    // Shows the open or save dialog; FALSE on Cancel.
    BOOL ChooseFile(BOOL bOpen, LPCSTR pszFilter, CString& strPath, CString& strTitle, CString& strExt) const;
    static CTolvaneView* ActiveView();
};
