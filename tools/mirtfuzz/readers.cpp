#include "readers.h"

#include <memory>
#include <stdexcept>

#include "archivebytes.h"
#include "choicelist.h"
#include "fieldmapfile.h"
#include "clipreaders.h"
#include "defaultprtdef.h"
#include "globalmem.h"
#include "launcherreaders.h"
#include "mediareaders.h"
#include "mirtbase.h"
#include "mirtfileio.h"
#include "mirtpath.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "npropobjdoc.h"
#include "npropobjgrp.h"
#include "propdata.h"
#include "seeds.h"
#include "strel95data.h"
#include "tolvanereaders.h"
#include "valuefile.h"
#include "zebreaders.h"
#include "docreaders.h"
#include "bmpreader.h"

namespace {

// The pages a list printing definition may take before the fuzzer stops it.
const UINT kMaxListPages = 4;

// Stores what was loaded, loads that again and stores it once more: the two
// stored forms must be equal.
template <class T>
void CheckArchiveRoundTrip(T& loaded, const std::function<void(T&, CArchive&)>& serialize)
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

// A form window without a window of its own that shows one face, with a
// host, as calculated fields need to compute.
class CFuzzForm : public CMirtBase
{
public:
    explicit CFuzzForm(CPropData& face)
    {
        SetParentWnd(&m_host);
        m_listMen.AddTail(&face);
    }
    ~CFuzzForm() override { m_listMen.RemoveAll(); }

private:
    CWnd m_host;
};

// The face's group fields run as on a form window: calculated fields
// evaluate their formulas into their result fields, copy groups copy.
void ExecuteGroups(CPropData& face)
{
    CFuzzForm form(face);
    for (POSITION pos = face.m_listProp.GetHeadPosition(); pos != nullptr;)
        static_cast<CNPropObj*>(face.m_listProp.GetNext(pos))->m_pOwner = &form;
    for (POSITION pos = face.m_listProp.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(face.m_listProp.GetNext(pos));
        if (dynamic_cast<CNPropObjGrp*>(pField) != nullptr)
            pField->Execute(0, 0, 0);
    }
    for (POSITION pos = face.m_listProp.GetHeadPosition(); pos != nullptr;)
        static_cast<CNPropObj*>(face.m_listProp.GetNext(pos))->m_pOwner = nullptr;
}

void DrawFaces(const CObList* pFaces, CDC& screen, CDC& printer)
{
    if (pFaces == nullptr)
        return;
    for (POSITION pos = pFaces->GetHeadPosition(); pos != nullptr;) {
        CPropData* pFace = static_cast<CPropData*>(pFaces->GetNext(pos));
        pFace->DrawAll(&screen, 0);
        pFace->DrawAll(&printer, 0);
        ExecuteGroups(*pFace);
    }
}

void RunLayout(const std::string& bytes, CDC& screen, CDC& printer)
{
    CNMirtLayoutData layout;
    LoadBytes(bytes, [&](CArchive& ar) { layout.Serialize(ar); });
    CheckArchiveRoundTrip<CNMirtLayoutData>(layout, [](CNMirtLayoutData& l, CArchive& ar) { l.Serialize(ar); });
    DrawFields(layout.m_listOutside, screen, printer);
    DrawFields(layout.m_listFaces, screen, printer);
}

void RunFieldList(const std::string& bytes, CDC& screen, CDC& printer)
{
    CPropData face;
    LoadBytes(bytes, [&](CArchive& ar) { face.Serialize(ar); });
    CheckArchiveRoundTrip<CPropData>(face, [](CPropData& f, CArchive& ar) { f.Serialize(ar); });
    face.DrawAll(&screen, 0);
    face.DrawAll(&printer, 0);
    ExecuteGroups(face);
}

// A page blob as the page document takes it from the exchange record.
void LoadBlob(CNMirtDoc& doc, const std::string& bytes)
{
    tagNMIRTDOC record;
    record.hBlob = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    if (record.hBlob == nullptr)
        AfxThrowMemoryException();
    {
        CGlobalLock lock(record.hBlob);
        if (!lock) {
            ::GlobalFree(record.hBlob);
            AfxThrowMemoryException();
        }
        std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(lock.Bytes()));
    }
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
    return TakeBlobBytes(record);
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
    CheckArchiveRoundTrip<CMirtFileIO>(file, [](CMirtFileIO& f, CArchive& ar) { f.Serialize(ar); });
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

// A file of this process in the temporary folder, named by its extension.
CString TempInputPath(LPCSTR pszExtension)
{
    char szFolder[MAX_PATH];
    ::GetTempPathA(sizeof szFolder, szFolder);
    CString strPath;
    strPath.Format("%smirtfuzz-%lu.%s", szFolder, ::GetCurrentProcessId(), pszExtension);
    return strPath;
}

// The input written whole into the temporary file of that extension.
CString WriteTempInput(const std::string& bytes, LPCSTR pszExtension)
{
    const CString strPath = TempInputPath(pszExtension);
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    return strPath;
}

void RunValueFile(const std::string& bytes, CDC& screen, CDC&)
{
    const CString strPath = WriteTempInput(bytes, "aut");
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

std::vector<CString> ListStrings(const CStringList& list)
{
    std::vector<CString> strings;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        strings.push_back(list.GetNext(pos));
    return strings;
}

// A damaged choice list is refused and leaves the list as it was; one read
// whole is written through a temporary file and reads back the same.
void RunChoiceList(const std::string& bytes, CDC&, CDC&)
{
    CStringList list;
    list.AddTail("keep");
    const CChoiceList::Result result = CChoiceList::Read(WriteTempInput(bytes, "cmb"), list);
    if (result == CChoiceList::READ_FAILED) {
        if (list.GetCount() != 1 || list.GetHead() != "keep")
            throw std::logic_error("a refused choice list changed the list");
        AfxThrowArchiveException(CArchiveException::generic);
    }
    const CString strAgain = TempInputPath("cmb2");
    if (!CChoiceList::Write(strAgain, list))
        throw std::logic_error("a choice list that was read cannot be written");
    CStringList again;
    if (CChoiceList::Read(strAgain, again) != CChoiceList::READ_DONE || ListStrings(again) != ListStrings(list))
        throw std::logic_error("the written choice list does not read back to itself");
}

void RunFieldMap(const std::string& bytes, CDC&, CDC&)
{
    CFieldMap map;
    map.SetAt(7, 7);
    if (CFieldMapFile::Read(WriteTempInput(bytes, "map"), map) == CFieldMapFile::READ_FAILED) {
        WORD wValue = 0;
        if (map.GetCount() != 1 || !map.Lookup(7, wValue) || wValue != 7)
            throw std::logic_error("a refused field map changed the map");
        AfxThrowArchiveException(CArchiveException::generic);
    }
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
        {"choicelist", ChoiceListSeeds, RunChoiceList},
        {"fieldmap", FieldMapSeeds, RunFieldMap},
        {"wb", WhiteBoardFileSeeds, RunWhiteBoardFile},
        {"wb-object", ObjectFileSeeds, RunObjectFile},
        {"wb-movie", MovieFileSeeds, RunMovieFile},
        {"wb-sound", SoundFileSeeds, RunSoundFile},
        {"index", IndexSeeds, RunIndex},
        {"tmbmap", CropMarkMapSeeds, RunCropMarkMap},
        {"prnopt", PrintOptionSeeds, RunPrintOptions},
        {"prnoffset", PrintOffsetSeeds, RunPrintOffset},
        {"clip-dib", ClipDibSeeds, RunClipDib},
        {"qmt", QmtSeeds, RunQmtFile},
        {"doc-fulltext", DocFullTextSeeds, RunDocFullText},
        {"doc-setfull", DocFullTextSeeds, RunDocSetFullText},
        {"doc-object", DocObjectSeeds, RunDocObject},
        {"bmp", BmpFileSeeds, RunBmpFile},
        {"clip-fields", FieldClipboardSeeds, RunFieldClipboard},
        {"launcher-index", LauncherIndexSeeds, RunLauncherIndex},
        {"autoinput", AutoInputSeeds, RunAutoInput},
    };
    return readers;
}
