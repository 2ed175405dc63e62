#include "npropobjtime.h"

#include "dateformat.h"
#include "fields/text/textdrawfield.h"
#include "windowcommand.h"

IMPLEMENT_SERIAL(CNPropObjCreateTime, CNPropObjDoc, 1)
IMPLEMENT_SERIAL(CNPropObjModifyTime, CNPropObjDoc, 1)

namespace {

const UINT kTimeVersion = 1;

}  // namespace

CString MirtDateText(const CStringList& items)
{
    COleDateTime now = COleDateTime::GetTickCount();
    if (items.IsEmpty())
        return now.Format("%Y/%m/%d");
    CString strText;
    CDateFormat().Format(&now, items.GetHead(), strText);
    return strText;
}

void MirtLoadSelfFilledText(CNPropObjCtrl& field, int bAlsoList, BOOL bListWithoutData,
    const std::function<CString(const CStringList& items)>& fill)
{
    if (!field.IsLive())
        return;
    if (field.GetAttr(CNPropObj::ATTRIBUTE_CLEAR) != 0)
        field.ExchangeWithControl(WCMD_RESET, TRUE);
    const BOOL bEditable = field.IsEditable();
    if (!bEditable && field.IsHidden())
        return;
    if (!bEditable && bListWithoutData && !field.CarriesData()) {
        field.ExchangeWithControl(WCMD_LIST, FALSE);
        return;
    }
    if (field.m_strData.IsEmpty() && (bAlsoList || !bEditable))
        field.m_strData = fill(field.m_listItems);
    field.ExchangeWithControl(WCMD_DATA, FALSE);
}

CNPropObjCreateTime::CNPropObjCreateTime() : m_nTimeVersion(kTimeVersion)
{
}

CNPropObjCreateTime::CNPropObjCreateTime(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDoc(block, dwStyle, dwExStyle), m_nTimeVersion(kTimeVersion)
{
}

CNPropObj* CNPropObjCreateTime::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

int CNPropObjCreateTime::SetText(const CString& strText, int, const int* pExtra)
{
    if (!CarriesData())
        return 0;
    return CNPropObjCtrl::SetText(strText.IsEmpty() ? MirtDateText(m_listItems) : strText, 0, pExtra);
}

void CNPropObjCreateTime::LoadToControl(int bAlsoList)
{
    MirtLoadSelfFilledText(*this, bAlsoList, TRUE, &MirtDateText);
}

UINT CNPropObjCreateTime::GetVersion()
{
    return m_nTimeVersion;
}

CNPropObjModifyTime::CNPropObjModifyTime() : m_nTimeVersion(kTimeVersion)
{
}

CNPropObjModifyTime::CNPropObjModifyTime(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDoc(block, dwStyle, dwExStyle), m_nTimeVersion(kTimeVersion)
{
}

CNPropObj* CNPropObjModifyTime::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

int CNPropObjModifyTime::GetText(CString& strText)
{
    if (!CarriesData())
        return 0;
    if (IsLive())
        m_strData = MirtDateText(m_listItems);
    return CNPropObj::GetText(strText);
}

void CNPropObjModifyTime::SaveFromControl()
{
    if (CarriesData() && IsLive())
        m_strData = MirtDateText(m_listItems);
}

UINT CNPropObjModifyTime::GetVersion()
{
    return m_nTimeVersion;
}
