// The picture chooser, answered through the modal seam: it lists the BMP
// and JPEG files of the default picture folder, previews the selection and
// gives the chosen path.
#include <gtest/gtest.h>

#include <mirtenv.h>
#include <picsel.h>

#include <string>
#include <vector>

#include "canvas.h"
#include "jpeg_fixture.h"
#include "modal_script.h"
#include "paldib.h"
#include "test_paths.h"

namespace {

class PicSelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        m_folder = m_root + "\\DATA\\Defbmp\\";
        ::CreateDirectoryA((m_root + "\\DATA").c_str(), nullptr);
        ::CreateDirectoryA(m_folder.c_str(), nullptr);
        WriteBytes(m_folder + "photo.jpg", kRedBlueJpeg, kRedBlueJpegSize);
        CString converted;
        ASSERT_EQ(1, CPalDIB::ConvertToTempBmp(converted, (m_folder + "photo.jpg").c_str()));
        ASSERT_TRUE(::MoveFileA(converted, (m_folder + "flat.bmp").c_str()));
        WriteBytes(m_folder + "notes.txt", "text", 4);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    std::string m_root;
    std::string m_folder;
};

HWND ListOf(CWnd* pDialog)
{
    return ::FindWindowExA(pDialog->GetSafeHwnd(), nullptr, "ListBox", nullptr);
}

std::vector<std::string> Listed(HWND hList)
{
    std::vector<std::string> names;
    const int count = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char name[MAX_PATH] = {};
        ::SendMessageA(hList, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
        names.push_back(name);
    }
    return names;
}

void Select(CWnd* pDialog, const char* name)
{
    HWND hList = ListOf(pDialog);
    ::SendMessageA(hList, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hList), LBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

TEST_F(PicSelTest, ListsPicturesPreviewsTheSelectionAndGivesItsPath)
{
    ModalScript script;
    std::vector<std::string> listed;
    COLORREF jpegLeft = 0, jpegRight = 0, bmpLeft = 0;
    script.ExpectDialog([&](CWnd* pModal) {
        CPicSel* pChooser = static_cast<CPicSel*>(pModal);
        listed = Listed(ListOf(pModal));
        MemoryCanvas bmp(100, 100);
        Select(pModal, "flat.bmp");
        pChooser->DrawPreview(CDC::FromHandle(bmp.dc()), {0, 0, 100, 100});
        bmpLeft = bmp.pixel(20, 50);
        MemoryCanvas jpeg(100, 100);
        Select(pModal, "photo.jpg");
        pChooser->DrawPreview(CDC::FromHandle(jpeg.dc()), {0, 0, 100, 100});
        jpegLeft = jpeg.pixel(20, 50);
        jpegRight = jpeg.pixel(80, 50);
        ModalScript::Click(pModal, IDOK);
    });
    CPicSel chooser;
    EXPECT_EQ(IDOK, chooser.DoModal());
    EXPECT_EQ((std::vector<std::string>{"flat.bmp", "photo.jpg"}), listed);
    EXPECT_TRUE(Near(bmpLeft, RGB(255, 0, 0)));
    EXPECT_TRUE(Near(jpegLeft, RGB(255, 0, 0)));
    EXPECT_TRUE(Near(jpegRight, RGB(0, 0, 255)));
    EXPECT_EQ(m_folder + "photo.jpg", static_cast<LPCSTR>(chooser.GetDrawPicPath()));
}

TEST_F(PicSelTest, OkWithoutASelectionKeepsTheDialogAndCancelChoosesNothing)
{
    ModalScript script;
    bool stillOpen = false;
    script.ExpectDialog([&](CWnd* pModal) {
        ModalScript::Click(pModal, IDOK);
        stillOpen = pModal->ContinueModal() != FALSE;
        Select(pModal, "flat.bmp");
        ModalScript::Click(pModal, IDCANCEL);
    });
    CPicSel chooser;
    EXPECT_EQ(IDCANCEL, chooser.DoModal());
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(chooser.GetDrawPicPath().IsEmpty());
}

}  // namespace
