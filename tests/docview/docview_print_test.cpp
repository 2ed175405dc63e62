// The print loop of views on the "PDF" printer: the order of the view's
// printing functions, the pages that reach the paper, the range that
// OnBeginPrinting sets, the print dialog (a derived one through the job's
// record) answered through the modal seam, and a missing printer.
#include <new>
#include <string>
#include <vector>

#include "docview_app.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "pdf_printer.h"
#include "test_paths.h"

namespace {

// Mean grey level of the part of the page that bar (out of 100) covers,
// shrunk by a little on each side.
double MeanOfBar(const GrayImage& image, const CRect& bar)
{
    const int w = image.width;
    const int h = image.height;
    return image.mean(w * bar.left / 100 + 2, h * bar.top / 100 + 2, w * bar.right / 100 - 2,
        h * bar.bottom / 100 - 2);
}

// The PDF of the job: page n shows the bar of page n and not that of the next.
void ExpectTwoMemoPages(const std::string& title)
{
    const std::string pdf = WaitForPrintedPdf(title);
    ASSERT_FALSE(pdf.empty()) << "no PDF for " << title;
    for (UINT nPage : {1u, 2u}) {
        SCOPED_TRACE(nPage);
        const GrayImage image = RasterizePdf(pdf, 30, static_cast<int>(nPage));
        ASSERT_GT(image.width, 0);
        EXPECT_LT(MeanOfBar(image, CMemoView::PageBar(nPage)), 60.0);
        EXPECT_GT(MeanOfBar(image, CMemoView::PageBar(nPage + 1)), 200.0);
    }
}

// A print dialog of the application's own, as a form screen has one.
class CCountingPrintDialog : public CPrintDialog
{
public:
    CCountingPrintDialog() : CPrintDialog(FALSE, PD_ALLPAGES | PD_NOSELECTION | PD_HIDEPRINTTOFILE) {}

    int m_nInitDialogs = 0;
    int m_nOKs = 0;
    int m_nPaints = 0;

