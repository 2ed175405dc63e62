// List printing items: the stored record and the wrapping of lines at
// character boundaries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "canvas.h"
#include "defaultprtdef.h"
#include "field_fixture.h"
#include "linedef.h"

namespace {

std::string Dword(DWORD value)
{
    return Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
        static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
}

// Height -120, width 7, escapement 900, orientation 450, weight 700, the
// eight bytes 1..8 and the face "ＭＳ 明朝" (zero-padded to 32 bytes).
LOGFONT FilledFont()
{
    LOGFONT font = {};
    font.lfHeight = -120;
    font.lfWidth = 7;
    font.lfEscapement = 900;
    font.lfOrientation = 450;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfUnderline = 2;
    font.lfStrikeOut = 3;
    font.lfCharSet = 4;
    font.lfOutPrecision = 5;
    font.lfClipPrecision = 6;
    font.lfQuality = 7;
    font.lfPitchAndFamily = 8;
    std::strcpy(font.lfFaceName, "ＭＳ 明朝");
    return font;
}

const std::string kFilledFont = Dword(0xFFFFFF88) + Dword(7) + Dword(900) + Dword(450) + Dword(700) +
                                Bytes({1, 2, 3, 4, 5, 6, 7, 8}) +
                                Bytes({0x82, 0x6C, 0x82, 0x72, 0x20, 0x96, 0xBE, 0x92, 0xA9}) +
                                std::string(23, '\0');

const std::string kFilledItem = Dword(0x11) + kFilledFont +
                                Dword(1) + Dword(500) + Dword(1500) + Dword(9) + Dword(42) +  // align .. order
                                Bytes({0x04, 0x95, 0x5C, 0x8E, 0xA6}) +                       // text "表示"
                                Bytes({0x01, 'a'}) +                                          // first further
                                Dword(3) + Dword(0x77) +                                      // index, further
                                Bytes({0x02, 'b', 'c'});                                      // second further

void Fill(CLineDef& item)
{
    item.m_dwFirst = 0x11;
    item.m_logFont = FilledFont();
    item.m_nAlign = CLineDef::ALIGN_RIGHT;
    item.m_nX = 500;
    item.m_nRightLimit = 1500;
    item.m_nKind = CLineDef::KIND_STRING;
    item.m_nOrder = 42;
    item.m_strText = "表示";
    item.m_strFurther1 = "a";
    item.m_nStringIndex = 3;
    item.m_dwFurther = 0x77;
    item.m_strFurther2 = "bc";
}

TEST(LineDefRecordTest, DefaultRecord)
{
    CLineDef item;
    EXPECT_EQ(Dword(1) + std::string(60, '\0') + Dword(2) + Dword(0) + Dword(0) + Dword(5) + Dword(0) +
                  Bytes({0, 0}) + Dword(0) + Dword(0) + Bytes({0}),
        Store(item));
}

// The item's font is read as the text field's is: a face name of 32 bytes
// without a NUL is cut to 31, and height and width are held to 10000
// tenths of a point.
TEST(LineDefRecordTest, FontFromAHostileRecord)
{
    const std::string font = Dword(0x7FFFFFFF) + Dword(0x80000000) + Dword(0) + Dword(0) + Dword(400) +
                             Bytes({0, 0, 0, 128, 0, 0, 0, 0}) + std::string(32, 'F');
    CLineDef item;
    Load(item, Dword(1) + font + Dword(2) + Dword(0) + Dword(0) + Dword(5) + Dword(0) + Bytes({0, 0}) +
                   Dword(0) + Dword(0) + Bytes({0}));
    EXPECT_EQ(std::string(31, 'F'), item.m_logFont.lfFaceName);
    EXPECT_EQ(10000, item.m_logFont.lfHeight);
    EXPECT_EQ(-10000, item.m_logFont.lfWidth);
}

TEST(LineDefRecordTest, EveryMemberInItsPlace)
{
    CLineDef item;
    Fill(item);
    CLineDef loaded;
    ExpectRoundTrip(item, loaded, kFilledItem);
    EXPECT_EQ(-120, loaded.m_logFont.lfHeight);
    EXPECT_STREQ("ＭＳ 明朝", loaded.m_logFont.lfFaceName);
    EXPECT_EQ(CLineDef::KIND_STRING, loaded.m_nKind);
    EXPECT_STREQ("表示", loaded.m_strText);
    EXPECT_EQ(3u, loaded.m_nStringIndex);
    // Not stored.
    EXPECT_EQ(0, loaded.m_bPlaced);
    EXPECT_TRUE(loaded.m_listLines.IsEmpty());
}

// A record cut anywhere (in the numbers, the raw face name or a string)
// ends in an archive exception, never in a read past the end.
TEST(LineDefRecordTest, TruncatedRecordThrowsEndOfFile)
{
    for (size_t nCut : {size_t(0), size_t(3), size_t(24), size_t(40), size_t(63), size_t(80), size_t(86),
             kFilledItem.size() - 1}) {
        CLineDef item;
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(item, kFilledItem.substr(0, nCut))) << nCut;
    }
}

