// List printing definitions: the stored definition, its file, and pages
// printed on a recording context (positions of every text output) over a
// memory canvas (pixels of rules and bitmaps).
#include <gtest/gtest.h>

#include <afxseam.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "canvas.h"
#include "cp932.h"
#include "defaultprtdef.h"
#include "field_fixture.h"
#include "mirtenv.h"
#include "nmirtdoc.h"
#include "pdf_printer.h"
#include "propdata.h"
#include "test_paths.h"

namespace {

std::string Dword(DWORD value)
{
    return Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
        static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
}

// A point font of "ＭＳ ゴシック" (fixed pitch), height in tenths of a point.
LOGFONT Gothic(int nTenths)
{
    LOGFONT font = {};
    font.lfHeight = nTenths;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(font.lfFaceName, "ＭＳ ゴシック");
    return font;
}

const std::string kGothicFace = Bytes({0x82, 0x6C, 0x82, 0x72, 0x20, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E});

std::string GothicBytes(int nTenths)
{
    return Dword(nTenths) + std::string(16, '\0') + Bytes({0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0}) + kGothicFace +
           std::string(32 - kGothicFace.size(), '\0');
}

CLineDef* AddItem(CDefaultPrtDef& def, CObList& list, int nKind, const char* pszText = "",
    int nAlign = CLineDef::ALIGN_FLOW)
{
    CLineDef* pItem = new CLineDef;
    pItem->m_nKind = nKind;
    pItem->m_strText = pszText;
    pItem->m_nAlign = nAlign;
    pItem->m_pOwner = &def;
    list.AddTail(pItem);
    return pItem;
}

// ---------------------------------------------------------------------------
// The stored definition and its file.

// First value 7, Gothic 10 pt, stored value 0x99, margins top 10, left 20,
// right 30, bottom 40; a page number in the header, "本文" in the body.
void FillDefinition(CDefaultPrtDef& def)
{
    def.m_dwFirst = 7;
    def.m_logFont = Gothic(100);
    def.m_dwStored = 0x99;
    def.m_nMarginTop = 10;
    def.m_nMarginLeft = 20;
    def.m_nMarginRight = 30;
    def.m_nMarginBottom = 40;
    AddItem(def, def.m_listHeader, CLineDef::KIND_PAGE);
    AddItem(def, def.m_listBody, CLineDef::KIND_TEXT, "本文");
}

std::string ItemBytes(DWORD dwKind, const std::string& text)
{
    return Dword(1) + std::string(60, '\0') + Dword(2) + Dword(0) + Dword(0) + Dword(dwKind) + Dword(0) +
           text + Bytes({0}) + Dword(0) + Dword(0) + Bytes({0});
}

const std::string kDefinitionHead =
    Dword(7) + GothicBytes(100) + Dword(0x99) + Dword(10) + Dword(20) + Dword(30) + Dword(40);

const std::string kDefinition =
    kDefinitionHead +
    Bytes({0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00}) + "CLineDef" + ItemBytes(4, Bytes({0})) +
    Bytes({0x01, 0x00, 0x01, 0x80}) + ItemBytes(5, Bytes({0x04, 0x96, 0x7B, 0x95, 0xB6}));

TEST(DefaultPrtDefRecordTest, OneHeaderAndOneBodyItem)
{
    CDefaultPrtDef def;
    FillDefinition(def);
    CDefaultPrtDef loaded;
    ExpectRoundTrip(def, loaded, kDefinition);
    EXPECT_EQ(7u, loaded.m_dwFirst);
    EXPECT_EQ(40u, loaded.m_nMarginBottom);
    EXPECT_STREQ("ＭＳ ゴシック", loaded.m_logFont.lfFaceName);
    ASSERT_EQ(1, loaded.m_listHeader.GetCount());
    ASSERT_EQ(1, loaded.m_listBody.GetCount());
    const CLineDef* pHeader = static_cast<CLineDef*>(loaded.m_listHeader.GetHead());
    const CLineDef* pBody = static_cast<CLineDef*>(loaded.m_listBody.GetHead());
    EXPECT_EQ(CLineDef::KIND_PAGE, pHeader->m_nKind);
    EXPECT_STREQ("本文", pBody->m_strText);
    EXPECT_EQ(&loaded, pHeader->m_pOwner);
    EXPECT_EQ(&loaded, pBody->m_pOwner);
    EXPECT_EQ(nullptr, loaded.GetNextLineDef(pHeader));
    EXPECT_EQ(nullptr, loaded.GetNextLineDef(pBody));
}

TEST(DefaultPrtDefRecordTest, BadDefinitionsThrow)
{
    CObList foreign;
    foreign.AddTail(new CTestGroup);
    const std::string foreignList = Store(foreign);
    delete foreign.RemoveHead();
    struct Case
    {
        std::string bytes;
        int nCause;
    };
    const Case cases[] = {
        {kDefinition.substr(0, 2), CArchiveException::endOfFile},
        {kDefinition.substr(0, 50), CArchiveException::endOfFile},    // in the face name
        {kDefinitionHead, CArchiveException::endOfFile},              // no lists
        {kDefinition.substr(0, kDefinitionHead.size() + 30), CArchiveException::endOfFile},
        {kDefinition.substr(0, kDefinition.size() - 1), CArchiveException::endOfFile},
        {kDefinitionHead + foreignList + Bytes({0, 0}), CArchiveException::badClass},
        {kDefinitionHead + Bytes({0, 0, 0x01, 0x00, 0x00, 0x00}), CArchiveException::badClass},   // a null item
    };
    for (const Case& c : cases) {
        CDefaultPrtDef def;
        EXPECT_EQ(c.nCause, LoadFailure(def, c.bytes)) << c.bytes.size();
        EXPECT_TRUE(def.m_listBody.IsEmpty());
    }
}

// An install root whose "\DATA\FMT\" holds the given files.
class DefinitionFiles
{
public:
    DefinitionFiles() : m_root(FreshTestFolder())
    {
        for (const char* pszFolder : {"\\DATA", "\\DATA\\FMT", "\\DATA\\Defbmp"})
            ::CreateDirectoryA((m_root + pszFolder).c_str(), nullptr);
        CMirtEnv::SetRootOverride(m_root.c_str());
    }
    ~DefinitionFiles() { CMirtEnv::SetRootOverride(nullptr); }

