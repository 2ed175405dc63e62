#include <gtest/gtest.h>

#include <string.h>

#include <functional>
#include <string>
#include <utility>

#include "afxstr.h"

static_assert(sizeof(CString) == sizeof(void*), "CString must stay one pointer");

namespace {

int Sign(int n) { return (n > 0) - (n < 0); }

// The cases below rely on these literals being Shift-JIS, with trail bytes
// that are also '\\' or ASCII letters.
TEST(StringTest, LiteralsAreShiftJis)
{
    EXPECT_STREQ("十", "\x8F\x5C");
    EXPECT_STREQ("表", "\x95\x5C");
    EXPECT_STREQ("ア", "\x83\x41");
    EXPECT_STREQ("ヂ", "\x83\x61");
    EXPECT_STREQ("ａ", "\x82\x81");
}

struct CharSearchCase
{
    const char* text;
    char ch;
    int find;
    int reverseFind;
};

TEST(StringTest, CharSearchSkipsTrailBytes)
{
    const CharSearchCase cases[] = {
        {"十", '\\', -1, -1},
        {"表", '\\', -1, -1},
        {"十表", '\\', -1, -1},
        {"a\\十\\b", '\\', 1, 4},
        {"表\\", '\\', 2, 2},
        {"アA", 'A', 2, 2},
        {"ヂ", 'a', -1, -1},
        {"\x8F", '\x8F', 0, 0},  // a lone lead byte before the end
        {"", 'a', -1, -1},
    };
    for (const CharSearchCase& c : cases) {
        SCOPED_TRACE(c.text);
        CString s(c.text);
        EXPECT_EQ(c.find, s.Find(c.ch));
        EXPECT_EQ(c.reverseFind, s.ReverseFind(c.ch));
    }
}

TEST(StringTest, ExtractSubStringCountsPartsAndSkipsTrailBytes)
{
    struct Case
    {
        const char* text;
        int index;
        char sep;
        BOOL found;
        const char* part;
    };
    const Case cases[] = {
        {"%u ページ\n%u - %u ページ\n", 0, '\n', TRUE, "%u ページ"},
        {"%u ページ\n%u - %u ページ\n", 1, '\n', TRUE, "%u - %u ページ"},
        {"%u ページ\n%u - %u ページ\n", 2, '\n', TRUE, ""},
        {"%u ページ\n%u - %u ページ\n", 3, '\n', FALSE, ""},
        {"表\\十\\a", 1, '\\', TRUE, "十"},
        {"表\\十\\a", 2, '\\', TRUE, "a"},
        {"one", 0, '|', TRUE, "one"},
        {"one", -1, '|', FALSE, ""},
        {"", 0, '\n', TRUE, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " #" + std::to_string(c.index));
        CString part("left over");
        EXPECT_EQ(c.found, AfxExtractSubString(part, c.text, c.index, c.sep));
        EXPECT_STREQ(c.part, part);
    }
    CString part("left over");
    EXPECT_FALSE(AfxExtractSubString(part, nullptr, 0));
    EXPECT_TRUE(part.IsEmpty());
}

struct StartSearchCase
{
    const char* text;
    const char* sub;
    int start;
    int expected;
};

TEST(StringTest, SubstringSearchMatchesOnlyAtCharacterStarts)
{
    const StartSearchCase cases[] = {
        {"表示", "\\", 0, -1},
        {"ab十\\cd", "\\c", 0, 4},
        {"アBC", "AB", 0, -1},
        {"十表十", "十", 1, 4},  // a start inside a character moves to the next one
        {"十\\", "\\", 1, 2},
        {"abcabc", "bc", 2, 4},
        {"abc", "c", 3, -1},
        {"abc", "a", -5, 0},
        {"abc", "abcd", 0, -1},
    };
    for (const StartSearchCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.sub);
        CString s(c.text);
        EXPECT_EQ(c.expected, s.Find(c.sub, c.start));
        if (c.sub[1] == '\0') {
            EXPECT_EQ(c.expected, s.Find(c.sub[0], c.start));
        }
    }
}

struct SetCase
{
    const char* text;
    const char* set;
    int findOneOf;
    const char* including;
    const char* excluding;
};

