// The start arguments: "/L:" from the launcher, "/E:" with the conversion
// text, a file path, and what ends the program.
#include "msgbox_recorder.h"
#include "tolvane_fixture.h"

namespace {

const char kBadID[] = "レイアウトIDが不正です";
const char kFromLauncher[] = "voraメイン画面から起動してください";

struct StartCase
{
    const char* pszArgs;
    int nResult;
    int nLayoutID;
    int bSampleExists;
    int bExternalImport;
    const char* pszConvText;
    const char* pszMessage;   // null: none
};

const StartCase kCases[] = {
    {" /L:9001", CTolvaneApp::START_FRAMEWORK, 9001, 1, 0, "", nullptr},
    {" /L:12", CTolvaneApp::START_FRAMEWORK, 12, 0, 0, "", nullptr},
    {"/L:  9002xyz", CTolvaneApp::START_FRAMEWORK, 9002, 1, 0, "", nullptr},
    {" /L:0", CTolvaneApp::START_STOP, 0, 0, 0, "", kBadID},
    {" /L:-4", CTolvaneApp::START_STOP, 0, 0, 0, "", kBadID},
    {" /L:abc", CTolvaneApp::START_STOP, 0, 0, 0, "", kBadID},
    {" /L:99999999999", CTolvaneApp::START_FRAMEWORK, 2147483647, 0, 0, "", nullptr},
    {"/E:7 /L:5", CTolvaneApp::START_FRAMEWORK, 5, 0, 0, "", nullptr},
    {"/E:9", CTolvaneApp::START_FRAMEWORK, 9, 0, 1, "", nullptr},
    {"/E:9001", CTolvaneApp::START_FRAMEWORK, 9001, 0, 1, "", nullptr},
    {"/E:9 /:Sabc@:E", CTolvaneApp::START_FRAMEWORK, 9, 0, 1, "abc", nullptr},
    {"/E:9 /:Sa b c@:E rest", CTolvaneApp::START_FRAMEWORK, 9, 0, 1, "a b c", nullptr},
    {"/E:9 /:Sabc", CTolvaneApp::START_FRAMEWORK, 9, 0, 1, "", nullptr},
    {"/E:0 /:Sabc@:E", CTolvaneApp::START_STOP, 0, 0, 0, "", kBadID},
    {"", CTolvaneApp::START_STOP, 0, 0, 0, "", kFromLauncher},
    {"C:\\帳票\\a.qmt", CTolvaneApp::START_FRAMEWORK, 0, 0, 0, "", nullptr},
    {"C:\\my forms\\a.qmt", CTolvaneApp::START_PATH_BLANKS, 0, 0, 0, "", nullptr},
    {"\"C:\\my forms\\a.qmt\"", CTolvaneApp::START_PATH_BLANKS, 0, 0, 0, "", nullptr},
};

class StartArgsTest : public TolvaneTest, public testing::WithParamInterface<StartCase>
{
};

}  // namespace

TEST_P(StartArgsTest, ParsesTheArguments)
{
    WriteSampleData();
    const StartCase& c = GetParam();
    MessageBoxRecorder boxes;
    EXPECT_EQ(c.nResult, m_app.ParseStartArgs(c.pszArgs));
    EXPECT_EQ(c.nLayoutID, m_app.m_nLayoutID);
    EXPECT_EQ(c.bSampleExists, m_app.m_bSampleExists);
    EXPECT_EQ(c.bExternalImport, m_app.m_bExternalImport);
    EXPECT_EQ(std::string(c.pszConvText), static_cast<LPCSTR>(m_app.m_strConvText));
    if (c.pszMessage == nullptr) {
        EXPECT_TRUE(boxes.shown().empty());
    } else {
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ(c.pszMessage, boxes.shown()[0].text);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StartArgsTest, testing::ValuesIn(kCases));

TEST_F(TolvaneTest, SamplePathIsUnderTheInstallRoot)
{
    EXPECT_EQ(Root() + "\\DATA\\SAMPLES\\S12.qmt", static_cast<LPCSTR>(CTolvaneApp::SamplePath(12)));
}
