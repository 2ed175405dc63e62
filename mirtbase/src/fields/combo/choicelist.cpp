#include "choicelist.h"

#include "mirtpath.h"

namespace {

const int kArchiveBuffer = 4096;

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
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
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
    try {
        AfxWriteReplacing(lpszPath, "CMB", [&list](CFile& file) {
            CArchive ar(&file, CArchive::store, kArchiveBuffer);
            const_cast<CStringList&>(list).Serialize(ar);
            ar.Close();
        });
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
