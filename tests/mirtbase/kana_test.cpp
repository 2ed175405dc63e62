// Text conversions of the text field: vertical-writing kana and line ends.
#include <gtest/gtest.h>

#include "npropobjdoc.h"

namespace {

struct Conversion
{
    const char* pszIn;
    const char* pszOut;
};

TEST(KanaTest, HalfToFullKana)
{
    const Conversion cases[] = {
        {"ｶﾞｷﾞ12abC", "ガギ一二ａｂＣ"},
        {"ｳﾞ", "ウ゛"},                          // no combined form
        {"ｱﾞ", "ア゛"},
        {"－1", "-一"},
        {"0123456789", "〇一二三四五六七八九"},
        {"０１２３４５６７８９", "〇一二三四五六七八九"},
        {"xyzXYZ", "ｘｙｚＸＹＺ"},
        {"ｱｲｳｴｵﾜｦﾝ", "アイウエオワヲン"},
        {"ｧｨｩｪｫｬｭｮｯｰ", "ァィゥェォャュョッー"},
        {"ｻﾞｿﾞﾀﾞﾄﾞﾊﾞﾎﾞ", "ザゾダドバボ"},
        {"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", "パピプペポ"},
        {"ﾅﾞﾏﾟ", "ナ゛マ゜"},
        {"カ゛ハ゜", "ガパ"},                      // full-width pairs combine too
        {"ﾞｶ", "゛カ"},
        {"ｶﾞﾞ", "ガ゛"},
        {"漢字かな", "漢字かな"},
        {"", ""},
        // Trail bytes that look like a key stay inside their character.
        {"ア", "ア"},                            // 0x83 'A'
        {"ヂ", "ヂ"},                            // 0x83 'a'
        {"鯵", "鯵"},                            // 0x88 0xB1, the code of ｱ
        {"香|", "香|"},                          // 0x8D 0x81 '|': 0x81 '|' is －
        {"鯵ｱ1", "鯵ア一"},
    };
    for (const Conversion& c : cases)
        EXPECT_STREQ(c.pszOut, CNPropObjDoc::HalfToFullKana(c.pszIn)) << c.pszIn;
}

TEST(KanaTest, EveryHalfWidthKanaHasAFullWidthForm)
{
    // 0xA6 to 0xDF in code order.
    const char* const pszFull =
        "ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
    for (int code = 0xA6; code <= 0xDF; ++code) {
        const char half[2] = {static_cast<char>(code), '\0'};
        const CString strFull(pszFull + (code - 0xA6) * 2, 2);
        EXPECT_STREQ(strFull, CNPropObjDoc::HalfToFullKana(half)) << std::hex << code;
    }
}

TEST(KanaTest, NormalizeNewLines)
{
    const Conversion cases[] = {
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"},
        {"\na", "\r\na"},
        {"a\n\n", "a\r\n\r\n"},
        {"a\r\n\nb", "a\r\n\r\nb"},
        {"a\rb", "a\rb"},
        {"漢\n字", "漢\r\n字"},
        {"abc", "abc"},
        {"", ""},
    };
    for (const Conversion& c : cases)
        EXPECT_STREQ(c.pszOut, CNPropObjDoc::NormalizeNewLines(c.pszIn)) << c.pszIn;
}

}  // namespace
