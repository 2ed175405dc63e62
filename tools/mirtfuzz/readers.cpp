#include "readers.h"

#include <memory>
#include <stdexcept>

#include "archivebytes.h"
#include "defaultprtdef.h"
#include "mirtfileio.h"
#include "mirtpath.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "npropobjdoc.h"
#include "propdata.h"
#include "seeds.h"
#include "strel95data.h"
#include "valuefile.h"

namespace {

// The pages a list printing definition may take before the fuzzer stops it.
const UINT kMaxListPages = 4;

// Stores what was loaded, loads that again and stores it once more: the two
// stored forms must be equal.
template <class T>
void CheckRoundTrip(T& loaded, const std::function<void(T&, CArchive&)>& serialize)
{
    const std::string first = StoreBytes([&](CArchive& ar) { serialize(loaded, ar); });
    T again;
    LoadBytes(first, [&](CArchive& ar) { serialize(again, ar); });
    if (StoreBytes([&](CArchive& ar) { serialize(again, ar); }) != first)
        throw std::logic_error("the stored form does not load back to itself");
}

void DrawFields(const CObList& fields, CDC& screen, CDC& printer)
{
    for (POSITION pos = fields.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(fields.GetNext(pos));
        pField->Draw(&screen, 0);
        pField->Draw(&printer, 0);
    }
}

void DrawFaces(const CObList* pFaces, CDC& screen, CDC& printer)
{
    if (pFaces == nullptr)
        return;
    for (POSITION pos = pFaces->GetHeadPosition(); pos != nullptr;) {
        CPropData* pFace = static_cast<CPropData*>(pFaces->GetNext(pos));
        pFace->DrawAll(&screen, 0);
        pFace->DrawAll(&printer, 0);
    }
}

void RunLayout(const std::string& bytes, CDC& screen, CDC& printer)
{
    CNMirtLayoutData layout;
    LoadBytes(bytes, [&](CArchive& ar) { layout.Serialize(ar); });
    CheckRoundTrip<CNMirtLayoutData>(layout, [](CNMirtLayoutData& l, CArchive& ar) { l.Serialize(ar); });
    DrawFields(layout.m_listOutside, screen, printer);
    DrawFields(layout.m_listFaces, screen, printer);
}

void RunFieldList(const std::string& bytes, CDC& screen, CDC& printer)
{
    CPropData face;
    LoadBytes(bytes, [&](CArchive& ar) { face.Serialize(ar); });
    CheckRoundTrip<CPropData>(face, [](CPropData& f, CArchive& ar) { f.Serialize(ar); });
    face.DrawAll(&screen, 0);
    face.DrawAll(&printer, 0);
}

// A page blob as the page document takes it from the exchange record.
void LoadBlob(CNMirtDoc& doc, const std::string& bytes)
{
    tagNMIRTDOC record;
    record.hBlob = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (record.hBlob == nullptr)
        AfxThrowMemoryException();
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(::GlobalLock(record.hBlob)));
    ::GlobalUnlock(record.hBlob);
    record.dwBlobSize = static_cast<DWORD>(bytes.size());
    try {
        doc.SetMIRTDOC(&record, 0);
    } catch (...) {
        ::GlobalFree(record.hBlob);
        throw;
    }
    ::GlobalFree(record.hBlob);
}

std::string StoreBlob(CNMirtDoc& doc)
{
    tagNMIRTDOC record;
    doc.GetMIRTDOC(&record, 0);
    if (record.hBlob == nullptr)
        return std::string();
    std::string bytes(static_cast<const char*>(::GlobalLock(record.hBlob)), record.dwBlobSize);
    ::GlobalUnlock(record.hBlob);
    ::GlobalFree(record.hBlob);
    return bytes;
}

void RunPageBlob(const std::string& bytes, CDC& screen, CDC& printer)
{
    CNMirtDoc doc;
    LoadBlob(doc, bytes);
    const std::string first = StoreBlob(doc);
    CNMirtDoc again;
    LoadBlob(again, first);
    if (StoreBlob(again) != first)
        throw std::logic_error("the stored blob does not load back to itself");
    DrawFaces(again.RefList(), screen, printer);
}

