#include <functional>

#include "text_exports_fixture.h"

namespace {

TEST_F(TextExports, FontBitmapAndSettingNamesAreExportedAndTheBoundOnesAtTheirOrdinals)
{
    ExpectExported(
        {{306, "zebAddFont"}, {326, "zebSetStaticMode"}, {350, "zebSetRectOverflow"}, {357, "zebSetClipMode"},
         {367, "zebSetDocFontMode"}, {369, "zebSetDefaultFont"}, {374, "zebSetAlignment"}},
        {"zebFindFontIndex", "zebFindDocFontIndex", "zebAddDocFont", "zebInsertFont", "zebInsertDocFont",
         "zebRemoveFont", "zebRemoveDocFont", "zebGetFontCount", "zebGetDocFontCount", "zebGetFont",
         "zebGetDocFont", "zebGetIndexFont", "zebGetDocIndexFont", "zebGetFontIndex", "zebGetDocFontIndex",
         "zebSetFont", "zebSetDocFont", "zebSetFontIndex", "zebSetDocFontIndex", "zebSetIndexFont",
         "zebSetDocIndexFont", "zebSetDocDefaultFont", "zebSetIMEFont", "zebSetDocIMEFont",
         "zebGetDocFontMode", "zebAddBmp", "zebAddBmpEx", "zebAddDocBmp", "zebAddDocBmpEx", "zebGetBmpCount",
         "zebGetDocBmpCount", "zebGetIndexBmp", "zebGetDocIndexBmp", "zebInsertBmp", "zebInsertDocBmp",
         "zebRemoveBmp", "zebRemoveDocBmp", "zebGetSelBmpCount", "zebGetSelBmp", "zebGetDocSelBmp",
         "zebGetDocSelBmpCount", "zebGetAlignment", "zebGetKinsoku", "zebSetKinsoku", "zebGetLimit",
         "zebSetLimit", "zebGetNewLine", "zebGetFormFeed", "zebSetNewLine", "zebSetFormFeed", "zebGetVPos",
         "zebSetVPos", "zebGetUserAttr", "zebSetUserAttr", "zebGetIMEMode", "zebSetIMEMode",
         "zebGetUserAlignment", "zebSetUserAlignment", "zebSetCharExtra", "zebGetWidth", "zebGetHeight",
         "zebSetWidth", "zebSetHeight", "zebGetDocRect", "zebSetDocRect", "zebGetDocStaticMode",
         "zebSetDocStaticMode", "_zebGetDocFilter@20", "_zebSetDocFilter@16", "zebGetDocAlignment", "zebSetDocAlignment", "zebGetDocKinsoku", "zebSetDocKinsoku", "zebGetDocLimit", "zebSetDocLimit", "zebGetDocNewLine", "zebGetDocFormFeed", "zebSetDocNewLine", "zebSetDocFormFeed", "zebGetDocVPos", "zebSetDocVPos", "zebGetDocUserAttr", "zebSetDocUserAttr", "zebGetDocIMEMode", "zebSetDocIMEMode", "zebGetDocUserAlignment", "zebSetDocUserAlignment", "zebSetDocCharExtra", "zebSetDocClipMode", "zebSetDocRectOverflow", "zebGetDocWidth", "zebSetDocWidth", "zebGetDocHeight", "zebSetDocHeight"});
}

// A setter on the document: the value it is given, the previous one it
// answers.
struct SetterStep
{
    const char* pszWhat;
    std::function<LONG(HWND, LONG)> set;
    LONG nValue;
    LONG nAnswer;
};

TEST_F(TextExports, SettersAnswerThePreviousValueAndRefuseWhatLiesOutOfRange)
{
    const ZebTextApi& z = Z();
    auto clip = [&](HWND h, LONG n) { return static_cast<LONG>(z.zebSetClipMode(h, static_cast<WORD>(n))); };
    auto options = [&](LONG nOperation) {
        return [&, nOperation](HWND h, LONG n) { return z.zebSetOptions(h, nOperation, n); };
    };
    const LONG kRead = static_cast<LONG>(0x80000000);
    const SetterStep kSteps[] = {
        {"alignment", z.zebSetAlignment, 5, 0},
        {"alignment 19", z.zebSetAlignment, 19, -1},
        {"alignment -1", z.zebSetAlignment, -1, -1},
        {"alignment again", z.zebSetAlignment, 18, 5},
        {"overflow", z.zebSetRectOverflow, 2, 0},
        {"overflow 3", z.zebSetRectOverflow, 3, -1},
        {"overflow reads", z.zebSetRectOverflow, -1, 2},
        {"overflow -2", z.zebSetRectOverflow, -2, -1},
        {"clip mode", clip, 0x70, 4},
        {"clip mode reads the six bits", clip, 0xFFFF, 0x30},
        {"char extra", z.zebSetCharExtra, 7, 0},
        {"char extra 32768", z.zebSetCharExtra, 32768, kRead},
        {"char extra -1", z.zebSetCharExtra, -1, kRead},
        {"char extra reads", z.zebSetCharExtra, kRead, 7},
        {"IME mode", z.zebSetIMEMode, 7, 0},
        {"IME mode 8", z.zebSetIMEMode, 8, -1},
        {"IME mode back", z.zebSetIMEMode, 0, 7},
        {"scale", z.zebSetScale, 150, 100},
        {"scale 1001", z.zebSetScale, 1001, -1},
        {"scale 0", z.zebSetScale, 0, -1},
        {"scale reads", z.zebSetScale, -1, 150},
        {"options set", options(1), 6, 0},
        {"options or", options(2), 1, 6},
        {"options and", options(3), 3, 7},
        {"options xor", options(4), 1, 3},
        {"options read", options(0), 99, 2},
        {"options 5", options(5), 1, -1},
        {"static mode", z.zebSetStaticMode, 2, 0},
        {"static mode unchecked", z.zebSetStaticMode, 9, 2},
        {"limit unchecked", z.zebSetLimit, -5, 0},
        {"limit", z.zebSetLimit, 40, -5},
        {"IME font reads", z.zebSetIMEFont, -1, -2},
        {"IME font", z.zebSetIMEFont, 3, -2},
        {"default font reads", z.zebSetDefaultFont, -1, 0},
        {"default font beyond the table", z.zebSetDefaultFont, 2, -1},
        {"width", z.zebSetWidth, 300, 0},
        {"width again", z.zebSetWidth, 0, 300},
    };
    for (const SetterStep& step : kSteps)
        EXPECT_EQ(step.nAnswer, step.set(m_hDoc, step.nValue)) << step.pszWhat;
    EXPECT_EQ(18, z.zebGetAlignment(m_hDoc));
    EXPECT_EQ(9, z.zebGetStaticMode(m_hDoc));
    EXPECT_EQ(9, z.zebGetDocStaticMode(m_hWb, m_nDoc));
    EXPECT_EQ(40, z.zebGetLimit(m_hDoc));
    EXPECT_EQ(0, z.zebGetIMEMode(m_hDoc));

    // Another window, or none, answers the failure value.
    for (HWND hOther : {m_hWb, static_cast<HWND>(nullptr)}) {
        EXPECT_EQ(-1, z.zebSetAlignment(hOther, 1));
        EXPECT_EQ(-1, z.zebSetRectOverflow(hOther, 1));
        EXPECT_EQ(0xFFFF, z.zebSetClipMode(hOther, 1));
        EXPECT_EQ(kRead, z.zebSetCharExtra(hOther, 1));
        EXPECT_EQ(-1, z.zebSetStaticMode(hOther, 1));
        EXPECT_EQ(-1, z.zebSetDefaultFont(hOther, 0));
        EXPECT_EQ(-1, z.zebSetScale(hOther, 100));
        EXPECT_EQ(-1, z.zebGetIMEMode(hOther));
    }
    EXPECT_EQ(-1, z.zebGetDocStaticMode(m_hWb, 5));
}

// The document forms set and read the whiteboard's document; an index
// that names none gives each one's failure value.
TEST_F(TextExports, DocumentFormsOfTheSettingsReachTheDocument)
{
    const ZebTextApi& z = Z();
    EXPECT_EQ(0, z.zebSetDocAlignment(m_hWb, m_nDoc, 5));
    EXPECT_EQ(5, z.zebGetAlignment(m_hDoc));
    EXPECT_EQ(5, z.zebGetDocAlignment(m_hWb, m_nDoc));
    const LONG nWidth = z.zebGetWidth(m_hDoc);
    EXPECT_EQ(nWidth, z.zebSetDocWidth(m_hWb, m_nDoc, 150));
    EXPECT_EQ(150, z.zebGetDocWidth(m_hWb, m_nDoc));
    EXPECT_EQ(4, z.zebSetDocClipMode(m_hWb, m_nDoc, 0x10));
    EXPECT_EQ(0x10, z.zebSetClipMode(m_hDoc, 0xFFFF));

    const HWND hWb = m_hWb;
    const LONG nNone = m_nDoc + 1;
    WORD wCode = 0;
    LOGFONTA lf = {};
    ZebUserCellList cells = {};
    char szBuffer[8] = "";
    const struct
    {
        const char* pszWhat;
        std::function<LONG()> call;
        LONG nFailure;
    } kNone[] = {
        {"alignment", [&] { return z.zebGetDocAlignment(hWb, nNone); }, -1},
        {"set alignment", [&] { return z.zebSetDocAlignment(hWb, nNone, 1); }, -1},
        {"kinsoku", [&] { return z.zebGetDocKinsoku(hWb, nNone, szBuffer, 8); }, -1},
        {"set kinsoku", [&] { return z.zebSetDocKinsoku(hWb, nNone, "x"); }, 0},
        {"limit", [&] { return z.zebGetDocLimit(hWb, nNone); }, -1},
        {"set limit", [&] { return z.zebSetDocLimit(hWb, nNone, 9); }, -1},
        {"new line", [&] { return z.zebGetDocNewLine(hWb, nNone, &wCode, &lf); }, 0},
        {"form feed", [&] { return z.zebGetDocFormFeed(hWb, nNone, &wCode, &lf); }, 0},
        {"set new line", [&] { return z.zebSetDocNewLine(hWb, nNone, 'x', nullptr); }, 0},
        {"set form feed", [&] { return z.zebSetDocFormFeed(hWb, nNone, 'x', nullptr); }, 0},
        {"vpos", [&] { return z.zebGetDocVPos(hWb, nNone); }, -32768},
        {"set vpos", [&] { return z.zebSetDocVPos(hWb, nNone, 1); }, 0},
        {"user attr", [&] { return z.zebGetDocUserAttr(hWb, nNone); }, -1},
        {"set user attr", [&] { return z.zebSetDocUserAttr(hWb, nNone, 1); }, 0},
        {"ime", [&] { return z.zebGetDocIMEMode(hWb, nNone); }, -1},
        {"set ime", [&] { return z.zebSetDocIMEMode(hWb, nNone, 1); }, -1},
        {"user cells", [&] { return z.zebGetDocUserAlignment(hWb, nNone, &cells); }, -1},
        {"set user cells", [&] { return z.zebSetDocUserAlignment(hWb, nNone, &cells); }, 0},
        {"char extra", [&] { return z.zebSetDocCharExtra(hWb, nNone, 1); }, static_cast<LONG>(0x80000000)},
        {"clip mode", [&] { return static_cast<LONG>(z.zebSetDocClipMode(hWb, nNone, 1)); }, 0xFFFF},
        {"overflow", [&] { return z.zebSetDocRectOverflow(hWb, nNone, 1); }, -1},
        {"width", [&] { return z.zebGetDocWidth(hWb, nNone); }, -1},
        {"set width", [&] { return z.zebSetDocWidth(hWb, nNone, 1); }, -1},
        {"height", [&] { return z.zebGetDocHeight(hWb, nNone); }, -1},
        {"set height", [&] { return z.zebSetDocHeight(hWb, nNone, 1); }, -1},
    };
    for (const auto& c : kNone)
        EXPECT_EQ(c.nFailure, c.call()) << c.pszWhat;
}

TEST_F(TextExports, LineStartStringIsCopiedEndedWithinTheSize)
{
    const ZebTextApi& z = Z();
    // "、。" then ")".
    const char kLineStart[] = "\x81\x41\x81\x42)";
    ASSERT_EQ(1, z.zebSetKinsoku(m_hDoc, kLineStart));
    EXPECT_EQ(5, z.zebGetKinsoku(m_hDoc, nullptr, 0));
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(5, z.zebGetKinsoku(m_hDoc, buffer, 3));
    EXPECT_STREQ("\x81\x41", buffer) << "cut to the size less its NUL";
    EXPECT_EQ(5, z.zebGetKinsoku(m_hDoc, buffer, 5));
    EXPECT_STREQ("\x81\x41\x81\x42", buffer) << "a string as long as the size still ends within it";
    EXPECT_EQ(5, z.zebGetKinsoku(m_hDoc, buffer, sizeof(buffer)));
    EXPECT_STREQ(kLineStart, buffer);
    EXPECT_EQ(-1, z.zebGetKinsoku(m_hDoc, buffer, -1));
    EXPECT_EQ(-1, z.zebGetKinsoku(nullptr, buffer, 8));

    EXPECT_EQ(1, z.zebSetKinsoku(m_hDoc, ""));
    EXPECT_EQ(0, z.zebGetKinsoku(m_hDoc, buffer, sizeof(buffer)));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(1, z.zebSetKinsoku(m_hWb, ")"));
    EXPECT_EQ(1, z.zebGetKinsoku(m_hWb, nullptr, 0)) << "the whiteboard has one too";
    EXPECT_EQ(0, z.zebSetKinsoku(m_parent.Hwnd(), ")"));
}

TEST_F(TextExports, UserCellsAreValidatedAndCopiedOut)
{
    const ZebTextApi& z = Z();
    struct CellCase
    {
        const char* pszWhat;
        std::vector<ZebUserCell> cells;
        LONG nAnswer;
    };
    const CellCase kCases[] = {
        {"overlapping", {{0, 10, 2, 0}, {5, 20, 2, 0}}, 0},
        {"empty cell", {{0, 10, 2, 0}, {10, 10, 2, 0}}, 0},
        {"right before left", {{10, 4, 2, 0}}, 0},
        {"no capacity", {{0, 10, 0, 0}}, 0},
        {"three cells", {{0, 10, 2, 0}, {10, 30, 4, 0}, {40, 90, 6, 0}}, 1},
        {"refused later leaves the three", {{5, 4, 1, 0}}, 0},
    };
    for (const CellCase& c : kCases) {
        std::vector<ZebUserCell> cells = c.cells;
        ZebUserCellList list = {static_cast<LONG>(cells.size()), cells.data()};
        EXPECT_EQ(c.nAnswer, z.zebSetUserAlignment(m_hDoc, &list)) << c.pszWhat;
    }
    EXPECT_EQ(3, z.zebGetUserAlignment(m_hDoc, nullptr));
    ZebUserCell out[3] = {};
    ZebUserCellList one = {1, out};
    EXPECT_EQ(-1, z.zebGetUserAlignment(m_hDoc, &one)) << "a list that is too short takes what fits";
    EXPECT_EQ(10, out[0].wRight);
    EXPECT_EQ(0, out[1].wRight);
    ZebUserCellList all = {5, out};
    EXPECT_EQ(3, z.zebGetUserAlignment(m_hDoc, &all));
    EXPECT_EQ(3, all.nCount);
    EXPECT_EQ(90, out[2].wRight);
    EXPECT_EQ(6, out[2].wCapacity);
    ZebUserCellList none = {0, nullptr};
    EXPECT_EQ(1, z.zebSetUserAlignment(m_hDoc, &none));
    EXPECT_EQ(0, z.zebGetUserAlignment(m_hDoc, &all));
    EXPECT_EQ(0, all.nCount);
}

TEST_F(TextExports, FontsAreFoundBeforeTheyAreAdded)
{
    const ZebTextApi& z = Z();
    // A new document holds the fallback font and its own.
    const LONG nStart = z.zebGetFontCount(m_hDoc);
    ASSERT_EQ(2, nStart);
    // At 24 pixels this face's stored cell height does not come back
    // equal under Wine; at 16 it does.
    LOGFONTA lf = JapaneseFont(16);
    lf.lfEscapement = 900;
    const LONG nFont = z.zebAddFont(m_hDoc, &lf);
    EXPECT_EQ(2, nFont);
    EXPECT_EQ(nFont, z.zebAddFont(m_hDoc, &lf)) << "the same font again";
    lf.lfEscapement = 880;
    EXPECT_EQ(nFont, z.zebFindFontIndex(m_hDoc, &lf)) << "880 rounds to 900";
    EXPECT_EQ(nFont, z.zebAddFont(m_hDoc, &lf));
    EXPECT_EQ(3, z.zebGetFontCount(m_hDoc));
    EXPECT_EQ(3, z.zebInsertFont(m_hDoc, &lf, -1)) << "inserting does not look for an equivalent";
    EXPECT_EQ(4, z.zebGetFontCount(m_hDoc));
    LOGFONTA got = {};
    ASSERT_EQ(1, z.zebGetIndexFont(m_hDoc, 3, &got));
    EXPECT_EQ(900, got.lfEscapement);
    EXPECT_EQ(0, z.zebGetIndexFont(m_hDoc, 4, &got));

    EXPECT_EQ(0, z.zebSetDefaultFont(m_hDoc, 3));
    EXPECT_EQ(3, z.zebSetDefaultFont(m_hDoc, -1));
    EXPECT_EQ(1, z.zebSetFontIndex(m_hDoc, 2));
    EXPECT_EQ(2, z.zebGetFontIndex(m_hDoc));

    LOGFONTA bigger = JapaneseFont(32);
    EXPECT_EQ(1, z.zebSetIndexFont(m_hDoc, 2, &bigger, TRUE));
    ASSERT_EQ(1, z.zebGetIndexFont(m_hDoc, 2, &got));
    EXPECT_EQ(0, got.lfEscapement) << "the font replaced";
    EXPECT_EQ(0, z.zebSetIndexFont(m_hDoc, 4, &bigger, TRUE));
    EXPECT_EQ(0, z.zebSetIndexFont(m_hDoc, -1, nullptr, FALSE));
    EXPECT_EQ(1, z.zebSetIndexFont(m_hDoc, -1, nullptr, TRUE));

    EXPECT_EQ(-1, z.zebRemoveDocFont(m_hWb, 7, 0)) << "no such document";
    EXPECT_EQ(0, z.zebRemoveDocFont(m_hWb, m_nDoc, 9)) << "no such font";
    EXPECT_EQ(1, z.zebRemoveDocFont(m_hWb, m_nDoc, 3));
    EXPECT_EQ(3, z.zebGetFontCount(m_hDoc));
    EXPECT_EQ(0, z.zebRemoveDocBmp(m_hWb, 7, 0));
}

// The face and height of the font of each byte of the document's text.
std::vector<std::string> FontsOfText(const ZebTextApi& z, HWND hDoc)
{
    std::vector<BYTE> full(static_cast<size_t>(z.zebGetAllFullText(hDoc, nullptr, 0)));
    full.resize(static_cast<size_t>(z.zebGetAllFullText(hDoc, full.data(), static_cast<LONG>(full.size()))));
    const DWORD n = WordAt(full, 0);
    std::vector<std::string> fonts;
    for (DWORD i = 0; i < n; ++i) {
        LOGFONTA lf = {};
        const LONG nFont = static_cast<LONG>((WordAt(full, 4 + n + 4 * i) >> 8) & 0xFF);
        if (!z.zebGetIndexFont(hDoc, nFont, &lf))
            fonts.push_back("(none)");
        else
            fonts.push_back(std::string(lf.lfFaceName) + "/" + std::to_string(lf.lfHeight));
    }
    return fonts;
}

TEST_F(TextExports, DocumentsMoveBetweenSharedAndOwnFontsWithTheirTextInTheSameFonts)
{
    const ZebTextApi& z = Z();
    HWND hDocs[3] = {m_hDoc, NewDoc(m_hWb, JapaneseFont(20)), NewDoc(m_hWb, JapaneseFont(28))};
    const LONG kHeights[3][2] = {{16, 36}, {20, 16}, {28, 44}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(nullptr, hDocs[i]);
        Put(hDocs[i], "ab");
        LOGFONTA lf = JapaneseFont(kHeights[i][1]);
        ASSERT_EQ(1, z.zebSetFont(hDocs[i], &lf));
        ASSERT_EQ(1, z.zebSetSelText(hDocs[i], "cd"));
    }
    std::vector<std::string> before[3];
    for (int i = 0; i < 3; ++i)
        before[i] = FontsOfText(z, hDocs[i]);
    ASSERT_NE(before[0][0], before[0][2]) << "two fonts in a document";
    EXPECT_EQ(6, z.zebGetFontCount(hDocs[0])) << "shared by the three: fallback, 16, 36, 20, 28, 44";

    EXPECT_EQ(0, z.zebSetDocFontMode(m_hWb, 0)) << "already shared: nothing happens";
    EXPECT_EQ(0, z.zebSetDocFontMode(m_hWb, 1));
    EXPECT_EQ(1, z.zebGetDocFontMode(m_hWb));
    // Each its two fonts and the fallback, its default font.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(3, z.zebGetFontCount(hDocs[i])) << i;
        EXPECT_EQ(before[i], FontsOfText(z, hDocs[i])) << i;
    }
    EXPECT_EQ(1, z.zebGetFontIndex(hDocs[1])) << "the typing font follows its font";

