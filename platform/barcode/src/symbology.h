// The encoded form of a barcode, independent of any device.
#pragma once
#include <string>
#include <vector>

// Linear symbols: element widths in modules, a bar first, bars and spaces
// alternating, with the quiet zones in modules. Four-state symbols: one
// entry per bar (BAR_ constants), drawn at a fixed pitch.
struct tagBARSYMBOL
{
    enum { BAR_LONG = 1, BAR_ASCENDER = 2, BAR_DESCENDER = 3, BAR_TIMING = 4 };

    std::vector<int> elements;
    int nQuietLeft = 0;
    int nQuietRight = 0;
    bool bFourState = false;

    // Appends widths given as digits ("3211"), or as n/w for narrow and wide.
    void AppendWidths(const char* pszWidths, int nWide = 3);
};

// Each encoder fills the symbol from the text and answers false, leaving the
// symbol unspecified, when the text is not encodable.
bool EncodeJan(const std::string& text, int nDigits, tagBARSYMBOL& symbol);
bool EncodeCode39(const std::string& text, tagBARSYMBOL& symbol);
bool EncodeNw7(const std::string& text, tagBARSYMBOL& symbol);
bool EncodeItf(const std::string& text, tagBARSYMBOL& symbol);
bool EncodeCode128(const std::string& text, tagBARSYMBOL& symbol);
bool EncodePostal(const std::string& text, tagBARSYMBOL& symbol);

// The modulus 10 check digit with weights 3, 1, 3, ... from the right.
int Mod10Weight3(const std::string& digits);
bool IsAllDigits(const std::string& text);