TEST(StringTest, CharacterSetsCompareWholeCharacters)
{
    const SetCase cases[] = {
        {"表\\", "\\/", 2, "", "表"},
        {"a\\b", "十", -1, "", "a\\b"},
        {"十a十b", "十a", 0, "十a十", ""},
        {"abc十", "十", 3, "", "abc"},
        {"ヂa", "a", 2, "", "ヂ"},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.set);
        CString s(c.text);
        EXPECT_EQ(c.findOneOf, s.FindOneOf(c.set));
        EXPECT_STREQ(c.including, s.SpanIncluding(c.set));
        EXPECT_STREQ(c.excluding, s.SpanExcluding(c.set));
    }
}

struct CaseChangeCase
{
    const char* text;
    const char* upper;
    const char* lower;
};

// ASCII letters and the double-byte Latin, Greek and Cyrillic letters change
// case; trail bytes and half-width katakana never do.
TEST(StringTest, CaseChangesLeaveTrailBytesAlone)
{
    const CaseChangeCase cases[] = {
        {"abcXYZ09_", "ABCXYZ09_", "abcxyz09_"},
        {"アa", "アA", "アa"},
        {"ヂA", "ヂA", "ヂa"},
        {"ホ", "ホ", "ホ"},
        {"十表ｱｲ", "十表ｱｲ", "十表ｱｲ"},
        {"ａｂｚＡＺ", "ＡＢＺＡＺ", "ａｂｚａｚ"},
        {"αωΑΩ", "ΑΩΑΩ", "αωαω"},
        {"аянОЯН", "АЯНОЯН", "аяноян"},
    };
    for (const CaseChangeCase& c : cases) {
        SCOPED_TRACE(c.text);
        CString upper(c.text);
        upper.MakeUpper();
        EXPECT_STREQ(c.upper, upper);
        CString lower(c.text);
        lower.MakeLower();
        EXPECT_STREQ(c.lower, lower);
    }
}

struct OrderCase
{
    const char* a;
    const char* b;
    int compare;
    int compareNoCase;
};

TEST(StringTest, ComparisonsInEveryForm)
{
    const OrderCase cases[] = {
        {"abc", "abc", 0, 0},
        {"abc", "ABC", 1, 0},
        {"ab", "abc", -1, -1},
        {"z", "十", -1, -1},  // bytes compare unsigned
        {"_", "A", 1, -1},   // letters fold to lower case
        {"ア", "ヂ", -1, -1},  // trail bytes never fold
        {"アa", "アA", 1, 0},
        {"ａ", "Ａ", 1, 1},
        {"", "", 0, 0},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        CString a(c.a);
        CString b(c.b);
        EXPECT_EQ(c.compare, Sign(a.Compare(c.b)));
        EXPECT_EQ(c.compareNoCase, Sign(a.CompareNoCase(c.b)));
        const int s = c.compare;
        EXPECT_EQ(s == 0, a == b);
        EXPECT_EQ(s == 0, a == c.b);
        EXPECT_EQ(s == 0, c.a == b);
        EXPECT_EQ(s != 0, a != b);
        EXPECT_EQ(s != 0, a != c.b);
        EXPECT_EQ(s != 0, c.a != b);
        EXPECT_EQ(s < 0, a < b);
        EXPECT_EQ(s < 0, a < c.b);
        EXPECT_EQ(s < 0, c.a < b);
        EXPECT_EQ(s > 0, a > b);
        EXPECT_EQ(s > 0, a > c.b);
        EXPECT_EQ(s > 0, c.a > b);
        EXPECT_EQ(s <= 0, a <= b);
        EXPECT_EQ(s <= 0, a <= c.b);
        EXPECT_EQ(s <= 0, c.a <= b);
        EXPECT_EQ(s >= 0, a >= b);
        EXPECT_EQ(s >= 0, a >= c.b);
        EXPECT_EQ(s >= 0, c.a >= b);
    }
}

TEST(StringTest, ConcatenationInEveryForm)
{
    const CString head("十");
    const CString tail("表");
    EXPECT_STREQ("十表", head + tail);
    EXPECT_STREQ("十表", head + "表");
    EXPECT_STREQ("表十", "表" + head);
    EXPECT_STREQ("十\\", head + '\\');
    EXPECT_STREQ("\\十", '\\' + head);
    EXPECT_STREQ("", CString() + "");

    CString s("ab");
    s += tail;
    s += "c";
    s += 'd';
    EXPECT_STREQ("ab表cd", s);
    EXPECT_EQ(6, s.GetLength());
}

