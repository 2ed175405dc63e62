// User registration: the fifteen auto-input files written byte for byte,
// read back into the dialog's parts, and the first-run marker.
#include <fstream>
#include <iterator>
#include <string>

#include "autoinput.h"
#include "jpeg_fixture.h"
#include "msgbox_recorder.h"
#include "resource.h"
#include "strelmain_fixture.h"
#include "userinfodlg.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The archive's counted string: one length byte up to 254.
std::string Counted(const std::string& text)
{
    return std::string(1, static_cast<char>(text.size())) + text;
}

UserInfo Entry(const char* zip1, const char* zip2, const char* tel1, const char* tel2, const char* tel3)
{
    UserInfo info;
    info.strName = "山田太郎";
    info.strReading = "やまだたろう";
    info.strCompany = "テッサロ商事";
    info.strDepartment = "総務部";
    info.strZip1 = zip1;
    info.strZip2 = zip2;
    info.strAddress = "東京都1-2ｶﾞｰﾃﾞﾝ";
    info.strTel1 = tel1;
    info.strTel2 = tel2;
    info.strTel3 = tel3;
    info.strFax1 = "03";
    info.strFax2 = "";
    info.strFax3 = "99";
    info.strBank = "みどり銀行";
    info.strCatch = "早い、安い";
    return info;
}

}  // namespace

// A table of entries: the texts of the postcode and telephone files, with
// empty parts, full-width digits and other characters.
TEST(AutoInputTest, FilesHoldTheEnteredTexts)
{
    struct Case
    {
        UserInfo info;
        const char* pszZipHyphen;
        const char* pszTateZip;
        const char* pszZip;
        const char* pszTel;
        const char* pszTateTel;
    };
    const Case cases[] = {
        {Entry("123", "4567", "03", "12", "34"), "123-4567", "一二三-四五六七", "1234567", "03-12-34", "〇三-一二-三四"},
        {Entry("", "", "", "", ""), "", "", "", "", ""},
        {Entry("１２３", "", "", "", "5"), "１２３-", "一二三-", "１２３", "--5", "--五"},
        {Entry("12a", "x", "(03)", "12", "34"), "12a-x", "一二a-x", "12ax", "(03)-12-34", "(〇三)-一二-三四"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszTel);
        AutoInputFile files[AUTO_INPUT_FILE_COUNT];
        MakeAutoInputFiles(c.info, files);
        const char* names[AUTO_INPUT_FILE_COUNT] = {"NAME.AUT", "YOMI.AUT", "COM.AUT", "BUSYO.AUT", "TATEZIP.AUT",
            "ZIPHIFN.AUT", "ZIP.AUT", "TATEADD.AUT", "ADD.AUT", "TATETEL.AUT", "TEL.AUT", "TATEFAX.AUT", "FAX.AUT",
            "KOUZA.AUT", "CATCH.AUT"};
        for (int i = 0; i < AUTO_INPUT_FILE_COUNT; ++i)
            EXPECT_STREQ(names[i], files[i].pszName);
        EXPECT_EQ(c.pszTateZip, std::string(files[4].strText));
        EXPECT_EQ(c.pszZipHyphen, std::string(files[5].strText));
        EXPECT_EQ(c.pszZip, std::string(files[6].strText));
        EXPECT_EQ(c.pszTateTel, std::string(files[9].strText));
        EXPECT_EQ(c.pszTel, std::string(files[10].strText));
        EXPECT_EQ("03--99", std::string(files[12].strText));
        EXPECT_EQ("〇三--九九", std::string(files[11].strText));
    }
}

