#include "npropobjbtncheck.h"

#include <cstdlib>

#include "fields/fieldcommon.h"
#include "draw/fontarchive.h"
#include "mirtbase.h"
#include "npropwndcheck.h"

IMPLEMENT_SERIAL(CNPropObjBtnCheck, CNPropObjBtn, 1)

namespace {

const LONG kCaptionHeight = 90;

}  // namespace

CNPropObjBtnCheck::CNPropObjBtnCheck()
{
    CNPropObjBtnCheck::InitDefaults();
}

CNPropObjBtnCheck::CNPropObjBtnCheck(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjBtn(block, dwStyle, dwExStyle)
{
    CNPropObjBtnCheck::InitDefaults();
}

CNPropObjBtnCheck::~CNPropObjBtnCheck() = default;

void CNPropObjBtnCheck::InitDefaults()
{
    m_logFont = FieldDefaultFont(kCaptionHeight);
    m_crBack = RGB(255, 255, 255);
    m_crText = RGB(0, 0, 0);
    m_nMarkStyle = MARK_DISC;
    m_bChecked = TRUE;
    m_brushBack.DeleteObject();
    m_brushBack.CreateSolidBrush(RGB(255, 255, 255));
    m_nCheckVersion = 1;
}

BOOL CNPropObjBtnCheck::IsCheckedValue(const CString& strValue, BOOL bInvert)
{
    const BOOL bNonZero = std::strtol(strValue, nullptr, 10) != 0;
    return bInvert ? !bNonZero : bNonZero;
}

CString CNPropObjBtnCheck::ValueOfState(BOOL bChecked, BOOL bInvert)
{
    return (bChecked != FALSE) != (bInvert != FALSE) ? "1" : "0";
}

void CNPropObjBtnCheck::Serialize(CArchive& ar)
{
    CNPropObjBtn::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nCheckVersion;
        MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_POINTS);
        ar << m_crText << m_crBack << m_nMarkStyle;
        return;
    }
    UINT nVersion;
    ar >> nVersion;
    MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_POINTS);
    ar >> m_crText >> m_crBack >> m_nMarkStyle;
    m_bChecked = IsCheckedValue(m_strData, m_bInvert);
}

int CNPropObjBtnCheck::Draw(CDC* pDC, int nMode)
{
    if (!CanDrawOn(pDC))
        return 0;
    const RECT rect = PlacedDeviceRect(*this, pDC);
    DrawCheck(pDC, nMode, rect.left, rect.top, rect.right, rect.bottom);
    return 1;
}

CWnd* CNPropObjBtnCheck::CreateControl(CWnd* pParent, int bSetOwner)
{
    CNPropWndCheck* pWindow = new CNPropWndCheck;
    pWindow->m_pCheckField = this;
    return CreateButtonWindow(pParent, bSetOwner, pWindow, m_dwStyle | BS_OWNERDRAW, TRUE);
}

CNPropObj* CNPropObjBtnCheck::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjBtnCheck::LoadToControl(int bAlsoList)
{
    m_bChecked = IsCheckedValue(m_strData, m_bInvert);
    CNPropObjBtn::LoadToControl(bAlsoList);
}

void CNPropObjBtnCheck::SetLogFont(const LOGFONT* pLogFont)
{
    m_logFont = MirtHeldLogFont(*pLogFont, MIRT_MAX_FONT_POINTS);
}

LOGFONT* CNPropObjBtnCheck::GetLogFont()
{
    return &m_logFont;
}

void CNPropObjBtnCheck::SetTextColor(COLORREF crText)
{
    m_crText = crText;
}

COLORREF CNPropObjBtnCheck::GetTextColor()
{
    return m_crText;
}

void CNPropObjBtnCheck::CopyTo(CNPropObj* pOther)
{
    CNPropObjBtn::CopyTo(pOther);
    CNPropObjBtnCheck* pCheck = AsField<CNPropObjBtnCheck>(pOther);
    if (pCheck == nullptr)
        return;
    pCheck->m_crBack = m_crBack;
    pCheck->m_crText = m_crText;
    pCheck->m_nMarkStyle = m_nMarkStyle;
    pCheck->m_logFont = m_logFont;
    pCheck->m_bChecked = m_bChecked;
}

UINT CNPropObjBtnCheck::GetVersion()
{
    return m_nCheckVersion;
}

void CNPropObjBtnCheck::SetMarkStyle(int nMarkStyle)
{
    m_nMarkStyle = nMarkStyle;
}
