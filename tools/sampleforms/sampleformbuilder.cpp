#include "sampleformbuilder.h"

#include "npropobjautoitem.h"
#include "npropobjcalnd.h"
#include "npropobjbarcode.h"
#include "npropobjbtncheck.h"
#include "npropobjedt.h"
#include "npropobjgrp.h"
#include "npropobjnum.h"
#include "npropobjpic.h"
#include "npropobjtime.h"

namespace {

// A4 portrait in tenths of a millimetre.
const LONG kPaperWidth = 2100;
const LONG kPaperHeight = 2970;
const LONG kPrintMargin = 50;
// Space between a cell's rule and its text.
const LONG kCellPadding = 15;
// Thickness of a rule: about one pixel on the screen.
const LONG kRuleHeight = 3;

const DWORD kTextStyle = CNPropObjCtrl::STYLE_DEFAULT;
const DWORD kBoxStyle = CNPropObjCtrl::STYLE_DEFAULT | CNPropObjCtrl::STYLE_BORDER;

// Attribute values.
const DWORD kPrinted = 1;
const DWORD kOnBlankPaperOnly = 0;
const DWORD kLocked = 1;
const DWORD kEntry = CNPropObj::INPUT_TAKES | CNPropObj::INPUT_DATA;

// The row height (tenths of the font height) that puts one line of
// nPoints in the middle of a box nHeight tall on the screen at 100 %: the
// extra space of a row lies above its text.
int CentredRowHeight(LONG nHeight, int nPoints)
{
    const int nFont = CNPropObj::PointsToPixels(nullptr, nPoints);
    const int nBox = CNPropObj::ConvertLengthUnits(nullptr, nHeight, TRUE);
    const int nPitch = nFont + (nBox - nFont) / 2;
    return nPitch > nFont ? nPitch * CTextAttr::ROW_HEIGHT_SINGLE / nFont : CTextAttr::ROW_HEIGHT_SINGLE;
}

RECT Inset(const RECT& rect, LONG nDx, LONG nDy = 0)
{
    return {rect.left + nDx, rect.top + nDy, rect.right - nDx, rect.bottom - nDy};
}

}  // namespace

CSampleFormBuilder::CSampleFormBuilder(UINT nLayoutID, LPCSTR pszTitle, int nFaces, UINT nFirstLabelOrder)
    : m_pLayout(new CNMirtLayoutData),
      m_listLabels(nFaces == 1 ? m_pLayout->m_listOutside : m_pLayout->m_listFaces),
      m_nNextLabelOrder(nFirstLabelOrder)
{
    // A fixed creation date, so that every build writes the same bytes.
    m_pLayout->m_nLayoutID = nLayoutID;
    m_pLayout->m_dateCreated = COleDateTime(2024, 4, 1, 9, 0, 0);
    m_pLayout->m_strText1 = pszTitle;
    CNLayoutData& geometry = m_pLayout->m_LayoutData;
    geometry.m_rectAria = {0, 0, kPaperWidth, kPaperHeight};
    geometry.m_rectSecond = {kPrintMargin, kPrintMargin, kPaperWidth - kPrintMargin, kPaperHeight - kPrintMargin};
    geometry.m_rectThird = geometry.m_rectAria;
    for (int i = 0; i < nFaces; i++)
        geometry.m_arrayMen.Add(CPoint(0, i * (kPaperHeight / nFaces)));
}

CSampleFormBuilder::~CSampleFormBuilder()
{
    delete m_pLayout;
}

LONG CSampleFormBuilder::PaperWidth()
{
    return kPaperWidth;
}

LONG CSampleFormBuilder::FaceHeight() const
{
    return kPaperHeight / m_pLayout->GetMenCount();
}

CNMirtLayoutData* CSampleFormBuilder::Detach()
{
    CNMirtLayoutData* pLayout = m_pLayout;
    m_pLayout = nullptr;
    return pLayout;
}

tagPROPBLOCK CSampleFormBuilder::Block(UINT nOrder, const RECT& rect, DWORD dwPrint, DWORD dwLock, DWORD dwInput,
    DWORD dwClear)
{
    tagPROPBLOCK block = {};
    block.nOrder = nOrder;
    block.rect = rect;
    block.dwAttr[CNPropObj::ATTRIBUTE_PRINT - 1] = dwPrint;
    block.dwAttr[CNPropObj::ATTRIBUTE_LOCK - 1] = dwLock;
    block.dwAttr[CNPropObj::ATTRIBUTE_INPUT - 1] = dwInput;
    block.dwAttr[CNPropObj::ATTRIBUTE_CLEAR - 1] = dwClear;
    return block;
}

tagPROPBLOCK CSampleFormBuilder::DataBlock(UINT nOrder, const RECT& rect, BOOL bClear)
{
    return Block(nOrder, rect, kPrinted, 0, kEntry, bClear ? 1 : 0);
}

tagPROPBLOCK CSampleFormBuilder::LabelBlock(const RECT& rect)
{
    return Block(m_nNextLabelOrder++, rect, kOnBlankPaperOnly, kLocked, 0, 0);
}

