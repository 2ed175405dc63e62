// CCalendarPainter: draws the parts of a calendar field on a device
// context at the owner's zoom: month grids (weekday names, day numbers
// coloured by the holidays and the field's day lists, ruled lines and
// number boxes) and title texts. It reads the field and never changes it.
#pragma once
#include "npropobjcalnd.h"

class CCalendarPainter
{
public:
    CCalendarPainter(CNPropObjCalnd& field, CDC* pDC);
    ~CCalendarPainter();
    CCalendarPainter(const CCalendarPainter&) = delete;
    CCalendarPainter& operator=(const CCalendarPainter&) = delete;

    // A frame at x, y of w by h device units, held within the int range.
    static RECT Frame(long long x, long long y, long long w, long long h);
    // One month in frame (device units). Day keys are dwKeyMonth | day.
    // FALSE when a font could not be made or the month is not 1..12.
    BOOL DrawMonth(int nYear, int nMonth, DWORD dwKeyMonth, const RECT& frame);
    // A title text in a title font of nSize tenths of a point at origin
    // moved by offset (0.1 mm); bScaleFirst scales the offset by the zoom
    // before converting it, else after. An empty text draws nothing.
    BOOL DrawTitle(const CString& strText, int nSize, CPoint offset, CPoint origin, COLORREF crText,
        UINT nAlign, BOOL bScaleFirst);
    // Month title items 1 and 2 of nMonth, those that are on, at origin
    // moved by their offsets, in the title colour and alignment.
    BOOL DrawMonthTitles(int nMonth, CPoint origin);
    // The year in decimal, with "年" when the field asks for it.
    CString YearTitle() const;
    // A length in 0.1 mm on the device at the zoom.
    int ToDevice(int nLength) const;
    CPoint OffsetToDevice(CPoint offset, BOOL bScaleFirst) const;
    // The text alignment of the month titles.
    UINT TitleAlign() const;

private:
    struct Month;

    // A font of nPoints with the field's face.
    BOOL MakeFont(CFont& font, long long nPoints) const;
    BOOL MakeSizedFont(CFont& font, int nSize) const;
    void DrawWeekdayNames(const Month& month);
    // The day numbers; the number of rows used, counted as the lines need it.
    int DrawDays(const Month& month);
    void DrawLines(const Month& month, int nRows);
    void DrawBoxes(const Month& month, int nRows);
    // A line of a kind; bInner: inner kinds (dotted for LINE_DOTTED).
    void DrawLine(int nKind, BOOL bInner, int x1, int y1, int x2, int y2);
    COLORREF DayColor(int nYear, int nMonth, int nDay, int nWeekday, DWORD dwKey) const;
    int Column(int nWeekday) const;
    int Scale(long long nValue) const;

    CNPropObjCalnd& m_field;
    CDC* m_pDC;
    int m_nPercent;
    int m_nSavedDC;
};
