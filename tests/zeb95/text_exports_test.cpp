#include <functional>

#include "text_exports_fixture.h"

namespace {

// "あい" LF "かきくX" LF in Shift-JIS.
const char kJapanese[] = "\x82\xa0\x82\xa2\r\n\x82\xa9\x82\xab\x82\xadX\r\n";

TEST_F(TextExports, EveryNameIsExportedAndTheBoundOnesAtTheirOrdinals)
{
    ExpectExported(
        {{108, "zebCreateObjDoc"}, {121, "zebGetCaret"}, {159, "zebGetLineCount"},
         {186, "zebGetSelFullLength"}, {188, "zebGetSelLength"}, {190, "zebGetSelText"}, {213, "zebSetCaret"},
         {262, "zebSetSelText"}, {280, "zebGetLine"}, {282, "zebGetAllText"}, {291, "zebSetSelCol"},
         {292, "zebSetSelRow"}, {336, "zebGetSelCol"}, {337, "zebGetSelRow"}, {352, "zebUpdateInfo"},
         {363, "zebSetSelect"}},
        {"zebGetText", "zebSetText", "zebGetTextCount", "zebAddText", "zebAddTextEx", "zebRemoveText",
         "zebGetDocAllText", "zebGetDocLine", "zebGetRawLine", "zebGetDocRawLine", "zebGetAllFullText",
         "zebGetDocAllFullText", "zebGetDocLineCount", "zebGetLineTop", "zebGetDocLineTop",
         "zebGetLineHeight", "zebGetDocLineHeight", "zebUpdateDocInfo", "zebGetDocCaret", "zebSetDocCaret",
         "zebGetDocSelCol", "zebGetDocSelRow", "zebSetDocSelCol", "zebSetDocSelRow", "zebGetDocSelLength",
         "zebGetDocSelText", "zebGetDocSelFullLength", "zebGetSelFullText", "zebGetDocSelFullText",
         "zebGetSelFullLengthEx", "zebGetSelFullTextEx", "zebSetDocSelText", "zebSetSelFullText",
         "zebSetDocSelFullText", "zebSetSelFullTextEx", "zebCopyText", "zebCutText", "zebPasteText",
         "zebFindText", "zebFindDocText", "zebFindString", "zebGetFirstLine", "zebGetDocFirstLine",
         "zebGetLastLine", "zebGetDocLastLine", "zebGetFirstColumn", "zebGetDocFirstColumn",
         "zebSetFirstLine", "zebSetDocFirstLine", "zebSetFirstColumn", "zebSetDocFirstColumn", "zebGetSelect",
         "zebDrawImage", "zebDrawStretchImage", "zebDrawDocImage", "zebDrawDocStretchImage"});
}

TEST_F(TextExports, CreationRecordShapesTheWindow)
{
    LONG nIndex = -2;
    HWND hBare = Z().zebCreateObjDoc(m_hWb, nullptr, &nIndex);
    ASSERT_NE(nullptr, hBare);
    EXPECT_EQ(1, nIndex) << "the second document of the whiteboard";
    RECT rc = RectInParent(hBare);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(1, rc.right);
    EXPECT_EQ(1, rc.bottom);
    EXPECT_EQ(0, ::GetWindowLongA(hBare, GWL_STYLE) & WS_BORDER);

    // Scroll bars that an empty document's ranges leave hidden are not
    // asked for; the ones the record takes away must be gone.
    const struct
    {
        DWORD dwMask;
        DWORD dwStyle;
        DWORD dwExStyle;
        DWORD dwBorder;
        DWORD dwNoBars;
        DWORD dwWantExStyle;
    } kCases[] = {
        {ZEBDOC_STYLE, WS_BORDER | WS_VSCROLL, WS_EX_CLIENTEDGE, WS_BORDER, 0, WS_EX_CLIENTEDGE},
        {ZEBDOC_STYLE, 0x20 | WS_BORDER | WS_VSCROLL | WS_HSCROLL, WS_EX_STATICEDGE, 0, WS_VSCROLL | WS_HSCROLL,
         WS_EX_TRANSPARENT},
        {ZEBDOC_STYLE | ZEBDOC_FIXEDSIZE, WS_HSCROLL, 0, 0, WS_HSCROLL, 0},
        {0, WS_VSCROLL, WS_EX_CLIENTEDGE, WS_BORDER, WS_VSCROLL | WS_HSCROLL, 0},
    };
    for (const auto& c : kCases) {
        ZebDocCreateInfo info = {};
        info.dwMask = c.dwMask;
        info.dwStyle = c.dwStyle;
        info.dwExStyle = c.dwExStyle;
        info.nFixedHeight = 50;
        info.x = 30;
        info.y = 20;
        info.cx = 80;
        info.cy = 40;
        HWND hDoc = Z().zebCreateObjDoc(m_hWb, &info, nullptr);
        ASSERT_NE(nullptr, hDoc) << c.dwStyle;
        const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hDoc, GWL_STYLE));
        EXPECT_EQ(c.dwBorder, dwStyle & WS_BORDER) << c.dwStyle;
        EXPECT_EQ(0u, dwStyle & c.dwNoBars) << c.dwStyle;
        EXPECT_EQ(c.dwWantExStyle, static_cast<DWORD>(::GetWindowLongA(hDoc, GWL_EXSTYLE)) &
                                       (WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE))
            << c.dwStyle;
        EXPECT_EQ(30, RectInParent(hDoc).left);
    }
    EXPECT_EQ(-1, Z().zebGetLineCount(nullptr));
    LONG nOther = 0;
    HWND hOffBoard = Z().zebCreateObjDoc(m_parent.Hwnd(), nullptr, &nOther);
    EXPECT_NE(nullptr, hOffBoard);
    EXPECT_EQ(-1, nOther) << "no whiteboard, no index";
    ::DestroyWindow(hOffBoard);
}

