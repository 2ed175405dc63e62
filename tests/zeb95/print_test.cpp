#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "canvas.h"
#include "library/resource.h"
#include "pdf_printer.h"
#include "print/child_print.h"
#include "print/page_render.h"
#include "print/print_job.h"
#include "text_caret_fixture.h"
#include "whiteboard/wb_bmp_items.h"
#include "zeb95.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBack = RGB(255, 255, 200);

// A whiteboard (300 x 200, back colour kBack) with a text item "AB" at
// (10, 10), a red bitmap item of 20 x 10 at (100, 50), a black line along
// the top of (10, 150, 100 x 20) with a pen 1 wide, and the text document
// "AB" (8-pixel bytes) at (150, 100), 140 x 60, with a border.
class PrintPages : public FixedDocs
{
protected:
    void SetUp() override
    {
        FixedDocs::SetUp();
        zebSetBkColor(m_hWb, kBack);
        const LOGFONTA lf = TestFont(20);
        const POINT ptText = {10, 10};
        ASSERT_EQ(0, zebAddText(m_hWb, "AB", &lf, &ptText, FALSE));
        ASSERT_EQ(0, WbAddBmpItem(m_hWb, -1, MakeSolidDib(20, 10, kRed), nullptr, {100, 50}));
        ZebLineCreateInfo line = {};
        line.dwMask = 0xFFFFFFFF;
        line.x = 10;
        line.y = 150;
        line.cx = 100;
        line.cy = 20;
        line.crColor = kBlack;
        line.wDrawForm = ZEBLINE_TOP;
        line.nDrawMode = R2_COPYPEN;
        line.nDrawStyle = PS_SOLID;
        line.nDrawWidth = 1;
        m_hLine = zebCreateObjLine(m_hWb, &line, nullptr);
        ASSERT_NE(nullptr, m_hLine);
        ::SetWindowLongPtrA(m_hDoc, GWL_STYLE, ::GetWindowLongPtrA(m_hDoc, GWL_STYLE) | WS_BORDER);
        ::SetWindowPos(m_hDoc, nullptr, 150, 100, 140, 60, SWP_NOZORDER | SWP_FRAMECHANGED);
        D().head.SetBkColor(kWhite);
        Lay("AB");
    }

    // A black picture of 60 x 40 at (200, 10), stretched; null on failure.
    HWND AddBlackPicture()
    {
        ZebPicCreateInfo info = {};
        info.x = 200;
        info.y = 10;
        info.cx = 60;
        info.cy = 40;
        HWND hPic = zebCreateObjPic(m_hWb, &info, nullptr);
        return hPic != nullptr && zebSetPicture(hPic, FilledBitmap(60, 40, kBlack), nullptr) == 1 ? hPic : nullptr;
    }

    HWND m_hLine = nullptr;
};

struct Resolution
{
    int nDpi;
    POINT offset;  // (50, 30) tenths of a millimetre in device pixels
};

