// Japanese postal customer barcode: start, the 7-digit postal code, 13
// address characters (letters as a control code and a digit, the rest
// filled with CC4), a modulus 19 check character and stop; three bars a
// character.
#include "symbology.h"

namespace {

const int kPostalDigits = 7;
const int kAddressCodes = 13;
const int kHyphen = 10;
const int kCC1 = 11;   // CC1 .. CC8 are 11 .. 18
const int kFiller = kCC1 + 3;

// Bars of the character values 0-9, hyphen, CC1 .. CC8 (1 long,
// 2 ascender, 3 descender, 4 timing).
const char* const kBars[19] = {"144", "114", "132", "312", "123", "141", "321", "213", "231", "411",
                               "414", "324", "342", "234", "432", "243", "423", "441", "111"};

// Values of one address character: a digit or the hyphen alone, a letter as
// its control code (A-J CC1, K-T CC2, U-Z CC3) and a digit.
bool AddressValues(char c, std::vector<int>& values)
{
    if (c >= '0' && c <= '9')
        values.push_back(c - '0');
    else if (c == '-')
        values.push_back(kHyphen);
    else if (c >= 'A' && c <= 'Z') {
        values.push_back(kCC1 + (c - 'A') / 10);
        values.push_back((c - 'A') % 10);
    } else
        return false;
    return true;
}

}  // namespace

bool EncodePostal(const std::string& text, tagBARSYMBOL& symbol)
{
    if (text.size() < kPostalDigits || !IsAllDigits(text.substr(0, kPostalDigits)))
        return false;
    std::vector<int> values;
    for (size_t i = 0; i < kPostalDigits; ++i)
        values.push_back(text[i] - '0');
    std::vector<int> address;
    for (size_t i = kPostalDigits; i < text.size(); ++i) {
        if (!AddressValues(text[i], address))
            return false;
    }
    // A longer address is cut after its 13th code; a shorter one is filled.
    address.resize(kAddressCodes, kFiller);
    values.insert(values.end(), address.begin(), address.end());
    int nSum = 0;
    for (int nValue : values)
        nSum += nValue;
    values.push_back((19 - nSum % 19) % 19);

    symbol = tagBARSYMBOL();
    symbol.bFourState = true;
    symbol.AppendWidths("13");
    for (int nValue : values)
        symbol.AppendWidths(kBars[nValue]);
    symbol.AppendWidths("31");
    return true;
}
