#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dib/bmp_file.h"
#include "objects/global_mem.h"
#include "text/block/doc_object_block.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_create.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_marks.h"
#include "text/edit/doc_edit.h"
#include "text/full/text_getters.h"
#include "text/tables/bmp_table.h"
#include "text/tables/font_entry.h"
#include "text/tables/font_table.h"
#include "pic_fixtures.h"
#include "text_doc_fixture.h"
#include "wb_file_fixtures.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

namespace {

const LONG kDocKind = 8;

Bytes FileBytes(const std::string& path) { return ReadBytes(path); }
void PutFile(const std::string& path, const Bytes& bytes) { WriteBytes(path, bytes); }

class DocBlocks : public TextDocs
{
protected:
    void TearDown() override
    {
        for (HWND hwnd : m_others)
            ::DestroyWindow(hwnd);
        TextDocs::TearDown();
    }
    // A document on the whiteboard (or, with bOwnFonts, on a plain window,
    // so with a font table of its own) holding text, a second font, a
    // mark, an inline bitmap by name and strings.
    HWND FilledDoc(HWND hParent, const char* pszBmpName = "inline.bmp")
    {
        ZebDocCreateInfo info = {};
        info.x = 12;
        info.y = 8;
        info.cx = 180;
        info.cy = 90;
        HWND hDoc = DocCreateObj(hParent, &info, nullptr);
        EXPECT_NE(nullptr, hDoc);
        EXPECT_EQ(1, DocInsertText(hDoc, "ab\ncd\fe"));
        ZebDocRecord& doc = Doc(hDoc);
        doc.anchor = {0, 0};
        EXPECT_EQ(1, DocSetCaret(hDoc, 1, 0, kCaretExtend));
        // A second font that comes back the same from its stored LOGFONT
        // (under Wine a TrueType font made again from the height it
        // measured comes out larger).
        LOGFONTA lf = FallbackLogFont();
        lf.lfWeight = FW_BOLD;
        lf.lfItalic = TRUE;
        EXPECT_NE(0, DocSetFont(hDoc, &lf));
        // The font as the table holds it, so that the mark finds it.
        const LOGFONTA held = DocFontEntry(doc, 1)->logfont;
        EXPECT_EQ(1, DocSetNewLineMark(hDoc, 0x25, &held, TRUE));
        EXPECT_EQ(0, DocAddBmp(hDoc, -1, MakeSolidDib(3, 2, RGB(10, 20, 30)), pszBmpName));
        EXPECT_EQ(1, DocSetCaret(hDoc, 1, 1, 3));
        EXPECT_NE(0, DocInsertBmp(hDoc, 0));
        doc.head.SetText(LockedGlobalStrDup("object text"));
        doc.nLimit = 40;
        doc.nImeMode = 4;
        doc.head.SetBkColor(RGB(1, 2, 3));
        DocWaitLayout(hDoc, -1);
        return hDoc;
    }
    HWND NewWhiteBoard()
    {
        HWND hwnd = CreatePlainWhiteBoard(m_parent.Hwnd());
        m_others.push_back(hwnd);
        return hwnd;
    }
    HWND PlainParent()
    {
        HWND hwnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        m_others.push_back(hwnd);
        return hwnd;
    }
    static Bytes Written(HWND hDoc, const std::string& path, int nMode = 2)
    {
        HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        const LONG n = WriteDocObject(hDoc, hFile, nMode, nullptr, nullptr);
        ::CloseHandle(hFile);
        EXPECT_GT(n, 0);
        return FileBytes(path);
    }
    static BOOL ReadInto(HWND hDoc, const std::string& path)
    {
        HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        const BOOL bRead = ReadDocObjectFile(hDoc, hFile, path.c_str());
        ::CloseHandle(hFile);
        return bRead;
    }
    static Bytes Stored(HWND hWb)
    {
        const std::string path = TempPath("zebdoc-stored.zwb");
        EXPECT_GT(zebWriteWhiteBoard(hWb, path.c_str(), 2, nullptr, nullptr), 0);
        return FileBytes(path);
    }
    static std::string AllText(HWND hDoc) { return BlocksText(*Doc(hDoc).Blocks()); }
    static Bytes FullText(HWND hDoc)
    {
        Bytes full(static_cast<size_t>(DocGetAllFullTextLength(hDoc)));
        EXPECT_EQ(static_cast<int>(full.size()), DocGetAllFullText(hDoc, full.data(), static_cast<int>(full.size())));
        return full;
    }

