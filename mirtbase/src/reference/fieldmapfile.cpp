#include "fieldmapfile.h"

#include "file/archivedread.h"
#include "mirtpath.h"

namespace {

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
    CFieldMap read;
    const ArchivedRead result = ReadArchivedFile(lpszPath, [&read](CArchive& ar) { read.Serialize(ar); });
    if (result != ArchivedRead::Done)
        return result == ArchivedRead::Damaged ? READ_FAILED : READ_MISSING;
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
