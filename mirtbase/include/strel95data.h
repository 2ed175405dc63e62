// The page containers of a form data file: CStrel95Data holds the pages;
// CStrel95MailData also carries the picture files the pages show;
// CStrel95MailDataBBS adds a conference and a section number and holds
// bulletin-board pages.
#pragma once
#include <afx.h>
#include <afxcoll.h>
#include "mirtapi.h"

class CNMirtDoc;

#pragma pack(push, 4)

class MIRT_API CStrel95Data : public CObject
{
    DECLARE_SERIAL(CStrel95Data)
public:
    enum
    {
        TYPE_PLAIN = 1,
        TYPE_MAIL = 2,
        TYPE_BBS = 3
    };

    // The receive folder is the install root's "\DATA\RCV\".
    CStrel95Data();
    // Deletes the pages.
    ~CStrel95Data() override;

    // Version, page count, the pages, then the attached-name list, which the
    // plain container always writes empty. A load replaces the pages.
    void Serialize(CArchive& ar) override;
    virtual UINT GetType();
    virtual UINT GetVersion();

    // Appends a page, which the container then owns; null is ignored.
    void AddTail(CNMirtDoc* pDoc);
    // The pages (CNMirtDoc*), in page order.
    CObList* GetMirtDocList() { return &m_listDoc; }
    // After a store the stored names of the attached files, after a load
    // the paths of the files written out.
    CStringList* GetPathList() { return &m_listPath; }
    // Keeps the receive folder with exactly one closing backslash.
    void SetRcvPathName(const CString& strPath);
    // Appends folder + name for every file (not folder) in the folder,
    // which ends with a backslash.
    void GetFilePathList(const CString& strFolder, CStringList& list);

protected:
    // Page count, the pages in attached-file mode nMode, the attached-name
    // list and, when the pages carry their picture files, one file record
    // per name.
    void StoreBody(CArchive& ar, UINT nMode);
    // The same, reading pages of pPageClass and appending them to the pages
    // already held. With bReceive the receive folder is made when missing
    // and its files start the path list.
    void LoadBody(CArchive& ar, CRuntimeClass* pPageClass, UINT nMode, BOOL bReceive);

    CString m_strRcvPath;
    CMapStringToString m_mapPath;   // store: source path to stored name; load: stored name to path
    CStringList m_listPath;
    CStringList m_listAttached;     // the attached-name list last read
    CObList m_listDoc;              // CNMirtDoc, owned
    UINT m_nVersion;

private:
    void DeletePages();
    void StartWork(BOOL bReceive);
    void PreparePage(CNMirtDoc* pDoc, UINT nMode);
    void LoadPages(CArchive& ar, DWORD nCount, CRuntimeClass* pPageClass, UINT nMode);
    void StoreAttachments(CArchive& ar, UINT nMode);
    void LoadAttachments(CArchive& ar);
    // Where the attachment of a stored name goes: its mapped path when that
    // is a plain file name in the receive folder, else empty (not written).
    CString AttachmentPath(const CString& strName) const;
};

class MIRT_API CStrel95MailData : public CStrel95Data
{
    DECLARE_SERIAL(CStrel95MailData)
public:
    // Mode 2: the pages' picture files travel in the file.
    CStrel95MailData();

    void Serialize(CArchive& ar) override;
    UINT GetType() override;

    // The attached-file mode handed to the pages: 0 picture names kept as
    // they are, 1 cleared, 2 picture files carried.
    void SetMode(UINT nMode) { m_nMode = nMode; }

protected:
    UINT m_nMode;
};

class MIRT_API CStrel95MailDataBBS : public CStrel95MailData
{
    DECLARE_SERIAL(CStrel95MailDataBBS)
public:
    CStrel95MailDataBBS();

    // As the mail container, with the conference and the section after the
    // version; the pages are CNMirtDocBBS.
    void Serialize(CArchive& ar) override;
    UINT GetType() override;

    void SetConf(UINT nConf) { m_nConf = nConf; }
    void SetSec(UINT nSec) { m_nSec = nSec; }
    UINT GetConf() const { return m_nConf; }
    UINT GetSec() const { return m_nSec; }

protected:
    UINT m_nConf;
    UINT m_nSec;
};

#pragma pack(pop)
