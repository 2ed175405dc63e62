// CNLayoutData: the geometry of a form's faces: three rectangles (0.1 mm),
// one origin per face, a few layout values and the face colour. The form
// model only stores and copies them; the form windows lay faces out from
// them.
#pragma once
#include <afx.h>
#include <afxtempl.h>
#include "mirtapi.h"

#pragma pack(push, 4)

class MIRT_API CNLayoutData : public CObject
{
    DECLARE_SERIAL(CNLayoutData)
public:
    CNLayoutData();

    // Nothing for null. Copies the rectangles, the values and the colour,
    // and appends the other's face origins to these.
    void Copy(const CNLayoutData* pOther);

    // Version, the rectangles (third, second, area), values 1, 5, 2, 3, 4,
    // the colour, value 7, then the face origins. A load reads the version
    // and does not keep it; it replaces the face origins.
    void Serialize(CArchive& ar) override;

    // Number of faces: one origin per face.
    int GetMenCount() const { return static_cast<int>(m_arrayMen.GetSize()); }

    RECT m_rectAria;                  // rectangle 1: the area
    RECT m_rectSecond;                // rectangle 2
    RECT m_rectThird;                 // rectangle 3
    CArray<CPoint, CPoint> m_arrayMen; // face origins
    DWORD m_dwValue1;
    DWORD m_dwValue2;
    DWORD m_dwValue3;
    DWORD m_dwValue4;
    DWORD m_dwValue5;
    DWORD m_dwValue6;                 // not stored
    COLORREF m_crFace;
    DWORD m_dwValue7;
    UINT m_nVersion;
};

#pragma pack(pop)
