// Code written the framework's way: afxwin.h alone brings the controls and
// menus, the framework's other header names are there, and the diagnostics
// macros behave as in a build with NDEBUG.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdisp.h>
#include <afxext.h>
#include <afxmt.h>
#include <afxpriv.h>

#include <gtest/gtest.h>

namespace {

TEST(AfxHeadersTest, WindowsHeaderBringsTheControls)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "headers", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    CButton button;
    ASSERT_TRUE(button.Create("押す", WS_CHILD | BS_CHECKBOX, CRect(0, 0, 60, 20), &parent, 1));
    button.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, button.GetCheck());
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_EQ(0u, menu.GetMenuItemCount());
    parent.DestroyWindow();
}

TEST(AfxHeadersTest, OtherHeaderNamesBringWhatTheirCodeUses)
{
    CSpinButtonCtrl spin;        // afxcmn.h
    EXPECT_EQ(nullptr, spin.m_hWnd);
    CDialog dialog;              // afxext.h
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    const COleDateTime date(2024, 2, 29, 0, 0, 0);   // afxdisp.h
    EXPECT_EQ(29, date.GetDay());
    EXPECT_GE(AfxGetTempObjectCount(), 0);   // afxpriv.h
}

int g_nEvaluated = 0;

bool Evaluate(bool bResult)
{
    ++g_nEvaluated;
    return bResult;
}

TEST(AfxHeadersTest, DiagnosticsWithoutDebugging)
{
    g_nEvaluated = 0;
    ASSERT(Evaluate(true));   // evaluated only without NDEBUG
    VERIFY(Evaluate(true));   // always evaluated, once
    TRACE("%d %s\n", 1, "行");
#ifdef NDEBUG
    EXPECT_EQ(1, g_nEvaluated);
#else
    EXPECT_EQ(2, g_nEvaluated);
#endif
}

}  // namespace
