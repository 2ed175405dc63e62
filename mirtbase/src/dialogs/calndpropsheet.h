// What the monthly and the yearly calendar settings share: the sheet that
// relays the date from page 1 to page 2, page 1 (year, month, font, first
// day of the week, colours) and page 2 (special days and weekday days).
// The field fills the pages' members before the sheet runs and reads them
// after IDOK; the pages never touch the field.
#pragma once
#include <afxdlgs.h>
#include <vector>
#include "dialogs/calndcolorcombo.h"

// Posted: page 1 to its sheet, the sheet to page 2 (wParam year, lParam month).
#define MsgCalndStdDate 0x659
#define MsgCalndStdPage2Date 0x65A
#define MsgCalndYearDate 0x663
#define MsgCalndYearPage2Date 0x664

#pragma pack(push, 4)

class MIRT_API CCalndPropPage1 : public CPropertyPage
{
    DECLARE_DYNAMIC(CCalndPropPage1)
public:
    enum { YEAR_FIRST = 1971, YEAR_LAST = 2037 };

    // The month of the page's date; 0 on the yearly page.
    virtual int GetDateMonth() const { return 0; }

    int m_bSatColorEnabled = 1;
    int m_bLineColorEnabled = 1;
    CString m_strFace;
    int m_nWeekStart = -1;       // 0 Sunday, 1 Monday
    int m_nYear = 0;
    int m_nNormalColor = -1;     // colour indexes 0..15
    int m_nSatColor = -1;
    int m_nHolidayColor = -1;
    int m_nLineColor = -1;
    int m_nTitleColor = -1;

protected:
    CCalndPropPage1(UINT nIDTemplate, UINT nDateMessage);

    void DoDataExchange(CDataExchange* pDX) override;
    // Fills the colour and font lists, then loads the controls; the
    // ruled-line and Saturday colours are disabled when their flags are 0.
    BOOL OnInitDialog() override;
    // Validates and stores the page, then posts the date to the sheet.
    BOOL OnKillActive() override;

    // Fills the lists before the controls are loaded: the colour combos
    // and the font faces here.
    virtual void FillLists();
    void FillColor(CCalndColorCombo& combo, int nID);

private:
    void FillFaces();

    UINT m_nDateMessage;
    CCalndColorCombo m_comboNormal, m_comboSat, m_comboHoliday, m_comboLine, m_comboTitle;
};

class MIRT_API CCalndPropPage2 : public CPropertyPage
{
    DECLARE_DYNAMIC(CCalndPropPage2)
public:
    enum { MODE_BY_DATE = 0, MODE_BY_WEEKDAY = 1 };

    // Empties both day arrays and both lists.
    void DropDays();

    // The date of the days held; the field gives its own.
    int m_nYear = 0;
    int m_nMonth = 0;            // 0 on the yearly page
    int m_bSpecialColorEnabled = 1;
    int m_nSpecialColor = -1;
    // Day keys: the day, or (month << 16) | day on the yearly page.
    CDWordArray m_arSpecialDays;
    CDWordArray m_arWeekdayDays;
    int m_nSpecialMode = MODE_BY_DATE;
    int m_nWeekdayMode = MODE_BY_DATE;

protected:
    CCalndPropPage2(UINT nIDTemplate, BOOL bYearly);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Rebuilds both arrays from the lists, so that OK and a return to the
    // page see what the lists show.
    BOOL OnKillActive() override;

    // The date from page 1: days held under another date are dropped; the
    // date is shown and the arrays' days are listed.
    afx_msg LRESULT OnPage2Date(WPARAM wParam, LPARAM lParam);
    afx_msg void OnAddSpecial();
    afx_msg void OnAddWeekday();
    afx_msg void OnRemoveSpecial();
    afx_msg void OnRemoveWeekday();
    afx_msg void OnDblClkSpecial();
    afx_msg void OnDblClkWeekday();
    afx_msg void OnClearSpecial();
    afx_msg void OnClearWeekday();
    afx_msg void OnModeChanged();
    DECLARE_MESSAGE_MAP()

    BOOL m_bYearly;

private:
    struct Group;
    static const Group kSpecial;
    static const Group kWeekday;

    // The (month, day) pairs the group's controls choose; none when a
    // needed month or weekday is not chosen.
    std::vector<std::pair<int, int>> ChosenDays(const Group& group) const;
    std::pair<int, int> DayOfKey(DWORD dwKey) const;
    LRESULT ItemMessage(int nID, UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageA(m_hWnd, nID, nMessage, wParam, lParam);
    }
    DWORD KeyOfEntry(const CString& strEntry) const;
    void ListDays(const CDWordArray& arDays, int nListID);
    void CollectDays(CDWordArray& arDays, int nListID) const;
    void RemoveSelected(int nListID);
    void RemoveCaret(int nListID);
    void EnableForModes();
    // Moves strEntry from the other list after the question, else adds it
    // unless it is listed.
    void AddEntry(const CString& strEntry, int nListID, int nOtherListID, LPCSTR pszQuestion);

    CCalndColorCombo m_comboSpecial;
};

class MIRT_API CCalndPropSheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CCalndPropSheet)
protected:
    CCalndPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT nPage2Message);

    // Page 1's date to page 2 when its window exists.
    afx_msg LRESULT OnPageDate(WPARAM wParam, LPARAM lParam);
    // Days page 2 holds under another date than page 1's are dropped.
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    UINT m_nPage2Message;
};

#pragma pack(pop)
