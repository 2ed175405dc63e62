#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "text/caret/doc_caret.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_fonts.h"
#include "text/edit/doc_edit.h"
#include "text/tables/font_entry.h"
#include "text_doc_fixture.h"

namespace {

const int kLines = 20000;

// Documents of a long text, 200 x 100 client pixels on the whiteboard.
class Reflow : public TextDocs
{
protected:

    static std::string LongText()
    {
        std::string text;
        for (int i = 0; i < kLines; ++i)
            text += "line " + std::to_string(i) + "\n";
        return text;
    }
    // A document of the long text whose layout has started.
    HWND StartLong()
    {
        HWND hDoc = CreateDoc();
        FillBlocks(*Doc(hDoc).Blocks(), LongText());
        DocReflowFrom(hDoc, 0);
        return hDoc;
    }
    static int LineHeight(HWND hDoc) { return DocFontEntry(Doc(hDoc), 0)->logfont.lfHeight; }
    // The next MsgLayoutDone posted to the document, taken from the queue.
    static MSG NextLayoutDone(HWND hDoc)
    {
        MSG msg = {};
        EXPECT_GT(::GetMessageA(&msg, hDoc, MsgLayoutDone, MsgLayoutDone), 0);
        return msg;
    }
};

TEST_F(Reflow, TextThatFitsIsLaidOutAtOnceWithoutAThread)
{
    HWND hDoc = CreateDoc();
    ZebDocRecord& doc = Doc(hDoc);
    EXPECT_EQ(1, doc.Lines()->Count()) << "a new document holds one empty line";
    EXPECT_EQ(ZebLineEndText, doc.Lines()->At(0).endKind);
    FillBlocks(*doc.Blocks(), "one\ntwo");
    EXPECT_EQ(ZebLineEndText, DocReflowFrom(hDoc, 0));
    EXPECT_EQ(nullptr, doc.LayoutRun());
    EXPECT_EQ(2, doc.Lines()->Count());
    EXPECT_EQ(ZebLineEndText, doc.nLayoutResult);
}

TEST_F(Reflow, TheThreadLaysOutTheRestAndTheWindowTakesItsCompletion)
{
    HWND hDoc = CreateDoc(WS_VSCROLL);
    ZebDocRecord& doc = Doc(hDoc);
    doc.head.SetStyle(WS_VSCROLL);
    doc.head.SetPageSize({0, 100000000});
    const std::string text = LongText();
    FillBlocks(*doc.Blocks(), text);
    const int nHeightBefore = doc.nDocHeight;
    EXPECT_EQ(ZebLineEndLineFeed, DocReflowFrom(hDoc, 0));
    ASSERT_NE(nullptr, doc.LayoutRun());
    const UINT nRun = doc.LayoutRun()->Number();
    EXPECT_EQ(nHeightBefore, doc.nDocHeight) << "the extent waits for the window's thread";

    const MSG msg = NextLayoutDone(hDoc);
    EXPECT_EQ(nRun, msg.wParam);
    ::DispatchMessageA(&msg);
    EXPECT_EQ(nullptr, doc.LayoutRun());
    EXPECT_EQ(ZebLineEndText, doc.nLayoutResult);
    EXPECT_EQ(kLines + 1, doc.Lines()->Count());
    EXPECT_EQ(text, LinesText(*doc.Blocks(), *doc.Lines()));
    const int nTotal = (kLines + 1) * LineHeight(hDoc);
    EXPECT_EQ(nTotal, doc.nDocHeight);
    int nMin = -1, nMax = -1;
    ::GetScrollRange(hDoc, SB_VERT, &nMin, &nMax);
    EXPECT_EQ(nTotal - 1, nMax);
}

// Near the top of a long text in full blocks, a keystroke that splits its
// block, a line feed and a Backspace over it each lay out a few lines and
// keep the old ones after them: the layout is whole at once, no pass runs.
TEST_F(Reflow, EditsAtTheTopKeepTheOldLinesAfterThem)
{
    HWND hDoc = StartLong();
    ZebDocRecord& doc = Doc(hDoc);
    ASSERT_EQ(ZebLineEndText, DocWaitLayout(hDoc, -1));
    const int nBlocks = doc.Blocks()->Count();
    std::string text = LongText();
    struct Step
    {
        int nCode;  // 8: Backspace
        int nLines;
    };
    const Step steps[] = {{'q', 0}, {'\n', 1}, {8, 0}, {'\n', 1}, {'r', 1}};
    ASSERT_EQ(1, DocSetCaret(hDoc, 2, 1, kCaretTakeAttrs));
    size_t nAt = std::string("line 0\nli").size();
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.nCode);
        if (step.nCode == 8)
        {
            ASSERT_NE(0, DocBackspace(hDoc));
            text.erase(--nAt, 1);
        }
        else
        {
            ASSERT_NE(0, DocInsertChar(hDoc, step.nCode));
            text.insert(nAt++, 1, static_cast<char>(step.nCode));
        }
        EXPECT_EQ(nullptr, doc.LayoutRun());
        EXPECT_EQ(ZebLineEndText, doc.nLayoutResult);
        EXPECT_EQ(kLines + 1 + step.nLines, doc.Lines()->Count());
        EXPECT_TRUE(text == LinesText(*doc.Blocks(), *doc.Lines())) << "the lines hold the text";
    }
    EXPECT_EQ(nBlocks + 1, doc.Blocks()->Count()) << "the first keystroke split its block";
}

