// What every field has: construction values, links to groups, copying,
// editability, the attribute answers and the window styles.
#include <gtest/gtest.h>

#include <cstring>

#include "field_fixture.h"

namespace {

TEST(FieldBaseTest, ConstructionValues)
{
    CTestField field;
    EXPECT_EQ(0u, field.m_nOrder);
    EXPECT_TRUE(::IsRectEmpty(&field.m_rect));
    EXPECT_EQ(1u, field.GetMode());
    EXPECT_EQ(3u, field.m_dwSetting);
    EXPECT_EQ(3, field.m_nDataKind);
    EXPECT_EQ(nullptr, field.m_pOwner);
    EXPECT_EQ(nullptr, field.GetLink(1));
    EXPECT_EQ(0x54000000u, field.GetStyle());
    EXPECT_EQ(0u, field.GetExStyle());
    EXPECT_EQ(nullptr, field.GetControl());
    EXPECT_EQ(1u, CNPropObjCtrl().GetVersion());
    EXPECT_EQ(1u, CTestGroup().GetVersion());
}

TEST(FieldBaseTest, BlockConstructorAndInitDefaults)
{
    tagPROPBLOCK block = MakeBlock(12, {1, 2, 3, 4}, 0x05, 1);
    block.dwAttr[2] = 20;
    CTestField field(block, 0x00800000, 0x20);
    tagPROPBLOCK back;
    field.GetBlock(back);
    EXPECT_EQ(0, std::memcmp(&block, &back, sizeof block));
    EXPECT_EQ(0x00800000u, field.GetStyle());
    EXPECT_EQ(0x20u, field.GetExStyle());

    field.m_strData = "v";
    field.m_listItems.AddTail("i");
    field.AddLink(&field);
    field.InitDefaults();
    field.GetBlock(back);
    EXPECT_EQ(0u, back.nOrder);
    EXPECT_EQ(0u, back.dwAttr[2]);
    EXPECT_TRUE(field.m_strData.IsEmpty());
    EXPECT_TRUE(field.m_listItems.IsEmpty());
    EXPECT_EQ(nullptr, field.GetLink(1));
    EXPECT_EQ(0x54000000u, field.GetStyle());
}

// Three further 32-bit members follow the links: 0 at construction and
// after InitDefaults, never stored.
TEST(FieldBaseTest, ThreeFurtherMembersAfterTheLinks)
{
    CTestField field;
    const char* pLinksEnd = reinterpret_cast<const char*>(field.m_pLinks + CNPropObj::LINK_COUNT);
    EXPECT_EQ(pLinksEnd, reinterpret_cast<const char*>(field.m_dwFurther));
    EXPECT_EQ(3u, sizeof field.m_dwFurther / sizeof field.m_dwFurther[0]);
    const std::string stored = Store(field);
    for (DWORD dwFurther : field.m_dwFurther)
        EXPECT_EQ(0u, dwFurther);
    for (DWORD& dwFurther : field.m_dwFurther)
        dwFurther = 0x12345678;
    EXPECT_EQ(stored, Store(field));
    field.InitDefaults();
    for (DWORD dwFurther : field.m_dwFurther)
        EXPECT_EQ(0u, dwFurther);
}

TEST(FieldBaseTest, FiveLinksRecalculatedInOrderUpToTheFirstGap)
{
    CTestField member;
    CTestGroup groups[6];
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(1, member.AddLink(&groups[i]));
    EXPECT_EQ(0, member.AddLink(&groups[5]));
    EXPECT_EQ(&groups[0], member.GetLink(1));
    EXPECT_EQ(&groups[4], member.GetLink(5));
    EXPECT_EQ(nullptr, member.GetLink(0));
    EXPECT_EQ(nullptr, member.GetLink(6));

    member.RecalcLinked();
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(1, groups[i].m_nExecuted) << i;
    EXPECT_EQ(0, groups[5].m_nExecuted);

    CTestField second;
    second.AddLink(&groups[0]);
    second.m_pLinks[2] = &groups[1];   // after a gap: not reached
    second.RecalcLinked();
    EXPECT_EQ(2, groups[0].m_nExecuted);
    EXPECT_EQ(1, groups[1].m_nExecuted);
}

TEST(FieldBaseTest, CopyToLeavesOrderRectangleAndAttributes)
{
    CTestField source(MakeBlock(5, {10, 10, 20, 20}, 0x07, 1), 0x00100000, 0x20);
    source.m_dwFlags = 0x08;
    source.m_dwSetting = 9;
    source.m_listItems.AddTail("甲");
    source.m_nDataKind = 2;
    source.m_strData = "c:\\pic\\a.bmp";
    source.m_strName = "写真";
    CTestField target(MakeBlock(6, {0, 0, 1, 1}, 0x04), 0, 0);
    source.CopyTo(&target);
    EXPECT_EQ(0x08u, target.m_dwFlags);
    EXPECT_EQ(9u, target.m_dwSetting);
    EXPECT_STREQ("甲", target.m_listItems.GetHead());
    EXPECT_EQ(2, target.m_nDataKind);
    EXPECT_STREQ("c:\\pic\\a.bmp", target.m_strData);
    EXPECT_STREQ("写真", target.m_strName);
    EXPECT_EQ(0x00100000u, target.GetStyle());
    EXPECT_EQ(0x20u, target.GetExStyle());
    EXPECT_EQ(6u, target.m_nOrder);
    EXPECT_EQ(1, target.m_rect.right);
    EXPECT_EQ(0x04u, target.GetAttr(CNPropObj::ATTRIBUTE_INPUT));
    EXPECT_EQ(0u, target.GetAttr(CNPropObj::ATTRIBUTE_CLEAR));
}

TEST(FieldBaseTest, EditableAndActivatable)
{
    struct Case
    {
        UINT nMode;
        DWORD dwInput;
        DWORD dwFlags;
        bool bEditable;
        bool bActivatable;
    };
    const Case cases[] = {
        {1, 0x01, 0, true, true},
        {1, 0x02, 0, true, true},
        {1, 0x04, 0, false, false},
        {3, 0x07, 0, false, false},
        {1, 0x07, 0x08, false, false},
        {1, 0x07, 0x20, false, true},
        {0x10, 0x03, 0x01, true, true},
    };
    for (const Case& c : cases) {
        CTestField field(MakeBlock(1, {}, c.dwInput), 0, 0);
        field.SetMode(c.nMode);
        field.m_dwFlags = c.dwFlags;
        EXPECT_EQ(c.bEditable, field.IsEditable() != FALSE) << c.nMode << " " << c.dwInput << " " << c.dwFlags;
        EXPECT_EQ(c.bActivatable, field.Activate() != 0) << c.nMode << " " << c.dwInput << " " << c.dwFlags;
    }
}

TEST(FieldBaseTest, AttributeAnswersOfTheBase)
{
    CTestGroup field;
    EXPECT_EQ(2, field.GetCarryOver());
    field.SetCarryOver(TRUE);
    EXPECT_EQ(1u, field.GetAttr(CNPropObj::ATTRIBUTE_CLEAR));
    EXPECT_EQ(1, field.GetCarryOver());
    EXPECT_EQ(1, field.GetModify());
    field.SetModify(TRUE);
    EXPECT_EQ(2, field.GetModify());
    EXPECT_EQ(nullptr, field.GetLogFont());
    EXPECT_EQ(0, field.GetRowHeight());
    EXPECT_EQ(3, field.GetNumKind());
    EXPECT_EQ(3, field.GetShadow());
    EXPECT_EQ(4, field.GetPichRate());
    EXPECT_EQ(CSize(0, 0), field.GetShadowOffset());
    field.SetBorder(TRUE);
    EXPECT_EQ(0u, field.GetStyle());
    EXPECT_FALSE(field.IsBorder());
}

TEST(FieldBaseTest, BaseTextAndListGoStraightToTheMembers)
{
    CTestGroup field;
    EXPECT_EQ(1, field.SetText("値", 1));
    CString text;
    EXPECT_EQ(1, field.GetText(text));
    EXPECT_STREQ("値", text);
    CStringList items;
    items.AddTail("a");
    items.AddTail("b");
    EXPECT_EQ(1, field.SetList(items));
    CStringList out;
    out.AddTail("stale");
    EXPECT_EQ(1, field.GetList(out));
    ASSERT_EQ(2, out.GetCount());
    EXPECT_STREQ("a", out.GetHead());
}

TEST(FieldBaseTest, StyleBits)
{
    struct Case
    {
        void (CNPropObj::*pSet)(BOOL);
        BOOL (CNPropObj::*pIs)();
        DWORD dwStyle;
        DWORD dwExStyle;
    };
    const Case cases[] = {
        {&CNPropObj::SetBorder, &CNPropObj::IsBorder, 0x00800000, 0},
        {&CNPropObj::SetHScroll, &CNPropObj::IsHScroll, 0x00100000, 0},
        {&CNPropObj::SetVScroll, &CNPropObj::IsVScroll, 0x00200000, 0},
        {&CNPropObj::SetTransparent, &CNPropObj::IsTransparent, 0, 0x20},
    };
    for (const Case& c : cases) {
        CTestField field;
        CNPropObj& base = field;
        (base.*c.pSet)(TRUE);
        EXPECT_TRUE((base.*c.pIs)());
        EXPECT_EQ(0x54000000u | c.dwStyle, field.GetStyle());
        EXPECT_EQ(c.dwExStyle, field.GetExStyle());
        (base.*c.pSet)(FALSE);
        EXPECT_FALSE((base.*c.pIs)());
        EXPECT_EQ(0x54000000u, field.GetStyle());
        EXPECT_EQ(0u, field.GetExStyle());
    }
}

TEST(FieldBaseTest, HitTestAndPrintFormOfTheOwner)
{
    CTestField field(MakeBlock(1, {100, 100, 200, 150}), 0, 0);
    EXPECT_TRUE(field.HitTest({100, 149}));
    EXPECT_FALSE(field.HitTest({200, 120}));

    EXPECT_EQ(0, field.IsPrintForm());
    CTestFormWnd form;
    field.m_pOwner = &form;
    EXPECT_EQ(0, field.IsPrintForm());
    form.SetLayout(new CNMirtLayoutData);
    EXPECT_NE(0, field.IsPrintForm());
}

}  // namespace