TEST_F(TextExports, JapaneseTextComesBackInEveryForm)
{
    Put(m_hDoc, kJapanese);
    // Stored: "あい" LF (5 bytes), "かきくX" LF (8), an empty last line.
    EXPECT_EQ(2, Z().zebGetLineCount(m_hDoc)) << "the empty last line is not counted";
    EXPECT_EQ(3, Z().zebUpdateInfo(m_hDoc)) << "laid out to the end of the text";
    EXPECT_EQ(1 + 13 + 2, Z().zebGetAllText(m_hDoc, nullptr, 0));
    EXPECT_EQ(std::string(kJapanese), AllText(m_hDoc));

    char line[16] = {};
    EXPECT_EQ(9, Z().zebGetLine(m_hDoc, 1, nullptr, 0));
    EXPECT_EQ(9, Z().zebGetLine(m_hDoc, 1, line, 10)) << "the length plus 1 copies exactly the line";
    EXPECT_STREQ("\x82\xa9\x82\xab\x82\xadX\r\n", line);
    EXPECT_EQ(-1, Z().zebGetLine(m_hDoc, 5, nullptr, 0));
    EXPECT_EQ(9, Z().zebGetDocLine(m_hWb, m_nDoc, 1, line, sizeof(line)));

    std::vector<BYTE> raw(static_cast<size_t>(Z().zebGetRawLine(m_hDoc, 0, nullptr, 0)));
    ASSERT_EQ(5u * 5 + 4, raw.size());
    EXPECT_EQ(29, Z().zebGetRawLine(m_hDoc, 0, raw.data(), static_cast<LONG>(raw.size())));
    EXPECT_EQ(5u, WordAt(raw, 0));
    EXPECT_EQ(std::string("\x82\xa0\x82\xa2\n"), std::string(raw.begin() + 4, raw.begin() + 9));
    EXPECT_EQ(4, Z().zebGetRawLine(m_hDoc, 0, raw.data(), 8)) << "room for no character";
    EXPECT_EQ(0u, WordAt(raw, 0));

    std::vector<BYTE> full(static_cast<size_t>(Z().zebGetAllFullText(m_hDoc, nullptr, 0)));
    ASSERT_EQ(4u + 5 * 13, full.size());
    EXPECT_EQ(static_cast<LONG>(full.size()),
              Z().zebGetDocAllFullText(m_hWb, m_nDoc, full.data(), static_cast<LONG>(full.size())));
    EXPECT_EQ(13u, WordAt(full, 0));
    EXPECT_EQ(0x10u, WordAt(full, 4 + 13) & 0x30) << "a lead byte's attribute";
    EXPECT_EQ(0x20u, WordAt(full, 4 + 13 + 4) & 0x30) << "its trail byte's";

    std::string viaBoard(32, '\0');
    viaBoard.resize(static_cast<size_t>(Z().zebGetDocAllText(m_hWb, m_nDoc, &viaBoard[0], 32)));
    EXPECT_EQ(std::string(kJapanese), viaBoard);
    EXPECT_EQ(2, Z().zebGetDocLineCount(m_hWb, m_nDoc));

    const LONG nHeight = Z().zebGetLineHeight(m_hDoc, 0);
    EXPECT_GT(nHeight, 0);
    EXPECT_EQ(0, Z().zebGetLineTop(m_hDoc, 0));
    EXPECT_EQ(nHeight, Z().zebGetDocLineTop(m_hWb, m_nDoc, 1));
    ASSERT_EQ(1, Z().zebSetCaret(m_hDoc, 2, 1));
    EXPECT_EQ(Z().zebGetLineTop(m_hDoc, 1), Z().zebGetLineTop(m_hDoc, -1)) << "the caret line";
    EXPECT_EQ(-1, Z().zebGetLineTop(m_hDoc, 3));
}

