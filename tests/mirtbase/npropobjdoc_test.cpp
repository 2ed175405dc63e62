// The text field and the edit field as fields: construction values, slots,
// SetText with its conversion, LoadToControl, CopyTo and Clone.
#include <gtest/gtest.h>

#include <cstring>

#include "field_fixture.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "windowcommand.h"

namespace {

// Answers through the field base's interface, so that each one is the text
// class's own override.
template <class T>
void ExpectTextDefaults(T& field, UINT nVersion)
{
    CNPropObj& base = field;
    const LOGFONT* pFont = base.GetLogFont();
    ASSERT_NE(nullptr, pFont);
    EXPECT_EQ(9, pFont->lfHeight);
    EXPECT_EQ(400, pFont->lfWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, pFont->lfCharSet);
    EXPECT_EQ(0x32, pFont->lfPitchAndFamily);
    EXPECT_STREQ("ＭＳ Ｐゴシック", pFont->lfFaceName);
    EXPECT_EQ(0u, base.GetTextColor());
    EXPECT_EQ(0xFFFFFFu, field.m_text.m_crBack);
    EXPECT_EQ(1, base.GetAlign());
    EXPECT_EQ(10, base.GetRowHeight());
    EXPECT_FALSE(field.m_text.m_bVertical);
    EXPECT_EQ(0, field.GetEntryMode());
    EXPECT_EQ(0, field.GetRowLimit());
    EXPECT_EQ(0, base.Activate());
    EXPECT_EQ(nVersion, base.GetVersion());
    EXPECT_EQ(1, field.m_nFrameKind);
    EXPECT_EQ(CSize(0, 0), field.m_sizeClone);
}

TEST(TextFieldTest, ConstructionValues)
{
    CNPropObjDoc doc;
    ExpectTextDefaults(doc, 3);
    CNPropObj& base = doc;
    EXPECT_EQ(3, base.GetShadow());
    EXPECT_EQ(0, base.GetPichRate());
    EXPECT_EQ(CSize(0, 0), base.GetShadowOffset());
    EXPECT_EQ(1, doc.IsMultiLine());

    CNPropObjEdt edit;
    ExpectTextDefaults(edit, 2);
    CNPropObj& editBase = edit;
    EXPECT_EQ(3, editBase.GetShadow());
    EXPECT_EQ(4, editBase.GetPichRate());
    EXPECT_EQ(CSize(0, 0), editBase.GetShadowOffset());
}

TEST(TextFieldTest, BlockConstructorKeepsTheBlockAndStyles)
{
    CNPropObjDoc doc(MakeBlock(4, {1, 2, 3, 4}, 0x05, 1), 0x54800000, 0x20);
    EXPECT_EQ(4u, doc.m_nOrder);
    EXPECT_EQ(4, doc.m_rect.bottom);
    EXPECT_EQ(1u, doc.GetAttr(CNPropObj::ATTRIBUTE_CLEAR));
    EXPECT_TRUE(doc.IsBorder());
    ExpectTextDefaults(doc, 3);
}

TEST(TextFieldTest, RowHeightIsAtLeastSingleSpacing)
{
    struct Case
    {
        int nStored;
        int nAnswered;
    } cases[] = {{0, 10}, {5, 10}, {10, 10}, {11, 11}, {15, 15}, {30, 30}, {-20, 10}};
    for (const Case& c : cases) {
        CNPropObjDoc doc;
        CNPropObjEdt edit;
        doc.SetRowHeight(c.nStored);
        edit.SetRowHeight(c.nStored);
        EXPECT_EQ(c.nAnswered, doc.GetRowHeight()) << c.nStored;
        EXPECT_EQ(c.nAnswered, edit.GetRowHeight()) << c.nStored;
        EXPECT_EQ(c.nStored, doc.m_text.m_nRowHeight);
    }
}

TEST(TextFieldTest, EditFieldIsMultiLineByItsStyle)
{
    CNPropObjEdt edit;
    EXPECT_EQ(0, edit.IsMultiLine());
    edit.SetStyle(edit.GetStyle() | CNPropObjEdt::STYLE_MULTILINE);
    EXPECT_EQ(1, edit.IsMultiLine());
}

TEST(TextFieldTest, InitDefaultsLeavesTheBaseMembers)
{
    CNPropObjDoc doc(MakeBlock(9, {1, 2, 3, 4}, 0x04), 0x54800000, 0);
    doc.m_strData = "x";
    doc.SetAlign(3);
    doc.SetShadow(1);
    doc.SetPichRate(2);
    doc.InitDefaults();
    EXPECT_EQ(1, doc.GetAlign());
    EXPECT_EQ(3, doc.GetShadow());
    EXPECT_EQ(0, doc.GetPichRate());
    EXPECT_EQ(9u, doc.m_nOrder);
    EXPECT_STREQ("x", doc.m_strData);
    EXPECT_TRUE(doc.IsBorder());
}

// The clone offset belongs to the base: InitDefaults on a clone keeps it.
template <class T>
void ExpectCloneKeepsItsOffsetThroughInitDefaults()
{
    T field(MakeBlock(1, {0, 0, 100, 100}, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    CNPropObj* pClone = field.Clone(10, -20);
    ASSERT_NE(nullptr, pClone);
    pClone->InitDefaults();
    EXPECT_EQ(CSize(10, -20), static_cast<T*>(pClone)->m_sizeClone);
    delete pClone;
}

TEST(TextFieldTest, InitDefaultsKeepsTheCloneOffset)
{
    ExpectCloneKeepsItsOffsetThroughInitDefaults<CNPropObjDoc>();
    ExpectCloneKeepsItsOffsetThroughInitDefaults<CNPropObjEdt>();
}

struct SetTextCase
{
    BOOL bVertical;
    int nConvert;
    const char* pszText;
    const char* pszStored;
};

TEST(TextFieldTest, SetTextConvertsForTheWritingDirection)
{
    const SetTextCase cases[] = {
        {FALSE, 1, "a\nb", "a\r\nb"},
        {FALSE, 1, "a\r\nb", "a\r\nb"},
        {FALSE, 1, "\na\nb", "\na\nb"},
        {FALSE, 1, "ab", "ab"},
        {FALSE, 0, "a\nb", "a\nb"},
        {FALSE, 1, "ｶﾞ1", "ｶﾞ1"},
        {TRUE, 1, "ｶﾞ1\nb", "ガ一\r\nｂ"},
        {TRUE, 1, "\nｱ", "\nア"},
        {TRUE, 0, "ｶﾞ1\nb", "ｶﾞ1\nb"},
    };
    for (const SetTextCase& c : cases) {
        CNPropObjDoc doc(MakeBlock(1, {0, 0, 100, 100}, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
        doc.m_text.m_bVertical = c.bVertical;
        CNPropObj& base = doc;
        EXPECT_EQ(1, base.SetText(c.pszText, c.nConvert)) << c.pszText;
        EXPECT_STREQ(c.pszStored, doc.m_strData) << c.pszText;
    }
}

TEST(TextFieldTest, EditFieldSetTextNeverConverts)
{
    CNPropObjEdt edit(MakeBlock(1, {0, 0, 100, 100}, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    edit.m_text.m_bVertical = TRUE;
    CNPropObj& base = edit;
    EXPECT_EQ(1, base.SetText("ｶﾞ1\nb", 1));
    EXPECT_STREQ("ｶﾞ1\nb", edit.m_strData);
}

TEST(TextFieldTest, SetTextRefusesAFieldWithoutDataOrAnExtra)
{
    CNPropObjDoc noData(MakeBlock(1, {0, 0, 100, 100}, 0x01), CNPropObjCtrl::STYLE_DEFAULT, 0);
    noData.m_strData = "old";
    EXPECT_EQ(0, noData.SetText("a\nb", 1));
    EXPECT_STREQ("old", noData.m_strData);

    CNPropObjDoc data(MakeBlock(1, {0, 0, 100, 100}, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    const int nExtra = 0;
    EXPECT_EQ(0, data.SetText("new", 1, &nExtra));
    EXPECT_STREQ("", data.m_strData);
}

// A text field of class T with a test entry window under a host window.
template <class T>
class WithEntryWnd : public T
{
public:
    WithEntryWnd(CWnd* pParent, const tagPROPBLOCK& block) : T(block, CNPropObjCtrl::STYLE_DEFAULT, 0)
    {
        CTestEntryWnd* pWnd = new CTestEntryWnd(this);
        const RECT rect = {0, 0, 50, 20};
        if (pWnd->CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, rect, pParent, 2001))
            this->m_pCtrlWnd = pWnd;
        else
            delete pWnd;
    }
    ~WithEntryWnd() override { delete this->m_pCtrlWnd; }

    CTestEntryWnd& Window() { return *static_cast<CTestEntryWnd*>(this->m_pCtrlWnd); }
};

TEST(TextFieldTest, LiveSetTextPutsTheConvertedTextIntoTheWindow)
{
    CHostWnd host;
    CTestFormWnd form;
    WithEntryWnd<CNPropObjDoc> doc(&host, MakeBlock(1, {0, 0, 100, 100}, 0x07));
    ASSERT_NE(nullptr, doc.GetControl());
    doc.m_pOwner = &form;
    EXPECT_EQ(1, doc.SetText("a\nb", 1));
    EXPECT_EQ("2s 0l", doc.Window().Log());
    EXPECT_STREQ("a\r\nb", doc.Window().Text());
    ASSERT_EQ(1u, form.m_redrawn.size());
}

struct LoadCase
{
    const char* pszName;
    DWORD dwInput;        // attribute 5
    DWORD dwFlags;
    const char* pszData;
    const char* pszItem;  // first item, or null for an empty list
    int bAlsoList;
    const char* pszDocLog;
    const char* pszDocData;
    const char* pszEdtLog;
    const char* pszEdtData;
};

TEST(TextFieldTest, LoadToControlByEditabilityAndList)
{
    const LoadCase cases[] = {
        {"editable with data", 0x07, 0, "v", "i", 1, "0l", "v", "0l", "v"},
        {"editable, item taken", 0x07, 0, "", "i", 1, "1l", "i", "1l", "i"},
        {"editable, empty item", 0x07, 0, "", "", 1, "1l", "", "1l", ""},
        {"editable, no list flag", 0x07, 0, "", "i", 0, "", "", "", ""},
        {"shown data field", 0x04, 0, "", "i", 0, "0l", "i", "0l", ""},
        {"shown label", 0x00, 0, "", "i", 0, "1l", "", "1l", ""},
        {"hidden", 0x04, CNPropObj::FLAG_HIDDEN, "", "i", 1, "", "", "", ""},
    };
    CHostWnd host;
    for (const LoadCase& c : cases) {
        WithEntryWnd<CNPropObjDoc> doc(&host, MakeBlock(1, {0, 0, 100, 100}, c.dwInput));
        WithEntryWnd<CNPropObjEdt> edit(&host, MakeBlock(1, {0, 0, 100, 100}, c.dwInput));
        for (CNPropObjCtrl* pField : {static_cast<CNPropObjCtrl*>(&doc), static_cast<CNPropObjCtrl*>(&edit)}) {
            pField->m_dwFlags = c.dwFlags;
            pField->m_strData = c.pszData;
            if (c.pszItem != nullptr)
                pField->m_listItems.AddTail(c.pszItem);
            pField->LoadToControl(c.bAlsoList);
        }
        EXPECT_EQ(c.pszDocLog, doc.Window().Log()) << c.pszName;
        EXPECT_STREQ(c.pszDocData, doc.m_strData) << c.pszName;
        EXPECT_EQ(c.pszEdtLog, edit.Window().Log()) << c.pszName;
        EXPECT_STREQ(c.pszEdtData, edit.m_strData) << c.pszName;
    }
}

TEST(TextFieldTest, LoadToControlResetsAClearOnNewFieldFirst)
{
    CHostWnd host;
    WithEntryWnd<CNPropObjDoc> doc(&host, MakeBlock(1, {0, 0, 100, 100}, 0x07, 1));
    doc.m_strData = "v";
    doc.LoadToControl(0);
    EXPECT_EQ("2s 0l", doc.Window().Log());
    doc.Window().m_log.clear();
    doc.SetMode(0);
    doc.LoadToControl(1);
    EXPECT_EQ("", doc.Window().Log());
}

void FillText(CTextAttr& text)
{
    text.m_logFont.lfHeight = 14;
    std::strcpy(text.m_logFont.lfFaceName, "Arial");
    text.m_crText = RGB(255, 0, 0);
    text.m_crBack = RGB(0, 0, 255);
    text.m_nEntryMode = 1;
    text.m_nRowLimit = 3;
    text.m_nRowHeight = 20;
    text.m_bVertical = TRUE;
    text.m_nAlign = 4;
}

void ExpectSameText(const CTextAttr& expected, const CTextAttr& actual)
{
    EXPECT_EQ(0, std::memcmp(&expected.m_logFont, &actual.m_logFont, sizeof(LOGFONT)));
    EXPECT_EQ(expected.m_crText, actual.m_crText);
    EXPECT_EQ(expected.m_crBack, actual.m_crBack);
    EXPECT_EQ(expected.m_nEntryMode, actual.m_nEntryMode);
    EXPECT_EQ(expected.m_nRowLimit, actual.m_nRowLimit);
    EXPECT_EQ(expected.m_nRowHeight, actual.m_nRowHeight);
    EXPECT_EQ(expected.m_bVertical, actual.m_bVertical);
    EXPECT_EQ(expected.m_nAlign, actual.m_nAlign);
}

TEST(TextFieldTest, CloneCopiesEveryTextAttributeAndRemembersTheMove)
{
    CNPropObjDoc doc(MakeBlock(6, {100, 200, 300, 400}, 0x04, 1), 0x54800000, 0x20);
    FillText(doc.m_text);
    doc.SetPichRate(2);
    doc.m_nAngle = 1800;
    doc.m_ptOrigin = CPoint(1, 2);
    doc.m_sizeShadow1 = CSize(3, 4);
    doc.SetShadowOffset(CSize(5, 6));
    doc.SetShadow(2);
    doc.m_strData = "値";
    doc.m_strName = "名";

    CNPropObj* pClone = doc.Clone(10, 20);
    ASSERT_NE(nullptr, pClone);
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjDoc)));
    CNPropObjDoc& clone = *static_cast<CNPropObjDoc*>(pClone);
    EXPECT_EQ(6u, clone.m_nOrder);
    EXPECT_EQ(CRect(110, 220, 310, 420), CRect(clone.m_rect));
    EXPECT_EQ(CSize(10, 20), clone.m_sizeClone);
    EXPECT_EQ(1u, clone.GetAttr(CNPropObj::ATTRIBUTE_CLEAR));
    EXPECT_EQ(0x54800000u, clone.GetStyle());
    EXPECT_EQ(0x20u, clone.GetExStyle());
    ExpectSameText(doc.m_text, clone.m_text);
    EXPECT_EQ(2, clone.GetPichRate());
    EXPECT_EQ(1800, clone.m_nAngle);
    EXPECT_EQ(CPoint(1, 2), clone.m_ptOrigin);
    EXPECT_EQ(CSize(3, 4), clone.m_sizeShadow1);
    EXPECT_EQ(CSize(5, 6), clone.GetShadowOffset());
    EXPECT_EQ(2, clone.GetShadow());
    EXPECT_STREQ("値", clone.m_strData);
    EXPECT_STREQ("名", clone.m_strName);
    delete pClone;
}

TEST(TextFieldTest, EditCloneCopiesEveryTextAttribute)
{
    CNPropObjEdt edit(MakeBlock(6, {100, 200, 300, 400}, 0x04), CNPropObjCtrl::STYLE_DEFAULT, 0);
    FillText(edit.m_text);
    edit.m_strData = "値";
    CNPropObj* pClone = edit.Clone(-5, 0);
    ASSERT_NE(nullptr, pClone);
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjEdt)));
    CNPropObjEdt& clone = *static_cast<CNPropObjEdt*>(pClone);
    EXPECT_EQ(95, clone.m_rect.left);
    EXPECT_EQ(CSize(-5, 0), clone.m_sizeClone);
    ExpectSameText(edit.m_text, clone.m_text);
    EXPECT_STREQ("値", clone.m_strData);
    delete pClone;
}

// Into a field of another class only what that field's setters take.
TEST(TextFieldTest, CopyToAnotherClassGoesThroughItsSetters)
{
    CNPropObjDoc doc;
    FillText(doc.m_text);
    CNPropObjEdt edit;
    doc.CopyTo(&edit);
    EXPECT_EQ(14, edit.GetLogFont()->lfHeight);
    EXPECT_EQ(RGB(255, 0, 0), edit.GetTextColor());
    EXPECT_EQ(20, edit.GetRowHeight());
    EXPECT_EQ(4, edit.GetAlign());
    EXPECT_EQ(RGB(255, 255, 255), edit.m_text.m_crBack);
    EXPECT_FALSE(edit.m_text.m_bVertical);
}

TEST(TextFieldTest, DestroyControlForgetsTheWindow)
{
    CNPropObjDoc doc;
    CNPropObjEdt edit;
    EXPECT_EQ(1, doc.DestroyControl());
    EXPECT_EQ(1, edit.DestroyControl());
    EXPECT_EQ(nullptr, doc.GetControl());
}

}  // namespace
