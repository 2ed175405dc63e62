#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>

// The suite's text is Shift-JIS: literals are compiled to code page 932 and
// the ANSI code page of the process must be 932 for the A functions.
TEST(Harness, AnsiCodePageIsShiftJis)
{
    EXPECT_EQ(932u, ::GetACP());
}

TEST(Harness, LiteralsAreShiftJisAndRoundTripThroughAnsiApi)
{
    const char* text = "表十ｱ";
    ASSERT_EQ(5u, std::strlen(text));
    EXPECT_EQ(std::string("\x95\x5C\x8F\x5C\xB1"), std::string(text));

    wchar_t wide[8] = {};
    int n = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, -1, wide, 8);
    ASSERT_EQ(4, n);
    EXPECT_EQ(L'\x8868', wide[0]);
    EXPECT_EQ(L'\x5341', wide[1]);
    EXPECT_EQ(L'\xFF71', wide[2]);
    EXPECT_TRUE(::IsDBCSLeadByte(0x95));
    EXPECT_FALSE(::IsDBCSLeadByte(0xB1));
}
