// Text at an angle, with character pitch and over a shadow copy: where the
// lines and characters land on a metafile and in which font, and a page
// printed on the CUPS "PDF" printer read back as ink.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "arial_field.h"
#include "canvas.h"
#include "field_fixture.h"
#include "import_patch.h"
#include "metafile_text.h"
#include "npropobjmirror.h"
#include "pdf_printer.h"

namespace {

// The fields carry data and take no input, so no placeholder frame is
// drawn.
typedef ArialField<CNPropObjDocMirror> MirrorField;
typedef ArialField<CNPropObjDocPich> PichField;
typedef ArialField<CNPropObjDocShadow> ShadowField;
typedef ArialField<CNPropObjDoc> PlainField;

const int kPitch = 12;

// The field covers 37 .. 415 pixels both ways. Each angle writes its two
// lines from its corner, each line's characters along the angle, in a font
// at the angle; an angle outside 0 .. 3599 is the same angle within.
TEST(AngledTextTest, LinesAndCharactersRunAlongTheAngle)
{
    const struct
    {
        int angle;
        LONG escapement;
        POINT first;      // the first line's first character
        POINT next;       // the second line's first character
        POINT along;      // the unit step along a line
    } cases[] = {
        {0, 0, {37, 37}, {37, 37 + kPitch}, {1, 0}},
        {900, 900, {37, 415}, {37 + kPitch, 415}, {0, -1}},
        {1800, 1800, {415, 415}, {415, 415 - kPitch}, {-1, 0}},
        {2700, 2700, {415, 37}, {415 - kPitch, 37}, {0, 1}},
        {4500, 900, {37, 415}, {37 + kPitch, 415}, {0, -1}},
        {-900, 2700, {415, 37}, {415 - kPitch, 37}, {0, 1}},
        {-4500, 2700, {415, 37}, {415 - kPitch, 37}, {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        MirrorField field({100, 100, 1100, 1100}, "AB\r\nCD");
        field.m_nMirrorAngle = c.angle;
        const std::vector<MetaText> texts = DrawnTexts(field);
        ASSERT_EQ(4u, texts.size());
        EXPECT_EQ("ABCD", JoinedTexts(texts));
        for (const MetaText& text : texts)
            EXPECT_EQ(c.escapement, text.escapement) << text.text;
        EXPECT_EQ(c.first.x, texts[0].x);
        EXPECT_EQ(c.first.y, texts[0].y);
        EXPECT_EQ(c.next.x, texts[2].x);
        EXPECT_EQ(c.next.y, texts[2].y);
        // B follows A along the line and nowhere else.
        const int nStepX = texts[1].x - texts[0].x;
        const int nStepY = texts[1].y - texts[0].y;
        EXPECT_EQ(c.along.x != 0, nStepX != 0);
        EXPECT_EQ(c.along.y != 0, nStepY != 0);
        EXPECT_GT(nStepX * c.along.x + nStepY * c.along.y, 0);
        EXPECT_EQ(c.angle, field.m_nMirrorAngle);
    }
}

// Right alignment moves a line to the far end of its length.
TEST(AngledTextTest, AlignmentMovesAlongTheAngle)
{
    MirrorField field({100, 100, 1100, 600}, "A");
    field.m_nMirrorAngle = 900;
    const std::vector<MetaText> left = DrawnTexts(field);
    field.SetAlign(2);
    const std::vector<MetaText> right = DrawnTexts(field);
    ASSERT_EQ(1u, left.size());
    ASSERT_EQ(1u, right.size());
    EXPECT_EQ(left[0].x, right[0].x);
    EXPECT_LT(right[0].y, left[0].y - 100);
}

TEST(AngledTextTest, EmptyTextDrawsNothing)
{
    MirrorField field({100, 100, 1100, 1100}, "");
    field.m_nMirrorAngle = 900;
    field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, CNPropObj::INPUT_DATA | 0x01);
    const MetaDrawing drawing = DrawnOnMetafile(field);
    EXPECT_TRUE(drawing.texts.empty());
    // The placeholder frame of an input field only.
    EXPECT_EQ(4u, drawing.lines.size());
    MemoryCanvas canvas(500, 500);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    EXPECT_EQ(0, field.Draw(&dc, 0));
}

TEST(AngledTextTest, LinesThatFitTheCrossExtentAndTheZoomedFont)
{
    // 80 units are 30 pixels: two line pitches of 12, not three.
    MirrorField field({0, 0, 1000, 80}, "A\r\nB\r\nC");
    EXPECT_EQ("AB", JoinedTexts(DrawnTexts(field)));
    field.m_nMirrorAngle = 900;
    field.m_rect = RECT{0, 0, 80, 1000};
    EXPECT_EQ("AB", JoinedTexts(DrawnTexts(field)));

    CTestFormWnd form;
    form.SetPercent(200);
    MirrorField zoomed({0, 0, 1000, 1000}, "A", &form);
    zoomed.m_nMirrorAngle = 1800;
    const std::vector<MetaText> texts = DrawnTexts(zoomed);
    ASSERT_EQ(1u, texts.size());
    EXPECT_EQ(kPitch * 200 / 101, texts[0].height);
    EXPECT_EQ(1800, texts[0].escapement);
}

// The fonts the framework makes while a test draws.
std::vector<LOGFONTA>* g_pMadeFonts = nullptr;
HFONT(WINAPI* g_pCreateFont)(const LOGFONTA*) = nullptr;

HFONT WINAPI RecordFont(const LOGFONTA* pFont)
{
    if (g_pMadeFonts != nullptr)
        g_pMadeFonts->push_back(*pFont);
    return g_pCreateFont(pFont);
}

// A vertical angled field at 200 % measures its lines on the display in a
// font of its own: that font runs at 2700 as the drawing font does.
TEST(AngledTextTest, VerticalTextIsMeasuredInAFontAt2700)
{
    CImportPatch patch(::GetModuleHandleA("Framework.dll"), "gdi32.dll", "CreateFontIndirectA",
                       reinterpret_cast<void*>(&RecordFont));
    ASSERT_TRUE(patch.Patched());
    g_pCreateFont = reinterpret_cast<HFONT(WINAPI*)(const LOGFONTA*)>(patch.Original());
    CTestFormWnd form;
    form.SetPercent(200);
    MirrorField field({0, 0, 1000, 1000}, "AB\r\nCD", &form);
    field.m_text.m_bVertical = TRUE;
    std::vector<LOGFONTA> made;
    g_pMadeFonts = &made;
    const std::vector<MetaText> texts = DrawnTexts(field);
    g_pMadeFonts = nullptr;
    ASSERT_EQ(4u, texts.size());
    const LONG nMeasureHeight = kPitch;  // at 100 %, where the target's is 23
    int nMeasureFonts = 0;
    for (const LOGFONTA& font : made) {
        if (std::labs(font.lfHeight) != nMeasureHeight)
            continue;
        ++nMeasureFonts;
        EXPECT_EQ(2700, font.lfEscapement);
        EXPECT_EQ(2700, font.lfOrientation);
    }
    EXPECT_EQ(1, nMeasureFonts) << "one measuring font of " << made.size() << " made";
    for (const MetaText& text : texts)
        EXPECT_EQ(2700, text.escapement) << text.text;
}

// The underline lies under the characters (toward their foot) at every
// angle: at 900 to the right of the reference points, at 2700 to the left.
TEST(AngledTextTest, UnderlineRunsUnderTheCharacters)
{
    const struct
    {
        int angle;
        int side;   // +1: underline at larger x (or y), -1 smaller
        bool vertical;
    } cases[] = {{0, 1, false}, {900, 1, true}, {1800, -1, false}, {2700, -1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        MirrorField field({100, 100, 1100, 1100}, "ABC");
        LOGFONT lf = *field.GetLogFont();
        lf.lfUnderline = TRUE;
        field.SetLogFont(&lf);
        field.m_nMirrorAngle = c.angle;
        field.SetAlign(4);
        const MetaDrawing drawing = DrawnOnMetafile(field);
        ASSERT_EQ(3u, drawing.texts.size());
        ASSERT_EQ(1u, drawing.lines.size());
        const MetaLine& line = drawing.lines[0];
        const MetaText& first = drawing.texts[0];
        if (c.vertical) {
            EXPECT_EQ(line.from.x, line.to.x);
            EXPECT_GT((line.from.x - first.x) * c.side, 0);
            EXPECT_LE(std::abs(line.from.x - first.x), kPitch);
        } else {
            EXPECT_EQ(line.from.y, line.to.y);
            EXPECT_GT((line.from.y - first.y) * c.side, 0);
            EXPECT_LE(std::abs(line.from.y - first.y), kPitch);
        }
    }
}

TEST(PitchedTextTest, ExtraSpaceIsTenthsOfTheFontHeightsMagnitude)
{
    PichField field({0, 0, 1000, 100}, "ABC");
    MemoryCanvas canvas(10, 10);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    const struct
    {
        LONG points;
        int rate;
        int zoom;
        int extra;
    } cases[] = {
        {9, 0, 100, 0}, {9, 3, 100, 3}, {-9, 3, 100, 3}, {9, 3, 150, 5}, {-9, 3, 150, 5}, {9, -2, 100, 0},
        {1000, 0x7FFFFFFF, 100, 0x7FFFFFFF},
    };
    for (const auto& c : cases) {
        LOGFONT lf = *field.GetLogFont();
        lf.lfHeight = c.points;
        field.SetLogFont(&lf);
        field.SetPichRate(c.rate);
        EXPECT_EQ(c.extra, field.CharacterExtra(&dc, c.zoom)) << c.points << " " << c.rate << " " << c.zoom;
    }
}

TEST(PitchedTextTest, RateZeroDrawsAsTheTextFieldAndTheExtraIsGivenBack)
{
    PichField pitched({0, 0, 1000, 200}, "ABCDEF");
    PlainField plain({0, 0, 1000, 200}, "ABCDEF");
    const std::vector<MetaText> texts = DrawnTexts(pitched);
    const std::vector<MetaText> plainTexts = DrawnTexts(plain);
    ASSERT_EQ(plainTexts.size(), texts.size());
    for (size_t i = 0; i < texts.size(); i++) {
        EXPECT_EQ(plainTexts[i].x, texts[i].x);
        EXPECT_EQ(plainTexts[i].text, texts[i].text);
    }
    pitched.SetPichRate(3);
    MemoryCanvas canvas(500, 100);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    dc.SetTextCharacterExtra(1);
    pitched.Draw(&dc, 0);
    EXPECT_EQ(1, dc.GetTextCharacterExtra());
}

// Offsets and origin 0, 0: the copy lies on the text.
TEST(ShadowTextTest, CopyFirstThenTheText)
{
    ShadowField field({100, 100, 1100, 300}, "AB");
    std::vector<MetaText> texts = DrawnTexts(field);
    ASSERT_EQ(4u, texts.size());
    EXPECT_EQ(texts[0].x, texts[2].x);
    EXPECT_EQ(texts[0].y, texts[2].y);
    MemoryCanvas canvas(10, 10);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    RECT whole, first, second;
    field.m_sizeShadow1 = CSize(100, 50);
    field.m_ptOrigin = CPoint(0, 0);
    texts = DrawnTexts(field);
    ASSERT_EQ(4u, texts.size());
    EXPECT_EQ(75, texts[0].x);
    EXPECT_EQ(56, texts[0].y);
    EXPECT_EQ(37, texts[2].x);
    EXPECT_EQ(37, texts[2].y);
    field.Draw(&dc, 0);
    field.GetDrawRects(&dc, &whole, &first, &second);
    EXPECT_EQ(CRect(37, 37, 415, 113), CRect(whole));
    EXPECT_EQ(CRect(75, 56, 453, 132), CRect(second));
}

// From a quarter turn on the copy is an angled field at the field's angle.
TEST(ShadowTextTest, CopiesFromAQuarterTurnAreAngled)
{
    for (int angle : {0, 900, 1800, 2700, -900}) {
        ShadowField field({100, 100, 1100, 300}, "A");
        field.m_nAngle = angle;
        const std::vector<MetaText> texts = DrawnTexts(field);
        ASSERT_EQ(2u, texts.size()) << angle;
        const LONG expected = angle == 0 ? 0 : angle < 0 ? angle + 3600 : angle;
        EXPECT_EQ(expected, texts[0].escapement) << angle;
        EXPECT_EQ(0, texts[1].escapement) << angle;

        PlainField text({100, 100, 1100, 300}, "A");
        text.m_nAngle = angle;
        text.SetShadow(CNPropObjDoc::SHADOW_ONE);
        const std::vector<MetaText> textTexts = DrawnTexts(text);
        ASSERT_EQ(2u, textTexts.size()) << angle;
        EXPECT_EQ(expected, textTexts[0].escapement) << angle;
    }
}

TEST(AngledTextTest, CloneKeepsTheClassAndAngle)
{
    MirrorField mirror({0, 0, 100, 100}, "x");
    mirror.m_nMirrorAngle = 450;
    std::unique_ptr<CNPropObj> pClone(mirror.Clone(5, 6));
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjDocMirror)));
    EXPECT_EQ(450, static_cast<CNPropObjDocMirror*>(pClone.get())->m_nMirrorAngle);
    EXPECT_EQ(CSize(5, 6), static_cast<CNPropObjDocMirror*>(pClone.get())->m_sizeClone);