void CSampleFormBuilder::ApplyLook(CTextAttr& text, const RECT& rect, const SampleLook& look, BOOL bSingleLine)
{
    LOGFONT& font = text.m_logFont;
    font.lfHeight = look.nPoints;
    font.lfWeight = look.bBold ? FW_BOLD : FW_NORMAL;
    font.lfPitchAndFamily = look.pFont->nPitchAndFamily;
    ::lstrcpynA(font.lfFaceName, look.pFont->pszFace, LF_FACESIZE);
    text.m_nAlign = look.nAlign;
    text.m_nEntryMode = look.bKanaEntry;
    if (bSingleLine)
        text.m_nRowHeight = CentredRowHeight(rect.bottom - rect.top, look.nPoints);
}

void CSampleFormBuilder::SetItems(CNPropObj* pField, LPCSTR pszFirst, LPCSTR pszSecond)
{
    pField->m_listItems.AddTail(pszFirst);
    if (pszSecond != nullptr)
        pField->m_listItems.AddTail(pszSecond);
}

void CSampleFormBuilder::AddLabel(const RECT& rect, LPCSTR pszText, const SampleLook& look, DWORD dwStyle)
{
    CNPropObjDoc* pLabel = new CNPropObjDoc(LabelBlock(rect), dwStyle, 0);
    ApplyLook(pLabel->m_text, rect, look, TRUE);
    if (pszText != nullptr)
        SetItems(pLabel, pszText);
    m_listLabels.AddTail(pLabel);
}

void CSampleFormBuilder::AddDataField(CNPropObj* pField, LPCSTR pszName)
{
    pField->m_strName = pszName;
    m_pLayout->m_listFaces.AddTail(pField);
}

void CSampleFormBuilder::Label(const RECT& rect, LPCSTR pszText, const SampleLook& look)
{
    AddLabel(rect, pszText, look, kTextStyle);
}

void CSampleFormBuilder::Caption(const RECT& rect, LPCSTR pszText, const SampleLook& look)
{
    AddLabel(rect, pszText, look, kBoxStyle);
}

void CSampleFormBuilder::Frame(const RECT& rect)
{
    m_listLabels.AddTail(new CNPropObjDoc(LabelBlock(rect), kBoxStyle, 0));
}

void CSampleFormBuilder::Rule(LONG nLeft, LONG nRight, LONG y)
{
    Frame({nLeft, y, nRight, y + kRuleHeight});
}

void CSampleFormBuilder::BoxedEdit(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look)
{
    Frame(rect);
    Edit(nOrder, pszName, Inset(rect, kCellPadding), look);
}

void CSampleFormBuilder::BoxedTextArea(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look)
{
    Frame(rect);
    TextArea(nOrder, pszName, Inset(rect, kCellPadding, kCellPadding), look, 0);
}

void CSampleFormBuilder::Edit(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look)
{
    CNPropObjEdt* pEdit = new CNPropObjEdt(DataBlock(nOrder, rect, TRUE), kTextStyle, 0);
    ApplyLook(pEdit->m_text, rect, look, TRUE);
    AddDataField(pEdit, pszName);
}

void CSampleFormBuilder::Number(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look,
    const SampleNumber& number)
{
    CNPropObjDocNum* pNumber = new CNPropObjDocNum(DataBlock(nOrder, rect, TRUE), kTextStyle, 0);
    ApplyLook(pNumber->m_text, rect, look, TRUE);
    pNumber->m_nNumKind = number.nNumKind;
    pNumber->m_nDrawStyle = number.nDrawStyle;
    if (number.pszPrefix != nullptr) {
        for (LPCSTR pszItem : {"", "", number.pszPrefix})
            pNumber->m_listItems.AddTail(pszItem);
    }
    AddDataField(pNumber, pszName);
}

void CSampleFormBuilder::BoxedNumber(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look,
    const SampleNumber& number)
{
    Frame(rect);
    Number(nOrder, pszName, Inset(rect, kCellPadding), look, number);
}

void CSampleFormBuilder::SerialNumber(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look)
{
    CNPropObjDocNumRen* pSerial = new CNPropObjDocNumRen(DataBlock(nOrder, rect, TRUE), kTextStyle, 0);
    ApplyLook(pSerial->m_text, rect, look, TRUE);
    pSerial->m_nNumKind = CNPropObjDocNum::NUMKIND_INTEGER;
    AddDataField(pSerial, pszName);
}

void CSampleFormBuilder::Calculation(LPCSTR pszFormula, UINT nResult, std::initializer_list<UINT> members)
{
    CNPropObjCalc* pCalc = new CNPropObjCalc(Block(m_nNextLabelOrder++, {0, 0, 0, 0}, kOnBlankPaperOnly, kLocked, 0, 0));
    pCalc->m_strFormula = pszFormula;
    pCalc->m_arrayTarget.Add(static_cast<WORD>(nResult));
    for (UINT nMember : members)
        pCalc->m_arrayMember.Add(static_cast<WORD>(nMember));
    m_pLayout->m_listFaces.AddTail(pCalc);
}

