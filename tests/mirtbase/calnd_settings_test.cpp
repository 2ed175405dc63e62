// The calendar settings sheets: the day rules as a table, and the real
// sheets run by the monthly and yearly calendar fields (weekday days
// accepted and refused, special days, a change of date, removal, colours).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/calndcolorcombo.h"
#include "dialogs/calnddays.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "npropobjcalnd.h"

namespace {

// Controls of the pages.
const int kYear = 1002, kMonth = 1004, kSatColor = 1045, kHolidayColor = 1046, kLineColor = 1047;
const int kSpecialList = 1000, kSpecialAdd = 1001, kSpecialRemove = 1002, kSpecialDay = 1010;
const int kWeekdayList = 1003, kWeekdayAdd = 1005, kWeekdayDay = 1011, kWeekdayCombo = 1015, kWeekdayByWeekday = 1018;
const int kSpecialColor = 1048, kYearlySpecialMonth = 1019;

std::string Str(const CString& s)
{
    return static_cast<LPCSTR>(s);
}

TEST(CalndDaysTest, WeekdayDaysAcrossTheYearsWhoseHolidaysMoved)
{
    struct Day
    {
        int nYear, nMonth, nDay;
        BOOL bDayOff;
    };
    const Day kDays[] = {
        {2001, 3, 20, TRUE},  {2002, 3, 21, TRUE},  {2002, 3, 20, FALSE},   // vernal equinox
        {2016, 3, 21, TRUE},                                                // its Monday substitute
        {2002, 9, 16, TRUE},  {2003, 9, 16, FALSE},                         // 15 September's substitute
        {2016, 9, 22, TRUE},  {2016, 9, 23, FALSE}, {2003, 9, 23, TRUE},    // autumnal equinox
        {2003, 1, 15, TRUE},  {2006, 1, 16, TRUE},  {2007, 1, 16, FALSE},
        {2002, 5, 6, TRUE},   {2003, 5, 6, FALSE},  {2004, 5, 6, FALSE},
        {2002, 3, 31, TRUE},  {2002, 3, 30, TRUE},  {2002, 6, 12, FALSE},   // Sunday, Saturday, June
    };
    for (const Day& day : kDays) {
        EXPECT_EQ(day.bDayOff, CCalndDays::IsDayOff(day.nYear, day.nMonth, day.nDay))
            << day.nYear << "/" << day.nMonth << "/" << day.nDay;
    }
}

TEST(CalndDaysTest, EntryTextsAndTheirDates)
{
    EXPECT_EQ("2002年 03月 21日 木", Str(CCalndDays::EntryText(2002, 3, 21)));
    EXPECT_EQ("2024年 02月 29日 木", Str(CCalndDays::EntryText(2024, 2, 29)));
    EXPECT_EQ("2037年 12月 05日 土", Str(CCalndDays::EntryText(2037, 12, 5)));
    for (int nDay : {0, 32, 31}) {
        EXPECT_EQ("", Str(CCalndDays::EntryText(2002, 4, nDay))) << "April " << nDay;
    }
    EXPECT_EQ("", Str(CCalndDays::EntryText(2023, 2, 29)));
    const CString strEntry = CCalndDays::EntryText(2002, 11, 3);
    EXPECT_EQ(11, CCalndDays::EntryMonth(strEntry));
    EXPECT_EQ(3, CCalndDays::EntryDay(strEntry));
    EXPECT_EQ(0, CCalndDays::EntryDay("2002年"));
    EXPECT_EQ((std::vector<int>{3, 10, 17, 24, 31}), CCalndDays::DaysOfWeekday(2002, 3, 0));
    EXPECT_EQ((std::vector<int>{1, 8, 15, 22, 29}), CCalndDays::DaysOfWeekday(2024, 2, 4));
    EXPECT_EQ((std::vector<int>{7, 14, 21, 28}), CCalndDays::DaysOfWeekday(2023, 2, 2));
}

// The sheet's current page, its controls and buttons.
struct SheetDriver
{
    CWnd* pSheet;

