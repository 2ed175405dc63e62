// Data exchange with an edit control of a plain window: numbers parsed and
// formatted, the framework's messages for text that does not parse or is
// out of range, and what a failure leaves behind.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "afxdisp.h"
#include "afxdlgs.h"
#include "msgbox_recorder.h"

namespace {

const int IDC_FIELD = 100;
const char g_szParseInt[] = "整数を入力してください。";
const char g_szParseUInt[] = "0 以上の整数を入力してください。";
const char g_szParseReal[] = "数値を入力してください。";

class DlgDdxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100, nullptr,
            nullptr));
        ASSERT_TRUE(m_edit.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 200, 20), &m_host, IDC_FIELD));
    }

    void TearDown() override { m_host.DestroyWindow(); }

    // Saves the field's text into value: the message shown, empty if none.
    template <class T>
    std::string Save(const char* pszText, T& value)
    {
        m_edit.SetWindowText(pszText);
        MessageBoxRecorder recorder;
        CDataExchange dx(&m_host, TRUE);
        try {
            DDX_Text(&dx, IDC_FIELD, value);
        } catch (CUserException* e) {
            e->Delete();
        }
        return recorder.shown().empty() ? std::string() : recorder.shown().front().text;
    }

    template <class T>
    std::string Load(T value)
    {
        CDataExchange dx(&m_host, FALSE);
        DDX_Text(&dx, IDC_FIELD, value);
        CString text;
        m_edit.GetWindowText(text);
        return static_cast<LPCSTR>(text);
    }

    CWnd m_host;
    CEdit m_edit;
};

template <class T>
struct NumberCase {
    const char* pszText;
    T expected;          // the value saved, or left alone on failure
    const char* pszMessage;
};

TEST_F(DlgDdxTest, IntegersParseWithinTheirType)
{
    const NumberCase<int> intCases[] = {
        {" 42 ", 42, ""},
        {"-2147483648", INT_MIN, ""},
        {"+7", 7, ""},
        {"2147483648", -1, g_szParseInt},
        {"4x", -1, g_szParseInt},
        {"", -1, g_szParseInt},
        {"- 1", -1, g_szParseInt},
        {"１２", -1, g_szParseInt},   // full-width digits
    };
    for (const auto& c : intCases) {
        int value = -1;
        EXPECT_EQ(c.pszMessage, Save(c.pszText, value)) << c.pszText;
        EXPECT_EQ(c.expected, value) << c.pszText;
    }

    const NumberCase<UINT> uintCases[] = {
        {"4294967295", 4294967295u, ""},
        {"4294967296", 9, g_szParseUInt},
        {"-1", 9, g_szParseUInt},
    };
    for (const auto& c : uintCases) {
        UINT value = 9;
        EXPECT_EQ(c.pszMessage, Save(c.pszText, value)) << c.pszText;
        EXPECT_EQ(c.expected, value) << c.pszText;
    }

    long lValue = 0;
    EXPECT_EQ("", Save("-2147483647", lValue));
    EXPECT_EQ(-2147483647L, lValue);
    DWORD dwValue = 0;
    EXPECT_EQ(g_szParseUInt, Save("1.5", dwValue));
    EXPECT_EQ("", Save("3000000000", dwValue));
    EXPECT_EQ(3000000000ul, dwValue);
}

TEST_F(DlgDdxTest, RealsParseAsDecimalNumbersOnly)
{
    const NumberCase<double> cases[] = {
        {"1.5e3", 1500.0, ""},
        {" -0.25", -0.25, ""},
        {"1.5.5", 9.0, g_szParseReal},
        {"inf", 9.0, g_szParseReal},
        {"0x10", 9.0, g_szParseReal},
        {"e", 9.0, g_szParseReal},
    };
    for (const auto& c : cases) {
        double value = 9.0;
        EXPECT_EQ(c.pszMessage, Save(c.pszText, value)) << c.pszText;
        EXPECT_EQ(c.expected, value) << c.pszText;
    }
}

TEST_F(DlgDdxTest, NumbersLoadAsDecimalText)
{
    EXPECT_EQ("-5", Load(-5));
    EXPECT_EQ("4294967295", Load(4294967295u));
    EXPECT_EQ("-2147483648", Load(static_cast<long>(INT_MIN)));
    EXPECT_EQ("0.1", Load(0.1));
    EXPECT_EQ("1234567.5", Load(1234567.5));
}