TEST_F(TextExports, ObjectTextIsApartFromTheContent)
{
    char text[16] = "junk";
    EXPECT_EQ(0, Z().zebGetText(m_hDoc, text));
    EXPECT_STREQ("", text);
    EXPECT_EQ(1, Z().zebSetText(m_hDoc, "\x95\xb6\x8f\x91"));
    EXPECT_EQ(4, Z().zebGetText(m_hDoc, nullptr));
    EXPECT_EQ(4, Z().zebGetText(m_hDoc, text));
    EXPECT_STREQ("\x95\xb6\x8f\x91", text);
    EXPECT_EQ(1, Z().zebSetText(m_hWb, "board"));
    EXPECT_EQ(5, Z().zebGetText(m_hWb, text));
    EXPECT_EQ(1, Z().zebSetText(m_hDoc, nullptr));
    EXPECT_EQ(0, Z().zebGetText(m_hDoc, text));
    EXPECT_EQ(1, Z().zebGetAllText(m_hDoc, nullptr, 0)) << "an empty document needs its NUL";
    EXPECT_EQ(-1, Z().zebGetText(m_parent.Hwnd(), text));
    EXPECT_EQ(0, Z().zebSetText(m_parent.Hwnd(), "x"));
}

TEST_F(TextExports, SelectionInItsThreeForms)
{
    Put(m_hDoc, "AB\r\nC");
    Select(m_hDoc, {1, 0}, {1, 1});
    POINT anchor = {};
    EXPECT_EQ(1, Z().zebGetSelect(m_hDoc, &anchor));
    EXPECT_EQ(1, anchor.x);
    EXPECT_EQ(0, anchor.y);
    EXPECT_EQ(1, Z().zebGetSelCol(m_hDoc));
    EXPECT_EQ(0, Z().zebGetDocSelRow(m_hWb, m_nDoc));
    EXPECT_EQ(5, Z().zebGetSelLength(m_hDoc)) << "B CR LF C NUL";
    EXPECT_EQ(19, Z().zebGetSelFullLength(m_hDoc));
    EXPECT_EQ("B\r\nC", SelText(m_hDoc));
    char small[3] = {};
    EXPECT_EQ(1, Z().zebGetSelText(m_hDoc, small, 3)) << "a CR LF pair that does not fit is left out";
    EXPECT_STREQ("B", small);
    EXPECT_EQ(-1, Z().zebGetSelText(m_hDoc, nullptr, 3));
    EXPECT_EQ(-1, Z().zebGetSelText(m_hDoc, small, 0));

    std::vector<BYTE> full(19);
    EXPECT_EQ(19, Z().zebGetSelFullText(m_hDoc, full.data(), 19));
    EXPECT_EQ(3u, WordAt(full, 0));
    EXPECT_EQ(std::string("B\nC"), std::string(full.begin() + 4, full.begin() + 7));
    const struct
    {
        LONG nSize;
        LONG nResult;
        DWORD dwCount;
    } kCut[] = {{18, 14, 2}, {10, 9, 1}, {9, 9, 1}, {8, 4, 0}, {4, 4, 0}, {3, -1, 0xFFFFFFFF}};
    for (const auto& c : kCut) {
        std::vector<BYTE> part(static_cast<size_t>(c.nSize), 0xEE);
        EXPECT_EQ(c.nResult, Z().zebGetDocSelFullText(m_hWb, m_nDoc, part.data(), c.nSize)) << c.nSize;
        if (c.nResult > 0) {
            EXPECT_EQ(c.dwCount, WordAt(part, 0)) << c.nSize;
        }
    }

    // The extended form: header, plain part and (clip mode 4) the font used.
    const LONG cbEx = Z().zebGetSelFullLengthEx(m_hDoc);
    EXPECT_EQ(32 + 19 + 4 + 64, cbEx);
    std::vector<BYTE> ex(static_cast<size_t>(cbEx));
    EXPECT_EQ(cbEx, Z().zebGetSelFullTextEx(m_hDoc, ex.data(), static_cast<UINT>(ex.size())));
    EXPECT_EQ(0xBCB0B2DFu, WordAt(ex, 0));
    EXPECT_EQ(static_cast<DWORD>(cbEx), WordAt(ex, 4));
    EXPECT_EQ(19u, WordAt(ex, 8));
    EXPECT_EQ(-1, Z().zebGetSelFullTextEx(m_hDoc, ex.data(), static_cast<UINT>(cbEx - 1)));

    // An anchor at the caret: an empty selection.
    Select(m_hDoc, {1, 1}, {1, 1});
    EXPECT_EQ(-1, Z().zebGetSelCol(m_hDoc));
    EXPECT_EQ(-1, Z().zebGetSelRow(m_hDoc));
    EXPECT_EQ(1, Z().zebGetSelLength(m_hDoc));
    EXPECT_EQ(4, Z().zebGetSelFullLength(m_hDoc));
    full.assign(19, 0xEE);
    EXPECT_EQ(4, Z().zebGetSelFullText(m_hDoc, full.data(), 19));
    EXPECT_EQ(0u, WordAt(full, 0));
    EXPECT_EQ(0, Z().zebGetSelText(m_hDoc, small, 3));
    EXPECT_STREQ("", small);
}

