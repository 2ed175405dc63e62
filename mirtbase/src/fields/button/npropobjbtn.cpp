#include "npropobjbtn.h"

#include "fields/fieldcommon.h"
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

CWnd* CNPropObjBtn::CreateButtonWindow(CWnd* pParent, int bSetOwner, DWORD dwStyle, BOOL bMoveByMargin)
{
    CWnd* pHost = EntryHost(*this, pParent, bSetOwner);
    if (pHost == nullptr)
        return nullptr;
    DestroyControl();
    m_pBtnWnd = new CWnd;
    if (!CreateEntryWindow(*this, pHost, *m_pBtnWnd, "button", dwStyle, bMoveByMargin)) {
        DestroyControl();
        return nullptr;
    }
    m_pCtrlWnd = m_pBtnWnd;
    if (!IsEditable())
        ExchangeWithControl(WCMD_LOCK, FALSE);
    return m_pBtnWnd;
}

CWnd* CNPropObjBtn::CreateControl(CWnd* pParent, int bSetOwner)
{
    return CreateButtonWindow(pParent, bSetOwner, m_dwStyle, FALSE);
}

int CNPropObjBtn::DestroyControl()
{
    if (m_pBtnWnd != nullptr && m_pBtnWnd->GetSafeHwnd() != nullptr)
        m_pBtnWnd->DestroyWindow();
    delete m_pBtnWnd;
    m_pBtnWnd = nullptr;
    CNPropObjCtrl::DestroyControl();
    return 1;
}

CNPropObj* CNPropObjBtn::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjBtn::LoadToControl(int)
{
    if (!IsLive())
        return;
    if (GetAttr(ATTRIBUTE_CLEAR) != 0)
        ExchangeWithControl(WCMD_RESET, TRUE);
    if (IsHidden())
        return;
    ExchangeWithControl(WCMD_LIST, FALSE);
    ExchangeWithControl(WCMD_DATA, FALSE);
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
