#include <gtest/gtest.h>

#include <cstring>

#include "text/tables/font_extent.h"

namespace {

// A measured entry of a Shift-JIS font, its font deleted with it.
class MeasuredFont
{
public:
    MeasuredFont()
    {
        LOGFONTA lf = {};
        lf.lfHeight = -16;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lf.lfPitchAndFamily = VARIABLE_PITCH;
        std::strcpy(lf.lfFaceName, "MS PGothic");
        m_entry.logfont = lf;
        m_entry.font = ::CreateFontIndirectA(&lf);
        m_bMade = m_entry.font != nullptr && MakeFontEntry(nullptr, &m_entry) == 1;
    }
    ~MeasuredFont() { ReleaseFontEntry(m_entry); }
    bool Made() const { return m_bMade; }
    ZebFontEntry& Entry() { return m_entry; }

    // GetCharWidth of the code less the overhang, in the screen's context.
    int Measure(UINT nCode) const
    {
        HDC hdc = ::GetDC(nullptr);
        const HGDIOBJ hOld = ::SelectObject(hdc, m_entry.font);
        INT nWidth = 0;
        TEXTMETRICA tm = {};
        ::GetCharWidthA(hdc, nCode, nCode, &nWidth);
        ::GetTextMetricsA(hdc, &tm);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(nullptr, hdc);
        return nWidth - tm.tmOverhang;
    }

private:
    ZebFontEntry m_entry = {};
    bool m_bMade = false;
};

TEST(FontExtent, DoubleByteCharactersAreMeasuredOnlyInVariablePitchJapaneseFonts)
{
    MeasuredFont font;
    ASSERT_TRUE(font.Made());
    const UINT kHiraganaA = 0x82A0;
    const int kStored = 999;  // no font is this wide: tells the stored width from a measured one
    font.Entry().widths[0x82] = kStored;
    font.Entry().widths['A'] = 7;
    const int nMeasured = font.Measure(kHiraganaA);
    ASSERT_GT(nMeasured, 0);

    struct Case
    {
        const char* pszWhat;
        BYTE bPitch;
        BYTE bCharSet;
        const char* pszFace;
        UINT nCode;
        int nWant;
    } const cases[] = {
        {"Shift-JIS variable pitch", VARIABLE_PITCH, SHIFTJIS_CHARSET, "MS PGothic", kHiraganaA, nMeasured + 2},
        {"face in double-byte characters", VARIABLE_PITCH, ANSI_CHARSET, "\x82\x6c\x82\x72", kHiraganaA,
         nMeasured + 2},
        {"vertical face", VARIABLE_PITCH, ANSI_CHARSET, "@\x82\x6c\x82\x72", kHiraganaA, nMeasured + 2},
        {"variable pitch, not Japanese", VARIABLE_PITCH, ANSI_CHARSET, "Arial", kHiraganaA, kStored + 2},
        {"fixed pitch", FIXED_PITCH, SHIFTJIS_CHARSET, "MS PGothic", kHiraganaA, kStored + 2},
        {"default pitch", DEFAULT_PITCH, SHIFTJIS_CHARSET, "MS PGothic", kHiraganaA, kStored + 2},
        {"single byte", VARIABLE_PITCH, SHIFTJIS_CHARSET, "MS PGothic", 'A', 7 + 2},
    };
    for (const Case& c : cases) {
        LOGFONTA& lf = font.Entry().logfont;
        lf.lfPitchAndFamily = c.bPitch;
        lf.lfCharSet = c.bCharSet;
        std::strcpy(lf.lfFaceName, c.pszFace);
        EXPECT_EQ(c.nWant, FontCharWidth(nullptr, font.Entry(), c.nCode, 2)) << c.pszWhat;
    }
}

TEST(FontExtent, DoubleByteWidthsAreMeasuredARowAtATimeAndKept)
{
    MeasuredFont font;
    ASSERT_TRUE(font.Made());
    short* pWidths = font.Entry().pDoubleWidths;
    ASSERT_NE(nullptr, pWidths) << "a variable-pitch Japanese font keeps its double-byte widths";
    const int nRow = 0x82 - 0x81;
    EXPECT_EQ(font.Measure(0x82A0), FontCharWidth(nullptr, font.Entry(), 0x82A0, 0));
    EXPECT_EQ(font.Measure(0x82CC), pWidths[nRow * 256 + 0xCC]) << "the whole row was measured";
    EXPECT_EQ(font.Measure(0x82CC), FontCharWidth(nullptr, font.Entry(), 0x82CC, 1) - 1);
    pWidths[nRow * 256 + 0xCC] = 77;
    EXPECT_EQ(77, FontCharWidth(nullptr, font.Entry(), 0x82CC, 0)) << "a kept width is not measured again";
}

TEST(FontExtent, WidthAndHeightTradePlacesWhenExactlyOneOfTurnedAndSwappedHolds)
{
    ZebFontEntry entry = {};
    entry.logfont.lfHeight = 16;
    entry.logfont.lfPitchAndFamily = FIXED_PITCH;
    entry.widths['A'] = 7;
    entry.widths[0x82] = 12;
    const BYTE single[] = {'A'};
    const BYTE pair[] = {0x82, 0xA0};

    struct Case
    {
        LONG nEscapement;
        bool bSwap;
        int nAdvance;  // of 'A' with an extra of 1; the cross size is the other one
    } const cases[] = {
        {0, false, 8},     {0, true, 16},     {900, false, 16},  {900, true, 8},
        {1800, false, 8},  {1800, true, 16},  {2700, false, 16}, {2700, true, 8},
        {3599, false, 16}, {-900, false, 8},
    };
    for (const Case& c : cases) {
        entry.logfont.lfEscapement = c.nEscapement;
        int nCross = -1;
        EXPECT_EQ(c.nAdvance, FontCharExtent(nullptr, entry, 0, single, 1, c.bSwap, &nCross))
            << c.nEscapement << " " << c.bSwap;
        EXPECT_EQ(c.nAdvance == 8 ? 16 : 8, nCross) << c.nEscapement << " " << c.bSwap;
    }

    entry.logfont.lfEscapement = 0;
    EXPECT_EQ(13, FontCharExtent(nullptr, entry, ZebAttrLead, pair, 1, false, nullptr)) << "a pair: the lead byte's width";
    entry.logfont.lfEscapement = 2700;
    int nCross = -1;
    EXPECT_EQ(16, FontCodeExtent(nullptr, entry, 'A', 1, false, &nCross)) << "a mark's code in a turned font";
    EXPECT_EQ(8, nCross);
}

}  // namespace
