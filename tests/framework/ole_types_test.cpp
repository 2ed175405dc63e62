// Automation types: currency amounts, dates in a locale's words, variants.
#include <gtest/gtest.h>
#include <string>

#include "afxdisp.h"

namespace {

const LCID kJapanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
const LCID kEnglish = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

COleCurrency Amount(LONGLONG nTenThousandths)
{
    CURRENCY cy;
    cy.int64 = nTenThousandths;
    return COleCurrency(cy);
}

TEST(OleCurrency, ParsesAndFormatsInTheLocale)
{
    struct Case
    {
        const char* pszText;
        LCID lcid;
        LONGLONG nValue;
        const char* pszFormatted;
    };
    const Case cases[] = {
        { "1234.5", kJapanese, 12345000, "1234.5" },
        { "1,234.50", kEnglish, 12345000, "1234.5" },
        { "-0.0001", kEnglish, -1, "-0.0001" },
        { "123456789012.3456", kEnglish, 1234567890123456LL, "123456789012.3456" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        COleCurrency cur;
        ASSERT_TRUE(cur.ParseCurrency(c.pszText, 0, c.lcid));
        EXPECT_EQ(COleCurrency::valid, cur.GetStatus());
        EXPECT_EQ(c.nValue, cur.m_cur.int64);
        EXPECT_EQ(c.pszFormatted, std::string(cur.Format(0, c.lcid)));
    }
}

TEST(OleCurrency, TextsThatAreNoAmountLeaveItInvalid)
{
    for (const char* pszText : { "abc", "", "12x", "922337203685478" }) {
        SCOPED_TRACE(pszText);
        COleCurrency cur = Amount(5);
        EXPECT_FALSE(cur.ParseCurrency(pszText, 0, kEnglish));
        EXPECT_EQ(COleCurrency::invalid, cur.GetStatus());
        EXPECT_EQ("", std::string(cur.Format(0, kEnglish)));
    }
}

TEST(OleCurrency, ComparesAmountsAndStatus)
{
    EXPECT_TRUE(Amount(10) == Amount(10));
    EXPECT_TRUE(Amount(-10) < Amount(9));
    EXPECT_TRUE(Amount(10) >= Amount(10));
    EXPECT_FALSE(Amount(10) > Amount(10));
    COleCurrency invalid = Amount(10);
    invalid.SetStatus(COleCurrency::invalid);
    EXPECT_FALSE(invalid == Amount(10));
    // Numbers sort by value, not by their text.
    COleCurrency nine, ten;
    ASSERT_TRUE(nine.ParseCurrency("9", 0, kJapanese));
    ASSERT_TRUE(ten.ParseCurrency("10", 0, kJapanese));
    EXPECT_TRUE(nine < ten);
}

TEST(OleDateTime, ParsesTheLocalesDatesAndTimes)
{
    struct Case
    {
        const char* pszText;
        DWORD dwFlags;
        COleDateTime expected;
    };
    const Case cases[] = {
        { "2026/12/10 13:45:30", 0, COleDateTime(2026, 12, 10, 13, 45, 30) },
        { "2026/1/5", 0, COleDateTime(2026, 1, 5, 0, 0, 0) },
        { "2026/12/10 13:45:30", VAR_DATEVALUEONLY, COleDateTime(2026, 12, 10, 0, 0, 0) },
        { "13:45", 0, COleDateTime(1899, 12, 30, 13, 45, 0) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        COleDateTime date;
        ASSERT_TRUE(date.ParseDateTime(c.pszText, c.dwFlags, kJapanese));
        EXPECT_EQ(COleDateTime::valid, date.GetStatus());
        EXPECT_EQ(c.expected, date);
    }
    COleDateTime date(2020, 1, 1, 0, 0, 0);
    EXPECT_FALSE(date.ParseDateTime("not a date", 0, kJapanese));
    EXPECT_EQ(COleDateTime::invalid, date.GetStatus());
}

TEST(OleDateTime, FormatsInTheLocaleAndReadsItBack)
{
    const COleDateTime date(2026, 12, 10, 13, 45, 30);
    EXPECT_EQ("2026/12/10", std::string(date.Format(VAR_DATEVALUEONLY, kJapanese)));
    for (LCID lcid : { kJapanese, kEnglish }) {
        const CString text = date.Format(0, lcid);
        COleDateTime back;
        ASSERT_TRUE(back.ParseDateTime(text, 0, lcid)) << text;
        EXPECT_EQ(date, back) << text;
    }
    COleDateTime invalid = date;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ("", std::string(invalid.Format(0, kJapanese)));
    // Dates sort by time, not by their text.
    COleDateTime early, late;
    ASSERT_TRUE(early.ParseDateTime("2025/12/31", 0, kJapanese));
    ASSERT_TRUE(late.ParseDateTime("2026/1/5", 0, kJapanese));
    EXPECT_TRUE(early < late);
}

TEST(OleVariant, HoldsEachTypeAndCopiesDeeply)
{
    CByteArray bytes;
    bytes.Add(0x0A);
    bytes.Add(0xFF);
    const COleVariant fromText("テキスト");
    EXPECT_EQ(VT_BSTR, fromText.vt);
    COleVariant copy = fromText;
    EXPECT_NE(fromText.bstrVal, copy.bstrVal);
    EXPECT_EQ(0, wcscmp(fromText.bstrVal, copy.bstrVal));

    EXPECT_EQ(VT_I2, COleVariant(short(3)).vt);
    const COleVariant yes(short(5), VT_BOOL);
    EXPECT_EQ(VT_BOOL, yes.vt);
    EXPECT_EQ(VARIANT_TRUE, yes.boolVal);
    EXPECT_EQ(VT_I4, COleVariant(70000L).vt);
    EXPECT_EQ(VT_UI1, COleVariant(BYTE(10)).vt);
    EXPECT_EQ(VT_R4, COleVariant(1.5f).vt);
    EXPECT_EQ(VT_R8, COleVariant(1.5).vt);
    EXPECT_EQ(VT_CY, COleVariant(Amount(15000)).vt);
    EXPECT_EQ(VT_DATE, COleVariant(COleDateTime(2026, 1, 2, 0, 0, 0)).vt);

    const COleVariant array(bytes);
    ASSERT_EQ(VT_ARRAY | VT_UI1, array.vt);
    EXPECT_EQ(2u, array.parray->rgsabound[0].cElements);
    EXPECT_EQ(0xFF, static_cast<const BYTE*>(array.parray->pvData)[1]);
}

TEST(OleVariant, ChangesTypeOrThrows)
{
    COleVariant var(1.5);
    var.ChangeType(VT_I4);
    EXPECT_EQ(VT_I4, var.vt);
    EXPECT_EQ(2, var.lVal);  // banker's rounding of the system's conversion

    COleVariant text("12.5");
    COleVariant number;
    number.ChangeType(VT_R8, text);
    EXPECT_EQ(12.5, number.dblVal);
    EXPECT_EQ(VT_BSTR, text.vt);

    COleVariant word("abc");
    try {
        word.ChangeType(VT_I4);
        ADD_FAILURE() << "no exception";
    } catch (COleException* e) {
        EXPECT_EQ(DISP_E_TYPEMISMATCH, e->m_sc);
        e->Delete();
    }
    word.Clear();
    EXPECT_EQ(VT_EMPTY, word.vt);
}

TEST(OleVariant, CurrencyAndDateFromVariants)
{
    const COleCurrency cur(COleVariant("12.5"));
    EXPECT_EQ(COleCurrency::valid, cur.GetStatus());
    EXPECT_EQ(125000, cur.m_cur.int64);
    EXPECT_EQ(COleCurrency::invalid, COleCurrency(COleVariant("abc")).GetStatus());

    const COleDateTime date(COleVariant(COleDateTime(2026, 3, 4, 5, 6, 7)));
    EXPECT_EQ(COleDateTime(2026, 3, 4, 5, 6, 7), date);
    COleVariant null;
    null.vt = VT_NULL;
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(static_cast<const VARIANT&>(null)).GetStatus());
}

}  // namespace
