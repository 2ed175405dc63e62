// The print options dialog and commands of the form screen, its print and
// printer-selection dialogs, driven by real messages: values checked before
// anything is taken, the options stored under the form's layout and taken
// back at the next form load.
#include <string>

#include "modal_script.h"
#include "msgbox_recorder.h"
#include "printing/orgprintdialog.h"
#include "printing/prnoffset.h"
#include "printing/prnopt.h"
#include "resource.h"
#include "tolvane_fixture.h"

#include <dlgs.h>

namespace {

void ScrollOptionBar(CWnd* pDialog, int nBar, UINT nCode, int nTimes = 1)
{
    for (int i = 0; i < nTimes; ++i)
        pDialog->SendMessage(WM_HSCROLL, MAKEWPARAM(nCode, 0), reinterpret_cast<LPARAM>(pDialog->GetDlgItem(nBar)->m_hWnd));
}

bool OptionEnabled(CWnd* pDialog, int nID)
{
    return pDialog->GetDlgItem(nID)->IsWindowEnabled() != FALSE;
}

std::string OptionText(CWnd* pDialog, int nID)
{
    CString strText;
    pDialog->GetDlgItemText(nID, strText);
    return std::string(strText);
}

class PrintOptionsTest : public TolvaneTest
{
protected:
    void SetUp() override
    {
        TolvaneTest::SetUp();
        StartOn(9002);
    }
    // The stored record of the invoice, read from the file; null when
    // there is none.
    const CPrnOpt* StoredRecord()
    {
        return m_stored.LoadFile() ? m_stored.Lookup(9002) : nullptr;
    }

    CPrnOptMap m_stored;
};

}  // namespace

// Blank paper, scale, lines and offsets chosen through the controls: the
// view, the print frame, "PrnOffset.dat" and the stored record take them.
TEST_F(PrintOptionsTest, DialogValuesGoToTheViewAndTheFiles)
{
    ModalScript script;
    script.ExpectDialog([](CWnd* pDialog) {
        EXPECT_FALSE(OptionEnabled(pDialog, IDC_OPT_SCALE));
        EXPECT_FALSE(OptionEnabled(pDialog, IDC_OPT_DOTTED));
        ModalScript::Click(pDialog, IDC_OPT_BLANK);
        EXPECT_TRUE(OptionEnabled(pDialog, IDC_OPT_SCALE));
        EXPECT_TRUE(OptionEnabled(pDialog, IDC_OPT_DOTTED));
        EXPECT_TRUE(OptionEnabled(pDialog, IDC_OPT_SCALE_LABEL));
        // The spin's up arrow raises the scale.
        int nLower = 0;
        int nUpper = 0;
        pDialog->GetDlgItem(IDC_OPT_SCALE_SPIN)
            ->SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
        EXPECT_EQ(50, nLower);
        EXPECT_EQ(200, nUpper);
        pDialog->SetDlgItemText(IDC_OPT_SCALE, "150");
        ModalScript::Click(pDialog, IDC_OPT_DOTTED);
        ModalScript::Click(pDialog, IDC_OPT_MONOCHROME);
        ScrollOptionBar(pDialog, IDC_OPT_LEFT_BAR, SB_LINERIGHT, 3);
        ScrollOptionBar(pDialog, IDC_OPT_TOP_BAR, SB_PAGELEFT);
        ScrollOptionBar(pDialog, IDC_OPT_TOP_BAR, SB_PAGELEFT, 3);   // held at -30
        ScrollOptionBar(pDialog, IDC_OPT_TOP_BAR, SB_LINERIGHT);
        EXPECT_EQ("3", OptionText(pDialog, IDC_OPT_LEFT));
        EXPECT_EQ("-29", OptionText(pDialog, IDC_OPT_TOP));
        ModalScript::Click(pDialog, IDOK);
    });
    Command(ID_PRINT_OPTIONS);
    EXPECT_EQ(1, View()->m_nPaperKind);
    EXPECT_EQ(150, View()->m_nScale);
    EXPECT_EQ(0, View()->m_nRuledLineColor);
    EXPECT_EQ(2, View()->m_nCutLineKind);
    EXPECT_EQ(3, View()->m_nLeftOffset);
    EXPECT_EQ(-29, View()->m_nTopOffset);
    EXPECT_EQ(std::string("\x03\x00\x00\x00\xE3\xFF\xFF\xFF", 8), ReadFileBytes(Path(PRNOFFSET_FILE)));
    const CPrnOpt* pStored = StoredRecord();
    ASSERT_NE(nullptr, pStored);
    EXPECT_EQ(1, pStored->m_nPaperKind);
    EXPECT_EQ(150, pStored->m_nScale);
    EXPECT_EQ(2, pStored->m_nCutLineKind);
    EXPECT_EQ(-29, pStored->m_nTopOffset);
    EXPECT_EQ(1, pStored->m_nAutoPaper);
}

