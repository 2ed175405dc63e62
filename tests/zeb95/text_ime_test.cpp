#include <gtest/gtest.h>
#include <windows.h>

#include <imm.h>
#include <winnls32.h>

#include "text/doc/doc_create.h"
#include "text/ime/doc_ime.h"
#include "zeb95.h"
#include "text_doc_fixture.h"

namespace {

// The display driver of the tests gives windows no input context and
// makes none (ImmCreateContext fails), so the input method's own state
// cannot be seen here: these tests hold what the document does without one.
class DocIme : public TextDocs
{
protected:
    void SetUp() override
    {
        TextDocs::SetUp();
        m_hDoc = DocCreateObj(m_hWb, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hDoc);
        HIMC hImc = ::ImmGetContext(m_hDoc);
        ::ImmReleaseContext(m_hDoc, hImc);
        if (hImc != nullptr)
            GTEST_SKIP() << "an input context exists: these tests are for a window without one";
    }
    void TearDown() override
    {
        ::WINNLSEnableIME(m_hDoc, TRUE);
        TextDocs::TearDown();
    }
    HWND m_hDoc = nullptr;
};

TEST_F(DocIme, WithoutInputContextNothingIsApplied)
{
    EXPECT_EQ(-1, DocGetImeMode(m_hDoc));
    for (int nMode : {1, 2, 4, 5, 6, 7, 8, 0})
        EXPECT_EQ(0, DocSetImeMode(m_hDoc, nMode)) << nMode;
}

TEST_F(DocIme, ModeIsStoredWithOrWithoutTheFocus)
{
    ::SetFocus(m_parent.Hwnd());
    EXPECT_EQ(0, DocChangeImeMode(m_hDoc, 4));
    ::SetFocus(m_hDoc);
    ASSERT_EQ(m_hDoc, ::GetFocus());
    EXPECT_EQ(4, DocChangeImeMode(m_hDoc, 1)) << "applied at once: without a context it changes nothing";
    EXPECT_EQ(-1, DocChangeImeMode(m_hDoc, 8));
    EXPECT_EQ(-1, DocChangeImeMode(m_hDoc, -1));
    EXPECT_EQ(1, DocChangeImeMode(m_hDoc, 0));
    EXPECT_EQ(0, Doc(m_hDoc).nImeMode);
}

}  // namespace
