#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "objects/obj_children.h"
#include "objects/obj_window.h"
#include "text/storage/block_list.h"
#include "text/tables/bmp_table.h"
#include "text/tables/color_index.h"
#include "text/doc/doc_create.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_record.h"
#include "text/doc/doc_window.h"
#include "text/tables/font_table.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_window.h"
#include "zeb95.h"
#include "text_doc_fixture.h"

namespace {

TEST_F(TextDocs, ClassIsAnsiWithTheDocumentProcedure)
{
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), "ZEB95DOWCLASS", &wc));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(DocObjWndProc), wc.lpfnWndProc);
    EXPECT_EQ(static_cast<UINT>(CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW), wc.style);
    EXPECT_EQ(nullptr, wc.hbrBackground);
    EXPECT_EQ(nullptr, wc.hCursor);
    HWND hDoc = DocCreateObj(m_hWb, nullptr, nullptr);
    ASSERT_NE(nullptr, hDoc);
    EXPECT_FALSE(::IsWindowUnicode(hDoc));
}

TEST_F(TextDocs, NewDocumentHoldsItsDefaults)
{
    LONG nIndex = -5;
    HWND hDoc = DocCreateObj(m_hWb, nullptr, &nIndex);
    ASSERT_NE(nullptr, hDoc);
    EXPECT_EQ(0, nIndex);
    EXPECT_EQ(hDoc, WbChildAt(m_hWb, ZebKindDoc, 0));
    EXPECT_EQ(kZebLibraryMark, ::GetWindowLongPtrA(hDoc, GWLP_USERDATA));
    const LONG style = ::GetWindowLongA(hDoc, GWL_STYLE);
    EXPECT_EQ(0, style & (WS_BORDER | WS_HSCROLL | WS_VSCROLL)) << "no record: no border";
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP),
              style & (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP));

    ZebDocRecord& doc = Doc(hDoc);
    const ZebObjRecord& head = doc.head;
    EXPECT_EQ(0x020D0004u, head.Version());
    EXPECT_EQ(ZebKindDoc, head.Kind());
    EXPECT_EQ(1u, head.ViewMode());
    EXPECT_EQ(0, doc.nStaticMode);
    EXPECT_EQ(m_hWb, head.OwnerWhiteBoard());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), head.BkColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), head.BorderColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), head.ForeColor());
    EXPECT_EQ(ColorToIndex(::GetSysColor(COLOR_WINDOWTEXT)), doc.nTypingColor);
    EXPECT_EQ(0u, head.PointerNumber());
    EXPECT_EQ(0, head.CaretPos().x);
    EXPECT_EQ(0, head.CaretPos().y);
    EXPECT_EQ(-1, doc.anchor.x);
    EXPECT_EQ(-1, doc.anchor.y);
    EXPECT_EQ(0, head.Origin().x);
    EXPECT_EQ(0, head.PageSize().cx);
    EXPECT_EQ(1, doc.nDocWidth);
    EXPECT_EQ(1, doc.nDocHeight);
    EXPECT_EQ(1, head.Size().cx);
    EXPECT_EQ(0u, head.Vertical());
    EXPECT_STREQ(kDefaultLineStart, head.LineStartString());
    EXPECT_EQ(49u, std::strlen(head.LineStartString()));
    EXPECT_NE(nullptr, doc.CompositionForm());
    EXPECT_EQ(0x8400u, doc.dwFlags);
    EXPECT_EQ(4, doc.ClipMode());
    EXPECT_EQ(2, doc.wCaretState);
    EXPECT_EQ(-2, doc.nImeFontSelector);
    EXPECT_EQ(100, doc.nScale);
    EXPECT_EQ(0, doc.nAlignment);
    EXPECT_EQ(nullptr, doc.LayoutRun());

    EXPECT_EQ(kZebFormFeedMarkCode, doc.wFormFeedCode);
    EXPECT_EQ(kZebLineFeedMarkCode, doc.wLineFeedCode);
    EXPECT_EQ(MakeCharAttr(2, 0, 0, 0), doc.formFeedAttr);
    EXPECT_EQ(MakeCharAttr(2, 0, 0, 0), doc.lineFeedAttr);

    ASSERT_NE(nullptr, doc.Blocks());
    ASSERT_EQ(1, doc.Blocks()->Count());
    EXPECT_EQ(0, BlockTextLength(doc.Blocks()->Block(0)));
    EXPECT_EQ(0, doc.Bitmaps()->Count());

    // Font 0, the fallback font, in the whiteboard's shared pair.
    EXPECT_EQ(nullptr, doc.OwnFonts());
    ASSERT_NE(nullptr, Wb().SharedFonts());
    EXPECT_EQ(Wb().SharedFonts(), DocFontTable(doc, false));
    const ZebFontEntry* pFont0 = DocFontEntry(doc, 0);
    ASSERT_NE(nullptr, pFont0);
    EXPECT_STREQ(FallbackLogFont().lfFaceName, pFont0->logfont.lfFaceName);
    EXPECT_EQ(0, doc.nTypingFont);
    EXPECT_EQ(0, doc.nCurrentFont);
    EXPECT_EQ(0, doc.caret.left);
    EXPECT_EQ(2, doc.caret.right);
    EXPECT_EQ(pFont0->logfont.lfHeight, doc.caret.bottom);
}

