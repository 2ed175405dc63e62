// Calendar fields: stored records (schema 2) with golden bytes, the loading
// of year 0, month 0 and values out of range, the period text, copies and
// the fields' virtual slots.
#include <gtest/gtest.h>

#include "afxseam.h"
#include "canvas.h"
#include "field_fixture.h"
#include "field_slots.h"
#include "modal_script.h"
#include "npropobjcalnd.h"

namespace {

std::string Dwords(std::initializer_list<DWORD> values)
{
    std::string bytes;
    for (DWORD value : values) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((value >> shift) & 0xFF);
    }
    return bytes;
}

// The field and control parts of a default field of own version 1.
const std::string kCtrlPart = Dwords({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}) + Bytes({0x00, 0x00}) +
                              Dwords({3}) + Bytes({0x00, 0x00}) + Dwords({1, 0x54000000, 0});

// "ＭＳ Ｐゴシック" as a stored string.
const std::string kDefaultFace =
    Bytes({15, 0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E});

// Version, the 30 values of a calendar of `year`, face, offsets, alignment
// and two empty day lists.
std::string CalendarPart(DWORD year)
{
    return Dwords({1, year, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 4, 5, 0, 0, 0, 0, 0, 1, 160, 140, 140, 100,
               100}) +
           kDefaultFace + Dwords({0, 0, 0, 0, 0, 0, 0}) + Bytes({0, 0, 0, 0});
}

// Twelve empty month blocks.
const std::string kEmptyBlocks = Bytes({12, 0}) + std::string(12 * 16, '\0');

class CalendarFieldTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SYSTEMTIME day = {};
        day.wYear = 2024;
        day.wMonth = 5;
        day.wDay = 15;
        day.wHour = 10;
        AfxSetFixedLocalTime(&day);
    }
    void TearDown() override { AfxSetFixedLocalTime(nullptr); }
};

TEST_F(CalendarFieldTest, DefaultRecordsInAListWithClass)
{
    ExpectListRoundTrip<CNPropObjCalndStd>("CNPropObjCalndStd", kCtrlPart + CalendarPart(2024) + Dwords({1, 5}), 2);
    ExpectListRoundTrip<CNPropObjCalndYear>("CNPropObjCalndYear",
        kCtrlPart + CalendarPart(2024) + Dwords({1, 0}) + kEmptyBlocks, 2);
}

