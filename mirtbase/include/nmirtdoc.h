// CNMirtDoc: one page of a filled-in form: header values, a title and 20
// index strings, the page's layout and one field list per face. Layout and
// face lists travel in a data blob (an archive in a movable global block),
// so a page moves between windows as a flat tagNMIRTDOC. CNMirtDocBBS is
// the page of the bulletin-board container, with a registrant.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "mirtapi.h"
#include "propdata.h"

class CNMirtLayoutData;
class CNPropObj;
class CDefaultPrtDef;

#pragma pack(push, 4)

// The header values of a page, in their stored and exchanged order. The
// meaning of h... is the form screen's; a new page has h24 = 3.
struct tagNMIRTDOCHEAD
{
    DWORD h0 = 0;
    COleDateTime date;          // created; DATE then status
    DWORD h16 = 0;
    DWORD h20 = 0;
    DWORD h24 = 0;
    UINT nLayoutID = 0;
    DWORD h32 = 0;
    DWORD h36 = 0;
    DWORD h40 = 0;
    DWORD h44 = 0;
    DWORD h48 = 0;
    DWORD h52 = 0;
};

enum { NMIRTDOC_INDEX_COUNT = 20 };

// A page as it is handed between the form windows, the form screen and the
// form model. With the blob (flag 0) the receiver owns the global block.
struct tagNMIRTDOC
{
    tagNMIRTDOCHEAD head;
    CString strTitle;
    CString strIndex[NMIRTDOC_INDEX_COUNT];   // index 1 first
    HGLOBAL hBlob = nullptr;
    DWORD dwBlobSize = 0;
};

class MIRT_API CNMirtDoc : public CObject
{
    DECLARE_SERIAL(CNMirtDoc)
public:
    // Attached-file modes (SetWRMode).
    enum
    {
        WRMODE_KEEP = 0,        // picture names stored as they are
        WRMODE_CLEAR = 1,       // picture names stored empty
        WRMODE_CARRY = 2        // picture files carried under stored names
    };

    CNMirtDoc();
    // Deletes the layout, the face lists with their fields, the blob and the
    // list printing definition.
    ~CNMirtDoc() override;

    // Version 2, header, title, index strings, then the blob's size and
    // bytes. A load of another version shows "バージョンが違います" and
    // throws CArchiveException badSchema; a blob that cannot be built on a
    // store throws too. A failed load keeps nothing of what it read.
    void Serialize(CArchive& ar) override;

    // Creates the list printing definition of the header's layout id; none
    // when its file cannot be read.
    virtual void StartDefPrt();
    virtual UINT GetVersion();

    // From the record: title, header and index strings; with flag 0 also
    // layout and face lists from its blob, which is then freed and cleared
    // in the record. A blob size beyond its block loads nothing and throws
    // CArchiveException endOfFile.
    void SetMIRTDOC(tagNMIRTDOC* pRecord, int nFlag);
    // Into the record: with flag 0 a fresh blob that the receiver owns
    // (0 and size 0 without face lists); then title, header and index strings.
    void GetMIRTDOC(tagNMIRTDOC* pRecord, int nFlag);

    // A copy of the layout (templates left out); nothing for null.
    void SetFormat(CNMirtLayoutData* pLayout);
    CNMirtLayoutData* GetFormat() const { return m_pLayout; }
    CNMirtLayoutData* RefFormat() const { return m_pLayout; }
    // Clones (offset 0, 0) of the given face lists replace the page's.
    void SetList(CObList* pList);
    // Appends clones of the face lists to pList and leaves the page without
    // face lists.
    void GetList(CObList* pList);
    // The face lists (CPropData), or null.
    CObList* RefList() const { return m_pListMen; }

    UINT GetLayoutID() const;
    // The first field of that order over the faces in list order.
    CNPropObj* GetPropObjByOrder(UINT nOrder);
    CNPropObj* GetPropObjByOrder(UINT nOrder, UINT nMen);
    // The field's data string (empty without the field); nIndex gets its
    // index attribute and strName its name (0 and empty without the field).
    CString GetStrDataByOrder(UINT nOrder, UINT nMen, UINT& nIndex, CString& strName);
    // Sets the field's data string; an index field also sets its index.
    void SetStrDataByOrder(UINT nOrder, UINT nMen, const CString& strText, int bForce);
    // Index n (1..20) becomes strText when bForce or it is empty; index 1
    // sets the title the same way.
    void SetIndex(UINT n, const CString& strText, int bForce);
    int GetMenCount() const;
    UINT GetMaxOrder(UINT nMen);
    void InitData();
    // The pictures of the editable picture fields, in face and list order.
    void GetPicPath(CStringList& list);
    void ClearRealData(int bReload);

    void SetDefPrtString(CStringList* pList);
    const CStringList& GetDefPrtStrings() const { return m_listDefPrtString; }
    void EndDefPrt();
    // Prints printer page nPage of the list: 1 when another page follows;
    // nNext gets the page at which printing stopped. 0 without a definition.
    int PrintDef(CDC* pDC, UINT nPage, UINT& nNext);

    void SetServerMode(int bServerMode) { m_bServerMode = bServerMode; }
    void SetWRMode(UINT nMode) { m_nWRMode = nMode; }
    void SetPathMap(CMapStringToString* pMap) { m_pPathMap = pMap; }
    void SetPathList(CStringList* pList) { m_pPathList = pList; }
    // Keeps the receive folder with exactly one closing backslash.
    void SetRcvPathName(const CString& strPath);
    // The folder with exactly one closing backslash (a trail byte 0x5C of a
    // double-byte character is no backslash); empty stays empty.
    static CString WithClosingBackslash(const CString& strFolder);