    void Write(const std::string& tail, const std::string& bytes) const
    {
        std::ofstream out(m_root + tail, std::ios::binary);
        out << bytes;
    }
    const std::string& root() const { return m_root; }

private:
    std::string m_root;
};

TEST(DefaultPrtDefFileTest, ReadsTheFileOfTheLayoutAndKind)
{
    DefinitionFiles files;
    files.Write("\\DATA\\FMT\\ON12.DPD", kDefinition);
    std::string bbs = kDefinition;
    bbs[0] = 8;
    files.Write("\\DATA\\FMT\\ON12.DPB", bbs);

    CDefaultPrtDef def;
    ASSERT_TRUE(def.ReadDefFile(12, CDefaultPrtDef::DEF_KIND_LIST));
    EXPECT_EQ(7u, def.m_dwFirst);
    EXPECT_EQ(kDefinition, Store(def));
    ASSERT_TRUE(def.ReadDefFile(12, CDefaultPrtDef::DEF_KIND_BBS));
    EXPECT_EQ(8u, def.m_dwFirst);
    EXPECT_EQ(1, def.m_listBody.GetCount());   // replaced, not added to

    // Files that do not open leave the definition as it is.
    EXPECT_FALSE(def.ReadDefFile(13, CDefaultPrtDef::DEF_KIND_LIST));
    EXPECT_FALSE(def.ReadDefFile(12, 2));
    EXPECT_EQ(8u, def.m_dwFirst);
    EXPECT_EQ(1, def.m_listHeader.GetCount());
}

TEST(DefaultPrtDefFileTest, BrokenFileLeavesTheDefinitionEmpty)
{
    DefinitionFiles files;
    files.Write("\\DATA\\FMT\\ON14.DPD", kDefinition.substr(0, kDefinition.size() - 3));
    CDefaultPrtDef def;
    FillDefinition(def);
    EXPECT_FALSE(def.ReadDefFile(14, CDefaultPrtDef::DEF_KIND_LIST));
    EXPECT_EQ(1u, def.m_dwFirst);
    EXPECT_EQ(0u, def.m_nMarginTop);
    EXPECT_EQ(0, def.m_logFont.lfHeight);
    EXPECT_TRUE(def.m_listHeader.IsEmpty());
    EXPECT_TRUE(def.m_listBody.IsEmpty());
}

// ---------------------------------------------------------------------------
// Printing.

struct TextCall
{
    int x;
    int y;
    std::string text;
};

// A printing context over a device context of the test's that records
// every text output; over CPreviewDC, with the attributes of another
// context, a print preview.
template <class Base>
class TRecordingDC : public Base
{
public:
    explicit TRecordingDC(HDC hDC, HDC hAttrib = nullptr)
    {
        this->CDC::SetOutputDC(hDC);
        this->SetAttribDC(hAttrib != nullptr ? hAttrib : hDC);
        this->m_bPrinting = TRUE;
    }
    ~TRecordingDC() override
    {
        this->CDC::ReleaseOutputDC();
        this->ReleaseAttribDC();
    }
    using CDC::TextOut;
    BOOL TextOut(int x, int y, LPCSTR psz, int nCount) override
    {
        m_calls.push_back({x, y, std::string(psz, nCount)});
        return CDC::TextOut(x, y, psz, nCount);
    }
    // The output of `text`; fails the test when there is none.
    TextCall Find(const std::string& text) const
    {
        for (const TextCall& call : m_calls)
            if (call.text == text)
                return call;
        ADD_FAILURE() << "no output of " << text;
        return {-1, -1, text};
    }
    int Width(const LOGFONT& font, const char* psz)
    {
        const CPrtFontSelection selection(this, font);
        return this->GetTextExtent(psz, static_cast<int>(std::strlen(psz))).cx;
    }