TEST_F(Reflow, AnAbortedPassNeverStopsTheNextOne)
{
    HWND hDoc = CreateDoc();
    ZebDocRecord& doc = Doc(hDoc);
    const std::string text = LongText();
    FillBlocks(*doc.Blocks(), text);
    DocReflowFrom(hDoc, 0);
    ASSERT_NE(nullptr, doc.LayoutRun());
    DocStopLayout(doc);
    EXPECT_EQ(nullptr, doc.LayoutRun());
    const int nStopped = doc.Lines()->Count();
    EXPECT_EQ(text.substr(0, LinesText(*doc.Blocks(), *doc.Lines()).size()),
              LinesText(*doc.Blocks(), *doc.Lines()))
        << "the lines laid out before the abort stay";

    DocReflow(hDoc);  // goes on from the lines kept
    EXPECT_EQ(ZebLineEndText, DocWaitLayout(hDoc, -1));
    EXPECT_LE(nStopped, doc.Lines()->Count());
    EXPECT_EQ(kLines + 1, doc.Lines()->Count());
    EXPECT_EQ(text, LinesText(*doc.Blocks(), *doc.Lines()));
}

TEST_F(Reflow, ACompletionOfAPassThatWasReplacedIsIgnored)
{
    HWND hDoc = StartLong();
    ZebDocRecord& doc = Doc(hDoc);
    const MSG first = NextLayoutDone(hDoc);  // the pass has ended; its message is not handled yet
    DocReflowFrom(hDoc, 5);                  // an edit starts another pass
    ASSERT_NE(nullptr, doc.LayoutRun());
    const UINT nSecond = doc.LayoutRun()->Number();
    ASSERT_NE(first.wParam, nSecond);
    EXPECT_EQ(0, DocLayoutDone(hDoc, static_cast<UINT>(first.wParam)));
    EXPECT_EQ(0, DocLayoutDone(hDoc, 0));
    ASSERT_NE(nullptr, doc.LayoutRun()) << "the running pass is left alone";
    EXPECT_EQ(nSecond, doc.LayoutRun()->Number());
    const MSG second = NextLayoutDone(hDoc);
    EXPECT_EQ(nSecond, second.wParam);
    EXPECT_EQ(1, DocLayoutDone(hDoc, nSecond));
    EXPECT_EQ(0, DocLayoutDone(hDoc, nSecond)) << "taken once";
}

TEST_F(Reflow, WaitingJoinsThePassAndLeavesItsCompletionToTheMessage)
{
    HWND hDoc = StartLong();
    ZebDocRecord& doc = Doc(hDoc);
    ASSERT_NE(nullptr, doc.LayoutRun());
    const UINT nRun = doc.LayoutRun()->Number();
    EXPECT_EQ(ZebLineEndText, DocWaitLayout(hDoc, -1));
    EXPECT_EQ(nullptr, doc.LayoutRun());
    const MSG msg = NextLayoutDone(hDoc);
    EXPECT_EQ(nRun, msg.wParam);
    EXPECT_EQ(1, DocLayoutDone(hDoc, nRun));
    EXPECT_EQ(-1, DocWaitLayout(m_parent.Hwnd(), -1));
}

TEST_F(Reflow, TheLineCountDuringAPassIsTheWholeText)
{
    HWND hDoc = StartLong();
    ZebDocRecord& doc = Doc(hDoc);
    ASSERT_NE(nullptr, doc.LayoutRun());
    EXPECT_EQ(kLines, DocGetLineCount(hDoc)) << "the empty line after the last line feed is not counted";
    FillBlocks(*doc.Blocks(), "a\nb");
    DocReflowFrom(hDoc, 0);
    EXPECT_EQ(2, DocGetLineCount(hDoc));
    EXPECT_EQ(-1, DocGetLineCount(m_parent.Hwnd()));
}

TEST_F(Reflow, DestructionEndsTheRunningPassFirst)
{
    HWND hDoc = StartLong();
    ZebDocRecord& doc = Doc(hDoc);
    ASSERT_NE(nullptr, doc.LayoutRun());
    HANDLE hWatch = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), doc.LayoutRun()->Thread(), ::GetCurrentProcess(), &hWatch,
                                  0, FALSE, DUPLICATE_SAME_ACCESS));
    EXPECT_TRUE(::DestroyWindow(hDoc));
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWatch, 0)) << "the thread still runs";
    ::CloseHandle(hWatch);
}

}  // namespace
