// The fields' virtual operations sit in their fixed slots. Under the GCC
// ABI CObject's destructor takes two slots (complete and deleting), so the
// field's slot n (counted with one destructor slot) is table slot n + 1.
#include <gtest/gtest.h>
#include "vtable_slot.h"

#include <cstddef>
#include <cstring>

#include "npropobjctrl.h"

namespace {


// A field slot as the table index under GCC.
ptrdiff_t Gcc(int nFieldSlot)
{
    return nFieldSlot + 1;
}

#define EXPECT_SLOT(slot, pmf) EXPECT_EQ(Gcc(slot), SlotOf(pmf)) << #pmf

TEST(FieldVtableTest, OperationsOfTheFieldBase)
{
    typedef CNPropObj F;
    EXPECT_SLOT(2, &F::Serialize);
    EXPECT_SLOT(5, &F::Draw);
    EXPECT_SLOT(6, &F::Activate);
    EXPECT_SLOT(7, &F::CreateControl);
    EXPECT_SLOT(8, &F::DestroyControl);
    EXPECT_SLOT(9, &F::SetMode);
    EXPECT_SLOT(10, &F::GetMode);
    EXPECT_SLOT(11, &F::Clone);
    EXPECT_SLOT(12, &F::Execute);
    EXPECT_SLOT(13, &F::GetText);
    EXPECT_SLOT(14, &F::SetText);
    EXPECT_SLOT(15, &F::GetList);
    EXPECT_SLOT(16, &F::SetList);
    EXPECT_SLOT(17, &F::HitTest);
    EXPECT_SLOT(18, &F::ClearText);
    EXPECT_SLOT(19, &F::InitDefaults);
    EXPECT_SLOT(20, &F::SaveFromControl);
    EXPECT_SLOT(21, &F::LoadToControl);
    EXPECT_SLOT(22, &F::FocusControl);
    EXPECT_SLOT(23, &F::SyncRectFromControl);
    EXPECT_SLOT(24, &F::SetLogFont);
    EXPECT_SLOT(25, &F::GetLogFont);
    EXPECT_SLOT(26, &F::SetAlign);
    EXPECT_SLOT(27, &F::GetAlign);
    EXPECT_SLOT(28, &F::SetRowHeight);
    EXPECT_SLOT(29, &F::GetRowHeight);
    EXPECT_SLOT(30, &F::SetTextColor);
    EXPECT_SLOT(31, &F::GetTextColor);
    EXPECT_SLOT(32, &F::GetCarryOver);
    EXPECT_SLOT(33, &F::SetCarryOver);
    EXPECT_SLOT(34, &F::GetModify);
    EXPECT_SLOT(35, &F::SetModify);
    EXPECT_SLOT(36, &F::GetFieldName);
    EXPECT_SLOT(37, &F::GetDrawRects);
    EXPECT_SLOT(38, &F::SetAutoCalc);
    EXPECT_SLOT(39, &F::GetAutoCalc);
    EXPECT_SLOT(40, &F::GetNumKind);
    EXPECT_SLOT(41, &F::SetNumKind);
    EXPECT_SLOT(42, &F::GetShadowOffset);
    EXPECT_SLOT(43, &F::SetShadowOffset);
    EXPECT_SLOT(44, &F::GetShadow);
    EXPECT_SLOT(45, &F::SetShadow);
    EXPECT_SLOT(46, &F::CalcShadowRect);
    EXPECT_SLOT(47, &F::GetPichRate);
    EXPECT_SLOT(48, &F::SetPichRate);
    EXPECT_SLOT(49, &F::RecalcLinked);
    EXPECT_SLOT(50, &F::CopyTo);
    EXPECT_SLOT(51, &F::GetVersion);
    EXPECT_SLOT(52, &F::GetStyle);
    EXPECT_SLOT(53, &F::SetStyle);
    EXPECT_SLOT(54, &F::GetExStyle);
    EXPECT_SLOT(55, &F::SetExStyle);
    EXPECT_SLOT(56, &F::IsBorder);
    EXPECT_SLOT(57, &F::IsHScroll);
    EXPECT_SLOT(58, &F::IsVScroll);
    EXPECT_SLOT(59, &F::IsTransparent);
    EXPECT_SLOT(60, &F::SetBorder);
    EXPECT_SLOT(61, &F::SetHScroll);
    EXPECT_SLOT(62, &F::SetVScroll);
    EXPECT_SLOT(63, &F::SetTransparent);
}

TEST(FieldVtableTest, ControlFieldAddsItsOwnAfterTheBase)
{
    typedef CNPropObjCtrl F;
    EXPECT_SLOT(5, &F::Draw);
    EXPECT_SLOT(14, &F::SetText);
    EXPECT_SLOT(63, &F::SetTransparent);
    EXPECT_SLOT(64, &F::GetEntryMode);
    EXPECT_SLOT(65, &F::IsMultiLine);
    EXPECT_SLOT(66, &F::GetRowLimit);
    EXPECT_SLOT(67, &F::PostFormatToView);
    EXPECT_SLOT(68, &F::DrawAttrText);
}

}  // namespace