    std::vector<TextCall> m_calls;
};
typedef TRecordingDC<CDC> CRecordingDC;

SIZE DisplayPage()
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    const SIZE size = {::GetDeviceCaps(hDC, HORZRES), ::GetDeviceCaps(hDC, VERTRES)};
    ::DeleteDC(hDC);
    return size;
}

// A page as large as the display's device area (a memory context's
// HORZRES and VERTRES), white, printed through a recording context.
class PrintedPage
{
public:
    PrintedPage() : m_canvas(DisplayPage().cx, DisplayPage().cy), m_dc(m_canvas.dc()) {}

    CRecordingDC* dc() { return &m_dc; }
    const MemoryCanvas& canvas() const { return m_canvas; }
    int width() const { return m_canvas.width(); }
    int height() const { return m_canvas.height(); }

private:
    MemoryCanvas m_canvas;
    CRecordingDC m_dc;
};

// A definition on Gothic 10 pt without margins.
class PrintTest : public ::testing::Test
{
protected:
    PrintTest() { m_def.m_logFont = Gothic(100); }

    CLineDef* Header(int nKind, const char* pszText = "", int nAlign = CLineDef::ALIGN_FLOW)
    {
        return AddItem(m_def, m_def.m_listHeader, nKind, pszText, nAlign);
    }
    CLineDef* Body(int nKind, const char* pszText = "", int nAlign = CLineDef::ALIGN_FLOW)
    {
        return AddItem(m_def, m_def.m_listBody, nKind, pszText, nAlign);
    }
    // Header and body of page nPage; the body's answer.
    int Print(PrintedPage& page, UINT nPage)
    {
        EXPECT_EQ(1, m_def.BeginPage(page.dc(), nPage));
        UINT nNext = 0;
        const int nMore = m_def.PrintBody(page.dc(), nPage, nNext);
        EXPECT_EQ(nPage, nNext);
        return nMore;
    }
    int LineHeight() const { return m_def.m_nLineHeight; }

    CDefaultPrtDef m_def;
};

std::string Lines(int nFirst, int nCount)
{
    std::string text;
    for (int n = nFirst; n < nFirst + nCount; n++)
        text += (n > nFirst ? "\n" : "") + ("L" + std::to_string(n));
    return text;
}

TEST_F(PrintTest, PageNumberOnEveryPageHeaderItemsKeepTheirPlaces)
{
    CLineDef* pTitle = Header(CLineDef::KIND_TEXT, "TITLE");
    pTitle->m_logFont.lfHeight = 240;   // the definition's face, taller
    Header(CLineDef::KIND_ROW_BREAK);
    Header(CLineDef::KIND_PAGE);
    Header(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_TEXT, Lines(0, 150).c_str());

    int nTitleHeight = 0;
    int nMore = 1;
    UINT nPage = 0;
    while (nMore && nPage < 10) {
        PrintedPage page;
        nMore = Print(page, ++nPage);
        const std::string label = "page " + std::to_string(nPage);
        const TextCall title = page.dc()->Find("TITLE");
        EXPECT_EQ(0, title.x) << label;
        EXPECT_EQ(0, title.y) << label;
        if (nPage == 1) {
            const CPrtFontSelection tall(page.dc(), pTitle->GetEffectiveFont());
            nTitleHeight = page.dc()->GetTextExtent("TITLE", 5).cy;
            EXPECT_GT(nTitleHeight, LineHeight());
        }
        const TextCall number = page.dc()->Find("PAGE:" + std::to_string(nPage));
        EXPECT_EQ(0, number.x) << label;
        EXPECT_EQ(nTitleHeight, number.y) << label;
    }
    EXPECT_EQ(0, nMore);
    EXPECT_GE(nPage, 2u);
}

