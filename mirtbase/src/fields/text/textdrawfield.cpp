#include "fields/text/textdrawfield.h"

#include "windowcommand.h"

namespace {

BOOL FirstItemNotEmpty(const CNPropObjCtrl& field)
{
    return !field.m_listItems.IsEmpty() && !field.m_listItems.GetHead().IsEmpty();
}

}  // namespace

void LoadTextToControl(CNPropObjCtrl& field, int bAlsoList, BOOL bItemForShownData)
{
    if (!field.IsLive())
        return;
    if (field.GetAttr(CNPropObj::ATTRIBUTE_CLEAR) != 0)
        field.ExchangeWithControl(WCMD_RESET, TRUE);
    if (field.IsEditable()) {
        if (!field.m_strData.IsEmpty()) {
            field.ExchangeWithControl(WCMD_DATA, FALSE);
        } else if (bAlsoList) {
            if (FirstItemNotEmpty(field))
                field.m_strData = field.m_listItems.GetHead();
            field.ExchangeWithControl(WCMD_LIST, FALSE);
        }
        return;
    }
    if (field.IsHidden())
        return;
    if (!field.CarriesData()) {
        field.ExchangeWithControl(WCMD_LIST, FALSE);
        return;
    }
    if (bItemForShownData && field.m_strData.IsEmpty() && FirstItemNotEmpty(field))
        field.m_strData = field.m_listItems.GetHead();
    field.ExchangeWithControl(WCMD_DATA, FALSE);
}
