// Code 128: code set C for an even number of digits, else code set B.
#include "symbology.h"

namespace {

// Element widths of the symbol values 0 to 105 and the stop pattern.
const char* const kCode128Patterns[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};
const int kStartB = 104;
const int kStartC = 105;
const int kStop = 106;

bool ValuesOf(const std::string& text, std::vector<int>& values)
{
    if (IsAllDigits(text) && text.size() % 2 == 0) {
        values.push_back(kStartC);
        for (size_t i = 0; i < text.size(); i += 2)
            values.push_back((text[i] - '0') * 10 + (text[i + 1] - '0'));
        return true;
    }
    values.push_back(kStartB);
    for (char c : text) {
        if (c < 32 || c > 126)
            return false;
        values.push_back(c - 32);
    }
    return !text.empty();
}

}  // namespace

bool EncodeCode128(const std::string& text, tagBARSYMBOL& symbol)
{
    std::vector<int> values;
    if (!ValuesOf(text, values))
        return false;
    int nSum = values.front();
    for (size_t i = 1; i < values.size(); ++i)
        nSum += static_cast<int>(i) * values[i];
    values.push_back(nSum % 103);
    values.push_back(kStop);
    symbol = tagBARSYMBOL();
    symbol.nQuietLeft = symbol.nQuietRight = 10;
    for (int nValue : values)
        symbol.AppendWidths(kCode128Patterns[nValue]);
    return true;
}
