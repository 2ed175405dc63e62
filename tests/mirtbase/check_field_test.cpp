// The check box: one rule for its state, its square and its marks.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "canvas.h"
#include "field_fixture.h"
#include "nmirtlayoutdata.h"
#include "npropobjbtncheck.h"

namespace {

TEST(CheckFieldTest, OneRuleForTheStateAfterALoadAndInTheWindow)
{
    struct Case
    {
        const char* value;
        BOOL checked;   // not inverted; inverted is the opposite
    };
    const Case cases[] = {{"1", TRUE}, {"0", FALSE}, {"2", TRUE}, {"01", TRUE}, {"", FALSE}};
    for (const Case& c : cases) {
        for (BOOL invert : {FALSE, TRUE}) {
            const BOOL expected = invert ? !c.checked : c.checked;
            EXPECT_EQ(expected, CNPropObjBtnCheck::IsCheckedValue(c.value, invert)) << c.value << invert;

            CNPropObjBtnCheck source;
            source.m_bInvert = invert;
            source.m_strData = c.value;
            CNPropObjBtnCheck loaded;
            Load(loaded, Store(source));
            EXPECT_EQ(expected, loaded.IsChecked()) << "loaded " << c.value << invert;

            CNPropObjBtnCheck shown;
            shown.m_bInvert = invert;
            shown.m_strData = c.value;
            shown.SetMode(CNPropObj::MODE_ENTRY);
            shown.LoadToControl(0);
            EXPECT_EQ(expected, shown.IsChecked()) << "shown " << c.value << invert;
        }
    }
}

TEST(CheckFieldTest, ValueOfAStateFollowsTheInversion)
{
    EXPECT_EQ(CString("1"), CNPropObjBtnCheck::ValueOfState(TRUE, FALSE));
    EXPECT_EQ(CString("0"), CNPropObjBtnCheck::ValueOfState(FALSE, FALSE));
    // Inverted: "0" shows checked, and unchecking it gives "1".
    EXPECT_TRUE(CNPropObjBtnCheck::IsCheckedValue("0", TRUE));
    EXPECT_EQ(CString("1"), CNPropObjBtnCheck::ValueOfState(FALSE, TRUE));
    EXPECT_EQ(CString("0"), CNPropObjBtnCheck::ValueOfState(TRUE, TRUE));
}

TEST(CheckFieldTest, SquareAtTheLeftWithACaptionElseCentred)
{
    CNPropObjBtnCheck field;
    EXPECT_EQ(CRect(10, 0, 30, 20), field.CalcCheckRect(0, 0, 40, 20));
    EXPECT_EQ(CRect(0, 10, 20, 30), field.CalcCheckRect(0, 0, 20, 40));
    field.m_listItems.AddTail("caption");
    EXPECT_EQ(CRect(0, 0, 20, 20), field.CalcCheckRect(0, 0, 40, 20));
}

int InkIn(const MemoryCanvas& canvas, const RECT& area)
{
    return canvas.countInked(area);
}

TEST(CheckFieldTest, CaptionAlwaysMarkOnlyWhenCheckedSquareNever)
{
    const RECT square = {0, 0, 60, 60};
    const RECT caption = {60, 0, 300, 60};
    for (BOOL checked : {FALSE, TRUE}) {
        CNPropObjBtnCheck field;
        field.m_listItems.AddTail("ABC");
        field.m_strData = checked ? "1" : "0";
        field.LoadToControl(0);
        MemoryCanvas canvas(300, 60);
        EXPECT_EQ(1, field.DrawCheck(CDC::FromHandle(canvas.dc()), 0, 0, 0, 300, 60));
        EXPECT_GT(InkIn(canvas, caption), 0);
        EXPECT_EQ(checked, InkIn(canvas, square) > 0) << checked;
        // The square's outline is never drawn: its corner stays blank.
        EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(0, 0));
    }
}

