#include "mainindex.h"

#include "mirtpath.h"
#include "ownedread.h"
#include "prtdatainfo.h"

CString MainIndexPath()
{
    return MirtInstallPath(PRTDATA_INDEX_FILE);
}

void ReadMainIndex(CFile& file, CObList& list)
{
    LONG nCount = 0;
    if (file.Read(&nCount, sizeof nCount) != sizeof nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, file.GetFilePath());
    if (nCount <= 0)
        return;
    CArchive ar(&file, CArchive::load, 4096);
    MirtReadOwnedList(ar, list, RUNTIME_CLASS(CPrtDataInfo));
    ar.Close();
}

BOOL LoadMainIndex(CObList& list)
{
    const CString strPath = MainIndexPath();
    try {
        if (::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES) {
            CFile empty(strPath, CFile::modeCreate | CFile::modeWrite);
            const LONG nNone = 0;
            empty.Write(&nNone, sizeof nNone);
            empty.Close();
        }
        CFile file(strPath, CFile::modeRead | CFile::shareDenyWrite);
        ReadMainIndex(file, list);
        file.Close();
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox("ファイル操作エラーです。");
        return FALSE;
    }
    return TRUE;
}