// A record of another schema is refused cleanly.
TEST_F(CalendarFieldTest, OtherSchemaIsRefused)
{
    std::string golden = ClassHeader("CNPropObjCalndStd", 2) + kCtrlPart + CalendarPart(2024) + Dwords({1, 5});
    golden[4] = 0x01;
    CObList loaded;
    EXPECT_EQ(CArchiveException::badSchema, LoadFailureWith(golden, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(0, loaded.GetCount());
}

// Every member with its own value, stored and loaded back.
TEST_F(CalendarFieldTest, FilledRecordKeepsEveryMember)
{
    CNPropObjCalndYear field;
    int* const values[] = {&field.m_nYear, &field.m_nWeekStart, &field.m_bGrid, &field.m_bYearTitle,
        &field.m_bMonthTitle1, &field.m_bMonthTitle2, &field.m_bYearSuffix, &field.m_nWeekStyle,
        &field.m_nMonthStyle1, &field.m_nMonthStyle2, &field.m_nNumberPos, &field.m_bSatColor, &field.m_bMarkedColor,
        &field.m_nTitleColor, &field.m_nLineColor, &field.m_nHolidayColor, &field.m_nNormalColor,
        &field.m_nSatColorIndex, &field.m_nMarkedColorIndex, &field.m_nOuterVLine, &field.m_nOuterHLine,
        &field.m_nInnerVLine, &field.m_nInnerHLine, &field.m_nHeadLine, &field.m_bNoHatch, &field.m_nYearSize,
        &field.m_nMonthSize1, &field.m_nMonthSize2, &field.m_nWeekSize, &field.m_nDaySize};
    // Distinct values; the week start and the styles within their ranges.
    std::string storedValues = Dwords({1});
    for (int i = 0; i < 30; i++) {
        *values[i] = i == 1 ? 1 : 1990 + i;
        storedValues += Dwords({static_cast<DWORD>(*values[i])});
    }
    field.m_nWeekStyle = 3;
    field.m_nMonthStyle1 = 2;
    field.m_nMonthStyle2 = 1;
    storedValues.replace(4 + 4 * 7, 12, Dwords({3, 2, 1}));
    field.m_strFace = "Arial";
    field.m_ptYearTitle = CPoint(1, 2);
    field.m_ptMonthTitle1 = CPoint(3, 4);
    field.m_ptMonthTitle2 = CPoint(-5, 6);
    field.m_nTitleAlign = 1;
    field.m_arNormalDays.Add(0x50003);
    field.m_arMarkedDays.Add(0x10002);
    field.m_arMarkedDays.Add(0xC0019);
    field.m_nYearTitleColor = 0x123456;
    field.m_arBlocks[11] = CRect(10, 20, 300, 400);

    const std::string golden =
        kCtrlPart + storedValues + Bytes({5}) + "Arial" + Dwords({1, 2, 3, 4, static_cast<DWORD>(-5), 6, 1}) + Bytes({1, 0}) +
        Dwords({0x50003}) + Bytes({2, 0}) + Dwords({0x10002, 0xC0019}) + Dwords({1, 0x123456}) + Bytes({12, 0}) +
        std::string(11 * 16, '\0') + Dwords({10, 20, 300, 400});
    CNPropObjCalndYear loaded;
    ExpectRoundTrip(field, loaded, golden);
    EXPECT_EQ(3, loaded.m_nWeekStyle);
    EXPECT_EQ(2, loaded.m_nMonthStyle1);
    EXPECT_EQ(CPoint(-5, 6), loaded.m_ptMonthTitle2);
    EXPECT_TRUE(CNPropObjCalnd::HasDay(loaded.m_arMarkedDays, 0xC0019));
    EXPECT_EQ(CRect(10, 20, 300, 400), loaded.m_arBlocks[11]);
}

// Year 0 and month 0 show the period of the day the record is read.
TEST_F(CalendarFieldTest, YearAndMonthZeroLoadAsToday)
{
    const std::string bytes = kCtrlPart + CalendarPart(0) + Dwords({1, 0});
    AfxSetFixedLocalTime(nullptr);
    CNPropObjCalndStd stored;
    stored.m_nYear = 1999;
    stored.m_nMonth = 1;
    SYSTEMTIME day = {};
    day.wYear = 2031;
    day.wMonth = 11;
    day.wDay = 2;
    AfxSetFixedLocalTime(&day);
    Load(stored, bytes);
    EXPECT_EQ(2031, stored.m_nYear);
    EXPECT_EQ(11, stored.m_nMonth);
    EXPECT_EQ(kCtrlPart + CalendarPart(2031) + Dwords({1, 11}), Store(stored));
}

// The record with value nValue (of the 30) replaced by dwValue.
std::string WithValue(std::string bytes, size_t nValue, DWORD dwValue)
{
    return bytes.replace(kCtrlPart.size() + 4 + 4 * nValue, 4, Dwords({dwValue}));
}

// Month and style values that index the name tables load as defaults
// when out of range; font sizes (tenths of a point) are held to 0 .. 10000,
// the fonts of a text field; other values are kept as they are.
TEST_F(CalendarFieldTest, ValuesOutOfRangeLoadAsDefaults)
{
    struct Case
    {
        size_t nValue;     // index among the 30 values
        DWORD dwStored;
        int CNPropObjCalnd::*pMember;
        int nLoaded;
    } cases[] = {
        {1, 2, &CNPropObjCalnd::m_nWeekStart, 0},
        {1, 1, &CNPropObjCalnd::m_nWeekStart, 1},
        {7, 4, &CNPropObjCalnd::m_nWeekStyle, 0},
        {7, 3, &CNPropObjCalnd::m_nWeekStyle, 3},
        {8, static_cast<DWORD>(-1), &CNPropObjCalnd::m_nMonthStyle1, 0},
        {9, 0x7FFFFFFF, &CNPropObjCalnd::m_nMonthStyle2, 0},
        {15, 0x00336699, &CNPropObjCalnd::m_nHolidayColor, 0x00336699},
        {19, 7, &CNPropObjCalnd::m_nOuterVLine, 7},
        {25, 0x7FFFFFFF, &CNPropObjCalnd::m_nYearSize, 10000},
        {26, 10000, &CNPropObjCalnd::m_nMonthSize1, 10000},
        {27, 10001, &CNPropObjCalnd::m_nMonthSize2, 10000},
        {28, 0x80000000, &CNPropObjCalnd::m_nWeekSize, 0},
        {29, 95, &CNPropObjCalnd::m_nDaySize, 95},
    };
    for (const Case& c : cases) {
        CNPropObjCalndStd loaded;
        Load(loaded, WithValue(kCtrlPart + CalendarPart(2024) + Dwords({1, 5}), c.nValue, c.dwStored));
        EXPECT_EQ(c.nLoaded, loaded.*c.pMember) << c.nValue << " " << c.dwStored;
    }
    for (DWORD dwMonth : {13u, 0xFFFFFFFFu, 0x80000000u}) {
        CNPropObjCalndStd loaded;
        loaded.m_nMonth = 2;
        Load(loaded, kCtrlPart + CalendarPart(2024) + Dwords({1, dwMonth}));
        EXPECT_EQ(5, loaded.m_nMonth) << dwMonth;
    }
}

// A calendar whose five font sizes are 0x7FFFFFFF tenths of a point loads
// them held and draws (a font of 0x7FFF points takes the rasteriser minutes).
TEST_F(CalendarFieldTest, HugeFontSizesDrawAtOnce)
{
    std::string bytes = kCtrlPart + CalendarPart(2024) + Dwords({1, 5});
    for (size_t nValue = 25; nValue < 30; ++nValue)
        bytes = WithValue(bytes, nValue, 0x7FFFFFFF);
    CNPropObjCalndStd loaded;
    Load(loaded, bytes);
    EXPECT_EQ(10000, loaded.m_nWeekSize);
    loaded.m_rect = RECT{100, 100, 800, 660};
    loaded.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    MemoryCanvas canvas(64, 64);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), TRUE);
    EXPECT_EQ(1, loaded.Draw(&dc, 0));
}

