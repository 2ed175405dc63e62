// Creation and modification date fields: today's date through the fixed
// clock, into and out of a test entry window.
#include <gtest/gtest.h>

#include <memory>

#include "live_field.h"
#include "npropobjtime.h"

namespace {

const char kEraTemplate[] = "000000000%Y年%T月%D日";

void SetClock(WORD wYear, WORD wMonth, WORD wDay)
{
    SYSTEMTIME fixed = {};
    fixed.wYear = wYear;
    fixed.wMonth = wMonth;
    fixed.wDay = wDay;
    fixed.wHour = 10;
    fixed.wMinute = 30;
    AfxSetFixedLocalTime(&fixed);
}

// A live field (mode 1) of a form window with its entry window under a host,
// on 8 May 2024.
template <class TField>
class DateFieldTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetClock(2024, 5, 8);
        m_field.m_pOwner = &m_form;
        ASSERT_TRUE(m_field.AttachWindow(m_window, &m_host));
    }
    void TearDown() override { AfxSetFixedLocalTime(nullptr); }

    CHostWnd m_host;
    CTestFormWnd m_form;
    CWindowedField<TField> m_field;
    CTestEntryWnd m_window{&m_field};
};

using CreateTimeTest = DateFieldTest<CNPropObjCreateTime>;
using ModifyTimeTest = DateFieldTest<CNPropObjModifyTime>;

TEST_F(CreateTimeTest, EmptyFieldIsStampedOnceAndKeepsItsDate)
{
    m_field.LoadToControl(1);
    EXPECT_STREQ("2024/05/08", m_field.m_strData);
    EXPECT_STREQ("2024/05/08", m_window.Text());
    EXPECT_EQ("0l", m_window.Log());

    SetClock(2024, 6, 1);
    m_field.LoadToControl(1);
    CString text;
    EXPECT_EQ(1, m_field.GetText(text));
    EXPECT_STREQ("2024/05/08", text);
}

TEST_F(CreateTimeTest, FirstItemIsTheTemplate)
{
    m_field.m_listItems.AddTail(kEraTemplate);
    m_field.LoadToControl(1);
    EXPECT_STREQ("2024年5月8日", m_field.m_strData);
}

TEST_F(CreateTimeTest, SetTextKeepsATextAndStampsForAnEmptyOne)
{
    EXPECT_EQ(1, m_field.SetText("2001/01/01"));
    EXPECT_STREQ("2001/01/01", m_field.m_strData);
    EXPECT_EQ("2s 0l", m_window.Log());
    ASSERT_EQ(1u, m_form.m_redrawn.size());

    EXPECT_EQ(1, m_field.SetText(""));
    EXPECT_STREQ("2024/05/08", m_field.m_strData);
    EXPECT_STREQ("2024/05/08", m_window.Text());
    EXPECT_EQ(2u, m_form.m_redrawn.size());

    // No conversion for vertical writing.
    m_field.m_text.m_bVertical = TRUE;
    EXPECT_EQ(1, m_field.SetText("12", 1));
    EXPECT_STREQ("12", m_field.m_strData);
}

TEST_F(CreateTimeTest, SetTextOfAHiddenOrDatalessField)
{
    m_field.m_dwFlags = CNPropObj::FLAG_HIDDEN;
    m_window.m_log.clear();
    EXPECT_EQ(1, m_field.SetText(""));
    EXPECT_STREQ("2024/05/08", m_field.m_strData);
    EXPECT_EQ("2s", m_window.Log());
    EXPECT_TRUE(m_form.m_redrawn.empty());

    m_field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x03);
    EXPECT_EQ(0, m_field.SetText("other"));
    EXPECT_STREQ("2024/05/08", m_field.m_strData);

    m_field.SetMode(0);
    m_field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x07);
    m_field.m_strData.Empty();
    m_window.m_log.clear();
    EXPECT_EQ(1, m_field.SetText(""));
    EXPECT_STREQ("2024/05/08", m_field.m_strData);
    EXPECT_EQ("", m_window.Log());
}

TEST(CreateTimeLoad, ByEditabilityDataAndVisibility)
{
    SetClock(2024, 5, 8);
    ExpectLoadCases<CNPropObjCreateTime>({
        {"editable, empty, with list", 1, 0x07, 0, 0, "", 1, "0l", "2024/05/08"},
        {"editable, empty, without list", 1, 0x07, 0, 0, "", 0, "0l", ""},
        {"editable with data", 1, 0x07, 0, 0, "2020/02/02", 1, "0l", "2020/02/02"},
        {"cleared for a new page", 1, 0x07, 0, 1, "", 1, "2s 0l", "2024/05/08"},
        {"locked, empty", 3, 0x07, 0, 0, "", 0, "0l", "2024/05/08"},
        {"locked with data", 3, 0x07, 0, 0, "2020/02/02", 0, "0l", "2020/02/02"},
        {"no input, no data: the list", 1, 0x00, 0, 0, "", 1, "1l", ""},
        {"hidden", 1, 0x07, 0x20, 0, "", 1, "", ""},
        {"shown in no window", 0, 0x07, 0, 0, "", 1, "", ""},
    });
    AfxSetFixedLocalTime(nullptr);
}

