// The font dialog, answered through the modal seam.
#include <gtest/gtest.h>
#include <string>

#include "afxcomdlg.h"
#include <dlgs.h>
#include "modal_script.h"

namespace {

// A derived dialog gets the system dialog's messages.
class CProbeFontDialog : public CFontDialog
{
public:
    using CFontDialog::CFontDialog;

    BOOL OnInitDialog() override
    {
        ++m_nInits;
        return CFontDialog::OnInitDialog();
    }

    int m_nInits = 0;
};

int CALLBACK TakeFirstTrueType(const LOGFONTA* plf, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    if (!(dwType & TRUETYPE_FONTTYPE) || plf->lfFaceName[0] == '@')
        return 1;
    lstrcpynA(reinterpret_cast<LOGFONTA*>(lParam)->lfFaceName, plf->lfFaceName, LF_FACESIZE);
    return 0;
}

// A 12-point font of a TrueType family the system has, by the name it lists.
LOGFONTA TwelvePointFont(CDC& dc)
{
    LOGFONTA lf = {};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    ::EnumFontFamiliesExA(dc.GetSafeHdc(), &lf, &TakeFirstTrueType, reinterpret_cast<LPARAM>(&lf), 0);
    EXPECT_NE('\0', lf.lfFaceName[0]) << "no TrueType font";
    lf.lfHeight = -::MulDiv(12, dc.GetDeviceCaps(LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    return lf;
}

// Chooses an entry of a combo box as the user does.
void ChooseInCombo(CWnd* pDialog, int nID, LPCSTR lpszItem)
{
    const HWND hCombo = ::GetDlgItem(pDialog->m_hWnd, nID);
    ASSERT_NE(CB_ERR, ::SendMessageA(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(lpszItem)));
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

std::string ItemText(CWnd* pDialog, int nID)
{
    char text[LF_FACESIZE] = "";
    ::GetDlgItemTextA(pDialog->m_hWnd, nID, text, sizeof text);
    return text;
}

class FontDialogTest : public testing::Test
{
protected:
    void SetUp() override { m_screen.Attach(::GetDC(nullptr)); }
    void TearDown() override { ::ReleaseDC(nullptr, m_screen.Detach()); }

    CDC m_screen;
};

TEST_F(FontDialogTest, StartsOnTheGivenFontAndGivesBackTheChoice)
{
    LOGFONTA initial = TwelvePointFont(m_screen);
    CProbeFontDialog dialog(&initial, CF_EFFECTS | CF_SCREENFONTS | CF_TTONLY);
    dialog.m_cf.rgbColors = RGB(0, 0, 128);
    std::string faceShown;
    std::string sizeShown;
    ModalScript script;
    script.ExpectDialog([&](CWnd* pDialog) {
        EXPECT_EQ(&dialog, pDialog);
        faceShown = ItemText(pDialog, cmb1);
        sizeShown = ItemText(pDialog, cmb3);
        ChooseInCombo(pDialog, cmb3, "14");
        ModalScript::Click(pDialog, chx2);  // underline
        ModalScript::Click(pDialog, IDOK);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1, dialog.m_nInits);
    EXPECT_EQ("12", sizeShown);
    EXPECT_EQ(std::string(initial.lfFaceName), faceShown);
    EXPECT_EQ(faceShown, std::string(dialog.GetFaceName()));
    EXPECT_EQ(140, dialog.GetSize());  // tenths of points
    EXPECT_EQ(-::MulDiv(14, m_screen.GetDeviceCaps(LOGPIXELSY), 72), dialog.m_lf.lfHeight);
    EXPECT_TRUE(dialog.IsUnderline());
    EXPECT_FALSE(dialog.IsStrikeOut());
    EXPECT_FALSE(dialog.IsBold());
    EXPECT_FALSE(dialog.IsItalic());
    EXPECT_EQ(RGB(0, 0, 128), dialog.GetColor());
    LOGFONTA chosen;
    dialog.GetCurrentFont(&chosen);
    EXPECT_EQ(0, memcmp(&chosen, &dialog.m_lf, sizeof chosen));
}

TEST_F(FontDialogTest, CancelKeepsTheStartingFont)
{
    LOGFONTA initial = TwelvePointFont(m_screen);
    CFontDialog dialog(&initial);
    ModalScript script;
    script.ExpectDialog([](CWnd* pDialog) { ModalScript::Click(pDialog, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(0, memcmp(&initial, &dialog.m_lf, sizeof initial));
}

}  // namespace