// The caption is drawn in the field's font and colour, not in what the
// context holds, and the context keeps its own.
TEST(CheckFieldTest, CaptionInTheFieldsFontAndColour)
{
    CNPropObjBtnCheck field;
    field.m_listItems.AddTail("ABC");
    field.m_strData = "0";
    field.LoadToControl(0);
    field.SetTextColor(RGB(0, 0, 255));
    MemoryCanvas canvas(300, 100);
    LOGFONT large = field.m_logFont;
    large.lfHeight = -80;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&large));
    const HGDIOBJ hOldFont = ::SelectObject(canvas.dc(), font.m_hObject);
    ::SetTextColor(canvas.dc(), RGB(255, 0, 0));
    field.DrawCheck(CDC::FromHandle(canvas.dc()), 0, 0, 0, 300, 100);
    EXPECT_EQ(font.m_hObject, ::GetCurrentObject(canvas.dc(), OBJ_FONT));
    EXPECT_EQ(RGB(255, 0, 0), ::GetTextColor(canvas.dc()));
    ::SelectObject(canvas.dc(), hOldFont);
    // 9 points are 12 pixels: the ink lies in the middle rows only.
    EXPECT_GT(canvas.countInked({100, 38, 300, 62}), 0);
    EXPECT_EQ(0, canvas.countInked({100, 0, 300, 36}));
    EXPECT_EQ(0, canvas.countInked({100, 64, 300, 100}));
    int nBlue = 0;
    for (int y = 38; y < 62; y++) {
        for (int x = 100; x < 300; x++) {
            const COLORREF cr = canvas.pixel(x, y);
            EXPECT_LE(GetRValue(cr), GetBValue(cr)) << x << "," << y;
            nBlue += cr == RGB(0, 0, 255) ? 1 : 0;
        }
    }
    EXPECT_GT(nBlue, 0);
}

// The pixels of a check box 70 x 70 drawn checked with a mark style.
std::vector<COLORREF> MarkPixels(int style, MemoryCanvas& canvas)
{
    CNPropObjBtnCheck field;
    field.SetMarkStyle(style);
    field.DrawCheck(CDC::FromHandle(canvas.dc()), 0, 0, 0, 70, 70);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 70; ++x)
            pixels.push_back(canvas.pixel(x, y));
    }
    return pixels;
}

TEST(CheckFieldTest, EveryMarkStyleInsideTheSquare)
{
    std::set<std::vector<COLORREF>> marks;
    for (int style = CNPropObjBtnCheck::MARK_DISC; style <= CNPropObjBtnCheck::MARK_LAST_PICTURE; ++style) {
        MemoryCanvas canvas(70, 70);
        EXPECT_TRUE(marks.insert(MarkPixels(style, canvas)).second) << "a mark of its own: " << style;
        EXPECT_GT(InkIn(canvas, {10, 10, 60, 60}), 0) << style;
        // Inset by a seventh (circles, pictures) or a sixth (strokes): the edges stay blank.
        EXPECT_EQ(0, InkIn(canvas, {0, 0, 70, 9})) << style;
        EXPECT_EQ(0, InkIn(canvas, {0, 61, 70, 70})) << style;
        if (style > CNPropObjBtnCheck::MARK_STROKE)
            continue;
        // Circles drawn with the context's (white) brush or none leave the centre open.
        const bool centreInked = canvas.pixel(35, 35) != RGB(255, 255, 255);
        EXPECT_EQ(style != CNPropObjBtnCheck::MARK_CIRCLE_BRUSH && style != CNPropObjBtnCheck::MARK_DOUBLE_CIRCLE,
            centreInked)
            << style;
    }
    MemoryCanvas none(70, 70);
    MarkPixels(CNPropObjBtnCheck::MARK_LAST_PICTURE + 1, none);
    EXPECT_EQ(0, InkIn(none, {0, 0, 70, 70})) << "styles past the pictures have no mark";
}