    HWND Page() const { return PropSheet_GetCurrentPageHwnd(pSheet->GetSafeHwnd()); }
    void ShowPage(int nPage) const
    {
        PropSheet_SetCurSel(pSheet->GetSafeHwnd(), nullptr, nPage);
        ModalScript::PumpPending();
        ModalScript::PumpPending();
    }
    void Click(int nID) const { ModalScript::Click(CWnd::FromHandle(Page()), nID); }
    void SetText(int nID, const char* pszText) const { ::SetDlgItemTextA(Page(), nID, pszText); }
    LRESULT Send(int nID, UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageA(Page(), nID, nMessage, wParam, lParam);
    }
    void Choose(int nComboID, int nIndex) const
    {
        Send(nComboID, CB_SETCURSEL, static_cast<WPARAM>(nIndex));
        ::SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(nComboID, CBN_SELCHANGE),
            reinterpret_cast<LPARAM>(::GetDlgItem(Page(), nComboID)));
    }
    void AddDay(int nEditID, int nAddID, int nDay) const
    {
        SetText(nEditID, std::to_string(nDay).c_str());
        Click(nAddID);
    }
    std::vector<std::string> Items(int nListID) const
    {
        std::vector<std::string> items;
        const int nCount = static_cast<int>(Send(nListID, LB_GETCOUNT));
        for (int i = 0; i < nCount; ++i) {
            char text[64] = {};
            Send(nListID, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    void Ok() const { pSheet->SendMessage(PSM_PRESSBUTTON, PSBTN_OK); }
    void Cancel() const { pSheet->SendMessage(PSM_PRESSBUTTON, PSBTN_CANCEL); }
};

std::vector<DWORD> Keys(const CDWordArray& days)
{
    return std::vector<DWORD>(days.GetData(), days.GetData() + days.GetSize());
}

class CalndSheetTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_field.m_nYear = 2002;
        m_field.m_nMonth = 3;
    }

    CNPropObjCalndStd m_field;
};

TEST_F(CalndSheetTest, WeekdayDaysAreAcceptedOnlyOnDaysOff)
{
    MessageBoxRecorder boxes(IDNO);
    ModalScript script;
    std::vector<std::string> weekdays, specials;
    script.ExpectDialog([&](CWnd* pSheet) {
        const SheetDriver sheet{pSheet};
        char caption[16] = {};
        ::GetWindowTextA(pSheet->GetSafeHwnd(), caption, sizeof(caption));
        EXPECT_STREQ("設定", caption);
        EXPECT_EQ("       カレンダーの設定       ", [&] {
            char text[64] = {};
            ::GetWindowTextA(sheet.Page(), text, sizeof(text));
            return std::string(text);
        }());
        sheet.ShowPage(1);
        for (int nDay : {21, 20, 31, 31, 0, 32})
            sheet.AddDay(kWeekdayDay, kWeekdayAdd, nDay);
        sheet.AddDay(kSpecialDay, kSpecialAdd, 21);    // asked, No
        sheet.AddDay(kSpecialDay, kSpecialAdd, 5);
        weekdays = sheet.Items(kWeekdayList);
        specials = sheet.Items(kSpecialList);
        sheet.Ok();
    });
    EXPECT_EQ(1, m_field.Activate());
    EXPECT_EQ((std::vector<std::string>{"2002年 03月 21日 木", "2002年 03月 31日 日"}), weekdays);
    EXPECT_EQ((std::vector<std::string>{"2002年 03月 05日 火"}), specials);
    ASSERT_EQ(2u, boxes.shown().size());
    EXPECT_EQ("2002年 03月 20日 水曜日 は平日なので指定することはできません", boxes.shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.shown()[0].type);
    EXPECT_EQ("2002年 03月 21日 木曜日 は平日に指定されています。\n特別日に指定し直しますか？", boxes.shown()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.shown()[1].type);
    EXPECT_EQ((std::vector<DWORD>{21, 31}), Keys(m_field.m_arNormalDays));
    EXPECT_EQ((std::vector<DWORD>{5}), Keys(m_field.m_arMarkedDays));
    EXPECT_EQ("2002/03", Str(m_field.m_strData));
}

TEST_F(CalndSheetTest, YesMovesAnEntryAndRemovalTakesTheSelectedOnes)
{
    m_field.m_arNormalDays.Add(2);    // a Saturday
    m_field.m_arMarkedDays.Add(2);    // listed once only: the weekday list is filled after
    MessageBoxRecorder boxes(IDYES);
    ModalScript script;
    std::vector<std::string> specials, weekdays;
    script.ExpectDialog([&](CWnd* pSheet) {
        const SheetDriver sheet{pSheet};
        sheet.ShowPage(1);
        sheet.AddDay(kWeekdayDay, kWeekdayAdd, 10);             // Sunday
        sheet.AddDay(kSpecialDay, kSpecialAdd, 10);             // Yes: moved
        for (int nDay : {1, 4, 6, 8})
            sheet.AddDay(kSpecialDay, kSpecialAdd, nDay);
        // Listed: 1, 2, 4, 6, 8, 10; remove 1, 4 and 8.
        for (int nIndex : {0, 2, 4})
            sheet.Send(kSpecialList, LB_SETSEL, TRUE, nIndex);
        sheet.Click(kSpecialRemove);
        specials = sheet.Items(kSpecialList);
        weekdays = sheet.Items(kWeekdayList);
        sheet.Ok();
    });
    m_field.Activate();
    EXPECT_EQ((std::vector<std::string>{"2002年 03月 02日 土", "2002年 03月 06日 水", "2002年 03月 10日 日"}), specials);
    EXPECT_EQ((std::vector<std::string>{"2002年 03月 02日 土"}), weekdays);
    EXPECT_EQ((std::vector<DWORD>{2, 6, 10}), Keys(m_field.m_arMarkedDays));
    EXPECT_EQ((std::vector<DWORD>{2}), Keys(m_field.m_arNormalDays));
}

TEST_F(CalndSheetTest, AChangedMonthDropsTheOldDaysButKeepsTheNewOnes)
{
    m_field.m_arMarkedDays.Add(5);
    m_field.m_arNormalDays.Add(31);
    ModalScript script;
    std::vector<std::string> before, after;
    script.ExpectDialog([&](CWnd* pSheet) {
        const SheetDriver sheet{pSheet};
        sheet.ShowPage(1);
        before = sheet.Items(kSpecialList);
        sheet.ShowPage(0);
        sheet.Choose(kMonth, 3);    // "4"
        sheet.ShowPage(1);
        after = sheet.Items(kSpecialList);
        EXPECT_TRUE(sheet.Items(kWeekdayList).empty());
        sheet.AddDay(kSpecialDay, kSpecialAdd, 10);
        sheet.AddDay(kSpecialDay, kSpecialAdd, 31);    // no 31 April
        sheet.Ok();
    });
    m_field.Activate();
    EXPECT_EQ(std::vector<std::string>{"2002年 03月 05日 火"}, before);
    EXPECT_TRUE(after.empty());
    EXPECT_EQ(4, m_field.m_nMonth);
    EXPECT_EQ((std::vector<DWORD>{10}), Keys(m_field.m_arMarkedDays));
    EXPECT_TRUE(m_field.m_arNormalDays.GetSize() == 0);
    EXPECT_EQ("2002/04", Str(m_field.m_strData));
}

TEST_F(CalndSheetTest, AChangedYearWithoutPage2EmptiesTheDaysAnUnchangedOneKeepsThem)
{
    for (const char* pszYear : {"2003", "2002"}) {
        m_field.m_nYear = 2002;
        m_field.m_arMarkedDays.RemoveAll();
        m_field.m_arMarkedDays.Add(5);
        ModalScript script;
        script.ExpectDialog([&](CWnd* pSheet) {
            const SheetDriver sheet{pSheet};
            sheet.SetText(kYear, pszYear);
            sheet.Ok();
        });
        m_field.Activate();
        EXPECT_EQ(atoi(pszYear), m_field.m_nYear);
        EXPECT_EQ(std::string(pszYear) == "2002" ? 1 : 0, m_field.m_arMarkedDays.GetSize()) << pszYear;
    }
}

TEST_F(CalndSheetTest, AYearOutOfRangeKeepsPage1AndCancelChangesNothing)
{
    m_field.m_arMarkedDays.Add(5);
    MessageBoxRecorder boxes;
    ModalScript script;
    HWND hPage2 = nullptr;
    script.ExpectDialog([&](CWnd* pSheet) {
        const SheetDriver sheet{pSheet};
        const HWND hPage1 = sheet.Page();
        sheet.SetText(kYear, "1970");
        sheet.ShowPage(1);
        EXPECT_EQ(hPage1, sheet.Page());
        hPage2 = PropSheet_IndexToHwnd(pSheet->GetSafeHwnd(), 1);
        sheet.Cancel();
    });
    m_field.Activate();
    EXPECT_EQ(nullptr, hPage2) << "page 2 was never made";
    EXPECT_EQ(1u, boxes.shown().size()) << "the framework's range message";
    EXPECT_EQ(2002, m_field.m_nYear);
    EXPECT_EQ(1, m_field.m_arMarkedDays.GetSize());
}

TEST_F(CalndSheetTest, ColourCombosShowAndTakeTheIndexes)
{
    m_field.m_nHolidayColor = 9;
    m_field.m_bGrid = 0;
    m_field.m_bMarkedColor = 0;
    m_field.m_nMarkedColorIndex = 13;
    ModalScript script;
    script.ExpectDialog([&](CWnd* pSheet) {
        const SheetDriver sheet{pSheet};
        EXPECT_EQ(16, sheet.Send(kHolidayColor, CB_GETCOUNT));
        EXPECT_EQ(9, sheet.Send(kHolidayColor, CB_GETCURSEL));
        EXPECT_EQ(0x0000FFu, static_cast<DWORD>(sheet.Send(kHolidayColor, CB_GETITEMDATA, 9)));
        EXPECT_EQ(0xFFFFFFu, static_cast<DWORD>(sheet.Send(kHolidayColor, CB_GETITEMDATA, 15)));
        EXPECT_EQ(20, sheet.Send(kHolidayColor, CB_GETITEMHEIGHT, 0));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(sheet.Page(), kLineColor)));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(sheet.Page(), kSatColor)) == (m_field.m_bSatColor != 0));
        sheet.Choose(kHolidayColor, 12);
        sheet.ShowPage(1);
        EXPECT_EQ(13, sheet.Send(kSpecialColor, CB_GETCURSEL));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(sheet.Page(), kSpecialColor)));
        sheet.Ok();
    });
    m_field.Activate();
    EXPECT_EQ(12, m_field.m_nHolidayColor);
    EXPECT_EQ(0, m_field.m_bGrid) << "the flags are not taken back";
}