// An owner's font, and the item's: height 0 takes the owner's, a height
// without a face the owner's at that height, else the item's own.
TEST(LineDefFontTest, EffectiveFont)
{
    CDefaultPrtDef def;
    def.m_logFont.lfHeight = 100;
    def.m_logFont.lfWeight = 400;
    std::strcpy(def.m_logFont.lfFaceName, "ＭＳ ゴシック");
    CLineDef item;
    item.m_pOwner = &def;

    item.m_logFont.lfWeight = 700;
    LOGFONT font = item.GetEffectiveFont();
    EXPECT_EQ(100, font.lfHeight);
    EXPECT_EQ(400, font.lfWeight);

    item.m_logFont.lfHeight = 180;
    font = item.GetEffectiveFont();
    EXPECT_EQ(180, font.lfHeight);
    EXPECT_EQ(400, font.lfWeight);
    EXPECT_STREQ("ＭＳ ゴシック", font.lfFaceName);

    std::strcpy(item.m_logFont.lfFaceName, "ＭＳ 明朝");
    font = item.GetEffectiveFont();
    EXPECT_EQ(180, font.lfHeight);
    EXPECT_EQ(700, font.lfWeight);
    EXPECT_STREQ("ＭＳ 明朝", font.lfFaceName);
}

// The lines that WrapLine makes, on a fixed-pitch font whose half-width
// characters are `half` pixels wide and whose double-byte characters are
// twice that.
std::vector<std::string> Wrap(const char* pszLine, int nHalves, int* pHalf = nullptr)
{
    MemoryCanvas canvas(16, 16);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), TRUE);
    LOGFONT font = {};
    font.lfHeight = 120;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(font.lfFaceName, "ＭＳ ゴシック");
    const CPrtFontSelection selection(&dc, font);
    const int nHalf = dc.GetTextExtent("A", 1).cx;
    if (pHalf != nullptr)
        *pHalf = nHalf;
    CStringList pieces;
    CLineDef::WrapLine(&dc, pszLine, nHalves * nHalf, pieces);
    std::vector<std::string> result;
    for (POSITION pos = pieces.GetHeadPosition(); pos != nullptr;)
        result.push_back(static_cast<LPCSTR>(pieces.GetNext(pos)));
    return result;
}

TEST(LineDefWrapTest, PiecesEndAtCharacterBoundaries)
{
    struct Case
    {
        const char* pszLine;
        int nHalves;   // width in half-width characters
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"ABCDEFGHIJ", 4, {"ABCD", "EFGH", "IJ"}},
        {"ABCD", 4, {"ABCD"}},
        // Four bytes fit, the fourth being a lead byte: the piece ends before it.
        {"Aあいう", 4, {"Aあ", "いう"}},
        {"Aあいう", 5, {"Aあい", "う"}},
        // Trail bytes that look like a backslash or a letter stay with their lead.
        {"表示表示", 3, {"表", "示", "表", "示"}},
        {"ソ能ソ能", 4, {"ソ能", "ソ能"}},
        {"AB表示C", 3, {"AB", "表", "示C"}},
        // Half-width katakana are single bytes.
        {"ｱｲｳｴｵ", 2, {"ｱｲ", "ｳｴ", "ｵ"}},
        // Nothing fits: the line stays whole.
        {"あいう", 1, {"あいう"}},
        {"ABあい", 1, {"A", "B", "あい"}},
        {"", 4, {}},
    };
    int nHalf = 0;
    Wrap("A", 1, &nHalf);
    ASSERT_GT(nHalf, 0);
    for (const Case& c : cases)
        EXPECT_EQ(c.pieces, Wrap(c.pszLine, c.nHalves)) << c.pszLine << " in " << c.nHalves;
}

}  // namespace
