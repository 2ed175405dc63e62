#include "npropobjedt.h"

#include "draw/textdraw.h"
#include "fields/text/textdrawfield.h"
#include "fields/text/textentry.h"
#include "npropwnddoc.h"
#include "npropwndwb.h"

IMPLEMENT_SERIAL(CNPropObjEdt, CNPropObjCtrl, 1)
IMPLEMENT_TEXT_ATTR_OPERATIONS(CNPropObjEdt)

namespace {

const tagTEXTENTRYKIND kEditEntry = {0, TRUE, CNPropWndWB::KIND_TEXT, FALSE};

// The alignment a version-1 record's edit style gives.
int AlignOfStyle(DWORD dwStyle)
{
    if (dwStyle & CNPropObjEdt::STYLE_RIGHT)
        return CTextAttr::ALIGN_RIGHT;
    return (dwStyle & CNPropObjEdt::STYLE_CENTER) ? CTextAttr::ALIGN_CENTER : CTextAttr::ALIGN_LEFT;
}

}  // namespace

CNPropObjEdt::CNPropObjEdt() : m_nFrameKind(1), m_pWndWB(nullptr), m_pWndDoc(nullptr), m_sizeClone(0, 0)
{
    CNPropObjEdt::InitDefaults();
}

CNPropObjEdt::CNPropObjEdt(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle), m_nFrameKind(1), m_pWndWB(nullptr), m_pWndDoc(nullptr),
      m_sizeClone(0, 0)
{
    CNPropObjEdt::InitDefaults();
}

CNPropObjEdt::~CNPropObjEdt()
{
    CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).Delete();
}

void CNPropObjEdt::InitDefaults()
{
    m_text.InitDefaults();
    m_nEdtVersion = EDT_VERSION;
}

void CNPropObjEdt::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nEdtVersion;
        m_text.Serialize(ar, TRUE);
        return;
    }
    UINT nVersion;
    ar >> nVersion;
    m_text.Serialize(ar, nVersion >= EDT_VERSION);
    if (nVersion < EDT_VERSION)
        m_text.m_nAlign = AlignOfStyle(m_dwStyle);
}

int CNPropObjEdt::Draw(CDC* pDC, int nMode)
{
    const tagTEXTMEASURING measuring = {0, FALSE, TRUE};
    CTextDrawer(*this, m_text, m_sizeClone, measuring).Draw(pDC, nMode, GetTextColor(), m_pWndWB != nullptr);
    return 0;
}

int CNPropObjEdt::Activate()
{
    return 0;
}

CWnd* CNPropObjEdt::CreateControl(CWnd* pParent, int bSetOwner)
{
    CNPropWndDoc* pWindow = new CNPropWndDoc;
    pWindow->m_pField = this;
    return CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB)
        .MakeTextWindow(pParent, bSetOwner, pWindow, kEditEntry);
}

int CNPropObjEdt::DestroyControl()
{
    CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).Delete();
    CNPropObjCtrl::DestroyControl();
    return 1;
}

void CNPropObjEdt::FocusControl()
{
    CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).Focus(kEditEntry, m_nFrameKind);
}

CNPropObj* CNPropObjEdt::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

void CNPropObjEdt::LoadToControl(int bAlsoList)
{
    LoadTextToControl(*this, bAlsoList, FALSE);
}

void CNPropObjEdt::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    CNPropObjEdt* pEdt =
        pOther->IsKindOf(RUNTIME_CLASS(CNPropObjEdt)) ? static_cast<CNPropObjEdt*>(pOther) : nullptr;
    m_text.CopyTo(pOther, pEdt != nullptr ? &pEdt->m_text : nullptr, GetEntryMode());
}

UINT CNPropObjEdt::GetVersion()
{
    return m_nEdtVersion;
}

int CNPropObjEdt::IsMultiLine()
{
    return (m_dwStyle & STYLE_MULTILINE) != 0;
}
