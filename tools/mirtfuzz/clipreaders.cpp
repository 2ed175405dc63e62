#include "clipreaders.h"

#include <memory>
#include <stdexcept>

#include "archivebytes.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "propobjclip.h"
#include "sampleforms.h"

namespace {

// New fields of the stored list, or an archive exception.
CObList* LoadFields(const std::string& bytes)
{
    std::unique_ptr<CPtrArray> pFields(
        CPropObjClip::Load(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
    if (pFields == nullptr)
        AfxThrowArchiveException(CArchiveException::generic);
    CObList* pList = new CObList;
    for (INT_PTR i = 0; i < pFields->GetSize(); i++)
        pList->AddTail(static_cast<CNPropObj*>(pFields->GetAt(i)));
    return pList;
}

// Deletes the fields with the list.
struct FieldListDeleter
{
    void operator()(CObList* pList) const
    {
        while (!pList->IsEmpty())
            delete pList->RemoveHead();
        delete pList;
    }
};
using FieldList = std::unique_ptr<CObList, FieldListDeleter>;

std::string StoreFields(CObList& list)
{
    return StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
}

}  // namespace

std::vector<std::string> FieldClipboardSeeds()
{
    std::vector<std::string> seeds;
    for (CNMirtLayoutData* (*make)() : {MakeDeliveryNote, MakeInvoice, MakeSlip}) {
        std::unique_ptr<CNMirtLayoutData> pLayout(make());
        for (CObList* pTemplates : {&pLayout->m_listOutside, &pLayout->m_listFaces}) {
            if (!pTemplates->IsEmpty())
                seeds.push_back(StoreFields(*pTemplates));
        }
    }
    return seeds;
}

void RunFieldClipboard(const std::string& bytes, CDC& screen, CDC& printer)
{
    FieldList pFields(LoadFields(bytes));
    for (POSITION pos = pFields->GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(pFields->GetNext(pos));
        pField->Draw(&screen, 0);
        pField->Draw(&printer, 0);
    }
    const std::string first = StoreFields(*pFields);
    FieldList pAgain(LoadFields(first));
    if (StoreFields(*pAgain) != first)
        throw std::logic_error("the stored fields do not load back to themselves");
}