TEST_F(DlgDdxTest, FailureFocusesTheFieldWithItsTextSelected)
{
    CEdit other;
    ASSERT_TRUE(other.Create(WS_VISIBLE, CRect(0, 30, 200, 50), &m_host, IDC_FIELD + 1));
    other.SetFocus();
    int value = 0;
    EXPECT_EQ(g_szParseInt, Save("abc", value));
    EXPECT_EQ(m_edit.m_hWnd, ::GetFocus());
    m_edit.ReplaceSel("9");   // typing replaces all of it
    CString text;
    m_edit.GetWindowText(text);
    EXPECT_STREQ("9", text);
}

TEST_F(DlgDdxTest, RangesAndLengthsValidateOnlyWhenSaving)
{
    const struct {
        std::function<void(CDataExchange*)> validate;
        const char* pszMessage;   // when saving
    } cases[] = {
        {[](CDataExchange* pDX) { DDV_MinMaxInt(pDX, 5, -5, 5); }, ""},
        {[](CDataExchange* pDX) { DDV_MinMaxInt(pDX, -6, -5, 5); },
            "-5 から 5 までの整数を入力してください。"},
        {[](CDataExchange* pDX) { DDV_MinMaxUInt(pDX, 4000000000u, 0, 3000000000u); },
            "0 から 3000000000 までの整数を入力してください。"},
        {[](CDataExchange* pDX) { DDV_MinMaxLong(pDX, 100L, 1L, 99L); },
            "1 から 99 までの整数を入力してください。"},
        {[](CDataExchange* pDX) { DDV_MaxChars(pDX, "あいう", 6); }, ""},
        {[](CDataExchange* pDX) { DDV_MaxChars(pDX, "あいう", 5); }, "5 文字以内で入力してください。"},
    };
    for (const auto& c : cases) {
        for (const BOOL bSave : {TRUE, FALSE}) {
            SCOPED_TRACE(std::string(c.pszMessage) + (bSave ? " saving" : " loading"));
            MessageBoxRecorder recorder;
            CDataExchange dx(&m_host, bSave);
            dx.PrepareEditCtrl(IDC_FIELD);
            bool bFailed = false;
            try {
                c.validate(&dx);
            } catch (CUserException* e) {
                e->Delete();
                bFailed = true;
            }
            const bool bShouldFail = bSave && *c.pszMessage != '\0';
            EXPECT_EQ(bShouldFail, bFailed);
            ASSERT_EQ(bShouldFail ? 1u : 0u, recorder.shown().size());
            if (bShouldFail) {
                EXPECT_EQ(c.pszMessage, recorder.shown().front().text);
            }
        }
    }
}

TEST_F(DlgDdxTest, MaxCharsLimitsTheEditWhenLoading)
{
    CDataExchange dx(&m_host, FALSE);
    CString text = "短い";
    DDX_Text(&dx, IDC_FIELD, text);
    DDV_MaxChars(&dx, text, 8);
    EXPECT_EQ(8u, m_edit.GetLimitText());
}

TEST_F(DlgDdxTest, MissingControlAbandonsTheExchangeQuietly)
{
    // The host has no control 999: UpdateData fails without a message.
    class CMissingWnd : public CWnd
    {
    public:
        void DoDataExchange(CDataExchange* pDX) override
        {
            CString text;
            DDX_Text(pDX, 999, text);
        }
    };
    CMissingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "missing", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_FALSE(wnd.UpdateData(TRUE));
    EXPECT_FALSE(wnd.UpdateData(FALSE));
}

}  // namespace

TEST_F(DlgDdxTest, AmountsAndDatesInTheUsersLocale)
{
    COleCurrency cur;
    EXPECT_EQ("", Save(" 1234.5", cur));
    EXPECT_EQ(12345000, cur.m_cur.int64);
    EXPECT_EQ("金額を入力してください。", Save("12円", cur));
    EXPECT_EQ(12345000, cur.m_cur.int64);
    EXPECT_EQ(COleCurrency::valid, cur.GetStatus());
    EXPECT_EQ("1234.5", Load(cur));

    COleDateTime date;
    EXPECT_EQ("", Save("2026/12/10", date));
    EXPECT_EQ(COleDateTime(2026, 12, 10, 0, 0, 0), date);
    EXPECT_EQ("日付または時刻を入力してください。", Save("明日", date));
    EXPECT_EQ(COleDateTime(2026, 12, 10, 0, 0, 0), date);
    const std::string loaded = Load(date);
    COleDateTime back;
    ASSERT_TRUE(back.ParseDateTime(loaded.c_str()));
    EXPECT_EQ(date, back);
}