// The page's steps at printer resolutions on a memory canvas: every length
// scaled by dpi / 96 and moved by the offset.
TEST_F(PrintPages, PageStepsAtPrinterResolutions)
{
    for (const Resolution& r : {Resolution{300, {59, 35}}, Resolution{600, {118, 70}}}) {
        SCOPED_TRACE(r.nDpi);
        const auto X = [&](int x) { return x * r.nDpi / 96 + r.offset.x; };
        const auto Y = [&](int y) { return y * r.nDpi / 96 + r.offset.y; };
        MemoryCanvas canvas(X(300) + 10, Y(200) + 10, kWhite);
        const ZebPrintTarget target = {canvas.dc(), {{96, 96}, {r.nDpi, r.nDpi}, r.offset}, {50, 30}};
        ASSERT_EQ(1, PrintWbPageContent(m_hWb, target));
        EXPECT_EQ(kWhite, canvas.pixel(r.offset.x - 2, r.offset.y - 2)) << "outside the page's clip";
        EXPECT_EQ(kBack, canvas.pixel(X(5), Y(5))) << "the back colour";
        EXPECT_EQ(kWhite, canvas.pixel(X(300) + 2, Y(100))) << "clipped to the print rectangle";
        EXPECT_GT(canvas.countInked({X(10), Y(10), X(40), Y(35)}), 0) << "the text item";
        EXPECT_EQ(kRed, canvas.pixel(X(100) + 1, Y(50) + 1)) << "the bitmap item";
        EXPECT_EQ(kRed, canvas.pixel(X(120) - 2, Y(60) - 2));
        EXPECT_EQ(kBack, canvas.pixel(X(120) + 1, Y(55)));
        int nPenRows = 0;
        for (int y = Y(150) - 10; y < Y(150) + 10; ++y)
            nPenRows += canvas.pixel(X(50), y) == kBlack ? 1 : 0;
        EXPECT_EQ(r.nDpi / 96, nPenRows) << "a 1-pixel pen at 96 dpi scaled";
        EXPECT_NE(kBack, canvas.pixel(X(150), Y(130))) << "the document's border";
        EXPECT_EQ(kWhite, canvas.pixel(X(280), Y(150))) << "the document's back colour";
        RECT rcDocText = {X(151), Y(101), X(151 + 16), Y(101 + 16)};
        EXPECT_GT(canvas.countInked(rcDocText), 0) << "the document's text";
    }
}

// The border rings, from the outside in, each one border unit scaled.
TEST_F(PrintPages, BorderRingsAtDeviceScale)
{
    MemoryCanvas canvas(200, 200, kWhite);
    const ZebPrintTarget target = {canvas.dc(), {{96, 96}, {300, 300}, {0, 0}}, {0, 0}};
    RECT rc = {10, 10, 50, 50};
    PrintObjBorder(target, &rc, WS_BORDER, WS_EX_CLIENTEDGE);
    const int nUnit = ::GetSystemMetrics(SM_CXBORDER);
    EXPECT_EQ(10 + 3 * nUnit, rc.left) << "three rings: border, client edge outer and inner";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.pixel(31, 60)) << "a border ring with a client edge";
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), canvas.pixel(31 + 3 * nUnit, 60)) << "the outer client edge";
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), canvas.pixel(155 - 3 * nUnit, 60));
}

// Cancelled before the page, and a step without record.
TEST_F(PrintPages, StepResults)
{
    MemoryCanvas canvas(100, 100, kWhite);
    const ZebPrintTarget target = {canvas.dc(), {{96, 96}, {300, 300}, {0, 0}}, {0, 0}};
    EXPECT_EQ(-1, PrintWbPageContent(m_hDoc, target)) << "not a whiteboard";
    EXPECT_EQ(-1, PrintWbBackground(m_hDoc, target, {0, 0, 10, 10}));
    EXPECT_EQ(-1, PrintLineObj(m_hDoc, target, {0, 0})) << "not a line";
    const RECT rcAll = {0, 0, 300, 200};
    EXPECT_EQ(1, PrintWbChild(m_hWb, m_hLine, target, {0, 0, 5, 5}, nullptr, false)) << "outside: skipped";
    EXPECT_EQ(1, PrintWbChild(m_hWb, m_hLine, target, rcAll, nullptr, false));
}

// Job texts are cut at 259 bytes on a character boundary.
TEST(PrintJobTexts, CutOnACharacterBoundary)
{
    const struct
    {
        std::string text;
        size_t nExpected;
    } cases[] = {
        {std::string(258, 'a') + "\x88\x9f", 258},  // the pair would end at byte 260
        {std::string(257, 'a') + "\x88\x9f", 259},
        {std::string(300, 'a'), 259},
        {"短い", 4},
        {"", 0},
    };
    for (const auto& c : cases) {
        char szOut[260];
        CopyCutOnCharacter(szOut, c.text.c_str(), 259);
        EXPECT_EQ(c.nExpected, std::strlen(szOut));
        EXPECT_EQ(0, c.text.compare(0, c.nExpected, szOut));
    }
}