    EXPECT_EQ(1, z.zebSetDocFontMode(m_hWb, 0));
    EXPECT_EQ(0, z.zebGetDocFontMode(m_hWb));
    EXPECT_EQ(6, z.zebGetFontCount(hDocs[2])) << "a font two documents used is one shared entry";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(before[i], FontsOfText(z, hDocs[i])) << i;
    EXPECT_EQ(-1, z.zebSetDocFontMode(m_hWb, 2));
    EXPECT_EQ(-1, z.zebSetDocFontMode(m_hDoc, 1));
}

TEST_F(TextExports, SharingRefusesThe257thFontAndChangesNothing)
{
    const ZebTextApi& z = Z();
    HWND hOther = NewDoc(m_hWb, JapaneseFont(16));
    ASSERT_NE(nullptr, hOther);
    ASSERT_EQ(0, z.zebSetDocFontMode(m_hWb, 1));
    // Both hold the fallback font and the 16; widths tell the others apart:
    // 198 in one document, 57 in the other.
    ASSERT_EQ(2, z.zebGetFontCount(m_hDoc));
    for (LONG i = 2; i < 200; ++i) {
        LOGFONTA lf = JapaneseFont(16);
        lf.lfWidth = i;
        ASSERT_EQ(i, z.zebAddFont(m_hDoc, &lf));
    }
    for (LONG i = 2; i < 59; ++i) {
        LOGFONTA lf = JapaneseFont(16);
        lf.lfWidth = 200 + i;
        ASSERT_EQ(i, z.zebAddFont(hOther, &lf));
    }
    Put(hOther, "xy");
    ASSERT_EQ(1, z.zebSetFontIndex(hOther, 58));
    ASSERT_EQ(1, z.zebSetSelText(hOther, "z"));
    const std::vector<std::string> before = FontsOfText(z, hOther);

    EXPECT_EQ(-1, z.zebSetDocFontMode(m_hWb, 0)) << "257 fonts do not fit one table";
    EXPECT_EQ(1, z.zebGetDocFontMode(m_hWb));
    EXPECT_EQ(200, z.zebGetFontCount(m_hDoc));
    EXPECT_EQ(59, z.zebGetFontCount(hOther));
    EXPECT_EQ(before, FontsOfText(z, hOther));
    EXPECT_EQ(58, z.zebGetFontIndex(hOther));

    EXPECT_EQ(1, z.zebRemoveFont(hOther, 58));
    EXPECT_EQ(1, z.zebSetDocFontMode(m_hWb, 0)) << "256 fit";
    EXPECT_EQ(256, z.zebGetFontCount(hOther));
}

