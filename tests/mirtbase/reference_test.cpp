// The reference windows: fields filled by order and face from a page of
// their own layout, through a field map file from another layout, the
// messages of a missing or damaged map, the sub-forms that take the same
// page, and the sub-form button that makes a sub-form in its dialog.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "mirtbaseref.h"
#include "mirtenv.h"
#include "msgbox_recorder.h"
#include "npropobjbtnsub.h"
#include "npropobjdoc.h"
#include "page_fixture.h"
#include "test_paths.h"
#include "windows/formfields.h"

namespace {

const char kMissing[] = "対応するﾏｯﾌﾟﾌｧｲﾙが存在しません";
const char kDamaged[] = "ﾏｯﾌﾟﾃﾞｰﾀ読み込みｴﾗｰです";
const RECT kRect = {0, 0, 100, 50};

// A sub-form whose layout and faces the test gives.
class CTestSub : public CMirtBaseSub
{
public:
    CTestSub(UINT nLayoutID, std::vector<CPropData*> faces)
    {
        m_pLayout = MakeLayout(nLayoutID, {{0, 0}}).release();
        for (CPropData* pFace : faces) {
            m_listMen.AddTail(pFace);
            MirtForEachField(*pFace, [this](CNPropObj& field) { field.m_pOwner = this; });
        }
    }

    BOOL CreateUnder(CWnd* pParent)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "form", WS_CHILD, CRect(0, 0, 300, 200), pParent, 1);
    }

    // "<face>/<order>=<value> " of each field.
    std::string Values() const
    {
        std::string text;
        MirtForEachField(m_listMen, [&text](const CPropData& face, CNPropObj& field) {
            text += std::to_string(face.m_nMen) + "/" + std::to_string(field.m_nOrder) + "=" +
                std::string(field.m_strData) + " ";
        });
        return text;
    }
};

// A page of layout nLayoutID.
CNMirtDoc* Page(UINT nLayoutID, std::vector<CPropData*> faces)
{
    CNMirtDoc* pDoc = MakePage(faces);
    tagNMIRTDOC record;
    pDoc->GetMIRTDOC(&record, 1);
    record.head.nLayoutID = nLayoutID;
    pDoc->SetMIRTDOC(&record, 1);
    return pDoc;
}

// Layout 9 of two faces: orders 1 and 2, then 1 and 3, all empty.
CTestSub* Target()
{
    return new CTestSub(9, {Face(1, {TextField(1, kRect), TextField(2, kRect)}),
                               Face(2, {TextField(1, kRect), TextField(3, kRect)})});
}

// A page of layout nLayoutID of two faces: orders 1 and 2 ("a", "b"), then
// 1 and 3 ("c", "d").
CNMirtDoc* SourcePage(UINT nLayoutID)
{
    return Page(nLayoutID, {Face(1, {TextField(1, kRect, "a"), TextField(2, kRect, "b")}),
                               Face(2, {TextField(1, kRect, "c"), TextField(3, kRect, "d")})});
}

// Map entries (target order, source order) in the file's form.
std::string MapBytes(std::vector<std::pair<WORD, WORD>> entries)
{
    std::string bytes;
    auto put = [&bytes](WORD w) {
        bytes += static_cast<char>(w & 0xFF);
        bytes += static_cast<char>(w >> 8);
    };
    put(static_cast<WORD>(entries.size()));
    for (const auto& entry : entries) {
        put(entry.first);
        put(entry.second);
    }
    return bytes;
}

class ReferenceTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        for (const char* folder : {"\\DATA", "\\DATA\\MAP", "\\DATA\\FMT"})
            ::CreateDirectoryA((m_root + folder).c_str(), nullptr);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    void WriteMap(UINT nFrom, UINT nTo, const std::string& bytes)
    {
        CFile file(CFieldMapFile::PathOf(nFrom, nTo), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    }

    std::string m_root;
};

