// The form window base loading a layout file: SetFormat between InitMember
// and CreateList, and the face lists that CreateList builds.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "field_fixture.h"
#include "mirtenv.h"
#include "test_paths.h"

namespace {

// A template whose clone is null.
class CNoCloneField : public CTestGroup
{
    DECLARE_SERIAL(CNoCloneField)
public:
    CNoCloneField() = default;
    CNPropObj* Clone(int, int) override { return nullptr; }
};

IMPLEMENT_SERIAL(CNoCloneField, CTestGroup, 1)

// A form window that logs its InitMember and CreateList calls with the
// layout id it holds at that time.
class CLoggingFormWnd : public CTestFormWnd
{
public:
    std::vector<std::string> m_calls;

    const CObList& Men() const { return m_listMen; }
    CNMirtLayoutData* Layout() const { return m_pLayout; }
    void BuildLists() { CreateList(); }

    // Every member that InitMember resets, away from its first value.
    void Disturb(CWnd* pParent, CNPropObj* pField)
    {
        SetParentWnd(pParent);
        SetMargin(CSize(3, 4));
        SetPercent(150);
        SetbRecieve(1);
        SetPrintPaper(1);
        SetMetaFile(0);
        SetModify(1);
        SetUsrNo(7);
        m_nWndKind = 2;
        m_rectAria = m_rectSecond = m_rectThird = {1, 2, 3, 4};
        m_pCurPropObj = pField;
    }
    void ExpectReset() const
    {
        EXPECT_EQ(nullptr, GetParentWnd());
        EXPECT_EQ(CSize(0, 0), GetMargin());
        EXPECT_EQ(100u, GetPercent());
        EXPECT_EQ(0, GetbRecieve());
        EXPECT_EQ(0u, GetPrintPaper());
        EXPECT_EQ(1u, GetMetaFileA());
        EXPECT_EQ(0, GetModify());
        EXPECT_EQ(7u, GetUsrNo()) << "kept";
        EXPECT_EQ(1u, m_nWndKind);
        EXPECT_TRUE(CRect(m_rectAria).IsRectNull());
        EXPECT_TRUE(CRect(m_rectSecond).IsRectNull());
        EXPECT_TRUE(CRect(m_rectThird).IsRectNull());
        EXPECT_EQ(nullptr, m_pCurPropObj);
    }

protected:
    void InitMember() override
    {
        Log("InitMember");
        CTestFormWnd::InitMember();
    }
    void CreateList() override
    {
        Log("CreateList");
        CTestFormWnd::CreateList();
    }

private:
    void Log(const char* pszCall) { m_calls.push_back(pszCall + std::string(" ") + std::to_string(GetLayoutID())); }
};

// Face lists as "<face>[<order>@<left>,<top> ...]", space-separated.
std::string Describe(const CObList& listMen)
{
    std::string text;
    for (POSITION pos = listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData* pMen = static_cast<const CPropData*>(listMen.GetNext(pos));
        text += (text.empty() ? "" : " ") + std::to_string(pMen->m_nMen) + "[";
        POSITION posField;
        const char* pszSep = "";
        for (CNPropObj* pField = pMen->GetFirstPropObj(posField); pField != nullptr;
             pField = pMen->GetNextPropObj(posField), pszSep = " ")
            text += pszSep + std::to_string(pField->m_nOrder) + "@" + std::to_string(pField->m_rect.left) + "," +
                    std::to_string(pField->m_rect.top);
        text += "]";
    }
    return text;
}

CNPropObj* Template(UINT nOrder, LONG x, LONG y)
{
    return new CTestGroup(MakeBlock(nOrder, {x, y, x + 100, y + 50}));
}

CNMirtLayoutData* MakeLayout(UINT nLayoutID, const std::vector<CPoint>& faces)
{
    CNMirtLayoutData* pLayout = new CNMirtLayoutData;
    pLayout->m_nLayoutID = nLayoutID;
    for (const CPoint& origin : faces)
        pLayout->m_LayoutData.m_arrayMen.Add(origin);
    return pLayout;
}

// An install root of its own for each test, with its "\DATA\FMT\" folder.
class SetFormatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        ::CreateDirectoryA((m_root + "\\DATA").c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\DATA\\FMT").c_str(), nullptr);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    // Stores the layout as "ON<id>.FMT", cut after nKeep bytes when given.
    void WriteLayoutFile(CNMirtLayoutData& layout, size_t nKeep = std::string::npos)
    {
        const std::string bytes = Store(layout).substr(0, nKeep);
        CFile file(FmtPath(layout.m_nLayoutID).c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    }
    std::string FmtPath(UINT nLayoutID) const
    {
        return m_root + "\\DATA\\FMT\\ON" + std::to_string(nLayoutID) + ".FMT";
    }

    std::string m_root;
};

TEST_F(SetFormatTest, LoadsTheFileBetweenInitMemberAndCreateList)
{
    std::unique_ptr<CNMirtLayoutData> pFile(MakeLayout(321, {{100, 200}, {100, 1700}}));
    pFile->m_nTableFirstOrder = 2;
    pFile->m_listOutside.AddTail(Template(1, 10, 20));
    pFile->m_listFaces.AddTail(Template(2, 0, 0));
    pFile->m_listFaces.AddTail(Template(3, 0, 60));
    WriteLayoutFile(*pFile);

    CLoggingFormWnd form;
    form.SetLayout(MakeLayout(5, {}));
    form.AddFace(new CPropData);
    CTestGroup current;
    CWnd parent;
    form.Disturb(&parent, &current);
    ASSERT_EQ(1, form.SetFormat(321));
    EXPECT_EQ((std::vector<std::string>{"InitMember 5", "CreateList 321"}), form.m_calls);
    form.ExpectReset();
    EXPECT_EQ(321u, form.GetLayoutID());
    EXPECT_EQ(2u, form.GetTableFirstOrder());
    EXPECT_EQ("0[1@110,220] 1[2@100,200 3@100,260] 2[2@100,1700 3@100,1760]", Describe(form.Men()));
    EXPECT_EQ(1, form.Layout()->m_listOutside.GetCount());
    EXPECT_EQ(2, form.Layout()->m_listFaces.GetCount());
}

TEST_F(SetFormatTest, MissingFileKeepsWhatTheWindowHad)
{
    CLoggingFormWnd form;
    form.SetLayout(MakeLayout(5, {}));
    form.AddFace(new CPropData);
    form.SetPercent(150);
    EXPECT_EQ(0, form.SetFormat(4711));
    EXPECT_TRUE(form.m_calls.empty());
    EXPECT_EQ(5u, form.GetLayoutID());
    EXPECT_EQ(1, form.Men().GetCount());
    EXPECT_EQ(150u, form.GetPercent());
}

// A file that does not read whole is refused like a missing one: the
// window keeps its layout, its face lists and its settings.
TEST_F(SetFormatTest, DamagedFileKeepsWhatTheWindowHad)
{
    std::unique_ptr<CNMirtLayoutData> pOld(MakeLayout(321, {{0, 0}}));
    pOld->m_listFaces.AddTail(Template(2, 0, 0));
    WriteLayoutFile(*pOld);
    std::unique_ptr<CNMirtLayoutData> pNew(MakeLayout(322, {{0, 0}, {0, 1500}}));
    pNew->m_listFaces.AddTail(Template(2, 0, 0));
    pNew->m_listFaces.AddTail(Template(3, 0, 60));
    const size_t nWhole = Store(*pNew).size();
    const size_t cuts[] = {0, 4, 40, nWhole / 2, nWhole - 1};
    for (size_t nKeep : cuts) {
        SCOPED_TRACE(nKeep);
        WriteLayoutFile(*pNew, nKeep);
        CLoggingFormWnd form;
        ASSERT_EQ(1, form.SetFormat(321));
        CWnd parent;
        form.SetParentWnd(&parent);
        form.SetPercent(150);
        const CNMirtLayoutData* pLayout = form.Layout();
        const void* pFirstFace = form.Men().GetHead();
        form.m_calls.clear();
        EXPECT_EQ(0, form.SetFormat(322));
        EXPECT_TRUE(form.m_calls.empty());
        EXPECT_EQ(pLayout, form.Layout());
        EXPECT_EQ(321u, form.GetLayoutID());
        EXPECT_EQ("1[2@0,0]", Describe(form.Men()));
        EXPECT_EQ(pFirstFace, form.Men().GetHead());
        EXPECT_EQ(&parent, form.GetParentWnd());
        EXPECT_EQ(150u, form.GetPercent());
    }
    WriteLayoutFile(*pNew);
    CLoggingFormWnd form;
    ASSERT_EQ(1, form.SetFormat(322));
    EXPECT_EQ("1[2@0,0 3@0,60] 2[2@0,1500 3@0,1560]", Describe(form.Men()));
}

// A layout object given in place of a file: a copy without templates; the
// face lists stay.
TEST(SetFormatLayoutTest, CopiesTheLayoutAndKeepsTheLists)
{
    CLoggingFormWnd form;
    EXPECT_EQ(0, form.SetFormat(static_cast<CNMirtLayoutData*>(nullptr)));
    EXPECT_EQ(nullptr, form.Layout());
    form.AddFace(new CPropData);
    CNMirtLayoutData given;
    given.m_nLayoutID = 40001;
    given.m_nTableLine = 7;
    given.m_LayoutData.m_arrayMen.Add(CPoint(0, 0));
    given.m_LayoutData.m_arrayMen.Add(CPoint(0, 1485));
    given.m_listFaces.AddTail(Template(2, 0, 0));
    for (int i = 0; i < 2; i++) {
        ASSERT_EQ(1, form.SetFormat(&given));
        EXPECT_NE(&given, form.Layout());
        EXPECT_EQ(40001u, form.GetLayoutID());
        EXPECT_EQ(7u, form.GetTableLine());
        EXPECT_EQ(2u, form.GetMenCount());
        EXPECT_TRUE(form.Layout()->m_listFaces.IsEmpty());
        EXPECT_EQ(1, form.Men().GetCount());
        EXPECT_TRUE(form.m_calls.empty());
    }
    // Its own layout given back keeps what it holds.
    ASSERT_EQ(1, form.SetFormat(form.Layout()));
    EXPECT_EQ(40001u, form.GetLayoutID());
    EXPECT_EQ(2u, form.GetMenCount());
}

TEST(CreateListTest, FaceListsFromTheTemplates)
{
    struct Case
    {
        std::vector<CPoint> faces;
        bool bOutside;
        bool bFaceTemplates;
        const char* pszLists;
    };
    const Case cases[] = {
        {{}, false, false, ""},
        {{}, true, true, "0[1@10,20]"},
        {{{5, 6}}, false, false, ""},
        {{{5, 6}}, false, true, "1[2@5,6 3@5,66]"},
        {{{5, 6}, {7, 8}}, true, false, "0[1@15,26]"},
        {{{5, 6}, {7, 8}}, true, true, "0[1@15,26] 1[2@5,6 3@5,66] 2[2@7,8 3@7,68]"},
    };
    for (const Case& c : cases) {
        CLoggingFormWnd form;
        CNMirtLayoutData* pLayout = MakeLayout(1, c.faces);
        if (c.bOutside) {
            pLayout->m_listOutside.AddTail(new CNoCloneField);
            pLayout->m_listOutside.AddTail(Template(1, 10, 20));
        }
        if (c.bFaceTemplates) {
            pLayout->m_listFaces.AddTail(Template(2, 0, 0));
            pLayout->m_listFaces.AddTail(new CNoCloneField);
            pLayout->m_listFaces.AddTail(Template(3, 0, 60));
        }
        form.SetLayout(pLayout);
        form.BuildLists();
        EXPECT_EQ(c.pszLists, Describe(form.Men())) << c.pszLists;
    }
}

TEST(CreateListTest, NothingWithoutLayout)
{
    CLoggingFormWnd form;
    form.BuildLists();
    EXPECT_TRUE(form.Men().IsEmpty());
}

}  // namespace