TEST_F(PrintTest, LongBodyTextGoesOnAtTheTopOfTheNextPage)
{
    Header(CLineDef::KIND_TEXT, "HEAD");
    Header(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_TEXT, Lines(0, 200).c_str());
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_TEXT, "END");

    int nExpected = 0;
    int nMore = 1;
    UINT nPage = 0;
    while (nMore && nPage < 20) {
        PrintedPage page;
        nMore = Print(page, ++nPage);
        const std::vector<TextCall>& calls = page.dc()->m_calls;
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ("HEAD", calls[0].text);
        // The body starts below the header on every page, one row per line.
        for (size_t i = 1; i < calls.size(); i++) {
            const std::string label = "page " + std::to_string(nPage) + " " + calls[i].text;
            EXPECT_EQ(0, calls[i].x) << label;
            EXPECT_EQ(static_cast<int>(i) * LineHeight(), calls[i].y) << label;
            EXPECT_LE(calls[i].y + LineHeight(), page.height()) << label;
            EXPECT_EQ(nExpected < 200 ? "L" + std::to_string(nExpected) : "END", calls[i].text);
            nExpected++;
        }
        // A full page: no room for another line.
        if (nMore) {
            EXPECT_GT(calls.back().y + 2 * LineHeight(), page.height());
        }
    }
    EXPECT_EQ(0, nMore);
    EXPECT_EQ(201, nExpected);
    EXPECT_GE(nPage, 2u);
    EXPECT_EQ(0u, m_def.GetStopPage());
}

TEST_F(PrintTest, WideLineWrapsAtCharacterBoundaries)
{
    // An odd start, so that a cut by bytes would land inside characters.
    std::string text = "A";
    for (int n = 0; n < 150; n++)
        text += "表あ";
    text += "\nnext";
    CLineDef* pItem = Body(CLineDef::KIND_TEXT, text.c_str());
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));

    const std::vector<TextCall>& calls = page.dc()->m_calls;
    ASSERT_GE(calls.size(), 3u);
    std::string joined;
    for (size_t i = 0; i + 1 < calls.size(); i++) {
        const TextCall& call = calls[i];
        joined += call.text;
        EXPECT_EQ(0, call.x);
        EXPECT_EQ(static_cast<int>(i) * LineHeight(), call.y);
        EXPECT_LE(page.dc()->Width(m_def.m_logFont, call.text.c_str()), page.width()) << i;
        // Each piece is whole characters: walking it by lead bytes ends at its end.
        size_t at = 0;
        while (at < call.text.size())
            at += cp932::IsLeadByte(static_cast<unsigned char>(call.text[at])) ? 2 : 1;
        EXPECT_EQ(call.text.size(), at) << i;
    }
    EXPECT_EQ(text.substr(0, text.size() - 5), joined);
    EXPECT_EQ("next", calls.back().text);
    // The item's lines are the pieces now.
    EXPECT_EQ(static_cast<int>(calls.size()), pItem->m_listLines.GetCount());
}

TEST_F(PrintTest, RightAlignedRunEndsFlushAtTheRightLimit)
{
    const char* const run[] = {"ABC", "あいう", "D"};
    std::vector<CLineDef*> items;
    for (const char* pszText : run) {
        items.push_back(Body(CLineDef::KIND_TEXT, pszText, CLineDef::ALIGN_RIGHT));
        items.back()->m_nRightLimit = 1000;
    }
    Body(CLineDef::KIND_TEXT, "Z", CLineDef::ALIGN_RIGHT);   // another right limit: a run of its own
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));

    CRecordingDC& dc = *page.dc();
    int x = dc.Find("ABC").x;
    for (const char* pszText : run) {
        const TextCall call = dc.Find(pszText);
        EXPECT_EQ(x, call.x) << pszText;
        EXPECT_EQ(0, call.y) << pszText;
        x += dc.Width(m_def.m_logFont, pszText);
    }
    // The right limit, 100 mm at the canvas's 96 pixels per inch.
    EXPECT_EQ(378, x);
    EXPECT_EQ(page.width(), dc.Find("Z").x + dc.Width(m_def.m_logFont, "Z"));
    EXPECT_EQ(CLineDef::ALIGN_RIGHT, items[0]->m_nAlign);
    EXPECT_EQ(CLineDef::ALIGN_FLOW, items[1]->m_nAlign);
    EXPECT_EQ(CLineDef::ALIGN_FLOW, items[2]->m_nAlign);
}