    BOOL OnInitDialog() override
    {
        ++m_nInitDialogs;
        return CPrintDialog::OnInitDialog();
    }

protected:
    void OnOK() override
    {
        ++m_nOKs;
        CPrintDialog::OnOK();
    }
    afx_msg void OnPaint()
    {
        ++m_nPaints;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingPrintDialog, CPrintDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// A print dialog whose OnInitDialog throws.
class CThrowingPrintDialog : public CPrintDialog
{
public:
    CThrowingPrintDialog() : CPrintDialog(FALSE, PD_ALLPAGES | PD_NOSELECTION | PD_HIDEPRINTTOFILE) {}

    BOOL OnInitDialog() override
    {
        CPrintDialog::OnInitDialog();
        AfxThrowResourceException();
    }
};

}  // namespace

TEST_F(DocViewTest, TwoPagesGoThroughThePrintLoopToThePrinter)
{
    NewDocument();
    const std::string title = PrintJobTitle("DocViewTwoPages");
    Doc()->SetTitle(title.c_str());
    PdfPrinterLock lock;
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    const Log expected = {"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "end"};
    EXPECT_EQ(expected, View()->m_printLog);

    ExpectTwoMemoPages(title);
}

TEST_F(DocViewTest, PagesComeFromTheRangeSetAtBeginPrintingHeldToTheLimits)
{
    NewDocument();
    struct Case
    {
        UINT nPages;
        UINT nFrom;
        UINT nTo;
        UINT nStopAfter;
        Log pages;
    };
    const Case cases[] = {
        {3, 2, 9, 0, {"print 2", "print 3"}},
        {3, 3, 1, 0, {"print 3", "print 2", "print 1"}},
        {4, 0, 0, 2, {"print 1", "print 2"}},
        {0xFFFF, 0, 0, 0, {"print 1"}},   // an unknown page count prints one page
    };
    PdfPrinterLock lock;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPages * 100 + c.nFrom * 10 + c.nTo);
        const std::string title = PrintJobTitle("DocViewRange");
        Doc()->SetTitle(title.c_str());
        View()->m_printLog.clear();
        View()->m_nPages = c.nPages;
        View()->m_nFrom = c.nFrom;
        View()->m_nTo = c.nTo;
        View()->m_nStopAfter = c.nStopAfter;
        Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        Log printed;
        for (const std::string& entry : View()->m_printLog) {
            if (entry.compare(0, 6, "print ") == 0)
                printed.push_back(entry);
        }
        EXPECT_EQ(c.pages, printed);
        EXPECT_EQ("end", View()->m_printLog.back());
        EXPECT_FALSE(WaitForPrintedPdf(title).empty());
    }
}

TEST_F(DocViewTest, APrintDialogOfItsOwnGetsItsMessagesAndCancelPrintsNothing)
{
    NewDocument();
    PdfPrinterLock lock;
    const std::string title = PrintJobTitle("DocViewDialog");
    Doc()->SetTitle(title.c_str());
    {
        CCountingPrintDialog* pDialog = new CCountingPrintDialog;
        View()->m_pOwnDialog = pDialog;
        ModalScript script;
        script.ExpectDialog([pDialog](CWnd* pModal) {
            EXPECT_EQ(pDialog, pModal);
            EXPECT_EQ(1, pDialog->m_nInitDialogs);
            ModalScript::Click(pModal, IDCANCEL);
        });
        Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    }
    EXPECT_EQ(Log{"prepare"}, View()->m_printLog);

    View()->m_printLog.clear();
    CCountingPrintDialog* pDialog = new CCountingPrintDialog;
    View()->m_pOwnDialog = pDialog;
    int nOKs = 0;
    {
        ModalScript script;
        script.ExpectDialog([pDialog, &nOKs](CWnd* pModal) {
            ModalScript::Click(pModal, IDOK);
            nOKs = pDialog->m_nOKs;
        });
        Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    }
    EXPECT_EQ(1, nOKs);
    const Log expected = {"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "end"};
    EXPECT_EQ(expected, View()->m_printLog);
    EXPECT_FALSE(WaitForPrintedPdf(title).empty());
}

// The system's dialog code calls the hook: an exception of OnInitDialog is
// reported there and goes no further; the dialog still answers.
TEST_F(DocViewTest, AThrowingInitDialogOfACommonDialogIsReportedInTheHook)
{
    NewDocument();
    PdfPrinterLock lock;
    View()->m_pOwnDialog = new CThrowingPrintDialog;
    MessageBoxRecorder boxes;
    BOOL bDialogShown = FALSE;
    {
        ModalScript script;
        script.ExpectDialog([&bDialogShown](CWnd* pModal) {
            bDialogShown = TRUE;
            ModalScript::Click(pModal, IDCANCEL);
        });
        Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    }
    EXPECT_TRUE(bDialogShown);
    EXPECT_EQ(1u, boxes.shown().size());
    EXPECT_EQ(Log{"prepare"}, View()->m_printLog);
}

TEST_F(DocViewTest, WithoutItsPrinterNothingIsPrintedAndTheUserIsTold)
{
    NewDocument();
    // The application's printer is one that does not exist.
    UseMissingPrinter();

    MessageBoxRecorder boxes;
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("プリンタが見つかりません。", boxes.shown()[0].text);
    EXPECT_EQ(Log{"prepare"}, View()->m_printLog);
}

namespace {

// Saves a memo of two pages as `name`.dtm in a fresh folder; its path.
std::string SavedMemo(const std::string& name)
{
    const std::string path = FreshTestFolder() + "\\" + name + ".dtm";
    CMemoDoc doc;
    doc.m_bAutoDelete = FALSE;
    doc.m_strText = "印刷";
    EXPECT_TRUE(doc.OnSaveDocument(path.c_str()));
    return path;
}

// Carries out a command line as the program's start does; the program then
// ends, and the quit message it leaves is taken away.
BOOL RunCommandLine(CWinApp& app, const std::string& commandLine)
{
    LPSTR lpOldCmdLine = app.m_lpCmdLine;
    app.m_lpCmdLine = const_cast<LPSTR>(commandLine.c_str());
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    app.m_lpCmdLine = lpOldCmdLine;
    EXPECT_EQ(CCommandLineInfo::FilePrintTo, info.m_nShellCommand);
    const BOOL bResult = app.ProcessShellCommand(info);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    EXPECT_EQ(nullptr, app.m_pCmdInfo);
    return bResult;
}

}  // namespace

TEST_F(DocViewTest, PrintToCommandLinePrintsOnTheNamedPrinter)
{
    const std::string title = PrintJobTitle("DocViewPrintTo");
    const std::string path = SavedMemo(title);
    // The application's own printer does not exist: only the named one can print.
    UseMissingPrinter();
    PdfPrinterLock lock;
    MessageBoxRecorder boxes;
    EXPECT_FALSE(RunCommandLine(m_app, "/pt \"" + path + "\" PDF winspool CUPS:PDF"));
    EXPECT_TRUE(boxes.shown().empty());
    ExpectTwoMemoPages(title);
}

TEST_F(DocViewTest, PrintToAMissingPrinterTellsTheUserAndPrintsNothing)
{
    const std::string path = SavedMemo(PrintJobTitle("DocViewPrintToMissing"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(RunCommandLine(m_app, "/pt \"" + path + "\" NoSuchPrinter winspool NUL:"));
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("プリンタが見つかりません。", boxes.shown()[0].text);
}

namespace {

// The window a print job shows, while it shows it.
HWND PrintingWindow()
{
    return ::FindWindowA("#32770", "印刷中");
}

}  // namespace

// Whichever printing function throws, the document is aborted, the view's
// OnEndPrinting runs once (also when it threw itself), the exception is
// reported once, and the job's window is gone.
TEST_F(DocViewTest, AnExceptionInThePrintLoopEndsTheJobOnceAndIsReported)
{
    NewDocument();
    const struct
    {
        const char* pszThrowAt;
        BOOL bOutOfMemory;
        Log log;
    } cases[] = {
        {"begin", FALSE, {"prepare", "begin", "end"}},
        {"dc 2", FALSE, {"prepare", "begin", "dc 1", "print 1", "dc 2", "end"}},
        {"print 1", TRUE, {"prepare", "begin", "dc 1", "print 1", "end"}},
        {"end", FALSE, {"prepare", "begin", "dc 1", "print 1", "dc 2", "print 2", "end"}},
    };
    PdfPrinterLock lock;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszThrowAt);
        Doc()->SetTitle(PrintJobTitle("DocViewThrows").c_str());
        View()->m_printLog.clear();
        View()->m_onPrintStep = [&c](const std::string& entry) {
            if (entry != c.pszThrowAt)
                return;
            if (c.bOutOfMemory)
                throw std::bad_alloc();
            AfxThrowResourceException();
        };
        MessageBoxRecorder boxes;
        Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        View()->m_onPrintStep = nullptr;
        EXPECT_EQ(c.log, View()->m_printLog);
        EXPECT_EQ(1u, boxes.shown().size());
        EXPECT_EQ(nullptr, PrintingWindow());
        EXPECT_TRUE(Frame()->IsWindowEnabled());
    }
}

// The job shows its window over the disabled main window while it prints;
// Cancel there stops it after the page being printed, without an error.
TEST_F(DocViewTest, CancelInThePrintingWindowStopsTheJob)
{
    NewDocument();
    View()->m_nPages = 3;
    Doc()->SetTitle(PrintJobTitle("DocViewCancel").c_str());
    BOOL bShownOverDisabledFrame = FALSE;
    View()->m_onPrintStep = [&](const std::string& entry) {
        if (entry != "print 1")
            return;
        const HWND hPrinting = PrintingWindow();
        bShownOverDisabledFrame = hPrinting != nullptr && ::IsWindowVisible(hPrinting) && !Frame()->IsWindowEnabled();
        ::PostMessageA(hPrinting, WM_COMMAND, IDCANCEL, 0);
    };
    PdfPrinterLock lock;
    MessageBoxRecorder boxes;
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    View()->m_onPrintStep = nullptr;
    EXPECT_TRUE(bShownOverDisabledFrame);
    EXPECT_EQ((Log{"prepare", "begin", "dc 1", "print 1", "end"}), View()->m_printLog);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(nullptr, PrintingWindow());
    EXPECT_TRUE(Frame()->IsWindowEnabled());
}

// A view that ends the job in OnBeginPrinting gets no document and no
// printing window: OnEndPrinting follows at once.
TEST_F(DocViewTest, AJobEndedAtBeginPrintingStartsNoDocument)
{
    NewDocument();
    View()->m_bStopAtBegin = TRUE;
    Doc()->SetTitle(PrintJobTitle("DocViewStoppedAtBegin").c_str());
    BOOL bPrintingWindowAtEnd = TRUE;
    View()->m_onPrintStep = [&](const std::string& entry) {
        if (entry == "end")
            bPrintingWindowAtEnd = PrintingWindow() != nullptr;
    };
    PdfPrinterLock lock;
    MessageBoxRecorder boxes;
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    View()->m_onPrintStep = nullptr;
    EXPECT_EQ((Log{"prepare", "begin", "end"}), View()->m_printLog);
    EXPECT_FALSE(bPrintingWindowAtEnd);
    EXPECT_TRUE(boxes.shown().empty());
}
