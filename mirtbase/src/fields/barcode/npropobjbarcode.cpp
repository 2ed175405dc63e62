#include "npropobjbarcode.h"

#include "fields/fieldcommon.h"

IMPLEMENT_SERIAL(CNPropObjBarcode, CNPropObjCtrl, 1)

CNPropObjBarcode::CNPropObjBarcode()
{
    CNPropObjBarcode::InitDefaults();
}

CNPropObjBarcode::CNPropObjBarcode(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle)
{
    CNPropObjBarcode::InitDefaults();
}

CNPropObjBarcode::~CNPropObjBarcode() = default;

void CNPropObjBarcode::InitDefaults()
{
    m_dwBarSetting = 0;
    m_nKind = CBarcode::KIND_NONE;
    m_nBarVersion = 1;
}

void CNPropObjBarcode::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nBarVersion << m_dwBarSetting << m_nKind;
        return;
    }
    UINT nVersion;
    ar >> nVersion >> m_dwBarSetting >> m_nKind;
}

int CNPropObjBarcode::Draw(CDC* pDC, int nMode)
{
    if (!CanDrawOn(pDC))
        return 0;
    CNPropObjCtrl::Draw(pDC, nMode);
    // The kind is made whatever the text; an empty text draws nothing.
    if (!m_barcode.Create(m_nKind) || m_strData.IsEmpty())
        return 0;
    m_barcode.SetData(m_strData);
    m_barcode.SetRect(PlacedDeviceRect(*this, pDC));
    m_barcode.DrawBarcode(pDC);
    return 0;
}

CWnd* CNPropObjBarcode::CreateControl(CWnd*, int)
{
    return nullptr;
}

int CNPropObjBarcode::DestroyControl()
{
    CNPropObjCtrl::DestroyControl();
    return 1;
}

CNPropObj* CNPropObjBarcode::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjBarcode::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    CNPropObjBarcode* pBarcode = AsField<CNPropObjBarcode>(pOther);
    if (pBarcode == nullptr)
        return;
    pBarcode->m_dwBarSetting = m_dwBarSetting;
    pBarcode->m_nKind = m_nKind;
}

UINT CNPropObjBarcode::GetVersion()
{
    return m_nBarVersion;
}
