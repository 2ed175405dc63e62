// Drawing of the calendar fields: the month grid recorded in an enhanced
// metafile (texts with their colours, lines) at two zooms, day colours read
// from the pixels of a memory canvas, the yearly calendar, a PNG to look at
// and a page printed to the PDF printer.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "afxseam.h"
#include "canvas.h"
#include "field_fixture.h"
#include "npropobjcalnd.h"
#include "pdf_printer.h"
#include "png_file.h"

namespace {

struct Text
{
    int x;
    int y;
    std::string text;
    COLORREF color;
};

struct Segment
{
    int x1, y1, x2, y2;
    bool Horizontal() const { return y1 == y2; }
};

// What a recording holds: the texts with their colours and the lines.
struct Drawing
{
    std::vector<Text> texts;
    std::vector<Segment> lines;

    const Text* Find(const std::string& text) const
    {
        for (const Text& t : texts) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }
    std::vector<Segment> Horizontals() const
    {
        std::vector<Segment> result;
        for (const Segment& s : lines) {
            if (s.Horizontal())
                result.push_back(s);
        }
        return result;
    }
};

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    struct State
    {
        Drawing* pDrawing;
        POINT at;
        COLORREF color;
    };
    State& state = *reinterpret_cast<State*>(lParam);
    switch (pRecord->iType) {
    case EMR_SETTEXTCOLOR:
        state.color = reinterpret_cast<const EMRSETTEXTCOLOR*>(pRecord)->crColor;
        break;
    case EMR_MOVETOEX: {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(pRecord)->ptl;
        state.at = {p.x, p.y};
        break;
    }
    case EMR_LINETO: {
        const POINTL& p = reinterpret_cast<const EMRLINETO*>(pRecord)->ptl;
        state.pDrawing->lines.push_back({state.at.x, state.at.y, p.x, p.y});
        state.at = {p.x, p.y};
        break;
    }
    case EMR_EXTTEXTOUTW:
    case EMR_EXTTEXTOUTA: {
        const EMRTEXT& t = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord)->emrtext;
        const BYTE* pChars = reinterpret_cast<const BYTE*>(pRecord) + t.offString;
        std::string text;
        if (pRecord->iType == EMR_EXTTEXTOUTA) {
            text.assign(reinterpret_cast<const char*>(pChars), t.nChars);
        } else {
            char buffer[256] = {};
            ::WideCharToMultiByte(932, 0, reinterpret_cast<LPCWSTR>(pChars), static_cast<int>(t.nChars), buffer,
                sizeof buffer - 1, nullptr, nullptr);
            text = buffer;
        }
        if (!text.empty())
            state.pDrawing->texts.push_back({t.ptlReference.x, t.ptlReference.y, text, state.color});
        break;
    }
    default:
        break;
    }
    return 1;
}

// The field drawn on a metafile; pnResult gets Draw's answer.
Drawing Record(CNPropObj& field, int* pnResult = nullptr)
{
    MetafileRecorder recorder;
    int nResult;
    {
        CBorrowedDC dc(recorder.dc(), recorder.dc(), FALSE);
        nResult = field.Draw(&dc, 1);
    }
    recorder.close();
    if (pnResult != nullptr)
        *pnResult = nResult;
    Drawing drawing;
    struct
    {
        Drawing* pDrawing;
        POINT at;
        COLORREF color;
    } state = {&drawing, {0, 0}, 0};
    ::EnumEnhMetaFile(nullptr, recorder.metafile(), CollectRecord, &state, nullptr);
    return drawing;
}

// A monthly calendar of 70 mm by 56 mm at 10 mm, 10 mm: 264 by 211 pixels
// on the screen at 100 %.
class CalendarDrawTest : public ::testing::Test
{
protected:
    CalendarDrawTest() : m_field(MakeBlock(1, {100, 100, 800, 660}), CNPropObjCtrl::STYLE_DEFAULT, 0)
    {
        m_field.m_pOwner = &m_form;
        m_field.m_nYear = 2024;
        m_field.m_nMonth = 5;
        m_field.m_strFace = "Arial";
    }

    // Where a day's cell lies with the week starting on Sunday.
    RECT DayCell(int nDay, int nFirstWeekday) const
    {
        const RECT r = Device();
        const int nIndex = nDay + nFirstWeekday - 2;
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        const int c = nIndex % 7;
        const int row = nIndex / 7 + 1;
        return {r.left + c * w / 7 + 2, r.top + row * h / 7 + 2, r.left + (c + 1) * w / 7 - 1,
            r.top + (row + 1) * h / 7 - 1};
    }
    RECT Device() const
    {
        RECT r = m_field.m_rect;
        CNPropObj::ConvertRectUnits(nullptr, &r, TRUE);
        return r;
    }