    std::vector<HWND> m_others;
};

TEST_F(DocBlocks, AWhiteBoardWithADocumentReadsBackIdentical)
{
    HWND hDoc = FilledDoc(m_hWb);
    const Bytes first = Stored(m_hWb);
    const std::string path = TempPath("zebdoc-round.zwb");
    PutFile(path, first);
    HWND hWb2 = NewWhiteBoard();
    ASSERT_GT(zebReadWhiteBoard(hWb2, path.c_str(), nullptr, nullptr), 0);
    EXPECT_TRUE(SameBytes(first, Stored(hWb2)));
    HWND hRead = WbChildAt(hWb2, kDocKind, 0);
    ASSERT_NE(nullptr, hRead);
    EXPECT_EQ(AllText(hDoc), AllText(hRead));
    ZebDocRecord& doc = Doc(hRead);
    EXPECT_EQ(1, doc.Bitmaps()->Count());
    EXPECT_EQ(0x25, doc.wLineFeedCode);
    EXPECT_STREQ("object text", doc.head.Text());
    EXPECT_EQ(40, doc.nLimit);
    EXPECT_EQ(4, doc.nImeMode);
    EXPECT_EQ(RGB(1, 2, 3), doc.head.BkColor());
    EXPECT_EQ(12, doc.head.Position().x);
    EXPECT_EQ(180, doc.head.Size().cx);
}

// A document in several fonts (font 0, IPAGothic at 24 set twice, a bold
// IPAMincho), with both marks and an inline bitmap, on a whiteboard that
// shares its fonts and on one whose documents keep their own: stored, read
// and stored again it gives the same bytes, and the document read holds
// the same text, attributes and fonts.
TEST_F(DocBlocks, AWhiteBoardWithFontsMarksAndABitmapReadsBackToItself)
{
    LOGFONTA mincho = Gothic(16);
    lstrcpyA(mincho.lfFaceName, "IPAMincho");
    mincho.lfWeight = FW_BOLD;
    for (LONG nFontMode : {0L, 1L})
    {
        SCOPED_TRACE(nFontMode == 0 ? "shared fonts" : "own fonts");
        HWND hWb = NewWhiteBoard();
        ASSERT_EQ(0, zebSetDocFontMode(hWb, nFontMode));
        HWND hDoc = DocCreateObj(hWb, nullptr, nullptr);
        ASSERT_NE(nullptr, hDoc);
        ZebDocRecord& doc = Doc(hDoc);
        ASSERT_EQ(1, DocInsertText(hDoc, "a0"));
        const LOGFONTA gothic = Gothic(24);
        ASSERT_NE(0, DocSetFont(hDoc, &gothic));
        ASSERT_EQ(1, DocInsertText(hDoc, "\x82\xA0g\n"));
        ASSERT_NE(0, DocSetFont(hDoc, &gothic));
        ASSERT_EQ(2, DocFontTable(doc, false)->Count()) << "the same font set twice is one entry";
        ASSERT_NE(0, DocSetFont(hDoc, &mincho));
        ASSERT_EQ(1, DocInsertText(hDoc, "m\f\x88\x9F"));
        ASSERT_EQ(0, DocAddBmp(hDoc, -1, MakeSolidDib(3, 2, RGB(10, 20, 30)), nullptr));
        ASSERT_NE(0, DocInsertBmp(hDoc, 0));
        ASSERT_EQ(1, DocSetNewLineMark(hDoc, 0x25, &gothic, TRUE));
        ASSERT_EQ(1, DocSetFormFeedMark(hDoc, 0, nullptr, TRUE));
        DocWaitLayout(hDoc, -1);
        ASSERT_EQ(3, DocFontTable(doc, false)->Count());

        const Bytes first = Stored(hWb);
        const std::string path = TempPath("zebdoc-fonts.zwb");
        PutFile(path, first);
        HWND hWb2 = NewWhiteBoard();
        ASSERT_EQ(0, zebSetDocFontMode(hWb2, nFontMode));
        ASSERT_GT(zebReadWhiteBoard(hWb2, path.c_str(), nullptr, nullptr), 0);
        EXPECT_TRUE(SameBytes(first, Stored(hWb2)));
        HWND hRead = WbChildAt(hWb2, kDocKind, 0);
        ASSERT_NE(nullptr, hRead);
        ZebDocRecord& read = Doc(hRead);
        EXPECT_EQ(FullText(hDoc), FullText(hRead)) << "text and attributes";
        ASSERT_EQ(3, DocFontTable(read, false)->Count());
        for (int i = 0; i < 3; ++i)
        {
            const ZebFontEntry& want = *DocFontEntry(doc, i);
            const ZebFontEntry& got = *DocFontEntry(read, i);
            EXPECT_EQ(0, std::memcmp(&want.logfont, &got.logfont, sizeof(LOGFONTA))) << "font " << i;
            EXPECT_EQ(0, std::memcmp(want.widths, got.widths, sizeof(want.widths))) << "font " << i;
        }
        EXPECT_EQ(doc.wLineFeedCode, read.wLineFeedCode);
        EXPECT_EQ(doc.lineFeedAttr, read.lineFeedAttr);
        EXPECT_EQ(doc.formFeedAttr, read.formFeedAttr);
        EXPECT_EQ(1, read.Bitmaps()->Count());
    }
}

TEST_F(DocBlocks, TheBlockLayoutIsAsStored)
{
    HWND hDoc = FilledDoc(m_hWb);
    ASSERT_EQ(2, DocFontTable(Doc(hDoc), false)->Count());
    const Bytes block = Written(hDoc, TempPath("zebdoc-layout.zob"));
    ASSERT_GT(block.size(), 8u + 820u + 2 * 576u);
    ASSERT_EQ('D', block[0]);
    ASSERT_EQ('O', block[1]);
    const size_t cbFixed = block[2] | (block[3] << 8);
    const std::string lineStart = Doc(hDoc).head.LineStartString();
    EXPECT_EQ(820u + 12u + lineStart.size() + 1, cbFixed) << "record, object text and line-start string";
    auto word = [&](size_t nAt) { return block[nAt] | (block[nAt + 1] << 8) | (block[nAt + 2] << 16) | (static_cast<DWORD>(block[nAt + 3]) << 24); };
    const size_t r = 8;
    EXPECT_EQ(0x020D0004u, word(r + 0));
    EXPECT_EQ(0u, word(r + 328)) << "no cursor";
    EXPECT_EQ(12u, word(r + 348)) << "object text at 0, 12 bytes";
    EXPECT_EQ((12u << 16) | (lineStart.size() + 1), word(r + 344));
    EXPECT_EQ(1u, word(r + 420)) << "one bitmap";
    EXPECT_EQ(2u, word(r + 448)) << "two fonts";
    EXPECT_EQ(0x25u, block[r + 518] | (block[r + 519] << 8u)) << "line-feed mark code";
    EXPECT_EQ(4u, word(r + 524)) << "IME mode";
    EXPECT_EQ(40u, word(r + 500));
    EXPECT_EQ(std::string("object text", 12), std::string(block.begin() + 828, block.begin() + 840));
    const size_t v = 8 + cbFixed;
    EXPECT_EQ(block.size() - v, word(4)) << "the variable part runs to the end";
    const size_t nBitmap = v + 2 * 576;
    EXPECT_EQ(11u, word(nBitmap)) << "name length with its NUL";
    EXPECT_EQ(std::string("inline.bmp"), std::string(reinterpret_cast<const char*>(&block[nBitmap + 4])));
    const size_t nImage = word(nBitmap + 15);
    EXPECT_EQ('B', block[nBitmap + 19]);
    const size_t nText = nBitmap + 19 + nImage;
    EXPECT_EQ(8u, word(nText)) << "ab, line feed, c, the bitmap, d, form feed, e";
    EXPECT_EQ(nText + 4 + 8 * 5, block.size());
}

TEST_F(DocBlocks, ObjectFilesOfTextDocuments)
{
    FilledDoc(m_hWb);
    const std::string path = TempPath("zebdoc-object.zob");
    const LONG nWritten = zebWriteObject(m_hWb, kDocKind, 0, path.c_str(), 2, nullptr, nullptr);
    ASSERT_GT(nWritten, 0);
    const Bytes golden = FileBytes(path);
    ASSERT_EQ(static_cast<LONG>(golden.size()), zebReadObject(m_hWb, kDocKind, -1, path.c_str()));
    const std::string path2 = TempPath("zebdoc-object2.zob");
    ASSERT_GT(zebWriteObject(m_hWb, kDocKind, 1, path2.c_str(), 2, nullptr, nullptr), 0);
    EXPECT_TRUE(SameBytes(golden, FileBytes(path2)));
    ASSERT_GT(zebWriteObject(m_hWb, kDocKind, 0, path2.c_str(), 0, nullptr, nullptr), 0);
    EXPECT_EQ(StringBytes("ab\r\nc d\fe"), FileBytes(path2)) << "mode 0: the plain text";
}

TEST_F(DocBlocks, DamagedBlocksLeaveTheDocumentAsItWas)
{
    FilledDoc(m_hWb);
    const std::string path = TempPath("zebdoc-damage.zob");
    ASSERT_GT(zebWriteObject(m_hWb, kDocKind, 0, path.c_str(), 2, nullptr, nullptr), 0);
    const Bytes golden = FileBytes(path);
    const Bytes before = Stored(m_hWb);
    int nRefused = 0;
    const std::vector<size_t> words = {328, 344, 348, 420, 448};
    std::vector<FileField> fields = BlockFields(golden, "DO", words);
    const size_t cbFixed = golden[2] | (golden[3] << 8);
    const size_t v = 8 + cbFixed;
    for (size_t nAt : {v + 2 * 576, v + 2 * 576 + 15, golden.size() - 8 * 5 - 4})
        fields.push_back({nAt, 4});
    for (const Bytes& copy : DamagedCopies(golden, fields))
    {
        PutFile(path, copy);
        if (zebReadObject(m_hWb, kDocKind, 0, path.c_str()) >= 0)
        {
            PutFile(path, golden);
            ASSERT_GT(zebReadObject(m_hWb, kDocKind, 0, path.c_str()), 0);
            continue;
        }
        ++nRefused;
        ASSERT_TRUE(SameBytes(before, Stored(m_hWb))) << "copy of " << copy.size() << " bytes";
    }
    EXPECT_GT(nRefused, static_cast<int>(golden.size()) / 2);
}

TEST_F(DocBlocks, HostileFieldsAreRefused)
{
    FilledDoc(m_hWb);
    const std::string path = TempPath("zebdoc-hostile.zob");
    ASSERT_GT(zebWriteObject(m_hWb, kDocKind, 0, path.c_str(), 2, nullptr, nullptr), 0);
    const Bytes golden = FileBytes(path);
    const size_t r = 8;
    const size_t cbFixed = golden[2] | (golden[3] << 8);
    struct Case
    {
        const char* name;
        size_t nAt;
        DWORD dw;
    };
    const Case cases[] = {
        {"257 fonts", r + 448, 257},
        {"a cursor beyond the fixed part", r + 328, 0xFFFF},
        {"object text beyond the fixed part", r + 348, (0x1000u << 16) | 12},
        {"object text without its NUL", r + 348, 11},
        {"300 bitmaps", r + 420, 300},
        {"text count beyond the block", golden.size() - 8 * 5 - 4, 10},
        {"a lead byte without its trail byte", golden.size() - 4, 0x10},
        {"a bitmap name without its NUL", 8 + cbFixed + 2 * 576 + 14, 0x41414141},
    };
    const Bytes before = Stored(m_hWb);
    for (const Case& c : cases)
    {
        Bytes bad = golden;
        PutDword(bad, c.nAt, c.dw);
        PutFile(path, bad);
        EXPECT_EQ(-1, zebReadObject(m_hWb, kDocKind, 0, path.c_str())) << c.name;
        EXPECT_TRUE(SameBytes(before, Stored(m_hWb))) << c.name;
    }
}

// An inline bitmap whose DIB, a 1 x 11 1-bit image, takes its bits from
// its own header (bfOffBits 14): with its whole colour table the entry is
// 62 bytes; cut to 58, its second colour would be the text count after it.
Bytes OverlappingDib(bool bWholeTable)
{
    const Bytes header = RecordWords(40, {{0, 40}, {1, 1}, {2, 11}, {3, 0x00010001}, {8, 2}});
    return StringBytes("BM") + RecordWords(12, {{2, 14}}) + header +
           RecordWords(bWholeTable ? 8 : 4, {{0, 0x00FFFFFF}});
}

TEST_F(DocBlocks, AnInlineBitmapIsReadWithinItsEntry)
{
    FilledDoc(m_hWb);
    const std::string path = TempPath("zebdoc-inline.zob");
    ASSERT_GT(zebWriteObject(m_hWb, kDocKind, 0, path.c_str(), 2, nullptr, nullptr), 0);
    const Bytes golden = FileBytes(path);
    const size_t cbFixed = golden[2] | (golden[3] << 8);
    // Two font entries, then the bitmap: its name "inline.bmp", its size.
    const size_t nSizeAt = 8 + cbFixed + 2 * 576 + 4 + 11;
    const DWORD cbOld = golden[nSizeAt] | (golden[nSizeAt + 1] << 8) | (golden[nSizeAt + 2] << 16);
    const Bytes before = Stored(m_hWb);
    for (bool bWholeTable : {false, true})
    {
        const Bytes dib = OverlappingDib(bWholeTable);
        Bytes file(golden.begin(), golden.begin() + static_cast<long>(nSizeAt));
        file = file + RecordWords(4, {{0, static_cast<DWORD>(dib.size())}}) + dib +
               Bytes(golden.begin() + static_cast<long>(nSizeAt + 4 + cbOld), golden.end());
        PutDword(file, 4, static_cast<DWORD>(file.size() - 8 - cbFixed));
        PutFile(path, file);
        if (bWholeTable)
        {
            EXPECT_EQ(static_cast<LONG>(file.size()), zebReadObject(m_hWb, kDocKind, -1, path.c_str()));
            continue;
        }
        EXPECT_EQ(-1, zebReadObject(m_hWb, kDocKind, 0, path.c_str())) << "a colour table past the entry";
        EXPECT_TRUE(SameBytes(before, Stored(m_hWb)));
    }
}

TEST_F(DocBlocks, AFixedPartBeyond16BitsIsNotWritten)
{
    FilledDoc(m_hWb);
    zebSetObjText(m_hWb, kDocKind, 0, std::string(65000, 'x').c_str());
    const std::string path = TempPath("zebdoc-long.zob");
    EXPECT_EQ(-1, zebWriteObject(m_hWb, kDocKind, 0, path.c_str(), 2, nullptr, nullptr));
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(-1, zebWriteWhiteBoard(m_hWb, path.c_str(), 2, nullptr, nullptr));
}

TEST_F(DocBlocks, TheStoredFontZeroComesBack)
{
    HWND hDoc = FilledDoc(PlainParent());
    const LOGFONTA big = TestFont(27, "Arial");
    ASSERT_EQ(0, DocInsertFont(hDoc, big, 0)) << "a font of its own at index 0";
    const std::string path = TempPath("zebdoc-font0.zob");
    Written(hDoc, path);
    HWND hRead = DocCreateObj(PlainParent(), nullptr, nullptr);
    ASSERT_NE(nullptr, hRead);
    ASSERT_TRUE(ReadInto(hRead, path));
    ASSERT_EQ(3, DocFontTable(Doc(hRead), false)->Count());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(IsSameFont(DocFontEntry(Doc(hDoc), i)->logfont, DocFontEntry(Doc(hRead), i)->logfont)) << i;
    EXPECT_EQ(AllText(hDoc), AllText(hRead));
}

TEST_F(DocBlocks, BitmapsByNameComeFromTheFilesFolderNeverFromTheNetwork)
{
    HWND hDoc = FilledDoc(PlainParent());
    char szDir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDir);
    const std::string dir = std::string(szDir) + "zebdocnamed\\";
    ::CreateDirectoryA(dir.c_str(), nullptr);
    ASSERT_TRUE(WriteBmpFile((dir + "inline.bmp").c_str(), Doc(hDoc).Bitmaps()->Entry(0)->dib));
    Written(hDoc, dir + "doc.zob", 1);
    HWND hRead = DocCreateObj(PlainParent(), nullptr, nullptr);
    EXPECT_TRUE(ReadInto(hRead, dir + "doc.zob")) << "inline.bmp found beside the file";
    EXPECT_EQ(1, Doc(hRead).Bitmaps()->Count());