TEST_F(ReferenceTest, OwnLayoutCopiesByOrderAndFaceWithoutAMapFile)
{
    std::unique_ptr<CTestSub> pWnd(Target());
    pWnd->SetRefMap(9);
    EXPECT_EQ(9u, pWnd->GetFromID());
    std::unique_ptr<CNMirtDoc> pOther(SourcePage(7));
    pWnd->SetEnterData(0, pOther.get());
    EXPECT_EQ("1/1= 1/2= 2/1= 2/3= ", pWnd->Values()) << "a page of another layout than the source";
    std::unique_ptr<CNMirtDoc> pPage(SourcePage(9));
    pWnd->SetEnterData(0, pPage.get());
    EXPECT_EQ("1/1=a 1/2=b 2/1=c 2/3=d ", pWnd->Values());
}

TEST_F(ReferenceTest, AMapFileCarriesFieldsOfAnotherLayout)
{
    // Target 1 from source 3 (the later entry wins), 2 from a missing source
    // order, 3 from source 2; target 3 on face 2 has the same key.
    WriteMap(7, 9, MapBytes({{1, 1}, {2, 40}, {3, 2}, {1, 3}}));
    std::unique_ptr<CTestSub> pWnd(Target());
    pWnd->SetRefMap(7);
    std::unique_ptr<CNMirtDoc> pPage(SourcePage(7));
    pWnd->SetEnterData(1, pPage.get());
    EXPECT_EQ("1/1=d 1/2= 2/1=d 2/3=b ", pWnd->Values());
}

TEST_F(ReferenceTest, AMissingOrDamagedMapIsReportedAndLeavesNoMap)
{
    WriteMap(7, 9, MapBytes({{1, 1}}));
    WriteMap(8, 9, MapBytes({{1, 1}, {2, 2}}).substr(0, 7));
    std::unique_ptr<CTestSub> pWnd(Target());
    pWnd->SetRefMap(7);
    struct Case
    {
        UINT nSource;
        const char* pszMessage;
    };
    for (const Case& c : {Case{6, kMissing}, Case{8, kDamaged}}) {
        pWnd->SetRefMap(7);
        MessageBoxRecorder boxes;
        pWnd->SetRefMap(c.nSource);
        ASSERT_EQ(1u, boxes.shown().size()) << c.nSource;
        EXPECT_EQ(c.pszMessage, boxes.shown()[0].text);
        EXPECT_EQ(c.nSource, pWnd->GetFromID());
        std::unique_ptr<CNMirtDoc> pPage(SourcePage(c.nSource));
        pWnd->SetEnterData(0, pPage.get());
        EXPECT_EQ("1/1= 1/2= 2/1= 2/3= ", pWnd->Values()) << "layout 7's map is not used for " << c.nSource;
    }
}

TEST_F(ReferenceTest, SubFormsTakeThePageOfTheirSourceAndLeaveTheListWhenDeleted)
{
    std::unique_ptr<CTestSub> pParent(Target());
    pParent->SetRefMap(9);
    CTestSub* pSame = new CTestSub(9, {Face(1, {TextField(2, kRect)})});
    pSame->SetRefMap(9);
    CTestSub* pOther = new CTestSub(5, {Face(1, {TextField(1, kRect)})});
    WriteMap(7, 5, MapBytes({{1, 1}}));
    pOther->SetRefMap(7);
    pParent->AddMirtBaseSub(pSame);
    pParent->AddMirtBaseSub(nullptr);
    pParent->AddMirtBaseSub(pOther);
    ASSERT_EQ(2, pParent->GetSubList().GetCount());

    std::unique_ptr<CNMirtDoc> pPage(SourcePage(9));
    pParent->SetEnterData(0, pPage.get());
    EXPECT_EQ("1/2=b ", pSame->Values());
    EXPECT_EQ("1/1= ", pOther->Values()) << "its source is layout 7";

    delete pSame;
    ASSERT_EQ(1, pParent->GetSubList().GetCount());
    EXPECT_EQ(pOther, pParent->GetSubList().GetHead());
    pParent.reset();
    delete pOther;   // its keeper went first
}

