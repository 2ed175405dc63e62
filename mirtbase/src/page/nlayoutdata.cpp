#include "nlayoutdata.h"

#include "page/rectarchive.h"

IMPLEMENT_SERIAL(CNLayoutData, CObject, 1)

namespace {

const RECT kEmptyLayoutRect = {0, 0, 0, 0};

}  // namespace

CNLayoutData::CNLayoutData()
    : m_rectAria(kEmptyLayoutRect), m_rectSecond(kEmptyLayoutRect), m_rectThird(kEmptyLayoutRect), m_dwValue1(1),
      m_dwValue2(0), m_dwValue3(0), m_dwValue4(0), m_dwValue5(0), m_dwValue6(0), m_crFace(RGB(0xFF, 0xFF, 0xFF)), m_dwValue7(0),
      m_nVersion(1)
{
}

void CNLayoutData::Copy(const CNLayoutData* pOther)
{
    if (pOther == nullptr)
        return;
    m_rectAria = pOther->m_rectAria;
    m_rectSecond = pOther->m_rectSecond;
    m_rectThird = pOther->m_rectThird;
    m_arrayMen.Append(pOther->m_arrayMen);
    m_dwValue1 = pOther->m_dwValue1;
    m_dwValue2 = pOther->m_dwValue2;
    m_dwValue3 = pOther->m_dwValue3;
    m_dwValue4 = pOther->m_dwValue4;
    m_dwValue5 = pOther->m_dwValue5;
    m_dwValue6 = pOther->m_dwValue6;
    m_crFace = pOther->m_crFace;
    m_dwValue7 = pOther->m_dwValue7;
}

void CNLayoutData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nVersion);
    } else {
        DWORD dwVersion;
        ar >> dwVersion;
    }
    MirtSerializeRect(ar, m_rectThird);
    MirtSerializeRect(ar, m_rectSecond);
    MirtSerializeRect(ar, m_rectAria);
    if (ar.IsStoring())
        ar << m_dwValue1 << m_dwValue5 << m_dwValue2 << m_dwValue3 << m_dwValue4 << m_crFace << m_dwValue7;
    else
        ar >> m_dwValue1 >> m_dwValue5 >> m_dwValue2 >> m_dwValue3 >> m_dwValue4 >> m_crFace >> m_dwValue7;
    m_arrayMen.Serialize(ar);
}
