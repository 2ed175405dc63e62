// The data-entry window: its fields from the layout with the index fields,
// pages in and out, pages of other layouts through field map files with
// their messages, one pending overflow notice per document, and the cut of
// the lines that overflow a text field.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fieldmapfile.h"
#include "mirtbaseenter.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "msgbox_recorder.h"
#include "nmirtlayoutdata.h"
#include "npropobjdoc.h"
#include "page_fixture.h"
#include "test_paths.h"
#include "test_whiteboard.h"
#include "windows/formfields.h"
#include "zeb95.h"

namespace {

const RECT kRect = {0, 0, 100, 50};
const UINT kOverflow = 112;

CNPropObjDoc* IndexField(UINT nOrder, DWORD dwIndex)
{
    CNPropObjDoc* pField = TextField(nOrder, kRect);
    pField->SetAttr(CNPropObj::ATTRIBUTE_INDEX, dwIndex);
    return pField;
}

class CTestEnter : public CMirtBaseEnter
{
public:
    // Layout 9: outside the faces orders 1 (index 1), 2 (index 2) and 3
    // (index 1 again); on each of two faces order 4.
    explicit CTestEnter(DWORD dwSettingA = 0)
    {
        CNMirtLayoutData* pLayout = MakeLayout(9, {{100, 200}, {100, 3000}}).release();
        pLayout->m_dwSettingA = dwSettingA;
        pLayout->m_dwSettingB = 77;
        pLayout->m_listOutside.AddTail(IndexField(1, 1));
        pLayout->m_listOutside.AddTail(IndexField(2, 2));
        pLayout->m_listOutside.AddTail(IndexField(3, 1));
        pLayout->m_listFaces.AddTail(TextField(4, kRect));
        m_pLayout = pLayout;
        CreateList();
    }
    ~CTestEnter() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

    using CMirtBaseEnter::GetIndexData;
    using CMirtBaseEnter::OnUserRovf;
    using CMirtBaseEnter::OnZebCmd;

    BOOL CreateUnder(CWnd* pParent)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "enter", WS_CHILD, CRect(0, 0, 300, 200), pParent, 1);
    }
    void Set(UINT nMen, UINT nOrder, LPCSTR pszValue)
    {
        MirtForEachField(m_listMen, [&](const CPropData& men, CNPropObj& field) {
            if (men.m_nMen == nMen && field.m_nOrder == nOrder)
                field.m_strData = pszValue;
        });
    }
    // "<face>/<order>=<value> " of each field.
    std::string Values() const
    {
        std::string text;
        MirtForEachField(m_listMen, [&text](const CPropData& men, CNPropObj& field) {
            text += std::to_string(men.m_nMen) + "/" + std::to_string(field.m_nOrder) + "=" +
                std::string(field.m_strData) + " ";
        });
        return text;
    }
    CPoint OutsideOrigin() const
    {
        const CPropData* pOutside = static_cast<const CPropData*>(m_listMen.GetHead());
        POSITION pos;
        return CRect(pOutside->GetFirstPropObj(pos)->m_rect).TopLeft();
    }
};

// A page of layout nLayoutID with one face holding orders 5 ("x") and 6 ("y").
CNMirtDoc* OtherPage(UINT nLayoutID)
{
    CNMirtDoc* pDoc = MakePage({Face(1, {TextField(5, kRect, "x"), TextField(6, kRect, "y")})});
    tagNMIRTDOC record;
    pDoc->GetMIRTDOC(&record, 1);
    record.head.nLayoutID = nLayoutID;
    record.head.h16 = record.head.h36 = record.head.h40 = 5;
    pDoc->SetMIRTDOC(&record, 1);
    return pDoc;
}

// A page of layout 9 that tells when it is deleted.
class CWatchedPage : public CNMirtDoc
{
public:
    explicit CWatchedPage(bool& bDeleted) : m_bDeleted(bDeleted)
    {
        std::unique_ptr<CNMirtDoc> pModel(OtherPage(9));
        tagNMIRTDOC record;
        pModel->GetMIRTDOC(&record, 1);
        SetMIRTDOC(&record, 1);
    }
    ~CWatchedPage() override { m_bDeleted = true; }

private:
    bool& m_bDeleted;
};

class DataEntryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        ::CreateDirectoryA((m_root + "\\DATA").c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\DATA\\MAP").c_str(), nullptr);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    // Count, then (target order, source order) pairs, each a little-endian WORD.
    void WriteMap(UINT nFrom, UINT nTo, const std::vector<WORD>& words, size_t nKeep = std::string::npos)
    {
        std::string bytes;
        for (WORD w : words) {
            bytes += static_cast<char>(w & 0xFF);
            bytes += static_cast<char>(w >> 8);
        }
        bytes = bytes.substr(0, nKeep);
        CFile file(CFieldMapFile::PathOf(nFrom, nTo), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    }

    std::string m_root;
};

TEST_F(DataEntryTest, FieldsOutsideTheFacesStandAtTheOriginAndFeedTheIndex)
{
    CTestEnter enter;
    EXPECT_EQ(CPoint(0, 0), enter.OutsideOrigin());
    enter.Set(0, 1, "one");
    enter.Set(0, 2, "two");
    enter.Set(0, 3, "three");
    EXPECT_EQ("one", std::string(enter.GetIndexData(1))) << "the first field of an index keeps it";
    EXPECT_EQ("two", std::string(enter.GetIndexData(2)));
    EXPECT_EQ("", std::string(enter.GetIndexData(3)));
    EXPECT_EQ("", std::string(enter.GetIndexData(0x10001)));
}

TEST_F(DataEntryTest, PagesGoOutWithTheirIndexAndComeInByFaceList)
{
    CTestEnter enter(1);
    enter.Set(0, 1, "Title");
    enter.Set(0, 2, "second");
    enter.Set(2, 4, "face 2");
    std::unique_ptr<CNMirtDoc> pOut(enter.GetData(0));
    ASSERT_NE(nullptr, pOut);
    tagNMIRTDOC record;
    pOut->GetMIRTDOC(&record, 1);
    EXPECT_EQ("Title", std::string(record.strTitle));
    EXPECT_EQ("Title", std::string(record.strIndex[0]));
    EXPECT_EQ("second", std::string(record.strIndex[1]));
    EXPECT_EQ("", std::string(record.strIndex[9])) << "no date stamps from the index fields";
    EXPECT_EQ(9u, pOut->GetLayoutID());
    EXPECT_EQ(nullptr, enter.GetHeldData());

    CTestEnter other(1);
    EXPECT_EQ(nullptr, other.SetData(pOut.release()));
    EXPECT_EQ("0/1=Title 0/2=second 0/3= 1/4= 2/4=face 2 ", other.Values());
    other.Set(1, 4, "changed");
    std::unique_ptr<CNMirtDoc> pBack(other.SetData(OtherPage(9)));
    ASSERT_NE(nullptr, pBack) << "the held page comes back rebuilt";
    EXPECT_EQ("changed", std::string(pBack->GetPropObjByOrder(4, 1)->m_strData));
    EXPECT_EQ("0/1=x 0/2=y 0/3= 1/4=changed 2/4=face 2 ", other.Values())
        << "the page's one face list fills the first list by position";
}

TEST_F(DataEntryTest, AMapFileCarriesAPageOfAnotherLayout)
{
    // Target 1 <- source 6, target 4 <- source 5, target 2 <- missing 40.
    WriteMap(7, 9, {3, 1, 6, 4, 5, 2, 40});
    CTestEnter enter;
    enter.Set(0, 2, "kept");
    CNMirtDoc* pDoc = OtherPage(7);
    ASSERT_EQ(1, enter.SetDefMapData(pDoc));
    EXPECT_EQ("0/1=y 0/2=kept 0/3= 1/4=x 2/4=x ", enter.Values());
    EXPECT_EQ(pDoc, enter.GetHeldData());
    EXPECT_EQ(9u, pDoc->GetLayoutID());
    tagNMIRTDOC record;
    pDoc->GetMIRTDOC(&record, 1);
    EXPECT_EQ(0u, record.head.h16);
    EXPECT_EQ(9u, record.head.nLayoutID);
    EXPECT_EQ(77u, record.head.h32);
    EXPECT_EQ(0u, record.head.h36);
    EXPECT_EQ(5u, record.head.h40) << "kept";
    EXPECT_EQ("y", std::string(pDoc->GetPropObjByOrder(1, 0)->m_strData));

    ASSERT_EQ(1, enter.SetDefMapData(OtherPage(9))) << "a page of this layout needs no map file";
    EXPECT_NE(pDoc, enter.GetHeldData()) << "the page held before was deleted";
}

TEST_F(DataEntryTest, TheHeldPageGoesWhenAnotherComesAndStaysWhenGivenAgain)
{
    bool bDeleted = false;
    CWatchedPage* pPage = new CWatchedPage(bDeleted);
    CTestEnter enter;
    ASSERT_EQ(1, enter.SetDefMapData(pPage));
    ASSERT_EQ(1, enter.SetDefMapData(pPage));
    EXPECT_FALSE(bDeleted) << "the page held is the page given";
    EXPECT_EQ(pPage, enter.GetHeldData());
    ASSERT_EQ(1, enter.SetDefMapData(OtherPage(9)));
    EXPECT_TRUE(bDeleted) << "the page held before is deleted";
}

TEST_F(DataEntryTest, AMissingOrShortMapFileIsReportedAndChangesNothing)
{
    WriteMap(8, 9, {2, 1, 6, 4, 5}, 7);
    struct Case
    {
        UINT nFrom;
        const char* pszMessage;
    };
    for (const Case& c : {Case{6, "対応するﾏｯﾌﾟﾌｧｲﾙが存在しません"}, Case{8, "ﾏｯﾌﾟﾃﾞｰﾀ読み込みｴﾗｰです"}}) {
        CTestEnter enter;
        std::unique_ptr<CNMirtDoc> pDoc(OtherPage(c.nFrom));
        MessageBoxRecorder boxes;
        EXPECT_EQ(0, enter.SetDefMapData(pDoc.get()));
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ(c.pszMessage, boxes.shown()[0].text);
        EXPECT_EQ("0/1= 0/2= 0/3= 1/4= 2/4= ", enter.Values());
        EXPECT_EQ(nullptr, enter.GetHeldData());
        EXPECT_EQ(c.nFrom, pDoc->GetLayoutID());
    }
}

TEST_F(DataEntryTest, OneOverflowNoticePerDocumentWaitsNewestFirst)
{
    CHostWnd host;
    CTestEnter enter;
    ASSERT_TRUE(enter.CreateUnder(&host));
    const LPARAM docA = 0x1000, docB = 0x2000;
    EXPECT_EQ(0, enter.OnZebCmd(MAKEWPARAM(1, 101), docA));
    EXPECT_EQ(1, enter.GetModify());
    EXPECT_EQ(1, enter.OnZebCmd(MAKEWPARAM(3, kOverflow), docA));
    EXPECT_EQ(1, enter.OnZebCmd(MAKEWPARAM(2, kOverflow), docB));
    EXPECT_EQ(1, enter.OnZebCmd(MAKEWPARAM(4, kOverflow), docA));
    std::vector<std::pair<WPARAM, LPARAM>> queued;
    MSG msg;
    while (::PeekMessageA(&msg, enter.GetSafeHwnd(), MsgUserRovf, MsgUserRovf, PM_REMOVE))
        queued.emplace_back(msg.wParam, msg.lParam);
    const std::vector<std::pair<WPARAM, LPARAM>> expected = {{MAKEWPARAM(4, kOverflow), docA},
                                                             {MAKEWPARAM(2, kOverflow), docB}};
    EXPECT_EQ(expected, queued);
}

class OverflowCutTest : public testing::Test
{
protected:
    OverflowCutTest() : m_hDoc(m_whiteBoard.NewDoc()) {}

    std::string Text() const
    {
        char text[256] = {};
        zebGetAllText(m_hDoc, text, sizeof(text));
        return text;
    }

    CTestWhiteBoard m_whiteBoard;
    HWND m_hDoc;
    CTestEnter m_enter;
};

TEST_F(OverflowCutTest, FiveLinesInAThreeLineFieldKeepTheFirstThreeTheCaretAndAnchorAboveTheCutAndReArm)
{
    ASSERT_NE(nullptr, m_hDoc);
    struct Case
    {
        const char* pszText;
        const char* pszKept;
    };
    const Case kCases[] = {
        {"1\r\n2\r\n3\r\n4\r\n5", "1\r\n2\r\n3\r\n"},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n", "1\r\n2\r\n3\r\n"},   // the last line break goes too
        {"1\r\n2\r\n3", "1\r\n2\r\n3"},
    };
    for (const Case& c : kCases) {
        ::SendMessageA(m_hDoc, WM_CLEAR, static_cast<WPARAM>(-1), 0);
        ASSERT_NE(0, zebSetSelText(m_hDoc, c.pszText));
        zebSetCaret(m_hDoc, 1, 1);
        zebSetSelRow(m_hDoc, 0);
        zebSetSelCol(m_hDoc, 0);
        ASSERT_EQ(0, zebGetSelRow(m_hDoc));
        zebSetRectOverflow(m_hDoc, 0);
        m_enter.OnUserRovf(MAKEWPARAM(3, kOverflow), reinterpret_cast<LPARAM>(m_hDoc));
        EXPECT_EQ(c.pszKept, Text()) << c.pszText;
        POINT ptCaret = {-1, -1};
        zebGetCaret(m_hDoc, &ptCaret);
        EXPECT_EQ(1, ptCaret.x) << c.pszText;
        EXPECT_EQ(1, ptCaret.y) << c.pszText;
        EXPECT_EQ(0, zebGetSelRow(m_hDoc)) << "an anchor at the start is kept";
        EXPECT_EQ(0, zebGetSelCol(m_hDoc));
        EXPECT_EQ(1, zebSetRectOverflow(m_hDoc, -1)) << "the next overflow is reported again";
    }
}

}  // namespace
