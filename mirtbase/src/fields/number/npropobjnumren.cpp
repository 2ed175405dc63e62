// The serial-number field and the numeric field filled from a value file.
#include "npropobjnum.h"

#include <cmath>
#include <cstdlib>

#include "fields/text/textdrawfield.h"
#include "mirtbase.h"
#include "mirtpath.h"
#include "npropobjtime.h"
#include "valuefile.h"
#include "windowcommand.h"

IMPLEMENT_SERIAL(CNPropObjDocNumRen, CNPropObjDocNum, 1)
IMPLEMENT_SERIAL(CNPropObjAutoItemNum, CNPropObjDocNum, 1)

namespace {

const UINT kRenVersion = 1;
const UINT kAutoNumVersion = 1;
const double kLargestCount = 4294967295.0;

CString SixDigits(UINT nNumber)
{
    CString strNumber;
    strNumber.Format("%06u", nNumber);
    return strNumber;
}

}  // namespace

CNPropObjDocNumRen::CNPropObjDocNumRen() : m_nRenVersion(kRenVersion)
{
}

CNPropObjDocNumRen::CNPropObjDocNumRen(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDocNum(block, dwStyle, dwExStyle), m_nRenVersion(kRenVersion)
{
}

void CNPropObjDocNumRen::Serialize(CArchive& ar)
{
    CNPropObjDocNum::Serialize(ar);
    m_nDrawStyle = REN_DRAW_STYLE;
}

UINT CNPropObjDocNumRen::CountOf(const CString& strValue)
{
    const double dValue = std::strtod(strValue, nullptr);
    if (!(dValue > 0))
        return 0;
    return dValue >= kLargestCount ? 0xFFFFFFFFu : static_cast<UINT>(dValue);
}

int CNPropObjDocNumRen::Draw(CDC* pDC, int nMode)
{
    CString strValue;
    GetText(strValue);
    if (pDC->IsPrinting() && !IsPreviewDC(pDC) && m_pOwner != nullptr) {
        const UINT nNumber = m_pOwner->SetNumberCount(m_nOrder, CountOf(strValue));
        if (nNumber != 0)
            strValue = SixDigits(nNumber);
    }
    const int nDrawn = DrawWithText(pDC, nMode, &strValue);
    m_nDrawStyle = REN_DRAW_STYLE;
    return nDrawn;
}

CNPropObj* CNPropObjDocNumRen::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

void CNPropObjDocNumRen::LoadToControl(int bAlsoList)
{
    MirtLoadSelfFilledText(*this, bAlsoList, FALSE, [this](const CStringList&) {
        const UINT nNumber = m_pOwner != nullptr ? m_pOwner->SetNumberCount(m_nOrder, 0) : 0;
        return nNumber != 0 ? SixDigits(nNumber) : CString();
    });
}

UINT CNPropObjDocNumRen::GetVersion()
{
    return m_nRenVersion;
}

CNPropObjAutoItemNum::CNPropObjAutoItemNum() : m_nAutoVersion(kAutoNumVersion)
{
    m_nFrameKind = AUTONUM_FRAME_KIND;
}

CNPropObjAutoItemNum::CNPropObjAutoItemNum(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDocNum(block, dwStyle, dwExStyle), m_nAutoVersion(kAutoNumVersion)
{
    m_nFrameKind = AUTONUM_FRAME_KIND;
}

void CNPropObjAutoItemNum::Serialize(CArchive& ar)
{
    CNPropObjDocNum::Serialize(ar);
    if (ar.IsLoading())
        m_nDrawStyle = AUTONUM_DRAW_STYLE;
}

CNPropObj* CNPropObjAutoItemNum::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

void CNPropObjAutoItemNum::LoadToControl(int)
{
    if (!IsLive())
        return;
    if (GetAttr(ATTRIBUTE_CLEAR) != 0)
        ExchangeWithControl(WCMD_RESET, TRUE);
    const BOOL bShownWithoutInput = !IsEditable() && !IsHidden();
    if (m_strData.IsEmpty()) {
        CString strValue;
        if (!m_listItems.IsEmpty()) {
            CString strName = m_listItems.GetHead();
            strName.TrimRight(' ');
            strValue = MirtReadValueFile(MirtInstallPath(MIRT_OTHER_FOLDER + strName));
        }
        if (bShownWithoutInput && m_listItems.GetCount() > 1)
            strValue = m_listItems.GetAt(m_listItems.FindIndex(1)) + strValue;
        m_strData = strValue;
    }
    if (IsEditable() || bShownWithoutInput)
        ExchangeWithControl(WCMD_DATA, FALSE);
}

UINT CNPropObjAutoItemNum::GetVersion()
{
    return m_nAutoVersion;
}
