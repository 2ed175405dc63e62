#include "npropobjcb.h"

#include "choicelist.h"
#include "fields/fieldcommon.h"
#include "draw/fontarchive.h"
#include "mirtbase.h"
#include "npropwndcb.h"
#include "windowcommand.h"

IMPLEMENT_SERIAL(CNPropObjCB, CNPropObjCtrl, 1)
IMPLEMENT_SERIAL(CNPropObjCBEdt, CNPropObjCB, 1)

namespace {

const LONG kListFontHeight = 9;
const int kDefaultRowHeight = 9;

}  // namespace

CNPropObjCB::CNPropObjCB() : m_pComboWnd(nullptr)
{
    CNPropObjCB::InitDefaults();
}

CNPropObjCB::CNPropObjCB(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle), m_pComboWnd(nullptr)
{
    CNPropObjCB::InitDefaults();
}

CNPropObjCB::~CNPropObjCB()
{
    CNPropObjCB::DestroyControl();
}

void CNPropObjCB::InitDefaults()
{
    m_nRowHeight = kDefaultRowHeight;
    m_logFont = FieldDefaultFont(kListFontHeight);
    m_crText = RGB(0, 0, 0);
    m_crBack = RGB(255, 255, 255);
    m_nEntryMode = 0;
    m_nCBVersion = 1;
}

void CNPropObjCB::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nCBVersion;
        MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_POINTS);
        ar << m_crText << m_crBack << m_nEntryMode << m_nRowHeight;
        return;
    }
    UINT nVersion;
    ar >> nVersion;
    MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_POINTS);
    ar >> m_crText >> m_crBack >> m_nEntryMode >> m_nRowHeight;
}

int CNPropObjCB::Draw(CDC*, int)
{
    return 0;
}

int CNPropObjCB::Activate()
{
    return 0;
}

CWnd* CNPropObjCB::CreateControl(CWnd* pParent, int bSetOwner)
{
    CWnd* pHost = EntryHost(*this, pParent, bSetOwner);
    if (pHost == nullptr)
        return nullptr;
    CNPropWndCB* pWindow = new CNPropWndCB;
    pWindow->m_pField = this;
    m_pCtrlWnd = MakeStandardControl(*this, pHost, m_pComboWnd, pWindow, "combobox", m_dwStyle, FALSE);
    if (m_pCtrlWnd == nullptr)
        return nullptr;
    if (!IsEditable())
        ExchangeWithControl(WCMD_LOCK, FALSE);
    else if (AfxGetApp() != nullptr)
        ::SetClassLongPtrA(m_pCtrlWnd->GetSafeHwnd(), GCLP_HCURSOR,
            reinterpret_cast<LONG_PTR>(::LoadCursor(nullptr, IDC_IBEAM)));
    return m_pCtrlWnd;
}

int CNPropObjCB::DestroyControl()
{
    DeleteWindowObject(m_pComboWnd);
    CNPropObjCtrl::DestroyControl();
    return 1;
}

void CNPropObjCB::FocusControl()
{
    FocusEntryWindow(*this, m_pComboWnd);
}

CNPropObj* CNPropObjCB::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjCB::LoadToControl(int)
{
    LoadListAndData(*this, FALSE);
}

void CNPropObjCB::SetLogFont(const LOGFONT* pLogFont)
{
    m_logFont = MirtHeldLogFont(*pLogFont, MIRT_MAX_FONT_POINTS);
}

LOGFONT* CNPropObjCB::GetLogFont()
{
    return &m_logFont;
}

void CNPropObjCB::SetRowHeight(int nRowHeight)
{
    m_nRowHeight = nRowHeight;
}

int CNPropObjCB::GetRowHeight()
{
    return m_nRowHeight;
}

void CNPropObjCB::SetTextColor(COLORREF crText)
{
    m_crText = crText;
}

COLORREF CNPropObjCB::GetTextColor()
{
    return m_crText;
}

void CNPropObjCB::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    pOther->SetLogFont(&m_logFont);
    pOther->SetTextColor(m_crText);
    pOther->SetRowHeight(m_nRowHeight);
    CNPropObjCB* pCombo = AsField<CNPropObjCB>(pOther);
    if (pCombo == nullptr)
        return;
    pCombo->m_crBack = m_crBack;
    pCombo->m_nEntryMode = m_nEntryMode;
}

UINT CNPropObjCB::GetVersion()
{
    return m_nCBVersion;
}

int CNPropObjCB::GetEntryMode()
{
    return m_nEntryMode;
}

CNPropObjCBEdt::CNPropObjCBEdt()
{
    CNPropObjCBEdt::InitDefaults();
}

CNPropObjCBEdt::CNPropObjCBEdt(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCB(block, dwStyle, dwExStyle)
{
    CNPropObjCBEdt::InitDefaults();
}

void CNPropObjCBEdt::InitDefaults()
{
    CNPropObjCB::InitDefaults();
    m_nCBEdtVersion = 1;
}

void CNPropObjCBEdt::Serialize(CArchive& ar)
{
    CNPropObjCB::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nCBEdtVersion;
        return;
    }
    UINT nVersion;
    ar >> nVersion;
}

CNPropObj* CNPropObjCBEdt::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjCBEdt::LoadToControl(int bAlsoList)
{
    if (m_pOwner == nullptr)
        return;
    CStringList list;
    if (CChoiceList::Read(CChoiceList::PathOf(m_pOwner->GetLayoutID(), m_nOrder), list) == CChoiceList::READ_DONE &&
        !list.IsEmpty())
        SetList(list);
    CNPropObjCB::LoadToControl(bAlsoList);
}

UINT CNPropObjCBEdt::GetVersion()
{
    return m_nCBEdtVersion;
}
