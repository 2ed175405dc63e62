#include "npropobjbtn.h"

#include "fields/fieldcommon.h"
#include "npropwndbtn.h"
#include "windowcommand.h"

IMPLEMENT_SERIAL(CNPropObjBtn, CNPropObjCtrl, 1)

CNPropObjBtn::CNPropObjBtn() : m_pBtnWnd(nullptr)
{
    CNPropObjBtn::InitDefaults();
}

CNPropObjBtn::CNPropObjBtn(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle), m_pBtnWnd(nullptr)
{
    CNPropObjBtn::InitDefaults();
}

CNPropObjBtn::~CNPropObjBtn()
{
    CNPropObjBtn::DestroyControl();
}

void CNPropObjBtn::InitDefaults()
{
    m_bInvert = FALSE;
    m_nBtnVersion = 1;
}

void CNPropObjBtn::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nBtnVersion << m_bInvert;
        return;
    }
    UINT nVersion;
    ar >> nVersion >> m_bInvert;
}

int CNPropObjBtn::Draw(CDC*, int)
{
    return 0;
}

int CNPropObjBtn::Activate()
{
    return 0;
}

CWnd* CNPropObjBtn::CreateButtonWindow(CWnd* pParent, int bSetOwner, CWnd* pNewWindow, DWORD dwStyle,
    BOOL bMoveByMargin)
{
    CWnd* pHost = EntryHost(*this, pParent, bSetOwner);
    if (pHost == nullptr) {
        delete pNewWindow;
        return nullptr;
    }
    m_pCtrlWnd = MakeStandardControl(*this, pHost, m_pBtnWnd, pNewWindow, "button", dwStyle, bMoveByMargin);
    if (m_pCtrlWnd != nullptr && !IsEditable())
        ExchangeWithControl(WCMD_LOCK, FALSE);
    return m_pCtrlWnd;
}

CWnd* CNPropObjBtn::CreateControl(CWnd* pParent, int bSetOwner)
{
    CNPropWndBtn* pWindow = new CNPropWndBtn;
    pWindow->m_pField = this;
    return CreateButtonWindow(pParent, bSetOwner, pWindow, m_dwStyle, FALSE);
}

int CNPropObjBtn::DestroyControl()
{
    DeleteWindowObject(m_pBtnWnd);
    CNPropObjCtrl::DestroyControl();
    return 1;
}

void CNPropObjBtn::FocusControl()
{
    FocusEntryWindow(*this, m_pBtnWnd);
}

CNPropObj* CNPropObjBtn::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjBtn::LoadToControl(int)
{
    LoadListAndData(*this, TRUE);
}

int CNPropObjBtn::GetCarryOver()
{
    return 3;
}

void CNPropObjBtn::SetCarryOver(BOOL)
{
}

int CNPropObjBtn::GetModify()
{
    return 3;
}

void CNPropObjBtn::SetModify(BOOL)
{
}

void CNPropObjBtn::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    CNPropObjBtn* pBtn = AsField<CNPropObjBtn>(pOther);
    if (pBtn != nullptr)
        pBtn->m_bInvert = m_bInvert;
}

UINT CNPropObjBtn::GetVersion()
{
    return m_nBtnVersion;
}