    HWND hUnc = FilledDoc(PlainParent(), "\\\\server\\share\\inline.bmp");
    Written(hUnc, dir + "unc.zob", 1);
    HWND hRefusing = DocCreateObj(PlainParent(), nullptr, nullptr);
    EXPECT_FALSE(ReadInto(hRefusing, dir + "unc.zob"));
    EXPECT_EQ(0, Doc(hRefusing).Bitmaps()->Count());
    ::DeleteFileA((dir + "inline.bmp").c_str());
    EXPECT_FALSE(ReadInto(hRefusing, dir + "doc.zob")) << "the named file is gone";
}

TEST_F(DocBlocks, PlainTextFiles)
{
    HWND hDoc = DocCreateObj(m_hWb, nullptr, nullptr);
    const std::string path = TempPath("zebdoc-text.txt");
    struct Case
    {
        const char* name;
        std::string file;
        const char* text;
    };
    const Case cases[] = {
        {"CR LF", "ab\r\ncd\r\n", "ab\ncd\n"},
        {"lone LF and CR", "ab\ncd\ref", "ab\ncd\nef"},
        {"tab and control bytes become spaces", std::string("a\tb\x01" "c\0d", 7), "a b c d"},
        {"form feed kept", "a\fb", "a\fb"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
    {
        PutFile(path, Bytes(c.file.begin(), c.file.end()));
        EXPECT_TRUE(ReadInto(hDoc, path)) << c.name;
        EXPECT_EQ(c.text, AllText(hDoc)) << c.name;
    }
    PutFile(path, StringBytes("x\ny"));
    ASSERT_TRUE(ReadInto(hDoc, path));
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(4, WriteDocText(hDoc, hFile));
    ::CloseHandle(hFile);
    EXPECT_EQ(StringBytes("x\r\ny"), FileBytes(path));
}

}  // namespace
