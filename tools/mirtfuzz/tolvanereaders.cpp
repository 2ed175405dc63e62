#include "tolvanereaders.h"

#include <memory>
#include <stdexcept>

#include "archivebytes.h"
#include "bmpreader.h"
#include "frame/clipdib.h"
#include "document/maindatalist.h"
#include "document/tolvanedoc.h"
#include "mainindex.h"
#include "mirtfileio.h"
#include "ownedread.h"
#include "paldib.h"
#include "prtdatainfo.h"
#include "sampledata.h"
#include "printing/prnoffset.h"
#include "printing/prnopt.h"
#include "printing/tmbfile.h"
#include "seeds.h"

namespace {

// A list of groups that deletes them.
struct OwnedGroups
{
    CObList list;
    ~OwnedGroups() { MirtDeleteOwnedList(list); }
};

void ReadIndexBytes(const std::string& bytes, CObList& list)
{
    std::string copy = bytes + '\0';   // never an empty buffer
    CMemFile file(reinterpret_cast<BYTE*>(&copy[0]), static_cast<UINT>(bytes.size()));
    ReadMainIndex(file, list);
}

std::string MemFileBytes(CMemFile& file)
{
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

std::string IndexBytes(CObList& list)
{
    CMemFile file;
    StoreIndex(file, list);
    return MemFileBytes(file);
}

// Every form's title and sheet, and every source id.
void LookUpForms(const CObList& list)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const CPrtDataInfo* pGroup = static_cast<const CPrtDataInfo*>(list.GetNext(pos));
        for (int i = 0; i < pGroup->m_arrLayoutID.GetSize(); ++i) {
            CString strSheet;
            DWORD dwValue = 0;
            CMainDataList::FindForm(list, pGroup->m_arrLayoutID[i], strSheet, dwValue);
            CMainDataList::FindSourceId(list, pGroup->m_arrLayoutID[i]);
        }
    }
}

std::string MapBytes(CMapTmbFile& map)
{
    return StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
}

// A form screen document; the current folder that its making changes is
// put back.
class QmtDocument
{
public:
    QmtDocument()
    {
        char szCurrent[MAX_PATH];
        ::GetCurrentDirectoryA(sizeof szCurrent, szCurrent);
        m_pDoc.reset(new CTolvaneDoc);
        ::SetCurrentDirectoryA(szCurrent);
    }
    CTolvaneDoc& operator*() const { return *m_pDoc; }
    CTolvaneDoc* operator->() const { return m_pDoc.get(); }

private:
    std::unique_ptr<CTolvaneDoc> m_pDoc;
};

// The document's file object and version byte as a ".qmt" file holds them.
std::string QmtBytes(CTolvaneDoc& doc)
{
    return StoreBytes([&](CArchive& ar) {
        doc.m_pFileIO->Serialize(ar);
        if (doc.m_cVersion != 0)
            ar << static_cast<BYTE>(doc.m_cVersion);
    });
}

void LoadQmt(CTolvaneDoc& doc, const std::string& bytes)
{
    LoadBytes(bytes, [&](CArchive& ar) { doc.Serialize(ar); });
}

std::string OptionMapBytes(CPrnOptMap& map)
{
    return StoreBytes([&](CArchive& ar) { map.Serialize(ar); });
}

bool SameOptions(const CPrnOpt& one, const CPrnOpt& two)
{
    return one.m_nPaperKind == two.m_nPaperKind && one.m_nScale == two.m_nScale &&
        one.m_nRuledLineColor == two.m_nRuledLineColor && one.m_nCutLineKind == two.m_nCutLineKind &&
        one.m_nLeftOffset == two.m_nLeftOffset && one.m_nTopOffset == two.m_nTopOffset &&
        one.m_nAutoPaper == two.m_nAutoPaper;
}

}  // namespace

// Plain containers, with and without the version byte (a mail container
// names the pictures it stores after the receive folder, so it does not
// store the same bytes twice).
std::vector<std::string> QmtSeeds()
{
    std::vector<std::string> seeds;
    for (const std::string& data : PlainDataSeeds())
        seeds.push_back(data + CTolvaneDoc::kCurrentVersion);
    seeds.push_back(PlainDataSeeds().front());
    return seeds;
}

// A refused file leaves the document's file object and version as they
// were; one read stores and reads back to itself.
void RunQmtFile(const std::string& bytes, CDC&, CDC&)
{
    QmtDocument doc;
    const CMirtFileIO* pBefore = doc->m_pFileIO;
    try {
        LoadQmt(*doc, bytes);
    } catch (...) {
        if (doc->m_pFileIO != pBefore || doc->m_cVersion != CTolvaneDoc::kCurrentVersion)
            throw std::logic_error("a refused file changed the document");
        throw;
    }
    const std::string first = QmtBytes(*doc);
    QmtDocument again;
    LoadQmt(*again, first);
    if (QmtBytes(*again) != first)
        throw std::logic_error("the stored document does not read back to itself");
}

std::vector<std::string> IndexSeeds()
{
    OwnedGroups groups;
    MakeSampleIndex(groups.list);
    CPrtDataInfo* pPickup = static_cast<CPrtDataInfo*>(groups.list.GetHead());
    pPickup->m_arrLayoutID.Add(40000);
    pPickup->m_arrSourceID.Add(9001);
    pPickup->m_arrTitle.Add("私の納品書");
    pPickup->m_arrTitleNote.Add("A4縦   ");
    pPickup->m_arrSheetName.Add("");
    pPickup->m_arrOrgPath.Add("C:\\TESSARO\\Data\\ORG\\40000.org");
    return {IndexBytes(groups.list), std::string(4, '\0')};
}

