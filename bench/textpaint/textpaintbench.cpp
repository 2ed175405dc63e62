// Painting the visible end of a text document after a keystroke there: a
// document of 1 MB next to one of 1 KB (80 lines) made of the same lines,
// the client area 80 lines high. Each round types one character at the end, scrolls
// the end into view and paints the client area into a memory bitmap; only
// the painting is timed.
//   textpaint_bench <rounds>
#include <cstdlib>
#include "benchclock.h"
#include "benchtext.h"
#include "figureline.h"
#include "library/startup.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/paint/doc_painters.h"
#include "text/tables/font_entry.h"

namespace {

const int kVisibleLines = 80;
const int kWidth = 600;
// 13 bytes: 80 lines are about 1 KB.
const char kLine[] = "\x82\xa0\x82\xa2\x8a\xbf\x81\x41" "ab 1\n";
const int kLineBytes = sizeof(kLine) - 1;

class Document
{
public:
    explicit Document(int nBytes)
    {
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
        BenchCheck(m_hParent != nullptr, "no parent window");
        m_hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, 100, m_hParent,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        BenchCheck(m_hDoc != nullptr, "no text document");
        ZebDocRecord& doc = *ZebDocRecord::From(m_hDoc);
        m_nHeight = kVisibleLines * DocFontEntry(doc, 0)->logfont.lfHeight;
        ::MoveWindow(m_hDoc, 0, 0, kWidth, m_nHeight, FALSE);
        FillBlocksWith(*doc.Blocks(), kLine, nBytes);
        DocReflowFrom(m_hDoc, 0);
        BenchCheck(DocWaitLayout(m_hDoc, -1) == ZebLineEndText, "the layout did not reach the end");
    }
    ~Document() { ::DestroyWindow(m_hParent); }

    // Types one character at the end and shows the end of the text.
    void Keystroke()
    {
        ZebDocRecord& doc = *ZebDocRecord::From(m_hDoc);
        const int nLast = doc.Lines()->Count() - 1;
        DocSetCaret(m_hDoc, doc.Lines()->At(nLast).length, nLast, 0);
        BenchCheck(DocInsertChar(m_hDoc, 'x') != 0, "the keystroke was refused");
        DocWaitLayout(m_hDoc, -1);
        long long nTotal = 0;
        for (int i = 0; i < doc.Lines()->Count(); ++i)
            nTotal += doc.Lines()->At(i).height;
        doc.nDocHeight = static_cast<int>(nTotal);
        doc.head.SetOrigin({0, static_cast<LONG>(nTotal > m_nHeight ? nTotal - m_nHeight : 0)});
    }
    // Milliseconds of painting the client area.
    double Paint(HDC hdc)
    {
        const RECT rc = {0, 0, kWidth, m_nHeight};
        CBenchClock clock;
        BenchCheck(PaintDocByAlignment(m_hDoc, hdc, &rc, nullptr) == 1, "the document did not paint");
        return clock.Seconds() * 1e3;
    }
    int Height() const { return m_nHeight; }

private:
    HWND m_hParent = nullptr;
    HWND m_hDoc = nullptr;
    int m_nHeight = 0;
};

// Mean milliseconds a paint after a keystroke.
double Measure(int nBytes, int nRounds)
{
    Document doc(nBytes);
    HDC hScreen = ::GetDC(nullptr);
    HDC hdc = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, kWidth, doc.Height());
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    double total = 0;
    for (int i = 0; i < nRounds; ++i)
    {
        doc.Keystroke();
        total += doc.Paint(hdc);
    }
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hdc);
    return total / nRounds;
}

}  // namespace

int main(int argc, char** argv)
{
    BenchCheck(argc == 2, "usage: textpaint_bench <rounds>");
    const int nRounds = std::atoi(argv[1]);
    BenchCheck(nRounds > 0, "no rounds");
    BenchCheck(LibraryAttach(::GetModuleHandleA(nullptr)) != FALSE, "the library does not start");
    const double small = Measure(kVisibleLines * kLineBytes, nRounds);
    const double large = Measure(1 << 20, nRounds);
    CFigureLine line("textpaint");
    line.Add("paint_1MB_ms", large, 3);
    line.Add("paint_1KB_ms", small, 3);
    line.Print();
    LibraryDetach();
    return 0;
}
