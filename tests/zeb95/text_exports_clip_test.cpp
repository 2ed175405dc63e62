#include <cstring>

#include "text/doc/doc_record.h"
#include "whiteboard/wb_record.h"
#include "text_clip_helpers.h"
#include "text_exports_fixture.h"

namespace {

// The clip mode of a document of the loaded library, set in its record
// (its own export comes with the layout settings).
void SetClipMode(HWND hDoc, int nMode)
{
    auto* pDoc = reinterpret_cast<ZebDocRecord*>(::GetWindowLongPtrA(hDoc, 0));
    ASSERT_NE(nullptr, pDoc);
    pDoc->dwFlags = (pDoc->dwFlags & ~kDocClipModeMask) | (static_cast<DWORD>(nMode) << kDocClipModeShift);
}

std::string TempFile(const char* pszName)
{
    char szDir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szDir);
    return std::string(szDir) + pszName;
}

TEST_F(TextExports, ReplacingTheSelectionCopiesItFirstUnlessTheClipModeSaysNot)
{
    Put(m_hDoc, "ABC");
    SetClipText("keep");
    Select(m_hDoc, {1, 0}, {2, 0});
    EXPECT_EQ(1, Z().zebSetSelText(m_hDoc, "\x93\xfa\x96\x7b"));
    EXPECT_EQ("A\x93\xfa\x96\x7b" "C", AllText(m_hDoc));
    EXPECT_EQ("B", ClipText()) << "the default clip mode puts the replaced text on the clipboard";

    SetClipMode(m_hDoc, 0x10 | 4);
    SetClipText("keep");
    Select(m_hDoc, {0, 0}, {1, 0});
    EXPECT_EQ(1, Z().zebSetDocSelText(m_hWb, m_nDoc, "x"));
    EXPECT_EQ("x\x93\xfa\x96\x7b" "C", AllText(m_hDoc));
    EXPECT_EQ("keep", ClipText());
    EXPECT_EQ(0, Z().zebSetSelText(m_hDoc, nullptr));

    // A failed copy keeps the selection and the text.
    SetClipMode(m_hDoc, 4);
    Select(m_hDoc, {0, 0}, {1, 0});
    {
        HeldClipboard held;
        EXPECT_EQ(0, Z().zebSetSelText(m_hDoc, "y"));
    }
    EXPECT_EQ("x\x93\xfa\x96\x7b" "C", AllText(m_hDoc));
    EXPECT_EQ("x", SelText(m_hDoc));
}

TEST_F(TextExports, FullTextGoesFromOneDocumentToAnother)
{
    HWND hOther = NewDoc(NewWhiteBoard(), JapaneseFont(20, "Arial"));
    ASSERT_NE(nullptr, hOther);
    Put(m_hDoc, "\x93\xfa\x96\x7b\r\nab");
    ASSERT_EQ(1, Z().zebSetSelect(m_hDoc, reinterpret_cast<const POINT*>(static_cast<INT_PTR>(-1))));
    std::vector<BYTE> ex = SelFullTextEx(m_hDoc);
    ASSERT_GT(ex.size(), 32u);
    std::vector<BYTE> plain(static_cast<size_t>(Z().zebGetSelFullLength(m_hDoc)));
    ASSERT_EQ(static_cast<LONG>(plain.size()),
              Z().zebGetSelFullText(m_hDoc, plain.data(), static_cast<LONG>(plain.size())));

    // Sizes that do not hold change nothing.
    Put(hOther, "Z");
    const LONG cbEx = static_cast<LONG>(ex.size());
    EXPECT_EQ(0, Z().zebSetSelFullText(hOther, ex.data(), cbEx + 1)) << "extended: exactly its total";
    EXPECT_EQ(0, Z().zebSetSelFullTextEx(hOther, ex.data(), cbEx - 1));
    EXPECT_EQ(0, Z().zebSetSelFullText(hOther, plain.data(), static_cast<LONG>(plain.size()) - 1));
    EXPECT_EQ(0, Z().zebSetSelFullText(hOther, nullptr, 0));
    EXPECT_EQ("Z", AllText(hOther));

    std::vector<BYTE> padded = plain;
    padded.resize(plain.size() + 3);
    EXPECT_EQ(1, Z().zebSetSelFullText(hOther, padded.data(), static_cast<LONG>(padded.size())));
    padded = ex;
    padded.resize(ex.size() + 8);
    EXPECT_EQ(1, Z().zebSetSelFullTextEx(hOther, padded.data(), static_cast<LONG>(padded.size())));
    EXPECT_EQ(1, Z().zebSetSelFullText(hOther, ex.data(), cbEx));
    EXPECT_EQ("Z\x93\xfa\x96\x7b\r\nab\x93\xfa\x96\x7b\r\nab\x93\xfa\x96\x7b\r\nab", AllText(hOther));

    // The extended text brought the first document's font along: the text
    // pasted in stands in a font of its own, the same as the source's.
    const POINT fromPasted = {2, 1};
    ASSERT_EQ(1, Z().zebSetCaret(hOther, 2, 2));
    ASSERT_EQ(1, Z().zebSetSelect(hOther, &fromPasted));
    std::vector<BYTE> back = SelFullTextEx(hOther);
    ASSERT_GE(back.size(), 32u + 4 + 5 * 7 + 4 + 64);
    const size_t fontsAt = 32 + WordAt(back, 8) + WordAt(back, 12) + WordAt(back, 16);
    ASSERT_EQ(4u + 64, WordAt(back, 20)) << "one font in use";
    LOGFONTA lf = {};
    std::memcpy(&lf, back.data() + fontsAt + 8, sizeof(lf));
    EXPECT_STREQ("IPAGothic", lf.lfFaceName);
    EXPECT_EQ(16, lf.lfHeight);
    std::vector<BYTE> all(static_cast<size_t>(Z().zebGetAllFullText(hOther, nullptr, 0)));
    ASSERT_GT(Z().zebGetAllFullText(hOther, all.data(), static_cast<LONG>(all.size())), 0);
    const DWORD n = WordAt(all, 0);
    EXPECT_EQ((WordAt(all, 4 + n) >> 8) & 0xFF, (WordAt(all, 4 + n + 4) >> 8) & 0xFF)
        << "plain full text keeps the font numbers";
    EXPECT_NE((WordAt(all, 4 + n) >> 8) & 0xFF, (WordAt(all, 4 + n + 8 * 4) >> 8) & 0xFF)
        << "\"Z\" and the extended text pasted stand in different fonts";
}

