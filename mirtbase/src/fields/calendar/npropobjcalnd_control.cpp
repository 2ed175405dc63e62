#include "npropobjcalnd.h"

#include <afxdlgs.h>
#include <zeb95.h>

#include "fields/fieldcommon.h"
#include "mirtbase.h"
#include "npropwndcalnd.h"
#include "npropwndobjpic.h"

namespace {

// The picture object's creation fields: styles, pointer, back colour, file,
// stretch, view mode, grid and cache mode.
const DWORD kPictureMask = 0x7F9;
const LONG kPictureKind = 16;

}  // namespace

CWnd* CNPropObjCalnd::CreateControl(CWnd* pParent, int bSetOwner)
{
    CWnd* pHost = EntryHost(*this, pParent, bSetOwner);
    if (pHost == nullptr)
        return nullptr;
    if (m_nMode == MODE_SHOWN && IsEditable())
        return CreateDesignPicture(pHost);
    CWaitCursor wait;
    DeleteWindowObject(m_pCalndWnd);
    m_pCtrlWnd = nullptr;
    CNPropWndCalnd* pWindow = new CNPropWndCalnd;
    pWindow->m_pField = this;
    m_pCalndWnd = pWindow;
    if (!CreateEntryWindow(*this, pHost, *pWindow, nullptr, m_dwStyle, TRUE)) {
        DeleteWindowObject(m_pCalndWnd);
        return nullptr;
    }
    m_pCtrlWnd = pWindow;
    return pWindow;
}

CWnd* CNPropObjCalnd::CreateDesignPicture(CWnd* pHost)
{
    CWaitCursor wait;
    CDC display;
    display.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    const BOOL bWritten = WriteDesignBitmap(&display);
    CalcDeviceRect(&display);
    ZebPicCreateInfo info = {};
    info.dwMask = kPictureMask;
    info.dwStyle = STYLE_DEFAULT | WS_BORDER;
    info.x = m_rcDevice.left;
    info.y = m_rcDevice.top;
    info.cx = m_rcDevice.right - m_rcDevice.left;
    info.cy = m_rcDevice.bottom - m_rcDevice.top;
    info.nPointerNumber = 2;
    info.crBack = RGB(255, 255, 255);
    info.nViewMode = 1;
    info.dwExStyle = m_dwExStyle;
    const HWND hHost = pHost->GetSafeHwnd();
    const HWND hPicture = zebCreateObjPic(hHost, &info, nullptr);
    if (hPicture == nullptr)
        return nullptr;
    zebSetDither(hPicture, 1);
    if (bWritten && !m_strDesignBitmap.IsEmpty()) {
        zebReadObject(hHost, kPictureKind, zebGetIndex(hPicture, kPictureKind), m_strDesignBitmap);
        zebSetViewMode(hPicture, 0);
    }
    DeleteWindowObject(m_pDesignWnd);
    m_pCtrlWnd = nullptr;
    CNPropWndObjPic* pWindow = new CNPropWndObjPic;
    pWindow->m_pField = this;
    if (!pWindow->SubclassWindow(hPicture)) {
        delete pWindow;
        zebDestroyObjPic(hPicture);
        DeleteDesignBitmap();
        return nullptr;
    }
    m_pDesignWnd = pWindow;
    m_pCtrlWnd = pWindow;
    return pWindow;
}

int CNPropObjCalnd::DestroyControl()
{
    DeleteWindowObject(m_pCalndWnd);
    DeleteWindowObject(m_pDesignWnd);
    DeleteDesignBitmap();
    CNPropObjCtrl::DestroyControl();
    return 1;
}

void CNPropObjCalnd::FocusControl()
{
    FocusEntryWindow(*this, m_pCalndWnd);
}
