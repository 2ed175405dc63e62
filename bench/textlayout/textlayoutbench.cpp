// Layout of a Japanese text in a text document window: the time until the
// reflow has laid out the first screen (what the first paint needs) and
// the time until the layout thread has laid out the whole text.
//   textlayout_bench <megabytes>
#include <cstdlib>
#include <string>

#include "benchclock.h"
#include "benchtext.h"
#include "figureline.h"
#include "library/startup.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"

namespace {

// Paragraphs of double-byte text with punctuation, so that lines wrap and
// the line-start rule acts, in blocks of 12,000 bytes.
void Fill(ZebBlockList& list, int nBytes)
{
    std::string paragraph;
    for (int i = 0; i < 12; ++i)
        paragraph += "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x8a\xbf\x8e\x9a\x81\x41\x82\xa9\x82\xab\x81\x42";
    paragraph += "\n";
    FillBlocksWith(list, paragraph, nBytes);
}

HWND MakeDocument()
{
    HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
    BenchCheck(hParent != nullptr, "no parent window");
    HWND hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, hParent, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    BenchCheck(hDoc != nullptr, "no text document");
    return hDoc;
}

}  // namespace

int main(int argc, char** argv)
{
    BenchCheck(argc == 2, "usage: textlayout_bench <megabytes>");
    const int nMegabytes = std::atoi(argv[1]);
    BenchCheck(nMegabytes > 0, "no text");
    BenchCheck(LibraryAttach(::GetModuleHandleA(nullptr)) != FALSE, "the library does not start");
    HWND hDoc = MakeDocument();
    ZebDocRecord* pDoc = ZebDocRecord::From(hDoc);
    Fill(*pDoc->Blocks(), nMegabytes << 20);

    CBenchClock clock;
    DocReflowFrom(hDoc, 0);
    const double firstScreen = clock.Seconds();
    BenchCheck(DocWaitLayout(hDoc, -1) == ZebLineEndText, "the layout did not reach the end");
    const double whole = clock.Seconds();

    CFigureLine line("textlayout");
    line.Add("text_MB", nMegabytes, 0);
    line.Add("lines", pDoc->Lines()->Count(), 0);
    line.Add("first_screen_ms", firstScreen * 1e3, 3);
    line.Add("whole_ms", whole * 1e3, 1);
    line.Print();
    ::DestroyWindow(::GetParent(hDoc));
    LibraryDetach();
    return 0;
}
