#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "cp932.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_layout.h"
#include "text/edit/doc_edit.h"
#include "text/select/doc_positions.h"
#include "text_caret_fixture.h"

namespace {

bool SameLine(const ZebLineEntry& a, const ZebLineEntry& b)
{
    return a.width == b.width && a.height == b.height && a.length == b.length && a.endKind == b.endKind &&
           a.lastUnit == b.lastUnit && a.block == b.block && a.offset == b.offset;
}

std::vector<ZebLineEntry> Entries(const ZebLineTable& lines)
{
    std::vector<ZebLineEntry> entries;
    for (int i = 0; i < lines.Count(); ++i)
        entries.push_back(lines.At(i));
    return entries;
}

// Random keystrokes, deletions, insertions and selection deletions at random
// places of a text of several full blocks, each edit made while the layout
// of the one before may still run.
class RandomEdits : public FixedDocs
{
protected:
    // The caret's offset in the text.
    int CaretOffset()
    {
        ZebTextSpot spot = {};
        const POINT caret = Caret();
        EXPECT_TRUE(DocPositionSpot(D(), caret.x, caret.y, false, &spot));
        int nOffset = spot.offset;
        for (int i = 0; i < spot.block; ++i)
            nOffset += BlockTextLength(D().Blocks()->Block(i));
        return nOffset;
    }
    // A random valid position of the lines laid out so far, on a line from
    // nFirst on (to the last when nSpan is 0, else within nSpan lines).
    POINT RandomPosition(std::mt19937& random, int nFirst = 0, int nSpan = 0)
    {
        const ZebLineTable& lines = *D().Lines();
        const int nLines = nSpan > 0 && nFirst + nSpan < lines.Count() ? nSpan : lines.Count() - nFirst;
        const int nLine = nFirst + static_cast<int>(random() % static_cast<unsigned>(nLines));
        const ZebLineEntry& line = lines.At(nLine);
        const int nLast = line.length > 0 && line.endKind != ZebLineEndText ? line.length - 1 : line.length;
        return {static_cast<LONG>(random() % static_cast<unsigned>(nLast + 1)), nLine};
    }
    static int CharBytes(const std::string& model, int nAt)
    {
        return cp932::CharLength(model.data(), nAt, static_cast<int>(model.size()));
    }
    // Once the layout is done: the text is the model's and the lines are
    // those of a fresh layout.
    void ExpectFreshLayout(const std::string& model)
    {
        ASSERT_EQ(ZebLineEndText, DocWaitLayout(m_hDoc, -1));
        EXPECT_EQ(model, Text());
        const std::vector<ZebLineEntry> edited = Entries(*D().Lines());
        DocReflowFrom(m_hDoc, 0);
        ASSERT_EQ(ZebLineEndText, DocWaitLayout(m_hDoc, -1));
        const std::vector<ZebLineEntry> fresh = Entries(*D().Lines());
        ASSERT_EQ(fresh.size(), edited.size());
        for (size_t i = 0; i < fresh.size(); ++i)
            ASSERT_TRUE(SameLine(fresh[i], edited[i])) << "line " << i;
    }
};

TEST_F(RandomEdits, TheLinesMatchAFreshLayoutAndTheTextItsModel)
{
    std::string model;
    for (int i = 0; model.size() < 40000; ++i)
        model += std::string(i % 37, 'a' + i % 26) + "\x82\xA0\x82\xA2" + (i % 5 == 0 ? "\f" : "\n");
    Lay(model);
    std::mt19937 random(33);
    for (int nStep = 0; nStep < 600; ++nStep)
    {
        const POINT at = RandomPosition(random);
        ASSERT_EQ(1, DocSetCaret(m_hDoc, at.x, at.y, kCaretTakeAttrs)) << nStep;
        const int nAt = CaretOffset();
        const int nOp = static_cast<int>(random() % 6);
        if (nOp == 0 || nOp == 1)
        {
            const int nCode = nOp == 0 ? 'a' + static_cast<int>(random() % 26) : 0x82A0;
            ASSERT_NE(0, DocInsertChar(m_hDoc, nCode)) << nStep;
            model.insert(nAt, nCode > 0xFF ? std::string("\x82\xA0") : std::string(1, static_cast<char>(nCode)));
        }
        else if (nOp == 2 && nAt < static_cast<int>(model.size()))
        {
            ASSERT_NE(0, DocDeleteChar(m_hDoc)) << nStep;
            model.erase(nAt, CharBytes(model, nAt));
        }
        else if (nOp == 3 && nAt > 0)
        {
            ASSERT_NE(0, DocBackspace(m_hDoc)) << nStep;
            const int nFrom = CaretOffset();
            model.erase(nFrom, nAt - nFrom);
        }
        else if (nOp == 4)
        {
            ASSERT_EQ(1, DocInsertText(m_hDoc, "xy\nz")) << nStep;
            model.insert(nAt, "xy\nz");
        }
        else if (nOp == 5)
        {
            const POINT to = RandomPosition(random, at.y, 3);
            ASSERT_EQ(1, DocSetCaret(m_hDoc, to.x, to.y, kCaretExtend)) << nStep;
            const int nTo = CaretOffset();
            ASSERT_NE(0, DocDeleteSelection(m_hDoc)) << nStep;
            model.erase(nAt < nTo ? nAt : nTo, nAt < nTo ? nTo - nAt : nAt - nTo);
        }
    }
    EXPECT_GT(D().Blocks()->Count(), 3);
    ExpectFreshLayout(model);
}

// Line feeds and characters typed into full blocks (each first keystroke
// in a block splits it) and line ends deleted, so that the line count
// grows and shrinks by one behind the lines laid out again.
TEST_F(RandomEdits, TypedLineFeedsAndSplitBlocksKeepTheLinesOfAFreshLayout)
{
    std::string model;
    for (int i = 0; model.size() < 30000; ++i)
        model += std::string(i % 23 + 3, 'a' + i % 26) + "\n";
    Lay(model);
    const int nBlocks = D().Blocks()->Count();
    std::mt19937 random(36);
    for (int nStep = 0; nStep < 300; ++nStep)
    {
        const POINT at = RandomPosition(random);
        ASSERT_EQ(1, DocSetCaret(m_hDoc, at.x, at.y, kCaretTakeAttrs)) << nStep;
        const int nAt = CaretOffset();
        const int nOp = static_cast<int>(random() % 3);
        if (nOp == 2 && nAt > 0)
        {
            ASSERT_NE(0, DocBackspace(m_hDoc)) << nStep;
            model.erase(nAt - 1, 1);
        }
        else
        {
            const char c = nOp == 0 ? '\n' : 'q';
            ASSERT_NE(0, DocInsertChar(m_hDoc, c)) << nStep;
            model.insert(nAt, 1, c);
        }
    }
    EXPECT_GT(D().Blocks()->Count(), nBlocks) << "blocks were split";
    ExpectFreshLayout(model);
}

}  // namespace
