// Printing of the form screen on the "PDF" printer.
#include <dlgs.h>
#include <algorithm>
#include <cstring>

#include "mirtbaseprtfrm.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "pdf_printer.h"
#include "resource.h"
#include "sampledata.h"
#include "tolvane_fixture.h"

namespace {

class TolvanePrintTest : public TolvaneTest
{
protected:
    // The invoice as a launcher start shows it, with nPages pages.
    void StartWithPages(int nPages)
    {
        WriteSampleData();
        m_app.m_nLayoutID = 9002;
        m_app.m_bSampleExists = 1;
        AddTemplate();
        NewDocument();
        m_app.PumpPending();
        for (int i = 1; i < nPages; ++i)
            ASSERT_TRUE(View()->AddPage(-1));
    }
    // The paper that matching leaves in the application's settings for a
    // form of that size.
    DEVMODEA MatchedFor(int nWidth, int nHeight)
    {
        View()->m_rectForm.SetRect(0, 0, nWidth, nHeight);
        EXPECT_TRUE(View()->MatchPrinterPaper());
        PRINTDLGA pd = {};
        EXPECT_TRUE(m_app.GetPrinterDeviceDefaults(&pd));
        DEVMODEA mode = *static_cast<DEVMODEA*>(GlobalLock(pd.hDevMode));
        GlobalUnlock(pd.hDevMode);
        return mode;
    }

    // A title of its own for the next job of the document.
    std::string NewJobTitle(const char* pszName)
    {
        const std::string title = PrintJobTitle(pszName);
        Doc()->SetTitle(title.c_str());
        return title;
    }

    // The form printed at once as a job of its own, its first page read
    // back at nDpi; an empty image (and a failure) when none came out.
    GrayImage PrintedPage(const char* pszName, int nDpi)
    {
        const std::string title = NewJobTitle(pszName);
        View()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        m_app.PumpPending();
        const std::string pdf = WaitForPrintedPdf(title);
        EXPECT_FALSE(pdf.empty()) << "no PDF for " << title;
        return pdf.empty() ? GrayImage() : RasterizePdf(pdf, nDpi);
    }

    // The print command with the copies given in the print dialog.
    void PrintWithCopies(int nCopies)
    {
        ModalScript script;
        script.ExpectDialog([nCopies](CWnd* pModal) {
            pModal->SetDlgItemInt(edt3, static_cast<UINT>(nCopies), FALSE);
            ModalScript::Click(pModal, IDOK);
        });
        View()->SendMessage(WM_COMMAND, ID_PRINT_FORM);
        m_app.PumpPending();
    }
};

// The sheets of a printed PDF: its page objects.
int SheetCount(const std::string& pdf)
{
    const std::string bytes = ReadFileBytes(pdf);
    int nSheets = 0;
    for (const char* pszKey : {"/Type/Page", "/Type /Page"}) {
        for (size_t at = bytes.find(pszKey); at != std::string::npos; at = bytes.find(pszKey, at + 1)) {
            const size_t end = at + strlen(pszKey);
            if (end < bytes.size() && bytes[end] != 's')
                ++nSheets;
        }
    }
    return nSheets;
}

TEST_F(TolvanePrintTest, MatchingSetsTheApplicationsPrinterPaper)
{
    AddTemplate();
    NewDocument();
    DEVMODEA mode = MatchedFor(2970, 2100);
    EXPECT_EQ(DMORIENT_LANDSCAPE, mode.dmOrientation);
    EXPECT_EQ(DMPAPER_A4, mode.dmPaperSize);
    mode = MatchedFor(2102, 2968);
    EXPECT_EQ(DMORIENT_PORTRAIT, mode.dmOrientation);
    EXPECT_EQ(DMPAPER_A4, mode.dmPaperSize);
}

TEST_F(TolvanePrintTest, EveryPageIsPrintedOncePerCopy)
{
    StartWithPages(2);
    PdfPrinterLock lock;
    const std::string title = NewJobTitle("TolvaneCopies");
    PrintWithCopies(2);
    const std::string pdf = WaitForPrintedPdf(title);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(4, SheetCount(pdf));
    EXPECT_EQ(nullptr, View()->m_pJobFrame);
}

TEST_F(TolvanePrintTest, OnlyBlankPaperCarriesTheFormsLines)
{
    StartWithPages(1);
    PdfPrinterLock lock;
    double adMean[2] = {};
    for (int nKind : {0, 1}) {
        View()->m_nPaperKind = nKind;
        const GrayImage image = PrintedPage("TolvanePaper", 30);
        ASSERT_GT(image.width, 0);
        adMean[nKind] = image.mean(0, 0, image.width, image.height);
    }
    EXPECT_LT(adMean[1], adMean[0] - 1.0) << "stationery " << adMean[0] << ", blank " << adMean[1];
}

// The dotted frame of the form is played over blank paper only.
TEST_F(TolvanePrintTest, CutLinesAreDrawnOnBlankPaperOnly)
{
    StartWithPages(1);
    WriteCropMarkPictures(Path("\\DATA\\META").c_str());
    PdfPrinterLock lock;
    // Paper kind and cut-line kind of each job.
    const int anJob[4][2] = {{0, 2}, {0, 0}, {1, 2}, {1, 0}};
    double adMean[4] = {};
    for (int i = 0; i < 4; ++i) {
        View()->m_nPaperKind = anJob[i][0];
        View()->m_nCutLineKind = anJob[i][1];
        const GrayImage image = PrintedPage("TolvaneCutLines", 30);
        ASSERT_GT(image.width, 0);
        adMean[i] = image.mean(0, 0, image.width, image.height);
    }
    EXPECT_DOUBLE_EQ(adMean[1], adMean[0]) << "stationery shows no cut lines";
    EXPECT_LT(adMean[2], adMean[3]) << "blank with frame " << adMean[2] << ", without " << adMean[3];
}

// The top-left corner of the ink of a page, in pixels.
CPoint InkCorner(const GrayImage& image)
{
    CPoint corner(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) < 128) {
                corner.x = std::min<LONG>(corner.x, x);
                corner.y = std::min<LONG>(corner.y, y);
            }
        }
    }
    return corner;
}

