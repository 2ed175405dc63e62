// CMainDataList: the form library index "QamMainData.dat" in memory, read
// when the object is made. A dialog class of the framework that never makes
// a window.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

class CPrtDataInfo;

class CMainDataList : public CDialog
{
public:
    // Loads the index list.
    CMainDataList();
    ~CMainDataList() override;

    // The index (or the lookup copy) from the file, which is made holding
    // the count 0 when missing. A file that cannot be read shows
    // "ファイル操作エラーです。" and gives FALSE; the list then keeps what it
    // had.
    BOOL Load();
    BOOL LoadLookup();

    // The title of the first form with the layout id, in the first group
    // that has one; empty when none. strSheet gets its input-assistance
    // sheet ("-" none; empty: the title note without trailing blanks, a
    // blank, the title and ".xls") and dwValue its text-colour flag.
    CString FindForm(DWORD dwLayoutID, CString& strSheet, DWORD& dwValue) const
    {
        return FindForm(m_listIndex, dwLayoutID, strSheet, dwValue);
    }
    // The source layout id of the form with that layout id (the last group
    // with a match wins); 0 when none.
    DWORD FindSourceId(DWORD dwLayoutID) const { return FindSourceId(m_listIndex, dwLayoutID); }
    // The same in a list of groups (CPrtDataInfo).
    static CString FindForm(const CObList& groups, DWORD dwLayoutID, CString& strSheet, DWORD& dwValue);
    static DWORD FindSourceId(const CObList& groups, DWORD dwLayoutID);

    void ClearIndex();
    void ClearLookup();

    const CObList& Index() const { return m_listIndex; }

private:
    CObList m_listIndex;    // CPrtDataInfo, owned
    CObList m_listLookup;   // CPrtDataInfo, owned; filled while a form is registered
};
