#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/tables/font_entry.h"
#include "text/view/doc_visible.h"
#include "text_doc_fixture.h"

namespace {

// Thirty lines of 40 characters in a document of 200 x 100 client pixels.
class Visible : public TextDocs
{
protected:
    void SetUp() override
    {
        TextDocs::SetUp();
        m_hDoc = CreateDoc();
        ASSERT_NE(nullptr, m_hDoc);
        FillBlocks(*Doc(m_hDoc).Blocks(), Repeated(std::string(40, 'a') + "\n", 30));
        Doc(m_hDoc).head.SetPageSize({4000, 0});  // lines as long as they are
        DocApplySize(m_hDoc);
        m_h = Doc(m_hDoc).Lines()->At(0).height;
        m_w = DocFontEntry(Doc(m_hDoc), 0)->widths['a'];
    }

    HWND m_hDoc = nullptr;
    int m_h = 0;
    int m_w = 0;
};

TEST_F(Visible, TheCornersOfTheClientAreaNameTheVisibleLinesAndColumns)
{
    ZebDocRecord& doc = Doc(m_hDoc);
    doc.head.SetOrigin({3 * m_w, 2 * m_h});
    EXPECT_EQ(2, DocFirstVisibleLine(m_hDoc)) << "waits for the layout";
    EXPECT_EQ(31, doc.Lines()->Count());
    EXPECT_EQ((2 * m_h + 99) / m_h, DocLastVisibleLine(m_hDoc));
    EXPECT_EQ(3, DocFirstVisibleColumn(m_hDoc));
    EXPECT_EQ(-1, DocFirstVisibleLine(m_parent.Hwnd()));
}

TEST_F(Visible, SettingTheFirstLineOrColumnScrollsThereAndAnswersTheOldOne)
{
    ZebDocRecord& doc = Doc(m_hDoc);
    EXPECT_EQ(0, DocSetFirstLine(m_hDoc, 5));
    EXPECT_EQ(5 * m_h, doc.head.Origin().y);
    EXPECT_EQ(5, DocFirstVisibleLine(m_hDoc));
    EXPECT_EQ(-1, DocSetFirstLine(m_hDoc, 31));
    EXPECT_EQ(5, DocSetFirstLine(m_hDoc, 0));

    EXPECT_EQ(0, DocSetFirstColumn(m_hDoc, 7));
    EXPECT_EQ(7 * m_w, doc.head.Origin().x);
    EXPECT_EQ(7, DocFirstVisibleColumn(m_hDoc));
    EXPECT_EQ(-1, DocSetFirstColumn(m_hDoc, 41)) << "beyond the line's last position";
    EXPECT_EQ(7 * m_w, doc.head.Origin().x);
}

}  // namespace