TEST_F(PrintTest, CentredItems)
{
    Body(CLineDef::KIND_TEXT, "中央", CLineDef::ALIGN_CENTRE);
    Body(CLineDef::KIND_ROW_BREAK);
    CLineDef* pBetween = Body(CLineDef::KIND_TEXT, "間", CLineDef::ALIGN_CENTRE);
    pBetween->m_nX = 500;
    pBetween->m_nRightLimit = 1500;
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));

    CRecordingDC& dc = *page.dc();
    const int nWidth = dc.Width(m_def.m_logFont, "中央");
    EXPECT_EQ((page.width() - nWidth) / 2, dc.Find("中央").x);
    // 50 mm and 150 mm at the canvas's 96 pixels per inch.
    const int nLeft = 189;
    const int nRight = 567;
    const TextCall between = dc.Find("間");
    EXPECT_EQ(nLeft + (nRight - dc.Width(m_def.m_logFont, "間") - nLeft) / 2, between.x);
    EXPECT_EQ(LineHeight(), between.y);
}

// A preview measures the items it has not placed yet 2 points larger: a
// centred text sits half of that extra width further left.
TEST_F(PrintTest, PreviewMeasuresUnplacedItemsLarger)
{
    Body(CLineDef::KIND_TEXT, "中央", CLineDef::ALIGN_CENTRE);
    const SIZE size = DisplayPage();
    MemoryCanvas output(size.cx, size.cy);
    MemoryCanvas attributes(size.cx, size.cy);
    TRecordingDC<CPreviewDC> preview(output.dc(), attributes.dc());
    UINT nNext = 0;
    ASSERT_EQ(1, m_def.BeginPage(&preview, 1));
    EXPECT_EQ(0, m_def.PrintBody(&preview, 1, nNext));

    const int nLarger = preview.Width(Gothic(120), "中央");
    ASSERT_GT(nLarger, preview.Width(m_def.m_logFont, "中央"));
    EXPECT_EQ((size.cx - nLarger) / 2, preview.Find("中央").x);
}

TEST_F(PrintTest, RuleRunsFromTheCurrentPositionToTheRightEdge)
{
    Body(CLineDef::KIND_TEXT, "A");
    Body(CLineDef::KIND_RULE);
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_TEXT, "B");
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));

    const int nAfterA = page.dc()->Width(m_def.m_logFont, "A");
    const int y = LineHeight() / 2;
    const MemoryCanvas& canvas = page.canvas();
    EXPECT_EQ(page.width() - nAfterA - 2, canvas.countInked({nAfterA + 1, y, page.width() - 1, y + 1}));
    EXPECT_EQ(0, canvas.countInked({nAfterA + 1, y + 2, page.width(), LineHeight()}));
    EXPECT_EQ(LineHeight(), page.dc()->Find("B").y);
}

TEST_F(PrintTest, RowBreaksAdvanceByTheTallestItemOfTheRow)
{
    CLineDef* pTall = Body(CLineDef::KIND_TEXT, "A");
    pTall->m_logFont.lfHeight = 240;
    Body(CLineDef::KIND_TEXT, "a");
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_TEXT, "B");
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_TEXT, "C\n\nD");
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));

    CRecordingDC& dc = *page.dc();
    int nTall = 0;
    {
        const CPrtFontSelection font(&dc, pTall->GetEffectiveFont());
        nTall = dc.GetTextExtent("A", 1).cy;
    }
    ASSERT_GT(nTall, LineHeight());
    EXPECT_EQ(dc.Width(pTall->GetEffectiveFont(), "A"), dc.Find("a").x);
    EXPECT_EQ(0, dc.Find("a").y);
    EXPECT_EQ(nTall, dc.Find("B").y);
    EXPECT_EQ(nTall + 2 * LineHeight(), dc.Find("C").y);
    // An empty line inside a text is a row break of its own.
    EXPECT_EQ(0, dc.Find("D").x);
    EXPECT_EQ(nTall + 4 * LineHeight(), dc.Find("D").y);
}

