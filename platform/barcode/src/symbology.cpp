#include "symbology.h"

void tagBARSYMBOL::AppendWidths(const char* pszWidths, int nWide)
{
    for (const char* p = pszWidths; *p != '\0'; ++p) {
        if (*p == 'n')
            elements.push_back(1);
        else if (*p == 'w')
            elements.push_back(nWide);
        else
            elements.push_back(*p - '0');
    }
}

int Mod10Weight3(const std::string& digits)
{
    int nSum = 0;
    int nWeight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        nSum += (*it - '0') * nWeight;
        nWeight = 4 - nWeight;
    }
    return (10 - nSum % 10) % 10;
}

bool IsAllDigits(const std::string& text)
{
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return !text.empty();
}
