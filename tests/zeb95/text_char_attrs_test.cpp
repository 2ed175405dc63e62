#include <gtest/gtest.h>
#include <windows.h>

#include <imm.h>

#include <string>
#include <vector>

#include "text/attrs/doc_char_attrs.h"
#include "text/caret/doc_caret.h"
#include "text/ime/doc_ime.h"
#include "text/tables/color_index.h"
#include "text_full_fixture.h"

namespace {

class CharAttrs : public FullTextDocs
{
protected:
    // "a", a double-byte character, a line feed and "b"; selected from
    // column 0 of line 0 to column 1 of line 1 (all of it).
    void LaySelected()
    {
        LayAttrs(m_hDoc, "a\x82\xA0\nb", MakeCharAttr(1, 0, 5, 9));
        D().anchor = {0, 0};
        ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 1, kCaretExtend));
    }
};

TEST_F(CharAttrs, ForeColorGoesIntoTheSelectionKeepingItsFlags)
{
    LaySelected();
    const std::vector<ZebCharAttr> before = AttrsOf(m_hDoc);
    const COLORREF crPrevious = D().head.ForeColor();
    EXPECT_EQ(static_cast<LONG>(crPrevious), DocSetForeColor(m_hDoc, RGB(255, 0, 0)));
    const int nRed = ColorToIndex(RGB(255, 0, 0));
    EXPECT_EQ(nRed, D().nTypingColor);
    const std::vector<ZebCharAttr> after = AttrsOf(m_hDoc);
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ((before[i] & ~ZebAttrColorMask) | static_cast<ZebCharAttr>(nRed), after[i]) << i;
    EXPECT_TRUE(D().HasSelection()) << "the selection stays";
}

TEST_F(CharAttrs, VerticalPositionOutsideItsRangeIsZero)
{
    struct Case
    {
        int nValue;
        int nStored;
    };
    for (const Case& c : {Case{128, 0}, Case{-7, 0}, Case{-6, -6}, Case{127, 127}})
    {
        LaySelected();
        EXPECT_EQ(1, DocSetVPos(m_hDoc, c.nValue)) << c.nValue;
        EXPECT_EQ(c.nStored, D().nTypingVPos) << c.nValue;
        for (ZebCharAttr a : AttrsOf(m_hDoc))
            EXPECT_EQ(static_cast<ZebCharAttr>(c.nStored & 0xFF), (a >> 16) & 0xFF) << c.nValue;
    }
}

TEST_F(CharAttrs, UserAttributeWithoutSelectionOnlyTypes)
{
    LayAttrs(m_hDoc, "ab", MakeCharAttr(1, 0, 0, 9));
    const std::vector<ZebCharAttr> before = AttrsOf(m_hDoc);
    EXPECT_EQ(1, DocSetUserAttr(m_hDoc, 0x7E));
    EXPECT_EQ(0x7E, D().nTypingUser);
    EXPECT_EQ(before, AttrsOf(m_hDoc));
    LaySelected();
    EXPECT_EQ(1, DocSetUserAttr(m_hDoc, 0x7E));
    for (ZebCharAttr a : AttrsOf(m_hDoc))
        EXPECT_EQ(0x7Eu, a >> 24);
    D().anchor = {0, 9};
    EXPECT_EQ(0, DocSetUserAttr(m_hDoc, 1)) << "an anchor beyond the lines";
}

// The test display gives windows no input context: the state kept on
// focus is "none", and nothing is put back.
TEST_F(CharAttrs, ImeModeFollowsTheFocusWithoutAnInputContext)
{
    HIMC hImc = ::ImmGetContext(m_hDoc);
    ::ImmReleaseContext(m_hDoc, hImc);
    if (hImc != nullptr)
        GTEST_SKIP() << "an input context exists";
    ::SetFocus(m_parent.Hwnd());
    D().nImeMode = 5;
    D().nSavedImeMode = 7;
    ::SetFocus(m_hDoc);
    EXPECT_EQ(-1, D().nSavedImeMode) << "no state to keep";
    ::SetFocus(m_parent.Hwnd());
    EXPECT_EQ(-1, D().nSavedImeMode);
    EXPECT_EQ(0, D().wCaretState & kCaretFocus);
}

// Where an input context exists: the exact conversion mode comes back.
TEST_F(CharAttrs, ImeStateComesBackExactlyAfterTheFocus)
{
    HIMC hImc = ::ImmGetContext(m_hDoc);
    if (hImc == nullptr)
        GTEST_SKIP() << "the test display gives no input context";
    const DWORD dwConversion = IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN;
    ::ImmSetOpenStatus(hImc, TRUE);
    ::ImmSetConversionStatus(hImc, dwConversion, IME_SMODE_PHRASEPREDICT);
    ::ImmReleaseContext(m_hDoc, hImc);
    D().nImeMode = 7;
    ::SetFocus(m_hDoc);
    ::SetFocus(m_parent.Hwnd());
    hImc = ::ImmGetContext(m_hDoc);
    DWORD dwGot = 0;
    DWORD dwSentence = 0;
    ::ImmGetConversionStatus(hImc, &dwGot, &dwSentence);
    EXPECT_EQ(dwConversion, dwGot);
    EXPECT_EQ(static_cast<DWORD>(IME_SMODE_PHRASEPREDICT), dwSentence);
    EXPECT_TRUE(::ImmGetOpenStatus(hImc));
    ::ImmReleaseContext(m_hDoc, hImc);
}

}  // namespace