// A scale out of range keeps the dialog open with nothing taken: no
// offsets in the view, no "PrnOffset.dat", no record.
TEST_F(PrintOptionsTest, OutOfRangeValuesTakeNothing)
{
    ModalScript script;
    MessageBoxRecorder boxes;
    script.ExpectDialog([&](CWnd* pDialog) {
        ModalScript::Click(pDialog, IDC_OPT_BLANK);
        pDialog->SetDlgItemText(IDC_OPT_SCALE, "300");
        ScrollOptionBar(pDialog, IDC_OPT_LEFT_BAR, SB_PAGERIGHT);
        ModalScript::Click(pDialog, IDOK);
        EXPECT_EQ(1u, boxes.shown().size());
        EXPECT_TRUE(pDialog->IsWindowVisible());
        EXPECT_EQ(0, View()->m_nLeftOffset);
        ModalScript::Click(pDialog, IDCANCEL);
    });
    Command(ID_PRINT_OPTIONS);
    EXPECT_EQ(0, View()->m_nPaperKind);
    EXPECT_EQ(100, View()->m_nScale);
    EXPECT_EQ(0, View()->m_nLeftOffset);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(Path(PRNOFFSET_FILE).c_str()));
    EXPECT_EQ(nullptr, StoredRecord());
}

// A form printed only on its stationery offers no blank paper; a document
// of an older product offers no line choices.
TEST_F(PrintOptionsTest, StationeryOnlyAndOlderDocumentsLimitTheChoices)
{
    View()->m_dwSheetValue = 1;
    View()->m_nPaperKind = 1;
    Doc()->m_cVersion = 0;
    ModalScript script;
    script.ExpectDialog([](CWnd* pDialog) {
        EXPECT_FALSE(OptionEnabled(pDialog, IDC_OPT_BLANK));
        EXPECT_EQ(BST_CHECKED, pDialog->IsDlgButtonChecked(IDC_OPT_STATIONERY));
        EXPECT_FALSE(OptionEnabled(pDialog, IDC_OPT_SCALE));
        ModalScript::Click(pDialog, IDCANCEL);
    });
    Command(ID_PRINT_OPTIONS);
    View()->m_dwSheetValue = 0;
    script.ExpectDialog([](CWnd* pDialog) {
        ModalScript::Click(pDialog, IDC_OPT_BLANK);
        EXPECT_TRUE(OptionEnabled(pDialog, IDC_OPT_SCALE));
        EXPECT_FALSE(OptionEnabled(pDialog, IDC_OPT_MONOCHROME));
        EXPECT_FALSE(OptionEnabled(pDialog, IDC_OPT_CROP_MARKS));
        ModalScript::Click(pDialog, IDCANCEL);
    });
    Command(ID_PRINT_OPTIONS);
    EXPECT_TRUE(View()->m_bRestricted);
}

// Automatic paper selection is stored with the form and comes back at
// its next load, whatever the view held.
TEST_F(PrintOptionsTest, StoredOptionsComeBackWithTheForm)
{
    ASSERT_EQ(1, View()->m_nAutoPaper);
    View()->m_nLeftOffset = 7;
    Command(ID_AUTO_PAPER_SIZE);
    EXPECT_EQ(0, View()->m_nAutoPaper);
    const CPrnOpt* pStored = StoredRecord();
    ASSERT_NE(nullptr, pStored);
    EXPECT_EQ(0, pStored->m_nAutoPaper);
    EXPECT_EQ(7, pStored->m_nLeftOffset);
    View()->m_nLeftOffset = 0;
    Doc()->UpdateAllViews(nullptr, 0);
    EXPECT_EQ(0, View()->m_nAutoPaper);
    EXPECT_EQ(7, View()->m_nLeftOffset);
}

// Copies and collation typed into the print dialog are the program's;
// the printer is left one copy.
TEST_F(PrintOptionsTest, PrintDialogKeepsTheCopiesForTheProgram)
{
    COrgPrintDialog dlg(FALSE, PD_NOSELECTION | PD_HIDEPRINTTOFILE);
    ModalScript script;
    script.ExpectDialog([](CWnd* pDialog) {
        pDialog->SetDlgItemText(edt3, "3");
        pDialog->CheckDlgButton(chx2, BST_CHECKED);
        ModalScript::Click(pDialog, IDOK);
    });
    ASSERT_EQ(IDOK, m_app.DoPrintDialog(&dlg));
    EXPECT_EQ(3, dlg.m_nCopies);
    EXPECT_TRUE(dlg.m_bCollate);
    EXPECT_EQ(1, dlg.m_pd.nCopies);
}

// The printer selection hides paper and orientation while the paper is
// chosen automatically, and shows them otherwise.
TEST_F(PrintOptionsTest, PrinterSelectionShowsPaperOnlyWithoutAutomaticPaper)
{
    ModalScript script;
    for (int nAuto : {1, 0}) {
        View()->m_nAutoPaper = nAuto;
        script.ExpectDialog([nAuto](CWnd* pDialog) {
            CString strTitle;
            pDialog->GetWindowText(strTitle);
            EXPECT_EQ("プリンタの選択", std::string(strTitle));
            CWnd* pSize = pDialog->GetDlgItem(cmb2);
            ASSERT_NE(nullptr, pSize);
            EXPECT_EQ(nAuto == 0, pSize->IsWindowVisible() != FALSE);
            ModalScript::Click(pDialog, IDCANCEL);
        });
        Command(ID_FILE_PRINT_SETUP);
    }
}