// A 24-bit BMP file of one colour.
std::string SolidBmp(int nWidth, int nHeight, COLORREF colour)
{
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + nStride * nHeight;
    ih.biSize = sizeof ih;
    ih.biWidth = nWidth;
    ih.biHeight = nHeight;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&ih), sizeof ih);
    std::string row(nStride, '\0');
    for (int x = 0; x < nWidth; x++) {
        row[x * 3] = static_cast<char>(GetBValue(colour));
        row[x * 3 + 1] = static_cast<char>(GetGValue(colour));
        row[x * 3 + 2] = static_cast<char>(GetRValue(colour));
    }
    for (int y = 0; y < nHeight; y++)
        bytes += row;
    return bytes;
}

TEST_F(PrintTest, BitmapsFromTheDefaultFolderOrAPath)
{
    DefinitionFiles files;
    files.Write("\\DATA\\Defbmp\\red.bmp", SolidBmp(8, 6, RGB(255, 0, 0)));
    files.Write("\\blue.bmp", SolidBmp(8, 6, RGB(0, 0, 255)));
    Body(CLineDef::KIND_TEXT, "A");
    Body(CLineDef::KIND_BITMAP, "red.bmp");
    Body(CLineDef::KIND_TEXT, "B");
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_BITMAP, (files.root() + "\\blue.bmp").c_str());
    Body(CLineDef::KIND_BITMAP, "missing.bmp");
    // A JPEG picture without its converter: no bitmap and no file left.
    files.Write("\\DATA\\Defbmp\\photo.jpg", Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0}));
    const CLineDef* pJpeg = Body(CLineDef::KIND_BITMAP, "photo.jpg");
    Body(CLineDef::KIND_TEXT, "C");
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));

    CRecordingDC& dc = *page.dc();
    const int nAfterA = dc.Width(m_def.m_logFont, "A");
    EXPECT_EQ(RGB(255, 0, 0), page.canvas().pixel(nAfterA + 4, 3));
    EXPECT_EQ(nAfterA + 8, dc.Find("B").x);
    const TextCall c = dc.Find("C");
    EXPECT_EQ(RGB(0, 0, 255), page.canvas().pixel(4, c.y + 3));
    EXPECT_EQ(8, c.x);   // after the blue one; the missing ones take no room
    EXPECT_EQ(nullptr, pJpeg->m_pDib);
    EXPECT_TRUE(pJpeg->m_strTempFile.IsEmpty());
}

TEST_F(PrintTest, ItemTallerThanAPageIsLeftOut)
{
    DefinitionFiles files;
    PrintedPage page;
    files.Write("\\tall.bmp", SolidBmp(4, page.height() + 10, RGB(0, 0, 0)));
    Body(CLineDef::KIND_BITMAP, (files.root() + "\\tall.bmp").c_str());
    Body(CLineDef::KIND_TEXT, "after");
    EXPECT_EQ(0, Print(page, 1));
    EXPECT_EQ(0, page.dc()->Find("after").y);
}

TEST_F(PrintTest, TodayInTheUsersShortDateFormat)
{
    SYSTEMTIME day = {};
    day.wYear = 2026;
    day.wMonth = 3;
    day.wDay = 4;
    AfxSetFixedLocalTime(&day);
    Body(CLineDef::KIND_DATE);
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));
    AfxSetFixedLocalTime(nullptr);

    char szExpected[80];
    ASSERT_GT(::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, szExpected, sizeof szExpected), 0);
    ASSERT_EQ(1u, page.dc()->m_calls.size());
    EXPECT_EQ(szExpected, page.dc()->m_calls[0].text);
    EXPECT_NE(std::string::npos, page.dc()->m_calls[0].text.find("2026"));
}

TEST_F(PrintTest, WithoutDocumentFieldItemsPrintNothing)
{
    Body(CLineDef::KIND_FIELD_DATA)->m_nOrder = 1;
    Body(CLineDef::KIND_FIELD_NAME)->m_nOrder = 1;
    Body(CLineDef::KIND_FIELD_PICTURE)->m_nOrder = 1;
    Body(CLineDef::KIND_STRING);
    Body(CLineDef::KIND_TEXT, "after");
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));
    ASSERT_EQ(1u, page.dc()->m_calls.size());
    EXPECT_EQ(0, page.dc()->m_calls[0].x);
    EXPECT_EQ(0, page.dc()->m_calls[0].y);
}

