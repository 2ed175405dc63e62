#include "document/maindatalist.h"

#include <algorithm>

#include "mainindex.h"
#include "ownedread.h"
#include "prtdatainfo.h"

namespace {

// The input-assistance sheet of form i of a group.
CString SheetName(const CPrtDataInfo& group, int i)
{
    CString strSheet = i < group.m_arrSheetName.GetSize() ? group.m_arrSheetName[i] : CString();
    if (strSheet == "-")
        return CString();
    if (!strSheet.IsEmpty())
        return strSheet;
    CString strNote = i < group.m_arrTitleNote.GetSize() ? group.m_arrTitleNote[i] : CString();
    strNote.TrimRight(' ');
    return strNote + " " + group.m_arrTitle[i] + ".xls";
}

}  // namespace

CMainDataList::CMainDataList() : m_listIndex(10), m_listLookup(10)
{
    Load();
}

CMainDataList::~CMainDataList()
{
    ClearIndex();
    ClearLookup();
}

BOOL CMainDataList::Load()
{
    return LoadMainIndex(m_listIndex);
}

BOOL CMainDataList::LoadLookup()
{
    return LoadMainIndex(m_listLookup);
}

CString CMainDataList::FindForm(const CObList& groups, DWORD dwLayoutID, CString& strSheet, DWORD& dwValue)
{
    CString strTitle;
    for (POSITION pos = groups.GetHeadPosition(); pos != nullptr && strTitle.IsEmpty();) {
        const CPrtDataInfo& group = *static_cast<const CPrtDataInfo*>(groups.GetNext(pos));
        const int nForms = std::min(group.m_arrLayoutID.GetSize(), group.m_arrTitle.GetSize());
        for (int i = 0; i < nForms; ++i) {
            if (group.m_arrLayoutID[i] == dwLayoutID) {
                strTitle = group.m_arrTitle[i];
                dwValue = i < group.m_arrTextColour.GetSize() ? group.m_arrTextColour[i] : 0;
                strSheet = SheetName(group, i);
                break;
            }
        }
    }
    return strTitle;
}

DWORD CMainDataList::FindSourceId(const CObList& groups, DWORD dwLayoutID)
{
    DWORD dwSource = 0;
    for (POSITION pos = groups.GetHeadPosition(); pos != nullptr;) {
        const CPrtDataInfo& group = *static_cast<const CPrtDataInfo*>(groups.GetNext(pos));
        for (int i = 0; i < group.m_arrLayoutID.GetSize(); ++i) {
            if (group.m_arrLayoutID[i] == dwLayoutID) {
                dwSource = i < group.m_arrSourceID.GetSize() ? group.m_arrSourceID[i] : 0;
                break;
            }
        }
    }
    return dwSource;
}

void CMainDataList::ClearIndex()
{
    MirtDeleteOwnedList(m_listIndex);
}

void CMainDataList::ClearLookup()
{
    MirtDeleteOwnedList(m_listLookup);
}
