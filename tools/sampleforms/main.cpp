// sampleforms <data folder>: writes the install tree's sample data into the
// data folder (a Windows path): the layout file "FMT\ON<id>.FMT" and the
// sample data file "SAMPLES\S<id>.qmt" of every sample form, the form
// library index "MyData\QamMainData.dat", the crop-mark map
// "MyData\TMBFILEMAP.DAT" and its metafiles in "META\", and each form
// drawn as "Preview\<id>.bmp". Exit code 0 when all were written.
#include <cstdio>
#include <memory>

#include "ownedread.h"
#include "previewpictures.h"
#include "sampledata.h"
#include "sampleforms.h"
#include "printing/tmbfile.h"

namespace {

typedef CNMirtLayoutData* (*MakeLayout)();

// Writes the layout and its sample data; the layout's id.
UINT WriteForm(const CString& strData, MakeLayout make)
{
    std::unique_ptr<CNMirtLayoutData> pLayout(make());
    CString strID;
    strID.Format("%d", static_cast<int>(pLayout->m_nLayoutID));
    CFile layoutFile(strData + "\\FMT\\ON" + strID + ".FMT", CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&layoutFile, CArchive::store, 4096);
    pLayout->Serialize(ar);
    ar.Close();
    layoutFile.Close();
    CFile sampleFile(strData + "\\SAMPLES\\S" + strID + ".qmt", CFile::modeCreate | CFile::modeWrite);
    StoreSampleData(sampleFile, *pLayout);
    sampleFile.Close();
    return pLayout->m_nLayoutID;
}

void WriteIndex(const CString& strData)
{
    CObList groups;
    MakeSampleIndex(groups);
    try {
        CFile file(strData + "\\MyData\\QamMainData.dat", CFile::modeCreate | CFile::modeWrite);
        StoreIndex(file, groups);
        file.Close();
    } catch (...) {
        MirtDeleteOwnedList(groups);
        throw;
    }
    MirtDeleteOwnedList(groups);
}

void WriteCropMarkMap(const CString& strData)
{
    CMapTmbFile map;
    MakeCropMarkMap(map);
    CFile file(strData + "\\MyData\\TMBFILEMAP.DAT", CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store, 4096);
    map.Serialize(ar);
    ar.Close();
    file.Close();
    WriteCropMarkPictures(strData + "\\META");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sampleforms <data folder>\n");
        return 2;
    }
    const CString strData = argv[1];
    const MakeLayout forms[] = {MakeDeliveryNote, MakeInvoice, MakeSlip};
    try {
        for (const char* pszFolder : {"\\FMT", "\\SAMPLES", "\\MyData", "\\META", "\\Preview"})
            ::CreateDirectoryA(strData + pszFolder, nullptr);
        for (MakeLayout make : forms)
            WritePreviewPicture(strData, WriteForm(strData, make));
        WriteIndex(strData);
        WriteCropMarkMap(strData);
    } catch (CException* e) {
        char szCause[256] = "";
        e->GetErrorMessage(szCause, sizeof szCause);
        e->Delete();
        std::fprintf(stderr, "sampleforms: %s\n", szCause);
        return 1;
    }
    return 0;
}
