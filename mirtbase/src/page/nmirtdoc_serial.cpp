// CNMirtDoc and CNMirtDocBBS: the stored page records.
#include "nmirtdoc.h"

namespace {

template <class T>
void Exchange(CArchive& ar, T& value)
{
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

}  // namespace

void CNMirtDoc::Serialize(CArchive& ar)
{
    SerializeVersion(ar);
    SerializeHead(ar, TRUE);
    Exchange(ar, m_strTitle);
    SerializeIndexes(ar);
    SerializeBlob(ar);
}

void CNMirtDocBBS::Serialize(CArchive& ar)
{
    SerializeVersion(ar);
    SerializeHead(ar, FALSE);
    Exchange(ar, m_strTitle);
    Exchange(ar, m_strRegistName);
    Exchange(ar, m_strRegistNickName);
    Exchange(ar, m_dateRegist);
    SerializeIndexes(ar);
    SerializeBlob(ar);
}

void CNMirtDoc::SerializeVersion(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nVersion);
        return;
    }
    DWORD dwVersion = 0;
    ar >> dwVersion;
    if (dwVersion != m_nVersion) {
        AfxMessageBox("バージョンが違います");
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    }
}

void CNMirtDoc::SerializeHead(CArchive& ar, BOOL bTail)
{
    Exchange(ar, m_head.h0);
    Exchange(ar, m_head.date);
    Exchange(ar, m_head.h16);
    Exchange(ar, m_head.h20);
    Exchange(ar, m_head.h24);
    Exchange(ar, m_head.nLayoutID);
    Exchange(ar, m_head.h32);
    Exchange(ar, m_head.h36);
    Exchange(ar, m_head.h40);
    if (!bTail)
        return;
    Exchange(ar, m_head.h44);
    Exchange(ar, m_head.h48);
    Exchange(ar, m_head.h52);
}

void CNMirtDoc::SerializeIndexes(CArchive& ar)
{
    for (CString& strIndex : m_strIndex)
        Exchange(ar, strIndex);
}
