#include "sample_install.h"

#include <afx.h>

#include "mirtfileio.h"
#include "nmirtdoc.h"
#include "strel95data.h"
#include "test_paths.h"

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program = path;
    return program.substr(0, program.rfind('\\'));
}

std::string SampleInstallRoot()
{
    std::string exeDir = FolderFromEnvironment("SUITE_EXE_DIR");
    if (exeDir.empty()) {
        exeDir = TestProgramFolder();
        exeDir = exeDir.substr(0, exeDir.rfind('\\')) + "\\install\\exe";
    }
    return exeDir.substr(0, exeDir.rfind('\\'));
}

CNMirtDoc* SamplePage(UINT nID)
{
    CString strPath;
    strPath.Format("%s\\DATA\\SAMPLES\\S%u.qmt", SampleInstallRoot().c_str(), nID);
    CFile file;
    if (!file.Open(strPath, CFile::modeRead))
        return nullptr;
    CMirtFileIO data;
    CArchive ar(&file, CArchive::load);
    data.Serialize(ar);
    ar.Close();
    CStrel95Data* pPages = data.GetStrelData();
    if (pPages == nullptr || pPages->GetMirtDocList()->IsEmpty())
        return nullptr;
    return static_cast<CNMirtDoc*>(pPages->GetMirtDocList()->RemoveHead());
}
