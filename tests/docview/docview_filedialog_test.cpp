// The file dialogs of Open and Save As, answered through the modal seam.
#include <string>

#include "docview_app.h"
#include <dlgs.h>
#include "modal_script.h"
#include "test_paths.h"

namespace {

// Types the name into the explorer dialog's file name field and presses OK.
void ChooseFile(CWnd* pDialog, const std::string& path)
{
    HWND hName = ::GetDlgItem(pDialog->m_hWnd, cmb13);
    if (hName == nullptr)
        hName = ::GetDlgItem(pDialog->m_hWnd, edt1);
    ASSERT_NE(nullptr, hName) << "no file name field";
    ::SetWindowTextA(hName, path.c_str());
    ModalScript::Click(pDialog, IDOK);
}

}  // namespace

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
            ChooseFile(pDialog, first);
        });
        EXPECT_TRUE(Doc()->DoSave(nullptr));
    }
    EXPECT_EQ(first, std::string(Doc()->GetPathName()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(first.c_str()));
    ASSERT_TRUE(::CopyFileA(first.c_str(), second.c_str(), FALSE));

    m_app.OnFileNew();
    {
        ModalScript script;
        script.ExpectDialog([&](CWnd* pDialog) { ChooseFile(pDialog, second); });
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
