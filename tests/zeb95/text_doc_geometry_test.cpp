#include <gtest/gtest.h>

#include <climits>

#include "text/doc/doc_create.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/storage/line_table.h"
#include "text_doc_fixture.h"

namespace {

// A document straight on the parent (no border), whose client area is
// exactly the size given, with the scroll bars the style names.
class DocGeometry : public TextDocs
{
protected:
    HWND Create(DWORD dwBars, int cxClient, int cyClient)
    {
        const int cx = cxClient + ((dwBars & WS_VSCROLL) != 0 ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
        const int cy = cyClient + ((dwBars & WS_HSCROLL) != 0 ? ::GetSystemMetrics(SM_CYHSCROLL) : 0);
        HWND hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE | dwBars, 0, 0, cx, cy,
                                      m_parent.Hwnd(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(nullptr, hDoc);
        RECT rc;
        ::GetClientRect(hDoc, &rc);
        EXPECT_EQ(cyClient, rc.bottom);
        Doc(hDoc).Lines()->Truncate(0);  // the lines the tests add alone
        return hDoc;
    }
    static void AddLines(ZebDocRecord& doc, std::initializer_list<int> heights)
    {
        for (int nHeight : heights)
        {
            ZebLineEntry line = {};
            line.height = nHeight;
            ASSERT_TRUE(doc.Lines()->Insert(doc.Lines()->Count(), line));
        }
    }
    static int OriginY(HWND hDoc) { return Doc(hDoc).head.Origin().y; }
};

TEST_F(DocGeometry, ScrollStepsFollowTheVisibleSize)
{
    HWND hDoc = Create(WS_VSCROLL, 200, 320);
    ::SetScrollRange(hDoc, SB_VERT, 0, 1000, FALSE);
    struct Step
    {
        int nCode;
        int nPos;
        int nWant;
    };
    const Step steps[] = {
        {SB_LINEDOWN, 0, 21},     {SB_PAGEDOWN, 0, 182}, {SB_LINEUP, 0, 161},  {SB_PAGEUP, 0, 0},
        {SB_THUMBTRACK, 900, 680}, {SB_PAGEDOWN, 0, 680}, {SB_THUMBPOSITION, 10, 10}, {SB_LINEUP, 0, 0},
    };
    for (const Step& s : steps)
    {
        EXPECT_EQ(1, DocVScroll(hDoc, s.nCode, s.nPos));
        EXPECT_EQ(s.nWant, OriginY(hDoc)) << "code " << s.nCode;
        EXPECT_EQ(s.nWant, ::GetScrollPos(hDoc, SB_VERT));
    }
    // Another code takes the origin back to the bar.
    ::SetScrollPos(hDoc, SB_VERT, 50, FALSE);
    EXPECT_EQ(1, DocVScroll(hDoc, SB_ENDSCROLL, 0));
    EXPECT_EQ(50, OriginY(hDoc));

    Doc(hDoc).nScale = 200;  // 160 pixels visible
    EXPECT_EQ(1, DocVScroll(hDoc, SB_LINEDOWN, 0));
    EXPECT_EQ(61, OriginY(hDoc));
    EXPECT_EQ(0, DocVScroll(m_parent.Hwnd(), SB_LINEDOWN, 0)) << "no document";
}

TEST_F(DocGeometry, ARangeSmallerThanTheViewNeverScrollsAboveItsStart)
{
    HWND hDoc = Create(WS_HSCROLL, 300, 50);
    ::SetScrollRange(hDoc, SB_HORZ, 0, 100, FALSE);
    EXPECT_EQ(1, DocHScroll(hDoc, SB_LINEDOWN, 0));
    EXPECT_EQ(0, Doc(hDoc).head.Origin().x);
    EXPECT_EQ(1, DocHScroll(hDoc, SB_THUMBTRACK, 60));
    EXPECT_EQ(0, Doc(hDoc).head.Origin().x);
}

TEST_F(DocGeometry, LineHeightOfALineOrOfTheCaretLine)
{
    HWND hDoc = Create(0, 100, 100);
    ZebDocRecord& doc = Doc(hDoc);
    AddLines(doc, {10, 20, 30});
    doc.head.SetCaretPos({0, 2});
    EXPECT_EQ(20, DocGetLineHeight(hDoc, 1));
    EXPECT_EQ(30, DocGetLineHeight(hDoc, -1));
    EXPECT_EQ(0, DocGetLineHeight(hDoc, 3));
    EXPECT_EQ(0, DocGetLineHeight(m_parent.Hwnd(), 0));
}

TEST_F(DocGeometry, OverflowIsReportedOnceOrEveryTime)
{
    HWND hDoc = Create(0, 200, 100);
    ZebDocRecord& doc = Doc(hDoc);
    AddLines(doc, {30, 30, 30, 30, 30});
    m_parent.received.clear();
    doc.nRectOverflow = 1;
    DocUpdateExtent(hDoc);
    EXPECT_EQ(100, doc.nDocHeight);
    EXPECT_EQ(200, doc.nDocWidth);
    Pump();
    ASSERT_EQ(1u, m_parent.received.size());
    EXPECT_EQ(112, m_parent.received[0].nCode);
    EXPECT_EQ(3, m_parent.received[0].nIndex) << "the first line that ends below";
    EXPECT_EQ(hDoc, m_parent.received[0].hObject);
    EXPECT_EQ(0, doc.nRectOverflow);
    DocUpdateExtent(hDoc);
    doc.nRectOverflow = 2;
    DocUpdateExtent(hDoc);
    DocUpdateExtent(hDoc);
    Pump();
    EXPECT_EQ(3u, m_parent.received.size());
    EXPECT_EQ(2, doc.nRectOverflow);

    // Line 0 alone beyond the extent is no overflow.
    doc.Lines()->Truncate(0);
    AddLines(doc, {500});
    DocUpdateExtent(hDoc);
    Pump();
    EXPECT_EQ(3u, m_parent.received.size());
}

TEST_F(DocGeometry, ExtentWithAScrollBarIsTheLinesTotalWithinTheFixedSize)
{
    HWND hDoc = Create(WS_VSCROLL, 200, 100);
    ZebDocRecord& doc = Doc(hDoc);
    doc.head.SetPageSize({0, 1000});
    AddLines(doc, {30, 30, 30, 30, 30, 30, 30, 30, 30, 30});
    DocUpdateExtent(hDoc);
    EXPECT_EQ(300, doc.nDocHeight);
    AddLines(doc, {INT_MAX, INT_MAX});
    DocUpdateExtent(hDoc);
    EXPECT_EQ(1000, doc.nDocHeight) << "held at the fixed height, the sum saturated";
    doc.Lines()->Truncate(1);
    DocUpdateExtent(hDoc);
    EXPECT_EQ(100, doc.nDocHeight) << "at least the visible height";
}

TEST_F(DocGeometry, ApplySizeSetsTheBarAndKeepsTheOriginInside)
{
    HWND hDoc = Create(WS_VSCROLL, 200, 100);
    ZebDocRecord& doc = Doc(hDoc);
    doc.head.SetPageSize({0, 100000});
    std::string text;
    for (int i = 0; i < 29; ++i)
        text += "x\n";
    FillBlocks(*doc.Blocks(), text);
    doc.head.SetOrigin({0, 100000});
    EXPECT_EQ(1, DocApplySize(hDoc));
    EXPECT_EQ(ZebLineEndText, DocWaitLayout(hDoc, -1));
    Pump();  // the layout's completion
    const int nTotal = 30 * DocGetLineHeight(hDoc, 0);
    int nMin = -1, nMax = -1;
    ::GetScrollRange(hDoc, SB_VERT, &nMin, &nMax);
    EXPECT_EQ(0, nMin);
    EXPECT_EQ(nTotal - 1, nMax);
    EXPECT_EQ(nTotal - 1 - 100, OriginY(hDoc)) << "the maximum less the visible height";
    EXPECT_EQ(nTotal - 1 - 100, ::GetScrollPos(hDoc, SB_VERT));

    // Without a fixed height the bar goes.
    doc.head.SetPageSize({0, 0});
    EXPECT_EQ(1, DocApplySize(hDoc));
    EXPECT_EQ(0, ::GetWindowLongA(hDoc, GWL_STYLE) & WS_VSCROLL);
}


// A real resize applies the new size at once: the bar's page, the origin
// and the document's width follow before any message is pumped, and a bar
// that the new height no longer needs goes and comes back. (The client
// size that a bar's coming or going changes is no new size: the tests
// above keep the bars they set.)
TEST_F(DocGeometry, ResizingTheWindowAppliesItsSizeAndTheBarsFollow)
{
    HWND hDoc = Create(WS_VSCROLL, 200, 100);
    ZebDocRecord& doc = Doc(hDoc);
    doc.head.SetPageSize({0, 100000});
    FillBlocks(*doc.Blocks(), Repeated("x\n", 29));
    ASSERT_EQ(1, DocApplySize(hDoc));
    ASSERT_EQ(ZebLineEndText, DocWaitLayout(hDoc, -1));
    Pump();
    const int nTotal = 30 * DocGetLineHeight(hDoc, 0);
    ASSERT_GT(nTotal, 200);
    const int cxBar = ::GetSystemMetrics(SM_CXVSCROLL);
    auto page = [hDoc] {
        SCROLLINFO si = {sizeof(si), SIF_ALL};
        ::GetScrollInfo(hDoc, SB_VERT, &si);
        return si;
    };
    auto hasBar = [hDoc] { return (::GetWindowLongA(hDoc, GWL_STYLE) & WS_VSCROLL) != 0; };
    auto settled = [hDoc, &doc] {
        EXPECT_EQ(ZebLineEndText, DocWaitLayout(hDoc, -1));
        Pump();
        EXPECT_EQ(nullptr, doc.LayoutRun()) << "no pass left running";
    };

    doc.head.SetOrigin({0, nTotal});
    DocClampScroll(hDoc);
    ASSERT_TRUE(::MoveWindow(hDoc, 0, 0, 200 + cxBar, 150, TRUE));
    EXPECT_EQ(150u, page().nPage) << "the page follows the new height at once";
    EXPECT_EQ(nTotal - 1, page().nMax);
    EXPECT_EQ(nTotal - 1 - 150, OriginY(hDoc)) << "the maximum less the new visible height";
    settled();
    EXPECT_EQ(200, doc.nDocWidth);

    ASSERT_TRUE(::SetWindowPos(hDoc, nullptr, 0, 0, 200 + cxBar, nTotal + 10, SWP_NOMOVE | SWP_NOZORDER));
    EXPECT_FALSE(hasBar()) << "everything fits: the bar goes at once";
    EXPECT_EQ(0, OriginY(hDoc));
    settled();
    RECT client;
    ::GetClientRect(hDoc, &client);
    EXPECT_EQ(200 + cxBar, client.right);
    EXPECT_EQ(200 + cxBar, doc.nDocWidth) << "the width the bar left";

    ASSERT_TRUE(::SetWindowPos(hDoc, nullptr, 0, 0, 200 + cxBar, 100, SWP_NOMOVE | SWP_NOZORDER));
    EXPECT_TRUE(hasBar()) << "the bar comes back at once";
    EXPECT_EQ(100u, page().nPage);
    settled();
    ::GetClientRect(hDoc, &client);
    EXPECT_EQ(200, client.right);
    EXPECT_EQ(200, doc.nDocWidth);
}

}  // namespace
