#include "nmirtlayoutdata.h"

IMPLEMENT_DYNCREATE(CNMirtLayoutData, CObject)

CNMirtLayoutData::CNMirtLayoutData()
    : m_nVersion(2), m_nLayoutID(0), m_dwSettingA(0), m_dateCreated(COleDateTime::GetCurrentTime()),
      m_dwSettingB(0), m_nTableFirstOrder(0), m_nTableLastOrder(0), m_nTableLine(0), m_dwSettingF(0),
      m_dwSettingG(2)
{
}
