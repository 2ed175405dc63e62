// CPropData: the fields of one face of a page (face number 1, 2, ...; face
// 0 holds the fields outside the faces). It owns its fields.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "mirtapi.h"

class CNPropObj;

#pragma pack(push, 4)

class MIRT_API CPropData : public CObject
{
    DECLARE_SERIAL(CPropData)
public:
    CPropData();
    // Deletes every field.
    ~CPropData() override;

    // Version, face number, then the fields with their classes. A load
    // appends the fields, all or none; an object other than a new field
    // throws CArchiveException badClass (badIndex for one met before).
    void Serialize(CArchive& ar) override;

    void AddPropObj(CNPropObj* pField);
    // Unlinks the field without deleting it; null when it is not here.
    CNPropObj* RemovePropObj(CNPropObj* pField);
    BOOL HasPropObj(const CNPropObj* pField) const;
    // The first field and the position of the next; null for an empty list.
    CNPropObj* GetFirstPropObj(POSITION& pos) const;
    // The field at pos, advancing pos; null at the end.
    CNPropObj* GetNextPropObj(POSITION& pos) const;
    // The first field with the order, else null.
    CNPropObj* GetPropObjByOrder(UINT nOrder) const;
    // The highest order, 0 for an empty list.
    UINT GetMaxOrder() const;
    int GetCount() const { return m_listProp.GetCount(); }

    // A new list of the same face whose fields are Clone (dx, dy) of these;
    // fields that answer null are left out.
    CPropData* Clone(int dx, int dy) const;
    // Position by position: field i gets the data string of the other
    // list's field i through its SetText.
    void CopyRealData(const CPropData* pOther);
    // Fields to be cleared for a new page lose their data string; with
    // bReload every field then loads its entry window.
    void ClearRealData(int bReload);

    // For every field: the parent becomes its owner when asked (and when it
    // is a form window); CreateControl, then LoadToControl (bLoad).
    void CreateControls(CWnd* pParent, int bLoad, int bSetOwner);
    void DestroyControls();
    void SaveFromControls();
    // LoadToControl (1) on the fields that carry data.
    void LoadDataControls();
    // SyncRectFromControl on the editable fields whose position is free.
    void SyncRectsFromControls();
    void SetModeAll(UINT nMode);
    void DrawAll(CDC* pDC, int nMode);

    // Picture renaming for the mail containers. It visits the picture
    // fields (data kind 2) whose data string is not empty and sets their
    // data strings directly. Names and paths compare without regard to case.
    // Store: each path gets a stored name not yet in pList, recorded as
    // pMap[path] = name and appended to pList; a path met before keeps its
    // name. Nothing without both.
    void StorePicNames(CMapStringToString* pMap, CStringList* pList);
    void ClearPicNames();
    // Load: each stored name becomes strFolder (ending with a backslash) +
    // its file-name part, renamed while that path is in pList or names an
    // existing file, recorded as pMap[name] = path and appended to pList; a
    // name met before keeps its path; a name with no file-name part is
    // cleared. Nothing without both.
    void LoadPicNames(CMapStringToString* pMap, CStringList* pList, const CString& strFolder);
    // The name without folders, with "_N" after the part before its first
    // "." (and before its first "_"): N is one more than the number read
    // after that "_", or 1 when there is none, it is 0 or it is the largest
    // (a larger number reads as the largest).
    static void MakeUniqueName(CString& strName);

    UINT m_nMen;              // face number
    CObList m_listProp;       // CNPropObj, owned

protected:
    UINT m_nVersion;

private:
    template <class Action>
    void ForEach(Action action) const;
    // Action on every picture field with a data string.
    template <class Action>
    void ForEachPicture(Action action) const;
};

#pragma pack(pop)
