// The whole-image window on the three-face sample: made and shown at the
// form load, a click on a face switches the view to it through the main
// frame, the current face framed in red, and the face commands' enabling.
#include "canvas.h"
#include "mirtbasemen.h"
#include "resource.h"
#include "tolvane_fixture.h"
#include "view/wholeimagedlg.h"

TEST(WholeImageFaces, FaceSizeIsTheStepBetweenOrigins)
{
    struct Case
    {
        std::initializer_list<CPoint> origins;
        CSize size;
    };
    const CRect rectSheet(0, 0, 2100, 2970);
    for (const Case& c : {Case{{CPoint(0, 0), CPoint(0, 990), CPoint(0, 1980)}, CSize(2100, 990)},
             Case{{CPoint(0, 0), CPoint(1050, 0)}, CSize(1050, 2970)},
             Case{{CPoint(0, 0), CPoint(1050, 0), CPoint(0, 1485), CPoint(1050, 1485)}, CSize(1050, 1485)},
             Case{{CPoint(0, 0)}, CSize(2100, 2970)}, Case{{}, CSize(2100, 2970)}}) {
        CArray<CPoint, CPoint> origins;
        for (const CPoint& pt : c.origins)
            origins.Add(pt);
        EXPECT_EQ(c.size, FaceSizeOnSheet(rectSheet, origins)) << origins.GetSize();
    }
}

namespace {

class WholeImageTest : public TolvaneTest
{
protected:
    CWholeImageDlg& Dialog() const { return View()->m_wndWholeImage; }
    CWholeImageWnd& Picture() const { return View()->m_wndWholeImage.m_wndPicture; }
    void ClickAt(CPoint point)
    {
        Picture().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    // Whether a MsgFaceSelected waits for the main frame, and its face.
    int TakeFaceSelected()
    {
        MSG msg;
        if (!::PeekMessageA(&msg, Frame()->m_hWnd, MsgFaceSelected, MsgFaceSelected, PM_REMOVE))
            return 0;
        Frame()->SendMessage(msg.message, msg.wParam, msg.lParam);
        m_app.PumpPending();
        return static_cast<int>(msg.wParam);
    }
};

}  // namespace

TEST_F(WholeImageTest, HiddenForOneFace)
{
    StartOn(9002);
    ASSERT_NE(nullptr, Dialog().GetSafeHwnd());
    EXPECT_FALSE(Dialog().IsWindowVisible());
    EXPECT_EQ(nullptr, Picture().m_pPageFrame);
}

TEST_F(WholeImageTest, ShownAtTheLowerRightWithTheSheetsFaces)
{
    StartOn(9003);
    ASSERT_NE(nullptr, Dialog().GetSafeHwnd());
    EXPECT_TRUE(Dialog().IsWindowVisible());
    CString strTitle;
    Dialog().GetWindowText(strTitle);
    EXPECT_STREQ("全体イメージ", strTitle);
    CRect rect;
    Dialog().GetWindowRect(&rect);
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN) - 23, rect.right);
    EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN) - 77, rect.bottom);
    EXPECT_EQ(3, Picture().GetMenCount());
    EXPECT_EQ(1, Picture().m_nCurrentMen);
    EXPECT_NE(nullptr, Picture().m_pPageFrame);
    // The three faces lie one under the other inside the picture.
    CRect rectClient;
    Picture().GetClientRect(&rectClient);
    for (int k = 1; k <= 3; ++k) {
        const CRect rectFace = Picture().FaceRect(k);
        EXPECT_FALSE(rectFace.IsRectEmpty()) << k;
        EXPECT_LE(rectFace.bottom, rectClient.bottom + 1) << k;
        if (k > 1) {
            EXPECT_EQ(Picture().FaceRect(k - 1).left, rectFace.left);
            EXPECT_GE(rectFace.top, Picture().FaceRect(k - 1).bottom - 1);
        }
    }
    EXPECT_TRUE(Picture().FaceRect(0).IsRectEmpty());
    EXPECT_TRUE(Picture().FaceRect(4).IsRectEmpty());
}

TEST_F(WholeImageTest, ClickOnAFaceSwitchesTheView)
{
    StartOn(9003);
    ASSERT_EQ(3, Picture().GetMenCount());
    ClickAt(Picture().FaceRect(1).CenterPoint());
    EXPECT_EQ(0, TakeFaceSelected()) << "the current face";

    for (int k : {3, 2, 1}) {
        ClickAt(Picture().FaceRect(k).CenterPoint());
        EXPECT_EQ(k, Picture().m_nCurrentMen);
        EXPECT_EQ(k, TakeFaceSelected());
        EXPECT_EQ(k, View()->m_nCurrentMen);
        EXPECT_EQ(k, Picture().m_nCurrentMen);
    }
    // Outside every face: nothing.
    const CRect rectLast = Picture().FaceRect(3);
    ClickAt(CPoint(rectLast.right + 5, rectLast.bottom + 5));
    EXPECT_EQ(0, TakeFaceSelected());
    EXPECT_EQ(1, View()->m_nCurrentMen);

    // The view's own face switch moves the frame too.
    View()->ShowMen(2);
    EXPECT_EQ(2, Picture().m_nCurrentMen);
}