TEST_F(TextExports, AnchorIsSetClearedAndSelectsAll)
{
    const POINT* const kAll = reinterpret_cast<const POINT*>(static_cast<INT_PTR>(-1));
    POINT anchor = {};
    EXPECT_EQ(1, Z().zebSetSelect(m_hDoc, kAll));
    EXPECT_EQ(1, Z().zebGetSelect(m_hDoc, &anchor)) << "an empty document: anchor and caret at (0, 0)";
    POINT caret = {-1, -1};
    EXPECT_EQ(1, Z().zebGetCaret(m_hDoc, &caret));
    EXPECT_EQ(0, caret.x);
    EXPECT_EQ(0, caret.y);

    Put(m_hDoc, kJapanese);
    EXPECT_EQ(1, Z().zebSetSelect(m_hDoc, kAll));
    EXPECT_EQ(AllText(m_hDoc), SelText(m_hDoc)) << "select all takes the whole text";

    // One rule for null and a negative position: 1 when a selection went.
    const POINT kNegative = {-1, 0};
    for (const POINT* pClear : {static_cast<const POINT*>(nullptr), &kNegative}) {
        ASSERT_EQ(1, Z().zebSetSelect(m_hDoc, kAll));
        EXPECT_EQ(1, Z().zebSetSelect(m_hDoc, pClear));
        EXPECT_EQ(0, Z().zebGetSelect(m_hDoc, &anchor));
        EXPECT_EQ(-1, anchor.x);
        EXPECT_EQ(0, Z().zebSetSelect(m_hDoc, pClear)) << "nothing to clear";
    }

    // On the trail byte of "い" the anchor goes to its lead byte.
    ASSERT_EQ(1, Z().zebSetCaret(m_hDoc, 0, 0));
    const POINT trail = {3, 0};
    EXPECT_EQ(1, Z().zebSetSelect(m_hDoc, &trail));
    EXPECT_EQ(1, Z().zebGetSelect(m_hDoc, &anchor));
    EXPECT_EQ(2, anchor.x);
    EXPECT_EQ("\x82\xa0", SelText(m_hDoc));
    const POINT beyond = {9, 0};
    EXPECT_EQ(0, Z().zebSetSelect(m_hDoc, &beyond));

    EXPECT_EQ(0, Z().zebSetSelCol(m_hDoc, 5)) << "the line feed's column";
    EXPECT_EQ(1, Z().zebSetSelCol(m_hDoc, 4));
    EXPECT_EQ(1, Z().zebSetDocSelRow(m_hWb, m_nDoc, 1));
    EXPECT_EQ(4, Z().zebGetSelCol(m_hDoc));
    EXPECT_EQ(1, Z().zebGetSelRow(m_hDoc));
    EXPECT_EQ(0, Z().zebSetSelCol(m_hDoc, 20)) << "off the line";
    EXPECT_EQ(1, Z().zebSetSelRow(m_hDoc, -1));
    EXPECT_EQ(-1, Z().zebGetSelCol(m_hDoc));
}

