// CCalndColorCombo: an owner-drawn combo box of the 16 calendar colours;
// the selected index is the colour index of the calendar fields.
#pragma once
#include <afxdlgs.h>
#include "mirtapi.h"

class MIRT_API CCalndColorCombo : public CComboBox
{
public:
    enum { ITEM_HEIGHT = 20 };

    // Adds the colours as item data, in the calendar colour table's order.
    void Fill();
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // The item filled with its colour; a selected item framed in the
    // inverse colour, a deselected one framed in its own.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};

// The colour combo nID bound to combo and its index member.
void DDX_CalndColor(CDataExchange* pDX, int nID, CCalndColorCombo& combo, int& nIndex);
