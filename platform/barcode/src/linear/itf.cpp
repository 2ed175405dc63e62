// Interleaved 2 of 5 with a modulus 10 check digit.
#include "symbology.h"

namespace {

const char* const kItfPatterns[10] = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                   "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};

}  // namespace

bool EncodeItf(const std::string& text, tagBARSYMBOL& symbol)
{
    if (!IsAllDigits(text))
        return false;
    std::string digits = text + static_cast<char>('0' + Mod10Weight3(text));
    if (digits.size() % 2 != 0)
        digits.insert(digits.begin(), '0');
    symbol = tagBARSYMBOL();
    symbol.nQuietLeft = symbol.nQuietRight = 10;
    symbol.AppendWidths("nnnn");
    for (size_t i = 0; i < digits.size(); i += 2) {
        const char* pszBars = kItfPatterns[digits[i] - '0'];
        const char* pszSpaces = kItfPatterns[digits[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            const char pair[3] = {pszBars[k], pszSpaces[k], '\0'};
            symbol.AppendWidths(pair);
        }
    }
    symbol.AppendWidths("wnn");
    return true;
}