// The failure values of the direct forms for a window that is no text
// document, and of the document forms for pairs that name none.
TEST_F(TextExports, FailureValuesForOtherWindowsAndBadPairs)
{
    HWND hPlain = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 9, 9, m_parent.Hwnd(), nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hPlain);
    char buffer[16];
    POINT pt = {};
    BYTE raw[64];
    const ZebTextApi& z = Z();
    const struct
    {
        const char* pszName;
        std::function<LONG(HWND)> call;
        LONG nFailure;
    } kDirect[] = {
        {"zebGetAllText", [&](HWND h) { return z.zebGetAllText(h, buffer, 16); }, -1},
        {"zebGetLine", [&](HWND h) { return z.zebGetLine(h, 0, nullptr, 0); }, -1},
        {"zebGetRawLine", [&](HWND h) { return z.zebGetRawLine(h, 0, raw, 64); }, -1},
        {"zebGetAllFullText", [&](HWND h) { return z.zebGetAllFullText(h, nullptr, 0); }, -1},
        {"zebGetLineCount", [&](HWND h) { return z.zebGetLineCount(h); }, -1},
        {"zebGetLineTop", [&](HWND h) { return z.zebGetLineTop(h, 0); }, -1},
        {"zebGetLineHeight", [&](HWND h) { return z.zebGetLineHeight(h, 0); }, 0},
        {"zebUpdateInfo", [&](HWND h) { return z.zebUpdateInfo(h); }, 0},
        {"zebGetCaret", [&](HWND h) { return z.zebGetCaret(h, &pt); }, 0},
        {"zebSetCaret", [&](HWND h) { return z.zebSetCaret(h, 0, 0); }, 0},
        {"zebGetSelCol", [&](HWND h) { return z.zebGetSelCol(h); }, -1},
        {"zebSetSelRow", [&](HWND h) { return z.zebSetSelRow(h, 0); }, 0},
        {"zebGetSelect", [&](HWND h) { return z.zebGetSelect(h, &pt); }, 0},
        {"zebSetSelect", [&](HWND h) { return z.zebSetSelect(h, nullptr); }, 0},
        {"zebGetSelLength", [&](HWND h) { return z.zebGetSelLength(h); }, -1},
        {"zebGetSelText", [&](HWND h) { return z.zebGetSelText(h, buffer, 16); }, -1},
        {"zebGetSelFullLength", [&](HWND h) { return z.zebGetSelFullLength(h); }, -1},
        {"zebGetSelFullText", [&](HWND h) { return z.zebGetSelFullText(h, raw, 64); }, -1},
        {"zebGetSelFullLengthEx", [&](HWND h) { return z.zebGetSelFullLengthEx(h); }, -1},
        {"zebGetSelFullTextEx", [&](HWND h) { return z.zebGetSelFullTextEx(h, raw, 64); }, -1},
        {"zebSetSelText", [&](HWND h) { return z.zebSetSelText(h, "x"); }, 0},
        {"zebSetSelFullText", [&](HWND h) { return z.zebSetSelFullText(h, raw, 4); }, 0},
        {"zebSetSelFullTextEx", [&](HWND h) { return z.zebSetSelFullTextEx(h, raw, 4); }, 0},
        {"zebCopyText", [&](HWND h) { return z.zebCopyText(h); }, 0},
        {"zebCutText", [&](HWND h) { return z.zebCutText(h); }, 0},
        {"zebPasteText", [&](HWND h) { return z.zebPasteText(h); }, 0},
        {"zebFindText", [&](HWND h) { return z.zebFindText(h, "x", 0, nullptr); }, 0},
        {"zebGetFirstLine", [&](HWND h) { return z.zebGetFirstLine(h); }, -1},
        {"zebGetLastLine", [&](HWND h) { return z.zebGetLastLine(h); }, -1},
        {"zebGetFirstColumn", [&](HWND h) { return z.zebGetFirstColumn(h); }, -1},
        {"zebSetFirstLine", [&](HWND h) { return z.zebSetFirstLine(h, 0); }, -1},
        {"zebSetFirstColumn", [&](HWND h) { return z.zebSetFirstColumn(h, 0); }, -1},
    };
    std::memset(raw, 0, sizeof(raw));
    for (const auto& c : kDirect)
        for (HWND hwnd : {hPlain, m_hWb, static_cast<HWND>(nullptr)})
            EXPECT_EQ(c.nFailure, c.call(hwnd)) << c.pszName << " on " << hwnd;

    const struct
    {
        const char* pszName;
        std::function<LONG(HWND, LONG)> call;
        LONG nFailure;
    } kDocForm[] = {
        {"zebGetDocAllText", [&](HWND h, LONG i) { return z.zebGetDocAllText(h, i, buffer, 16); }, -1},
        {"zebGetDocLine", [&](HWND h, LONG i) { return z.zebGetDocLine(h, i, 0, buffer, 16); }, -1},
        {"zebGetDocRawLine", [&](HWND h, LONG i) { return z.zebGetDocRawLine(h, i, 0, nullptr, 0); }, -1},
        {"zebGetDocAllFullText", [&](HWND h, LONG i) { return z.zebGetDocAllFullText(h, i, nullptr, 0); }, -1},
        {"zebGetDocLineCount", [&](HWND h, LONG i) { return z.zebGetDocLineCount(h, i); }, -1},
        {"zebGetDocLineTop", [&](HWND h, LONG i) { return z.zebGetDocLineTop(h, i, 0); }, -1},
        {"zebGetDocLineHeight", [&](HWND h, LONG i) { return z.zebGetDocLineHeight(h, i, 0); }, -1},
        {"zebUpdateDocInfo", [&](HWND h, LONG i) { return z.zebUpdateDocInfo(h, i); }, 0},
        {"zebGetDocCaret", [&](HWND h, LONG i) { return z.zebGetDocCaret(h, i, &pt); }, 0},
        {"zebSetDocCaret", [&](HWND h, LONG i) { return z.zebSetDocCaret(h, i, 0, 0); }, 0},
        {"zebGetDocSelCol", [&](HWND h, LONG i) { return z.zebGetDocSelCol(h, i); }, -1},
        {"zebGetDocSelRow", [&](HWND h, LONG i) { return z.zebGetDocSelRow(h, i); }, -1},
        {"zebSetDocSelCol", [&](HWND h, LONG i) { return z.zebSetDocSelCol(h, i, 0); }, 0},
        {"zebSetDocSelRow", [&](HWND h, LONG i) { return z.zebSetDocSelRow(h, i, 0); }, 0},
        {"zebGetDocSelLength", [&](HWND h, LONG i) { return z.zebGetDocSelLength(h, i); }, -1},
        {"zebGetDocSelText", [&](HWND h, LONG i) { return z.zebGetDocSelText(h, i, buffer, 16); }, -1},
        {"zebGetDocSelFullLength", [&](HWND h, LONG i) { return z.zebGetDocSelFullLength(h, i); }, -1},
        {"zebGetDocSelFullText", [&](HWND h, LONG i) { return z.zebGetDocSelFullText(h, i, raw, 64); }, -1},
        {"zebSetDocSelText", [&](HWND h, LONG i) { return z.zebSetDocSelText(h, i, "x"); }, 0},
        {"zebSetDocSelFullText", [&](HWND h, LONG i) { return z.zebSetDocSelFullText(h, i, raw, 4); }, 0},
        {"zebFindDocText", [&](HWND h, LONG i) { return z.zebFindDocText(h, i, "x", 0, nullptr); }, 0},
        {"zebGetDocFirstLine", [&](HWND h, LONG i) { return z.zebGetDocFirstLine(h, i); }, -1},
        {"zebGetDocLastLine", [&](HWND h, LONG i) { return z.zebGetDocLastLine(h, i); }, -1},
        {"zebGetDocFirstColumn", [&](HWND h, LONG i) { return z.zebGetDocFirstColumn(h, i); }, -1},
        {"zebSetDocFirstLine", [&](HWND h, LONG i) { return z.zebSetDocFirstLine(h, i, 0); }, -1},
        {"zebSetDocFirstColumn", [&](HWND h, LONG i) { return z.zebSetDocFirstColumn(h, i, 0); }, -1},
    };
    const struct
    {
        HWND hwnd;
        LONG nIndex;
    } kBadPairs[] = {{m_hWb, 1}, {m_hWb, -1}, {m_hDoc, 0}, {hPlain, 0}, {nullptr, 0}};
    for (const auto& c : kDocForm)
        for (const auto& pair : kBadPairs)
            EXPECT_EQ(c.nFailure, c.call(pair.hwnd, pair.nIndex)) << c.pszName << " " << pair.nIndex;
    EXPECT_EQ("", AllText(m_hDoc)) << "no failed call changed the document";
    ::DestroyWindow(hPlain);
}

