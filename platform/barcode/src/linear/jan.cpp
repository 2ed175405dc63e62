// JAN / EAN-13 and EAN-8.
#include "symbology.h"

namespace {

// Odd-parity (L) set; the even set (G) is its widths reversed, the right
// set (R) its widths starting with a bar.
const char* const kLeftOdd[10] = {"3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112"};
// Parity of the six left digits of EAN-13 by the leading digit (G = even).
const char* const kParity[10] = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                 "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};

void AppendDigit(tagBARSYMBOL& symbol, char cDigit, bool bEven)
{
    std::string widths = kLeftOdd[cDigit - '0'];
    if (bEven)
        widths.assign(widths.rbegin(), widths.rend());
    symbol.AppendWidths(widths.c_str());
}

}  // namespace

bool EncodeJan(const std::string& text, int nDigits, tagBARSYMBOL& symbol)
{
    if (!IsAllDigits(text) || (static_cast<int>(text.size()) != nDigits - 1 && static_cast<int>(text.size()) != nDigits))
        return false;
    const std::string body = text.substr(0, static_cast<size_t>(nDigits - 1));
    const char cCheck = static_cast<char>('0' + Mod10Weight3(body));
    if (static_cast<int>(text.size()) == nDigits && text.back() != cCheck)
        return false;
    const std::string digits = body + cCheck;
    const bool bThirteen = nDigits == 13;
    // EAN-13 carries its first digit in the parity of the next six.
    const std::string left = bThirteen ? digits.substr(1, 6) : digits.substr(0, 4);
    const std::string right = bThirteen ? digits.substr(7) : digits.substr(4);
    const char* pszParity = bThirteen ? kParity[digits[0] - '0'] : "LLLL";

    symbol = tagBARSYMBOL();
    symbol.nQuietLeft = bThirteen ? 11 : 7;
    symbol.nQuietRight = 7;
    symbol.AppendWidths("111");
    for (size_t i = 0; i < left.size(); ++i)
        AppendDigit(symbol, left[i], pszParity[i] == 'G');
    symbol.AppendWidths("11111");
    for (char c : right)
        AppendDigit(symbol, c, false);
    symbol.AppendWidths("111");
    return true;
}
