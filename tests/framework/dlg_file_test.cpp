// The file dialog's filter: "name|pattern|...||" handed to the system as
// NUL-separated strings.
#include <gtest/gtest.h>
#include <cstring>
#include <string>

#include "afxcomdlg.h"

namespace {

// The filter as the system reads it: up to the empty string that ends it.
std::string SystemFilter(const CFileDialog& dlg)
{
    const char* pszFilter = dlg.m_ofn.lpstrFilter;
    std::string filter;
    while (*pszFilter != '\0') {
        filter += pszFilter;
        filter += '|';
        pszFilter += std::strlen(pszFilter) + 1;
    }
    return filter;
}

}  // namespace

TEST(FileDialogTest, EveryBarOfTheFilterEndsAString)
{
    struct Case
    {
        const char* pszFilter;
        const char* pszSystem;   // each string followed by "|"
    };
    const Case cases[] = {
        {"ﾃｷｽﾄ(*.txt)|*.txt||", "ﾃｷｽﾄ(*.txt)|*.txt|"},
        {"A(*.a)|*.a|B(*.b;*.c)|*.b;*.c||", "A(*.a)|*.a|B(*.b;*.c)|*.b;*.c|"},
        // "ポ" ends in the byte of "|": it stays one character.
        {"ポ(*.p)|*.p||", "ポ(*.p)|*.p|"},
    };
    for (const Case& c : cases) {
        const CFileDialog dlg(FALSE, "txt", nullptr, OFN_HIDEREADONLY, c.pszFilter);
        EXPECT_EQ(c.pszSystem, SystemFilter(dlg)) << c.pszFilter;
    }
}
