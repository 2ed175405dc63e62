// The editing path of a text document window, each case in a large
// document next to a small one:
// - keystrokes typed through DocInsertChar near the end of 5 MB of text
//   and of 5 KB (lines of 40 bytes);
// - a search for the next match (DocFindText) near the end of the same
//   texts, each search going on from the match before;
// - a word typed at the top of 500,000 lines and of 50, then Down.
// Of the count given, a hundredth are typed, a thousandth searched and a
// ten-thousandth words (at least one each).
//   textkeys_bench <count>
#include <cstdlib>
#include <string>

#include "benchclock.h"
#include "figureline.h"
#include "library/startup.h"
#include "text/caret/caret_keys.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/select/doc_find.h"

namespace {

const int kLineBytes = 40;
const int kWordKeys = 8;

class CBenchDoc
{
public:
    // A document window (600 x 400) holding nLines lines of 40 bytes, a
    // match "QZ" every tenth line, wholly laid out.
    explicit CBenchDoc(int nLines)
    {
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
        BenchCheck(m_hParent != nullptr, "no parent window");
        m_hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, m_hParent, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
        BenchCheck(m_hDoc != nullptr, "no text document");
        std::string text;
        text.reserve(static_cast<size_t>(nLines) * kLineBytes + 1);
        for (int i = 0; i < nLines; ++i)
        {
            std::string line = (i % 10 == 0 ? "QZ " : "ab ") + std::to_string(i) + " ";
            line.resize(kLineBytes - 1, 'x');
            text += line + "\n";
        }
        BenchCheck(DocInsertText(m_hDoc, text.c_str()) == 1, "the text is not inserted");
        BenchCheck(DocWaitLayout(m_hDoc, -1) == ZebLineEndText, "the layout did not reach the end");
    }
    ~CBenchDoc() { ::DestroyWindow(m_hParent); }
    CBenchDoc(const CBenchDoc&) = delete;
    CBenchDoc& operator=(const CBenchDoc&) = delete;

    HWND Hwnd() const { return m_hDoc; }
    int Lines() const { return ZebDocRecord::From(m_hDoc)->Lines()->Count(); }
    void CaretTo(int nLine) const
    {
        BenchCheck(DocSetCaret(m_hDoc, 5, nLine, kCaretScroll | kCaretTakeAttrs) == 1, "the caret does not move");
    }
    // Lets the window take the layout thread's completions.
    void Pump() const
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

private:
    HWND m_hParent = nullptr;
    HWND m_hDoc = nullptr;
};

// Microseconds per keystroke typed 100 lines before the end.
double KeystrokeMicroseconds(int nLines, int nKeys)
{
    CBenchDoc doc(nLines);
    doc.CaretTo(doc.Lines() - 100);
    CBenchClock clock;
    for (int i = 0; i < nKeys; ++i)
    {
        BenchCheck(DocInsertChar(doc.Hwnd(), 'a' + i % 26) == 1, "a keystroke is refused");
        if (i % 30 == 29)
            BenchCheck(DocInsertChar(doc.Hwnd(), '\n') == 1, "a line feed is refused");
    }
    doc.Pump();
    return clock.Seconds() * 1e6 / nKeys;
}

// Microseconds per search for the next match from 100 lines before the end
// (and again from the start when the end is reached).
double FindNextMicroseconds(int nLines, int nFinds)
{
    CBenchDoc doc(nLines);
    const int nFrom = doc.Lines() - 100;
    doc.CaretTo(nFrom);
    CBenchClock clock;
    for (int i = 0; i < nFinds; ++i)
    {
        if (DocFindText(doc.Hwnd(), "QZ", 0, nullptr) == 0)
            doc.CaretTo(nFrom);
    }
    return clock.Seconds() * 1e6 / nFinds;
}

// Microseconds per word of 8 keys typed at the top, then Down.
double WordThenDownMicroseconds(int nLines, int nWords)
{
    CBenchDoc doc(nLines);
    CBenchClock clock;
    for (int i = 0; i < nWords; ++i)
    {
        doc.CaretTo(0);
        for (int k = 0; k < kWordKeys; ++k)
            BenchCheck(DocInsertChar(doc.Hwnd(), 'a' + k) == 1, "a keystroke is refused");
        BenchCheck(DocKeyDown(doc.Hwnd(), 0) == 1, "Down is refused");
        if (i % 4 == 3)
            BenchCheck(DocInsertChar(doc.Hwnd(), '\n') == 1, "a line feed is refused");
        doc.Pump();
    }
    return clock.Seconds() * 1e6 / nWords;
}

}  // namespace

int main(int argc, char** argv)
{
    BenchCheck(argc == 2, "usage: textkeys_bench <count>");
    const int nCount = std::atoi(argv[1]);
    BenchCheck(nCount > 0, "no keystrokes");
    const int nKeys = nCount / 100 > 0 ? nCount / 100 : 1;
    const int nFinds = nCount / 1000 > 0 ? nCount / 1000 : 1;
    const int nWords = nCount / 10000 > 0 ? nCount / 10000 : 1;
    BenchCheck(LibraryAttach(::GetModuleHandleA(nullptr)) != FALSE, "the library does not start");
    const int nSmall = 5 * 1024 / kLineBytes;
    const int nLarge = 5 * 1024 * 1024 / kLineBytes;
    CFigureLine line("textkeys");
    line.Add("keys", nKeys, 0);
    line.Add("key_5KB_us", KeystrokeMicroseconds(nSmall, nKeys), 2);
    line.Add("key_5MB_us", KeystrokeMicroseconds(nLarge, nKeys), 2);
    line.Add("find_5KB_us", FindNextMicroseconds(nSmall, nFinds), 2);
    line.Add("find_5MB_us", FindNextMicroseconds(nLarge, nFinds), 2);
    line.Add("top_50_lines_us", WordThenDownMicroseconds(50, nWords), 2);
    line.Add("top_500k_lines_us", WordThenDownMicroseconds(500000, nWords), 2);
    line.Print();
    LibraryDetach();
    return 0;
}
