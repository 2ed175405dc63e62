// Text conversions of the text field: line ends and vertical writing.
#include "npropobjdoc.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cp932.h"

namespace {

typedef std::vector<std::pair<std::string, std::string>> Table;

// The double-byte characters of a Shift-JIS text.
std::vector<std::string> FullWidthCharacters(const char* psz)
{
    std::vector<std::string> characters;
    for (const std::string text(psz); characters.size() * 2 < text.size();)
        characters.push_back(text.substr(characters.size() * 2, 2));
    return characters;
}

void AddPairs(Table& table, const std::vector<std::string>& keys, const std::vector<std::string>& replacements)
{
    for (size_t i = 0; i < keys.size(); ++i)
        table.emplace_back(keys[i], replacements[i]);
}

std::vector<std::string> Range(char chFirst, char chLast)
{
    std::vector<std::string> characters;
    for (int ch = static_cast<BYTE>(chFirst); ch <= static_cast<BYTE>(chLast); ++ch)
        characters.push_back(std::string(1, static_cast<char>(ch)));
    return characters;
}

std::vector<std::string> WithMark(const char* pszKana, const char* pszMark)
{
    std::vector<std::string> pairs = FullWidthCharacters(pszKana);
    for (std::string& pair : pairs)
        pair += pszMark;
    return pairs;
}

// The six passes, in order.
std::vector<Table> MakePasses()
{
    const std::vector<std::string> numerals = FullWidthCharacters("〇一二三四五六七八九");
    std::vector<Table> passes(6);
    passes[0].emplace_back("－", "-");
    AddPairs(passes[1], Range('0', '9'), numerals);
    AddPairs(passes[2], FullWidthCharacters("０１２３４５６７８９"), numerals);
    AddPairs(passes[3], Range('a', 'z'), FullWidthCharacters("ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ"));
    AddPairs(passes[3], Range('A', 'Z'), FullWidthCharacters("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"));
    // Half-width katakana 0xA6 to 0xDF.
    AddPairs(passes[4], Range('\xA6', '\xDF'),
        FullWidthCharacters("ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
                            "マミムメモヤユヨラリルレロワン゛゜"));
    AddPairs(passes[5], WithMark("カキクケコサシスセソタチツテトハヒフヘホ", "゛"),
        FullWidthCharacters("ガギグゲゴザジズゼゾダヂヅデドバビブベボ"));
    AddPairs(passes[5], WithMark("ハヒフヘホ", "゜"), FullWidthCharacters("パピプペポ"));
    return passes;
}

// Each character position, from the left, is replaced by the first entry
// that starts there; the scan goes on after the replaced part.
std::string ApplyPass(const std::string& text, const Table& table)
{
    std::string result;
    for (size_t i = 0; i < text.size();) {
        const auto entry = std::find_if(table.begin(), table.end(),
            [&](const Table::value_type& pair) { return text.compare(i, pair.first.size(), pair.first) == 0; });
        if (entry != table.end()) {
            result += entry->second;
            i += entry->first.size();
            continue;
        }
        const size_t nChar = cp932::CharLength(text.c_str(), static_cast<int>(i), static_cast<int>(text.size()));
        result.append(text, i, nChar);
        i += nChar;
    }
    return result;
}

}  // namespace

CString CNPropObjDoc::HalfToFullKana(const CString& strText)
{
    static const std::vector<Table> passes = MakePasses();
    std::string text(strText, static_cast<size_t>(strText.GetLength()));
    for (const Table& pass : passes)
        text = ApplyPass(text, pass);
    return CString(text.c_str(), static_cast<int>(text.size()));
}

CString CNPropObjDoc::NormalizeNewLines(const CString& strText)
{
    CString strResult;
    for (int i = 0; i < strText.GetLength(); ++i) {
        if (strText[i] == '\n' && (i == 0 || strText[i - 1] != '\r'))
            strResult += '\r';
        strResult += strText[i];
    }
    return strResult;
}
