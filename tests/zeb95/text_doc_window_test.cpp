#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "library/library_state.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_fonts.h"
#include "text/edit/doc_edit.h"
#include "text/input/typing.h"
#include "text/tables/bmp_table.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"
#include "text_clip_helpers.h"
#include "text_full_fixture.h"
#include "zeb95.h"

namespace {

bool operator==(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class DocWindow : public FullTextDocs
{
protected:
    void Start(const std::string& text)
    {
        Lay(text);
        SetClipText(nullptr);
        Pump();
        m_parent.received.clear();
    }
    std::vector<int> Heard()
    {
        Pump();
        return Codes(m_parent);
    }
    static int Count(const std::vector<int>& codes, int nCode)
    {
        return static_cast<int>(std::count(codes.begin(), codes.end(), nCode));
    }
};

TEST_F(DocWindow, DraggingWithTheLeftButtonSelects)
{
    Start("abcd\nefgh");
    ::SendMessageA(m_hDoc, WM_LBUTTONDOWN, MK_LBUTTON, At(9, 2));
    EXPECT_TRUE(Caret() == (POINT{1, 0}));
    EXPECT_EQ(m_hDoc, ::GetCapture());
    ::SendMessageA(m_hDoc, WM_MOUSEMOVE, MK_LBUTTON, At(25, 18));
    EXPECT_TRUE(Caret() == (POINT{3, 1}));
    EXPECT_TRUE(D().anchor == (POINT{1, 0}));
    ::SendMessageA(m_hDoc, WM_LBUTTONUP, 0, At(25, 18));
    EXPECT_EQ(nullptr, ::GetCapture());
    std::vector<int> mouse = Heard();
    // Only the mouse events (100 and above): a layout notice may come between.
    mouse.erase(std::remove_if(mouse.begin(), mouse.end(), [](int n) { return n < 100; }), mouse.end());
    EXPECT_EQ((std::vector<int>{109, 110, 111, 102}), mouse) << "down, move, up, click";
    ::SendMessageA(m_hDoc, WM_MOUSEMOVE, 0, At(1, 2));
    EXPECT_TRUE(Caret() == (POINT{3, 1})) << "without the button nothing moves";
}

TEST_F(DocWindow, TheOwnerCanSwallowMouseEvents)
{
    Start("abcd");
    m_parent.nConsumeCode = 109;
    ::SendMessageA(m_hDoc, WM_LBUTTONDOWN, MK_LBUTTON, At(17, 2));
    EXPECT_TRUE(Caret() == (POINT{0, 0}));
    EXPECT_EQ(nullptr, ::GetCapture());
    ::SendMessageA(m_hDoc, WM_LBUTTONUP, 0, At(17, 2));
    EXPECT_EQ(0, Count(Heard(), 102)) << "no click without the press";

    m_parent.nConsumeCode = 110;
    ::SendMessageA(m_hDoc, WM_LBUTTONDOWN, MK_LBUTTON, At(1, 2));
    ::SendMessageA(m_hDoc, WM_MOUSEMOVE, MK_LBUTTON, At(25, 2));
    EXPECT_FALSE(DocSelectionExists(D())) << "no dragging";
    ::SendMessageA(m_hDoc, WM_LBUTTONUP, 0, At(300, 2));
    EXPECT_EQ(0, Count(Heard(), 102)) << "released outside the client area";
    ::SendMessageA(m_hDoc, WM_LBUTTONDBLCLK, MK_LBUTTON, At(1, 2));
    EXPECT_EQ(1, Count(Heard(), 103));
}

TEST_F(DocWindow, SetSelSelectsAllOrNothing)
{
    Start("ab\ncd\nef");
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, EM_SETSEL, 0, -1));
    EXPECT_TRUE(D().anchor == (POINT{0, 0}));
    EXPECT_TRUE(Caret() == (POINT{2, 2}));
    EXPECT_EQ(0, ::SendMessageA(m_hDoc, EM_SETSEL, 2, 5));
    EXPECT_TRUE(D().anchor == (POINT{0, 0})) << "another pair does nothing";
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, EM_SETSEL, static_cast<WPARAM>(-1), -1));
    EXPECT_FALSE(D().HasSelection());
    EXPECT_EQ(0, ::SendMessageA(m_hDoc, EM_SETSEL, static_cast<WPARAM>(-1), -1)) << "nothing to remove";
    Lay("ab\n");
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, EM_SETSEL, 0, -1));
    EXPECT_TRUE(Caret() == (POINT{0, 1})) << "the empty end line";
}