TEST(StringTest, OperandsMayAliasTheTarget)
{
    CString s("abc");
    s += s;
    EXPECT_STREQ("abcabc", s);
    s += static_cast<LPCSTR>(s) + 3;
    EXPECT_STREQ("abcabcabc", s);
    s = static_cast<LPCSTR>(s) + 6;
    EXPECT_STREQ("abc", s);
    s = s;
    EXPECT_STREQ("abc", s);
    s.Format("%s-%s", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
    EXPECT_STREQ("abc-abc", s);
}

TEST(StringTest, AppendingGrowsPastManyReallocations)
{
    CString s;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        char ch = static_cast<char>('a' + i % 26);
        s += ch;
        expected += ch;
    }
    EXPECT_EQ(5000, s.GetLength());
    EXPECT_EQ(expected, static_cast<LPCSTR>(s));
}

struct ExtractCase
{
    const char* name;
    std::function<CString(const CString&)> extract;
    const char* expected;
};

TEST(StringTest, ExtractionCountsBytesAndClamps)
{
    const CString s("abcdef");
    const ExtractCase cases[] = {
        {"Mid(2)", [](const CString& t) { return t.Mid(2); }, "cdef"},
        {"Mid(-2, 3)", [](const CString& t) { return t.Mid(-2, 3); }, "abc"},
        {"Mid(10)", [](const CString& t) { return t.Mid(10); }, ""},
        {"Mid(2, 100)", [](const CString& t) { return t.Mid(2, 100); }, "cdef"},
        {"Mid(2, -1)", [](const CString& t) { return t.Mid(2, -1); }, ""},
        {"Mid(6, 1)", [](const CString& t) { return t.Mid(6, 1); }, ""},
        {"Left(3)", [](const CString& t) { return t.Left(3); }, "abc"},
        {"Left(-1)", [](const CString& t) { return t.Left(-1); }, ""},
        {"Left(99)", [](const CString& t) { return t.Left(99); }, "abcdef"},
        {"Right(2)", [](const CString& t) { return t.Right(2); }, "ef"},
        {"Right(-5)", [](const CString& t) { return t.Right(-5); }, ""},
        {"Right(99)", [](const CString& t) { return t.Right(99); }, "abcdef"},
    };
    for (const ExtractCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.expected, c.extract(s));
    }
    EXPECT_STREQ("\\a", CString("十a").Mid(1));
    EXPECT_STREQ("\x8F", CString("十a").Left(1));
}

struct EditCase
{
    const char* name;
    const char* text;
    std::function<int(CString&)> edit;  // returns what the member returns, or 0
    const char* expected;
    int result;
};

TEST(StringTest, EditsRespectDoubleByteCharacters)
{
    const EditCase cases[] = {
        {"TrimLeft()", " \t\r\nab c \n", [](CString& s) { s.TrimLeft(); return 0; }, "ab c \n", 0},
        {"TrimRight()", " \t\r\nab c \n", [](CString& s) { s.TrimRight(); return 0; }, " \t\r\nab c", 0},
        {"TrimRight() full-width space", "a　", [](CString& s) { s.TrimRight(); return 0; }, "a　", 0},
        {"TrimRight() all", "  ", [](CString& s) { s.TrimRight(); return 0; }, "", 0},
        {"TrimRight('\\\\')", "表\\\\", [](CString& s) { s.TrimRight('\\'); return 0; }, "表", 0},
        {"TrimRight('\\\\') trail", "十", [](CString& s) { s.TrimRight('\\'); return 0; }, "十", 0},
        {"TrimLeft('x')", "xxaxx", [](CString& s) { s.TrimLeft('x'); return 0; }, "axx", 0},
        {"TrimRight(set)", "表\\ \\", [](CString& s) { s.TrimRight("\\ "); return 0; }, "表", 0},
        {"TrimLeft(set)", "　　a　", [](CString& s) { s.TrimLeft("　"); return 0; }, "a　", 0},
        {"Replace(char)", "十\\表\\", [](CString& s) { return s.Replace('\\', '/'); }, "十/表/", 2},
        {"Replace(string)", "表表a", [](CString& s) { return s.Replace("表", "xy"); }, "xyxya", 2},
        {"Replace(string) trail", "アBC", [](CString& s) { return s.Replace("AB", "x"); }, "アBC", 0},
        {"Replace(string) empty", "abab", [](CString& s) { return s.Replace("b", ""); }, "aa", 2},
        {"Remove", "十\\表\\", [](CString& s) { return s.Remove('\\'); }, "十表", 2},
        {"Insert(char)", "abc", [](CString& s) { return s.Insert(99, 'z'); }, "abcz", 4},
        {"Insert(string)", "abc", [](CString& s) { return s.Insert(1, "十"); }, "a十bc", 5},
        {"Delete", "abcdef", [](CString& s) { return s.Delete(1, 2); }, "adef", 4},
        {"Delete clamped", "abcdef", [](CString& s) { return s.Delete(-1, 99); }, "", 0},
        {"MakeReverse", "a十bア", [](CString& s) { s.MakeReverse(); return 0; }, "アb十a", 0},
        {"SetAt", "abc", [](CString& s) { s.SetAt(1, 'X'); return 0; }, "aXc", 0},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        CString s(c.text);
        EXPECT_EQ(c.result, c.edit(s));
        EXPECT_STREQ(c.expected, s);
        EXPECT_EQ(static_cast<int>(strlen(c.expected)), s.GetLength());
    }
}

