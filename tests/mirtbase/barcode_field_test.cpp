// The barcode field draws its text through the barcode component in its
// device rectangle, whatever order kind and text were given in.
#include <gtest/gtest.h>

#include "canvas.h"
#include "field_fixture.h"
#include "npropobjbarcode.h"

namespace {

// 0..2000 by 0..200 tenths of a millimetre: 756 by 75 pixels.
const RECT kFieldRect = {0, 0, 2000, 200};

int BlackBars(const MemoryCanvas& canvas, int y)
{
    return BlackRuns(canvas, y, 0, canvas.width());
}

TEST(BarcodeFieldTest, DrawsTheTextOfItsKindInItsRectangle)
{
    struct Case
    {
        UINT kind;
        const char* text;
        int bars;
    };
    const Case cases[] = {
        {CBarcode::KIND_JAN13, "490123456789", 30},   // 3 guards of 2 bars, 12 digits of 2
        {CBarcode::KIND_JAN8, "4901234", 22},
        {CBarcode::KIND_POSTAL, "12345673-5-2", 67},  // start, 21 characters of 3, stop
        {CBarcode::KIND_JAN13, "", 0},
        {CBarcode::KIND_JAN13, "not digits", 0},
    };
    for (const Case& c : cases) {
        MemoryCanvas canvas(800, 100);
        CNPropObjBarcode field(MakeBlock(1, kFieldRect, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
        field.m_nKind = c.kind;
        field.SetText(c.text);
        EXPECT_EQ(0, field.Draw(CDC::FromHandle(canvas.dc()), 0));
        EXPECT_EQ(c.bars, BlackBars(canvas, 37)) << c.text;
        // Nothing outside the field's 756 x 75 pixels.
        EXPECT_EQ(0, canvas.countInked({0, 76, 800, 100})) << c.text;
    }
}

TEST(BarcodeFieldTest, ALoadedFieldWithTextDrawsAfterItsKindChanges)
{
    CNPropObjBarcode field(MakeBlock(1, kFieldRect, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.SetText("12345678");
    field.m_nKind = CBarcode::KIND_ITF;
    MemoryCanvas first(800, 100);
    field.Draw(CDC::FromHandle(first.dc()), 0);
    field.m_nKind = CBarcode::KIND_CODE128;
    MemoryCanvas second(800, 100);
    field.Draw(CDC::FromHandle(second.dc()), 0);
    EXPECT_EQ(2 + 5 * 5 + 2, BlackBars(first, 37));     // a leading 0, 8 digits and the check digit
    EXPECT_EQ(6 * 3 + 4, BlackBars(second, 37));        // start, 4 pairs, check, stop
}

TEST(BarcodeFieldTest, HiddenOrNeverPrintedDrawsNothing)
{
    CNPropObjBarcode field(MakeBlock(1, kFieldRect, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.m_nKind = CBarcode::KIND_JAN8;
    field.SetText("4901234");
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 2);
    MemoryCanvas paper(800, 100);
    CBorrowedDC printer(paper.dc(), paper.dc(), TRUE);
    EXPECT_EQ(0, field.Draw(&printer, 0));
    EXPECT_EQ(0, paper.countInked({0, 0, 800, 100}));

    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    field.Draw(&printer, 0);
    EXPECT_EQ(22, BlackBars(paper, 37));

    field.m_dwFlags = CNPropObj::FLAG_HIDDEN;
    MemoryCanvas screen(800, 100);
    EXPECT_EQ(0, field.Draw(CDC::FromHandle(screen.dc()), 0));
    EXPECT_EQ(0, screen.countInked({0, 0, 800, 100}));
}

TEST(BarcodeFieldTest, NoEntryWindow)
{
    CHostWnd host;
    CNPropObjBarcode field;
    EXPECT_EQ(nullptr, field.CreateControl(&host, 1));
    EXPECT_EQ(1, field.DestroyControl());
    EXPECT_EQ(3, field.GetNumKind());
    EXPECT_EQ(3, field.GetShadow());
}

}  // namespace