TEST_F(CalndSheetTest, RemovedDaysStayRemovedWhenThePageIsShownAgain)
{
    for (DWORD dwDay : {2, 3, 9})
        m_field.m_arMarkedDays.Add(dwDay);
    m_field.m_arNormalDays.Add(10);
    ModalScript script;
    std::vector<std::string> specials;
    script.ExpectDialog([&](CWnd* pSheet) {
        const SheetDriver sheet{pSheet};
        sheet.ShowPage(1);
        sheet.Send(kSpecialList, LB_SETCARETINDEX, 1);
        ::SendMessageA(sheet.Page(), WM_COMMAND, MAKEWPARAM(kSpecialList, LBN_DBLCLK),
            reinterpret_cast<LPARAM>(::GetDlgItem(sheet.Page(), kSpecialList)));
        sheet.Click(1021);    // the weekday list's "初期状態"
        sheet.ShowPage(0);
        sheet.ShowPage(1);
        specials = sheet.Items(kSpecialList);
        EXPECT_EQ(0, sheet.Send(kWeekdayList, LB_GETCOUNT));
        sheet.Click(1020);    // the special list's "初期状態"
        EXPECT_EQ(0, sheet.Send(kSpecialList, LB_GETCOUNT));
        sheet.Cancel();
    });
    m_field.Activate();
    EXPECT_EQ((std::vector<std::string>{"2002年 03月 02日 土", "2002年 03月 09日 土"}), specials);
    EXPECT_EQ((std::vector<DWORD>{2, 3, 9}), Keys(m_field.m_arMarkedDays)) << "cancelled";
}

