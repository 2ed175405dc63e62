#include "choicelist.h"

#include "file/archivedread.h"
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
    CStringList read;
    const ArchivedRead result = ReadArchivedFile(lpszPath, [&read](CArchive& ar) { read.Serialize(ar); });
    if (result != ArchivedRead::Done)
        return result == ArchivedRead::Missing ? READ_MISSING : READ_FAILED;
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
