// The fields' virtual operations sit in their fixed slots.
#include <gtest/gtest.h>

#include "field_slots.h"
#include "npropobjctrl.h"

namespace {

TEST(FieldVtableTest, OperationsOfTheFieldBase)
{
    ExpectFieldBaseSlots<CNPropObj>();
}

TEST(FieldVtableTest, ControlFieldAddsItsOwnAfterTheBase)
{
    ExpectControlFieldSlots<CNPropObjCtrl>();
}

}  // namespace
