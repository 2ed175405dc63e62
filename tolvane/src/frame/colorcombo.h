// CColorCombo: the format bar's colour box. Its items carry no text; each
// item's data is an index 1..16 into the table of the sixteen text colours,
// and the item is drawn filled with that colour.
#pragma once
#include <afxwin.h>

class CColorCombo : public CComboBox
{
public:
    static constexpr int kColorCount = 16;
    static constexpr int kItemHeight = 18;

    // The colour of index 1..16; black for any other index.
    static COLORREF ColorFromIndex(int nIndex);
    // The index of a colour of the table; 1 for any other colour.
    static WORD IndexFromColor(COLORREF crColor);

    // The sixteen items, with data 1..16, at the item height.
    void AddColors();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
};
