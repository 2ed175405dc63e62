#include "npropobjautoitem.h"

#include "mirtpath.h"
#include "npropobjtime.h"
#include "fields/text/textdrawfield.h"
#include "valuefile.h"

IMPLEMENT_SERIAL(CNPropObjAutoItem, CNPropObjDoc, 1)

namespace {

const UINT kAutoItemVersion = 1;

}  // namespace

CNPropObjAutoItem::CNPropObjAutoItem() : m_nAutoVersion(kAutoItemVersion)
{
    m_nFrameKind = AUTOITEM_FRAME_KIND;
}

CNPropObjAutoItem::CNPropObjAutoItem(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDoc(block, dwStyle, dwExStyle), m_nAutoVersion(kAutoItemVersion)
{
    m_nFrameKind = AUTOITEM_FRAME_KIND;
}

CNPropObj* CNPropObjAutoItem::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

void CNPropObjAutoItem::LoadToControl(int bAlsoList)
{
    MirtLoadSelfFilledText(*this, bAlsoList, FALSE, &CNPropObjAutoItem::ReadSavedValue);
}

UINT CNPropObjAutoItem::GetVersion()
{
    return m_nAutoVersion;
}

CString CNPropObjAutoItem::ReadSavedValue(const CStringList& items)
{
    if (items.IsEmpty())
        return CString();
    CString strName = items.GetHead();
    strName.TrimRight(' ');
    const CString strValue = MirtReadValueFile(MirtInstallPath(MIRT_OTHER_FOLDER + strName));
    if (items.GetCount() < 2)
        return strValue;
    return items.GetAt(items.FindIndex(1)) + strValue;
}
