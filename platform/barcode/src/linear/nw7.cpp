// NW-7 (Codabar) with a modulus 16 check character.
#include "symbology.h"

#include <cctype>

namespace {

// Characters in the order of their check values, and their seven elements.
const char kNw7Values[] = "0123456789-$:/.+ABCD";
const char* const kNw7Patterns[20] = {
    "nnnnnww", "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", "nwnnnnw",
    "nwnnwnn", "nwwnnnn", "wnnwnnn", "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw",
    "wnwnwnn", "nnwnwnw", "nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn"};
const int kFirstStartStop = 16;

int ValueOf(char c)
{
    const std::string values = kNw7Values;
    const size_t nAt = c != '\0' ? values.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c)))) : std::string::npos;
    return nAt == std::string::npos ? -1 : static_cast<int>(nAt);
}

bool IsStartStop(char c)
{
    return ValueOf(c) >= kFirstStartStop;
}

}  // namespace

bool EncodeNw7(const std::string& text, tagBARSYMBOL& symbol)
{
    std::string full = text;
    if (full.size() < 2 || !IsStartStop(full.front()) || !IsStartStop(full.back()))
        full = "A" + full + "A";
    std::vector<int> values;
    int nSum = 0;
    for (size_t i = 0; i < full.size(); ++i) {
        const int nValue = ValueOf(full[i]);
        const bool bEnd = i == 0 || i + 1 == full.size();
        if (nValue < 0 || (nValue >= kFirstStartStop) != bEnd)
            return false;
        values.push_back(nValue);
        nSum += nValue;
    }
    if (values.size() < 3)
        return false;
    values.insert(values.end() - 1, (16 - nSum % 16) % 16);
    symbol = tagBARSYMBOL();
    symbol.nQuietLeft = symbol.nQuietRight = 10;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            symbol.elements.push_back(1);
        symbol.AppendWidths(kNw7Patterns[values[i]]);
    }
    return true;
}
