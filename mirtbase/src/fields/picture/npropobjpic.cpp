#include "npropobjpic.h"

#include <afxdlgs.h>
#include <picsel.h>
#include <zeb95.h>

#include "fields/fieldcommon.h"
#include "mirtbase.h"
#include "mirtpath.h"
#include "npropwndobjpic.h"
#include "npropwndpic.h"

IMPLEMENT_SERIAL(CNPropObjPic, CNPropObjCtrl, 1)

namespace {

// The picture object's creation fields: styles, pointer, back colour, file,
// stretch, view mode, grid and cache mode.
const DWORD kPictureMask = 0x7F9;

}  // namespace

CNPropObjPic::CNPropObjPic() : m_pPicWnd(nullptr), m_pFocusWnd(nullptr)
{
    CNPropObjPic::InitDefaults();
}

CNPropObjPic::CNPropObjPic(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle), m_pPicWnd(nullptr), m_pFocusWnd(nullptr)
{
    CNPropObjPic::InitDefaults();
}

CNPropObjPic::~CNPropObjPic()
{
    delete m_pPicWnd;
    delete m_pFocusWnd;
}

void CNPropObjPic::InitDefaults()
{
    m_dwSetting = 2;
    m_nDataKind = DATAKIND_PICTURE;
    m_bDither = FALSE;
    m_bStretch = FALSE;
    m_crBack = BACK_NONE;
    m_nPicVersion = 1;
}

void CNPropObjPic::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nPicVersion << m_crBack << m_bDither << m_bStretch;
        return;
    }
    UINT nVersion;
    ar >> nVersion >> m_crBack >> m_bDither >> m_bStretch;
}

CString CNPropObjPic::PicturePath(BOOL bPaper)
{
    if (bPaper && m_listItems.GetCount() > 1)
        return MirtInstallPath(MIRT_DEFBMP_FOLDER) + FileNameOf(m_listItems.GetAt(m_listItems.FindIndex(1)));
    CString strPath;
    GetText(strPath);
    if (strPath.IsEmpty() && !m_listItems.IsEmpty())
        strPath = MirtInstallPath(MIRT_DEFBMP_FOLDER) + FileNameOf(m_listItems.GetHead());
    return strPath;
}

int CNPropObjPic::Draw(CDC* pDC, int nMode)
{
    if (!CanDrawOn(pDC))
        return 0;
    CNPropObjCtrl::Draw(pDC, nMode);
    CRect rect = PlacedDeviceRect(*this, pDC);
    int nDrawn = 0;
    if (m_crBack != BACK_NONE) {
        CBrush brush(m_crBack);
        pDC->FillRect(&rect, &brush);
        nDrawn = 1;
    }
    const CString strPath = PicturePath(pDC->IsPrinting() && !IsPreviewDC(pDC));
    if (strPath.IsEmpty()) {
        if (!pDC->IsPrinting() && IsEditable()) {
            CPen pen(PS_SOLID, 1, PLACEHOLDER_COLOR);
            CPen* pOldPen = pDC->SelectObject(&pen);
            CRect cross = rect;
            cross.DeflateRect(1, 1);
            pDC->MoveTo(cross.left, cross.top);
            pDC->LineTo(cross.right, cross.bottom);
            pDC->MoveTo(cross.left, cross.bottom);
            pDC->LineTo(cross.right, cross.top);
            pDC->SelectObject(pOldPen);
        }
        return nDrawn;
    }
    if (m_pOwner == nullptr)
        return 0;
    m_pOwner->SetPicture(strPath);
    m_pOwner->DrawPicture(pDC, rect, strPath, m_bStretch);
    return 1;
}

int CNPropObjPic::Activate()
{
    CWaitCursor wait;
    if (!IsEditable())
        return 0;
    CPicSel chooser(m_pOwner);
    if (chooser.DoModal() == IDOK) {
        SetText(chooser.GetDrawPicPath());
        if (m_pOwner != nullptr)
            m_pOwner->RedrawAria(nullptr);
    }
    return 1;
}

CWnd* CNPropObjPic::CreateControl(CWnd* pParent, int bSetOwner)
{
    CWnd* pHost = EntryHost(*this, pParent, bSetOwner);
    if (pHost == nullptr)
        return nullptr;
    CWaitCursor wait;
    CDC display;
    display.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
    CalcDeviceRect(&display);
    const BOOL bDesign = m_nMode == MODE_SHOWN && IsEditable();
    ZebPicCreateInfo info = {};
    info.dwMask = kPictureMask;
    info.dwStyle = bDesign ? (m_dwStyle | WS_BORDER) : m_dwStyle;
    info.x = m_rcDevice.left;
    info.y = m_rcDevice.top;
    info.cx = m_rcDevice.right - m_rcDevice.left;
    info.cy = m_rcDevice.bottom - m_rcDevice.top;
    info.nPointerNumber = IsEditable() ? 2 : 1;
    info.crBack = m_crBack;
    info.nStretch = m_bStretch;
    info.nViewMode = bDesign ? 0 : 1;
    info.dwExStyle = m_dwExStyle;
    const HWND hPicture = zebCreateObjPic(pHost->GetSafeHwnd(), &info, nullptr);
    if (hPicture == nullptr)
        return nullptr;
    zebSetDither(hPicture, m_bDither);
    DeleteWindowObject(m_pPicWnd);
    m_pCtrlWnd = nullptr;
    CNPropWndObjPic* pWindow = new CNPropWndObjPic;
    pWindow->m_pField = this;
    if (!pWindow->SubclassWindow(hPicture)) {
        delete pWindow;
        zebDestroyObjPic(hPicture);
        return nullptr;
    }
    m_pPicWnd = pWindow;
    m_pCtrlWnd = pWindow;
    return pWindow;
}

void CNPropObjPic::FocusControl()
{
    if (m_pPicWnd != nullptr) {
        if (m_pPicWnd->GetSafeHwnd() != nullptr)
            m_pPicWnd->SetFocus();
        return;
    }
    CWnd* pParent = m_pOwner != nullptr ? m_pOwner->GetParentWnd() : nullptr;
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return;
    CWaitCursor wait;
    DeleteWindowObject(m_pFocusWnd);
    CNPropWndPic* pWindow = new CNPropWndPic;
    pWindow->m_pField = this;
    m_pFocusWnd = pWindow;
    if (!CreateEntryWindow(*this, pParent, *pWindow, nullptr, m_dwStyle, TRUE)) {
        DeleteWindowObject(m_pFocusWnd);
        return;
    }
    m_pCtrlWnd = pWindow;
    pWindow->SetFocus();
    PostFormatToView(pParent);
}

int CNPropObjPic::DestroyControl()
{
    DeleteWindowObject(m_pPicWnd);
    DeleteWindowObject(m_pFocusWnd);
    CNPropObjCtrl::DestroyControl();
    return 1;
}

CNPropObj* CNPropObjPic::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjPic::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    CNPropObjPic* pPic = AsField<CNPropObjPic>(pOther);
    if (pPic == nullptr)
        return;
    pPic->m_bDither = m_bDither;
    pPic->m_bStretch = m_bStretch;
    pPic->m_crBack = m_crBack;
}

UINT CNPropObjPic::GetVersion()
{
    return m_nPicVersion;
}
