#include "formlistbox.h"

#include <algorithm>

#include "launcherfont.h"
#include "mirtpath.h"
#include "prtdatainfo.h"

namespace {

const char kIndexError[] = "ｲﾝﾃﾞｯｸｽ設定ｴﾗｰ";

}  // namespace

CFormListBox::CFormListBox() : m_pRecord(nullptr), m_crErase(::GetSysColor(COLOR_WINDOW))
{
    MakeLauncherFont(m_fontForm, 12, 0);
    MakeLauncherFont(m_fontCategory, 12, FW_BOLD);
}

CString CFormListBox::PreviewPath(DWORD dwLayoutID)
{
    CString strName;
    strName.Format("%ld.jpg", static_cast<long>(dwLayoutID));
    return MirtInstallPath("\\data\\Preview\\") + strName;
}

int CFormListBox::FormCount(const CPrtDataInfo& record)
{
    return static_cast<int>(std::min({record.m_arrLayoutID.GetSize(), record.m_arrSourceID.GetSize(),
        record.m_arrTitle.GetSize(), record.m_arrTitleNote.GetSize(), record.m_arrPreview.GetSize(),
        record.m_arrTextColour.GetSize()}));
}

bool CFormListBox::IsListableForm(const CPrtDataInfo& record, int nForm)
{
    return record.m_arrPreview[nForm] == 0 || record.m_arrSourceID[nForm] != 0 ||
           ::GetFileAttributesA(PreviewPath(record.m_arrLayoutID[nForm])) != INVALID_FILE_ATTRIBUTES;
}

int CFormListBox::CountListableForms(const CPrtDataInfo& record)
{
    const int nFirst = record.m_arrCategoryCount.GetSize() > 0 ? static_cast<int>(record.m_arrCategoryCount[0]) : 0;
    const int nForms = std::min(nFirst, FormCount(record));
    int nListable = 0;
    for (int f = 0; f < nForms; ++f) {
        if (IsListableForm(record, f))
            ++nListable;
    }
    return nListable;
}

CString CFormListBox::RowText(const CPrtDataInfo& record, DWORD_PTR dwData)
{
    if (dwData >= kCategoryBase)
        return CString("■") + record.m_arrCategory[static_cast<int>(dwData - kCategoryBase)];
    const int nForm = static_cast<int>(dwData);
    CString strNote = record.m_arrTitleNote[nForm];
    if (strNote.Left(1) == "*")
        strNote.Empty();
    return CString("     ") + record.m_arrTitle[nForm] + " " + strNote;
}

void CFormListBox::AddRow(LPCSTR lpszText, DWORD_PTR dwData)
{
    const int nRow = AddString(lpszText);
    if (nRow < 0 || SetItemData(nRow, dwData) == LB_ERR)
        AfxMessageBox(kIndexError);
}

void CFormListBox::ListRows(const CPrtDataInfo& record, CArray<Row>& rows)
{
    const int nForms = FormCount(record);
    const int nCategories = static_cast<int>(record.m_arrCategory.GetSize());
    int nFirst = 0;
    for (int c = 0; c < nCategories && c < kCategoryBase; ++c) {
        rows.Add(Row{record.m_arrCategory[c], static_cast<DWORD_PTR>(kCategoryBase + c)});
        const DWORD dwCount = c < record.m_arrCategoryCount.GetSize() ? record.m_arrCategoryCount[c] : 0;
        const int nEnd = static_cast<int>(std::min<DWORD>(static_cast<DWORD>(nForms - nFirst), dwCount)) + nFirst;
        for (int f = nFirst; f < nEnd && f < kCategoryBase; ++f) {
            if (!record.m_arrTitle[f].IsEmpty() && IsListableForm(record, f))
                rows.Add(Row{record.m_arrTitle[f], static_cast<DWORD_PTR>(f)});
        }
        nFirst = nEnd;
    }
}

int CFormListBox::FillFormList(CPrtDataInfo* pRecord)
{
    m_pRecord = pRecord;
    CArray<Row> rows;
    ListRows(*pRecord, rows);
    for (int i = 0; i < rows.GetSize(); ++i)
        AddRow(rows[i].strText, rows[i].dwData);
    ShowScrollBar(SB_HORZ, FALSE);
    SetCurSel(1);
    return 1;
}

void CFormListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = kRowHeight;
}

bool CFormListBox::IsBlackTextRow(DWORD_PTR dwData) const
{
    return dwData < kCategoryBase && m_pRecord->m_arrTextColour[static_cast<int>(dwData)] == 1;
}

void CFormListBox::WidenFor(CDC& dc, const CString& strText)
{
    const int nWidth = dc.GetTextExtent(strText).cx;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (nWidth > rcClient.Width() && nWidth + 10 > static_cast<int>(SendMessage(LB_GETHORIZONTALEXTENT)))
        SendMessage(LB_SETHORIZONTALEXTENT, nWidth + 10);
}

void CFormListBox::DrawRowText(CDC& dc, const RECT& rc, const CString& strText, bool bBlackText) const
{
    dc.SetBkColor(::GetSysColor(COLOR_WINDOW));
    dc.SetTextColor(bBlackText ? RGB(0, 0, 0) : RGB(255, 255, 255));
    CRect rcText(rc);
    dc.DrawText(strText, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
}

void CFormListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_pRecord == nullptr || static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    dc.SetBkMode(TRANSPARENT);
    const DWORD_PTR dwData = lpDrawItemStruct->itemData;
    const bool bCategory = dwData >= kCategoryBase;
    const CString strText = RowText(*m_pRecord, dwData);
    CFont* pOldFont = dc.SelectObject(bCategory ? &m_fontCategory : &m_fontForm);
    WidenFor(dc, strText);
    const RECT& rc = lpDrawItemStruct->rcItem;
    const UINT action = lpDrawItemStruct->itemAction;
    const bool bBlack = IsBlackTextRow(dwData);
    if (action & ODA_DRAWENTIRE)
        DrawRowText(dc, rc, strText, bBlack);
    if ((lpDrawItemStruct->itemState & ODS_SELECTED) && (action & (ODA_DRAWENTIRE | ODA_SELECT))) {
        if (bCategory) {
            DrawRowText(dc, rc, strText, bBlack);
        } else {
            dc.FillSolidRect(&rc, ::GetSysColor(COLOR_HIGHLIGHT));
            dc.SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
            dc.SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
            CRect rcText(rc);
            dc.DrawText(strText, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
        }
    } else if (!(lpDrawItemStruct->itemState & ODS_SELECTED) && (action & ODA_SELECT)) {
        dc.FillSolidRect(&rc, m_crErase);
        DrawRowText(dc, rc, strText, bBlack);
    }
    dc.SelectObject(pOldFont);
    dc.Detach();
}
