#include "fields/fieldcommon.h"

#include <cp932.h>

#include "draw/textdraw.h"
#include "fields/base/clampint.h"
#include "mirtbase.h"
#include "textdrawattr.h"
#include "windowcommand.h"

CSize PrintShift(CDC* pDC, CMirtBase* pOwner)
{
    if (!pDC->IsPrinting())
        return CSize(0, 0);
    CSize margin = pOwner != nullptr ? pOwner->GetMargin() : CSize(0, 0);
    if (margin.cx != 0 || margin.cy != 0)
        CNPropObj::ConvertSizeUnits(pDC, &margin, TRUE);
    return CSize(MirtSub(margin.cx, pDC->GetDeviceCaps(PHYSICALOFFSETX)),
        MirtSub(margin.cy, pDC->GetDeviceCaps(PHYSICALOFFSETY)));
}

RECT PlacedDeviceRect(CNPropObjCtrl& field, CDC* pDC)
{
    field.CalcDeviceRect(pDC);
    return CTextDrawer::OffsetRectClamped(field.m_rcDevice, PrintShift(pDC, field.m_pOwner));
}

LOGFONT FieldDefaultFont(LONG nHeight)
{
    CTextAttr attr;
    attr.InitDefaults();
    attr.m_logFont.lfHeight = nHeight;
    return attr.m_logFont;
}

CString FileNameOf(const CString& strPath)
{
    // A 0x5C may be the trail byte of a double-byte character.
    int nStart = 0;
    for (int i = 0; i < strPath.GetLength(); i += cp932::CharLength(strPath, i, strPath.GetLength())) {
        if (strPath[i] == '\\')
            nStart = i + 1;
    }
    return strPath.Mid(nStart);
}

CWnd* EntryHost(CNPropObjCtrl& field, CWnd* pParent, int bSetOwner)
{
    CWnd* pHost = pParent != nullptr ? pParent : field.m_pOwner;
    if (bSetOwner == 0 || field.m_pOwner == nullptr || pHost == nullptr || pHost->GetSafeHwnd() == nullptr)
        return nullptr;
    return pHost;
}

RECT EntryRectOnForm(CNPropObjCtrl& field, CDC* pDisplay)
{
    RECT rect = field.m_rcDevice;
    if (field.IsPrintForm() && field.m_nMode != CNPropObj::MODE_SHOWN) {
        // The margin is a layout length: zoomed like the rectangle.
        CSize margin = field.m_pOwner->GetMargin();
        CNPropObj::ConvertSizeUnits(pDisplay, &margin, TRUE);
        const int nPercent = MirtClampInt(field.m_pOwner->GetPercent());
        ::OffsetRect(&rect, -MirtMulDiv(margin.cx, nPercent, 100), -MirtMulDiv(margin.cy, nPercent, 100));
    }
    return rect;
}

BOOL CreateEntryWindow(CNPropObjCtrl& field, CWnd* pHost, CWnd& window, LPCSTR lpszClass, DWORD dwStyle,
    BOOL bMoveByMargin)
{
    CDC display;
    display.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    field.CalcDeviceRect(&display);
    const RECT rect = bMoveByMargin ? EntryRectOnForm(field, &display) : field.m_rcDevice;
    if (!window.CreateEx(field.m_dwExStyle, lpszClass, "", dwStyle, rect, pHost,
            field.m_nOrder + CNPropObjCtrl::CONTROL_ID_BASE))
        return FALSE;
    window.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void DeleteWindowObject(CWnd*& pWindow)
{
    if (pWindow != nullptr && pWindow->GetSafeHwnd() != nullptr)
        pWindow->DestroyWindow();
    delete pWindow;
    pWindow = nullptr;
}

void FocusEntryWindow(CNPropObjCtrl& field, CWnd* const& pWindow)
{
    if (pWindow != nullptr) {
        if (pWindow->GetSafeHwnd() != nullptr)
            pWindow->SetFocus();
        return;
    }
    CWnd* pParent = field.m_pOwner != nullptr ? field.m_pOwner->GetParentWnd() : nullptr;
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return;
    // A sub-form button answers 0 when it has no sub-form but keeps its button.
    field.CreateControl(pParent, 1);
    if (pWindow == nullptr)
        return;
    pWindow->SetFocus();
    field.PostFormatToView(pParent);
}

CWnd* MakeStandardControl(CNPropObjCtrl& field, CWnd* pHost, CWnd*& pWindow, CWnd* pNewWindow, LPCSTR lpszClass,
    DWORD dwStyle, BOOL bMoveByMargin)
{
    DeleteWindowObject(pWindow);
    pWindow = pNewWindow;
    if (!CreateEntryWindow(field, pHost, *pWindow, lpszClass, dwStyle, bMoveByMargin))
        DeleteWindowObject(pWindow);
    return pWindow;
}

void LoadListAndData(CNPropObjCtrl& field, BOOL bEmptyData)
{
    if (!field.IsLive())
        return;
    if (field.GetAttr(CNPropObj::ATTRIBUTE_CLEAR) != 0)
        field.ExchangeWithControl(WCMD_RESET, TRUE);
    if (field.IsHidden())
        return;
    field.ExchangeWithControl(WCMD_LIST, FALSE);
    if (bEmptyData || !field.m_strData.IsEmpty())
        field.ExchangeWithControl(WCMD_DATA, FALSE);
}
