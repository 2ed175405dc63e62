#include "npropobjnum.h"

#include "fields/fieldcommon.h"
#include "fields/text/textdrawfield.h"

IMPLEMENT_SERIAL(CNPropObjDocNum, CNPropObjDoc, 1)

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