TEST_F(ModifyTimeTest, LiveGetTextTakesTodayNotTheWindow)
{
    m_field.m_strData = "2020/02/02";
    m_window.SetWindowText("typed");
    CString text;
    EXPECT_EQ(1, m_field.GetText(text));
    EXPECT_STREQ("2024/05/08", text);
    EXPECT_STREQ("2024/05/08", m_field.m_strData);
    EXPECT_EQ("", m_window.Log());

    m_field.m_listItems.AddTail(kEraTemplate);
    EXPECT_EQ(1, m_field.GetText(text));
    EXPECT_STREQ("2024年5月8日", text);
}

TEST_F(ModifyTimeTest, FieldNotLiveOrWithoutDataKeepsItsValue)
{
    m_field.m_strData = "2020/02/02";
    m_field.SetMode(0);
    CString text;
    EXPECT_EQ(1, m_field.GetText(text));
    EXPECT_STREQ("2020/02/02", text);
    m_field.SaveFromControl();
    EXPECT_STREQ("2020/02/02", m_field.m_strData);

    m_field.SetMode(1);
    m_field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x03);
    CString untouched = "keep";
    EXPECT_EQ(0, m_field.GetText(untouched));
    EXPECT_STREQ("keep", untouched);
    m_field.SaveFromControl();
    EXPECT_STREQ("2020/02/02", m_field.m_strData);
}

TEST_F(ModifyTimeTest, SaveFromControlStampsWithoutReadingTheWindow)
{
    m_window.SetWindowText("typed");
    m_field.SaveFromControl();
    EXPECT_STREQ("2024/05/08", m_field.m_strData);
    EXPECT_EQ("", m_window.Log());
}

// Setting and loading are the text field's: no date is made.
TEST_F(ModifyTimeTest, SetTextAndLoadAreTheTextFields)
{
    EXPECT_EQ(1, m_field.SetText(""));
    EXPECT_STREQ("", m_field.m_strData);
    m_window.m_log.clear();
    m_field.LoadToControl(0);
    EXPECT_STREQ("", m_field.m_strData);
    EXPECT_EQ("", m_window.Log());
}

template <class TField>
void ExpectCloneStoreAndVersion(CRuntimeClass* pClass)
{
    CWindowedField<TField> field;
    field.SetMode(0);
    field.m_strData = "2024/05/08";
    field.m_listItems.AddTail(kEraTemplate);
    field.m_text.m_nAlign = CTextAttr::ALIGN_RIGHT;
    EXPECT_EQ(1u, field.GetVersion());

    CNPropObj* pClone = field.Clone(10, 20);
    ASSERT_TRUE(pClone->IsKindOf(pClass));
    TField* pCopy = static_cast<TField*>(pClone);
    EXPECT_EQ(10, pCopy->m_rect.left);
    EXPECT_EQ(120, pCopy->m_rect.bottom);
    EXPECT_EQ(CSize(10, 20), pCopy->m_sizeClone);
    EXPECT_STREQ("2024/05/08", pCopy->m_strData);
    EXPECT_EQ(CTextAttr::ALIGN_RIGHT, pCopy->GetAlign());
    delete pClone;

    // The text field's record, with this class's version first.
    CNPropObjDoc doc(MakeBlock(4, {0, 0, 400, 100}, 0x07), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.CopyTo(&doc);
    std::string expected = Store(doc);
    expected[0] = 1;
    const std::string stored = Store(field);
    EXPECT_EQ(expected, stored);
    std::unique_ptr<CObject> pLoaded(pClass->CreateObject());
    Load(*pLoaded, stored);
    EXPECT_STREQ("2024/05/08", static_cast<TField*>(pLoaded.get())->m_strData);
    EXPECT_EQ(1, pClass->m_wSchema);
}

TEST(DateFields, CloneStoreAndVersion)
{
    ExpectCloneStoreAndVersion<CNPropObjCreateTime>(RUNTIME_CLASS(CNPropObjCreateTime));
    ExpectCloneStoreAndVersion<CNPropObjModifyTime>(RUNTIME_CLASS(CNPropObjModifyTime));
}

}  // namespace