// A record whose rectangle spans the whole range of int loads held to
// ±0x7FFF tenths of a millimetre and draws its mark at that size
// (±12385 pixels on the screen), not as an ellipse of millions of pixels.
TEST(CheckFieldTest, HostileRectangleDrawsTheMarkAtTheHeldSize)
{
    CNPropObjBtnCheck stored(MakeBlock(1, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}), CNPropObjCtrl::STYLE_DEFAULT, 0);
    stored.SetMarkStyle(CNPropObjBtnCheck::MARK_DISC);
    stored.m_strData = "1";
    CNPropObjBtnCheck loaded;
    Load(loaded, Store(stored));
    MemoryCanvas canvas(64, 64);
    EXPECT_EQ(1, loaded.Draw(CDC::FromHandle(canvas.dc()), 0));
    EXPECT_EQ(CRect(-12385, -12385, 12385, 12385), CRect(loaded.m_rcDevice));
    // The canvas lies inside the disc.
    EXPECT_EQ(64 * 64, canvas.countInked({0, 0, 64, 64}));
}

TEST(CheckFieldTest, DrawGateOnPaper)
{
    MemoryCanvas canvas(300, 60);
    CBorrowedDC printer(canvas.dc(), canvas.dc(), TRUE);
    CNPropObjBtnCheck field(MakeBlock(1, {0, 0, 500, 150}), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 2);
    EXPECT_EQ(0, field.Draw(&printer, 0));
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    EXPECT_EQ(1, field.Draw(&printer, 0));
    EXPECT_GT(canvas.countInked({0, 0, 300, 60}), 0);
    field.m_dwFlags = CNPropObj::FLAG_HIDDEN;
    EXPECT_EQ(0, field.Draw(CDC::FromHandle(canvas.dc()), 0));
}

}  // namespace

namespace {

std::string ClassOf(HWND hWnd)
{
    char name[32] = {};
    ::GetClassNameA(hWnd, name, sizeof name);
    return name;
}

TEST(ButtonFieldTest, PushButtonAndOwnerDrawnCheckBoxWindows)
{
    CHostWnd host;
    CTestFormWnd form;
    CNPropObjBtn button(MakeBlock(3, {0, 0, 1000, 300}, 0x05), CNPropObjCtrl::STYLE_DEFAULT, 0);
    EXPECT_EQ(nullptr, button.CreateControl(&host, 1)) << "no owner";
    button.m_pOwner = &form;
    CWnd* pButton = button.CreateControl(&host, 1);
    ASSERT_NE(nullptr, pButton);
    EXPECT_EQ("Button", ClassOf(pButton->GetSafeHwnd()));
    EXPECT_EQ(2003, ::GetDlgCtrlID(pButton->GetSafeHwnd()));
    EXPECT_EQ(0, ::GetWindowLongA(pButton->GetSafeHwnd(), GWL_STYLE) & BS_TYPEMASK);

    CNPropObjBtnCheck check(MakeBlock(4, {0, 0, 1000, 300}, 0x05), CNPropObjCtrl::STYLE_DEFAULT, 0);
    check.m_pOwner = &form;
    CWnd* pCheck = check.CreateControl(&host, 1);
    ASSERT_NE(nullptr, pCheck);
    EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), ::GetWindowLongA(pCheck->GetSafeHwnd(), GWL_STYLE) & BS_TYPEMASK);
    CRect placed;
    ::GetWindowRect(pCheck->GetSafeHwnd(), &placed);
    host.ScreenToClient(&placed);
    EXPECT_EQ(CRect(0, 0, 378, 113), placed);
    // On a face with a layout the check box moves back by the margin.
    form.SetLayout(new CNMirtLayoutData);
    form.SetMargin(CSize(100, 50));
    pCheck = check.CreateControl(&host, 1);
    ASSERT_NE(nullptr, pCheck);
    ::GetWindowRect(pCheck->GetSafeHwnd(), &placed);
    host.ScreenToClient(&placed);
    EXPECT_EQ(CRect(-37, -18, 341, 95), placed);

    // Making it again replaces the window; removing it destroys it.
    const HWND hFirst = pButton->GetSafeHwnd();
    ASSERT_NE(nullptr, button.CreateControl(&host, 1));
    EXPECT_FALSE(::IsWindow(hFirst));
    const HWND hSecond = button.GetControl()->GetSafeHwnd();
    EXPECT_EQ(1, button.DestroyControl());
    EXPECT_FALSE(::IsWindow(hSecond));
    EXPECT_EQ(nullptr, button.GetControl());
    EXPECT_EQ(3, button.GetCarryOver());
    EXPECT_EQ(3, button.GetModify());
}

}  // namespace
