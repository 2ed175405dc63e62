#include "npropobjstc.h"

#include "fields/fieldcommon.h"
#include "mirtbase.h"
#include "mirtpath.h"
#include "npropwndmeta.h"

IMPLEMENT_SERIAL(CNPropObjStc, CNPropObjCtrl, 1)

CNPropObjStc::CNPropObjStc() : m_pStaticWnd(nullptr)
{
    CNPropObjStc::InitDefaults();
}

CNPropObjStc::CNPropObjStc(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle), m_pStaticWnd(nullptr)
{
    CNPropObjStc::InitDefaults();
}

CNPropObjStc::~CNPropObjStc()
{
    CNPropObjStc::DestroyControl();
}

void CNPropObjStc::InitDefaults()
{
    m_dwSetting = 2;
    m_nDataKind = DATAKIND_PICTURE;
    m_nStcVersion = 1;
}

void CNPropObjStc::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nStcVersion;
        return;
    }
    UINT nVersion;
    ar >> nVersion;
}

int CNPropObjStc::Draw(CDC* pDC, int)
{
    if (!CanDrawOn(pDC) || m_listItems.IsEmpty())
        return 0;
    const BOOL bPaper = pDC->IsPrinting() && (m_pOwner == nullptr || m_pOwner->GetMetaFileA() == 0);
    if (bPaper && m_listItems.GetCount() < 2)
        return 0;
    const CString strName = m_listItems.GetAt(bPaper ? m_listItems.FindIndex(1) : m_listItems.GetHeadPosition());
    const RECT rect = PlacedDeviceRect(*this, pDC);
    HENHMETAFILE hMeta = ::GetEnhMetaFileA(MirtInstallPath(MIRT_META_FOLDER) + FileNameOf(strName));
    if (hMeta == nullptr)
        return 0;
    pDC->PlayMetaFile(hMeta, &rect);
    ::DeleteEnhMetaFile(hMeta);
    return 1;
}

CWnd* CNPropObjStc::CreateControl(CWnd* pParent, int bSetOwner)
{
    CWnd* pWindow = EntryHost(*this, pParent, bSetOwner);
    if (pWindow == nullptr)
        return nullptr;
    CClientDC dc(pWindow);
    CalcDeviceRect(&dc);
    DeleteWindowObject(m_pStaticWnd);
    CNPropWndMeta* pMeta = new CNPropWndMeta;
    pMeta->m_pField = this;
    m_pStaticWnd = pMeta;
    if (!m_pStaticWnd->CreateEx(m_dwExStyle, "static", "", m_dwStyle | WS_CLIPSIBLINGS | SS_ENHMETAFILE,
            m_rcDevice, pWindow, m_nOrder + CONTROL_ID_BASE)) {
        DestroyControl();
        return nullptr;
    }
    m_pStaticWnd->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_pCtrlWnd = m_pStaticWnd;
    return m_pStaticWnd;
}

int CNPropObjStc::DestroyControl()
{
    DeleteWindowObject(m_pStaticWnd);
    CNPropObjCtrl::DestroyControl();
    return 1;
}

CNPropObj* CNPropObjStc::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

UINT CNPropObjStc::GetVersion()
{
    return m_nStcVersion;
}