void DrawPages(CMirtFileIO& file, CDC& screen, CDC& printer)
{
    CStrel95Data* pData = file.GetStrelData();
    if (pData == nullptr)
        return;
    CObList* pPages = pData->GetMirtDocList();
    for (POSITION pos = pPages->GetHeadPosition(); pos != nullptr;)
        DrawFaces(static_cast<CNMirtDoc*>(pPages->GetNext(pos))->RefList(), screen, printer);
}

void RunDataFile(const std::string& bytes, CDC& screen, CDC& printer)
{
    CMirtFileIO file;
    LoadBytes(bytes, [&](CArchive& ar) { file.Serialize(ar); });
    CheckRoundTrip<CMirtFileIO>(file, [](CMirtFileIO& f, CArchive& ar) { f.Serialize(ar); });
    DrawPages(file, screen, printer);
}

// A mail container renames the pictures it writes after the files already
// in the receive folder, so its stored form is not compared with a second
// round; it is stored once, from an empty receive folder.
void RunMailFile(const std::string& bytes, CDC& screen, CDC& printer)
{
    CleanReceiveFolder();
    CMirtFileIO file;
    LoadBytes(bytes, [&](CArchive& ar) { file.Serialize(ar); });
    StoreBytes([&](CArchive& ar) { file.Serialize(ar); });
    DrawPages(file, screen, printer);
}

void RunListPrint(const std::string& bytes, CDC&, CDC& printer)
{
    CDefaultPrtDef def;
    LoadBytes(bytes, [&](CArchive& ar) { def.Serialize(ar); });
    const std::string first = StoreBytes([&](CArchive& ar) { def.Serialize(ar); });
    CDefaultPrtDef again;
    LoadBytes(first, [&](CArchive& ar) { again.Serialize(ar); });
    if (StoreBytes([&](CArchive& ar) { again.Serialize(ar); }) != first)
        throw std::logic_error("the stored definition does not load back to itself");
    static const std::string page = PlainDataSeeds().front();
    CMirtFileIO file;
    LoadBytes(page, [&](CArchive& ar) { file.Serialize(ar); });
    def.SetDocument(static_cast<CNMirtDoc*>(file.GetStrelData()->GetMirtDocList()->GetHead()));
    UINT nNext = 1;
    for (UINT nPage = 1; nPage <= kMaxListPages; nPage = nNext + 1) {
        if (!def.BeginPage(&printer, nPage) || !def.PrintBody(&printer, nPage, nNext))
            break;
    }
}

void RunValueFile(const std::string& bytes, CDC& screen, CDC&)
{
    char szFolder[MAX_PATH];
    ::GetTempPathA(sizeof szFolder, szFolder);
    CString strPath;
    strPath.Format("%smirtfuzz-%lu.aut", szFolder, ::GetCurrentProcessId());
    {
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    }
    CString strValue;
    MirtReadValueFile(strPath, strValue);
    CString strAgain;
    LoadBytes(StoreBytes([&](CArchive& ar) { ar << strValue; }), [&](CArchive& ar) { ar >> strAgain; });
    if (strAgain != strValue)
        throw std::logic_error("the stored value does not load back to itself");
    CNPropObjDoc field;
    field.m_rect = RECT{0, 0, 600, 200};
    field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, CNPropObj::INPUT_DATA);
    field.SetText(strValue);
    field.Draw(&screen, 0);
}

}  // namespace

void CleanReceiveFolder()
{
    CStrel95Data lister;
    CStringList files;
    lister.GetFilePathList(MirtInstallPath(MIRT_RCV_FOLDER), files);
    for (POSITION pos = files.GetHeadPosition(); pos != nullptr;)
        ::DeleteFileA(files.GetNext(pos));
}

const std::vector<FuzzReader>& FuzzReaders()
{
    static const std::vector<FuzzReader> readers = {
        {"layout", LayoutSeeds, RunLayout},
        {"fields", FieldListSeeds, RunFieldList},
        {"blob", PageBlobSeeds, RunPageBlob},
        {"data-plain", PlainDataSeeds, RunDataFile},
        {"data-mail", MailDataSeeds, RunMailFile},
        {"data-bbs", BoardDataSeeds, RunMailFile},
        {"listprint", ListPrintSeeds, RunListPrint},
        {"value", ValueFileSeeds, RunValueFile},
    };
    return readers;
}
