// The sample forms that come with the suite, built in code. Each function
// makes the layout of one form with its labels, entry fields, table and the
// user's own details filled in from the launcher's saved values.
#pragma once
#include "nmirtlayoutdata.h"

// Layout ids of the sample forms.
enum
{
    SAMPLE_DELIVERY_NOTE = 9001,   // 納品書
    SAMPLE_INVOICE = 9002,         // 請求書
    SAMPLE_SLIP = 9003             // 伝票, three faces
};

// Each returns a new layout that the caller deletes.
CNMirtLayoutData* MakeDeliveryNote();
CNMirtLayoutData* MakeInvoice();
CNMirtLayoutData* MakeSlip();
