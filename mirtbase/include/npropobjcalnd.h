// Calendar fields: a ready-made calendar printed on a form, one month
// (CNPropObjCalndStd) or a whole year of twelve month blocks
// (CNPropObjCalndYear). The base CNPropObjCalnd holds what both share: the
// year, the look of the grid, colours, fonts, title items and two lists of
// marked days. The value is the shown period as text ("2024/05" or "2024").
// The members are public; the settings sheet's pages are filled from them
// and give them back after OK.
#pragma once
#include "npropobjctrl.h"
#include <afxtempl.h>

class CCalndPropPage1;
class CCalndPropPage2;

#pragma pack(push, 4)

class MIRT_API CNPropObjCalnd : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjCalnd)
public:
    enum { CALND_SCHEMA = 2 };
    enum { WEEK_SUNDAY = 0, WEEK_MONDAY = 1 };
    enum { NUMBER_LEFT = 0, NUMBER_CENTER = 1, NUMBER_RIGHT = 2 };
    // Title alignment: anchored at the bottom-left corner, else top-left.
    enum { TITLE_BOTTOM = 1 };
    // Weekday name and month title styles are 0..STYLE_LAST.
    enum { STYLE_LAST = 3 };
    // Line kinds: outer and heading lines solid or two units wide, inner
    // lines solid or dotted; any other value draws no line.
    enum { LINE_SOLID = 0, LINE_WIDE = 1, LINE_DOTTED = 1 };
    // Colour indexes of the calendar colour table 0..15; other values are
    // COLORREFs.
    enum { COLOR_TABLE_SIZE = 16 };
    // Members stored as DWORDs after the version, m_nYear .. m_nDaySize.
    enum { STORED_VALUES = 30 };

    CNPropObjCalnd();
    CNPropObjCalnd(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjCalnd() override;

    // The control field's record, then version, the 30 values, face name,
    // three title offsets, title alignment and the two day lists. A year
    // of 0 loads as the current year; a style, week start or title
    // alignment out of its range loads as its default.
    void Serialize(CArchive& ar) override;

    // The drawing gate of the fields, the placeholder, then DrawCalendar at
    // the device rectangle's corner (on paper moved by the owner's margin
    // and the printer's physical offset).
    int Draw(CDC* pDC, int nMode) override;
    // 0: the settings sheet is the monthly and yearly calendars'.
    int Activate() override;
    // The display window (a CNPropWndCalnd) on the device rectangle, moved
    // back by the owner's margin on a face with a layout; in layout mode,
    // when editable, a picture object showing the calendar rendered by
    // WriteDesignBitmap. Null without mode, owner or window handle, or when
    // the window cannot be made.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    // Deletes both windows and the temporary bitmap and forgets the entry
    // window; 1.
    int DestroyControl() override;
    // Focuses the display window; without one, makes the control on the
    // owner's parent window and, when that made a display window, focuses
    // it and posts the field's format there.
    void FocusControl() override;
    // A new field of this field's class at its block, filled by CopyTo and
    // moved by dx, dy.
    CNPropObj* Clone(int dx, int dy) override;
    // Stores the text; 0 for an empty text, else 1.
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    void InitDefaults() override;
    // The value becomes the shown period, except in layout mode and when
    // the field may not be shown.
    void LoadToControl(int bAlsoList) override;
    int GetCarryOver() override;
    void SetCarryOver(BOOL bClear) override;
    int GetModify() override;
    void SetModify(BOOL bLock) override;
    CString GetFieldName() override;
    int GetNumKind() override;
    int GetShadow() override;
    // The control field's copy, then every calendar member.
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    // Draws the calendar with its top-left corner at (x, y); 1 when drawn,
    // 0 when nothing (or not all) could be drawn. Nothing in the base.
    virtual int DrawCalendar(CDC* pDC, int nMode, int x, int y);
    // The shown period as text: the year in decimal here.
    virtual CString GetPeriodText();

    // After the settings sheet: the value becomes the shown period and the
    // owner repaints the whole face.
    void ApplySettings();
    // A colour index (0..15) of the calendar colour table, else the value
    // itself as a COLORREF.
    static COLORREF CalendarColor(int nIndex);
    // Weekday name of nDay (1 Sunday .. 7) and month title of nMonth (1..12)
    // in a style; empty out of range.
    static CString WeekdayName(int nStyle, int nDay);
    static CString MonthTitle(int nStyle, int nMonth);
    // Whether a day key is in the list.
    static BOOL HasDay(const CDWordArray& days, DWORD dwKey);

    // Renders the calendar at its device size on pIC into a new temporary
    // BMP file (prefix "bmp") of pIC's depth, the picture of layout mode;
    // its path goes to m_strDesignBitmap. 0, without a file, on failure.
    int WriteDesignBitmap(CDC* pIC);
    // Deletes the temporary file and forgets its path.
    void DeleteDesignBitmap();

    int m_nYear;
    int m_nWeekStart;         // WEEK_
    int m_bGrid;              // ruled cells, else a plain table of numbers
    int m_bYearTitle;
    int m_bMonthTitle1;
    int m_bMonthTitle2;
    int m_bYearSuffix;        // "年" after the year
    int m_nWeekStyle;         // weekday names 0..3
    int m_nMonthStyle1;       // month titles 0..3
    int m_nMonthStyle2;
    int m_nNumberPos;         // NUMBER_
    int m_bSatColor;          // Saturdays in their own colour
    int m_bMarkedColor;       // marked days in their own colour, else the holiday colour
    int m_nTitleColor;        // colour indexes
    int m_nLineColor;
    int m_nHolidayColor;
    int m_nNormalColor;
    int m_nSatColorIndex;
    int m_nMarkedColorIndex;
    int m_nOuterVLine;        // line kinds
    int m_nOuterHLine;
    int m_nInnerVLine;
    int m_nInnerHLine;
    int m_nHeadLine;
    int m_bNoHatch;           // no number boxes in the cells
    int m_nYearSize;          // font sizes in tenths of a point
    int m_nMonthSize1;
    int m_nMonthSize2;
    int m_nWeekSize;
    int m_nDaySize;
    CString m_strFace;        // one face for every text
    CPoint m_ptYearTitle;     // title offsets from the corner, 0.1 mm
    CPoint m_ptMonthTitle1;
    CPoint m_ptMonthTitle2;
    int m_nTitleAlign;        // TITLE_BOTTOM or top-left
    // Day keys (the day, or (month << 16) | day in a yearly calendar) drawn
    // in the normal colour, and in the marked colour; the normal list wins.
    CDWordArray m_arNormalDays;
    CDWordArray m_arMarkedDays;
    CString m_strDesignBitmap;    // the temporary bitmap, not stored

protected:
    // Stores the text, 0 when it is empty.
    int StorePeriodText(const CString& strText);
    // The settings both sheets share into their pages (page 2 holds the
    // days under the field's date), and back from them after OK, without
    // the enable flags.
    void FillPages(CCalndPropPage1& page1, CCalndPropPage2& page2) const;
    void TakePages(const CCalndPropPage1& page1, const CCalndPropPage2& page2);
    // The layout-mode picture object on pHost; null when it cannot be made.
    CWnd* CreateDesignPicture(CWnd* pHost);

    CWnd* m_pCalndWnd = nullptr;      // owned: the display window
    CWnd* m_pDesignWnd = nullptr;     // owned: the layout-mode picture

    UINT m_nCalndVersion;

private:
    void InitCalendarMembers();
    void ValidateLoaded();
};