TEST_F(PrintTest, NothingWithoutAContext)
{
    Body(CLineDef::KIND_TEXT, "A");
    UINT nNext = 5;
    EXPECT_EQ(0, m_def.BeginPage(nullptr, 1));
    EXPECT_EQ(0, m_def.PrintBody(nullptr, 1, nNext));
    EXPECT_EQ(1u, nNext);
}

TEST_F(PrintTest, HeaderThatDoesNotFitStopsThePage)
{
    m_def.m_nMarginBottom = 100000;   // no printable height at all
    Header(CLineDef::KIND_TEXT, "HEAD");
    PrintedPage page;
    EXPECT_EQ(0, m_def.BeginPage(page.dc(), 3));
    EXPECT_EQ(3u, m_def.GetStopPage());
    EXPECT_TRUE(page.dc()->m_calls.empty());
}

TEST_F(PrintTest, FieldValuesNamesPicturesAndStringsOfTheDocument)
{
    DefinitionFiles files;
    files.Write("\\green.bmp", SolidBmp(8, 6, RGB(0, 255, 0)));
    CPropData face;
    CTestGroup* pValue = new CTestGroup(MakeBlock(3, {0, 0, 100, 100}));
    pValue->m_strData = "値あ";
    pValue->m_strName = "氏名";
    face.AddPropObj(pValue);
    CTestGroup* pPicture = new CTestGroup(MakeBlock(4, {0, 0, 100, 100}));
    pPicture->m_strData = (files.root() + "\\green.bmp").c_str();
    face.AddPropObj(pPicture);
    CObList faces;
    faces.AddTail(&face);
    CNMirtDoc doc;
    doc.SetList(&faces);
    CStringList strings;
    strings.AddTail("s0");
    strings.AddTail("s1");
    doc.SetDefPrtString(&strings);
    m_def.SetDocument(&doc);

    Body(CLineDef::KIND_FIELD_DATA)->m_nOrder = 3;
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_FIELD_NAME)->m_nOrder = 3;
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_STRING)->m_nStringIndex = 1;
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_FIELD_PICTURE)->m_nOrder = 4;
    Body(CLineDef::KIND_ROW_BREAK);
    Body(CLineDef::KIND_FIELD_DATA)->m_nOrder = 99;   // no such field
    Body(CLineDef::KIND_STRING)->m_nStringIndex = 2;  // no such string
    Body(CLineDef::KIND_TEXT, "after");
    PrintedPage page;
    EXPECT_EQ(0, Print(page, 1));

    const std::vector<TextCall>& calls = page.dc()->m_calls;
    ASSERT_EQ(4u, calls.size());
    const char* const expected[] = {"値あ", "氏名", "s1", "after"};
    const int rows[] = {0, 1, 2, 4};
    for (size_t i = 0; i < calls.size(); i++) {
        EXPECT_EQ(expected[i], calls[i].text);
        EXPECT_EQ(0, calls[i].x) << expected[i];
        EXPECT_EQ(rows[i] * LineHeight(), calls[i].y) << expected[i];
    }
    EXPECT_EQ(RGB(0, 255, 0), page.canvas().pixel(4, 3 * LineHeight() + 3));
}

// The page document reads the definition of its layout and prints through
// it; without the file it has no list printing.
TEST(DocumentListPrintTest, PrintDefThroughTheLayoutsFile)
{
    DefinitionFiles files;
    CNMirtDoc doc;
    tagNMIRTDOC record;
    record.head.nLayoutID = 21;
    doc.SetMIRTDOC(&record, 1);
    PrintedPage page;
    UINT nNext = 0;
    doc.StartDefPrt();
    EXPECT_EQ(0, doc.PrintDef(page.dc(), 5, nNext));
    EXPECT_TRUE(page.dc()->m_calls.empty());

    files.Write("\\DATA\\FMT\\ON21.DPD", kDefinition);
    doc.StartDefPrt();
    EXPECT_EQ(0, doc.PrintDef(page.dc(), 5, nNext));
    ASSERT_EQ(2u, page.dc()->m_calls.size());
    EXPECT_EQ("PAGE:1", page.dc()->m_calls[0].text);
    EXPECT_EQ("本文", page.dc()->m_calls[1].text);
    EXPECT_EQ(page.dc()->m_calls[0].y, page.dc()->m_calls[1].y);
    doc.EndDefPrt();
}

