// CNMirtLayoutData: the layout of one form: its header values (layout id,
// creation date, settings; C, D and E are the table part: first and last
// order of the table's fields and its number of rows, none when the first
// order is 0), two strings, the faces' geometry and the templates of its
// fields. A layout file "ON%d.FMT" holds exactly one, stored through
// Serialize; a page keeps one without templates in its data blob.
#pragma once
#include <afx.h>
#include <afxcoll.h>
#include "mirtapi.h"
#include "nlayoutdata.h"

#pragma pack(push, 4)

class MIRT_API CNMirtLayoutData : public CObject
{
    DECLARE_SERIAL(CNMirtLayoutData)
public:
    CNMirtLayoutData();
    // Deletes the template fields of both lists.
    ~CNMirtLayoutData() override;

    // Nothing for null. Copies the header values from the layout id to
    // setting G, the strings and the geometry (whose face origins are
    // appended); neither the version nor the templates.
    void Copy(const CNMirtLayoutData* p);

    // The layout file: header, strings, geometry, then the outside and face
    // template lists with class information. A load does not keep the
    // version read, zeroes settings C to E below version 2 and replaces
    // the templates; an object other than a new field throws badClass
    // (badIndex for one met before).
    void Serialize(CArchive& ar) override;
    // The same without the template lists (a page's data blob). A load
    // keeps the version read and settings C to E whatever the version.
    void SerializeWithoutTemplates(CArchive& ar);

    // Number of faces.
    int GetMenCount() const { return m_LayoutData.GetMenCount(); }

    UINT m_nVersion;
    UINT m_nLayoutID;
    DWORD m_dwSettingA;
    COleDateTime m_dateCreated;     // now at construction
    DWORD m_dwSettingB;
    UINT m_nTableFirstOrder;        // setting C
    UINT m_nTableLastOrder;         // setting D
    UINT m_nTableLine;              // setting E
    DWORD m_dwSettingF;
    DWORD m_dwSettingG;
    CString m_strText1;
    CString m_strText2;
    CNLayoutData m_LayoutData;
    CObList m_listOutside;          // CNPropObj templates outside the faces, owned
    CObList m_listFaces;            // CNPropObj templates of every face, owned

private:
    // Header, strings and geometry. With bAsRead a load keeps the version
    // read and settings C to E; else it keeps neither the version nor, below
    // version 2, the settings.
    void SerializeHeader(CArchive& ar, BOOL bAsRead);
    void DeleteTemplates();
};

#pragma pack(pop)
