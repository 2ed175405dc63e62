#include "prtdatainfo.h"

IMPLEMENT_SERIAL(CPrtDataInfo, CObject, 1)

CPrtDataInfo::CPrtDataInfo() = default;

CPrtDataInfo::~CPrtDataInfo() = default;

void CPrtDataInfo::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
        ar << m_strGroupName;
    else
        ar >> m_strGroupName;
    CObject* const arrays[] = {&m_arrCategory, &m_arrCategoryCount, &m_arrTitleWidth, &m_arrLayoutID,
        &m_arrSourceID, &m_arrTitle, &m_arrTitleNote, &m_arrExtra1, &m_arrExtra2, &m_arrDescription,
        &m_arrPreview, &m_arrSheetName, &m_arrTextColour, &m_arrExtra3, &m_arrOrgPath};
    for (CObject* pArray : arrays)
        pArray->Serialize(ar);
}