// Copies share a buffer; whatever writes to one of them must leave the
// other as it was.
TEST(StringTest, WritingToACopyLeavesTheOriginal)
{
    const std::function<void(CString&)> writes[] = {
        [](CString& s) { s.MakeUpper(); },
        [](CString& s) { s.MakeLower(); },
        [](CString& s) { s.MakeReverse(); },
        [](CString& s) { s.SetAt(0, 'x'); },
        [](CString& s) { s.Replace('b', 'x'); },
        [](CString& s) { s.Remove('b'); },
        [](CString& s) { s.Insert(0, 'x'); },
        [](CString& s) { s.Delete(0); },
        [](CString& s) { s.TrimLeft('a'); },
        [](CString& s) { s.TrimRight('C'); },
        [](CString& s) { s += "x"; },
        [](CString& s) { s = "x"; },
        [](CString& s) { s.GetBuffer(0)[0] = 'x'; s.ReleaseBuffer(); },
        [](CString& s) { s.GetBufferSetLength(1); },
        [](CString& s) { s.Format("%d", 1); },
    };
    const CString original("abC");
    for (size_t i = 0; i < sizeof writes / sizeof writes[0]; ++i) {
        SCOPED_TRACE(i);
        CString copy(original);
        EXPECT_EQ(static_cast<LPCSTR>(original), static_cast<LPCSTR>(copy));
        writes[i](copy);
        EXPECT_STRNE("abC", copy);
        EXPECT_STREQ("abC", original);
    }
}

TEST(StringTest, EmptyStringsInEveryForm)
{
    CString c("abc");
    c.Empty();
    const CString empties[] = {CString(), CString(""), c, CString("abc", 0), CString('x', 0)};
    for (const CString& empty : empties) {
        EXPECT_TRUE(empty.IsEmpty());
        EXPECT_EQ(0, empty.GetLength());
        EXPECT_STREQ("", empty);
        EXPECT_EQ('\0', empty.GetAt(0));
    }
}

TEST(StringTest, MovedFromStringIsEmpty)
{
    CString source("移す");
    CString constructed(std::move(source));
    EXPECT_STREQ("移す", constructed);
    EXPECT_TRUE(source.IsEmpty());

    CString target("元の文字列");
    source = "次";
    target = std::move(source);
    EXPECT_STREQ("次", target);
    EXPECT_TRUE(source.IsEmpty());

    CString& self = target;
    target = std::move(self);
    EXPECT_STREQ("次", target);
}

