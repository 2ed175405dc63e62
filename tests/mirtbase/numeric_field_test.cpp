// Numeric fields: the number kinds' forms, the drawn forms (separators,
// affixes, digit boxes) made on a copy of the value, serial numbers from the
// form window, and values filled from value files.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "field_fixture.h"
#include "live_field.h"
#include "metafile_text.h"
#include "npropobjnum.h"
#include "other_folder.h"

namespace {

TEST(NumericFieldTest, ConstructionValues)
{
    CNPropObjDocNum num;
    EXPECT_EQ(1, num.GetNumKind());
    EXPECT_EQ(1, num.m_nDrawStyle);
    EXPECT_EQ(1, num.GetAutoCalc());
    EXPECT_EQ(3u, num.GetVersion());
    EXPECT_EQ(2, num.m_nFrameKind);
    CNPropObjDocNumRen serial;
    EXPECT_EQ(1u, serial.GetVersion());
    EXPECT_EQ(2, serial.m_nFrameKind);
    CNPropObjAutoItemNum autoNum;
    EXPECT_EQ(1u, autoNum.GetVersion());
    EXPECT_EQ(3, autoNum.m_nFrameKind);
}

// A numeric field that carries data, in number kind nKind.
class DataNum : public CNPropObjDocNum
{
public:
    explicit DataNum(int nKind, RECT rect = {0, 0, 1000, 100})
        : CNPropObjDocNum(MakeBlock(5, rect, INPUT_DATA), STYLE_DEFAULT, 0)
    {
        SetNumKind(nKind);
        SetAttr(ATTRIBUTE_PRINT, 1);
    }
};

TEST(NumericFieldTest, SetTextBringsTheTextIntoTheKindsForm)
{
    const struct
    {
        int kind;
        const char* text;
        const char* stored;
    } cases[] = {
        {0, "12.9", "12"}, {0, "-12.9", "-12"}, {0, "12", "12"}, {0, "-0.5", "0"}, {0, "1.999999", "2"},
        {0, "", ""},
        {1, "5", "5.00"}, {1, "5.5", "5.50"}, {1, "5.556", "5.55"}, {1, "-5.556", "-5.55"}, {1, "5.55", "5.55"},
        {1, "1.005", "1.00"}, {1, "", ""},
        {2, "5.500", "5.5"}, {2, "5.00", "5"}, {2, "0.10", "0.1"}, {2, "10.0", "10"}, {2, "100", "100"},
        {2, "1.234", "1.23"}, {2, ".50", ".50"},
        {3, "abc", "abc"},
    };
    for (const auto& c : cases) {
        DataNum field(c.kind);
        EXPECT_EQ(1, field.SetText(c.text)) << c.kind << " " << c.text;
        EXPECT_STREQ(c.stored, field.m_strData) << c.kind << " " << c.text;
    }
    CNPropObjDocNum noData;
    noData.m_strData = "7";
    EXPECT_EQ(0, noData.SetText("5"));
    EXPECT_STREQ("7", noData.m_strData);
}

TEST(NumericFieldTest, SeparatorsAndAffixes)
{
    const struct
    {
        const char* text;
        const char* separated;
    } cases[] = {
        {"1234", "1,234"}, {"123", "123"}, {"-1234567.5", "-1,234,567.5"}, {"1234567", "1,234,567"},
        {"\\1234", "\\1,234"}, {"\\123", "\\123"}, {"12.3456", "12.3456"}, {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.separated, CNPropObjDocNum::SeparatedNumber(c.text)) << c.text;

    DataNum field(1);
    EXPECT_STREQ("5", field.WithAffixes("5"));
    for (const char* item : {"file", "pre", "￥"})
        field.m_listItems.AddTail(item);
    EXPECT_STREQ("￥5", field.WithAffixes("5"));
    field.m_listItems.AddTail("円");
    EXPECT_STREQ("￥5円", field.WithAffixes("5"));
    EXPECT_STREQ("", field.WithAffixes(""));
}

// Style 2 draws the separated number with its affixes; the value itself,
// in a live field's window and in its data string, stays plain.
TEST(NumericFieldTest, SeparatedDrawingLeavesTheValueAlone)
{
    CHostWnd host;
    CWindowedField<CNPropObjDocNum> field;
    CTestEntryWnd window(&field);
    ASSERT_TRUE(field.AttachWindow(window, &host));
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    field.m_nDrawStyle = CNPropObjDocNum::STYLE_SEPARATED;
    for (const char* item : {"", "", "￥", "-"})
        field.m_listItems.AddTail(item);
    field.SetNumKind(0);
    field.SetText("1234567");
    field.SetMode(CNPropObj::MODE_ENTRY);
    window.SetWindowText("7654321");

    EXPECT_EQ("￥7,654,321-", JoinedTexts(DrawnTexts(field)));
    EXPECT_STREQ("7654321", window.Text());
    EXPECT_STREQ("7654321", field.m_strData);

    field.m_nDrawStyle = CNPropObjDocNum::STYLE_PLAIN;
    EXPECT_EQ("7654321", JoinedTexts(DrawnTexts(field)));
}

// Eight boxes 10 mm wide from the field's left edge.
void SetEightBoxes(CNPropObjDocNum& field)
{
    for (DWORD i = 0; i < 8; i++) {
        field.m_arrayLeft.Add(i * 100);
        field.m_arrayRight.Add(i * 100 + 100);
    }
}

// The box (0 .. 7) each output starts in, on the screen.
std::vector<int> BoxesOf(const std::vector<MetaText>& texts)
{
    // The right edges of boxes 0 .. 6 (10 mm each) in screen pixels.
    const int kBoxRight[] = {37, 75, 113, 151, 189, 226, 264};
    std::vector<int> boxes;
    for (const MetaText& text : texts) {
        int nBox = 0;
        while (nBox < 7 && kBoxRight[nBox] <= text.x)
            ++nBox;
        boxes.push_back(nBox);
    }
    return boxes;
}

TEST(NumericFieldTest, DigitBoxesByStyle)
{
    const struct
    {
        int style;
        int kind;
        const char* value;
        const char* drawn;
        std::vector<int> boxes;
    } cases[] = {
        {9, 1, "1234", "1234", {4, 5, 6, 7}},
        {4, 1, "1234", "1234", {4, 5, 6, 7}},
        {3, 1, "1234", "1234", {0, 1, 2, 3}},
        {0, 1, "1234", "1234", {0, 1, 2, 3}},
        {9, 1, "1234567890", "34567890", {0, 1, 2, 3, 4, 5, 6, 7}},
        {3, 1, "1234567890", "12345678", {0, 1, 2, 3, 4, 5, 6, 7}},
        {11, 1, "1234.56", "123456", {2, 3, 4, 5, 6, 7}},
        {11, 2, "12.5", "12.5", {4, 5, 6, 7}},
        {9, 1, "-12", "-12", {5, 6, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " " << c.value);
        DataNum field(c.kind);
        SetEightBoxes(field);
        field.m_nDrawStyle = c.style;
        field.m_strData = c.value;
        const std::vector<MetaText> texts = DrawnTexts(field);
        EXPECT_EQ(c.drawn, JoinedTexts(texts));
        EXPECT_EQ(c.boxes, BoxesOf(texts));
        EXPECT_EQ(c.style, field.m_nDrawStyle);
        EXPECT_STREQ(c.value, field.m_strData);
    }
}

TEST(NumericFieldTest, DigitBoxAlignmentAndWithoutBoxes)
{
    DataNum field(1, {100, 0, 1100, 100});
    SetEightBoxes(field);
    field.m_nDrawStyle = 9;
    field.m_strData = "7";
    const int nLeft = 37;
    const int nBoxLeft = nLeft + 700 * 378 / 1000;
    const int nBoxRight = nLeft + 800 * 378 / 1000;
    std::vector<MetaText> texts = DrawnTexts(field);
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(nBoxLeft, texts[0].x);
    field.SetAlign(CTextAttr::ALIGN_RIGHT);
    texts = DrawnTexts(field);
    ASSERT_EQ(1u, texts.size());
    const int nWidth = nBoxRight - texts[0].x;
    EXPECT_GT(nWidth, 0);
    EXPECT_LT(nWidth, 20);
    field.SetAlign(CTextAttr::ALIGN_CENTER);
    texts = DrawnTexts(field);
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(nBoxLeft + (nBoxRight - nBoxLeft - nWidth) / 2, texts[0].x);

    // Boxes in only one of the two arrays: the text at the field's corner.
    field.m_arrayRight.RemoveAt(0);
    field.m_strData = "1234";
    texts = DrawnTexts(field);
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ("1234", texts[0].text);
    EXPECT_EQ(nLeft, texts[0].x);
    EXPECT_EQ(0, texts[0].y);
}

TEST(NumericFieldTest, DigitBoxFontFollowsTheZoomRounded)
{
    const struct
    {
        UINT zoom;
        LONG height;
    } cases[] = {{100, 12}, {150, 18}, {104, 12}, {105, 13}, {50, 6}};
    for (const auto& c : cases) {
        CTestFormWnd form;
        form.SetPercent(c.zoom);
        DataNum field(1);
        field.m_pOwner = &form;
        field.m_nDrawStyle = 3;
        field.m_strData = "1";
        const std::vector<MetaText> texts = DrawnTexts(field);
        ASSERT_EQ(1u, texts.size()) << c.zoom;
        EXPECT_EQ(c.height, texts[0].height) << c.zoom;
    }
}

TEST(NumericFieldTest, DigitBoxDrawingGate)
{
    DataNum field(1);
    field.m_nDrawStyle = 3;
    field.m_strData = "1";
    field.m_dwFlags = CNPropObj::FLAG_HIDDEN;
    EXPECT_TRUE(DrawnTexts(field).empty());
    field.m_dwFlags = CNPropObj::FLAG_NOPRINT;
    EXPECT_EQ(1u, DrawnTexts(field).size());
    EXPECT_TRUE(DrawnTexts(field, META_PRINTER).empty());
    field.m_dwFlags = 0;
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 2);
    EXPECT_TRUE(DrawnTexts(field, META_PRINTER).empty());
    EXPECT_EQ(1u, DrawnTexts(field, META_PREVIEW).size());
    field.m_strData.Empty();
    EXPECT_TRUE(DrawnTexts(field).empty());
}

TEST(NumericFieldTest, DigitBoxShadowCopiesBelowAQuarterTurn)
{
    DataNum field(1, {100, 100, 1100, 200});
    field.m_nDrawStyle = 3;
    field.m_strData = "5";
    field.SetShadow(CNPropObjDoc::SHADOW_TWO);
    field.m_sizeShadow1 = CSize(100, 0);
    field.SetShadowOffset(CSize(200, 0));
    std::vector<MetaText> texts = DrawnTexts(field);
    ASSERT_EQ(3u, texts.size());
    EXPECT_EQ(75, texts[0].x);
    EXPECT_EQ(113, texts[1].x);
    EXPECT_EQ(37, texts[2].x);
    field.m_nAngle = 900;
    EXPECT_EQ(1u, DrawnTexts(field).size());
    field.m_nAngle = -900;
    EXPECT_EQ(1u, DrawnTexts(field).size());
}

// Copies keep the value in its form: the number kind goes over before the
// text, and a kind-0 "12" does not come out as "12.00".
TEST(NumericFieldTest, CloneKeepsKindStyleColumnsAndValue)
{
    DataNum field(0);
    SetEightBoxes(field);
    field.m_nDrawStyle = 9;
    field.SetAutoCalc(2);
    field.SetText("12");
    std::unique_ptr<CNPropObj> pClone(field.Clone(10, 20));
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjDocNum)));
    const CNPropObjDocNum& clone = static_cast<const CNPropObjDocNum&>(*pClone);
    EXPECT_STREQ("12", clone.m_strData);
    EXPECT_EQ(0, clone.m_nNumKind);
    EXPECT_EQ(9, clone.m_nDrawStyle);
    EXPECT_EQ(2, clone.m_nAutoCalc);
    EXPECT_EQ(8, clone.m_arrayLeft.GetSize());
    EXPECT_EQ(700u, clone.m_arrayLeft[7]);
    EXPECT_EQ(800u, clone.m_arrayRight[7]);
    EXPECT_EQ(CRect(10, 20, 1010, 120), CRect(clone.m_rect));
    EXPECT_EQ(5u, clone.m_nOrder);
}

