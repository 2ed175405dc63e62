#include "tolvane_fixture.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "canvas.h"
#include "mirtenv.h"
#include "mirtfileio.h"
#include "nmirtdoc.h"
#include "ownedread.h"
#include "prtdatainfo.h"
#include "resource.h"
#include "sampledata.h"
#include "sampleforms.h"
#include "strel95data.h"
#include "test_paths.h"
#include "printing/tmbfile.h"

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string StoreBody(CMirtFileIO& file)
{
    CMemFile mem;
    {
        CArchive ar(&mem, CArchive::store);
        file.Serialize(ar);
        ar.Close();
    }
    const ULONGLONG nSize = mem.GetLength();
    std::string bytes(static_cast<size_t>(nSize), '\0');
    mem.SeekToBegin();
    mem.Read(&bytes[0], static_cast<UINT>(nSize));
    return bytes;
}

int PageCount(CTolvaneDoc* pDoc)
{
    CStrel95Data* pData = pDoc->m_pFileIO->GetStrelData();
    return pData != nullptr ? static_cast<int>(pData->GetMirtDocList()->GetCount()) : -1;
}

CMirtFileIO* NewSampleFile(int nPages)
{
    std::unique_ptr<CNMirtLayoutData> pLayout(MakeDeliveryNote());
    std::unique_ptr<CMirtFileIO> pFile(new CMirtFileIO);
    CStrel95Data* pData = new CStrel95Data;
    pFile->AddList(pData);
    for (int n = 1; n <= nPages; ++n) {
        tagNMIRTDOC record;
        record.head.nLayoutID = pLayout->m_nLayoutID;
        record.strTitle.Format("ページ%d", n);
        CNMirtDoc* pPage = new CNMirtDoc;
        pPage->SetMIRTDOC(&record, 1);
        pPage->SetFormat(pLayout.get());
        pData->AddTail(pPage);
    }
    return pFile.release();
}

bool HasPixels(const MemoryCanvas& canvas)
{
    for (int y = 0; y < canvas.height(); y += 7) {
        for (int x = 0; x < canvas.width(); x += 7) {
            if (canvas.pixel(x, y) != canvas.pixel(0, 0))
                return true;
        }
    }
    return false;
}

void TolvaneTest::SetUp()
{
    m_root = FreshTestFolder();
    for (const char* pszFolder : {"\\DATA", "\\DATA\\FMT", "\\DATA\\SAMPLES", "\\DATA\\MyData", "\\DATA\\META"})
        ::CreateDirectoryA(Path(pszFolder).c_str(), nullptr);
    CMirtEnv::SetRootOverride(m_root.c_str());
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE);
}

void TolvaneTest::TearDown()
{
    m_app.m_pMainWnd = nullptr;
    m_app.CloseAllDocuments(FALSE);
    CMirtEnv::SetRootOverride(nullptr);
}

void TolvaneTest::WriteIndex(CObList& groups)
{
    CFile file(Path(PRTDATA_INDEX_FILE).c_str(), CFile::modeCreate | CFile::modeWrite);
    StoreIndex(file, groups);
    file.Close();
    MirtDeleteOwnedList(groups);
}

void TolvaneTest::WriteSampleData()
{
    CObList groups;
    MakeSampleIndex(groups);
    WriteIndex(groups);

    CMapTmbFile map;
    MakeCropMarkMap(map);
    CFile mapFile(Path(TMBFILEMAP_FILE).c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&mapFile, CArchive::store);
    map.Serialize(ar);
    ar.Close();
    mapFile.Close();

    for (CNMirtLayoutData* (*make)() : {MakeDeliveryNote, MakeInvoice, MakeSlip}) {
        std::unique_ptr<CNMirtLayoutData> pLayout(make());
        CString strLayoutPath;
        strLayoutPath.Format("%s\\DATA\\FMT\\ON%u.FMT", m_root.c_str(), pLayout->m_nLayoutID);
        CFile layoutFile(strLayoutPath, CFile::modeCreate | CFile::modeWrite);
        CArchive layoutArchive(&layoutFile, CArchive::store);
        pLayout->Serialize(layoutArchive);
        layoutArchive.Close();
        layoutFile.Close();
        CString strPath;
        strPath.Format("%s\\DATA\\SAMPLES\\S%u.qmt", m_root.c_str(), pLayout->m_nLayoutID);
        CFile sample(strPath, CFile::modeCreate | CFile::modeWrite);
        StoreSampleData(sample, *pLayout);
        sample.Close();
    }
}

void TolvaneTest::AddTemplate()
{
    m_app.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTolvaneDoc), RUNTIME_CLASS(CMainFrame),
        RUNTIME_CLASS(CTolvaneView)));
}

void TolvaneTest::NewDocument()
{
    m_app.OnFileNew();
    // Thrown rather than asserted: the callers go on to use the frame.
    if (m_app.m_pMainWnd == nullptr || Frame()->GetActiveView() == nullptr)
        throw std::runtime_error("the form screen's frame and view were not created");
}

void TolvaneTest::NewDocumentWithPages(int nPages)
{
    AddTemplate();
    NewDocument();
    delete Doc()->m_pFileIO;
    Doc()->m_pFileIO = NewSampleFile(nPages);
}

void TolvaneTest::StartOn(int nLayoutID)
{
    WriteSampleData();
    m_app.m_nLayoutID = nLayoutID;
    m_app.m_bSampleExists = 1;
    AddTemplate();
    NewDocument();
    m_app.PumpPending();
}

void TolvaneTest::Command(UINT nID)
{
    Frame()->SendMessage(WM_COMMAND, nID);
    m_app.PumpPending();
}

bool TolvaneTest::OpenWrittenFile(const std::string& path, int nPages, const char* pszTrailer)
{
    AddTemplate();
    NewDocument();
    std::unique_ptr<CMirtFileIO> pFile(NewSampleFile(nPages));
    WriteFileBytes(path, StoreBody(*pFile) + pszTrailer);
    return Doc()->OnOpenDocument(path.c_str()) != FALSE;
}