// Counts larger than the record end in the archive's exception.
TEST_F(CalendarFieldTest, ShortRecordsFailCleanly)
{
    const std::string head = kCtrlPart + CalendarPart(2024);
    CNPropObjCalndYear year;
    EXPECT_EQ(CArchiveException::endOfFile,
        LoadFailure(year, head + Dwords({1, 0}) + Bytes({0xFF, 0xFF}) + Dwords({0x7FFFFFFF}) + kEmptyBlocks));
    std::string lists = head;
    lists.replace(lists.size() - 4, 2, Bytes({0xFE, 0xFF}));
    CNPropObjCalndStd std;
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(std, lists + Dwords({1, 5})));
}

TEST_F(CalendarFieldTest, SetTextTakesThePeriod)
{
    CNPropObjCalndStd month;
    EXPECT_EQ(1, month.SetText("2024/05"));
    EXPECT_EQ(2024, month.m_nYear);
    EXPECT_EQ(5, month.m_nMonth);
    EXPECT_EQ(1, month.SetText("1998/12"));
    EXPECT_EQ(1998, month.m_nYear);
    EXPECT_EQ(12, month.m_nMonth);
    // A month that is none keeps the shown one; the text is stored.
    EXPECT_EQ(1, month.SetText("2030/13"));
    EXPECT_EQ(2030, month.m_nYear);
    EXPECT_EQ(12, month.m_nMonth);
    EXPECT_STREQ("2030/13", month.m_strData);
    EXPECT_EQ(0, month.SetText(""));
    EXPECT_EQ(2030, month.m_nYear);
    EXPECT_TRUE(month.m_strData.IsEmpty());

    CNPropObjCalndYear year;
    EXPECT_EQ(1, year.SetText("2100"));
    EXPECT_EQ(2100, year.m_nYear);
    EXPECT_EQ(1, year.SetText("abc"));
    EXPECT_EQ(2100, year.m_nYear);
    EXPECT_EQ(0, year.SetText(""));
}

// The value becomes the shown period unless in layout mode or not shown.
TEST_F(CalendarFieldTest, LoadToControlWritesThePeriod)
{
    struct Case
    {
        UINT nMode;
        const char* pszMonth;
        const char* pszYear;
    } cases[] = {
        {CNPropObj::MODE_ENTRY, "2024/05", "2024"},
        {CNPropObj::MODE_ENTRY | CNPropObj::MODE_SHOWN, "2024/05", "2024"},
        {CNPropObj::MODE_SHOWN, "old", "old"},
        {CNPropObj::MODE_NOINPUT, "old", "old"},
    };
    for (const Case& c : cases) {
        CNPropObjCalndStd month;
        CNPropObjCalndYear year;
        for (CNPropObj* pField : {static_cast<CNPropObj*>(&month), static_cast<CNPropObj*>(&year)}) {
            pField->m_strData = "old";
            pField->SetMode(c.nMode);
            pField->LoadToControl(0);
        }
        EXPECT_STREQ(c.pszMonth, month.m_strData) << c.nMode;
        EXPECT_STREQ(c.pszYear, year.m_strData) << c.nMode;
    }
}