    const CString& GetTitle() const { return m_strTitle; }
    const CString& GetIndex(UINT n) const { return m_strIndex[n - 1]; }
    const tagNMIRTDOCHEAD& GetHead() const { return m_head; }

protected:
    // Load: reads the version and refuses another one.
    void SerializeVersion(CArchive& ar);
    // h0 to h40, and h44 to h52 when bTail.
    void SerializeHead(CArchive& ar, BOOL bTail);
    void SerializeIndexes(CArchive& ar);
    // Store: builds, writes and frees the blob. Load: reads the blob, loads
    // the layout and face lists from it and frees it.
    void SerializeBlob(CArchive& ar);
    // nFlag 1: the blob from the layout and face lists; 0: the other way.
    void SerializeData(int nFlag);
    void FreeBlob();
    void StartDefPrtOfKind(int nKind);

    // The receive folder; until set, the install's (looked up when first
    // needed: loading sets it for every page).
    const CString& RcvPathName();
    CString m_strRcvPathName;
    bool m_bRcvPathSet;
    CStringList* m_pPathList;           // the container's, not owned
    CMapStringToString* m_pPathMap;     // the container's, not owned
    int m_bServerMode;                  // the blob names a temporary file
    UINT m_nWRMode;
    CObList* m_pListMen;                // CPropData, owned; or null
    CNMirtLayoutData* m_pLayout;        // owned; or null
    CString m_strIndex[NMIRTDOC_INDEX_COUNT];
    CString m_strTitle;
    tagNMIRTDOCHEAD m_head;
    DWORD m_dwBlobSize;
    HGLOBAL m_hBlob;
    CDefaultPrtDef* m_pDefPrt;          // owned; or null
    CStringList m_listDefPrtString;
    UINT m_nFirstPage;                  // printer page of the first PrintDef
    UINT m_nVersion;

private:
    CNMirtDoc(const CNMirtDoc&) = delete;
    CNMirtDoc& operator=(const CNMirtDoc&) = delete;

    CPropData* FindMen(UINT nMen) const;
    template <class Action>
    void ForEachMen(Action action) const;
    void DeleteFaces();
    void StoreData();
    // The layout and face lists as an archive into file; FALSE (nothing
    // written) without face lists.
    BOOL WriteData(CMemFile& file);
    void LoadData();
    // The layout and face lists from an archive's bytes; the page keeps its
    // own until all is read.
    void LoadFrom(BYTE* pBytes, DWORD dwSize);
    // The archive's bytes as the blob, or a temporary file named by it.
    void MakeBlob(CMemFile& file);
    // dwSize bytes into a new blob, which grows as they arrive.
    void ReadBlob(CArchive& ar, DWORD dwSize);
};

class MIRT_API CNMirtDocBBS : public CNMirtDoc
{
    DECLARE_SERIAL(CNMirtDocBBS)
public:
    CNMirtDocBBS();

    // Version, h0 to h40, title, registrant name, nickname and date, index
    // strings, blob.
    void Serialize(CArchive& ar) override;
    void StartDefPrt() override;

    void SetRegistName(const CString& strName) { m_strRegistName = strName; }
    void SetRegistNickName(const CString& strName) { m_strRegistNickName = strName; }
    CString GetRegistName() const { return m_strRegistName; }
    CString GetRegistNickName() const { return m_strRegistNickName; }
    // Now.
    void SetRegistDate();
    void SetRegistDate(const COleDateTime& date) { m_dateRegist = date; }
    COleDateTime GetRegistDate() const { return m_dateRegist; }

protected:
    COleDateTime m_dateRegist;
    CString m_strRegistName;
    CString m_strRegistNickName;
};

#pragma pack(pop)

template <class Action>
void CNMirtDoc::ForEachMen(Action action) const
{
    if (m_pListMen == nullptr)
        return;
    for (POSITION pos = m_pListMen->GetHeadPosition(); pos != nullptr;)
        action(static_cast<CPropData*>(m_pListMen->GetNext(pos)));
}

static_assert(offsetof(tagNMIRTDOC, head.date) == 4 && offsetof(tagNMIRTDOC, head.date.m_status) == 12 &&
                  offsetof(tagNMIRTDOC, head.h16) == 16 && offsetof(tagNMIRTDOC, head.nLayoutID) == 28 &&
                  offsetof(tagNMIRTDOC, head.h52) == 52 && offsetof(tagNMIRTDOC, strTitle) == 56,
              "header values first, as exchanged");
static_assert(offsetof(tagNMIRTDOC, strIndex) == offsetof(tagNMIRTDOC, strTitle) + sizeof(CString) &&
                  offsetof(tagNMIRTDOC, hBlob) ==
                      offsetof(tagNMIRTDOC, strIndex) + NMIRTDOC_INDEX_COUNT * sizeof(CString) &&
                  offsetof(tagNMIRTDOC, dwBlobSize) == offsetof(tagNMIRTDOC, hBlob) + sizeof(HGLOBAL),
              "title, index strings, blob and size follow in that order");
#ifndef _WIN64
static_assert(offsetof(tagNMIRTDOC, strIndex) == 60 && offsetof(tagNMIRTDOC, hBlob) == 140 &&
                  offsetof(tagNMIRTDOC, dwBlobSize) == 144 && sizeof(tagNMIRTDOC) == 148,
              "the 32-bit record is 148 bytes");
#endif
