// Drawing of the line, picture and static-text fields on memory canvases,
// on the screen and on a printing context.
#include <gtest/gtest.h>

#include <mirtenv.h>

#include <fstream>

#include "canvas.h"
#include "field_fixture.h"
#include "install_root.h"
#include "mirtpath.h"
#include "modal_script.h"
#include "npropobjline.h"
#include "npropobjpic.h"
#include "npropobjstc.h"
#include "test_paths.h"

namespace {

// 100..1100 by 100..600 tenths of a millimetre: pixels 37..415 by 37..226.
const RECT kFieldRect = {100, 100, 1100, 600};
const RECT kDevice = {37, 37, 415, 226};
const int kMidX = (kDevice.left + kDevice.right) / 2;
const int kMidY = (kDevice.top + kDevice.bottom) / 2;

bool Inked(const MemoryCanvas& canvas, int x, int y)
{
    return canvas.pixel(x, y) != RGB(255, 255, 255);
}

TEST(LineFieldDrawTest, ShapesByTheirBits)
{
    struct Case
    {
        WORD shapes;
        POINT inked[2];
        POINT blank[2];
    };
    const Case cases[] = {
        // The four edges: corners, not the middle.
        {CNPropObjLine::SHAPE_EDGES, {{kDevice.left, kDevice.top}, {kMidX, kDevice.bottom}}, {{kMidX, kMidY}, {kMidX, kMidY + 5}}},
        // An X: the middle, not the edges.
        {0x30, {{kMidX, kMidY}, {kDevice.left + 1, kDevice.bottom - 1}}, {{kMidX, kDevice.top}, {kDevice.left, kMidY}}},
        // An ellipse in a rounded box, neither filled: the box's edge and the
        // ellipse's left point, not the middle or the rounded corner.
        {0xC0, {{kMidX, kDevice.top}, {kDevice.left, kMidY}}, {{kMidX, kMidY}, {kDevice.left, kDevice.top}}},
    };
    for (const Case& c : cases) {
        MemoryCanvas canvas(500, 300);
        CNPropObjLine field(MakeBlock(1, kFieldRect), CNPropObjCtrl::STYLE_DEFAULT, 0);
        field.m_wShapes = c.shapes;
        EXPECT_EQ(0, field.Draw(CDC::FromHandle(canvas.dc()), 0));
        for (const POINT& p : c.inked)
            EXPECT_TRUE(Inked(canvas, p.x, p.y)) << c.shapes << " at " << p.x << "," << p.y;
        for (const POINT& p : c.blank)
            EXPECT_FALSE(Inked(canvas, p.x, p.y)) << c.shapes << " at " << p.x << "," << p.y;
    }
}

TEST(LineFieldDrawTest, PenColourAndHiddenField)
{
    MemoryCanvas canvas(500, 300);
    CNPropObjLine field(MakeBlock(1, kFieldRect), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.m_crPen = RGB(255, 0, 0);
    field.Draw(CDC::FromHandle(canvas.dc()), 0);
    EXPECT_EQ(RGB(255, 0, 0), canvas.pixel(kMidX, kDevice.top));

    MemoryCanvas hidden(500, 300);
    field.m_dwFlags = CNPropObj::FLAG_HIDDEN;
    field.Draw(CDC::FromHandle(hidden.dc()), 0);
    EXPECT_EQ(0, hidden.countInked({0, 0, 500, 300}));
}

using PictureFieldTest = InstallRootTest;

TEST_F(PictureFieldTest, EmptyEditableFieldShowsAGreyCrossOnTheScreenOnly)
{
    CNPropObjPic field(MakeBlock(1, kFieldRect, 0x05), CNPropObjCtrl::STYLE_DEFAULT, 0);
    MemoryCanvas screen(500, 300);
    EXPECT_EQ(0, field.Draw(CDC::FromHandle(screen.dc()), 0));
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), screen.pixel(kMidX, kMidY));

    MemoryCanvas paper(500, 300);
    CBorrowedDC printer(paper.dc(), paper.dc(), TRUE);
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    EXPECT_EQ(0, field.Draw(&printer, 0));
    EXPECT_EQ(0, paper.countInked({0, 0, 500, 300}));

