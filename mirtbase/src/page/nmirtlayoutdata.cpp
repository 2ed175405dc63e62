#include "nmirtlayoutdata.h"

#include "npropobj.h"
#include "ownedread.h"

IMPLEMENT_SERIAL(CNMirtLayoutData, CObject, 1)

CNMirtLayoutData::CNMirtLayoutData()
    : m_nVersion(2), m_nLayoutID(0), m_dwSettingA(0), m_dateCreated(COleDateTime::GetCurrentTime()),
      m_dwSettingB(0), m_nTableFirstOrder(0), m_nTableLastOrder(0), m_nTableLine(0), m_dwSettingF(0),
      m_dwSettingG(2), m_listOutside(10), m_listFaces(10)
{
}

CNMirtLayoutData::~CNMirtLayoutData()
{
    DeleteTemplates();
}

void CNMirtLayoutData::DeleteTemplates()
{
    MirtDeleteOwnedList(m_listOutside);
    MirtDeleteOwnedList(m_listFaces);
}

void CNMirtLayoutData::Copy(const CNMirtLayoutData* p)
{
    if (p == nullptr)
        return;
    m_nLayoutID = p->m_nLayoutID;
    m_dwSettingA = p->m_dwSettingA;
    m_dateCreated = p->m_dateCreated;
    m_dwSettingB = p->m_dwSettingB;
    m_nTableFirstOrder = p->m_nTableFirstOrder;
    m_nTableLastOrder = p->m_nTableLastOrder;
    m_nTableLine = p->m_nTableLine;
    m_dwSettingF = p->m_dwSettingF;
    m_dwSettingG = p->m_dwSettingG;
    m_strText1 = p->m_strText1;
    m_strText2 = p->m_strText2;
    m_LayoutData.Copy(&p->m_LayoutData);
}

void CNMirtLayoutData::Serialize(CArchive& ar)
{
    SerializeHeader(ar, FALSE);
    if (ar.IsStoring()) {
        m_listOutside.Serialize(ar);
        m_listFaces.Serialize(ar);
        return;
    }
    DeleteTemplates();
    MirtReadOwnedList(ar, m_listOutside, RUNTIME_CLASS(CNPropObj));
    MirtReadOwnedList(ar, m_listFaces, RUNTIME_CLASS(CNPropObj));
}

void CNMirtLayoutData::SerializeWithoutTemplates(CArchive& ar)
{
    SerializeHeader(ar, TRUE);
}

void CNMirtLayoutData::SerializeHeader(CArchive& ar, BOOL bAsRead)
{
    if (ar.IsStoring()) {
        ar << m_nVersion << m_nLayoutID << m_dwSettingA << m_dateCreated << m_dwSettingB << m_nTableFirstOrder
           << m_nTableLastOrder << m_nTableLine << m_dwSettingF << m_dwSettingG << m_strText1 << m_strText2;
    } else {
        UINT nVersion;
        ar >> nVersion >> m_nLayoutID >> m_dwSettingA >> m_dateCreated >> m_dwSettingB >> m_nTableFirstOrder
            >> m_nTableLastOrder >> m_nTableLine >> m_dwSettingF >> m_dwSettingG >> m_strText1 >> m_strText2;
        if (bAsRead)
            m_nVersion = nVersion;
        else if (nVersion < 2)
            m_nTableFirstOrder = m_nTableLastOrder = m_nTableLine = 0;
    }
    m_LayoutData.Serialize(ar);
}
