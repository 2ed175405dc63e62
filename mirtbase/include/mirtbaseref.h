// The reference windows: a form of one layout filled from a page document of
// another (the source) layout through the field map file, and the sub-form
// windows that receive the same document. CMirtBaseRefWnd is the window
// form; CMirtBaseSub is the sub-form that a sub-form button makes and hands
// to its form window.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "fieldmapfile.h"
#include "mirtbase.h"

class CNMirtDoc;

#pragma pack(push, 4)

class MIRT_API CMirtBaseRef : public CMirtBase
{
    DECLARE_DYNAMIC(CMirtBaseRef)
public:
    CMirtBaseRef();
    // The sub-forms are not deleted; they no longer report to this window.
    // A window of its own is destroyed.
    ~CMirtBaseRef() override;

    // The source layout and its field map (none needed for this window's own
    // layout). A map file that is missing or damaged is reported and leaves
    // the map empty. Nothing without a layout.
    void SetRefMap(UINT nSourceID);
    // The fields take the data strings of pDoc's fields, by order and face
    // for the own layout, else through the map; bStoreOnly leaves the entry
    // windows alone. Then each sub-form does the same. Nothing without a
    // layout, for null, or for a document of another layout than the source.
    void SetEnterData(int bStoreOnly, CNMirtDoc* pDoc);

    UINT GetFromID() override;
    // Appends a non-null sub-form; it leaves the list when it is deleted.
    void AddMirtBaseSub(CMirtBaseSub* pSub) override;
    // Takes a sub-form out of the list.
    void RemoveMirtBaseSub(CMirtBaseSub* pSub);

    const CObList& GetSubList() const { return m_listSub; }

protected:
    void InitMember() override;

    UINT m_nFromID;
    CFieldMap m_mapField;   // target order -> source order
    CObList m_listSub;      // CMirtBaseSub, not owned

    DECLARE_MESSAGE_MAP()

private:
    void ReleaseSubs();
};

class MIRT_API CMirtBaseRefWnd : public CMirtBaseRef
{
    DECLARE_DYNAMIC(CMirtBaseRefWnd)
public:
    CMirtBaseRefWnd();

protected:
    void InitMember() override;

    DWORD m_dwReserved[43];
};

class MIRT_API CMirtBaseSub : public CMirtBaseRefWnd
{
    DECLARE_DYNAMIC(CMirtBaseSub)
public:
    CMirtBaseSub();
    // Leaves the list of the window that keeps it.
    ~CMirtBaseSub() override;

private:
    friend class CMirtBaseRef;
    CMirtBaseRef* m_pKeeper;   // the window whose list holds this one, or null
};

#pragma pack(pop)