// Both pages of a two-page list on the "PDF" printer: the page number at
// the one-inch margins, body lines filling the first page and the top of
// the second.
TEST(ListPrintPdfTest, TwoPagesHaveInkWhereExpected)
{
    CDefaultPrtDef def;
    def.m_logFont = Gothic(240);
    def.m_nMarginTop = def.m_nMarginLeft = def.m_nMarginRight = def.m_nMarginBottom = 254;
    AddItem(def, def.m_listHeader, CLineDef::KIND_PAGE);
    AddItem(def, def.m_listHeader, CLineDef::KIND_ROW_BREAK);
    CLineDef* pBody = AddItem(def, def.m_listBody, CLineDef::KIND_TEXT);
    const int kRasterDpi = 50;
    for (UINT nPage = 1; nPage <= 2; nPage++) {
        SCOPED_TRACE("page " + std::to_string(nPage));
        PdfPrintJob job("prtdef");
        ASSERT_TRUE(job.started());
        CRecordingDC dc(job.dc());
        const int nDpiX = dc.GetDeviceCaps(LOGPIXELSX);
        const int nDpiY = dc.GetDeviceCaps(LOGPIXELSY);
        ASSERT_EQ(1, def.BeginPage(&dc, nPage));
        EXPECT_NEAR(nDpiX, def.m_nLeft, 2);
        EXPECT_NEAR(nDpiY, def.m_nTop, 2);
        const int nRows = def.m_nHeight / def.m_nLineHeight;
        if (nPage == 1) {
            std::string text;
            for (int n = 0; n < nRows * 3 / 2; n++)
                text += "■■■■■■■■\n";
            pBody->m_strText = text.c_str();
        }
        UINT nNext = 0;
        EXPECT_EQ(nPage == 1 ? 1 : 0, def.PrintBody(&dc, nPage, nNext));
        const TextCall number = dc.Find("PAGE:" + std::to_string(nPage));
        EXPECT_NEAR(nDpiX, number.x, 2);
        EXPECT_NEAR(nDpiY, number.y, 2);
        const int nLastY = dc.m_calls.back().y;
        const int nLine = def.m_nLineHeight;

        const std::string pdf = job.finish();
        ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";
        const GrayImage image = RasterizePdf(pdf, kRasterDpi);
        ::DeleteFileA(pdf.c_str());
        ASSERT_GT(image.width, 0);
        const int nOffX = dc.GetDeviceCaps(PHYSICALOFFSETX);
        const int nOffY = dc.GetDeviceCaps(PHYSICALOFFSETY);
        auto rx = [&](int x) { return (x + nOffX) * kRasterDpi / nDpiX; };
        auto ry = [&](int y) { return (y + nOffY) * kRasterDpi / nDpiY; };
        const int nTextRight = def.m_nLeft + dc.Width(def.m_logFont, "■■■■■■■■");
        // The page number, the first and the last body line have ink.
        EXPECT_LT(image.mean(rx(number.x), ry(number.y), rx(number.x + 3 * nLine), ry(number.y + nLine)), 250.0);
        EXPECT_LT(image.mean(rx(def.m_nLeft), ry(def.m_nTop + nLine), rx(nTextRight), ry(def.m_nTop + 2 * nLine)),
            200.0);
        EXPECT_LT(image.mean(rx(def.m_nLeft), ry(nLastY), rx(nTextRight), ry(nLastY + nLine)), 200.0);
        // Nothing in the left margin, nothing right of the lines, nothing below the last one.
        EXPECT_GT(image.mean(0, ry(def.m_nTop), rx(def.m_nLeft) - 1, ry(nLastY)), 254.0);
        EXPECT_GT(image.mean(rx(nTextRight) + 2, ry(def.m_nTop + nLine), image.width, ry(nLastY)), 254.0);
        EXPECT_GT(image.mean(0, ry(nLastY + nLine) + 1, image.width, image.height), 254.0);
        if (nPage == 1) {
            EXPECT_GT(nLastY + 2 * nLine, def.m_nTop + def.m_nHeight);   // the first page is full
        } else {
            EXPECT_LT(nLastY, def.m_nTop + def.m_nHeight * 3 / 4);      // the second is not
        }
    }
}

}  // namespace