// A print frame's counters: a number per order, the copy added.
class CCountingFormWnd : public CTestFormWnd
{
public:
    UINT SetNumberCount(UINT nOrder, UINT nValue) override
    {
        m_calls.push_back({nOrder, nValue});
        if (m_nAnswer == 0)
            return 0;
        return (nValue != 0 ? nValue : m_nAnswer) + m_nCopy;
    }

    UINT m_nAnswer = 1;
    UINT m_nCopy = 0;
    std::vector<std::pair<UINT, UINT>> m_calls;
};

class SerialNum : public CNPropObjDocNumRen
{
public:
    SerialNum(CMirtBase* pOwner, const char* pszValue)
        : CNPropObjDocNumRen(MakeBlock(9, {0, 0, 1000, 100}, INPUT_DATA), STYLE_DEFAULT, 0)
    {
        m_pOwner = pOwner;
        m_strData = pszValue;
        SetAttr(ATTRIBUTE_PRINT, 1);
    }
};

TEST(SerialNumberTest, PaperShowsTheCountersNumberTheScreenTheValue)
{
    CCountingFormWnd form;
    SerialNum field(&form, "41");
    EXPECT_EQ("41", JoinedTexts(DrawnTexts(field)));
    EXPECT_EQ("41", JoinedTexts(DrawnTexts(field, META_PREVIEW)));
    EXPECT_TRUE(form.m_calls.empty());
    std::vector<std::string> copies;
    for (UINT nCopy = 0; nCopy < 3; nCopy++) {
        form.m_nCopy = nCopy;
        copies.push_back(JoinedTexts(DrawnTexts(field, META_PRINTER)));
    }
    EXPECT_EQ((std::vector<std::string>{"000041", "000042", "000043"}), copies);
    ASSERT_EQ(3u, form.m_calls.size());
    EXPECT_EQ(std::make_pair(9u, 41u), form.m_calls[0]);
    EXPECT_STREQ("41", field.m_strData);
    EXPECT_EQ(10, field.m_nDrawStyle);

    // No number from the window: the value itself.
    form.m_nAnswer = 0;
    EXPECT_EQ("41", JoinedTexts(DrawnTexts(field, META_PRINTER)));
}