    CTestFormWnd m_form;
    CNPropObjCalndStd m_field;
};

// Pixels of exactly this colour in the rectangle.
int CountColor(const MemoryCanvas& canvas, const RECT& area, COLORREF color)
{
    int nCount = 0;
    for (int y = area.top; y < area.bottom; y++) {
        for (int x = area.left; x < area.right; x++)
            nCount += canvas.pixel(x, y) == color ? 1 : 0;
    }
    return nCount;
}

TEST_F(CalendarDrawTest, WeekdayNamesAndDaysInTheirColumns)
{
    m_field.m_bSatColor = TRUE;
    int nResult = 0;
    const Drawing drawing = Record(m_field, &nResult);
    EXPECT_EQ(1, nResult);
    const RECT r = Device();
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    // Names centred in their columns on the baseline at an eighth.
    const char* const names[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    const COLORREF colors[] = {0x0000FF, 0, 0, 0, 0, 0, 0x800000};
    for (int k = 0; k < 7; k++) {
        const Text* pName = drawing.Find(names[k]);
        ASSERT_NE(nullptr, pName) << names[k];
        EXPECT_EQ(r.left + (2 * k + 1) * w / 14, pName->x) << names[k];
        EXPECT_EQ(r.top + h / 8, pName->y) << names[k];
        EXPECT_EQ(colors[k], pName->color) << names[k];
    }
    // 1 May 2024 is a Wednesday; the 31st is a Friday in the fifth week.
    const Text* pFirst = drawing.Find("1");
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(static_cast<int>(r.left + 3.05 * w / 7), pFirst->x);
    EXPECT_EQ(static_cast<int>(r.top + 1.01 * h / 7), pFirst->y);
    const Text* pLast = drawing.Find("31");
    ASSERT_NE(nullptr, pLast);
    EXPECT_EQ(static_cast<int>(r.left + 5.05 * w / 7), pLast->x);
    EXPECT_EQ(static_cast<int>(r.top + 5.01 * h / 7), pLast->y);
    EXPECT_EQ(7u + 31u + 2u, drawing.texts.size());  // and the month and year titles
}

// Holidays by the rules of today, both day lists, Saturdays.
TEST_F(CalendarDrawTest, DayColoursInTheRecording)
{
    m_field.m_bSatColor = TRUE;
    m_field.m_bMarkedColor = TRUE;
    m_field.m_arMarkedDays.Add(20);
    m_field.m_arMarkedDays.Add(6);
    m_field.m_arNormalDays.Add(6);
    const Drawing drawing = Record(m_field);
    struct Case
    {
        const char* pszDay;
        COLORREF color;
    } cases[] = {
        {"3", 0x0000FF}, {"4", 0x0000FF}, {"5", 0x0000FF}, {"6", 0x000000},  // 6: both lists, normal wins
        {"7", 0x000000}, {"11", 0x800000}, {"12", 0x0000FF}, {"20", 0x800080}, {"29", 0x000000},
    };
    for (const Case& c : cases) {
        const Text* pDay = drawing.Find(c.pszDay);
        ASSERT_NE(nullptr, pDay) << c.pszDay;
        EXPECT_EQ(c.color, pDay->color) << c.pszDay;
    }
    // Without its own colour a marked day takes the holiday colour.
    m_field.m_bMarkedColor = FALSE;
    EXPECT_EQ(0x0000FFu, Record(m_field).Find("20")->color);
}

TEST_F(CalendarDrawTest, DayColoursInThePixels)
{
    m_field.m_bSatColor = TRUE;
    m_field.m_bMarkedColor = TRUE;
    m_field.m_arMarkedDays.Add(21);
    m_field.m_nDaySize = 200;
    const RECT r = Device();
    MemoryCanvas canvas(r.right + 10, r.bottom + 10);
    {
        CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
        EXPECT_EQ(1, m_field.Draw(&dc, 1));
    }
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF navy = RGB(0, 0, 128);
    const COLORREF purple = RGB(128, 0, 128);
    const COLORREF black = RGB(0, 0, 0);
    struct Case
    {
        int nDay;
        COLORREF ink;
    } cases[] = {{3, red}, {6, red}, {7, black}, {11, navy}, {12, red}, {21, purple}, {22, black}};
    for (const Case& c : cases) {
        RECT cell = DayCell(c.nDay, 4);
        cell.top += 1;
        cell.left += 1;
        EXPECT_GT(CountColor(canvas, cell, c.ink), 5) << c.nDay;
        for (COLORREF other : {red, navy, purple}) {
            if (other != c.ink) {
                EXPECT_EQ(0, CountColor(canvas, cell, other)) << c.nDay << " " << other;
            }
        }
    }
}

// The drawing computes what it needs and leaves the field as it was.
TEST_F(CalendarDrawTest, DrawingLeavesTheFieldAlone)
{
    m_field.m_bMarkedColor = FALSE;
    m_field.m_nNumberPos = CNPropObjCalnd::NUMBER_CENTER;
    m_field.m_bNoHatch = FALSE;
    const std::string before = Store(m_field);
    Record(m_field);
    EXPECT_EQ(before, Store(m_field));
    EXPECT_EQ(5, m_field.m_nMarkedColorIndex);
    EXPECT_FALSE(m_field.m_bNoHatch);
}

// The drawing at 200 % is the one at 100 % twice as large, within a
// pixel of rounding either way.
void ExpectTwiceAsLarge(const Drawing& single, const Drawing& twice)
{
    ASSERT_EQ(single.lines.size(), twice.lines.size());
    ASSERT_EQ(single.texts.size(), twice.texts.size());
    for (size_t i = 0; i < single.lines.size(); i++) {
        const Segment& a = single.lines[i];
        const Segment& b = twice.lines[i];
        EXPECT_NEAR(2 * a.x1, b.x1, 2) << i;
        EXPECT_NEAR(2 * a.y1, b.y1, 2) << i;
        EXPECT_NEAR(2 * a.x2, b.x2, 2) << i;
        EXPECT_NEAR(2 * a.y2, b.y2, 2) << i;
    }
    for (size_t i = 0; i < single.texts.size(); i++) {
        EXPECT_EQ(single.texts[i].text, twice.texts[i].text);
        EXPECT_NEAR(2 * single.texts[i].x, twice.texts[i].x, 2) << single.texts[i].text;
        EXPECT_NEAR(2 * single.texts[i].y, twice.texts[i].y, 2) << single.texts[i].text;
    }
}

TEST_F(CalendarDrawTest, TwoZoomsSameGrid)
{
    m_field.m_nOuterHLine = CNPropObjCalnd::LINE_WIDE;
    m_field.m_nInnerVLine = CNPropObjCalnd::LINE_DOTTED;
    m_field.m_bNoHatch = FALSE;
    m_form.SetPercent(100);
    const Drawing single = Record(m_field);
    // 8 verticals, 7 horizontals (5 week rows), 7 x 5 boxes of two strokes.
    EXPECT_EQ(8u + 7u + 70u, single.lines.size());
    m_form.SetPercent(200);
    ExpectTwiceAsLarge(single, Record(m_field));
}

// With a Monday start the 1st of a month that begins on a Sunday stands in
// the last column; a month ending on a Sunday gets no empty row.
TEST_F(CalendarDrawTest, MondayStart)
{
    m_field.m_nWeekStart = CNPropObjCalnd::WEEK_MONDAY;
    const RECT r = Device();
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    m_field.m_nMonth = 9;  // 1 September 2024: Sunday
    Drawing drawing = Record(m_field);
    ASSERT_NE(nullptr, drawing.Find("1"));
    EXPECT_EQ(static_cast<int>(r.left + 6.05 * w / 7), drawing.Find("1")->x);
    EXPECT_EQ(static_cast<int>(r.left + 0.05 * w / 7), drawing.Find("2")->x);
    EXPECT_EQ(static_cast<int>(r.top + 2.01 * h / 7), drawing.Find("2")->y);
    EXPECT_EQ(r.left + 13 * w / 14, drawing.Find("SUN")->x);
    EXPECT_EQ(r.left + 11 * w / 14, drawing.Find("SAT")->x);

    struct Case
    {
        int nMonth;
        int nWeekStart;
        int nRows;
    } cases[] = {
        {3, CNPropObjCalnd::WEEK_MONDAY, 5},   // March 2024 ends on a Sunday
        {3, CNPropObjCalnd::WEEK_SUNDAY, 6},   // ... alone in its row
        {9, CNPropObjCalnd::WEEK_MONDAY, 6},
        {2, CNPropObjCalnd::WEEK_SUNDAY, 5},
    };
    for (const Case& c : cases) {
        m_field.m_nMonth = c.nMonth;
        m_field.m_nWeekStart = c.nWeekStart;
        const std::vector<Segment> rows = Record(m_field).Horizontals();
        ASSERT_EQ(static_cast<size_t>(c.nRows + 2), rows.size()) << c.nMonth << " " << c.nWeekStart;
        EXPECT_EQ(r.top + (c.nRows + 1) * h / 7, rows.back().y1) << c.nMonth << " " << c.nWeekStart;
    }
}

// Values out of range draw nothing of their part and never crash.
TEST_F(CalendarDrawTest, OutOfRangeValuesDrawNothing)
{
    m_field.m_nWeekStyle = 9;
    m_field.m_nMonthStyle1 = -3;
    Drawing drawing = Record(m_field);
    EXPECT_EQ(nullptr, drawing.Find("SUN"));
    EXPECT_EQ(31u + 1u, drawing.texts.size());  // the days and the year
    for (int nMonth : {0, 13, -1, 0x7FFFFFFF}) {
        m_field.m_nMonth = nMonth;
        int nResult = -1;
        drawing = Record(m_field, &nResult);
        EXPECT_EQ(0, nResult) << nMonth;
        EXPECT_TRUE(drawing.texts.empty()) << nMonth;
        EXPECT_TRUE(drawing.lines.empty()) << nMonth;
    }
}

TEST_F(CalendarDrawTest, HiddenFieldDrawsNothing)
{
    m_field.m_dwFlags = CNPropObj::FLAG_HIDDEN;
    int nResult = -1;
    const Drawing drawing = Record(m_field, &nResult);
    EXPECT_EQ(0, nResult);
    EXPECT_TRUE(drawing.texts.empty());
}

// On paper the field passes the drawing gate: not when it is not printed,
// on a printer not when attribute 1 says never, or says blank paper only
// while the form prints on pre-printed paper; a preview shows it.
TEST_F(CalendarDrawTest, PrintingGate)
{
    struct Case
    {
        const char* name;
        DWORD dwFlags;
        DWORD dwPrint;
        UINT nPrintPaper;
        BOOL bPreview;
        int nResult;
    } cases[] = {
        {"printed", 0, 1, 0, FALSE, 1},
        {"not printed", CNPropObj::FLAG_NOPRINT, 1, 0, FALSE, 0},
        {"never on a printer", 0, 2, 1, FALSE, 0},
        {"never, previewed", 0, 2, 0, TRUE, 1},
        {"blank paper only", 0, 0, 0, FALSE, 0},
        {"blank paper", 0, 0, 1, FALSE, 1},
    };
    const RECT r = Device();
    for (const Case& c : cases) {
        m_field.m_dwFlags = c.dwFlags;
        m_field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, c.dwPrint);
        m_form.SetPrintPaper(c.nPrintPaper);
        MemoryCanvas canvas(r.right + 10, r.bottom + 10);
        MemoryCanvas attributes(16, 16);
        int nResult = -1;
        {
            const std::unique_ptr<CDC> dc = BorrowDC(canvas.dc(), c.bPreview ? attributes.dc() : canvas.dc(), TRUE);
            nResult = m_field.Draw(dc.get(), 0);
        }
        EXPECT_EQ(c.nResult, nResult) << c.name;
        EXPECT_EQ(c.nResult != 0, canvas.countInked({0, 0, canvas.width(), canvas.height()}) > 0) << c.name;
    }
}