// The colour combo's items drawn on a memory context.
TEST(CalndColorComboTest, ItemsAreFilledAndFramed)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 40;
    info.bmiHeader.biHeight = 20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    CCalndColorCombo combo;
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_COMBOBOX;
    dis.itemID = 4;
    dis.itemData = 0x800000;    // navy
    dis.hDC = hDC;
    dis.rcItem = CRect(0, 0, 40, 20);
    dis.itemAction = ODA_DRAWENTIRE;
    combo.DrawItem(&dis);
    EXPECT_EQ(0x800000u, ::GetPixel(hDC, 20, 10));
    EXPECT_EQ(0x800000u, ::GetPixel(hDC, 0, 0));
    dis.itemState = ODS_SELECTED;
    combo.DrawItem(&dis);
    EXPECT_EQ(0x7FFFFFu, ::GetPixel(hDC, 0, 0)) << "framed in the inverse colour";
    EXPECT_EQ(0x7FFFFFu, ::GetPixel(hDC, 39, 19));
    EXPECT_EQ(0x800000u, ::GetPixel(hDC, 20, 10));
    dis.itemState = 0;
    dis.itemAction = ODA_SELECT;
    combo.DrawItem(&dis);
    EXPECT_EQ(0x800000u, ::GetPixel(hDC, 0, 0)) << "the frame erased";
    MEASUREITEMSTRUCT mis = {};
    combo.MeasureItem(&mis);
    EXPECT_EQ(20u, mis.itemHeight);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
}