TEST(SerialNumberTest, ValueAsACountIsHeldToTheUnsignedRange)
{
    const struct
    {
        const char* value;
        UINT count;
    } cases[] = {
        {"", 0}, {"12", 12}, {"000123", 123}, {"12.9", 12}, {"-5", 0}, {"abc", 0}, {"4294967295", 4294967295u},
        {"1e20", 4294967295u}, {"nan", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.count, CNPropObjDocNumRen::CountOf(c.value)) << c.value;

    CCountingFormWnd form;
    form.m_nAnswer = 0xFFFFFFFFu;
    SerialNum field(&form, "");
    EXPECT_EQ("4294967295", JoinedTexts(DrawnTexts(field, META_PRINTER)));
}

TEST(SerialNumberTest, EmptyValueTakesTheNextNumberWhenLoaded)
{
    CCountingFormWnd form;
    form.m_nAnswer = 7;
    ExpectLoadCases<CNPropObjDocNumRen>(
        {
            {"editable, with list", 1, 0x07, 0, 0, "", 1, "0l", "000007"},
            {"editable, without list", 1, 0x07, 0, 0, "", 0, "0l", ""},
            {"editable with a value", 1, 0x07, 0, 0, "000003", 1, "0l", "000003"},
            {"takes no input", 1, 0x04, 0, 0, "", 0, "0l", "000007"},
            {"hidden, takes no input", 1, 0x04, 0x20, 0, "", 1, "", ""},
            {"not live", 0, 0x07, 0, 0, "", 1, "", ""},
        },
        [&form](CNPropObjDocNumRen& field) { field.m_pOwner = &form; });
    ASSERT_FALSE(form.m_calls.empty());
    EXPECT_EQ(std::make_pair(4u, 0u), form.m_calls[0]);
}

class AutoItemNumTest : public OtherFolderTest
{
protected:
    void SetUp() override
    {
        OtherFolderTest::SetUp();
        WriteOther("AMOUNT.AUT", StringArchive("12000"));
    }
};

TEST_F(AutoItemNumTest, EmptyValueFromTheValueFile)
{
    ExpectLoadCases<CNPropObjAutoItemNum>(
        {
            {"editable", 1, 0x07, 0, 0, "", 0, "0l", "12000"},
            {"editable with a value", 1, 0x07, 0, 0, "500", 1, "0l", "500"},
            {"takes no input: the prefix in front", 1, 0x04, 0, 0, "", 0, "0l", "￥12000"},
            {"hidden, takes no input", 1, 0x04, 0x20, 0, "", 0, "", "12000"},
            {"cleared for a new page", 1, 0x07, 0, 1, "", 0, "2s 0l", "12000"},
            {"not live", 0, 0x07, 0, 0, "", 1, "", ""},
        },
        [](CNPropObjAutoItemNum& field) {
            field.m_listItems.AddTail("AMOUNT.AUT  ");
            field.m_listItems.AddTail("￥");
        });
    ExpectLoadCases<CNPropObjAutoItemNum>({{"missing file", 1, 0x04, 0, 0, "", 0, "0l", "￥"}},
        [](CNPropObjAutoItemNum& field) {
            field.m_listItems.AddTail("MISSING.AUT");
            field.m_listItems.AddTail("￥");
        });
}

}  // namespace