// The vertical address: full-width minus to "-", digits to kanji numerals,
// letters and half-width katakana to full width, sound marks composed;
// half-width hyphens stay.
TEST(AutoInputTest, VerticalAddress)
{
    const struct
    {
        const char* pszFrom;
        const char* pszTo;
    } cases[] = {
        {"東京都1-2ｶﾞｰﾃﾞﾝ", "東京都一-二ガーデン"},
        {"大阪３－４Ｂ棟", "大阪三-四Ｂ棟"},
        {"Room 5b", "Ｒｏｏｍ 五ｂ"},
        {"ﾊﾟｰｸﾋﾞﾙ", "パークビル"},
        {"ｳﾞｨﾗ", "ウ゛ィラ"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pszTo, std::string(ToVerticalAddress(c.pszFrom))) << c.pszFrom;
}

// Each file is the archive's counted string and nothing else; long texts
// take the 16-bit length.
TEST_F(StrelMainTest, AutoInputFileFormat)
{
    const std::string path = Path("\\DATA\\Other\\NAME.AUT");
    ASSERT_TRUE(WriteAutoInputFile(path.c_str(), "山田"));
    EXPECT_EQ(Counted("山田"), ReadBytes(path));
    const std::string longText(300, 'a');
    ASSERT_TRUE(WriteAutoInputFile(path.c_str(), longText.c_str()));
    EXPECT_EQ(std::string("\xFF\x2C\x01", 3) + longText, ReadBytes(path));
    ASSERT_TRUE(WriteAutoInputFile(path.c_str(), ""));
    EXPECT_EQ(std::string(1, '\0'), ReadBytes(path));
    EXPECT_FALSE(WriteAutoInputFile(Path("\\missing\\NAME.AUT").c_str(), "x"));
}

// OK writes all fifteen files; opened again the dialog shows the parts as
// entered; the first-run marker goes once the files are written.
TEST_F(StrelMainTest, RegistrationWritesAndReadsBack)
{
    const std::string marker = Path("\\DATA\\MyData\\FTtemp.dat");
    WriteBytes(marker, "", 0);
    {
        CUserInfoDlg dlg;
        dlg.m_bFirstRun = TRUE;
        dlg.m_bNextStep = TRUE;
        ASSERT_TRUE(dlg.Create(IDD_USERINFO));
        char ok[32] = {};
        ::GetDlgItemTextA(dlg.GetSafeHwnd(), IDC_USER_OK, ok, sizeof ok);
        EXPECT_STREQ("次へ", ok);
        dlg.m_info = Entry("123", "4567", "03", "12", "34");
        dlg.UpdateData(FALSE);
        dlg.SendMessage(WM_COMMAND, IDC_USER_OK);
        dlg.DestroyWindow();
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(marker.c_str()));
    EXPECT_EQ(Counted("123-4567"), ReadBytes(Path("\\DATA\\Other\\ZIPHIFN.AUT")));
    EXPECT_EQ(Counted("〇三-一二-三四"), ReadBytes(Path("\\DATA\\Other\\TATETEL.AUT")));
    EXPECT_EQ(Counted("東京都一-二ガーデン"), ReadBytes(Path("\\DATA\\Other\\TATEADD.AUT")));
    EXPECT_EQ(Counted("早い、安い"), ReadBytes(Path("\\DATA\\Other\\CATCH.AUT")));

    CUserInfoDlg again;
    ASSERT_TRUE(again.Create(IDD_USERINFO));
    const struct
    {
        int nID;
        const char* pszText;
    } fields[] = {{IDC_USER_NAME, "山田太郎"}, {IDC_USER_ZIP1, "123"}, {IDC_USER_ZIP2, "4567"}, {IDC_USER_TEL1, "03"},
        {IDC_USER_TEL2, "12"}, {IDC_USER_TEL3, "34"}, {IDC_USER_FAX1, "03"}, {IDC_USER_FAX2, ""},
        {IDC_USER_FAX3, "99"}, {IDC_USER_ADDRESS, "東京都1-2ｶﾞｰﾃﾞﾝ"}, {IDC_USER_BANK, "みどり銀行"}};
    for (const auto& field : fields) {
        char text[128] = {};
        ::GetDlgItemTextA(again.GetSafeHwnd(), field.nID, text, sizeof text);
        EXPECT_STREQ(field.pszText, text) << field.nID;
    }
    char ok[32] = {};
    ::GetDlgItemTextA(again.GetSafeHwnd(), IDC_USER_OK, ok, sizeof ok);
    EXPECT_STREQ("OK", ok);
    again.DestroyWindow();
}

// Files that cannot be written are named, the dialog stays open and the
// first-run marker stays for the next start.
TEST_F(StrelMainTest, FailedWritesAreReportedAndKeepTheMarker)
{
    const std::string marker = Path("\\DATA\\MyData\\FTtemp.dat");
    WriteBytes(marker, "", 0);
    ::RemoveDirectoryA(Path("\\DATA\\Other").c_str());
    CUserInfoDlg dlg;
    dlg.m_bFirstRun = TRUE;
    ASSERT_TRUE(dlg.Create(IDD_USERINFO));
    dlg.ShowWindow(SW_SHOW);
    MessageBoxRecorder boxes;
    dlg.SendMessage(WM_COMMAND, IDC_USER_OK);
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_NE(std::string::npos, boxes.shown()[0].text.find("NAME.AUT"));
    EXPECT_NE(std::string::npos, boxes.shown()[0].text.find("CATCH.AUT"));
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(marker.c_str()));
    dlg.DestroyWindow();
}