TEST_F(CalendarFieldTest, SettingsAppliedRepaintTheFace)
{
    CTestFormWnd form;
    CNPropObjCalndStd field;
    field.m_pOwner = &form;
    field.m_nYear = 2026;
    field.m_nMonth = 9;
    field.ApplySettings();
    EXPECT_STREQ("2026/09", field.m_strData);
    ASSERT_EQ(1u, form.m_redrawn.size());
    EXPECT_EQ(nullptr, form.m_redrawn[0]);
}

TEST_F(CalendarFieldTest, AttributesNotApplicable)
{
    CNPropObjCalndStd field(MakeBlock(3, {0, 0, 100, 100}, 0x07, 1), CNPropObjCtrl::STYLE_DEFAULT, 0);
    field.SetAttr(CNPropObj::ATTRIBUTE_LOCK, 1);
    EXPECT_EQ(3, field.GetCarryOver());
    EXPECT_EQ(3, field.GetModify());
    EXPECT_EQ(3, field.GetNumKind());
    EXPECT_EQ(3, field.GetShadow());
    field.SetCarryOver(FALSE);
    field.SetModify(FALSE);
    EXPECT_EQ(1u, field.GetAttr(CNPropObj::ATTRIBUTE_CLEAR));
    EXPECT_EQ(1u, field.GetAttr(CNPropObj::ATTRIBUTE_LOCK));
    EXPECT_STREQ("カレンダー", field.GetFieldName());
    CNPropObjCalnd base;
    EXPECT_EQ(0, base.Activate()) << "no settings sheet of its own";
    ModalScript script;
    script.ExpectDialog([](CWnd* pSheet) { pSheet->EndModalLoop(IDCANCEL); });
    EXPECT_EQ(1, field.Activate()) << "the settings sheet";
}

TEST_F(CalendarFieldTest, CloneCopiesEveryMemberAndMoves)
{
    CNPropObjCalndYear year(MakeBlock(7, {10, 20, 110, 220}, 0x04), CNPropObjCtrl::STYLE_DEFAULT | WS_BORDER, 0x20);
    year.m_nYear = 2019;
    year.m_nNumberPos = 2;
    year.m_strFace = "Arial";
    year.m_ptMonthTitle2 = CPoint(9, 8);
    year.m_arMarkedDays.Add(0x40001);
    year.m_nYearTitleColor = 12;
    year.m_arBlocks[0] = CRect(0, 0, 50, 40);
    year.m_strName = "cal";
    CNPropObj* pClone = year.Clone(5, -5);
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjCalndYear)));
    CNPropObjCalndYear* pYear = static_cast<CNPropObjCalndYear*>(pClone);
    EXPECT_EQ(7u, pYear->m_nOrder);
    EXPECT_EQ(CRect(15, 15, 115, 215), CRect(pYear->m_rect));
    EXPECT_EQ(0x04u, pYear->GetAttr(CNPropObj::ATTRIBUTE_INPUT));
    EXPECT_TRUE(pYear->IsBorder());
    // The copy shows its period; apart from that, the order, rectangle and
    // attributes the records agree.
    EXPECT_STREQ("2019", pYear->m_strData);
    pYear->m_strData.Empty();
    pYear->m_rect = year.m_rect;
    EXPECT_EQ(Store(year), Store(*pYear));
    delete pClone;

    CNPropObjCalndStd month;
    month.m_nMonth = 2;
    month.m_arNormalDays.Add(11);
    CNPropObjCalndStd* pMonth = static_cast<CNPropObjCalndStd*>(month.Clone(0, 0));
    EXPECT_EQ(2, pMonth->m_nMonth);
    EXPECT_STREQ("2024/02", pMonth->m_strData);
    pMonth->m_strData.Empty();
    EXPECT_EQ(Store(month), Store(*pMonth));
    delete pMonth;
}

TEST_F(CalendarFieldTest, ColourTableAndNames)
{
    EXPECT_EQ(0x000000u, CNPropObjCalnd::CalendarColor(0));
    EXPECT_EQ(0x0000FFu, CNPropObjCalnd::CalendarColor(9));
    EXPECT_EQ(0xFFFFFFu, CNPropObjCalnd::CalendarColor(15));
    EXPECT_EQ(16u, CNPropObjCalnd::CalendarColor(16));
    EXPECT_EQ(0x00123456u, CNPropObjCalnd::CalendarColor(0x123456));
    EXPECT_STREQ("SUN", CNPropObjCalnd::WeekdayName(0, 1));
    EXPECT_STREQ("Sat", CNPropObjCalnd::WeekdayName(1, 7));
    EXPECT_STREQ("T", CNPropObjCalnd::WeekdayName(2, 5));
    EXPECT_STREQ("水", CNPropObjCalnd::WeekdayName(3, 4));
    EXPECT_STREQ("", CNPropObjCalnd::WeekdayName(4, 1));
    EXPECT_STREQ("", CNPropObjCalnd::WeekdayName(0, 8));
    EXPECT_STREQ("September", CNPropObjCalnd::MonthTitle(0, 9));
    EXPECT_STREQ("9", CNPropObjCalnd::MonthTitle(1, 9));
    EXPECT_STREQ("12月", CNPropObjCalnd::MonthTitle(2, 12));
    EXPECT_STREQ("水 無 月", CNPropObjCalnd::MonthTitle(3, 6));
    EXPECT_STREQ("", CNPropObjCalnd::MonthTitle(3, 13));
    EXPECT_STREQ("", CNPropObjCalnd::MonthTitle(-1, 1));
}