TEST_F(DocWindow, ClipboardMessagesCopyCutPasteAndClear)
{
    Start("abcd\nef");
    ASSERT_EQ(1, ::SendMessageA(m_hDoc, EM_SETSEL, 0, -1));
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 1, 1, kCaretExtend));
    D().anchor = {1, 0};
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_COPY, 0, 0));
    EXPECT_EQ("bcd\r\ne", ClipText());
    const std::vector<BYTE> full = ClipBlock(Library().uDocClipFormat);
    ASSERT_GE(full.size(), 32u);
    EXPECT_EQ(0xBCB0B2DFu, full[0] | (full[1] << 8) | (full[2] << 16) | (static_cast<DWORD>(full[3]) << 24))
        << "clip mode 4 copies the extended form";

    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_CUT, 0, 0));
    EXPECT_EQ("af", Text());
    EXPECT_EQ("bcd\r\ne", ClipText());
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_PASTE, 0, 0));
    EXPECT_EQ("abcd\nef", Text()) << "the attributed form pasted";
    ASSERT_EQ(1, ::SendMessageA(m_hDoc, EM_SETSEL, 0, -1));
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_PASTE, 0, 0));
    EXPECT_EQ("bcd\ne", Text()) << "the selection replaced";

    SetClipText("x\r\ny");
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 0, 0, 3));
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_PASTE, 0, 0));
    EXPECT_EQ("x\nybcd\ne", Text()) << "CF_TEXT alone";
    D().anchor = {0, 0};
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 1, kCaretExtend));
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_CLEAR, 0, 0));
    EXPECT_EQ("cd\ne", Text());
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_CLEAR, 0xFFFFFFFF, 0));
    EXPECT_EQ("", Text());
}

TEST_F(DocWindow, CopyAndPasteCarryFontsAndBitmapsBetweenDocuments)
{
    LayAttrs(m_hDoc, "abc", MakeCharAttr(6, 0, 0, 0));
    D().anchor = {1, 0};
    ASSERT_EQ(1, DocSetCaret(m_hDoc, 2, 0, kCaretExtend));
    const LOGFONTA lf = TestFont(22, "Arial");
    ASSERT_NE(0, DocSetFont(m_hDoc, &lf));
    InsertBitmapAt(m_hDoc, 3, 0);
    SetClipMode(m_hDoc, 0x0F);
    SetClipMode(m_hDoc2, 0x0F);
    SetClipText(nullptr);
    ASSERT_EQ(1, ::SendMessageA(m_hDoc, EM_SETSEL, 0, -1));
    ASSERT_EQ(1, ::SendMessageA(m_hDoc, WM_COPY, 0, 0));
    LayAttrs(m_hDoc2, "", 0);
    ASSERT_EQ(1, ::SendMessageA(m_hDoc2, WM_PASTE, 0, 0));
    EXPECT_EQ("abc ", TextOf(m_hDoc2));
    const std::vector<ZebCharAttr> attrs = AttrsOf(m_hDoc2);
    const ZebFontEntry* pFont = DocFontEntry(Doc(m_hDoc2), AttrFont(attrs[1]));
    ASSERT_NE(nullptr, pFont);
    EXPECT_TRUE(IsSameFont(pFont->logfont, DocFontEntry(D(), 1)->logfont)) << "b keeps its font";
    EXPECT_EQ(6, AttrColor(attrs[0]));
    ASSERT_EQ(1, Doc(m_hDoc2).Bitmaps()->Count());
    EXPECT_EQ(BlockBytes(D().Bitmaps()->Entry(0)->dib).size(),
              BlockBytes(Doc(m_hDoc2).Bitmaps()->Entry(0)->dib).size());
    EXPECT_NE(0u, attrs[3] & ZebAttrBitmap) << "the bitmap bound to the copy";
}

TEST_F(DocWindow, AHostileClipboardBlockChangesNothing)
{
    Start("keep");
    std::vector<BYTE> bad = {0xDF, 0xB2, 0xB0, 0xBC, 0xFF, 0xFF, 0xFF, 0x7F};
    bad.resize(40, 0);
    SetClipBlock(Library().uDocClipFormat, bad);
    EXPECT_EQ(0, ::SendMessageA(m_hDoc, WM_PASTE, 0, 0));
    EXPECT_EQ("keep", Text());
    const std::vector<BYTE> plain = {0x10, 0, 0, 0, 'a', 'b'};
    SetClipBlock(Library().uDocClipFormat, plain);
    EXPECT_EQ(0, ::SendMessageA(m_hDoc, WM_PASTE, 0, 0)) << "16 bytes announced, 2 there";
    EXPECT_EQ("keep", Text());
}

