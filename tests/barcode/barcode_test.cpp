// Barcodes read back from a memory canvas and decoded with the published
// tables of each symbology.
#include <gtest/gtest.h>

#include <barcode.h>

#include <map>
#include <string>
#include <vector>

#include "canvas.h"

namespace {

const int kCanvasWidth = 1000;
const int kCanvasHeight = 80;

bool IsInk(const MemoryCanvas& canvas, int x, int y)
{
    return canvas.pixel(x, y) == RGB(0, 0, 0);
}

// What a row of the canvas shows: where the first bar starts and ends and
// the run widths from there, a bar first.
struct Row
{
    int first = -1;
    int last = -1;
    std::vector<int> runs;
};

Row ReadRow(const MemoryCanvas& canvas, int y)
{
    Row row;
    for (int x = 0; x < canvas.width(); ++x) {
        if (!IsInk(canvas, x, y))
            continue;
        if (row.first < 0)
            row.first = x;
        row.last = x;
    }
    for (int x = row.first; row.first >= 0 && x <= row.last;) {
        const bool ink = IsInk(canvas, x, y);
        int end = x;
        while (end <= row.last && IsInk(canvas, end, y) == ink)
            ++end;
        row.runs.push_back(end - x);
        x = end;
    }
    return row;
}

// Draws one barcode into a canvas-wide rectangle; the row in its middle.
struct Drawn
{
    BOOL created = FALSE;
    BOOL accepted = FALSE;
    BOOL drawn = FALSE;
    Row row;
    int module = 0;
};

Drawn DrawKind(MemoryCanvas& canvas, UINT kind, const char* data, const RECT& rect)
{
    Drawn result;
    CBarcode barcode;
    result.created = barcode.Create(kind);
    result.accepted = barcode.SetData(data);
    barcode.SetRect(rect);
    result.drawn = barcode.DrawBarcode(CDC::FromHandle(canvas.dc()));
    result.row = ReadRow(canvas, (rect.top + rect.bottom) / 2);
    result.module = kCanvasWidth;
    for (int run : result.row.runs)
        result.module = std::min(result.module, run);
    return result;
}

Drawn DrawKind(MemoryCanvas& canvas, UINT kind, const char* data)
{
    const RECT rect = {0, 10, kCanvasWidth, 70};
    return DrawKind(canvas, kind, data, rect);
}

// Run widths as narrow (n) and wide (w) elements.
std::string NarrowWide(const std::vector<int>& runs, size_t from, size_t count, int module)
{
    std::string pattern;
    for (size_t i = from; i < from + count && i < runs.size(); ++i)
        pattern += runs[i] > module ? 'w' : 'n';
    return pattern;
}

std::string Lookup(const std::map<std::string, char>& table, const std::string& pattern)
{
    const auto it = table.find(pattern);
    return it == table.end() ? std::string("?") : std::string(1, it->second);
}

// Characters of nElements elements with a narrow gap between them.
std::string DecodeDiscrete(const Drawn& drawn, const std::map<std::string, char>& table, size_t nElements)
{
    std::string text;
    for (size_t i = 0; i < drawn.row.runs.size(); i += nElements + 1)
        text += Lookup(table, NarrowWide(drawn.row.runs, i, nElements, drawn.module));
    return text;
}

std::string DecodeJan(const Drawn& drawn, int leftDigits)
{
    static const char* const lCodes[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                           "0110001", "0101111", "0111011", "0110111", "0001011"};
    static const char* const parities[10] = {"OOOOOO", "OOEOEE", "OOEEOE", "OOEEEO", "OEOOEE",
                                             "OEEOOE", "OEEEOO", "OEOEOE", "OEOEEO", "OEEOEO"};
    std::map<std::string, std::string> codes;   // modules -> digit and parity (O, E, R)
    for (int d = 0; d < 10; ++d) {
        std::string l = lCodes[d], r, g;
        for (char c : l)
            r += c == '0' ? '1' : '0';
        g.assign(r.rbegin(), r.rend());
        codes[l] = std::string(1, static_cast<char>('0' + d)) + "O";
        codes[g] = std::string(1, static_cast<char>('0' + d)) + "E";
        codes[r] = std::string(1, static_cast<char>('0' + d)) + "R";
    }
    std::string modules;
    for (size_t i = 0; i < drawn.row.runs.size(); ++i)
        modules += std::string(static_cast<size_t>(drawn.row.runs[i] / drawn.module), i % 2 == 0 ? '1' : '0');
    const size_t total = 3 + 7 * static_cast<size_t>(leftDigits) * 2 + 5 + 3;
    if (modules.size() != total || modules.compare(0, 3, "101") != 0)
        return "bad frame";
    std::string digits, parity;
    for (int i = 0; i < leftDigits * 2; ++i) {
        const size_t at = 3 + static_cast<size_t>(i) * 7 + (i >= leftDigits ? 5 : 0);
        const auto it = codes.find(modules.substr(at, 7));
        if (it == codes.end())
            return "bad digit";
        digits += it->second[0];
        if (i < leftDigits)
            parity += it->second[1];
    }
    if (leftDigits == 4)
        return parity == "OOOO" ? digits : "bad parity";
    for (int d = 0; d < 10; ++d) {
        if (parity == parities[d])
            return std::string(1, static_cast<char>('0' + d)) + digits;
    }
    return "bad parity";
}

TEST(Barcode, JanDigitsAndCheckDigitReadBack)
{
    struct Case
    {
        UINT kind;
        const char* data;
        const char* read;
        int leftDigits;
        int quietLeft;
    };
    const Case cases[] = {
        {CBarcode::KIND_JAN13, "490123456789", "4901234567894", 6, 11},
        {CBarcode::KIND_JAN13, "4901234567894", "4901234567894", 6, 11},
        {CBarcode::KIND_JAN8, "4901234", "49012347", 4, 7},
    };
    for (const Case& c : cases) {
        MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
        const Drawn drawn = DrawKind(canvas, c.kind, c.data);
        ASSERT_TRUE(drawn.drawn) << c.data;
        EXPECT_EQ(c.read, DecodeJan(drawn, c.leftDigits)) << c.data;
        EXPECT_GE(drawn.row.first, c.quietLeft * drawn.module) << c.data;
        EXPECT_GE(kCanvasWidth - 1 - drawn.row.last, 7 * drawn.module) << c.data;
    }
}

TEST(Barcode, WrongCheckDigitOrLettersAreRefusedAndDrawNothing)
{
    const std::pair<UINT, const char*> cases[] = {
        {CBarcode::KIND_JAN13, "4901234567890"}, {CBarcode::KIND_JAN13, "49012345678"},
        {CBarcode::KIND_JAN8, "49012A4"},        {CBarcode::KIND_ITF, "12a"},
        {CBarcode::KIND_CODE39, "abc"},          {CBarcode::KIND_CODE128, "\x82\xa0"},
        {CBarcode::KIND_POSTAL, "123456"},       {CBarcode::KIND_POSTAL, "1234567#"},
        {CBarcode::KIND_NW7, ""},                {CBarcode::KIND_CODE39, ""},
    };
    for (const auto& c : cases) {
        MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
        const Drawn drawn = DrawKind(canvas, c.first, c.second);
        EXPECT_TRUE(drawn.created);
        EXPECT_FALSE(drawn.accepted) << c.second;
        EXPECT_FALSE(drawn.drawn) << c.second;
        EXPECT_EQ(0, canvas.countInked({0, 0, kCanvasWidth, kCanvasHeight})) << c.second;
    }
}

TEST(Barcode, UnknownKindIsRefused)
{
    CBarcode barcode;
    EXPECT_FALSE(barcode.Create(0));
    EXPECT_FALSE(barcode.Create(CBarcode::KIND_LAST + 1));
    EXPECT_EQ(CBarcode::KIND_NONE, barcode.GetKind());
    EXPECT_FALSE(barcode.SetData("123"));
}

TEST(Barcode, Code39WithModulus43CheckCharacter)
{
    const std::map<std::string, char> table = {
        {"nnnwwnwnn", '0'}, {"wnnwnnnnw", '1'}, {"nnwwnnnnw", '2'}, {"wnwwnnnnn", '3'}, {"nnnwwnnnw", '4'},
        {"wnnwwnnnn", '5'}, {"nnwwwnnnn", '6'}, {"nnnwnnwnw", '7'}, {"wnnwnnwnn", '8'}, {"nnwwnnwnn", '9'},
        {"wnnnnwnnw", 'A'}, {"nnwnnwnnw", 'B'}, {"wnwnnwnnn", 'C'}, {"nnnnwwnnw", 'D'}, {"wnnnwwnnn", 'E'},
        {"nnwnwwnnn", 'F'}, {"nnnnnwwnw", 'G'}, {"wnnnnwwnn", 'H'}, {"nnwnnwwnn", 'I'}, {"nnnnwwwnn", 'J'},
        {"wnnnnnnww", 'K'}, {"nnwnnnnww", 'L'}, {"wnwnnnnwn", 'M'}, {"nnnnwnnww", 'N'}, {"wnnnwnnwn", 'O'},
        {"nnwnwnnwn", 'P'}, {"nnnnnnwww", 'Q'}, {"wnnnnnwwn", 'R'}, {"nnwnnnwwn", 'S'}, {"nnnnwnwwn", 'T'},
        {"wwnnnnnnw", 'U'}, {"nwwnnnnnw", 'V'}, {"wwwnnnnnn", 'W'}, {"nwnnwnnnw", 'X'}, {"wwnnwnnnn", 'Y'},
        {"nwwnwnnnn", 'Z'}, {"nwnnnnwnw", '-'}, {"wwnnnnwnn", '.'}, {"nwwnnnwnn", ' '}, {"nwnnwnwnn", '*'},
        {"nwnwnwnnn", '$'}, {"nwnwnnnwn", '/'}, {"nwnnnwnwn", '+'}, {"nnnwnwnwn", '%'}};
    const std::pair<const char*, const char*> cases[] = {
        {"ABC-123", "*ABC-123W*"}, {"CODE 39", "*CODE 39R*"}, {"$/+%", "*$/+%X*"}};
    for (const auto& c : cases) {
        MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
        const Drawn drawn = DrawKind(canvas, CBarcode::KIND_CODE39, c.first);
        ASSERT_TRUE(drawn.drawn) << c.first;
        EXPECT_EQ(c.second, DecodeDiscrete(drawn, table, 9));
        EXPECT_GE(drawn.row.first, 10 * drawn.module);
    }
}

TEST(Barcode, Nw7WithModulus16CheckCharacterAndStartStop)
{
    const std::map<std::string, char> table = {
        {"nnnnnww", '0'}, {"nnnnwwn", '1'}, {"nnnwnnw", '2'}, {"wwnnnnn", '3'}, {"nnwnnwn", '4'},
        {"wnnnnwn", '5'}, {"nwnnnnw", '6'}, {"nwnnwnn", '7'}, {"nwwnnnn", '8'}, {"wnnwnnn", '9'},
        {"nnnwwnn", '-'}, {"nnwwnnn", '$'}, {"wnnnwnw", ':'}, {"wnwnnnw", '/'}, {"wnwnwnn", '.'},
        {"nnwnwnw", '+'}, {"nnwwnwn", 'A'}, {"nwnwnnw", 'B'}, {"nnnwnww", 'C'}, {"nnnwwwn", 'D'}};
    const std::pair<const char*, const char*> cases[] = {{"123456", "A123456$A"}, {"B0-9D", "B0-99D"}};
    for (const auto& c : cases) {
        MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
        const Drawn drawn = DrawKind(canvas, CBarcode::KIND_NW7, c.first);
        ASSERT_TRUE(drawn.drawn) << c.first;
        EXPECT_EQ(c.second, DecodeDiscrete(drawn, table, 7));
    }
}

TEST(Barcode, ItfPairsWithCheckDigitAndLeadingZero)
{
    const std::map<std::string, char> table = {
        {"nnwwn", '0'}, {"wnnnw", '1'}, {"nwnnw", '2'}, {"wwnnn", '3'}, {"nnwnw", '4'},
        {"wnwnn", '5'}, {"nwwnn", '6'}, {"nnnww", '7'}, {"wnnwn", '8'}, {"nwnwn", '9'}};
    const std::pair<const char*, const char*> cases[] = {{"1234567", "12345670"}, {"12", "0123"}};
    for (const auto& c : cases) {
        MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
        const Drawn drawn = DrawKind(canvas, CBarcode::KIND_ITF, c.first);
        ASSERT_TRUE(drawn.drawn) << c.first;
        const std::vector<int>& runs = drawn.row.runs;
        ASSERT_GE(runs.size(), 7u);
        EXPECT_EQ("nnnn", NarrowWide(runs, 0, 4, drawn.module));
        EXPECT_EQ("wnn", NarrowWide(runs, runs.size() - 3, 3, drawn.module));
        std::string digits;
        for (size_t i = 4; i + 3 < runs.size(); i += 10) {
            std::string bars, spaces;
            for (size_t k = 0; k < 10; k += 2) {
                bars += NarrowWide(runs, i + k, 1, drawn.module);
                spaces += NarrowWide(runs, i + k + 1, 1, drawn.module);
            }
            digits += Lookup(table, bars) + Lookup(table, spaces);
        }
        EXPECT_EQ(c.second, digits);
    }
}

TEST(Barcode, Code128SetCWithModulus103Check)
{
    // Start C, 12, 34, 56, 78, check (105 + 12 + 2*34 + 3*56 + 4*78) % 103 = 47, stop.
    const std::vector<std::string> expected = {"211232", "112232", "131123", "331121",
                                               "241112", "133121", "2331112"};
    MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
    const Drawn drawn = DrawKind(canvas, CBarcode::KIND_CODE128, "12345678");
    ASSERT_TRUE(drawn.drawn);
    std::vector<std::string> symbols;
    for (size_t i = 0; i < drawn.row.runs.size(); i += 6) {
        const size_t count = i + 7 == drawn.row.runs.size() ? 7 : 6;
        std::string widths;
        int modules = 0, barModules = 0;
        for (size_t k = i; k < i + count; ++k) {
            const int w = drawn.row.runs[k] / drawn.module;
            widths += static_cast<char>('0' + w);
            modules += w;
            barModules += k % 2 == 0 ? w : 0;
        }
        EXPECT_EQ(count == 7 ? 13 : 11, modules) << widths;
        EXPECT_EQ(0, barModules % 2) << widths;
        symbols.push_back(widths);
        i += count - 6;
    }
    EXPECT_EQ(expected, symbols);
}

TEST(Barcode, Code128SetBForText)
{
    // Start B, 'A' 33, 'b' 66, check (104 + 33 + 2*66) % 103 = 63, stop.
    MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
    const Drawn drawn = DrawKind(canvas, CBarcode::KIND_CODE128, "Ab");
    ASSERT_TRUE(drawn.drawn);
    std::string widths;
    for (int run : drawn.row.runs)
        widths += static_cast<char>('0' + run / drawn.module);
    EXPECT_EQ(std::string("211214") + "111323" + "121421" + "111224" + "2331112", widths);
}

// Four-state bars: F long, A ascender, D descender, T timing only.
std::string ReadFourState(const MemoryCanvas& canvas, int top, int bottom)
{
    const Row row = ReadRow(canvas, (top + bottom) / 2);
    std::string bars;
    int x = row.first;
    for (size_t i = 0; i < row.runs.size(); x += row.runs[i++]) {
        if (i % 2 != 0)
            continue;
        bool up = false, down = false;
        for (int y = top; y < bottom; ++y) {
            if (IsInk(canvas, x, y)) {
                up = up || y < top + (bottom - top) / 4;
                down = down || y >= bottom - (bottom - top) / 4;
            }
        }
        bars += up ? (down ? 'F' : 'A') : (down ? 'D' : 'T');
    }
    return bars;
}

std::string DecodePostal(const std::string& bars)
{
    static const char* const chars[] = {"FTT", "FFT", "FDA", "DFA", "FAD", "FTF", "DAF", "AFD", "ADF", "TFF",
                                        "TFT", "DAT", "DTA", "ADT", "TDA", "ATD", "TAD", "TTF", "FFF"};
    static const char* const names[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                        "-", "<1>", "<2>", "<3>", "<4>", "<5>", "<6>", "<7>", "<8>"};
    if (bars.size() != 4 + 21 * 3 || bars.compare(0, 2, "FD") != 0 || bars.compare(bars.size() - 2, 2, "DF") != 0)
        return "bad frame " + bars;
    std::string text;
    for (size_t i = 2; i + 2 < bars.size(); i += 3) {
        std::string name = "?";
        for (int k = 0; k < 19; ++k) {
            if (bars.compare(i, 3, chars[k]) == 0)
                name = names[k];
        }
        text += name;
    }
    return text;
}

TEST(Barcode, PostalCustomerBarcodeWithFillersAndModulus19Check)
{
    const std::pair<const char*, const char*> cases[] = {
        // 28 + 30 + 8 fillers of 14 = 170; 170 % 19 = 18: check 1.
        {"12345673-5-2", "12345673-5-2<4><4><4><4><4><4><4><4>1"},
        // A is CC1 and 0, Z is CC3 and 5.
        {"1000001A-Z", "1000001<1>0-<3>5<4><4><4><4><4><4><4><4><8>"},
        // The address is cut after its 13th code.
        {"99999991234567890-12345", "99999991234567890-12<2>"},
    };
    for (const auto& c : cases) {
        MemoryCanvas canvas(kCanvasWidth, kCanvasHeight);
        const RECT rect = {0, 10, kCanvasWidth, 70};
        const Drawn drawn = DrawKind(canvas, CBarcode::KIND_POSTAL, c.first, rect);
        ASSERT_TRUE(drawn.drawn) << c.first;
        EXPECT_EQ(c.second, DecodePostal(ReadFourState(canvas, 10, 70))) << c.first;
        // Bars as wide as the gaps between them, with quiet zones of four widths.
        for (size_t i = 0; i + 1 < drawn.row.runs.size(); ++i)
            EXPECT_EQ(drawn.module, drawn.row.runs[i]);
        EXPECT_GE(drawn.row.first, 4 * drawn.module);
    }
}

TEST(Barcode, ElementWidthsScaleWithTheRectangleAndATooSmallOneDrawsNothing)
{
    MemoryCanvas wide(kCanvasWidth, kCanvasHeight);
    const Drawn big = DrawKind(wide, CBarcode::KIND_JAN13, "490123456789", {0, 0, 990, 40});
    MemoryCanvas narrow(kCanvasWidth, kCanvasHeight);
    const Drawn small = DrawKind(narrow, CBarcode::KIND_JAN13, "490123456789", {100, 0, 100 + 3 * 113, 40});
    ASSERT_TRUE(big.drawn);
    ASSERT_TRUE(small.drawn);
    EXPECT_EQ(990 / 113, big.module);   // 95 modules and 18 of quiet zones
    EXPECT_EQ(3, small.module);
    EXPECT_EQ(100 + 11 * 3, small.row.first);

    MemoryCanvas tiny(kCanvasWidth, kCanvasHeight);
    const Drawn none = DrawKind(tiny, CBarcode::KIND_JAN13, "490123456789", {0, 0, 112, 40});
    EXPECT_FALSE(none.drawn);
    EXPECT_EQ(0, tiny.countInked({0, 0, kCanvasWidth, kCanvasHeight}));
}

}  // namespace