    PichField pich({0, 0, 100, 100}, "x");
    pich.SetPichRate(2);
    pClone.reset(pich.Clone(0, 0));
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjDocPich)));
    EXPECT_EQ(2, pClone->GetPichRate());

    ShadowField shadow({0, 0, 100, 100}, "x");
    shadow.m_sizeShadow1 = CSize(3, 4);
    shadow.m_nAngle = 900;
    pClone.reset(shadow.Clone(0, 0));
    ASSERT_TRUE(pClone->IsKindOf(RUNTIME_CLASS(CNPropObjDocShadow)));
    EXPECT_EQ(CSize(3, 4), static_cast<CNPropObjDocShadow*>(pClone.get())->m_sizeShadow1);
    EXPECT_EQ(900, static_cast<CNPropObjDocShadow*>(pClone.get())->m_nAngle);
}

// The darkest column of a band of rows, as the first and last columns with
// ink.
struct InkSpan
{
    int first = -1;
    int last = -1;
};

InkSpan InkIn(const GrayImage& image, int top, int bottom)
{
    InkSpan span;
    for (int x = 0; x < image.width; ++x) {
        for (int y = top; y < bottom && y < image.height; ++y) {
            if (image.at(x, y) < 128) {
                if (span.first < 0)
                    span.first = x;
                span.last = x;
                break;
            }
        }
    }
    return span;
}