TEST_F(TextExports, SelectedInlineBitmapsAndABitmapMarkAreReported)
{
    const ZebTextApi& z = Z();
    const POINT at = {0, 0};
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(i, z.zebAddBmp(m_hDoc, MakeScreenDib(4 + i, 4), nullptr, &at));
    EXPECT_EQ(2, z.zebGetBmpCount(m_hDoc));
    EXPECT_NE(nullptr, z.zebGetIndexBmp(m_hDoc, 1));
    EXPECT_EQ(nullptr, z.zebGetIndexBmp(m_hDoc, 2));
    ASSERT_EQ(4, z.zebSetClipMode(m_hDoc, 0x14)) << "no clipboard copy before replacing";
    Put(m_hDoc, "a\r\nb");
    ASSERT_NE(0, z.zebInsertBmp(m_hDoc, 1));
    ASSERT_EQ(1, z.zebSetSelText(m_hDoc, "c"));
    ASSERT_NE(0, z.zebInsertBmp(m_hDoc, 0));
    EXPECT_EQ(0, z.zebInsertBmp(m_hDoc, 2)) << "no such bitmap";
    // Line 1 now holds b, bitmap 1, c, bitmap 0.
    EXPECT_EQ(0, z.zebGetSelBmpCount(m_hDoc)) << "no selection";
    Select(m_hDoc, {0, 0}, {4, 1});
    EXPECT_EQ(2, z.zebGetSelBmpCount(m_hDoc));
    ZebSelBmpEntry entries[3] = {};
    EXPECT_EQ(1, z.zebGetSelBmp(m_hDoc, entries, 1));
    EXPECT_EQ(0, entries[1].nLine) << "one entry only";
    EXPECT_EQ(2, z.zebGetSelBmp(m_hDoc, entries, 3));
    EXPECT_EQ(1, entries[0].nColumn);
    EXPECT_EQ(1, entries[0].nLine);
    EXPECT_EQ(1, entries[0].nBitmap);
    EXPECT_EQ(3, entries[1].nColumn);
    EXPECT_EQ(0, entries[1].nBitmap);
    EXPECT_EQ(-1, z.zebGetSelBmp(m_hDoc, nullptr, 3));
    EXPECT_EQ(-1, z.zebGetSelBmp(m_hDoc, entries, 0));

    EXPECT_EQ(1, z.zebSetNewLine(m_hDoc, 1, nullptr));
    WORD wCode = 0;
    LOGFONTA lf = JapaneseFont(99);
    EXPECT_EQ(1, z.zebGetNewLine(m_hDoc, &wCode, &lf));
    EXPECT_EQ(1, wCode) << "the bitmap's number";
    EXPECT_EQ(0, lf.lfHeight);
    EXPECT_EQ(0, z.zebSetNewLine(m_hDoc, 2, nullptr)) << "no bitmap 2";
    LOGFONTA markFont = JapaneseFont(16);
    EXPECT_EQ(1, z.zebSetNewLine(m_hDoc, 0x81A5, &markFont));
    EXPECT_EQ(1, z.zebGetNewLine(m_hDoc, &wCode, &lf));
    EXPECT_EQ(0x81A5, wCode);
    EXPECT_STREQ("IPAGothic", lf.lfFaceName);
    EXPECT_EQ(1, z.zebSetNewLine(m_hDoc, 0xFFFF, nullptr));
    EXPECT_EQ(1, z.zebGetNewLine(m_hDoc, &wCode, &lf));
    EXPECT_EQ(0xFFFF, wCode);
    EXPECT_EQ(0, z.zebGetNewLine(m_hDoc, nullptr, &lf));
}

