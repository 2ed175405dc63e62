// The attached files of a page container: the attached-name list and one
// CAddFileInfo record per name, in list order.
#include "strel95data.h"

#include "file/addfileinfo.h"
#include "nmirtdoc.h"
#include "file/nocaselookup.h"

namespace {

// A name that names a file right in its folder.
BOOL IsPlainFileName(const CString& strName)
{
    return !strName.IsEmpty() && strName.FindOneOf("\\/:") < 0 && strName != "." && strName != "..";
}

BOOL IsFileInFolder(const CString& strPath, const CString& strFolder)
{
    const int nFolder = strFolder.GetLength();
    return nFolder > 0 && strPath.Left(nFolder).CompareNoCase(strFolder) == 0 &&
           IsPlainFileName(strPath.Mid(nFolder));
}

// Value to key of every entry.
void Reverse(const CMapStringToString& map, CMapStringToString& reversed)
{
    CString strKey;
    CString strValue;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, strKey, strValue);
        reversed[strValue] = strKey;
    }
}

// Leaves in the list only the names that are keys of the map.
void KeepMapped(CStringList& list, const CMapStringToString& map)
{
    CString strValue;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        const POSITION here = pos;
        if (!map.Lookup(list.GetNext(pos), strValue))
            list.RemoveAt(here);
    }
}

}  // namespace

// Only a page that carries its picture files leaves names in the path list.
// A name is written only with its record, so that a reader can take one
// record for every name.
void CStrel95Data::StoreAttachments(CArchive& ar, UINT nMode)
{
    if (nMode != CNMirtDoc::WRMODE_CARRY)
        m_listPath.RemoveAll();
    CMapStringToString mapSource(10);
    Reverse(m_mapPath, mapSource);
    KeepMapped(m_listPath, mapSource);
    m_listPath.Serialize(ar);
    for (POSITION pos = m_listPath.GetHeadPosition(); pos != nullptr;) {
        const CString strName = m_listPath.GetNext(pos);
        CString strSource;
        mapSource.Lookup(strName, strSource);
        CAddFileInfo info(strName, strSource);
        info.Serialize(ar);
    }
}

// Every name has its record; a name without a place to go (not mapped, or
// mapped outside the receive folder) and a file that cannot be made have
// their bytes read and dropped, so the archive stays in step. A record with
// a bad marker leaves the archive out of step: the load ends with
// CArchiveException badIndex.
void CStrel95Data::LoadAttachments(CArchive& ar)
{
    m_listAttached.RemoveAll();
    m_listAttached.Serialize(ar);
    if (m_listAttached.IsEmpty())
        return;
    m_listPath.RemoveAll();
    for (POSITION pos = m_listAttached.GetHeadPosition(); pos != nullptr;) {
        const CString strName = m_listAttached.GetNext(pos);
        const CString strPath = AttachmentPath(strName);
        CAddFileInfo info(strName, strPath);
        info.Serialize(ar);
        if (!info.IsRecordRead())
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        if (!strPath.IsEmpty() && info.m_dwError == 0)
            m_listPath.AddTail(strPath);
    }
}

CString CStrel95Data::AttachmentPath(const CString& strName) const
{
    CString strPath;
    if (!MirtLookupNoCase(m_mapPath, strName, strPath) || !IsFileInFolder(strPath, m_strRcvPath))
        return CString();
    return strPath;
}