TEST(CalndYearSheetTest, SundaysByWeekdayAndDaysByMonth)
{
    CNPropObjCalndYear field;
    field.m_nYear = 2002;
    ModalScript script;
    script.ExpectDialog([&](CWnd* pSheet) {
        const SheetDriver sheet{pSheet};
        sheet.ShowPage(1);
        sheet.Click(kWeekdayByWeekday);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(sheet.Page(), kWeekdayCombo)));
        sheet.Click(kWeekdayAdd);                   // no weekday chosen: nothing
        EXPECT_EQ(0, sheet.Send(kWeekdayList, LB_GETCOUNT));
        sheet.Choose(kWeekdayCombo, 0);             // Sunday
        sheet.Click(kWeekdayAdd);
        EXPECT_EQ(52, sheet.Send(kWeekdayList, LB_GETCOUNT));
        sheet.AddDay(kSpecialDay, kSpecialAdd, 5);  // no month chosen: nothing
        sheet.Choose(kYearlySpecialMonth, 10);      // November
        sheet.AddDay(kSpecialDay, kSpecialAdd, 5);
        sheet.Ok();
    });
    EXPECT_EQ(1, field.Activate());
    ASSERT_EQ(52, field.m_arNormalDays.GetSize());
    EXPECT_EQ(CCalndDays::YearKey(1, 6), field.m_arNormalDays[0]);
    EXPECT_EQ(CCalndDays::YearKey(12, 29), field.m_arNormalDays[51]);
    EXPECT_EQ((std::vector<DWORD>{CCalndDays::YearKey(11, 5)}), Keys(field.m_arMarkedDays));
    EXPECT_EQ("2002", Str(field.m_strData));
}

}  // namespace
