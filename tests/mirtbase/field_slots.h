// The fields' virtual operations in their fixed slots, as seen through a
// field class F: an operation F hid with a new virtual would move. Under the
// GCC ABI CObject's destructor takes two slots (complete and deleting), so
// the field's slot n (counted with one destructor slot) is table slot n + 1.
#pragma once
#include <gtest/gtest.h>

#include "npropobjctrl.h"
#include "vtable_slot.h"

#define EXPECT_FIELD_SLOT(slot, pmf) EXPECT_EQ((slot) + 1, SlotOf(pmf)) << #pmf

// The operations of the field base, slots 2 to 63.
template <class F>
void ExpectFieldBaseSlots()
{
    EXPECT_FIELD_SLOT(2, &F::Serialize);
    EXPECT_FIELD_SLOT(5, &F::Draw);
    EXPECT_FIELD_SLOT(6, &F::Activate);
    EXPECT_FIELD_SLOT(7, &F::CreateControl);
    EXPECT_FIELD_SLOT(8, &F::DestroyControl);
    EXPECT_FIELD_SLOT(9, &F::SetMode);
    EXPECT_FIELD_SLOT(10, &F::GetMode);
    EXPECT_FIELD_SLOT(11, &F::Clone);
    EXPECT_FIELD_SLOT(12, &F::Execute);
    EXPECT_FIELD_SLOT(13, &F::GetText);
    EXPECT_FIELD_SLOT(14, &F::SetText);
    EXPECT_FIELD_SLOT(15, &F::GetList);
    EXPECT_FIELD_SLOT(16, &F::SetList);
    EXPECT_FIELD_SLOT(17, &F::HitTest);
    EXPECT_FIELD_SLOT(18, &F::ClearText);
    EXPECT_FIELD_SLOT(19, &F::InitDefaults);
    EXPECT_FIELD_SLOT(20, &F::SaveFromControl);
    EXPECT_FIELD_SLOT(21, &F::LoadToControl);
    EXPECT_FIELD_SLOT(22, &F::FocusControl);
    EXPECT_FIELD_SLOT(23, &F::SyncRectFromControl);
    EXPECT_FIELD_SLOT(24, &F::SetLogFont);
    EXPECT_FIELD_SLOT(25, &F::GetLogFont);
    EXPECT_FIELD_SLOT(26, &F::SetAlign);
    EXPECT_FIELD_SLOT(27, &F::GetAlign);
    EXPECT_FIELD_SLOT(28, &F::SetRowHeight);
    EXPECT_FIELD_SLOT(29, &F::GetRowHeight);
    EXPECT_FIELD_SLOT(30, &F::SetTextColor);
    EXPECT_FIELD_SLOT(31, &F::GetTextColor);
    EXPECT_FIELD_SLOT(32, &F::GetCarryOver);
    EXPECT_FIELD_SLOT(33, &F::SetCarryOver);
    EXPECT_FIELD_SLOT(34, &F::GetModify);
    EXPECT_FIELD_SLOT(35, &F::SetModify);
    EXPECT_FIELD_SLOT(36, &F::GetFieldName);
    EXPECT_FIELD_SLOT(37, &F::GetDrawRects);
    EXPECT_FIELD_SLOT(38, &F::SetAutoCalc);
    EXPECT_FIELD_SLOT(39, &F::GetAutoCalc);
    EXPECT_FIELD_SLOT(40, &F::GetNumKind);
    EXPECT_FIELD_SLOT(41, &F::SetNumKind);
    EXPECT_FIELD_SLOT(42, &F::GetShadowOffset);
    EXPECT_FIELD_SLOT(43, &F::SetShadowOffset);
    EXPECT_FIELD_SLOT(44, &F::GetShadow);
    EXPECT_FIELD_SLOT(45, &F::SetShadow);
    EXPECT_FIELD_SLOT(46, &F::CalcShadowRect);
    EXPECT_FIELD_SLOT(47, &F::GetPichRate);
    EXPECT_FIELD_SLOT(48, &F::SetPichRate);
    EXPECT_FIELD_SLOT(49, &F::RecalcLinked);
    EXPECT_FIELD_SLOT(50, &F::CopyTo);
    EXPECT_FIELD_SLOT(51, &F::GetVersion);
    EXPECT_FIELD_SLOT(52, &F::GetStyle);
    EXPECT_FIELD_SLOT(53, &F::SetStyle);
    EXPECT_FIELD_SLOT(54, &F::GetExStyle);
    EXPECT_FIELD_SLOT(55, &F::SetExStyle);
    EXPECT_FIELD_SLOT(56, &F::IsBorder);
    EXPECT_FIELD_SLOT(57, &F::IsHScroll);
    EXPECT_FIELD_SLOT(58, &F::IsVScroll);
    EXPECT_FIELD_SLOT(59, &F::IsTransparent);
    EXPECT_FIELD_SLOT(60, &F::SetBorder);
    EXPECT_FIELD_SLOT(61, &F::SetHScroll);
    EXPECT_FIELD_SLOT(62, &F::SetVScroll);
    EXPECT_FIELD_SLOT(63, &F::SetTransparent);
}

// The base's operations and those the control-backed field adds, 64 to 68.
template <class F>
void ExpectControlFieldSlots()
{
    ExpectFieldBaseSlots<F>();
    EXPECT_FIELD_SLOT(64, &F::GetEntryMode);
    EXPECT_FIELD_SLOT(65, &F::IsMultiLine);
    EXPECT_FIELD_SLOT(66, &F::GetRowLimit);
    EXPECT_FIELD_SLOT(67, &F::PostFormatToView);
    EXPECT_FIELD_SLOT(68, &F::DrawAttrText);
}