TEST_F(TextExports, CopyCutAndPasteBetweenTwoDocuments)
{
    LONG nSecond = -1;
    HWND hSecond = NewDoc(m_hWb, JapaneseFont(16), &nSecond);
    ASSERT_EQ(1, nSecond);
    Put(m_hDoc, "\x82\xa0\x82\xa2\r\nxy");
    Put(hSecond, "12");

    SetClipText(nullptr);
    EXPECT_EQ(1, Z().zebPasteText(hSecond)) << "an empty clipboard";
    EXPECT_EQ("12", AllText(hSecond));

    Select(m_hDoc, {2, 0}, {1, 1});
    EXPECT_EQ(1, Z().zebCopyText(m_hDoc));
    EXPECT_EQ("\x82\xa2\r\nx", ClipText());
    ASSERT_EQ(1, Z().zebSetCaret(hSecond, 1, 0));
    EXPECT_EQ(1, Z().zebPasteText(hSecond));
    EXPECT_EQ("1\x82\xa2\r\nx2", AllText(hSecond));

    Select(hSecond, {0, 0}, {1, 0});
    EXPECT_EQ(1, Z().zebCutText(hSecond));
    EXPECT_EQ("1", ClipText());
    EXPECT_EQ("\x82\xa2\r\nx2", AllText(hSecond));
    Select(m_hDoc, {0, 1}, {2, 1});
    EXPECT_EQ(1, Z().zebPasteText(m_hDoc)) << "the selection gives way to the clipboard";
    EXPECT_EQ("\x82\xa0\x82\xa2\r\n1", AllText(m_hDoc));
}

TEST_F(TextExports, FindTextInADocument)
{
    Put(m_hDoc, "Needle needle\r\n\x90\x6a needle");
    POINT pos = {0, 0};
    EXPECT_EQ(1, Z().zebFindText(m_hDoc, "needle", 4, &pos)) << "report only";
    EXPECT_EQ(13, pos.x) << "after the match";
    EXPECT_EQ(0, pos.y);
    EXPECT_EQ(-1, Z().zebGetSelCol(m_hDoc)) << "nothing selected";
    pos = {0, 0};
    EXPECT_EQ(1, Z().zebFindText(m_hDoc, "NEEDLE", 2, &pos)) << "case folded";
    EXPECT_EQ(0, pos.x);
    EXPECT_EQ("Needle", SelText(m_hDoc));
    pos = {0, 2};
    EXPECT_EQ(0, Z().zebFindText(m_hDoc, "needle", 0, &pos)) << "no such line";
    pos = {9, 1};
    EXPECT_EQ(1, Z().zebFindDocText(m_hWb, m_nDoc, "needle", 1, &pos));
    EXPECT_EQ(3, pos.x);
    EXPECT_EQ(1, pos.y);
    EXPECT_EQ(0, Z().zebFindText(m_hDoc, nullptr, 0, nullptr));
}

