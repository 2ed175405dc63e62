#include "npropobjnum.h"

#include "fields/fieldcommon.h"
#include "fields/text/textdrawfield.h"
#include "fields/text/textentry.h"
#include "npropwnddoc.h"
#include "npropwndwb.h"

IMPLEMENT_SERIAL(CNPropObjDocNum, CNPropObjDoc, 1)

namespace {

// Draw styles from 1 to this one take numbers in the in-place editor.
const int kLastNumberStyle = 5;

}  // namespace

CNPropObjDocNum::CNPropObjDocNum()
{
    InitNumMembers();
    m_nFrameKind = NUM_FRAME_KIND;
}

CNPropObjDocNum::CNPropObjDocNum(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjDoc(block, dwStyle, dwExStyle)
{
    InitNumMembers();
    m_nFrameKind = NUM_FRAME_KIND;
}

void CNPropObjDocNum::InitNumMembers()
{
    m_arrayLeft.RemoveAll();
    m_arrayRight.RemoveAll();
    m_nNumKind = NUMKIND_DECIMAL;
    m_nDrawStyle = STYLE_PLAIN;
    m_nAutoCalc = AUTOCALC_ON;
    m_nNumVersion = NUM_VERSION;
}

void CNPropObjDocNum::InitDefaults()
{
    CNPropObjDoc::InitDefaults();
    InitNumMembers();
}

void CNPropObjDocNum::Serialize(CArchive& ar)
{
    CNPropObjDoc::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nNumVersion << m_nNumKind << m_nDrawStyle << m_nAutoCalc;
    } else {
        UINT nVersion;
        ar >> nVersion >> m_nNumKind >> m_nDrawStyle;
        m_nAutoCalc = AUTOCALC_ON;
        if (nVersion >= NUM_VERSION)
            ar >> m_nAutoCalc;
    }
    m_arrayLeft.Serialize(ar);
    m_arrayRight.Serialize(ar);
}

CWnd* CNPropObjDocNum::CreateControl(CWnd* pParent, int bSetOwner)
{
    CNPropWndDocNum* pWindow = new CNPropWndDocNum;
    pWindow->m_pNumField = this;
    const tagTEXTENTRYKIND kind = {0, FALSE, EditorKind(), TRUE};
    return CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).MakeTextWindow(pParent, bSetOwner, pWindow, kind);
}

void CNPropObjDocNum::FocusControl()
{
    const tagTEXTENTRYKIND kind = {0, FALSE, EditorKind(), TRUE};
    CTextEntry(*this, m_text, m_pCtrlWnd, m_pWndDoc, m_pWndWB).Focus(kind, m_nFrameKind);
}

int CNPropObjDocNum::EditorKind() const
{
    const BOOL bNumberStyle = (m_nDrawStyle >= STYLE_PLAIN && m_nDrawStyle <= kLastNumberStyle) ||
                              m_nDrawStyle == STYLE_BOXES_NO_POINT;
    if (!bNumberStyle)
        return m_nDrawStyle == CNPropObjDocNumRen::REN_DRAW_STYLE ? CNPropWndWB::KIND_SIX_DIGITS : CNPropWndWB::KIND_DIGITS;
    switch (m_nNumKind) {
    case NUMKIND_INTEGER: return CNPropWndWB::KIND_WHOLE;
    case NUMKIND_DECIMAL:
    case NUMKIND_TRIMMED: return CNPropWndWB::KIND_DECIMAL;
    default: return CNPropWndWB::KIND_TEXT;
    }
}

CNPropObj* CNPropObjDocNum::Clone(int dx, int dy)
{
    return CloneTextField(*this, dx, dy);
}

int CNPropObjDocNum::SetText(const CString& strText, int, const int* pExtra)
{
    if (GetNumKind() == NUMKIND_NONE)
        return CNPropObjCtrl::SetText(strText, 0, pExtra);
    if (!CarriesData())
        return 0;
    return CNPropObjCtrl::SetText(NormalizeNumber(strText, GetNumKind()), 0, pExtra);
}

void CNPropObjDocNum::SetAutoCalc(int nAutoCalc)
{
    m_nAutoCalc = nAutoCalc;
}

int CNPropObjDocNum::GetAutoCalc()
{
    return m_nAutoCalc;
}

int CNPropObjDocNum::GetNumKind()
{
    return m_nNumKind;
}

void CNPropObjDocNum::SetNumKind(int nNumKind)
{
    m_nNumKind = nNumKind;
}

// The other numeric field takes the number kind before the text, so that
// the text is not brought into the form of its earlier kind.
void CNPropObjDocNum::CopyTo(CNPropObj* pOther)
{
    pOther->SetNumKind(m_nNumKind);
    CNPropObjDoc::CopyTo(pOther);
    pOther->SetAutoCalc(m_nAutoCalc);
    pOther->SetNumKind(m_nNumKind);
    CNPropObjDocNum* pNum = AsField<CNPropObjDocNum>(pOther);
    if (pNum == nullptr)
        return;
    pNum->m_nDrawStyle = m_nDrawStyle;
    pNum->m_arrayLeft.Copy(m_arrayLeft);
    pNum->m_arrayRight.Copy(m_arrayRight);
}

UINT CNPropObjDocNum::GetVersion()
{
    return m_nNumVersion;
}