TEST_F(CalendarDrawTest, TitlesAtTheirOffsets)
{
    m_field.m_bMonthTitle2 = TRUE;
    m_field.m_nMonthStyle2 = 3;
    m_field.m_bYearSuffix = TRUE;
    m_field.m_ptYearTitle = CPoint(0, -100);
    m_field.m_ptMonthTitle1 = CPoint(300, -100);
    m_field.m_ptMonthTitle2 = CPoint(500, -100);
    m_field.m_nTitleColor = 2;
    const RECT r = Device();
    const Drawing drawing = Record(m_field);
    struct Case
    {
        const char* pszText;
        int x;
    } cases[] = {{"2024年", 0}, {"May", 113}, {"皐 月", 189}};
    for (const Case& c : cases) {
        const Text* pTitle = drawing.Find(c.pszText);
        ASSERT_NE(nullptr, pTitle) << c.pszText;
        EXPECT_EQ(r.left + c.x, pTitle->x) << c.pszText;
        EXPECT_EQ(r.top - 37, pTitle->y) << c.pszText;
        EXPECT_EQ(0x008000u, pTitle->color) << c.pszText;
    }
}

// A yearly calendar of 2026 in four rows of three months.
class YearCalendar : public CNPropObjCalndYear
{
public:
    explicit YearCalendar(CMirtBase* pOwner)
        : CNPropObjCalndYear(MakeBlock(1, {50, 50, 2050, 2850}), STYLE_DEFAULT, 0)
    {
        m_pOwner = pOwner;
        m_nYear = 2026;
        m_bYearSuffix = TRUE;
        m_nYearSize = 300;
        m_nMonthStyle1 = 2;
        m_nYearTitleColor = 12;
        m_strFace = "Arial";
        m_bSatColor = TRUE;
        for (int m = 0; m < MONTHS; m++) {
            const LONG x = 50 + (m % 3) * 660;
            const LONG y = 250 + (m / 3) * 640;
            m_arBlocks[m] = CRect(x, y, x + 600, y + 560);
        }
        m_ptMonthTitle1 = CPoint(0, -60);
    }
};

