#include "seeds.h"

#include <memory>

#include "archivebytes.h"
#include "defaultprtdef.h"
#include "fieldmapfile.h"
#include "linedef.h"
#include "mirtfileio.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "npropobj.h"
#include "propdata.h"
#include "sampleforms.h"
#include "strel95data.h"

namespace {

typedef CNMirtLayoutData* (*MakeLayout)();
const MakeLayout kSampleForms[] = {MakeDeliveryNote, MakeInvoice, MakeSlip};

// Face 1 of a page of the layout: clones of its templates, data fields
// filled in.
CPropData* NewFace(const CNMirtLayoutData& layout)
{
    std::unique_ptr<CPropData> pFace(new CPropData);
    pFace->m_nMen = 1;
    int nValue = 0;
    for (const CObList* pList : {&layout.m_listOutside, &layout.m_listFaces}) {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
            CNPropObj* pField = static_cast<CNPropObj*>(pList->GetNext(pos))->Clone(0, 0);
            CString strValue;
            strValue.Format("値%d 山田\r\n二行目", ++nValue);
            pField->SetText(strValue);
            pFace->AddPropObj(pField);
        }
    }
    return pFace.release();
}

CNMirtDoc* NewPage(MakeLayout make, CRuntimeClass* pPageClass)
{
    std::unique_ptr<CNMirtLayoutData> pLayout(make());
    std::unique_ptr<CPropData> pFace(NewFace(*pLayout));
    CObList faces;
    faces.AddTail(pFace.get());
    tagNMIRTDOC record;
    record.head.nLayoutID = pLayout->m_nLayoutID;
    record.head.date = COleDateTime(2024, 5, 8, 9, 5, 0);
    record.strTitle = "見積";
    record.strIndex[0] = "山田商店";
    std::unique_ptr<CNMirtDoc> pDoc(static_cast<CNMirtDoc*>(pPageClass->CreateObject()));
    pDoc->SetMIRTDOC(&record, 1);
    pDoc->SetFormat(pLayout.get());
    pDoc->SetList(&faces);
    return pDoc.release();
}

std::vector<std::string> DataSeeds(CRuntimeClass* pContainerClass, CRuntimeClass* pPageClass)
{
    std::vector<std::string> seeds;
    for (MakeLayout make : kSampleForms) {
        CStrel95Data* pData = static_cast<CStrel95Data*>(pContainerClass->CreateObject());
        CMirtFileIO file;
        file.AddList(pData);
        pData->AddTail(NewPage(make, pPageClass));
        pData->AddTail(NewPage(make, pPageClass));
        seeds.push_back(StoreBytes([&](CArchive& ar) { file.Serialize(ar); }));
    }
    return seeds;
}

CLineDef* NewItem(int nKind, LPCSTR pszText, UINT nOrder, int nAlign)
{
    CLineDef* pItem = new CLineDef;
    pItem->m_nKind = nKind;
    pItem->m_strText = pszText;
    pItem->m_nOrder = nOrder;
    pItem->m_nAlign = nAlign;
    pItem->m_logFont.lfHeight = 105;
    return pItem;
}

}  // namespace

std::vector<std::string> LayoutSeeds()
{
    std::vector<std::string> seeds;
    for (MakeLayout make : kSampleForms) {
        std::unique_ptr<CNMirtLayoutData> pLayout(make());
        seeds.push_back(StoreBytes([&](CArchive& ar) { pLayout->Serialize(ar); }));
    }
    return seeds;
}

std::vector<std::string> FieldListSeeds()
{
    std::vector<std::string> seeds;
    for (MakeLayout make : kSampleForms) {
        std::unique_ptr<CNMirtLayoutData> pLayout(make());
        std::unique_ptr<CPropData> pFace(NewFace(*pLayout));
        seeds.push_back(StoreBytes([&](CArchive& ar) { pFace->Serialize(ar); }));
    }
    return seeds;
}

std::vector<std::string> PageBlobSeeds()
{
    std::vector<std::string> seeds;
    for (MakeLayout make : kSampleForms) {
        std::unique_ptr<CNMirtDoc> pDoc(NewPage(make, RUNTIME_CLASS(CNMirtDoc)));
        tagNMIRTDOC record;
        pDoc->GetMIRTDOC(&record, 0);
        seeds.push_back(TakeBlobBytes(record));
    }
    return seeds;
}

