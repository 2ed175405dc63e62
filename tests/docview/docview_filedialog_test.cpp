// The file dialogs of Open and Save As, answered through the modal seam.
#include <string>

#include "docview_app.h"
#include "file_dialog.h"
#include "modal_script.h"
#include "test_paths.h"

TEST_F(DocViewTest, OpenAndSaveAsAskForTheFileThroughTheFileDialog)
{
    NewDocument();
    const std::string folder = FreshTestFolder();
    const std::string first = folder + "\\first.dtm";
    const std::string second = folder + "\\second.dtm";
    Doc()->m_strText = "ダイアログ";
    {
        ModalScript script;
        script.ExpectDialog([&](CWnd* pDialog) {
            EXPECT_TRUE(pDialog->IsKindOf(RUNTIME_CLASS(CFileDialog)));
            ChooseFileInDialog(pDialog, first);
        });
        EXPECT_TRUE(Doc()->DoSave(nullptr));
    }
    EXPECT_EQ(first, std::string(Doc()->GetPathName()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(first.c_str()));
    ASSERT_TRUE(::CopyFileA(first.c_str(), second.c_str(), FALSE));

    m_app.OnFileNew();
    {
        ModalScript script;
        script.ExpectDialog([&](CWnd* pDialog) { ChooseFileInDialog(pDialog, second); });
        Frame()->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    }
    EXPECT_EQ(second, std::string(Doc()->GetPathName()));
    EXPECT_EQ("ダイアログ", std::string(Doc()->m_strText));

    // Cancel changes nothing.
    {
        ModalScript script;
        script.ExpectDialog([](CWnd* pDialog) { ModalScript::Click(pDialog, IDCANCEL); });
        Frame()->SendMessage(WM_COMMAND, ID_FILE_OPEN);
    }
    EXPECT_EQ(second, std::string(Doc()->GetPathName()));
}
