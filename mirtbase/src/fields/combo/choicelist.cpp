#include "choicelist.h"

#include "fields/fieldcommon.h"
#include "mirtpath.h"

namespace {

const int kChoiceArchiveBuffer = 4096;

}  // namespace

CString CChoiceList::PathOf(UINT nLayoutID, UINT nOrder)
{
    CString strName;
    strName.Format("ON%dN%d.CMB", nLayoutID, nOrder);
    return MirtInstallPath(MIRT_CHOICE_FOLDER) + strName;
}

CChoiceList::Result CChoiceList::Read(LPCSTR lpszPath, CStringList& list)
{
    if (::GetFileAttributesA(lpszPath) == INVALID_FILE_ATTRIBUTES)
        return READ_MISSING;
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return READ_FAILED;
    CStringList read;
    try {
        CArchive ar(&file, CArchive::load, kChoiceArchiveBuffer);
        read.Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return READ_FAILED;
    }
    list.RemoveAll();
    for (POSITION pos = read.GetHeadPosition(); pos != nullptr;)
        list.AddTail(read.GetNext(pos));
    return READ_DONE;
}

BOOL CChoiceList::Write(LPCSTR lpszPath, const CStringList& list)
{
    const CString strPath = lpszPath;
    const CString strFolder = strPath.Left(strPath.GetLength() - FileNameOf(strPath).GetLength());
    char szTemp[MAX_PATH];
    if (::GetTempFileNameA(strFolder, "CMB", 0, szTemp) == 0)
        return FALSE;
    try {
        CFile file(szTemp, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        CArchive ar(&file, CArchive::store, kChoiceArchiveBuffer);
        const_cast<CStringList&>(list).Serialize(ar);
        ar.Close();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        ::DeleteFileA(szTemp);
        return FALSE;
    }
    if (!::MoveFileExA(szTemp, lpszPath, MOVEFILE_REPLACE_EXISTING)) {
        ::DeleteFileA(szTemp);
        return FALSE;
    }
    return TRUE;
}