TEST_F(TextExports, VerticalModeAndFilterOfADocument)
{
    const ZebTextApi& z = Z();
    EXPECT_EQ(0, z.zebSetVertMode(m_hDoc, 1));
    EXPECT_EQ(1, z.zebGetVertMode(m_hDoc));
    LOGFONTA lf = {};
    ASSERT_EQ(1, z.zebGetIndexFont(m_hDoc, 0, &lf));
    EXPECT_EQ(2700, lf.lfEscapement) << "seen through the shared vertical twin";
    EXPECT_EQ(1, z.zebSetVertMode(m_hDoc, 0));

    char match[8] = "x";
    char replacement[8] = "x";
    EXPECT_EQ(0, z.zebGetFilter(m_hDoc, match, replacement, 8));
    EXPECT_STREQ("", match);
    EXPECT_EQ(0, z.zebSetFilter(m_hDoc, "abc", "xy"));
    EXPECT_EQ(1, z.zebSetFilter(m_hDoc, "abc", "xyz"));
    EXPECT_EQ(2, z.zebGetFilter(m_hDoc, match, replacement, 3));
    EXPECT_STREQ("ab", match);
    EXPECT_STREQ("xy", replacement);
    EXPECT_EQ(3, z.zebGetFilter(m_hDoc, nullptr, nullptr, 8));
}

