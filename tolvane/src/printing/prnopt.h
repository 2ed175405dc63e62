// The print options of the forms: one CPrnOpt per layout, kept in
// "\DATA\MYDATA\PrnOptFile.DAT" as a map of layout id to record.
#pragma once
#include <afx.h>
#include <afxcoll.h>

#pragma pack(push, 4)

class CPrnOpt : public CObject
{
    DECLARE_SERIAL(CPrnOpt)
public:
    CPrnOpt();
    // The seven values in field order, 32 bits each. A load refuses values
    // outside their ranges (badSchema).
    void Serialize(CArchive& ar) override;
    bool IsValid() const;

    int m_nPaperKind;        // 0 stationery, 1 blank paper
    int m_nScale;            // percent, 50..200
    int m_nRuledLineColor;   // 0 monochrome, 1 colour
    int m_nCutLineKind;      // -1 unset, 0 none, 1 crop marks, 2 dotted frame
    int m_nLeftOffset;       // mm, -30..30
    int m_nTopOffset;        // mm, -30..30
    int m_nAutoPaper;        // 0 or 1
};

#pragma pack(pop)

// Layout id to CPrnOpt (owned; a value may be null).
class CPrnOptMap
{
public:
    CPrnOptMap();
    ~CPrnOptMap();
    CPrnOptMap(const CPrnOptMap&) = delete;
    CPrnOptMap& operator=(const CPrnOptMap&) = delete;

    // The map's own serialisation; a load keeps the old records after a
    // throw (see LoadOwnedWordMap).
    void Serialize(CArchive& ar);
    const CPrnOpt* Lookup(WORD wKey) const;
    // Takes pOpt in place of the key's record.
    void Replace(WORD wKey, CPrnOpt* pOpt);

    // The file below the install root. A missing file is created empty at
    // load; a missing file at save, or any other error, is reported and
    // gives FALSE (the map unchanged at load). A save writes a new file
    // and puts it in place of the old.
    BOOL LoadFile();
    BOOL SaveFile();

    // The key of a layout id: FALSE for an id that a 16-bit key cannot
    // hold (0 or above 65535).
    static BOOL KeyOf(UINT nLayoutID, WORD& wKey);

private:
    CMapWordToOb m_map;
};

#define PRNOPT_FILE "\\DATA\\MYDATA\\PrnOptFile.DAT"