class MIRT_API CNPropObjCalndStd : public CNPropObjCalnd
{
    DECLARE_SERIAL(CNPropObjCalndStd)
public:
    CNPropObjCalndStd();
    CNPropObjCalndStd(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The calendar record, version, month. A month of 0 loads as the
    // current month, one outside 1..12 as the current month as well.
    void Serialize(CArchive& ar) override;
    // Year from the first four characters, month from the last two; each
    // kept when the text does not give a valid one.
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    void InitDefaults() override;
    // The calendar copy, then the month; the copy takes its period.
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;
    // The settings sheet; after OK the field takes its values, shows the
    // new period and the face is repainted. 1.
    int Activate() override;
    // The month grid over the field's device rectangle with its titles; 0
    // for a month outside 1..12.
    int DrawCalendar(CDC* pDC, int nMode, int x, int y) override;
    // "%Y/%m" of the year and month.
    CString GetPeriodText() override;

    int m_nMonth;

protected:
    UINT m_nStdVersion;
};

class MIRT_API CNPropObjCalndYear : public CNPropObjCalnd
{
    DECLARE_SERIAL(CNPropObjCalndYear)
public:
    enum { MONTHS = 12 };

    CNPropObjCalndYear();
    CNPropObjCalndYear(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The calendar record, version, year title colour, month blocks.
    void Serialize(CArchive& ar) override;
    // The year from the text's decimal value, kept when there is none.
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    void InitDefaults() override;
    // The calendar copy, then the year title colour and the blocks.
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;
    // The settings sheet, as the monthly calendar's. 1.
    int Activate() override;
    // The year title, then each month in its block; 0 unless there are
    // exactly twelve blocks.
    int DrawCalendar(CDC* pDC, int nMode, int x, int y) override;

    int m_nYearTitleColor;
    // Month blocks January..December, 0.1 mm from the field's corner; empty
    // blocks are skipped.
    CArrayBase<CRect, const CRect&> m_arBlocks;

protected:
    UINT m_nYearVersion;
};

#pragma pack(pop)