TEST_F(TextExports, PageRectangleOfADocumentSetsItsFixedSizeAndOrigin)
{
    const ZebTextApi& z = Z();
    const RECT rc = {-10, -4, 290, 116};
    EXPECT_EQ(1, z.zebSetDocRect(m_hWb, m_nDoc, &rc));
    RECT got = {};
    EXPECT_EQ(1, z.zebGetDocRect(m_hWb, m_nDoc, &got));
    EXPECT_EQ(-10, got.left);
    EXPECT_EQ(-4, got.top);
    EXPECT_EQ(290, got.right);
    EXPECT_EQ(116, got.bottom);
    EXPECT_EQ(300, z.zebGetWidth(m_hDoc));
    EXPECT_EQ(120, z.zebGetHeight(m_hDoc));
    EXPECT_EQ(0, z.zebSetDocRect(m_hWb, 9, &rc));
    EXPECT_EQ(0, z.zebGetDocRect(m_hWb, m_nDoc, nullptr));
}

TEST_F(TextExports, AWhiteBoardAnswersForItsTextItemFontsMarksAndPage)
{
    const ZebTextApi& z = Z();
    const LONG nFonts = z.zebGetFontCount(m_hWb);
    ASSERT_GE(nFonts, 0);
    LOGFONTA lf = JapaneseFont(16);
    const LONG nFont = z.zebAddFont(m_hWb, &lf);
    EXPECT_EQ(nFonts, nFont);
    EXPECT_EQ(nFont, z.zebAddFont(m_hWb, &lf));
    EXPECT_EQ(nFont, z.zebFindFontIndex(m_hWb, &lf));
    EXPECT_EQ(nFonts + 1, z.zebGetFontCount(m_hWb));
    EXPECT_EQ(nFont, z.zebGetFontIndex(m_hWb));
    LOGFONTA other = JapaneseFont(20, "IPAMincho");
    EXPECT_EQ(1, z.zebSetIndexFont(m_hWb, nFont, &other, TRUE));
    LOGFONTA got = {};
    ASSERT_EQ(1, z.zebGetIndexFont(m_hWb, nFont, &got));
    EXPECT_STREQ("IPAMincho", got.lfFaceName);
    EXPECT_EQ(0, z.zebSetIndexFont(m_hWb, nFont + 1, &other, TRUE));
    EXPECT_EQ(1, z.zebSetIndexFont(m_hWb, -1, nullptr, TRUE));

    EXPECT_EQ(1, z.zebSetNewLine(m_hWb, 'A', &lf));
    WORD wCode = 0;
    EXPECT_EQ(1, z.zebGetNewLine(m_hWb, &wCode, &got));
    EXPECT_EQ('A', wCode);
    EXPECT_EQ(16, got.lfHeight);

    EXPECT_EQ(0, z.zebGetBmpCount(m_hWb));
    EXPECT_EQ(0, z.zebSetWidth(m_hWb, 800)) << "a new whiteboard has no page";
    EXPECT_EQ(800, z.zebGetWidth(m_hWb));
    EXPECT_EQ(-1, z.zebGetWidth(m_parent.Hwnd()));
}

}  // namespace
