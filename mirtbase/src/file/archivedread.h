// A file read whole through a load archive.
#pragma once
#include <afx.h>

enum class ArchivedRead
{
    Missing,   // no such file
    Unopened,  // it exists but does not open for reading
    Damaged,   // the archive threw while reading
    Done,
};

// Opens lpszPath for reading and calls load(CArchive&); an exception out of
// load is caught and deleted.
template <class Load>
ArchivedRead ReadArchivedFile(LPCSTR lpszPath, Load load, UINT nBufferSize = 4096)
{
    if (::GetFileAttributesA(lpszPath) == INVALID_FILE_ATTRIBUTES)
        return ArchivedRead::Missing;
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return ArchivedRead::Unopened;
    try {
        CArchive ar(&file, CArchive::load, nBufferSize);
        load(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return ArchivedRead::Damaged;
    }
    return ArchivedRead::Done;
}
