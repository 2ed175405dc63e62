#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/tables/font_entry.h"
#include "text/view/doc_mapping.h"
#include "text/view/line_placement.h"
#include "text_doc_fixture.h"

namespace {

// A document of 200 x 100 client pixels holding a laid-out text.
class Mapping : public TextDocs
{
protected:
    HWND Create(const std::string& text, ZebCharAttr base = 0)
    {
        HWND hDoc = CreateDoc();
        FillBlocks(*Doc(hDoc).Blocks(), text, base);
        DocReflowFrom(hDoc, 0);
        DocWaitLayout(hDoc, -1);
        return hDoc;
    }
    static int Width(HWND hDoc, BYTE c) { return DocFontEntry(Doc(hDoc), 0)->widths[c]; }
    // The columns where the line's units start, and its last position.
    static std::vector<int> UnitColumns(const ZebDocRecord& doc, const ZebLineEntry& line)
    {
        std::vector<int> columns;
        ZebTextCursor at(*doc.Blocks(), line.block, line.offset);
        for (int c = 0; c <= LineLastColumn(line);)
        {
            columns.push_back(c);
            const int nSize = !at.AtEnd() && (at.Attr() & ZebAttrLead) != 0 ? 2 : 1;
            at.Skip(nSize);
            c += nSize;
        }
        return columns;
    }
    static std::pair<LONG, LONG> Hit(HWND hDoc, int x, int y)
    {
        POINT pos = {-9, -9};
        EXPECT_EQ(1, DocPointToPosition(hDoc, x, y, &pos));
        return {pos.x, pos.y};
    }
};

typedef std::pair<LONG, LONG> Pos;  // column and line, or x and y

Pos P(POINT pt) { return {pt.x, pt.y}; }

TEST_F(Mapping, EveryPositionMapsToAPointThatMapsBackAtEachScale)
{
    HWND hDoc = Create("ab cd\n\x82\xa0\x82\xa2x\n\nlast line of text that wraps past the edge");
    ZebDocRecord& doc = Doc(hDoc);
    ASSERT_GE(doc.Lines()->Count(), 5) << "the last line wraps";
    for (int nAlignment : {0, 1, 2})
    {
        for (int nScale : {50, 100, 200})
        {
            for (POINT origin : {POINT{0, 0}, POINT{8, 16}})
            {
                doc.nAlignment = nAlignment;
                doc.nScale = nScale;
                for (int nLine = 0; nLine < doc.Lines()->Count(); ++nLine)
                {
                    const ZebLineEntry& line = doc.Lines()->At(nLine);
                    for (int nColumn : UnitColumns(doc, line))
                    {
                        POINT pt = {};
                        ASSERT_EQ(1, DocPositionToPoint(hDoc, nColumn, nLine, &pt, nullptr, nullptr));
                        const POINT client = {DocToClientPixels(pt.x, nScale) - DocToClientPixels(origin.x, nScale),
                                              DocToClientPixels(pt.y, nScale) - DocToClientPixels(origin.y, nScale)};
                        const POINT back = {ClientToDocPixels(client.x, nScale) + origin.x,
                                            ClientToDocPixels(client.y, nScale) + origin.y};
                        EXPECT_EQ((Pos{nColumn, nLine}), Hit(hDoc, back.x, back.y))
                            << "alignment " << nAlignment << ", scale " << nScale << ", point " << pt.x << "," << pt.y;
                    }
                }
            }
        }
    }
}

TEST_F(Mapping, ARightAlignedLineStartsAtTheRightAndPointsBesideItMapToItsEnds)
{
    HWND hDoc = Create("abcde\nxy");
    ZebDocRecord& doc = Doc(hDoc);
    doc.nAlignment = 1;
    const int w = Width(hDoc, 'a');
    POINT pt = {};
    ASSERT_EQ(1, DocPositionToPoint(hDoc, 0, 0, &pt, nullptr, nullptr));
    const int nLeft = 200 - 2 - doc.Lines()->At(0).width;
    EXPECT_EQ(nLeft, pt.x);
    EXPECT_EQ(0, pt.y);
    EXPECT_EQ((Pos{0, 0}), Hit(hDoc, nLeft, 0));
    EXPECT_EQ((Pos{0, 0}), Hit(hDoc, nLeft - 1, 0)) << "left of the line";
    EXPECT_EQ((Pos{5, 0}), Hit(hDoc, nLeft + 5 * w, 0)) << "at the last character's right edge";
    EXPECT_EQ((Pos{2, 1}), Hit(hDoc, 199, 10000)) << "below the last line";
    EXPECT_EQ((Pos{0, 0}), Hit(hDoc, -5, -5));
    doc.nAlignment = 2;
    ASSERT_EQ(1, DocPositionToPoint(hDoc, 0, 1, &pt, nullptr, nullptr));
    EXPECT_EQ((200 - 2 * w) / 2 - 2, pt.x);
}

TEST_F(Mapping, PositionsOutsideTheTableAreRefusedAndTheCaretStandsForNegatives)
{
    HWND hDoc = Create("abc\nde");
    ZebDocRecord& doc = Doc(hDoc);
    const int h = doc.Lines()->At(0).height;
    POINT pt = {};
    SIZE size = {};
    EXPECT_EQ(0, DocPositionToPoint(hDoc, 4, 0, &pt, nullptr, nullptr)) << "after the line feed";
    EXPECT_EQ(1, DocPositionToPoint(hDoc, 3, 0, &pt, nullptr, nullptr));
    EXPECT_EQ(1, DocPositionToPoint(hDoc, 2, 1, &pt, nullptr, nullptr)) << "the end of the text";
    EXPECT_EQ(0, DocPositionToPoint(hDoc, 0, 2, &pt, nullptr, nullptr));
    EXPECT_EQ(0, DocPositionToPoint(m_parent.Hwnd(), 0, 0, &pt, nullptr, nullptr));
    doc.head.SetCaretPos({1, 1});
    ASSERT_EQ(1, DocPositionToPoint(hDoc, -1, -1, &pt, &size, nullptr));
    EXPECT_EQ((Pos{Width(hDoc, 'd'), h}), P(pt));
    EXPECT_EQ(2, size.cx);
    EXPECT_EQ(h, size.cy);
    POINT pos = {};
    EXPECT_EQ(0, DocPointToPosition(hDoc, 0, 0, nullptr));
    EXPECT_EQ(0, DocPointToPosition(m_parent.Hwnd(), 0, 0, &pos));
}

TEST_F(Mapping, VerticalLinesStackFromTheRightEdge)
{
    HWND hDoc = Create("ab\ncd");
    ZebDocRecord& doc = Doc(hDoc);
    doc.head.SetVertical(1);
    const int W = doc.nDocWidth;
    const int h = doc.Lines()->At(0).height;
    POINT pt = {};
    SIZE size = {};
    ASSERT_EQ(1, DocPositionToPoint(hDoc, 1, 1, &pt, &size, nullptr));
    EXPECT_EQ(W - 2 * h, pt.x);
    EXPECT_EQ(h, size.cx);
    EXPECT_EQ(2, size.cy);
    EXPECT_EQ((Pos{0, 0}), Hit(hDoc, W - 1, 0));
    EXPECT_EQ(1, Hit(hDoc, W - h - 1, 0).second);
}

TEST_F(Mapping, TheAttributeInEffectComesFromTheNearestCharacter)
{
    HWND hDoc = Create("\x82\xa0z\n\nq", MakeCharAttr(3, 0, 5, 7));
    ZebDocRecord& doc = Doc(hDoc);
    ZebCharAttr attr = 0;
    ASSERT_EQ(1, DocPositionToPoint(hDoc, 0, 1, nullptr, nullptr, &attr));
    EXPECT_EQ(MakeCharAttr(3, 0, 5, 7) | ZebAttrBreak, attr) << "a line of a line feed: z's values, the break's flags";
    ASSERT_EQ(1, DocPositionToPoint(hDoc, 0, 2, nullptr, nullptr, &attr));
    EXPECT_EQ(MakeCharAttr(3, 0, 5, 7), attr);
    ASSERT_EQ(1, DocPositionToPoint(hDoc, 1, 0, nullptr, nullptr, &attr));
    EXPECT_EQ(ZebAttrLead, attr & 0xF0) << "the second byte of a double-byte character";

    EXPECT_EQ(1, DocEffectiveAttr(doc, 0, 4, &attr));
    EXPECT_EQ(MakeCharAttr(3, 0, 5, 7), attr);
    EXPECT_EQ(1, DocEffectiveAttr(doc, 7, 0, &attr)) << "a block beyond the list is the end";
    doc.nTypingColor = 9;
    doc.nTypingVPos = 1;
    FillBlocks(*doc.Blocks(), "\n\n");
    EXPECT_EQ(0, DocEffectiveAttr(doc, 0, 1, &attr));
    EXPECT_EQ(MakeCharAttr(9, doc.nTypingFont, 1, doc.nTypingUser), attr);
}

}  // namespace
