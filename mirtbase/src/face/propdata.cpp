#include "propdata.h"

#include <memory>

#include "mirtbase.h"
#include "npropobj.h"
#include "ownedread.h"

IMPLEMENT_SERIAL(CPropData, CObject, 1)

template <class Action>
void CPropData::ForEach(Action action) const
{
    for (POSITION pos = m_listProp.GetHeadPosition(); pos != nullptr;)
        action(static_cast<CNPropObj*>(m_listProp.GetNext(pos)));
}

CPropData::CPropData() : m_nMen(0), m_listProp(10), m_nVersion(1)
{
}

CPropData::~CPropData()
{
    MirtDeleteOwnedList(m_listProp);
}

void CPropData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nVersion) << static_cast<DWORD>(m_nMen);
        m_listProp.Serialize(ar);
        return;
    }
    ar >> m_nVersion >> m_nMen;
    MirtReadOwnedList(ar, m_listProp, RUNTIME_CLASS(CNPropObj));
}

void CPropData::AddPropObj(CNPropObj* pField)
{
    m_listProp.AddTail(pField);
}

CNPropObj* CPropData::RemovePropObj(CNPropObj* pField)
{
    POSITION pos = m_listProp.Find(pField);
    if (pos == nullptr)
        return nullptr;
    m_listProp.RemoveAt(pos);
    return pField;
}

BOOL CPropData::HasPropObj(const CNPropObj* pField) const
{
    return m_listProp.Find(const_cast<CNPropObj*>(pField)) != nullptr;
}

CNPropObj* CPropData::GetFirstPropObj(POSITION& pos) const
{
    pos = m_listProp.GetHeadPosition();
    return GetNextPropObj(pos);
}

CNPropObj* CPropData::GetNextPropObj(POSITION& pos) const
{
    return pos != nullptr ? static_cast<CNPropObj*>(m_listProp.GetNext(pos)) : nullptr;
}

CNPropObj* CPropData::GetPropObjByOrder(UINT nOrder) const
{
    for (POSITION pos = m_listProp.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listProp.GetNext(pos));
        if (pField->m_nOrder == nOrder)
            return pField;
    }
    return nullptr;
}

UINT CPropData::GetMaxOrder() const
{
    UINT nMax = 0;
    ForEach([&nMax](CNPropObj* pField) { nMax = pField->m_nOrder > nMax ? pField->m_nOrder : nMax; });
    return nMax;
}

CPropData* CPropData::Clone(int dx, int dy) const
{
    // Owned until whole: a field's clone that throws leaves nothing behind.
    std::unique_ptr<CPropData> pCopy(new CPropData);
    pCopy->m_nMen = m_nMen;
    ForEach([&](CNPropObj* pField) {
        std::unique_ptr<CNPropObj> pClone(pField->Clone(dx, dy));
        if (pClone != nullptr) {
            pCopy->AddPropObj(pClone.get());
            pClone.release();
        }
    });
    return pCopy.release();
}

void CPropData::CopyRealData(const CPropData* pOther)
{
    POSITION pos = m_listProp.GetHeadPosition();
    POSITION posOther = pOther->m_listProp.GetHeadPosition();
    while (pos != nullptr && posOther != nullptr) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listProp.GetNext(pos));
        const CNPropObj* pSource = static_cast<const CNPropObj*>(pOther->m_listProp.GetNext(posOther));
        pField->SetText(pSource->m_strData);
    }
}

void CPropData::ClearRealData(int bReload)
{
    ForEach([bReload](CNPropObj* pField) {
        if (pField->GetAttr(CNPropObj::ATTRIBUTE_CLEAR) != 0)
            pField->m_strData.Empty();
        if (bReload)
            pField->LoadToControl(1);
    });
}

void CPropData::CreateControls(CWnd* pParent, int bLoad, int bSetOwner)
{
    CMirtBase* pOwner = pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CMirtBase))
                            ? static_cast<CMirtBase*>(pParent)
                            : nullptr;
    ForEach([&](CNPropObj* pField) {
        if (bSetOwner && pOwner != nullptr)
            pField->m_pOwner = pOwner;
        pField->CreateControl(pParent, bSetOwner);
        pField->LoadToControl(bLoad);
    });
}

void CPropData::DestroyControls()
{
    ForEach([](CNPropObj* pField) { pField->DestroyControl(); });
}

void CPropData::SaveFromControls()
{
    ForEach([](CNPropObj* pField) { pField->SaveFromControl(); });
}

void CPropData::LoadDataControls()
{
    ForEach([](CNPropObj* pField) {
        if (pField->CarriesData())
            pField->LoadToControl(1);
    });
}

void CPropData::SyncRectsFromControls()
{
    ForEach([](CNPropObj* pField) {
        if (pField->IsEditable() && pField->GetAttr(CNPropObj::ATTRIBUTE_LOCK) == 0)
            pField->SyncRectFromControl();
    });
}

void CPropData::SetModeAll(UINT nMode)
{
    ForEach([nMode](CNPropObj* pField) { pField->SetMode(nMode); });
}

void CPropData::DrawAll(CDC* pDC, int nMode)
{
    ForEach([=](CNPropObj* pField) { pField->Draw(pDC, nMode); });
}
