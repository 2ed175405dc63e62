#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_marks.h"
#include "text/doc/doc_settings.h"
#include "text/edit/doc_edit.h"
#include "text/tables/font_entry.h"
#include "text_doc_fixture.h"

namespace {

const int kLongLines = 200000;

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

// Documents of 200,000 short lines whose layout thread runs.
class LongDocs : public TextDocs
{
protected:
    static const std::string& LongText()
    {
        static const std::string s_text = Repeated("line\n", kLongLines);
        return s_text;
    }
    // A document of the long text whose layout has started.
    HWND StartLong(HWND hDoc = nullptr)
    {
        if (hDoc == nullptr)
            hDoc = CreateDoc();
        ZebDocRecord& doc = Doc(hDoc);
        DocStopLayout(doc);
        FillBlocks(*doc.Blocks(), LongText());
        DocReflowFrom(hDoc, 0);
        EXPECT_NE(nullptr, doc.LayoutRun()) << "the pass ended at once";
        return hDoc;
    }
    // The long text laid out whole, the caret and the anchor put deep in it.
    HWND LongWithSelection(POINT anchor, POINT caret)
    {
        HWND hDoc = StartLong();
        EXPECT_EQ(ZebLineEndText, DocWaitLayout(hDoc, -1));
        EXPECT_EQ(1, DocSetCaret(hDoc, anchor.x, anchor.y, 0));
        EXPECT_EQ(1, DocSetCaret(hDoc, caret.x, caret.y, kCaretExtend));
        return hDoc;
    }
};

TEST_F(LongDocs, EveryOperationThatStopsTheLayoutLeavesTheWholeTextLaidOut)
{
    struct Case
    {
        const char* name;
        std::function<void(HWND)> run;
    };
    const ZebUserCell cells[2] = {{0, 40, 4, 0}, {50, 90, 4, 0}};
    const ZebUserCellList cellList = {2, const_cast<ZebUserCell*>(cells)};
    const Case cases[] = {
        {"a bitmap that cannot be added", [](HWND h) { EXPECT_EQ(-1, DocAddBmp(h, -1, nullptr, nullptr)); }},
        {"a bitmap added", [](HWND h) { EXPECT_EQ(0, DocAddBmp(h, -1, MakeScreenDib(2, 2), nullptr)); }},
        {"user cells outside cell mode", [&](HWND h) { EXPECT_EQ(1, DocSetUserCells(h, &cellList)); }},
        {"a mark set without relayout", [](HWND h) { EXPECT_EQ(1, DocSetNewLineMark(h, kZebNoMark, nullptr, FALSE)); }},
        {"a font mark set without relayout",
         [](HWND h) {
             const LOGFONTA lf = Gothic(20);
             EXPECT_EQ(1, DocSetFormFeedMark(h, 'x', &lf, FALSE));
         }},
        {"a typing font without a selection",
         [](HWND h) {
             const LOGFONTA lf = Gothic(24);
             EXPECT_EQ(1, DocSetFont(h, &lf));
         }},
        {"a font inserted", [](HWND h) { EXPECT_LE(1, DocInsertFont(h, Gothic(28), -1)); }},
        {"a character at a caret beyond the lines",
         [](HWND h) {
             Doc(h).head.SetCaretPos({0, kLongLines + 5});
             EXPECT_EQ(0, DocInsertChar(h, 'x'));
         }},
        {"a deletion at a caret beyond the lines",
         [](HWND h) {
             Doc(h).head.SetCaretPos({0, kLongLines + 5});
             EXPECT_EQ(0, DocDeleteChar(h));
         }},
        {"a bitmap at a caret beyond the lines",
         [](HWND h) {
             ASSERT_EQ(0, DocAddBmp(h, -1, MakeScreenDib(2, 2), nullptr));
             Doc(h).head.SetCaretPos({0, kLongLines + 5});
             EXPECT_EQ(0, DocInsertBmp(h, 0));
         }},
        {"a selection whose anchor lies beyond the lines",
         [](HWND h) {
             Doc(h).anchor = {0, kLongLines + 5};
             EXPECT_EQ(0, DocDeleteSelection(h));
             EXPECT_EQ(0, DocSetSelectionFont(h));
         }},
        {"a character typed", [](HWND h) { EXPECT_EQ(1, DocInsertChar(h, 'x')); }},
        {"a text inserted", [](HWND h) { EXPECT_EQ(1, DocInsertText(h, "ab")); }},
    };
    for (const Case& c : cases)
    {
        HWND hDoc = StartLong();
        c.run(hDoc);
        EXPECT_EQ(kLongLines, DocGetLineCount(hDoc)) << c.name;
        ::DestroyWindow(hDoc);
    }
}

TEST_F(LongDocs, RelayoutKeepsTheCaretAndTheSelectionAsTextPositions)
{
    const POINT anchor = {1, 149999};
    const POINT caret = {3, 150000};
    HWND hDoc = LongWithSelection(anchor, caret);
    ZebDocRecord& doc = Doc(hDoc);
    DocRelayout(hDoc);
    EXPECT_TRUE(caret == doc.head.CaretPos()) << doc.head.CaretPos().x << "," << doc.head.CaretPos().y;
    EXPECT_TRUE(anchor == doc.anchor) << doc.anchor.x << "," << doc.anchor.y;
    ASSERT_EQ(1, DocInsertChar(hDoc, 'X'));
    EXPECT_EQ("lin" "X" "e\n", LinesText(*doc.Blocks(), *doc.Lines()).substr(150000 * 5, 6))
        << "the next keystroke lands where the caret was";
}

TEST_F(LongDocs, ResizingKeepsTheCaretWhereItsTextIs)
{
    HWND hDoc = LongWithSelection({0, 120000}, {2, 180000});
    ZebDocRecord& doc = Doc(hDoc);
    const int nLineHeight = doc.Lines()->At(0).height;
    doc.head.SetPageSize({0, kLongLines * nLineHeight});
    ::SetWindowPos(hDoc, nullptr, 0, 0, 20, 60, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(1, DocApplySize(hDoc));
    DocWaitLayout(hDoc, -1);
    // Each line now wraps after fewer bytes; find where offset 180000 * 5 + 2 lies.
    const ZebLineTable& lines = *doc.Lines();
    int nAt = 0;
    POINT want = {-1, -1};
    POINT wantAnchor = {-1, -1};
    for (int i = 0; i < lines.Count(); ++i)
    {
        const int n = lines.At(i).length;
        if (wantAnchor.y < 0 && nAt + n > 120000 * 5)
            wantAnchor = {120000 * 5 - nAt, i};
        if (nAt + n > 180000 * 5 + 2)
        {
            want = {180000 * 5 + 2 - nAt, i};
            break;
        }
        nAt += n;
    }
    EXPECT_TRUE(want == doc.head.CaretPos()) << doc.head.CaretPos().x << "," << doc.head.CaretPos().y;
    EXPECT_TRUE(wantAnchor == doc.anchor) << doc.anchor.x << "," << doc.anchor.y;
}

TEST_F(LongDocs, ANewFontOfASharedPairStopsAndResumesEveryDocumentOfTheWhiteBoard)
{
    HWND hVertical = CreateDoc();
    HWND hHorizontal = CreateDoc();
    ASSERT_EQ(0, DocSetVertMode(hVertical, 1));
    const int nRounds = 8;
    for (int i = 0; i < nRounds; ++i)
    {
        StartLong(hVertical);
        ZebDocRecord& vertical = Doc(hVertical);
        ASSERT_NE(nullptr, vertical.LayoutRun());
        const UINT nRun = vertical.LayoutRun()->Number();
        const LOGFONTA lf = Gothic(12 + 2 * i);
        ASSERT_EQ(1, DocSetFont(hHorizontal, &lf));
        EXPECT_TRUE(vertical.LayoutRun() == nullptr || vertical.LayoutRun()->Number() != nRun)
            << "the vertical document's pass ran on while the pair grew";
        const int nIndex = Doc(hHorizontal).nTypingFont;
        ASSERT_NE(nullptr, DocFontEntry(vertical, nIndex)) << "the twin exists with the entry";
        EXPECT_EQ(2700, DocFontEntry(vertical, nIndex)->logfont.lfEscapement);
        EXPECT_EQ(kLongLines, DocGetLineCount(hVertical));
    }
}

}  // namespace