// A full number box hands the focus on with the next box's text selected.
TEST_F(StrelMainTest, FullNumberBoxesMoveTheFocusOn)
{
    CUserInfoDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_USERINFO));
    dlg.ShowWindow(SW_SHOW);
    const HWND hDlg = dlg.GetSafeHwnd();
    ::SetDlgItemTextA(hDlg, IDC_USER_ZIP2, "98");
    ::SetFocus(::GetDlgItem(hDlg, IDC_USER_ZIP1));
    ::SetDlgItemTextA(hDlg, IDC_USER_ZIP1, "12");
    EXPECT_EQ(::GetDlgItem(hDlg, IDC_USER_ZIP1), ::GetFocus());
    ::SetDlgItemTextA(hDlg, IDC_USER_ZIP1, "123");
    EXPECT_EQ(::GetDlgItem(hDlg, IDC_USER_ZIP2), ::GetFocus());
    DWORD start = 0, end = 0;
    ::SendDlgItemMessageA(hDlg, IDC_USER_ZIP2, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(2u, end);
    ::SetDlgItemTextA(hDlg, IDC_USER_ZIP2, "9876");
    EXPECT_EQ(::GetDlgItem(hDlg, IDC_USER_ADDRESS), ::GetFocus());
    dlg.DestroyWindow();
}

// Readings are appended to the reading box and cut at 40 bytes, never
// inside a double-byte character.
TEST_F(StrelMainTest, ReadingsAreAppendedUpTo40Bytes)
{
    CUserInfoDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_USERINFO));
    const struct
    {
        const char* pszBefore;
        const char* pszReading;
        const char* pszAfter;
    } cases[] = {
        {"", "やまだ", "やまだ"},
        {"やまだ", "たろう", "やまだたろう"},
        {"あいうえおかきくけこさしすせそたちつて", "とな", "あいうえおかきくけこさしすせそたちつてと"},
        {"abcdefghijklmnopqrstuvwxyzabcdefghijklm", "なに", "abcdefghijklmnopqrstuvwxyzabcdefghijklm"},
        {"abcdefghijklmnopqrstuvwxyzabcdefghijkl", "なに", "abcdefghijklmnopqrstuvwxyzabcdefghijklな"},
    };
    for (const auto& c : cases) {
        ::SetDlgItemTextA(dlg.GetSafeHwnd(), IDC_USER_READING, c.pszBefore);
        dlg.AppendReading(c.pszReading);
        char text[64] = {};
        ::GetDlgItemTextA(dlg.GetSafeHwnd(), IDC_USER_READING, text, sizeof text);
        EXPECT_STREQ(c.pszAfter, text) << c.pszBefore;
    }
    dlg.DestroyWindow();
}
