// The crop-mark picture map "\DATA\MYDATA\TMBFILEMAP.DAT": for each layout
// id the metafiles (in "\DATA\META\") played over a form printed on blank
// paper with cut lines: crop marks, or a dotted frame.
#pragma once
#include <afx.h>
#include <afxcoll.h>

#pragma pack(push, 4)

// One layout's pictures.
class CTmbFile : public CObject
{
    DECLARE_SERIAL(CTmbFile)
public:
    CTmbFile();
    // Version, then the two names.
    void Serialize(CArchive& ar) override;

    int m_nVersion;
    CString m_strCropMarks;    // cut-line kind 1
    CString m_strDottedFrame;  // cut-line kind 2
};

// Layout id to CTmbFile (owned; a value may be null).
class CMapTmbFile : public CObject
{
    DECLARE_SERIAL(CMapTmbFile)
public:
    CMapTmbFile();
    ~CMapTmbFile() override;

    // Version, then the map with class tags before its values. A load takes
    // only new CTmbFile objects or nulls (a reference to an object met
    // before is refused) and keeps the last value of a repeated key; after
    // a throw the map keeps what it had.
    void Serialize(CArchive& ar) override;
    // The entry of a layout, or null.
    CTmbFile* Lookup(WORD wLayoutID) const;
    void SetAt(WORD wLayoutID, CTmbFile* pFile);

    int m_nVersion;

private:
    void Load(CArchive& ar);

    CMapWordToOb m_map;
};

#pragma pack(pop)

// The map below the install root.
#define TMBFILEMAP_FILE "\\DATA\\MYDATA\\TMBFILEMAP.DAT"