// A window that presses Cancel of the printing dialog when it is drawn
// into a device context (as a foreign child on a page).
LRESULT CALLBACK CancellingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_PAINT && wParam != 0 && PrintingDialog() != nullptr)
        ::SendMessageA(PrintingDialog(), WM_COMMAND, IDCANCEL, 0);
    if (uMsg == WM_PAINT) {
        ::ValidateRect(hwnd, nullptr);
        return 0;
    }
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

HWND CreateCancellingChild(HWND hParent)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CancellingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "PrintCancellingChild";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 250, 160, 20, 20, hParent, nullptr,
                             wc.hInstance, nullptr);
}

// A job title of this process, without spaces (the PDF's file name).
std::string UniqueTitle(const char* pszName)
{
    static int nCounter = 0;
    return std::string(pszName) + "-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++nCounter);
}

HDC PdfPrinterDc()
{
    HDC hdc = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
    EXPECT_NE(nullptr, hdc) << "the PDF printer is missing";
    return hdc;
}

// The whole whiteboard with a picture on the PDF printer, rasterised at its
// resolution: each part where the offset and resolution arithmetic put it.
TEST_F(PrintPages, PrintsOnThePdfPrinter)
{
    ASSERT_NE(nullptr, AddBlackPicture());
    const std::string title = UniqueTitle("zebprint-page");
    PdfPrinterLock lock;
    HDC hdc = PdfPrinterDc();
    ASSERT_NE(nullptr, hdc);
    const int nDpi = ::GetDeviceCaps(hdc, LOGPIXELSX);
    const POINT offset = {50, 30};
    EXPECT_EQ(1, zebPrintOut(m_hWb, hdc, title.c_str(), "二行目", &offset));
    EXPECT_EQ(nullptr, PrintingDialog()) << "closed with the job";
    ::DeleteDC(hdc);
    const std::string pdf = WaitForPrintedPdf(title);
    ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";
    const GrayImage image = RasterizePdf(pdf, nDpi);
    ::DeleteFileA(pdf.c_str());
    ASSERT_GT(image.width, 0);
    const int dx = 50 * nDpi * 567 / 144000, dy = 30 * nDpi * 567 / 144000;
    const auto X = [&](int x) { return x * nDpi / 96 + dx; };
    const auto Y = [&](int y) { return y * nDpi / 96 + dy; };
    EXPECT_LT(image.mean(X(200) + 3, Y(10) + 3, X(260) - 3, Y(50) - 3), 40) << "the black picture";
    EXPECT_LT(image.mean(X(100) + 2, Y(50) + 2, X(120) - 2, Y(60) - 2), 160) << "the red bitmap item";
    EXPECT_GT(image.mean(X(125), Y(50) + 2, X(140), Y(60) - 2), 200) << "beside it the back colour";
    EXPECT_LT(image.mean(X(20), Y(150) - nDpi / 192, X(100), Y(150) + nDpi / 192 + 1), 100) << "the line";
    EXPECT_GT(image.mean(X(20), Y(150) + 4, X(100), Y(150) + 12), 200) << "below the line";
    EXPECT_LT(image.mean(X(10), Y(10), X(40), Y(35)), 245) << "the text item";
    EXPECT_LT(image.mean(X(151), Y(101), X(151 + 16), Y(101 + 16)), 245) << "the document's text";
}