std::vector<std::string> CropMarkMapSeeds()
{
    CMapTmbFile map;
    MakeCropMarkMap(map);
    map.SetAt(40, nullptr);
    return {MapBytes(map)};
}

void RunIndex(const std::string& bytes, CDC&, CDC&)
{
    OwnedGroups loaded;
    ReadIndexBytes(bytes, loaded.list);
    const std::string first = IndexBytes(loaded.list);
    OwnedGroups again;
    ReadIndexBytes(first, again.list);
    if (IndexBytes(again.list) != first)
        throw std::logic_error("the written index does not read back to itself");
    LookUpForms(loaded.list);
}

void RunCropMarkMap(const std::string& bytes, CDC&, CDC&)
{
    CMapTmbFile map;
    LoadBytes(bytes, [&](CArchive& ar) { map.Serialize(ar); });
    CMapTmbFile again;
    LoadBytes(MapBytes(map), [&](CArchive& ar) { again.Serialize(ar); });
    // The stored order follows the hash table, so entries are compared.
    for (UINT nKey = 0; nKey <= 0xFFFF; ++nKey) {
        const CTmbFile* pOne = map.Lookup(static_cast<WORD>(nKey));
        const CTmbFile* pTwo = again.Lookup(static_cast<WORD>(nKey));
        if ((pOne == nullptr) != (pTwo == nullptr) ||
            (pOne != nullptr && (pOne->m_strCropMarks != pTwo->m_strCropMarks ||
                                    pOne->m_strDottedFrame != pTwo->m_strDottedFrame)))
            throw std::logic_error("the written map does not read back to itself");
    }
}

std::vector<std::string> PrintOptionSeeds()
{
    CPrnOptMap map;
    map.Replace(9001, new CPrnOpt);
    auto* pBlank = new CPrnOpt;
    pBlank->m_nPaperKind = 1;
    pBlank->m_nScale = 75;
    pBlank->m_nCutLineKind = 2;
    pBlank->m_nLeftOffset = -30;
    pBlank->m_nTopOffset = 12;
    map.Replace(9002, pBlank);
    map.Replace(9003, nullptr);
    return {OptionMapBytes(map), std::string(2, '\0')};
}

std::vector<std::string> PrintOffsetSeeds()
{
    CMemFile file;
    StorePrnOffset(file, PrnOffset{-7, 30});
    return {MemFileBytes(file)};
}

void RunPrintOptions(const std::string& bytes, CDC&, CDC&)
{
    CPrnOptMap map;
    LoadBytes(bytes, [&](CArchive& ar) { map.Serialize(ar); });
    CPrnOptMap again;
    LoadBytes(OptionMapBytes(map), [&](CArchive& ar) { again.Serialize(ar); });
    for (UINT nKey = 0; nKey <= 0xFFFF; ++nKey) {
        const CPrnOpt* pOne = map.Lookup(static_cast<WORD>(nKey));
        const CPrnOpt* pTwo = again.Lookup(static_cast<WORD>(nKey));
        if ((pOne == nullptr) != (pTwo == nullptr) || (pOne != nullptr && !SameOptions(*pOne, *pTwo)))
            throw std::logic_error("the written options do not read back to themselves");
        if (pOne != nullptr && !pOne->IsValid())
            throw std::logic_error("options out of range were taken");
    }
}

void RunPrintOffset(const std::string& bytes, CDC&, CDC&)
{
    std::string copy = bytes + '\0';   // never an empty buffer
    CMemFile file(reinterpret_cast<BYTE*>(&copy[0]), static_cast<UINT>(bytes.size()));
    PrnOffset offset = {99, 99};
    if (!LoadPrnOffset(file, offset)) {
        if (offset.nLeft != 99 || offset.nTop != 99)
            throw std::logic_error("refused offsets changed the values");
        AfxThrowArchiveException(CArchiveException::generic);
    }
    CMemFile written;
    StorePrnOffset(written, offset);
    if (MemFileBytes(written) != bytes)
        throw std::logic_error("the offsets do not write back to their bytes");
}

std::vector<std::string> ClipDibSeeds()
{
    // The packed DIBs of the bitmap files, and a 24-bit one without its
    // image size.
    std::vector<std::string> seeds;
    for (const std::string& file : BmpFileSeeds())
        seeds.push_back(file.substr(14));
    std::string noSize = seeds[5];
    noSize.replace(20, 4, 4, '\0');
    seeds.push_back(noSize);
    return seeds;
}

void RunClipDib(const std::string& bytes, CDC& screen, CDC& printer)
{
    const std::string file = BmpFileOfPackedDib(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
    if (file.empty())
        AfxThrowArchiveException(CArchiveException::generic);
    if (file.compare(14, std::string::npos, bytes, 0, file.size() - 14) != 0)
        throw std::logic_error("the BMP file does not carry the DIB's bytes");
    CPalDIB picture;
    std::string copy = file;
    CMemFile mem(reinterpret_cast<BYTE*>(&copy[0]), static_cast<UINT>(copy.size()));
    CArchive ar(&mem, CArchive::load);
    picture.Serialize(ar);
    ar.Close();
    for (CDC* pDC : {&screen, &printer}) {
        picture.m_rcTarget = RECT{0, 0, 40, 30};
        picture.Draw(pDC, CPalDIB::DRAW_STRETCHED);
        picture.Draw(pDC, CPalDIB::DRAW_FITTED);
    }
}
