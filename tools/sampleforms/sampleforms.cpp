#include "sampleforms.h"

namespace {

// A4 portrait in tenths of a millimetre.
const LONG kPaperWidth = 2100;
const LONG kPaperHeight = 2970;
const LONG kPrintMargin = 50;

// The layout's header and the paper of a one-face A4 form. The creation
// date is fixed so that the files are the same at every build.
CNMirtLayoutData* MakeA4Layout(UINT nLayoutID, LPCSTR pszTitle)
{
    CNMirtLayoutData* pLayout = new CNMirtLayoutData;
    pLayout->m_nLayoutID = nLayoutID;
    pLayout->m_dateCreated = COleDateTime(2024, 4, 1, 9, 0, 0);
    pLayout->m_strText1 = pszTitle;
    CNLayoutData& geometry = pLayout->m_LayoutData;
    geometry.m_rectAria = {0, 0, kPaperWidth, kPaperHeight};
    geometry.m_rectSecond = {kPrintMargin, kPrintMargin, kPaperWidth - kPrintMargin, kPaperHeight - kPrintMargin};
    geometry.m_rectThird = geometry.m_rectAria;
    return pLayout;
}

// Faces stacked from the top of the paper, each nHeight tall.
void AddFaces(CNMirtLayoutData* pLayout, int nCount, LONG nHeight)
{
    for (int i = 0; i < nCount; i++)
        pLayout->m_LayoutData.m_arrayMen.Add(CPoint(0, i * nHeight));
}

// The table part: nRows rows of nColumns fields from order nFirst on.
void SetTable(CNMirtLayoutData* pLayout, UINT nFirst, UINT nColumns, UINT nRows)
{
    pLayout->m_nTableFirstOrder = nFirst;
    pLayout->m_nTableLastOrder = nFirst + nColumns * nRows - 1;
    pLayout->m_nTableLine = nRows;
}

}  // namespace

// Header fields 1 to 10 (customer, date, number...), then a table of ten
// rows: item, quantity, unit, unit price, amount.
CNMirtLayoutData* MakeDeliveryNote()
{
    CNMirtLayoutData* pLayout = MakeA4Layout(SAMPLE_DELIVERY_NOTE, "納品書");
    AddFaces(pLayout, 1, kPaperHeight);
    SetTable(pLayout, 11, 5, 10);
    return pLayout;
}

// Header fields 1 to 20 (customer, period, previous balance...), then a
// table of eight rows: date, item, quantity, amount.
CNMirtLayoutData* MakeInvoice()
{
    CNMirtLayoutData* pLayout = MakeA4Layout(SAMPLE_INVOICE, "請求書");
    AddFaces(pLayout, 1, kPaperHeight);
    SetTable(pLayout, 21, 4, 8);
    return pLayout;
}

// Three equal faces, one above the other; the face fields repeat on each.
CNMirtLayoutData* MakeSlip()
{
    CNMirtLayoutData* pLayout = MakeA4Layout(SAMPLE_SLIP, "伝票");
    AddFaces(pLayout, 3, kPaperHeight / 3);
    return pLayout;
}