TEST_F(DocWindow, FocusBringsTheCaretAndTellsTheOwner)
{
    Start("abc");
    ::SetFocus(m_parent.Hwnd());
    Pump();
    m_parent.received.clear();
    ::SetFocus(m_hDoc);
    EXPECT_NE(0, D().wCaretState & kCaretFocus);
    EXPECT_EQ(0, D().wCaretState & kCaretNoSystem) << "the system caret shown";
    ::SetFocus(m_parent.Hwnd());
    EXPECT_EQ(0, D().wCaretState & kCaretFocus);
    EXPECT_NE(0, D().wCaretState & kCaretNoSystem);
    const std::vector<int> codes = Heard();
    EXPECT_EQ(1, Count(codes, 104));
    EXPECT_EQ(1, Count(codes, 108));

    D().nStaticMode = kDocStatic;
    ::SetFocus(m_hDoc);
    EXPECT_EQ(0, D().wCaretState & kCaretFocus) << "a static document shows no caret";
    D().nStaticMode = 0;
    ::SendMessageA(m_hDoc, MsgViewModeChanged, 1, 0);
    EXPECT_NE(0, D().wCaretState & kCaretFocus) << "run mode while focused";
    ::SendMessageA(m_hDoc, MsgViewModeChanged, 0, 0);
    EXPECT_EQ(0, D().wCaretState & kCaretFocus) << "design mode";
    ::SetFocus(m_parent.Hwnd());
}

TEST_F(DocWindow, WindowMessagesOfSizeAndCommands)
{
    Start("abc");
    EXPECT_EQ(0, ::SendMessageA(m_hDoc, WM_SYSCOMMAND, SC_MINIMIZE, 0));
    EXPECT_FALSE(::IsIconic(m_hDoc));
    D().dwFlags |= kDocNotPainted;
    ::SetWindowPos(m_hDoc, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(0, Count(Heard(), 101)) << "not painted yet: no change told";
    EXPECT_EQ(10, D().head.Position().x) << "the place is kept all the same";
    m_parent.received.clear();
    ::UpdateWindow(m_hDoc);
    ::RedrawWindow(m_hDoc, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(0u, D().dwFlags & kDocNotPainted);
    ::SetWindowPos(m_hDoc, nullptr, 20, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(1, Count(Heard(), 101)) << "the move told once painted";
    EXPECT_EQ(20, D().head.Position().x);
    EXPECT_EQ(0x000000ADu, static_cast<DWORD>(::SendMessageA(m_hDoc, WM_GETDLGCODE, 0, 0)));
}

// A narrower window lays its lines out again at the new width at once.
TEST_F(DocWindow, ANewSizeLaysTheLinesOutAtTheNewWidth)
{
    Start(std::string(300, 'w'));
    RECT client = {};
    ::GetClientRect(m_hDoc, &client);
    const int nLinesBefore = D().Lines()->Count();
    ::SetWindowPos(m_hDoc, nullptr, 0, 0, client.right / 2, client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(ZebLineEndText, DocWaitLayout(m_hDoc, -1));
    ::GetClientRect(m_hDoc, &client);
    EXPECT_EQ(client.right, D().nDocWidth);
    EXPECT_GT(D().Lines()->Count(), nLinesBefore);
    for (int i = 0; i < D().Lines()->Count(); ++i)
        EXPECT_LE(D().Lines()->At(i).width, client.right) << "line " << i;
}

TEST_F(DocWindow, TheBackgroundOutsideTheDocumentTakesTheBorderColour)
{
    Start("abc");
    D().head.SetBorderColor(RGB(0, 0, 255));
    D().nDocWidth = 50;
    D().nDocHeight = 40;
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcScreen, 200, 100);
    ::ReleaseDC(nullptr, hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    RECT all = {0, 0, 200, 100};
    ::FillRect(hdc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(hdc, 10, 10)) << "inside the document";
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(hdc, 60, 10)) << "right of it";
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(hdc, 10, 50)) << "below it";
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hdc);
}

}  // namespace
