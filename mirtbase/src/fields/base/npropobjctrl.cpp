#include "npropobjctrl.h"

#include "mirtbase.h"
#include "windowcommand.h"

IMPLEMENT_SERIAL(CNPropObjCtrl, CNPropObj, 1)

CNPropObjCtrl::CNPropObjCtrl()
{
    CNPropObjCtrl::InitDefaults();
}

CNPropObjCtrl::CNPropObjCtrl(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle) : CNPropObj(block)
{
    m_dwStyle = dwStyle;
    m_dwExStyle = dwExStyle;
    ::SetRectEmpty(&m_rcDevice);
    m_pCtrlWnd = nullptr;
    m_nCtrlVersion = 1;
}

void CNPropObjCtrl::Serialize(CArchive& ar)
{
    CNPropObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nCtrlVersion) << m_dwStyle << m_dwExStyle;
        return;
    }
    DWORD dwVersion;
    ar >> dwVersion >> m_dwStyle >> m_dwExStyle;
    m_dwStyle |= STYLE_DEFAULT;
}

int CNPropObjCtrl::Activate()
{
    return (m_nMode & MODE_NOINPUT) == 0 && (GetAttr(ATTRIBUTE_INPUT) & INPUT_TAKES) != 0 &&
           (m_dwFlags & FLAG_NOINPUT) == 0;
}

CWnd* CNPropObjCtrl::CreateControl(CWnd*, int)
{
    return nullptr;
}

int CNPropObjCtrl::DestroyControl()
{
    m_pCtrlWnd = nullptr;
    return 0;
}

void CNPropObjCtrl::SetMode(UINT nMode)
{
    m_nMode = nMode;
}

UINT CNPropObjCtrl::GetMode()
{
    return m_nMode;
}

CNPropObj* CNPropObjCtrl::Clone(int, int)
{
    return nullptr;
}

int CNPropObjCtrl::Execute(DWORD, DWORD, DWORD)
{
    return 0;
}

int CNPropObjCtrl::GetText(CString& strText)
{
    if (!CarriesData())
        return 0;
    if (IsLive())
        ExchangeWithControl(WCMD_DATA, TRUE);
    return CNPropObj::GetText(strText);
}

int CNPropObjCtrl::SetText(const CString& strText, int, const int* pExtra)
{
    if (pExtra != nullptr || !CarriesData())
        return 0;
    m_strData = strText;
    if (IsLive()) {
        ExchangeWithControl(WCMD_RESET, TRUE);
        if (!IsHidden()) {
            ExchangeWithControl(WCMD_DATA, FALSE);
            if (m_pOwner != nullptr)
                m_pOwner->RedrawAria(this);
        }
    }
    return 1;
}

int CNPropObjCtrl::GetList(CStringList& list)
{
    if (CarriesData())
        return 1;
    if (IsLive())
        ExchangeWithControl(WCMD_LIST, TRUE);
    return CNPropObj::GetList(list);
}

int CNPropObjCtrl::SetList(const CStringList& list)
{
    CNPropObj::SetList(list);
    if (IsLive()) {
        ExchangeWithControl(WCMD_RESET, TRUE);
        if (!IsHidden())
            ExchangeWithControl(WCMD_LIST, FALSE);
    }
    return 1;
}

BOOL CNPropObjCtrl::HitTest(POINT point)
{
    return ::PtInRect(&m_rect, point);
}

int CNPropObjCtrl::ClearText()
{
    if (GetAttr(ATTRIBUTE_CLEAR) == 0)
        return 0;
    m_strData.Empty();
    if (IsLive())
        ExchangeWithControl(WCMD_RESET, TRUE);
    return 1;
}

void CNPropObjCtrl::InitDefaults()
{
    CNPropObj::InitDefaults();
    m_dwStyle = STYLE_DEFAULT;
    m_dwExStyle = 0;
    ::SetRectEmpty(&m_rcDevice);
    m_pCtrlWnd = nullptr;
    m_nCtrlVersion = 1;
}

void CNPropObjCtrl::SaveFromControl()
{
    if (CarriesData() && IsLive())
        ExchangeWithControl(WCMD_DATA, TRUE);
}

void CNPropObjCtrl::LoadToControl(int bAlsoList)
{
    if (!IsLive())
        return;
    if (GetAttr(ATTRIBUTE_CLEAR) != 0)
        ExchangeWithControl(WCMD_RESET, TRUE);
    if (IsEditable()) {
        if (!m_strData.IsEmpty())
            ExchangeWithControl(WCMD_DATA, FALSE);
        else if (bAlsoList)
            ExchangeWithControl(WCMD_LIST, FALSE);
        return;
    }
    if (IsHidden())
        return;
    if (!CarriesData()) {
        ExchangeWithControl(WCMD_LIST, FALSE);
        return;
    }
    if (m_strData.IsEmpty() && !m_listItems.IsEmpty())
        m_strData = m_listItems.GetHead();
    ExchangeWithControl(WCMD_DATA, FALSE);
}