// The print offsets move the whole printout, the entered data on
// stationery and the form on blank paper, by their millimetres.
TEST_F(TolvanePrintTest, OffsetsMoveThePrintout)
{
    StartWithPages(1);
    PdfPrinterLock lock;
    const int nDpi = 50;
    for (int nKind : {0, 1}) {
        SCOPED_TRACE(nKind);
        View()->m_nPaperKind = nKind;
        CPoint corners[2];
        const int anOffset[2][2] = {{0, 0}, {20, 10}};
        for (int i = 0; i < 2; ++i) {
            View()->m_nLeftOffset = anOffset[i][0];
            View()->m_nTopOffset = anOffset[i][1];
            const GrayImage image = PrintedPage("TolvaneOffsets", nDpi);
            ASSERT_GT(image.width, 0);
            corners[i] = InkCorner(image);
            ASSERT_LT(corners[i].x, image.width) << "no ink";
        }
        const CSize moved = corners[1] - corners[0];
        EXPECT_NEAR(20 * nDpi / 25.4, moved.cx, 2.0);
        EXPECT_NEAR(10 * nDpi / 25.4, moved.cy, 2.0);
    }
}

// Pages times copies past the print loop's 16-bit page numbers would wrap:
// the job is refused before its first page.
TEST_F(TolvanePrintTest, TooManyCopiesAreRefused)
{
    StartWithPages(2);
    PdfPrinterLock lock;
    NewJobTitle("TolvaneTooMany");
    MessageBoxRecorder boxes;
    PrintWithCopies(40000);
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("印刷するページ数が多すぎます。ページ範囲または部数を減らしてください。", boxes.shown()[0].text);
    EXPECT_EQ(nullptr, View()->m_pJobFrame);
}

// A form whose layout the job cannot take (a registered form that did not
// load) is refused before its first sheet, and the job frame is gone.
TEST_F(TolvanePrintTest, JobWithoutTheFormsLayoutIsCancelled)
{
    WriteSampleData();
    {
        MessageBoxRecorder loadBoxes;   // the registered form's file is missing
        m_app.m_nLayoutID = 40000;
        m_app.m_bSampleExists = 0;
        AddTemplate();
        NewDocument();
        m_app.PumpPending();
    }
    ASSERT_FALSE(Doc()->m_pPrtFrm->IsPrintForm());
    PdfPrinterLock lock;
    NewJobTitle("TolvaneNoLayout");
    MessageBoxRecorder boxes;
    View()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    m_app.PumpPending();
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("印刷ﾌﾟﾚﾋﾞｭｰ作成／印刷に失敗しました。", boxes.shown()[0].text);
    EXPECT_EQ(nullptr, View()->m_pJobFrame);
}

}  // namespace