TEST(CalendarVtableTest, DrawCalendarFollowsTheControlSlots)
{
    EXPECT_FIELD_SLOT(69, &CNPropObjCalnd::DrawCalendar);
}

}  // namespace

namespace {

// A memory context over a DIB section of nBits per pixel (256 greys for 8).
class DibContext
{
public:
    explicit DibContext(int nBits) : m_hDC(::CreateCompatibleDC(nullptr))
    {
        struct
        {
            BITMAPINFOHEADER header;
            RGBQUAD colors[256];
        } info = {};
        info.header.biSize = sizeof info.header;
        info.header.biWidth = 16;
        info.header.biHeight = 16;
        info.header.biPlanes = 1;
        info.header.biBitCount = static_cast<WORD>(nBits);
        for (int i = 0; i < 256; i++)
            info.colors[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(m_hDC, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    }
    ~DibContext()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    HDC dc() const { return m_hDC; }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

std::string ReadFileBytes(const CString& strPath)
{
    CFile file(strPath, CFile::modeRead);
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

DWORD DwordAt(const std::string& bytes, size_t at)
{
    DWORD value = 0;
    for (int i = 3; i >= 0; i--)
        value = (value << 8) | static_cast<BYTE>(bytes[at + i]);
    return value;
}

// The layout-mode picture: a BMP of the context's depth, its colour table
// before the bits; the file goes with the control.
TEST_F(CalendarFieldTest, DesignBitmapOfTheContextDepth)
{
    struct Case
    {
        int nBits;
        DWORD dwColors;
    } cases[] = {{8, 256}, {32, 0}};
    for (const Case& c : cases) {
        CNPropObjCalndStd field(MakeBlock(1, {0, 0, 500, 400}), CNPropObjCtrl::STYLE_DEFAULT, 0);
        DibContext ic(c.nBits);
        CBorrowedDC dc(ic.dc(), ic.dc(), FALSE);
        ASSERT_EQ(1, field.WriteDesignBitmap(&dc)) << c.nBits;
        const CString strPath = field.m_strDesignBitmap;
        const std::string bmp = ReadFileBytes(strPath);
        ASSERT_GT(bmp.size(), 54u);
        EXPECT_EQ("BM", bmp.substr(0, 2));
        EXPECT_EQ(bmp.size(), DwordAt(bmp, 2));
        EXPECT_EQ(14 + 40 + 4 * c.dwColors, DwordAt(bmp, 10)) << c.nBits;
        EXPECT_EQ(189u, DwordAt(bmp, 18));   // 500 units on the screen
        EXPECT_EQ(151u, DwordAt(bmp, 22));
        EXPECT_EQ(static_cast<DWORD>(c.nBits), DwordAt(bmp, 28) & 0xFFFF);
        const DWORD dwStride = (189 * c.nBits + 31) / 32 * 4;
        EXPECT_EQ(14 + 40 + 4 * c.dwColors + dwStride * 151, bmp.size());
        CString strPrefix = strPath.Mid(strPath.ReverseFind('\\') + 1, 3);
        strPrefix.MakeLower();
        EXPECT_STREQ("bmp", strPrefix);
        EXPECT_EQ(1, field.DestroyControl());
        EXPECT_TRUE(field.m_strDesignBitmap.IsEmpty());
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strPath));
    }
}

TEST_F(CalendarFieldTest, NoDesignBitmapForAnEmptyField)
{
    CNPropObjCalndStd field;
    DibContext ic(32);
    CBorrowedDC dc(ic.dc(), ic.dc(), FALSE);
    EXPECT_EQ(0, field.WriteDesignBitmap(&dc));
    EXPECT_TRUE(field.m_strDesignBitmap.IsEmpty());
}

}  // namespace