void CNPropObjCtrl::FocusControl()
{
    if (m_pCtrlWnd != nullptr && m_pCtrlWnd->GetSafeHwnd() != nullptr)
        m_pCtrlWnd->SetFocus();
}

void CNPropObjCtrl::SyncRectFromControl()
{
    if (m_pCtrlWnd == nullptr || m_pCtrlWnd->GetSafeHwnd() == nullptr || m_pOwner == nullptr ||
        m_pOwner->GetSafeHwnd() == nullptr)
        return;
    CRect rect;
    m_pCtrlWnd->GetWindowRect(&rect);
    m_pOwner->ScreenToClient(&rect);
    if (::EqualRect(&rect, &m_rcDevice))
        return;
    {
        CClientDC dc(m_pCtrlWnd);
        ConvertRectUnits(&dc, &rect, FALSE);
    }
    const UINT nPercent = m_pOwner->GetPercent();
    if (nPercent != 100 && nPercent != 0) {
        for (LONG* pValue : {&rect.left, &rect.top, &rect.right, &rect.bottom})
            *pValue = static_cast<LONG>(static_cast<LONGLONG>(*pValue) * 100 / static_cast<LONG>(nPercent));
    }
    m_rect = rect;
}

void CNPropObjCtrl::GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond)
{
    CNPropObj::GetDrawRects(pDC, pWhole, pFirst, pSecond);
    if (pDC == nullptr)
        return;
    CalcDeviceRect(pDC);
    if (pWhole != nullptr)
        *pWhole = m_rcDevice;
}

void CNPropObjCtrl::CopyTo(CNPropObj* pOther)
{
    CNPropObj::CopyTo(pOther);
    pOther->SetStyle(m_dwStyle);
    pOther->SetExStyle(m_dwExStyle);
}

UINT CNPropObjCtrl::GetVersion()
{
    return m_nCtrlVersion;
}

DWORD CNPropObjCtrl::GetStyle()
{
    return m_dwStyle;
}

void CNPropObjCtrl::SetStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle;
}

DWORD CNPropObjCtrl::GetExStyle()
{
    return m_dwExStyle;
}

void CNPropObjCtrl::SetExStyle(DWORD dwExStyle)
{
    m_dwExStyle = dwExStyle;
}

BOOL CNPropObjCtrl::IsBorder()
{
    return (m_dwStyle & STYLE_BORDER) != 0;
}

BOOL CNPropObjCtrl::IsHScroll()
{
    return (m_dwStyle & STYLE_HSCROLL) != 0;
}

BOOL CNPropObjCtrl::IsVScroll()
{
    return (m_dwStyle & STYLE_VSCROLL) != 0;
}

BOOL CNPropObjCtrl::IsTransparent()
{
    return (m_dwExStyle & EXSTYLE_TRANSPARENT) != 0;
}

void CNPropObjCtrl::SetBorder(BOOL bOn)
{
    SetStyleBit(STYLE_BORDER, bOn);
}

void CNPropObjCtrl::SetHScroll(BOOL bOn)
{
    SetStyleBit(STYLE_HSCROLL, bOn);
}

void CNPropObjCtrl::SetVScroll(BOOL bOn)
{
    SetStyleBit(STYLE_VSCROLL, bOn);
}

void CNPropObjCtrl::SetTransparent(BOOL bOn)
{
    SetExStyleBit(EXSTYLE_TRANSPARENT, bOn);
}

int CNPropObjCtrl::GetEntryMode()
{
    return 1;
}

int CNPropObjCtrl::IsMultiLine()
{
    return 1;
}

int CNPropObjCtrl::GetRowLimit()
{
    return 0;
}

BOOL CNPropObjCtrl::ExchangeWithControl(DWORD nCommand, BOOL bFromWindow)
{
    return CWindowCommandDlg::Send(m_pCtrlWnd, nCommand, bFromWindow);
}

void CNPropObjCtrl::SetStyleBit(DWORD dwBit, BOOL bOn)
{
    m_dwStyle = bOn ? (m_dwStyle | dwBit) : (m_dwStyle & ~dwBit);
}

void CNPropObjCtrl::SetExStyleBit(DWORD dwBit, BOOL bOn)
{
    m_dwExStyle = bOn ? (m_dwExStyle | dwBit) : (m_dwExStyle & ~dwBit);
}
