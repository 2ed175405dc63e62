#include "figureline.h"

#include <cstdio>
#include <cstdlib>

CFigureLine::CFigureLine(const char* pszJob) : m_line(pszJob)
{
}

void CFigureLine::Add(const char* pszName, double value, int nDecimals)
{
    char szValue[64];
    std::snprintf(szValue, sizeof szValue, "%.*f", nDecimals, value);
    m_line += ' ';
    m_line += pszName;
    m_line += '=';
    m_line += szValue;
}

void CFigureLine::Print() const
{
    std::printf("%s\n", m_line.c_str());
    std::fflush(stdout);
}

void BenchCheck(bool bOk, const char* pszWhat)
{
    if (bOk)
        return;
    std::fprintf(stderr, "bench: %s\n", pszWhat);
    std::exit(1);
}