TEST_F(TextExports, FirstVisibleLineScrolls)
{
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "line\r\n";
    Put(m_hDoc, text.c_str());
    EXPECT_EQ(0, Z().zebGetFirstLine(m_hDoc));
    EXPECT_EQ(0, Z().zebGetFirstColumn(m_hDoc));
    const LONG nLast = Z().zebGetLastLine(m_hDoc);
    EXPECT_GT(nLast, 0);
    EXPECT_LT(nLast, 19) << "a 100-pixel window does not show twenty lines";
    EXPECT_EQ(0, Z().zebSetFirstLine(m_hDoc, 4)) << "the first line before";
    EXPECT_EQ(4, Z().zebGetDocFirstLine(m_hWb, m_nDoc));
    EXPECT_EQ(4, Z().zebSetDocFirstLine(m_hWb, m_nDoc, 4)) << "already there";
    EXPECT_EQ(4, Z().zebGetFirstLine(m_hDoc));
    EXPECT_EQ(nLast + 4, Z().zebGetLastLine(m_hDoc));
    EXPECT_EQ(-1, Z().zebSetFirstLine(m_hDoc, 21));
    EXPECT_EQ(0, Z().zebSetFirstColumn(m_hDoc, 2));
    EXPECT_EQ(2, Z().zebGetFirstColumn(m_hDoc));
    EXPECT_EQ(-1, Z().zebSetFirstColumn(m_hDoc, 7)) << "beyond the line";
}

}  // namespace