    CNPropObjPic locked(MakeBlock(1, kFieldRect, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    MemoryCanvas lockedScreen(500, 300);
    locked.Draw(CDC::FromHandle(lockedScreen.dc()), 0);
    EXPECT_EQ(0, lockedScreen.countInked({0, 0, 500, 300}));
}

TEST_F(PictureFieldTest, BackColourFillCountsAsDrawn)
{
    CNPropObjPic field(MakeBlock(1, kFieldRect, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.m_crBack = RGB(0, 0, 255);
    MemoryCanvas screen(500, 300);
    EXPECT_EQ(1, field.Draw(CDC::FromHandle(screen.dc()), 0));
    EXPECT_EQ(RGB(0, 0, 255), screen.pixel(kMidX, kMidY));
}

TEST_F(PictureFieldTest, PaperPrintsItemOneWhateverTheValue)
{
    CNPropObjPic field(MakeBlock(1, kFieldRect, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.m_listItems.AddTail("C:\\old\\screen.bmp");
    field.m_listItems.AddTail("D:\\x\\paper.bmp");
    field.m_strData = "C:\\pictures\\chosen.jpg";
    const CString defbmp = MirtInstallPath(MIRT_DEFBMP_FOLDER);
    EXPECT_EQ(defbmp + "paper.bmp", field.PicturePath(TRUE));
    EXPECT_EQ(CString("C:\\pictures\\chosen.jpg"), field.PicturePath(FALSE));
    field.m_strData.Empty();
    EXPECT_EQ(defbmp + "screen.bmp", field.PicturePath(FALSE));
    field.m_listItems.RemoveTail();
    EXPECT_EQ(defbmp + "screen.bmp", field.PicturePath(TRUE));
}

using StaticTextFieldTest = InstallRootTest;

TEST_F(StaticTextFieldTest, ScreenPlaysItemZeroPaperItemOneUnlessInMetafileMode)
{
    WriteMetafile(m_root + "\\DATA\\META\\screen.emf", RGB(255, 0, 0));
    WriteMetafile(m_root + "\\DATA\\META\\paper.emf", RGB(0, 0, 255));
    CTestFormWnd form;
    CNPropObjStc field(MakeBlock(1, kFieldRect), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    field.m_pOwner = &form;
    field.m_listItems.AddTail("X:\\elsewhere\\screen.emf");
    field.m_listItems.AddTail("paper.emf");

    struct Case
    {
        BOOL printing;
        UINT metafileMode;
        COLORREF colour;
    };
    for (const Case& c : {Case{FALSE, 0, RGB(255, 0, 0)}, Case{TRUE, 0, RGB(0, 0, 255)}, Case{TRUE, 1, RGB(255, 0, 0)}}) {
        form.SetMetaFile(c.metafileMode);
        MemoryCanvas canvas(500, 300);
        CBorrowedDC dc(canvas.dc(), canvas.dc(), c.printing);
        EXPECT_EQ(1, field.Draw(&dc, 0));
        EXPECT_EQ(c.colour, canvas.pixel(kMidX, kMidY)) << c.printing << c.metafileMode;
    }

    // Without item 1 nothing is printed; a missing file draws nothing.
    field.m_listItems.RemoveTail();
    form.SetMetaFile(0);
    MemoryCanvas paper(500, 300);
    CBorrowedDC printer(paper.dc(), paper.dc(), TRUE);
    EXPECT_EQ(0, field.Draw(&printer, 0));
    field.m_listItems.SetAt(field.m_listItems.GetHeadPosition(), "missing.emf");
    MemoryCanvas screen(500, 300);
    EXPECT_EQ(0, field.Draw(CDC::FromHandle(screen.dc()), 0));
    EXPECT_EQ(0, screen.countInked({0, 0, 500, 300}));
}

TEST_F(StaticTextFieldTest, StaticWindowOnTheHostWithTheOrderId)
{
    CHostWnd host;
    CTestFormWnd form;
    CNPropObjStc field(MakeBlock(4, kFieldRect), CNPropObjCtrl::STYLE_DEFAULT, 0);
    EXPECT_EQ(nullptr, field.CreateControl(&host, 1)) << "no owner";
    field.m_pOwner = &form;
    EXPECT_EQ(nullptr, field.CreateControl(&host, 0)) << "no mode";
    CWnd* pWnd = field.CreateControl(&host, 1);
    ASSERT_NE(nullptr, pWnd);
    EXPECT_EQ(field.GetControl(), pWnd);
    EXPECT_EQ(2004, ::GetDlgCtrlID(pWnd->GetSafeHwnd()));
    char cls[32] = {};
    ::GetClassNameA(pWnd->GetSafeHwnd(), cls, sizeof cls);
    EXPECT_STREQ("Static", cls);
    EXPECT_EQ(static_cast<LONG>(SS_ENHMETAFILE), ::GetWindowLongA(pWnd->GetSafeHwnd(), GWL_STYLE) & SS_TYPEMASK);
    const HWND hWnd = pWnd->GetSafeHwnd();
    EXPECT_EQ(1, field.DestroyControl());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, field.GetControl());
}

}  // namespace

namespace {

using PictureChoiceTest = InstallRootTest;

TEST_F(PictureChoiceTest, ChosenPictureBecomesTheValueAndTheFaceIsRedrawn)
{
    std::ofstream(m_root + "\\DATA\\Defbmp\\logo.bmp") << "BM";
    CTestFormWnd form;
    CNPropObjPic field(MakeBlock(1, kFieldRect, 0x05), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.m_pOwner = &form;
    ModalScript script;
    script.ExpectDialog([](CWnd* pModal) {
        HWND hList = ::FindWindowExA(pModal->GetSafeHwnd(), nullptr, "ListBox", nullptr);
        ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
        ModalScript::Click(pModal, IDOK);
    });
    EXPECT_EQ(1, field.Activate());
    EXPECT_EQ(CString(m_root.c_str()) + "\\DATA\\Defbmp\\logo.bmp", field.m_strData);
    ASSERT_FALSE(form.m_redrawn.empty());
    EXPECT_EQ(nullptr, form.m_redrawn.back()) << "the whole face";

    // Cancelled: the value stays; a field that takes no input opens nothing.
    script.ExpectDialog([](CWnd* pModal) { ModalScript::Click(pModal, IDCANCEL); });
    EXPECT_EQ(1, field.Activate());
    EXPECT_EQ(CString(m_root.c_str()) + "\\DATA\\Defbmp\\logo.bmp", field.m_strData);
    field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x04);
    EXPECT_EQ(0, field.Activate());
}

}  // namespace