// Copies of one string made and changed on two threads at once: the shared
// buffer's count is kept exactly, so the original never changes and every
// copy ends as its thread made it.
TEST(StringTest, CopiesOnTwoThreadsAtOnce)
{
    const CString original("共有の文字列");
    struct Work {
        const CString* pOriginal;
        int nIntact = 0;
        static DWORD WINAPI Run(LPVOID pParam)
        {
            Work& work = *static_cast<Work*>(pParam);
            for (int i = 0; i < 20000; ++i) {
                CString copy(*work.pOriginal);
                CString second = copy;
                second += 'x';
                work.nIntact += copy == "共有の文字列" && second == "共有の文字列x" ? 1 : 0;
            }
            return 0;
        }
    };
    Work works[2] = {{&original}, {&original}};
    HANDLE hThreads[2];
    for (int i = 0; i < 2; ++i)
        hThreads[i] = ::CreateThread(nullptr, 0, &Work::Run, &works[i], 0, nullptr);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForMultipleObjects(2, hThreads, TRUE, INFINITE));
    for (HANDLE hThread : hThreads)
        ::CloseHandle(hThread);
    EXPECT_EQ(20000, works[0].nIntact);
    EXPECT_EQ(20000, works[1].nIntact);
    EXPECT_STREQ("共有の文字列", original);
    CString last(original);
    last.SetAt(0, 'x');   // the buffer is shared by this copy alone again
    EXPECT_STREQ("共有の文字列", original);
}

TEST(StringTest, LockedBufferIsNeverShared)
{
    CString s("abc");
    LPSTR locked = s.LockBuffer();
    CString copy(s);
    EXPECT_NE(static_cast<LPCSTR>(copy), static_cast<LPCSTR>(locked));
    locked[0] = 'x';
    EXPECT_STREQ("xbc", s);
    EXPECT_STREQ("abc", copy);
    s.UnlockBuffer();
    CString shared(s);
    EXPECT_EQ(static_cast<LPCSTR>(shared), static_cast<LPCSTR>(s));
}

TEST(StringTest, GetBufferKeepsContentAndReleaseSetsLength)
{
    CString s("abc");
    LPSTR p = s.GetBuffer(10);
    EXPECT_STREQ("abc", p);
    memcpy(p, "0123456789", 11);
    s.ReleaseBuffer();
    EXPECT_EQ(10, s.GetLength());
    EXPECT_STREQ("0123456789", s);

    s.GetBuffer(0);
    s.ReleaseBuffer(3);
    EXPECT_STREQ("012", s);

    p = s.GetBufferSetLength(5);
    EXPECT_EQ(5, s.GetLength());
    EXPECT_EQ(0, memcmp(p, "012", 3));
    EXPECT_EQ('\0', p[5]);

    CString empty;
    p = empty.GetBuffer(0);
    p[0] = '\0';
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());

    s = "a long enough string";
    s.GetBuffer(0);
    s.ReleaseBuffer(1);
    s.FreeExtra();
    EXPECT_STREQ("a", s);
}

struct FormatCase
{
    std::function<void(CString&)> format;
    std::string expected;
};

TEST(StringTest, FormatFollowsTheMicrosoftRuntime)
{
    const std::string wide(5000, 'w');
    const FormatCase cases[] = {
        {[](CString& s) { s.Format("%I64d", static_cast<__int64>(-0x123456789ABCDEF0LL)); },
         "-1311768467463790320"},
        {[](CString& s) { s.Format("%I64u|%I64X", ~0ULL, 0xABCDEF0123ULL); }, "18446744073709551615|ABCDEF0123"},
        {[](CString& s) { s.Format("%d %s %c %5.2f|%-4s|", -7, "十表", 'x', 3.14159, "ab"); },
         "-7 十表 x  3.14|ab  |"},
        {[](CString& s) { s.Format("%e", 1000.0); }, "1.000000e+003"},
        {[&wide](CString& s) { s.Format("<%s>", wide.c_str()); }, "<" + wide + ">"},
        {[](CString& s) { s.Format("%03000d", 5); }, std::string(2999, '0') + "5"},
        {[](CString& s) { s.Format("%s", ""); }, ""},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        SCOPED_TRACE(i);
        CString s("previous");
        cases[i].format(s);
        EXPECT_EQ(cases[i].expected, static_cast<LPCSTR>(s));
        EXPECT_EQ(static_cast<int>(cases[i].expected.size()), s.GetLength());
    }
}

// The test program has no string table; loading still replaces the text.
TEST(StringTest, LoadStringOfAMissingIdEmptiesTheString)
{
    CString s("previous");
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, AllocSysStringConvertsFromTheCodePage)
{
    BSTR bstr = CString("十表a").AllocSysString();
    ASSERT_NE(nullptr, bstr);
    EXPECT_EQ(3u, SysStringLen(bstr));
    EXPECT_EQ(std::wstring(L"十表a"), std::wstring(bstr, SysStringLen(bstr)));
    SysFreeString(bstr);
}

}  // namespace
