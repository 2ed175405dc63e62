// CAddFileInfo: one outside file carried inside a form data file. A store
// copies the file's bytes into the archive; a load writes them to a new file.
// Internal to MirtBase.dll: made with a name and a path, serialised once,
// deleted.
#pragma once
#include <afx.h>

#pragma pack(push, 4)

class CAddFileInfo : public CObject
{
    DECLARE_SERIAL(CAddFileInfo)
public:
    CAddFileInfo();
    CAddFileInfo(const CString& strName, const CString& strPath);

    // The record: version, marker, name, marker, size, then the bytes in
    // chunks of at most 4096.
    // Store: the file at m_strPath; one that does not open goes with size 0.
    // Load: the bytes go to a new file at m_strPath, never over an existing
    // one. A bad marker sets the error flag and ends the load with the rest
    // of the record unread (IsRecordRead is FALSE). A file that cannot be
    // made sets the error flag and its bytes are read and dropped; so are
    // they when m_strPath is empty, without error. A short archive throws
    // CArchiveException endOfFile and leaves no partial file.
    void Serialize(CArchive& ar) override;

    // After a load: the archive stands after the whole record.
    BOOL IsRecordRead() const { return m_bRecordRead; }

    DWORD m_dwVersion;
    DWORD m_dwError;      // 1 after a load met a bad marker or could not make the file
    DWORD m_dwMarker;
    CString m_strPath;    // source on store, destination on load
    DWORD m_dwSize;
    CString m_strName;    // the stored name

private:
    void Store(CArchive& ar);
    void Load(CArchive& ar);
    // Reads a marker; FALSE (with the error flag set) when it differs.
    BOOL LoadMarker(CArchive& ar);
    void LoadBytes(CArchive& ar);

    BOOL m_bRecordRead;
};

#pragma pack(pop)
