// The readers of the form model under the fuzzer. Each takes one input
// through load, store and draw (on a memory context, as the screen and as
// a printer); a damaged input may only end in an exception of the
// framework. A broken round trip (the stored form of what was loaded does
// not load back to the same bytes) is a std::logic_error.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

struct FuzzReader
{
    const char* pszName;
    // The golden inputs the mutations start from.
    std::vector<std::string> (*seeds)();
    void (*run)(const std::string& bytes, CDC& screen, CDC& printer);
};

const std::vector<FuzzReader>& FuzzReaders();

// Removes what mail containers wrote into the receive folder.
void CleanReceiveFolder();
