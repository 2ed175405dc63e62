// sampleforms <folder>: writes the layout file "ON<id>.FMT" of every sample
// form into the folder (a Windows path). Exit code 0 when all were written.
#include <cstdio>
#include <memory>

#include "sampleforms.h"

namespace {

typedef CNMirtLayoutData* (*MakeLayout)();

void WriteLayout(const CString& strFolder, MakeLayout make)
{
    std::unique_ptr<CNMirtLayoutData> pLayout(make());
    CString strName;
    strName.Format("\\ON%d.FMT", static_cast<int>(pLayout->m_nLayoutID));
    CFile file(strFolder + strName, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store, 4096);
    pLayout->Serialize(ar);
    ar.Close();
    file.Close();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sampleforms <folder>\n");
        return 2;
    }
    const MakeLayout forms[] = {MakeDeliveryNote, MakeInvoice, MakeSlip};
    try {
        for (MakeLayout make : forms)
            WriteLayout(argv[1], make);
    } catch (CException* e) {
        char szCause[256] = "";
        e->GetErrorMessage(szCause, sizeof szCause);
        e->Delete();
        std::fprintf(stderr, "sampleforms: %s\n", szCause);
        return 1;
    }
    return 0;
}