TEST_F(WholeImageTest, PictureFramesTheCurrentFaceInRed)
{
    StartOn(9003);
    CRect rectClient;
    Picture().GetClientRect(&rectClient);
    for (int bFrame : {1, 0}) {
        SCOPED_TRACE(bFrame);
        Picture().m_bFrame = bFrame;
        View()->ShowMen(2);
        MemoryCanvas canvas(rectClient.Width(), rectClient.Height(), RGB(0, 0, 0));
        Picture().Draw(CDC::FromHandle(canvas.dc()));
        const CRect rectFace = Picture().FaceRect(2);
        const COLORREF crEdge = canvas.pixel(rectFace.left, rectFace.CenterPoint().y);
        EXPECT_EQ(bFrame != 0, crEdge == RGB(255, 0, 0));
        EXPECT_NE(RGB(255, 0, 0), canvas.pixel(Picture().FaceRect(1).left, Picture().FaceRect(1).CenterPoint().y));
        EXPECT_GT(canvas.countInked(rectFace), 0) << "the page is drawn";
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.pixel(rectClient.right - 1, rectClient.bottom - 1));
    }

    // Without a page nothing is drawn.
    Picture().m_pPageFrame = nullptr;
    MemoryCanvas canvas(rectClient.Width(), rectClient.Height(), RGB(0, 0, 0));
    Picture().Draw(CDC::FromHandle(canvas.dc()));
    EXPECT_EQ(0, canvas.countInked(rectClient));
}

TEST_F(WholeImageTest, FaceCommandsFollowTheFlags)
{
    StartOn(9003);
    CImageToolBarCtrl& bar = Dialog().m_wndToolBar;
    ASSERT_EQ(6, bar.GetButtonCount());
    TBBUTTON button = {};
    ASSERT_TRUE(bar.GetButton(4, &button));
    EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP);
    ASSERT_TRUE(bar.GetButton(5, &button));
    EXPECT_EQ(ID_NEXT_FACE, button.idCommand);
    EXPECT_EQ(4, button.iBitmap) << "images count only buttons";

    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_WHOLEIMAGE_MENU));
    CMenu* pPopup = menu.GetSubMenu(0);
    struct Case
    {
        int bUndo;
        int bPaste;
        BOOL bOn;
    };
    for (const Case& c : {Case{0, 0, TRUE}, Case{1, 0, TRUE}, Case{0, 1, TRUE}, Case{1, 1, FALSE}}) {
        SCOPED_TRACE(c.bUndo * 10 + c.bPaste);
        Dialog().SetUndoAvailable(c.bUndo);
        Dialog().SetPasteAvailable(c.bPaste);
        Dialog().EnableFaceButtons(c.bOn);
        EXPECT_EQ(c.bOn, bar.IsButtonEnabled(ID_FACE_COPY) != 0);
        EXPECT_EQ(c.bOn, bar.IsButtonEnabled(ID_NEXT_FACE) != 0);
        EXPECT_EQ(c.bOn && c.bUndo, bar.IsButtonEnabled(ID_FACE_UNDO) != 0);
        EXPECT_EQ(c.bOn && c.bPaste, bar.IsButtonEnabled(ID_FACE_PASTE) != 0);
        EXPECT_EQ(c.bOn && c.bPaste, bar.IsButtonEnabled(ID_FACE_PASTE_ALL) != 0);

        Dialog().SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(pPopup->GetSafeHmenu()));
        EXPECT_EQ(c.bUndo ? 0u : static_cast<UINT>(MF_GRAYED), pPopup->GetMenuState(ID_FACE_UNDO, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_EQ(c.bPaste ? 0u : static_cast<UINT>(MF_GRAYED),
            pPopup->GetMenuState(ID_FACE_PASTE_ALL, MF_BYCOMMAND) & MF_GRAYED);
        EXPECT_EQ(0u, pPopup->GetMenuState(ID_NEXT_FACE, MF_BYCOMMAND) & MF_GRAYED);
    }

    // A tip is the string's second part, and the prompt goes to the frame.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(bar.SendMessage(TB_GETTOOLTIPS));
    info.hdr.idFrom = ID_FACE_PASTE_ALL;
    info.hdr.code = TTN_GETDISPINFOA;
    bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ("全面へ貼り付け", info.szText);
    m_app.PumpPending();
    EXPECT_STREQ("コピーされた面を全面に貼り付けます", Frame()->m_wndStatusBar.GetPaneText(0));
}

TEST_F(WholeImageTest, RepaintMessageTakesOnlyFaces)
{
    StartOn(9003);
    EXPECT_EQ(1, Picture().SendMessage(MsgRepaintFace, 2));
    EXPECT_EQ(0, Picture().SendMessage(MsgRepaintFace, 0));
}
