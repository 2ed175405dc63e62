// Code 39 with its modulus 43 check character.
#include "symbology.h"

namespace {

// Characters in the order of their check values.
const char kCode39Values[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
// The first forty characters in table order: four groups of ten, each group
// with one wide space, each place in a group with two wide bars.
const char kTableOrder[] = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *";
const int kGroupWideSpace[4] = {3, 5, 7, 1};
const int kPlaceWideBars[10][2] = {{0, 4}, {1, 4}, {0, 1}, {2, 4}, {0, 2}, {1, 2}, {3, 4}, {0, 3}, {1, 3}, {2, 3}};
// $ / + % have three wide spaces and no wide bar.
const int kWideSpaces[4][3] = {{1, 3, 5}, {1, 3, 7}, {1, 5, 7}, {3, 5, 7}};

// The nine elements of a character as n and w; empty when not encodable.
std::string Pattern(char c)
{
    const std::string table = kTableOrder;
    const std::string specials = "$/+%";
    std::string pattern(9, 'n');
    size_t nAt;
    if (c != '\0' && (nAt = table.find(c)) != std::string::npos) {
        pattern[static_cast<size_t>(kGroupWideSpace[nAt / 10])] = 'w';
        for (int nBar : kPlaceWideBars[nAt % 10])
            pattern[static_cast<size_t>(nBar * 2)] = 'w';
    } else if (c != '\0' && (nAt = specials.find(c)) != std::string::npos) {
        for (int nSpace : kWideSpaces[nAt])
            pattern[static_cast<size_t>(nSpace)] = 'w';
    } else {
        pattern.clear();
    }
    return pattern;
}

}  // namespace

bool EncodeCode39(const std::string& text, tagBARSYMBOL& symbol)
{
    if (text.empty())
        return false;
    const std::string values = kCode39Values;
    int nSum = 0;
    for (char c : text) {
        const size_t nValue = c != '\0' ? values.find(c) : std::string::npos;
        if (nValue == std::string::npos)
            return false;
        nSum += static_cast<int>(nValue);
    }
    const std::string full = "*" + text + values[static_cast<size_t>(nSum % 43)] + "*";
    symbol = tagBARSYMBOL();
    symbol.nQuietLeft = symbol.nQuietRight = 10;
    for (size_t i = 0; i < full.size(); ++i) {
        if (i > 0)
            symbol.elements.push_back(1);   // gap between characters
        symbol.AppendWidths(Pattern(full[i]).c_str());
    }
    return true;
}