// On paper: a pitched line is wider than the same line plain, and a
// shadowed line prints its copy 5 mm to the right and below.
TEST(AngledTextPrintTest, PitchedAndShadowedLinesOnPaper)
{
    CTestFormWnd form;
    form.SetPrintPaper(1);
    PlainField plain({200, 200, 2000, 300}, "PITCH", &form);
    PichField pitched({200, 400, 2000, 500}, "PITCH", &form);
    pitched.SetPichRate(3);
    ShadowField shadow({200, 600, 2000, 700}, "I", &form);
    shadow.m_sizeShadow1 = CSize(50, 50);
    for (CNPropObjDoc* pField : {static_cast<CNPropObjDoc*>(&plain), static_cast<CNPropObjDoc*>(&pitched),
             static_cast<CNPropObjDoc*>(&shadow)}) {
        LOGFONT lf = *pField->GetLogFont();
        lf.lfHeight = 12;
        std::strcpy(lf.lfFaceName, "DejaVu Sans");
        pField->SetLogFont(&lf);
    }

    PdfPrintJob job("angledtext");
    ASSERT_TRUE(job.started());
    {
        CBorrowedDC dc(job.dc(), job.dc(), TRUE);
        for (CNPropObjDoc* pField : {static_cast<CNPropObjDoc*>(&plain), static_cast<CNPropObjDoc*>(&pitched),
                 static_cast<CNPropObjDoc*>(&shadow)})
            pField->Draw(&dc, 0);
    }
    const std::string pdf = job.finish();
    ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";
    const int kDpi = 150;
    const GrayImage image = RasterizePdf(pdf, kDpi);
    ::DeleteFileA(pdf.c_str());
    ASSERT_GT(image.width, 0);
    const double dPixelsPerMm = kDpi / 25.4;
    auto band = [&](double top, double bottom) {
        return InkIn(image, static_cast<int>(top * dPixelsPerMm), static_cast<int>(bottom * dPixelsPerMm));
    };
    const InkSpan plainInk = band(20, 30);
    const InkSpan pitchedInk = band(40, 50);
    ASSERT_GE(plainInk.first, 0);
    ASSERT_GE(pitchedInk.first, 0);
    EXPECT_NEAR(20.0, plainInk.first / dPixelsPerMm, 1.0);
    EXPECT_NEAR(plainInk.first, pitchedInk.first, 2);
    // Four gaps of about 3/10 of a 12-point height (1.3 mm; the row is
    // spread over its width measured on the display) more.
    EXPECT_NEAR(4.5, (pitchedInk.last - plainInk.last) / dPixelsPerMm, 1.0);

    // The text's "I" near 20 mm, the copy's near 25 mm, in the band of the
    // text and in the band 5 mm lower.
    const InkSpan text = band(60, 64);
    const InkSpan copy = band(66, 74);
    ASSERT_GE(text.first, 0);
    ASSERT_GE(copy.first, 0);
    EXPECT_NEAR(20.0, text.first / dPixelsPerMm, 1.0);
    EXPECT_NEAR(25.0, copy.last / dPixelsPerMm, 1.5);
}

}  // namespace
