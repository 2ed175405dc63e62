// The sample forms that the build writes into the install tree load back
// through the form window base.
#include <gtest/gtest.h>

#include <string>

#include "field_fixture.h"
#include "mirtenv.h"
#include "test_paths.h"

namespace {

// The install tree the tests run from: above SUITE_EXE_DIR, else beside
// the test program's folder.
std::string InstallRoot()
{
    std::string exeDir = FolderFromEnvironment("SUITE_EXE_DIR");
    if (exeDir.empty()) {
        char path[MAX_PATH];
        ::GetModuleFileNameA(nullptr, path, sizeof path);
        exeDir = path;
        exeDir = exeDir.substr(0, exeDir.rfind('\\'));
        exeDir = exeDir.substr(0, exeDir.rfind('\\')) + "\\install\\exe";
    }
    return exeDir.substr(0, exeDir.rfind('\\'));
}

class CSampleFormWnd : public CTestFormWnd
{
public:
    const CNMirtLayoutData* Layout() const { return m_pLayout; }
};

TEST(SampleFormsTest, InstalledFormsLoad)
{
    struct Case
    {
        UINT nLayoutID;
        const char* pszTitle;
        int nFaces;
        UINT nTableFirst;
        UINT nTableLast;
        UINT nTableLines;
    };
    const Case cases[] = {
        {9001, "納品書", 1, 11, 60, 10},
        {9002, "請求書", 1, 21, 52, 8},
        {9003, "伝票", 3, 0, 0, 0},
    };
    CMirtEnv::SetRootOverride(InstallRoot().c_str());
    for (const Case& c : cases) {
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(c.nLayoutID)) << InstallRoot() << " " << c.nLayoutID;
        const CNMirtLayoutData* pLayout = form.Layout();
        EXPECT_EQ(c.nLayoutID, form.GetLayoutID());
        EXPECT_STREQ(c.pszTitle, pLayout->m_strText1);
        EXPECT_EQ(c.nFaces, pLayout->GetMenCount());
        EXPECT_EQ(CRect(0, 0, 2100, 2970), CRect(pLayout->m_LayoutData.m_rectAria));
        EXPECT_EQ(c.nTableFirst, form.GetTableFirstOrder());
        EXPECT_EQ(c.nTableLast, form.GetTableLastOrder());
        EXPECT_EQ(c.nTableLines, form.GetTableLine());
        // Each face's origin lies on the paper, the faces one below the other.
        for (int i = 0; i < pLayout->GetMenCount(); i++) {
            const CPoint origin = pLayout->m_LayoutData.m_arrayMen[i];
            EXPECT_EQ(0, origin.x);
            EXPECT_EQ(i * 2970 / c.nFaces, origin.y);
        }
    }
    CMirtEnv::SetRootOverride(nullptr);
}

}  // namespace
