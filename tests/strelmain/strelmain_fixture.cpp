#include "strelmain_fixture.h"

#include "jpeg_fixture.h"
#include "mirtenv.h"
#include "ownedread.h"
#include "prtdatainfo.h"
#include "test_paths.h"

CPrtDataInfo* NewGroup(const char* pszName, std::initializer_list<std::pair<const char*, DWORD>> categories)
{
    CPrtDataInfo* pGroup = new CPrtDataInfo;
    pGroup->m_strGroupName = pszName;
    for (const auto& category : categories) {
        pGroup->m_arrCategory.Add(category.first);
        pGroup->m_arrCategoryCount.Add(category.second);
    }
    pGroup->m_arrTitleWidth.Add(0);
    return pGroup;
}

void AddForm(CPrtDataInfo& group, DWORD dwID, DWORD dwSource, const char* pszTitle, const char* pszNote,
    DWORD dwPreviewRequired, DWORD dwTextColour)
{
    group.m_arrLayoutID.Add(dwID);
    group.m_arrSourceID.Add(dwSource);
    group.m_arrTitle.Add(pszTitle);
    group.m_arrTitleNote.Add(pszNote);
    group.m_arrExtra1.Add("");
    group.m_arrExtra2.Add("");
    group.m_arrDescription.Add(CString(pszTitle) + "の説明");
    group.m_arrPreview.Add(dwPreviewRequired);
    group.m_arrSheetName.Add("");
    group.m_arrTextColour.Add(dwTextColour);
    group.m_arrExtra3.Add(0);
    group.m_arrOrgPath.Add("");
}

void StrelMainTest::SetUp()
{
    m_root = FreshTestFolder();
    for (const char* pszFolder : {"\\exe", "\\DATA", "\\DATA\\MyData", "\\DATA\\Preview", "\\DATA\\Other"})
        ::CreateDirectoryA(Path(pszFolder).c_str(), nullptr);
    CMirtEnv::SetRootOverride(m_root.c_str());
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_HIDE);
    // A white 2 x 2 background.
    const unsigned char background[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2,
        0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF,
        0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
    static_assert(sizeof background == 70, "a 2 x 2 BMP file");
    WriteBytes(Path("\\exe\\QamMain.bmp"), background, sizeof background);
    WritePreview("White.jpg");
}

void StrelMainTest::TearDown()
{
    m_app.m_pMainWnd = nullptr;
    CMirtEnv::SetRootOverride(nullptr);
}

void StrelMainTest::WriteIndex(std::initializer_list<CPrtDataInfo*> groups)
{
    CObList list;
    for (CPrtDataInfo* pGroup : groups)
        list.AddTail(pGroup);
    CFile file(Path(PRTDATA_INDEX_FILE).c_str(), CFile::modeCreate | CFile::modeWrite);
    const LONG nGroups = static_cast<LONG>(list.GetCount());
    file.Write(&nGroups, sizeof nGroups);
    CArchive ar(&file, CArchive::store, 4096);
    list.Serialize(ar);
    ar.Close();
    file.Close();
    MirtDeleteOwnedList(list);
}

void StrelMainTest::WritePreview(const char* pszName)
{
    WriteBytes(Path("\\DATA\\Preview\\") + pszName, kRedBlueJpeg, kRedBlueJpegSize);
}