TEST_F(TextExports, FindStringWalksTheWhiteBoardForwardAndBack)
{
    LONG nSecond = -1;
    HWND hSecond = NewDoc(m_hWb, JapaneseFont(16), &nSecond);
    ASSERT_NE(nullptr, hSecond);
    Put(m_hDoc, "abc \x90\x6a");
    Put(hSecond, "\x90\x6a and \x90\x6a");
    WORD wKind = 0;
    LONG nIndex = 0;
    const char* pszFind = "\x90\x6a";
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, FALSE, TRUE, &wKind, &nIndex));
    EXPECT_EQ(8, wKind);
    EXPECT_EQ(0, nIndex);
    EXPECT_EQ(pszFind, SelText(m_hDoc));
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, FALSE, TRUE, &wKind, &nIndex));
    EXPECT_EQ(1, nIndex) << "the first document holds it once";
    POINT caret = {};
    ASSERT_EQ(1, Z().zebGetCaret(hSecond, &caret));
    EXPECT_EQ(0, caret.x);
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, FALSE, TRUE, &wKind, &nIndex));
    EXPECT_EQ(1, nIndex) << "searched again from its caret";
    ASSERT_EQ(1, Z().zebGetCaret(hSecond, &caret));
    EXPECT_EQ(7, caret.x);
    EXPECT_EQ(0, Z().zebFindString(m_hWb, pszFind, FALSE, TRUE, &wKind, &nIndex));

    wKind = 0;
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, TRUE, TRUE, &wKind, &nIndex)) << "backward from the end";
    EXPECT_EQ(8, wKind);
    EXPECT_EQ(1, nIndex);
    ASSERT_EQ(1, Z().zebGetCaret(hSecond, &caret));
    EXPECT_EQ(7, caret.x);
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, TRUE, TRUE, &wKind, &nIndex));
    EXPECT_EQ(1, nIndex);
    ASSERT_EQ(1, Z().zebGetCaret(hSecond, &caret));
    EXPECT_EQ(0, caret.x);
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, TRUE, TRUE, &wKind, &nIndex));
    EXPECT_EQ(0, nIndex);

    // Without the documents flag the object texts count; text items come
    // first. A document in edit mode can be selected.
    ASSERT_EQ(1, Z().zebSetText(hSecond, "note \x90\x6a"));
    Z().zebSetViewMode(hSecond, 0);
    wKind = 0;
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, FALSE, FALSE, &wKind, &nIndex));
    EXPECT_EQ(8, wKind);
    EXPECT_EQ(1, nIndex);
    WORD wSelKind = 0;
    LONG nSelIndex = -1;
    EXPECT_EQ(1, Z().zebGetSelObj(m_hWb, &wSelKind, &nSelIndex)) << "the object found is selected";
    EXPECT_EQ(8, wSelKind);
    EXPECT_EQ(1, nSelIndex);
    LOGFONTA lf = JapaneseFont(12);
    const POINT at = {5, 5};
    ASSERT_EQ(0, Z().zebAddText(m_hWb, "a \x90\x6a item", &lf, &at, FALSE));
    wKind = 0;
    EXPECT_EQ(1, Z().zebFindString(m_hWb, pszFind, FALSE, FALSE, &wKind, &nIndex));
    EXPECT_EQ(2, wKind);
    EXPECT_EQ(0, nIndex);
    const auto* pWb = reinterpret_cast<const ZebWbRecord*>(::GetWindowLongPtrA(m_hWb, 0));
    EXPECT_EQ(2, pWb->SearchKind()) << "the whiteboard keeps what was found";
    wKind = 16;
    nIndex = 4;
    EXPECT_EQ(0, Z().zebFindString(m_hWb, "absent", FALSE, TRUE, &wKind, &nIndex));
    EXPECT_EQ(0, pWb->SearchKind());
    EXPECT_EQ(0, pWb->SearchIndex());
    EXPECT_EQ(0, Z().zebFindString(m_hDoc, pszFind, FALSE, TRUE, &wKind, &nIndex)) << "no whiteboard";
    EXPECT_EQ(0, Z().zebFindString(m_hWb, pszFind, FALSE, TRUE, nullptr, &nIndex));
}

TEST_F(TextExports, ObjectFilesOfADocumentArePlainTextOrABlock)
{
    // "Aあいう" then "え": the 8th byte is a lead byte whose trail follows.
    const char* pszText = "A\x82\xa0\x82\xa2\x82\xa4\x82\xa6\r\nB";
    Put(m_hDoc, pszText);
    const std::string plainPath = TempFile("zebdoc-plain.txt");
    const std::string blockPath = TempFile("zebdoc-block.zob");
    EXPECT_EQ(12, Z().zebWriteObject(m_hWb, 8, m_nDoc, plainPath.c_str(), 0, nullptr, nullptr));
    EXPECT_GT(Z().zebWriteObject(m_hWb, 8, m_nDoc, blockPath.c_str(), 2, nullptr, nullptr), 12);
    for (const std::string& path : {plainPath, blockPath}) {
        const LONG nSize = Z().zebReadObject(m_hWb, 8, -1, path.c_str());
        EXPECT_GT(nSize, 0) << path;
        HWND hRead = Z().zebGetObjWindow(m_hWb, 8, 1);
        ASSERT_NE(nullptr, hRead) << path;
        EXPECT_EQ(std::string(pszText), AllText(hRead)) << path;
        ::DestroyWindow(hRead);
        ::DeleteFileA(path.c_str());
    }
}

}  // namespace