TEST(CalendarYearDrawTest, TwelveMonthsInTheirBlocks)
{
    CTestFormWnd form;
    YearCalendar year(&form);
    int nResult = 0;
    Drawing drawing = Record(year, &nResult);
    EXPECT_EQ(1, nResult);
    ASSERT_NE(nullptr, drawing.Find("2026年"));
    EXPECT_EQ(0xFF0000u, drawing.Find("2026年")->color);
    for (int m = 1; m <= 12; m++)
        EXPECT_NE(nullptr, drawing.Find(std::to_string(m) + "月")) << m;
    size_t nDays = 0;
    for (const Text& t : drawing.texts)
        nDays += std::atoi(t.text.c_str()) > 0 && t.text.find("月") == std::string::npos ? 1 : 0;
    EXPECT_EQ(365u, nDays - 1);  // and the year

    // A day key of the yearly lists names its month.
    year.m_arNormalDays.Add((5u << 16) | 4);
    year.m_bMarkedColor = TRUE;
    year.m_arMarkedDays.Add((9u << 16) | 1);
    drawing = Record(year);
    std::vector<COLORREF> fours;
    std::vector<COLORREF> ones;
    for (const Text& t : drawing.texts) {
        if (t.text == "4")
            fours.push_back(t.color);
        if (t.text == "1")
            ones.push_back(t.color);
    }
    ASSERT_EQ(12u, fours.size());
    EXPECT_EQ(0u, fours[4]);           // 4 May: normal by the list
    EXPECT_EQ(0x800000u, fours[3]);    // 4 April: a Saturday
    ASSERT_EQ(12u, ones.size());
    EXPECT_EQ(0x800080u, ones[8]);     // 1 September: marked
    EXPECT_EQ(0x0000FFu, ones[0]);     // New Year's Day

    // An empty block is skipped; without twelve blocks no month is drawn.
    year.m_arBlocks[1] = CRect(100, 100, 100, 300);
    drawing = Record(year, &nResult);
    EXPECT_EQ(1, nResult);
    EXPECT_EQ(nullptr, drawing.Find("2月"));
    year.m_arBlocks.SetSize(11);
    drawing = Record(year, &nResult);
    EXPECT_EQ(0, nResult);
    ASSERT_EQ(1u, drawing.texts.size());
    EXPECT_EQ("2026年", drawing.texts[0].text);
}

