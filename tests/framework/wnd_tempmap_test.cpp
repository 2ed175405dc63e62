// Temporary objects that FromHandle makes for handles without an object:
// deleted when the thread is idle and when the thread ends.
#include <gtest/gtest.h>

#include "afxpriv.h"
#include "run_on_thread.h"

namespace {

class WndTempMapTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AfxDeleteTempMaps();
        m_hMenu = ::CreatePopupMenu();
        m_hDC = ::CreateCompatibleDC(nullptr);
    }

    void TearDown() override
    {
        AfxDeleteTempMaps();
        ::DestroyMenu(m_hMenu);
        ::DeleteDC(m_hDC);
    }

    // One temporary of each kind, made on the calling thread.
    void MakeTemporaries() const
    {
        ASSERT_NE(nullptr, CWnd::FromHandle(::GetDesktopWindow()));
        ASSERT_NE(nullptr, CMenu::FromHandle(m_hMenu));
        ASSERT_NE(nullptr, CDC::FromHandle(m_hDC));
        ASSERT_NE(nullptr, CGdiObject::FromHandle(::GetStockObject(BLACK_PEN)));
    }

    HMENU m_hMenu = nullptr;
    HDC m_hDC = nullptr;
};

TEST_F(WndTempMapTest, IdleDeletesTemporariesOfEveryKind)
{
    const int nBefore = AfxGetTempObjectCount();
    MakeTemporaries();
    MakeTemporaries();   // the same handles: the same temporaries
    EXPECT_EQ(nBefore + 4, AfxGetTempObjectCount());

    CWinThread thread;
    EXPECT_FALSE(thread.OnIdle(0));
    EXPECT_EQ(nBefore, AfxGetTempObjectCount());
    EXPECT_TRUE(::IsMenu(m_hMenu));   // the handles stay
    EXPECT_EQ(OBJ_MEMDC, static_cast<int>(::GetObjectType(m_hDC)));
}

TEST_F(WndTempMapTest, TemporariesGoWithTheThreadThatMadeThem)
{
    const int nBefore = AfxGetTempObjectCount();
    int nOnThread = 0;
    RunOnThread([&] {
        MakeTemporaries();
        nOnThread = AfxGetTempObjectCount();
    });
    EXPECT_EQ(nBefore + 4, nOnThread);
    EXPECT_EQ(nBefore, AfxGetTempObjectCount());
    EXPECT_TRUE(::IsMenu(m_hMenu));
}

}  // namespace