// Cancel pressed while a child is drawn: the next step stops with 3, the
// document is aborted (no PDF) and the owner is enabled again.
TEST_F(PrintPages, CancelFromInsideAPage)
{
    HWND hCancelling = CreateCancellingChild(m_hWb);
    ASSERT_NE(nullptr, hCancelling);
    ::SetWindowPos(hCancelling, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const std::string title = UniqueTitle("zebprint-cancelled");
    PdfPrinterLock lock;
    HDC hdc = PdfPrinterDc();
    ASSERT_NE(nullptr, hdc);
    EXPECT_EQ(3, zebPrintOut(m_hWb, hdc, title.c_str(), nullptr, nullptr));
    EXPECT_EQ(nullptr, PrintingDialog());
    EXPECT_TRUE(::IsWindowEnabled(m_parent.Hwnd()));
    ::DeleteDC(hdc);
    EXPECT_TRUE(WaitForPrintedPdf(title).empty()) << "the aborted document left no PDF";
}

// A foreign child whose drawing fails gives -1 (not 0); an unknown kind
// and a missing child give -1; a picture prints with 1.
TEST_F(PrintPages, FailuresAnswerMinusOne)
{
    MemoryCanvas canvas(100, 100, kWhite);
    const ZebPrintTarget target = {canvas.dc(), {{96, 96}, {300, 300}, {0, 0}}, {0, 0}};
    const RECT rcAll = {0, 0, 300, 200};
    EXPECT_EQ(-1, PrintWbChild(m_hWb, nullptr, target, rcAll, nullptr, true)) << "a foreign window not drawn";
    EXPECT_EQ(-1, zebPrintOutObj(m_hWb, ZebKindLine, 5, canvas.dc(), "x", nullptr, nullptr)) << "no such line";
    EXPECT_EQ(-1, zebPrintOutObj(m_hWb, 3, 0, canvas.dc(), "x", nullptr, nullptr)) << "no such kind";
    EXPECT_EQ(-1, zebPrintOut(m_hWb, canvas.dc(), "x", nullptr, nullptr)) << "no document on a memory DC";
    EXPECT_TRUE(::IsWindowEnabled(m_parent.Hwnd()));
}

// One object alone, and one picture, on the PDF printer: 1 each.
TEST_F(PrintPages, ObjectAndPictureAlone)
{
    HWND hPic = AddBlackPicture();
    ASSERT_NE(nullptr, hPic);
    PdfPrinterLock lock;
    HDC hdc = PdfPrinterDc();
    ASSERT_NE(nullptr, hdc);
    const std::string title = UniqueTitle("zebprint-object");
    EXPECT_EQ(1, zebPrintOutObj(m_hWb, ZebKindPicture, 0, hdc, title.c_str(), nullptr, nullptr));
    const int nDpi = ::GetDeviceCaps(hdc, LOGPIXELSX);
    const std::string pdf = WaitForPrintedPdf(title);
    ASSERT_FALSE(pdf.empty());
    const GrayImage image = RasterizePdf(pdf, nDpi);
    ::DeleteFileA(pdf.c_str());
    ASSERT_GT(image.width, 0);
    EXPECT_LT(image.mean(3, 3, 60 * nDpi / 96 - 3, 40 * nDpi / 96 - 3), 40) << "at the page origin";
    EXPECT_GT(image.mean(60 * nDpi / 96 + 5, 3, 60 * nDpi / 96 + 40, 40), 200);
    const std::string picTitle = UniqueTitle("zebprint-picture");
    EXPECT_EQ(1, zebPrintOutPic(hPic, hdc, picTitle.c_str(), nullptr, nullptr));
    const std::string picPdf = WaitForPrintedPdf(picTitle);
    EXPECT_FALSE(picPdf.empty());
    ::DeleteFileA(picPdf.c_str());
    ::DeleteDC(hdc);
}

// The preview dialog driven through a hook: Close gives 8 and prints
// nothing; Print gives the print result (1) on the default printer.
struct PreviewScript
{
    static int nButton;
    static HHOOK hHook;
    static HWND hSeen;
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_ACTIVATE && ::GetDlgItem(reinterpret_cast<HWND>(wParam), IDC_PREVIEW_PAGE) != nullptr) {
            hSeen = reinterpret_cast<HWND>(wParam);
            ::PostMessageA(hSeen, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        }
        return ::CallNextHookEx(hHook, nCode, wParam, lParam);
    }
};
int PreviewScript::nButton = 0;
HHOOK PreviewScript::hHook = nullptr;
HWND PreviewScript::hSeen = nullptr;