TEST(CalendarYearDrawTest, TwoZoomsSameGrid)
{
    CTestFormWnd form;
    YearCalendar year(&form);
    year.m_ptYearTitle = CPoint(40, 30);
    const Drawing single = Record(year);
    EXPECT_EQ(12u * 8u, single.lines.size() - single.Horizontals().size());
    form.SetPercent(200);
    ExpectTwiceAsLarge(single, Record(year));
}

// Extreme values, as a damaged file may bring them, draw without a fault.
TEST(CalendarExtremesTest, ExtremeValuesDraw)
{
    CTestFormWnd form;
    form.SetPercent(400);
    const LONG nFar = 100000000;
    CNPropObjCalndStd month(MakeBlock(1, {-nFar, -nFar, nFar, nFar}), CNPropObjCtrl::STYLE_DEFAULT, 0);
    YearCalendar year(&form);
    for (CNPropObjCalnd* pField : {static_cast<CNPropObjCalnd*>(&month), static_cast<CNPropObjCalnd*>(&year)}) {
        pField->m_pOwner = &form;
        pField->m_nYear = INT_MAX;
        for (int* pSize : {&pField->m_nYearSize, &pField->m_nMonthSize1, &pField->m_nWeekSize, &pField->m_nDaySize})
            *pSize = INT_MAX;
        pField->m_nMonthSize2 = INT_MIN;
        pField->m_bMonthTitle2 = TRUE;
        pField->m_ptYearTitle = CPoint(INT_MIN, INT_MAX);
        pField->m_ptMonthTitle1 = CPoint(INT_MAX, INT_MIN);
        pField->m_bNoHatch = FALSE;
    }
    month.m_nMonth = 2;
    year.m_arBlocks[0] = CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    year.m_arBlocks[1] = CRect(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    int nResult = -1;
    EXPECT_FALSE(Record(month, &nResult).texts.empty());
    EXPECT_EQ(1, nResult);
    EXPECT_FALSE(Record(year, &nResult).texts.empty());
    EXPECT_EQ(1, nResult);
    year.m_nYear = INT_MIN;
    EXPECT_FALSE(Record(year, &nResult).texts.empty());
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program = path;
    return program.substr(0, program.rfind('\\'));
}

// The yearly calendar of 2026 into <tests>\calendar-2026.png for looking at.
TEST(CalendarYearDrawTest, RendersToPng)
{
    CTestFormWnd form;
    YearCalendar year(&form);
    year.m_bNoHatch = FALSE;
    year.m_nInnerVLine = CNPropObjCalnd::LINE_DOTTED;
    RECT r = year.m_rect;
    CNPropObj::ConvertRectUnits(nullptr, &r, TRUE);
    MemoryCanvas canvas(r.right + 20, r.bottom + 20);
    {
        CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
        EXPECT_EQ(1, year.Draw(&dc, 1));
    }
    EXPECT_GT(canvas.countInked(r), 1000);
    const std::string path = ProgramFolder() + "\\calendar-2026.png";
    EXPECT_TRUE(SavePng(canvas, path)) << path;
}

// A month printed on paper: the grid's outer verticals at the field's left
// and right edges, 20 mm and 160 mm.
TEST(CalendarPrintTest, MonthLandsAtItsPlaceOnPaper)
{
    CTestFormWnd form;
    form.SetPrintPaper(1);
    CNPropObjCalndStd month(MakeBlock(1, {200, 200, 1600, 1200}), CNPropObjCtrl::STYLE_DEFAULT, 0);
    month.m_pOwner = &form;
    month.m_nYear = 2024;
    month.m_nMonth = 5;
    month.m_nOuterVLine = CNPropObjCalnd::LINE_WIDE;

    PdfPrintJob job("calendar");
    ASSERT_TRUE(job.started());
    int nResult = 0;
    {
        CBorrowedDC dc(job.dc(), job.dc(), TRUE);
        nResult = month.Draw(&dc, 0);
    }
    EXPECT_EQ(1, nResult);
    const std::string pdf = job.finish();
    ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";
    const int kDpi = 200;
    const GrayImage image = RasterizePdf(pdf, kDpi);
    ::DeleteFileA(pdf.c_str());
    ASSERT_GT(image.width, 0);
    const double dPixelsPerMm = kDpi / 25.4;
    // A band of rows inside the weeks, 60 mm to 70 mm down: the columns
    // dark over the whole band, neighbouring ones taken as one line.
    const int nTop = static_cast<int>(60 * dPixelsPerMm);
    const int nBottom = static_cast<int>(70 * dPixelsPerMm);
    std::vector<double> lines;
    int nLastInked = -10;
    for (int x = 0; x < image.width; x++) {
        int nDark = 0;
        for (int y = nTop; y < nBottom; y++)
            nDark += image.at(x, y) < 128 ? 1 : 0;
        if (nDark < 0.9 * (nBottom - nTop))
            continue;
        if (x > nLastInked + 2)
            lines.push_back(x / dPixelsPerMm);
        nLastInked = x;
    }
    ASSERT_EQ(8u, lines.size());
    // The PDF printer's page is scaled by a few tenths of a percent.
    EXPECT_NEAR(20.0, lines.front(), 0.5);
    EXPECT_NEAR(140.0, lines.back() - lines.front(), 1.0);
    for (size_t i = 1; i < lines.size(); i++)
        EXPECT_NEAR((lines.back() - lines.front()) / 7, lines[i] - lines[i - 1], 0.3) << i;
}

}  // namespace
