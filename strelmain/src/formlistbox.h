// CFormListBox: the owner-drawn form list of the launcher. Each category of
// an index record is a header row (item data 100 + category), followed by
// the category's listable forms (item data: the form's index in the
// record's arrays).
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CPrtDataInfo;

class CFormListBox : public CListBox
{
public:
    enum
    {
        kCategoryBase = 100,   // item data of category row c: 100 + c
        kRowHeight = 14
    };

    CFormListBox();

    // Lists the record's categories and forms and selects row 1. Forms
    // past the count of their category, or past any per-form array, are
    // not read.
    int FillFormList(CPrtDataInfo* pRecord);

    // The rows of a record: text and item data, in list order.
    struct Row
    {
        CString strText;
        DWORD_PTR dwData;
    };
    static void ListRows(const CPrtDataInfo& record, CArray<Row>& rows);

    // A form is listed unless it needs a preview picture that is missing
    // (and is no registered form, which shows its source's picture).
    static bool IsListableForm(const CPrtDataInfo& record, int nForm);
    // Number of forms the record's arrays describe in full.
    static int FormCount(const CPrtDataInfo& record);
    // The listable forms among those the first category counts.
    static int CountListableForms(const CPrtDataInfo& record);
    // install root + "\data\Preview\" + the layout id + ".jpg".
    static CString PreviewPath(DWORD dwLayoutID);
    // The text of a row: "■" and the category, or five blanks, the title,
    // a blank and the note (a note starting with "*" is not shown).
    static CString RowText(const CPrtDataInfo& record, DWORD_PTR dwData);

    CPrtDataInfo* Record() const { return m_pRecord; }
    void SetEraseColour(COLORREF colour) { m_crErase = colour; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

private:
    void AddRow(LPCSTR lpszText, DWORD_PTR dwData);
    void DrawRowText(CDC& dc, const RECT& rc, const CString& strText, bool bBlackText) const;
    void WidenFor(CDC& dc, const CString& strText);
    bool IsBlackTextRow(DWORD_PTR dwData) const;

    CPrtDataInfo* m_pRecord;
    CFont m_fontForm;
    CFont m_fontCategory;
    COLORREF m_crErase;
};
