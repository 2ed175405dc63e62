// The one line a benchmark prints: its job's name, then name=value pairs,
// which scripts/bench gathers into its table.
#pragma once
#include <string>

class CFigureLine
{
public:
    explicit CFigureLine(const char* pszJob);

    void Add(const char* pszName, double value, int nDecimals);
    // Prints the line to the standard output.
    void Print() const;

private:
    std::string m_line;
};

// Ends the program with a message on the standard error when bOk is false.
void BenchCheck(bool bOk, const char* pszWhat);
