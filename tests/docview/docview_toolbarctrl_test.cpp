// The tool-bar control with the tool-bar bitmap of the test program.
#include "docview_app.h"
#include "afxcmn.h"

TEST_F(DocViewTest, ToolBarCtrlTakesImagesAndButtons)
{
    NewDocument();
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_TOOLTIPS, CRect(0, 0, 0, 0), Frame(), 248));
    EXPECT_EQ(0, bar.AddBitmap(4, IDR_DOCTEST));
    TBBUTTON buttons[] = {
        {0, ID_TEST_VIEW_CMD, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
        {1, ID_TEST_DOC_CMD, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
        {8, 0, 0, TBSTYLE_SEP, {}, 0, 0},
        {2, ID_TEST_CHECKED, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
    };
    ASSERT_TRUE(bar.AddButtons(4, buttons));
    EXPECT_EQ(4, bar.GetButtonCount());
    TBBUTTON button = {};
    ASSERT_TRUE(bar.GetButton(3, &button));
    EXPECT_EQ(ID_TEST_CHECKED, button.idCommand);
    EXPECT_EQ(2, button.iBitmap);

    EXPECT_TRUE(bar.IsButtonEnabled(ID_TEST_DOC_CMD));
    EXPECT_TRUE(bar.EnableButton(ID_TEST_DOC_CMD, FALSE));
    EXPECT_FALSE(bar.IsButtonEnabled(ID_TEST_DOC_CMD));

    EXPECT_TRUE(bar.SetBitmapSize(CSize(16, 15)));
    EXPECT_TRUE(bar.SetButtonSize(CSize(23, 22)));
    bar.AutoSize();
    CRect rect;
    bar.GetWindowRect(&rect);
    EXPECT_GE(rect.Height(), 22);

    EXPECT_TRUE(bar.DeleteButton(0));
    EXPECT_EQ(3, bar.GetButtonCount());
    ASSERT_TRUE(bar.GetButton(0, &button));
    EXPECT_EQ(ID_TEST_DOC_CMD, button.idCommand);
    bar.DestroyWindow();
}