TEST_F(TextDocs, DocumentOnAPlainParentHasItsOwnFontsAndNoWhiteBoard)
{
    LONG nIndex = 5;
    HWND hDoc = DocCreateObj(m_parent.Hwnd(), nullptr, &nIndex);
    ASSERT_NE(nullptr, hDoc);
    EXPECT_EQ(-1, nIndex);
    ZebDocRecord& doc = Doc(hDoc);
    EXPECT_EQ(nullptr, doc.head.OwnerWhiteBoard());
    ASSERT_NE(nullptr, doc.OwnFonts());
    EXPECT_EQ(1, doc.OwnFonts()->Count());
    EXPECT_EQ(nullptr, Wb().SharedFonts());
    ::DestroyWindow(hDoc);
}

TEST_F(TextDocs, TransparentDocumentsNeverHaveScrollBars)
{
    HWND hDirect = ::CreateWindowExA(WS_EX_TRANSPARENT, "ZEB95DOWCLASS", "",
                                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_BORDER, 0, 0, 80, 60, m_hWb,
                                     nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hDirect);
    EXPECT_EQ(0, ::GetWindowLongA(hDirect, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(static_cast<DWORD>(WS_BORDER), Doc(hDirect).head.Style());
    EXPECT_TRUE(Doc(hDirect).head.IsTransparent());

    ZebDocCreateInfo info = {};
    info.dwMask = ZEBDOC_STYLE;
    info.dwStyle = 0x20 | WS_BORDER | WS_VSCROLL | WS_HSCROLL;
    info.dwExStyle = WS_EX_CLIENTEDGE;
    info.cx = 80;
    info.cy = 60;
    HWND hDoc = DocCreateObj(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hDoc);
    EXPECT_EQ(0, ::GetWindowLongA(hDoc, GWL_STYLE) & (WS_BORDER | WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(static_cast<LONG>(WS_EX_TRANSPARENT), ::GetWindowLongA(hDoc, GWL_EXSTYLE));
}

// A creation record with every field set.
ZebDocCreateInfo FullInfo()
{
    static const ZebUserCell cells[2] = {{0, 40, 4, 0}, {50, 90, 6, 0}};
    static const ZebUserCellList cellList = {2, const_cast<ZebUserCell*>(cells)};
    ZebDocCreateInfo info = {};
    info.dwMask = 0x07FFFFF9;
    info.dwStyle = WS_BORDER | WS_HSCROLL;
    info.x = 30;
    info.y = 40;
    info.cx = 200;
    info.cy = 120;
    info.hCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    info.nPointerNumber = 3;
    info.lfFont.lfHeight = 20;
    std::strcpy(info.lfFont.lfFaceName, "IPAGothic");
    info.crFore = RGB(255, 0, 0);
    info.crBack = RGB(1, 2, 3);
    info.crBorder = RGB(4, 5, 6);
    info.pszLineStart = "\x81\x41)";
    info.nScrollX = 3;
    info.nScrollY = 4;
    info.nFixedWidth = 0;
    info.nFixedHeight = 300;
    info.nViewMode = 0;
    info.wLimit = 500;
    info.nImeMode = 4;
    info.nStaticMode = 2;
    info.wLineFeedCode = kZebNoMark;
    info.wFormFeedCode = kZebNoMark;
    info.nAlignment = 5;
    info.pUserCells = &cellList;
    info.nImeFontSelector = 0;
    info.nGridCx = 8;
    info.nGridCy = 9;
    info.nScale = 150;
    info.nCharExtra = 2;
    info.pszFilterMatch = "ab";
    info.pszFilterReplace = "cd";
    return info;
}

TEST_F(TextDocs, CreationRecordFieldsAreApplied)
{
    ZebWbRecord& wb = Wb();
    wb.Head().SetOrigin({10, 20});
    const ZebDocCreateInfo info = FullInfo();
    HWND hDoc = DocCreateObj(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hDoc);
    ZebDocRecord& doc = Doc(hDoc);
    const ZebObjRecord& head = doc.head;

    RECT rc;
    ::GetWindowRect(hDoc, &rc);
    ::MapWindowPoints(nullptr, m_hWb, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(20, rc.left) << "whiteboard coordinates less the origin";
    EXPECT_EQ(20, rc.top);
    EXPECT_EQ(30, head.Position().x);
    EXPECT_EQ(40, head.Position().y);
    EXPECT_EQ(200, head.Size().cx);

    EXPECT_EQ(RGB(255, 0, 0), head.ForeColor());
    EXPECT_EQ(9, doc.nTypingColor);
    EXPECT_EQ(RGB(1, 2, 3), head.BkColor());
    EXPECT_EQ(RGB(4, 5, 6), head.BorderColor());
    EXPECT_EQ(0u, head.ViewMode());
    EXPECT_EQ(2, doc.nStaticMode);
    EXPECT_NE(nullptr, head.Cursor());
    EXPECT_NE(info.hCursor, head.Cursor()) << "a copy";
    EXPECT_EQ(500, doc.nLimit);
    EXPECT_EQ(3u, head.PointerNumber());
    const ZebFontEntry* pTyping = DocFontEntry(doc, doc.nTypingFont);
    ASSERT_NE(nullptr, pTyping);
    EXPECT_STREQ("IPAGothic", pTyping->logfont.lfFaceName);
    EXPECT_EQ(1, doc.nTypingFont) << "appended after the default font";
    EXPECT_EQ(kZebNoMark, doc.wLineFeedCode);
    EXPECT_EQ(0u, doc.lineFeedAttr);
    EXPECT_EQ(kZebNoMark, doc.wFormFeedCode);
    EXPECT_STREQ("\x81\x41)", head.LineStartString());
    EXPECT_EQ(5, doc.nAlignment);
    ASSERT_EQ(2, doc.nUserCellCount);
    EXPECT_EQ(90, static_cast<const ZebUserCell*>(doc.UserCells())[1].wRight);
    EXPECT_EQ(8, doc.nGridCx);
    EXPECT_EQ(9, doc.nGridCy);
    EXPECT_EQ(150, doc.nScale);
    EXPECT_EQ(2, doc.nCharExtra);
    EXPECT_STREQ("ab", doc.FilterMatch());
    EXPECT_STREQ("cd", doc.FilterReplacement());
    EXPECT_EQ(4, doc.nImeMode);
    EXPECT_EQ(0, doc.nImeFontSelector);

    // A fixed width of 0 drops the horizontal bar that the style brought;
    // the fixed height keeps the vertical one, which the empty text (held
    // at the visible height) does not need.
    EXPECT_EQ(0, head.PageSize().cx);
    EXPECT_EQ(300, head.PageSize().cy);
    EXPECT_EQ(static_cast<DWORD>(WS_BORDER | WS_VSCROLL), head.Style());
    EXPECT_EQ(0, ::GetWindowLongA(hDoc, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_GT(doc.nDocHeight, 0);
    EXPECT_LT(doc.nDocHeight, 120);
}

TEST_F(TextDocs, FieldsOutOfRangeAreSkipped)
{
    ZebDocCreateInfo info = FullInfo();
    info.nScale = 1001;
    info.nImeMode = 8;
    info.nImeFontSelector = -1;
    info.pszLineStart = nullptr;
    info.dwMask &= ~ZEBDOC_BORDERCOLOR;
    info.pszFilterReplace = "abc";
    info.nCharExtra = 32768;
    HWND hDoc = DocCreateObj(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hDoc);
    ZebDocRecord& doc = Doc(hDoc);
    EXPECT_EQ(100, doc.nScale);
    EXPECT_EQ(0, doc.nImeMode);
    EXPECT_EQ(-2, doc.nImeFontSelector);
    EXPECT_EQ(nullptr, doc.head.LineStartString());
    EXPECT_EQ(RGB(1, 2, 3), doc.head.BorderColor()) << "the back colour";
    EXPECT_EQ(nullptr, doc.FilterMatch()) << "a replacement of another length";
    EXPECT_EQ(0, doc.nCharExtra) << "a character extra beyond 32767";

    info.nScale = 0;
    info.pUserCells = nullptr;
    info.nCharExtra = -1;
    HWND hDoc2 = DocCreateObj(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hDoc2);
    EXPECT_EQ(100, Doc(hDoc2).nScale);
    EXPECT_EQ(0, Doc(hDoc2).nUserCellCount);
    EXPECT_EQ(0, Doc(hDoc2).nCharExtra);
}

TEST_F(TextDocs, InvalidUserCellsAreRefusedWhole)
{
    ZebUserCell cells[2] = {{0, 40, 4, 0}, {30, 90, 6, 0}};
    ZebUserCellList list = {2, cells};
    ZebDocCreateInfo info = FullInfo();
    info.pUserCells = &list;
    HWND hDoc = DocCreateObj(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hDoc);
    EXPECT_EQ(0, Doc(hDoc).nUserCellCount) << "overlapping cells";
    EXPECT_EQ(nullptr, Doc(hDoc).UserCells());
}

TEST_F(TextDocs, DestructionLeavesTheWhiteBoard)
{
    HWND hFirst = DocCreateObj(m_hWb, nullptr, nullptr);
    HWND hDoc = DocCreateObj(m_hWb, nullptr, nullptr);
    ASSERT_NE(nullptr, hDoc);
    EXPECT_TRUE(::DestroyWindow(hDoc));
    EXPECT_EQ(1, Wb().ChildCount(ZebWbRecord::ChildSlot(ZebKindDoc)));
    EXPECT_EQ(0, GetObjIndex(hFirst));
}

}  // namespace
