// CPrtDataInfo: one group of the form library index "QamMainData.dat": the
// group's name and parallel arrays, element i of the per-form arrays
// describing form i of the group. The launcher and the form screen share it.
#pragma once
#include <afx.h>
#include <afxcoll.h>

#pragma pack(push, 4)

class CPrtDataInfo : public CObject
{
    DECLARE_SERIAL(CPrtDataInfo)
public:
    CPrtDataInfo();
    ~CPrtDataInfo() override;

    // The name, then each array in the order of the members below.
    void Serialize(CArchive& ar) override;

    CString m_strGroupName;          // the pick-up group is "ﾋﾟｯｸｱｯﾌﾟ"
    CStringArray m_arrCategory;      // category names
    CDWordArray m_arrCategoryCount;  // forms per category, in category order
    CDWordArray m_arrTitleWidth;     // element 0: longest pick-up title in bytes
    CDWordArray m_arrLayoutID;       // the id passed with " /L:"; above 39999 registered
    CDWordArray m_arrSourceID;       // a registered form's original layout id, else 0
    CStringArray m_arrTitle;         // form title
    CStringArray m_arrTitleNote;     // note; prefix of the default sheet name
    CStringArray m_arrExtra1;        // carried along
    CStringArray m_arrExtra2;        // carried along
    CStringArray m_arrDescription;   // shown by the launcher
    CDWordArray m_arrPreview;        // preview-required flag
    CStringArray m_arrSheetName;     // input-assistance sheet: empty default, "-" none
    CDWordArray m_arrTextColour;     // the launcher's list colour flag
    CDWordArray m_arrExtra3;         // carried along
    CStringArray m_arrOrgPath;       // a registered form's layout file
};

#pragma pack(pop)

// The group name of the user's own pick-up list.
#define PRTDATA_PICKUP_GROUP "ﾋﾟｯｸｱｯﾌﾟ"
// The index below the install root.
#define PRTDATA_INDEX_FILE "\\DATA\\MYDATA\\QamMainData.dat"