std::vector<std::string> PlainDataSeeds()
{
    return DataSeeds(RUNTIME_CLASS(CStrel95Data), RUNTIME_CLASS(CNMirtDoc));
}

std::vector<std::string> MailDataSeeds()
{
    return DataSeeds(RUNTIME_CLASS(CStrel95MailData), RUNTIME_CLASS(CNMirtDoc));
}

std::vector<std::string> BoardDataSeeds()
{
    return DataSeeds(RUNTIME_CLASS(CStrel95MailDataBBS), RUNTIME_CLASS(CNMirtDocBBS));
}

std::vector<std::string> ListPrintSeeds()
{
    CDefaultPrtDef def;
    def.m_logFont.lfHeight = 100;
    lstrcpyA(def.m_logFont.lfFaceName, "ＭＳ 明朝");
    def.m_nMarginTop = def.m_nMarginLeft = def.m_nMarginRight = def.m_nMarginBottom = 150;
    def.m_listHeader.AddTail(NewItem(CLineDef::KIND_TEXT, "納品書一覧", 0, CLineDef::ALIGN_CENTRE));
    def.m_listHeader.AddTail(NewItem(CLineDef::KIND_DATE, "", 0, CLineDef::ALIGN_RIGHT));
    def.m_listHeader.AddTail(NewItem(CLineDef::KIND_PAGE, "", 0, CLineDef::ALIGN_FLOW));
    def.m_listHeader.AddTail(NewItem(CLineDef::KIND_RULE, "", 0, CLineDef::ALIGN_FLOW));
    def.m_listBody.AddTail(NewItem(CLineDef::KIND_FIELD_NAME, "", 10, CLineDef::ALIGN_FLOW));
    def.m_listBody.AddTail(NewItem(CLineDef::KIND_FIELD_DATA, "", 10, CLineDef::ALIGN_FLOW));
    def.m_listBody.AddTail(NewItem(CLineDef::KIND_ROW_BREAK, "", 0, CLineDef::ALIGN_FLOW));
    def.m_listBody.AddTail(NewItem(CLineDef::KIND_STRING, "", 0, CLineDef::ALIGN_FLOW));
    def.m_listBody.AddTail(NewItem(CLineDef::KIND_BITMAP, "none.bmp", 0, CLineDef::ALIGN_FLOW));
    return {StoreBytes([&](CArchive& ar) { def.Serialize(ar); })};
}

std::vector<std::string> ValueFileSeeds()
{
    std::vector<std::string> seeds;
    for (LPCSTR pszValue : {"山田太郎", "0.08", "", "株式会社 山田商店 〒100-0001 東京都千代田区千代田1-1"}) {
        const CString strValue(pszValue);
        seeds.push_back(StoreBytes([&](CArchive& ar) { ar << strValue; }));
    }
    return seeds;
}

std::vector<std::string> ChoiceListSeeds()
{
    std::vector<std::string> seeds;
    for (std::initializer_list<LPCSTR> choices : {std::initializer_list<LPCSTR>{"現金", "振込", "手形"},
                                                   std::initializer_list<LPCSTR>{},
                                                   std::initializer_list<LPCSTR>{"", "A", "ｶﾅ"}}) {
        CStringList list;
        for (LPCSTR pszChoice : choices)
            list.AddTail(pszChoice);
        seeds.push_back(StoreBytes([&](CArchive& ar) { list.Serialize(ar); }));
    }
    return seeds;
}

std::vector<std::string> FieldMapSeeds()
{
    std::vector<std::string> seeds;
    for (std::initializer_list<std::pair<WORD, WORD>> entries :
         {std::initializer_list<std::pair<WORD, WORD>>{{1, 3}, {2, 2}, {40, 1}},
          std::initializer_list<std::pair<WORD, WORD>>{}}) {
        CFieldMap map;
        for (const auto& entry : entries)
            map.SetAt(entry.first, entry.second);
        seeds.push_back(StoreBytes([&](CArchive& ar) { map.Serialize(ar); }));
    }
    return seeds;
}
