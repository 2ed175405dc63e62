#include "fieldmapfile.h"

#include "mirtpath.h"

namespace {

const int kArchiveBuffer = 4096;
const char kMissing[] = "対応するﾏｯﾌﾟﾌｧｲﾙが存在しません";
const char kDamaged[] = "ﾏｯﾌﾟﾃﾞｰﾀ読み込みｴﾗｰです";

}  // namespace

CString CFieldMapFile::PathOf(UINT nFromID, UINT nToID)
{
    CString strName;
    strName.Format("NF%dt%d.map", static_cast<int>(nFromID), static_cast<int>(nToID));
    return MirtInstallPath(MIRT_MAP_FOLDER) + strName;
}

CFieldMapFile::Result CFieldMapFile::Read(LPCSTR lpszPath, CFieldMap& map)
{
    if (::GetFileAttributesA(lpszPath) == INVALID_FILE_ATTRIBUTES)
        return READ_MISSING;
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return READ_MISSING;
    CFieldMap read;
    try {
        CArchive ar(&file, CArchive::load, kArchiveBuffer);
        read.Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return READ_FAILED;
    }
    map.RemoveAll();
    WORD wKey = 0, wValue = 0;
    for (POSITION pos = read.GetStartPosition(); pos != nullptr;) {
        read.GetNextAssoc(pos, wKey, wValue);
        map.SetAt(wKey, wValue);
    }
    return READ_DONE;
}

CFieldMapFile::Result CFieldMapFile::ReadReporting(UINT nFromID, UINT nToID, CFieldMap& map)
{
    const Result result = Read(PathOf(nFromID, nToID), map);
    if (result != READ_DONE)
        AfxMessageBox(result == READ_MISSING ? kMissing : kDamaged);
    return result;
}