void CSampleFormBuilder::TextArea(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look,
    int nRowLimit)
{
    CNPropObjDoc* pText = new CNPropObjDoc(DataBlock(nOrder, rect, TRUE), kTextStyle, 0);
    ApplyLook(pText->m_text, rect, look, FALSE);
    pText->m_text.m_nRowLimit = nRowLimit;
    AddDataField(pText, pszName);
}

void CSampleFormBuilder::AutoItem(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look,
    LPCSTR pszFile, LPCSTR pszPrefix)
{
    CNPropObjAutoItem* pItem = new CNPropObjAutoItem(DataBlock(nOrder, rect, FALSE), kTextStyle, 0);
    ApplyLook(pItem->m_text, rect, look, TRUE);
    SetItems(pItem, pszFile, pszPrefix);
    AddDataField(pItem, pszName);
}

void CSampleFormBuilder::CreationDate(UINT nOrder, LPCSTR pszName, const RECT& rect, const SampleLook& look,
    LPCSTR pszTemplate)
{
    CNPropObjCreateTime* pDate = new CNPropObjCreateTime(DataBlock(nOrder, rect, TRUE), kTextStyle, 0);
    ApplyLook(pDate->m_text, rect, look, TRUE);
    SetItems(pDate, pszTemplate);
    AddDataField(pDate, pszName);
}

void CSampleFormBuilder::Calendar(UINT nOrder, LPCSTR pszName, const RECT& rect)
{
    CNPropObjCalndStd* pCalendar = new CNPropObjCalndStd(DataBlock(nOrder, rect, FALSE), kTextStyle, 0);
    pCalendar->m_nYear = 0;
    pCalendar->m_nMonth = 0;
    pCalendar->m_bYearSuffix = TRUE;
    pCalendar->m_nMonthStyle1 = 2;
    pCalendar->m_bSatColor = TRUE;
    pCalendar->m_nYearSize = 110;
    pCalendar->m_nMonthSize1 = 110;
    pCalendar->m_ptYearTitle = CPoint(rect.right - rect.left - 280, -70);
    pCalendar->m_ptMonthTitle1 = CPoint(rect.right - rect.left - 110, -70);
    AddDataField(pCalendar, pszName);
}

void CSampleFormBuilder::Picture(UINT nOrder, LPCSTR pszName, const RECT& rect)
{
    AddDataField(new CNPropObjPic(DataBlock(nOrder, rect, FALSE), kTextStyle, 0), pszName);
}

void CSampleFormBuilder::CheckBox(UINT nOrder, LPCSTR pszName, const RECT& rect, LPCSTR pszCaption)
{
    CNPropObjBtnCheck* pCheck = new CNPropObjBtnCheck(DataBlock(nOrder, rect, TRUE), kTextStyle, 0);
    SetItems(pCheck, pszCaption);
    AddDataField(pCheck, pszName);
}

void CSampleFormBuilder::Barcode(UINT nOrder, LPCSTR pszName, const RECT& rect, UINT nKind)
{
    CNPropObjBarcode* pBarcode = new CNPropObjBarcode(DataBlock(nOrder, rect, TRUE), kTextStyle, 0);
    pBarcode->m_nKind = nKind;
    AddDataField(pBarcode, pszName);
}

void CSampleFormBuilder::Table(UINT nFirstOrder, const SampleColumn* pColumns, int nColumns, int nRows, LONG nTop,
    LONG nHeadingHeight, LONG nRowHeight, const SampleLook& heading)
{
    const LONG nLeft = pColumns[0].nLeft;
    const LONG nRight = pColumns[nColumns - 1].nRight;
    const LONG nBodyTop = nTop + nHeadingHeight;
    const LONG nBottom = nBodyTop + nRows * nRowHeight;
    m_pLayout->m_nTableFirstOrder = nFirstOrder;
    m_pLayout->m_nTableLastOrder = nFirstOrder + static_cast<UINT>(nColumns * nRows) - 1;
    m_pLayout->m_nTableLine = static_cast<UINT>(nRows);

    for (int c = 0; c < nColumns; c++) {
        Caption({pColumns[c].nLeft, nTop, pColumns[c].nRight, nBodyTop}, pColumns[c].pszHeading, heading);
        Frame({pColumns[c].nLeft, nBodyTop, pColumns[c].nRight, nBottom});
    }
    for (int r = 0; r < nRows; r++) {
        const LONG nRowTop = nBodyTop + r * nRowHeight;
        Frame({nLeft, nRowTop, nRight, nRowTop + nRowHeight});
        for (int c = 0; c < nColumns; c++) {
            CString strName;
            strName.Format("%s%d", pColumns[c].pszHeading, r + 1);
            const RECT cell = {pColumns[c].nLeft, nRowTop, pColumns[c].nRight, nRowTop + nRowHeight};
            const UINT nOrder = nFirstOrder + static_cast<UINT>(r * nColumns + c);
            if (pColumns[c].pNumber != nullptr)
                Number(nOrder, strName, Inset(cell, kCellPadding), *pColumns[c].pLook, *pColumns[c].pNumber);
            else
                Edit(nOrder, strName, Inset(cell, kCellPadding), *pColumns[c].pLook);
        }
    }
}