// A reference window over a parent window holding a sub-form button of
// layout 12 on the face of layout 9.
class SubFormButtonTest : public ReferenceTest
{
protected:
    void SetUp() override
    {
        ReferenceTest::SetUp();
        std::unique_ptr<CNMirtLayoutData> pSubLayout(MakeLayout(12, {{0, 0}}));
        const std::string bytes = Store(*pSubLayout);
        CFile file((m_root + "\\DATA\\FMT\\ON12.FMT").c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Close();
        WriteMap(9, 12, MapBytes({}));
        m_pButton = new CNPropObjBtnSub(MakeBlock(4, kRect, 7), WS_CHILD | BS_PUSHBUTTON, 0);
        ASSERT_TRUE(m_pButton->IsEditable()) << "a locked button would lock the whole button class";
        m_pButton->m_nSubLayoutID = 12;
        m_pWnd.reset(new CTestSub(9, {Face(1, {m_pButton})}));
        m_pWnd->SetRefMap(9);
        m_pWnd->SetPercent(150);
        m_pWnd->SetParentWnd(&m_host);
        m_pWnd->CreateUnder(&m_host);
    }

    CMirtBaseSub* OnlySub() const
    {
        return m_pWnd->GetSubList().GetCount() == 1 ? static_cast<CMirtBaseSub*>(m_pWnd->GetSubList().GetHead())
                                                    : nullptr;
    }

    CHostWnd m_host;
    CNPropObjBtnSub* m_pButton = nullptr;
    std::unique_ptr<CTestSub> m_pWnd;
};

TEST_F(SubFormButtonTest, MakesTheSubFormInItsDialogAndReplacesIt)
{
    ASSERT_NE(nullptr, m_pButton->CreateControl(&m_host, 1));
    CMirtBaseSub* pSub = OnlySub();
    ASSERT_NE(nullptr, pSub);
    EXPECT_EQ(12u, pSub->GetLayoutID());
    EXPECT_EQ(9u, pSub->GetFromID());
    EXPECT_EQ(150u, pSub->GetPercent());
    CWnd* pDialog = pSub->GetParentWnd();
    ASSERT_NE(nullptr, pDialog);
    char caption[32] = {};
    ::GetWindowTextA(pDialog->GetSafeHwnd(), caption, sizeof(caption));
    EXPECT_STREQ("ｻﾌﾞ画面", caption);
    EXPECT_EQ(m_host.GetSafeHwnd(), ::GetWindow(pDialog->GetSafeHwnd(), GW_OWNER)) << "the form window's top window";
    EXPECT_FALSE(pDialog->IsWindowVisible());
    m_pButton->Execute(0, 0, 0);
    EXPECT_TRUE(pDialog->IsWindowVisible());

    const HWND hOldDialog = pDialog->GetSafeHwnd();
    ASSERT_NE(nullptr, m_pButton->CreateControl(&m_host, 1));
    EXPECT_FALSE(::IsWindow(hOldDialog));
    ASSERT_NE(nullptr, OnlySub()) << "the old sub-form left the list with its dialog";
    ASSERT_NE(nullptr, OnlySub()->GetParentWnd());
    EXPECT_TRUE(::IsWindow(OnlySub()->GetParentWnd()->GetSafeHwnd()));
    m_pWnd.reset();   // the button, its dialog and the sub-form go with the window's fields
}

TEST_F(SubFormButtonTest, NoSubFormWithoutAReferenceIdOrALayout)
{
    {
        MessageBoxRecorder boxes;
        m_pWnd->SetRefMap(0);
    }
    EXPECT_EQ(nullptr, m_pButton->CreateControl(&m_host, 1));
    EXPECT_TRUE(m_pWnd->GetSubList().IsEmpty());
    m_pWnd->SetRefMap(9);
    m_pButton->m_nSubLayoutID = 0;
    EXPECT_EQ(nullptr, m_pButton->CreateControl(&m_host, 1));
    EXPECT_TRUE(m_pWnd->GetSubList().IsEmpty());
}

}  // namespace