TEST_F(PrintPages, PreviewButtons)
{
    PreviewScript::hHook = ::SetWindowsHookExA(WH_CBT, PreviewScript::Hook, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, PreviewScript::hHook);
    PreviewScript::nButton = IDC_PREVIEW_CLOSE;
    EXPECT_EQ(8, zebPreview(m_hWb, nullptr, "zebprint none", nullptr));
    EXPECT_NE(nullptr, PreviewScript::hSeen) << "the dialog came up";
    PreviewScript::hSeen = nullptr;
    {
        PdfPrinterLock lock;
        PreviewScript::nButton = IDC_PREVIEW_PRINT;
        const std::string title = UniqueTitle("zebprint-preview");
        EXPECT_EQ(1, zebPreview(m_hWb, "見本", title.c_str(), nullptr));
        const std::string pdf = WaitForPrintedPdf(title);
        EXPECT_FALSE(pdf.empty()) << "printed on the default printer";
        ::DeleteFileA(pdf.c_str());
    }
    PreviewScript::nButton = IDCANCEL;
    ZebPrinterBlocks blocks = {};
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT;
    ASSERT_TRUE(::PrintDlgA(&pd));
    EXPECT_EQ(2, zebPreviewEx(m_hWb, pd.hDevNames, pd.hDevMode, nullptr, "x", nullptr, &blocks));
    EXPECT_NE(nullptr, blocks.hDevNames) << "the setup handed back";
    EXPECT_NE(pd.hDevNames, blocks.hDevNames) << "as a copy";
    ::GlobalFree(blocks.hDevNames);
    ::GlobalFree(blocks.hDevMode);
    EXPECT_EQ(-1, zebPreviewEx(m_hWb, nullptr, pd.hDevMode, nullptr, "x", nullptr, &blocks));
    EXPECT_EQ(nullptr, blocks.hDevNames);
    ::GlobalFree(pd.hDevNames);
    ::GlobalFree(pd.hDevMode);
    ::UnhookWindowsHookEx(PreviewScript::hHook);
}

}  // namespace

namespace {

RECT WindowRectOf(HWND hwnd)
{
    RECT rc = {};
    ::GetWindowRect(hwnd, &rc);
    return rc;
}

// The printing dialog during a job: the owner disabled, the document name
// as caption; a long second line makes it taller and moves Cancel down;
// Cancel ends the job aborted and enables the owner.
TEST_F(PrintPages, PrintingDialogDuringAJob)
{
    PdfPrinterLock lock;
    HWND hOwner = m_parent.Hwnd();
    RECT rcShort = {}, rcCancelShort = {};
    for (const std::string& line : {std::string("一行"), std::string(40, 'x') + " " + std::string(200, 'y')}) {
        HDC hdc = PdfPrinterDc();  // a DC whose document was aborted takes no other here
        ASSERT_NE(nullptr, hdc);
        const std::string title = UniqueTitle("zebprint-dialog");
        ASSERT_EQ(hdc, BeginPrintJob(hOwner, hdc, title.c_str(), line.c_str()));
        HWND hDlg = PrintingDialog();
        ASSERT_NE(nullptr, hDlg);
        EXPECT_FALSE(::IsWindowEnabled(hOwner));
        char szCaption[64] = "";
        ::GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
        EXPECT_EQ(title, szCaption);
        const RECT rc = WindowRectOf(hDlg);
        const RECT rcCancel = WindowRectOf(::GetDlgItem(hDlg, IDCANCEL));
        if (rcShort.bottom == 0) {
            rcShort = rc;
            rcCancelShort = rcCancel;
        } else {
            const LONG nGrow = (rc.bottom - rc.top) - (rcShort.bottom - rcShort.top);
            EXPECT_GT(nGrow, 0) << "taller for the long line";
            EXPECT_EQ(nGrow, (rcCancel.top - rc.top) - (rcCancelShort.top - rcShort.top)) << "Cancel moved down";
        }
        ::SendMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(::IsWindowEnabled(hOwner)) << "enabled by Cancel";
        EXPECT_EQ(nullptr, PrintingDialog());
        EndPrintJob(hOwner, hdc, false);
        EXPECT_TRUE(::IsWindowEnabled(hOwner));
        ::DeleteDC(hdc);
    }
}

}  // namespace
