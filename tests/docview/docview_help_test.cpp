// The application's help commands and the help viewer's requests.
#include <stdlib.h>
#include <string.h>

#include "docview_app.h"
#include "help_recorder.h"
#include "msgbox_recorder.h"

namespace {

const char kHelpFailed[] = "ヘルプを起動できませんでした。";

void ReplaceHelpFile(CWinApp& app, const char* pszPath)
{
    free(const_cast<LPSTR>(app.m_pszHelpFilePath));
    app.m_pszHelpFilePath = pszPath != nullptr ? _strdup(pszPath) : nullptr;
}

}  // namespace

TEST_F(DocViewTest, HelpCommandsOpenTheHelpFilesContentsOrFinderForTheMainWindow)
{
    NewDocument();
    ReplaceHelpFile(m_app, "C:\\vora\\exe\\DevEdiz.hlp");
    const struct {
        UINT nID;
        UINT nCmd;
    } cases[] = {
        {57667, HELP_FINDER},     // the help menu's finder item
        {57670, HELP_CONTENTS},   // F1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nID);
        HelpRecorder viewer;
        EXPECT_TRUE(Frame()->SendMessage(WM_COMMAND, c.nID));
        ASSERT_EQ(1u, viewer.requests().size());
        EXPECT_EQ(Frame()->m_hWnd, viewer.requests()[0].owner);
        EXPECT_EQ("C:\\vora\\exe\\DevEdiz.hlp", viewer.requests()[0].file);
        EXPECT_EQ(c.nCmd, viewer.requests()[0].command);
        EXPECT_EQ(0u, viewer.requests()[0].data);
    }
}

TEST_F(DocViewTest, HelpWithoutAFileOrViewerSaysSoAndAsksNoViewerForAnEmptyPath)
{
    const struct {
        const char* pszPath;
        BOOL bViewerStarts;
        bool bViewerAsked;
        const char* pszMessage;
    } cases[] = {
        {"C:\\vora\\exe\\DevEdiz.hlp", TRUE, true, nullptr},
        {"C:\\vora\\exe\\DevEdiz.hlp", FALSE, true, kHelpFailed},
        {"", TRUE, false, kHelpFailed},
        {nullptr, TRUE, false, kHelpFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.pszPath != nullptr ? c.pszPath : "(null)") << " starts "
                                        << c.bViewerStarts);
        ReplaceHelpFile(m_app, c.pszPath);
        HelpRecorder viewer(c.bViewerStarts);
        MessageBoxRecorder messages;
        m_app.WinHelp(42, HELP_CONTEXT);
        ASSERT_EQ(c.bViewerAsked ? 1u : 0u, viewer.requests().size());
        if (c.bViewerAsked) {
            EXPECT_EQ(nullptr, viewer.requests()[0].owner);   // no main window yet
            EXPECT_EQ(c.pszPath, viewer.requests()[0].file);
            EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), viewer.requests()[0].command);
            EXPECT_EQ(42u, viewer.requests()[0].data);
        }
        ASSERT_EQ(c.pszMessage != nullptr ? 1u : 0u, messages.shown().size());
        if (c.pszMessage != nullptr) {
            EXPECT_EQ(c.pszMessage, messages.shown()[0].text);
        }
    }
}
