// Postal customer-barcode data: tables worked out by hand from addresses
// and postal codes, the kanji numerals, the address-piece rules, the modes
// and the postal codes that are refused.
#include <gtest/gtest.h>

#include <string>

#include "msgbox_recorder.h"
#include "postalbarcode.h"

namespace {

struct Case
{
    const char* pszIn;
    const char* pszOut;
};

std::string Str(const CString& s)
{
    return static_cast<LPCSTR>(s);
}

TEST(PostalBarcodeTest, AddressesToBarcodeData)
{
    const Case kCases[] = {
        {"中央区本町三丁目５－２", "12345673-5-2"},
        {"１２３", "1234567123"},
        {"１ＡＢ２", "12345671-2"},      // a run of letters is one hyphen
        {"１Ａ２", "12345671A2"},
        {"１ａ２", "12345671A2"},        // lower case counts as upper case
        {"3F5", "12345673-5"},            // a floor between numbers
        {"3F", "12345673"},
        {"F3", "12345673"},
        {"十一丁目", "123456711"},
        {"A-1", "1234567A1"},
        {"1-A", "12345671A"},
        {"1&2", "123456712"},             // marks go without a hyphen
        {"1・2", "123456712"},
        {"1\xA5" "2．3／4", "12345671234"},
        {"1丁2", "12345671-2"},
        {"四番地", "12345674"},           // a numeral whose second byte is a lower-case letter
        {"ア1", "12345671"},              // a letter as second byte is no letter
        {"三郷町二番地十五号", "12345672-15"},
        {"港区", "1234567"},
    };
    for (const Case& c : kCases) {
        const CString strData = CPostalBarcodeData::GetBarCode("1234567", c.pszIn);
        EXPECT_EQ(c.pszOut, Str(strData)) << c.pszIn;
    }
}

TEST(PostalBarcodeTest, KanjiNumeralRuns)
{
    const Case kRuns[] = {
        {"二〇三", "203"}, {"三百五", "305"}, {"二千十", "2010"}, {"百十一", "111"}, {"十", "10"},
        {"千二百三十四", "1234"}, {"九十九", "99"},
    };
    for (const Case& c : kRuns) {
        CString s = c.pszIn;
        EXPECT_EQ(1, CPostalBarcodeData::KansujiToSanyou(s));
        EXPECT_EQ(c.pszOut, Str(s)) << c.pszIn;
    }
    const Case kAddresses[] = {
        {"三丁目", "3丁目"}, {"十一丁目", "11丁目"}, {"二番地", "2番地"}, {"五号", "5号"}, {"七地割", "7地割"},
        {"二線", "2線"}, {"一の二", "1の二"}, {"一ノ二", "1ノ二"}, {"三郷", "三郷"}, {"四", "四"},
    };
    for (const Case& c : kAddresses) {
        CString s = c.pszIn;
        CPostalBarcodeData::CheckKansuji(s);
        EXPECT_EQ(c.pszOut, Str(s)) << c.pszIn;
    }
}

TEST(PostalBarcodeTest, PiecesAndHyphens)
{
    CString s = "ｱ０Ｚｚ－ア";
    CPostalBarcodeData::ZenkakuToHankaku(s);
    EXPECT_EQ("ｱ0Zz-ア", Str(s));
    const Case kPick[] = {{"--1--2--", "1-2-"}, {"AB", ""}, {"X", "X"}, {"1F", "1"}, {"丁目1", "1"}};
    for (const Case& c : kPick) {
        CString in = c.pszIn;
        EXPECT_EQ(c.pszOut, Str(CPostalBarcodeData::PickUpChar(in))) << c.pszIn;
    }
    CString hyphens = "1-A-2-3-B";
    CPostalBarcodeData::GetHifnOff(hyphens);
    EXPECT_EQ("1A2-3B", Str(hyphens));
}

TEST(PostalBarcodeTest, PostalCodesAreNormalisedThenNeedSevenDigits)
{
    const Case kAccepted[] = {{"1234567", "12345671"}, {"123-4567", "12345671"}, {"１２３４５６７", "12345671"},
        {"１２３－４５６７", "12345671"}};
    for (const Case& c : kAccepted) {
        MessageBoxRecorder boxes;
        EXPECT_EQ(c.pszOut, Str(CPostalBarcodeData::GetBarCode(c.pszIn, "1"))) << c.pszIn;
        EXPECT_TRUE(boxes.shown().empty()) << c.pszIn;
    }
    for (const char* pszRefused : {"abcdefg", "123456", "12345678", "123 4567", "", "1234５6a"}) {
        MessageBoxRecorder boxes;
        EXPECT_EQ("", Str(CPostalBarcodeData::GetBarCode(pszRefused, "1"))) << pszRefused;
        ASSERT_EQ(1u, boxes.shown().size()) << pszRefused;
        EXPECT_EQ("7桁の郵便番号を入力して下さい。", boxes.shown()[0].text);
        EXPECT_EQ("郵便番号", boxes.shown()[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), boxes.shown()[0].type);
    }
}

TEST(PostalBarcodeTest, ModesAndEmptyAddress)
{
    MessageBoxRecorder boxes;
    EXPECT_EQ("12345673", Str(CPostalBarcodeData::ForMode(0, "1234567", "3")));
    EXPECT_EQ("12345673", Str(CPostalBarcodeData::ForMode(2, "1234567", "3")));
    EXPECT_EQ("", Str(CPostalBarcodeData::ForMode(1, "1234567", "3")));
    EXPECT_EQ("", Str(CPostalBarcodeData::ForMode(3, "1234567", "3")));
    EXPECT_EQ("", Str(CPostalBarcodeData::ForMode(0, "bad", "")));
    EXPECT_TRUE(boxes.shown().empty()) << "no address: no data and no message";
}

}  // namespace
