#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "dib/icon_record.h"
#include "jpeg_fixture.h"
#include "objects/global_mem.h"
#include "pic_fixtures.h"
#include "wb_file_fixtures.h"
#include "whiteboard/wb_bmp_items.h"
#include "whiteboard/wb_marks.h"
#include "whiteboard/wb_record.h"
#include "whiteboard/wb_window.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const DWORD kVersion = 0x020D0004;
const DWORD kNone = 0xFFFFFFFF;

Bytes FileBytes(const std::string& path) { return ReadBytes(path); }

void PutFile(const std::string& path, const Bytes& bytes) { WriteBytes(path, bytes); }

LONG ScreenDpi(int nIndex)
{
    HDC hdc = ::GetDC(nullptr);
    const LONG n = ::GetDeviceCaps(hdc, nIndex);
    ::ReleaseDC(nullptr, hdc);
    return n;
}

// The words of a whiteboard made without options, then the given ones.
std::vector<std::pair<size_t, DWORD>> PlainWbWords(const std::vector<std::pair<size_t, DWORD>>& more)
{
    const DWORD crWindow = ::GetSysColor(COLOR_WINDOW);
    const DWORD crText = ::GetSysColor(COLOR_WINDOWTEXT);
    std::vector<std::pair<size_t, DWORD>> words = {
        {0, kVersion}, {74, crWindow}, {75, crWindow}, {76, crWindow}, {77, crWindow}, {78, crText}, {79, crText},
        {81, WS_BORDER}, {98, 1}, {147, static_cast<DWORD>(ScreenDpi(LOGPIXELSX))},
        {148, static_cast<DWORD>(ScreenDpi(LOGPIXELSY))}};
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

std::string DefaultLineStart() { return std::string(kDefaultLineStart, std::strlen(kDefaultLineStart) + 1); }

class WbFiles : public OnWhiteBoard
{
protected:
    void TearDown() override
    {
        for (HWND hwnd : m_others)
            zebDestroyWhiteBoard(hwnd);
        OnWhiteBoard::TearDown();
    }

    HWND NewWhiteBoard()
    {
        HWND hwnd = CreatePlainWhiteBoard(m_parent.Hwnd());
        m_others.push_back(hwnd);
        return hwnd;
    }

    // The whiteboard as a block file with its objects' data.
    Bytes Stored(HWND hWb, int nMode = 2)
    {
        const std::string path = TempPath("zebwb-stored.zwb");
        EXPECT_GT(zebWriteWhiteBoard(hWb, path.c_str(), nMode, nullptr, nullptr), 0);
        return FileBytes(path);
    }

    HWND AddLine(HWND hWb, int x, int y, WORD wForm)
    {
        ZebLineCreateInfo info = {};
        info.dwMask = ZEBLINE_COLOR | ZEBLINE_DRAWFORM | ZEBLINE_DRAWMODE | ZEBLINE_DRAWSTYLE | ZEBLINE_DRAWWIDTH;
        info.x = x;
        info.y = y;
        info.cx = 100;
        info.cy = 5;
        info.crColor = RGB(1, 2, 3);
        info.wDrawForm = wForm;
        info.nDrawMode = R2_NOT;
        info.nDrawStyle = PS_DASH;
        info.nDrawWidth = 3;
        return zebCreateObjLine(hWb, &info, nullptr);
    }

    // A 24-bit 3 x 2 BMP file.
    std::string BmpFile(const char* pszName)
    {
        const std::string path = TempPath(pszName);
        BmpFixture bmp;
        bmp.wBitCount = 24;
        WriteBytes(path, BuildBmp(bmp));
        return path;
    }

    HWND AddPicture(HWND hWb, const std::string& file)
    {
        ZebPicCreateInfo info = {};
        info.dwMask = ZEBPIC_FILE | ZEBPIC_BKCOLOR | ZEBPIC_STRETCH;
        info.x = 30;
        info.y = 40;
        info.cx = 60;
        info.cy = 50;
        info.crBack = RGB(9, 8, 7);
        info.pszFile = file.c_str();
        info.nStretch = 1;
        return zebCreateObjPic(hWb, &info, nullptr);
    }

    // Text items, a bitmap item, a picture, a line and marks.
    void Fill(HWND hWb)
    {
        const LOGFONTA lf = TestFont(16);
        const POINT pt1 = {10, 20}, pt2 = {5, 60};
        ASSERT_EQ(0, zebAddText(hWb, "first\nline", &lf, &pt1, FALSE));
        ASSERT_EQ(1, zebAddText(hWb, "second", &lf, &pt2, FALSE));
        AddPicture(hWb, BmpFile("zebwb-pic.bmp"));
        AddLine(hWb, 10, 90, ZEBLINE_TOP | ZEBLINE_LEFT);
        ASSERT_EQ(1, zebSetObjText(hWb, 128, 0, "a line"));
        Pump();
    }

    // The first object of the kind has the text, and its block written
    // again (mode 1) is the bytes.
    void ExpectTextAndBlock(HWND hWb, LONG nKind, const char* pszText, const Bytes& want)
    {
        char szText[16] = "";
        EXPECT_EQ(static_cast<LONG>(std::strlen(pszText)), zebGetObjText(hWb, nKind, 0, szText));
        EXPECT_STREQ(pszText, szText);
        const std::string again = TempPath("zebwb-again.zob");
        zebWriteObject(hWb, nKind, 0, again.c_str(), 1, nullptr, nullptr);
        EXPECT_TRUE(SameBytes(want, FileBytes(again)));
    }

    // A whiteboard with a cursor, its own line-start string and object text,
    // a text item, a bitmap item, a character line-feed mark and a bitmap
    // form-feed mark.
    HWND MarkedWhiteBoard()
    {
        BYTE andPlane[32 * 4], xorPlane[32 * 4];
        for (int i = 0; i < 32 * 4; ++i) {
            andPlane[i] = i < 64 ? 0x0F : 0xFF;
            xorPlane[i] = static_cast<BYTE>(i % 5 == 0 ? 0x81 : 0);
        }
        HCURSOR hCursor = ::CreateCursor(::GetModuleHandleA(nullptr), 3, 4, 32, 32, andPlane, xorPlane);
        ZebWbCreateInfo info = {};
        info.dwMask = ZEBWB_CURSOR | ZEBWB_LINESTART;
        info.hParent = m_parent.Hwnd();
        info.cx = 300;
        info.cy = 200;
        info.hCursor = hCursor;
        char szLineStart[] = "、。)";
        info.pszLineStart = szLineStart;
        HWND hWb = zebCreateWhiteBoard(&info);
        ::DestroyCursor(hCursor);
        m_others.push_back(hWb);
        const LOGFONTA lf = TestFont(14);
        const POINT ptText = {10, 20};
        EXPECT_EQ(0, zebAddText(hWb, "A\nB\f", &lf, &ptText, FALSE));
        EXPECT_EQ(0, WbAddBmpItem(hWb, -1, MakeSolidDib(2, 3, RGB(0, 128, 255)), "dot", {7, 8}));
        EXPECT_TRUE(WbSetNewLineMark(hWb, 'x', &lf, FALSE));
        EXPECT_TRUE(WbSetFormFeedMark(hWb, 0, nullptr, FALSE));
        GetObjRecord(hWb)->SetText(LockedGlobalStrDup("board"));
        return hWb;
    }

    // Every damaged copy of the file (its truncations and its fields set to
    // edge values) read into hWb is either read whole or refused with the
    // whiteboard exactly as it was: the number refused.
    int SweepDamagedCopies(HWND hWb, const Bytes& file, const std::vector<FileField>& fields)
    {
        const std::string path = TempPath("zebwb-damaged.zwb");
        const Bytes before = Stored(hWb);
        int nRefused = 0;
        for (const Bytes& copy : DamagedCopies(file, fields)) {
            PutFile(path, copy);
            if (zebReadWhiteBoard(hWb, path.c_str(), nullptr, nullptr) >= 0) {
                // Read whole: the original again for the next copy.
                PutFile(path, before);
                EXPECT_GT(zebReadWhiteBoard(hWb, path.c_str(), nullptr, nullptr), 0);
                continue;
            }
            ++nRefused;
            EXPECT_TRUE(SameBytes(before, Stored(hWb))) << "copy of " << copy.size() << " bytes";
            if (::testing::Test::HasFailure())
                break;
        }
        return nRefused;
    }

    std::vector<HWND> m_others;
};

// The fields that damaged copies set: the header lengths of every block and
// the given pointer and count words of the records.
std::vector<FileField> RecordFields(const Bytes& file,
                                    const std::vector<std::pair<const char*, std::vector<size_t>>>& records)
{
    std::vector<FileField> fields;
    for (const auto& record : records) {
        for (const FileField& f : BlockFields(file, record.first, record.second)) {
            bool bSeen = false;
            for (const FileField& seen : fields)
                bSeen = bSeen || seen.nAt == f.nAt;
            if (!bSeen)
                fields.push_back(f);
        }
    }
    return fields;
}

Bytes LogFontBytes(const LOGFONTA& lf)
{
    Bytes b(60, 0);
    std::memcpy(b.data(), &lf, 28);
    std::memcpy(b.data() + 28, lf.lfFaceName, std::strlen(lf.lfFaceName));
    return b;
}

TEST_F(WbFiles, EmptyWhiteBoardIsOneWbBlock)
{
    const std::string path = TempPath("zebwb-empty.zwb");
    const LONG nWritten = zebWriteWhiteBoard(m_hWb, path.c_str(), 1, nullptr, nullptr);
    const DWORD crWindow = ::GetSysColor(COLOR_WINDOW);
    const DWORD crText = ::GetSysColor(COLOR_WINDOWTEXT);
    const std::string lineStart = DefaultLineStart();
    ASSERT_EQ(50u, lineStart.size());
    const Bytes want = BlockHeader("WB", 880 + 50, 0) +
                       RecordWords(880, PlainWbWords({{86, 50},
                                                      {104, kNone},
                                                      {137, 0xFFFF},
                                                      {138, kNone},
                                                      {139, kNone},
                                                      {142, 0xFFFF},
                                                      {143, kNone},
                                                      {144, kNone}})) +
                       StringBytes(lineStart);
    EXPECT_TRUE(SameBytes(want, FileBytes(path)));
    EXPECT_EQ(static_cast<LONG>(want.size()), nWritten);

    // Read into a whiteboard of other colours, it takes them over and
    // writes the same bytes.
    ZebWbCreateInfo info = {};
    info.dwMask = ZEBWB_BKCOLOR | ZEBWB_FORECOLOR | ZEBWB_POINTER;
    info.hParent = m_parent.Hwnd();
    info.cx = 300;
    info.cy = 200;
    info.crBack = RGB(1, 1, 1);
    info.crFore = RGB(2, 2, 2);
    info.nPointerNumber = 5;
    HWND hOther = zebCreateWhiteBoard(&info);
    m_others.push_back(hOther);
    EXPECT_EQ(static_cast<LONG>(want.size()), zebReadWhiteBoard(hOther, path.c_str(), nullptr, nullptr));
    EXPECT_EQ(static_cast<LONG>(crWindow), zebGetBkColor(hOther));
    EXPECT_EQ(static_cast<LONG>(crText), zebGetForeColor(hOther));
    EXPECT_EQ(0, zebGetMousePointer(hOther));
    EXPECT_TRUE(SameBytes(want, Stored(hOther, 1)));
}

// The blocks of a whiteboard with a cursor, its own line-start string and
// object text, a text item, a bitmap item and both kinds of mark, byte by
// byte; read back, the same bytes again; damaged, read whole or refused.
TEST_F(WbFiles, MarkedWhiteBoardGoldenRoundTripAndDamage)
{
    HWND hWb = MarkedWhiteBoard();
    ZebWbRecord& wb = *ZebWbRecord::From(GetObjRecord(hWb));
    Bytes cursor;
    ASSERT_TRUE(BuildIconRecord(wb.Head().Cursor(), &cursor));
    ASSERT_EQ(22u + 4 * 64 + 48, cursor.size()) << "a monochrome 32 x 32 cursor";
    const DWORD c = static_cast<DWORD>(cursor.size());
    const DWORD t = 6;  // "board"
    const std::string lineStart("、。)", 6);
    const DWORD s = 6;
    const LOGFONTA lf = TestFont(14);
    const DWORD crWindow = ::GetSysColor(COLOR_WINDOW);
    const DWORD crText = ::GetSysColor(COLOR_WINDOWTEXT);
    const ZebWbTextItem& text = wb.TextItems()[0];
    const ZebWbMark& lineFeed = wb.LineFeedMark();
    const Bytes wbBlock = BlockHeader("WB", static_cast<WORD>(880 + c + t + s), 60) +
                          RecordWords(880, PlainWbWords({{82, c},
                                                         {86, ((c + t) << 16) | s},
                                                         {87, (c << 16) | t},
                                                         {102, 1},
                                                         {103, 1},
                                                         {115, 1},
                                                         {116, 1},
                                                         {125, 1},
                                                         {126, 1},
                                                         {137, 0},
                                                         {138, kNone},
                                                         {139, kNone},
                                                         {140, 2},
                                                         {141, 3},
                                                         {142, 'x'},
                                                         {143, 0},
                                                         {144, crText},
                                                         {145, static_cast<DWORD>(lineFeed.cx)},
                                                         {146, static_cast<DWORD>(lineFeed.cy)}})) +
                          cursor + StringBytes(std::string("board", 6)) + StringBytes(lineStart) + LogFontBytes(lf);
    const Bytes wtBlock = BlockHeader("WT", 32 + 5, 60) +
                          RecordWords(32, {{0, crText},
                                           {1, 0},
                                           {2, 0},
                                           {3, 5},
                                           {4, 10},
                                           {5, 20},
                                           {6, static_cast<DWORD>(text.size.cx)},
                                           {7, static_cast<DWORD>(text.size.cy)}}) +
                          StringBytes(std::string("A\nB\f", 5)) + LogFontBytes(lf);
    const std::string bmpPath = TempPath("zebwb-dot.bmp");
    ASSERT_EQ(1, zebWriteDib(bmpPath.c_str(), wb.BmpItems()[0].hDib));
    const Bytes bmp = FileBytes(bmpPath);
    const Bytes wdBlock = BlockHeader("WD", 44 + 4, static_cast<DWORD>(bmp.size())) +
                          RecordWords(44, {{2, crWindow}, {5, 0}, {6, 4}, {7, 7}, {8, 8}, {9, 2}, {10, 3}}) +
                          StringBytes(std::string("dot", 4)) + bmp;
    const Bytes want = wbBlock + wtBlock + wdBlock;
    const Bytes stored = Stored(hWb, 1);
    ASSERT_TRUE(SameBytes(want, stored));
    EXPECT_TRUE(SameBytes(want, Stored(hWb, 2))) << "the whiteboard's own blocks are the same in both modes";

    HWND hOther = NewWhiteBoard();
    const std::string path = TempPath("zebwb-marked.zwb");
    PutFile(path, stored);
    ASSERT_EQ(static_cast<LONG>(stored.size()), zebReadWhiteBoard(hOther, path.c_str(), nullptr, nullptr));
    ZebWbRecord& other = *ZebWbRecord::From(GetObjRecord(hOther));
    EXPECT_NE(nullptr, other.Head().Cursor());
    EXPECT_STREQ("board", other.Head().Text());
    EXPECT_STREQ("、。)", other.Head().LineStartString());
    EXPECT_EQ(0, other.FormFeedMark().wCode);
    EXPECT_EQ(-1, other.FormFeedMark().nFont);
    EXPECT_EQ('x', other.LineFeedMark().wCode);
    EXPECT_TRUE(SameBytes(want, Stored(hOther, 1)));

    const std::vector<FileField> fields =
        RecordFields(stored, {{"WB", {82 * 4, 86 * 4, 87 * 4, 102 * 4, 115 * 4, 116 * 4, 137 * 4, 138 * 4}},
                              {"WT", {4, 8, 12}},
                              {"WD", {20, 24}}});
    EXPECT_GT(SweepDamagedCopies(hOther, stored, fields), static_cast<int>(stored.size()) / 2);
}

// A picture's block carries its cursor and its object text, and reads back
// whole.
TEST_F(WbFiles, PictureBlockCarriesItsCursorAndText)
{
    ZebPicCreateInfo info = {};
    info.dwMask = ZEBPIC_CURSOR | ZEBPIC_POINTER;
    info.cx = 20;
    info.cy = 10;
    info.hCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    info.nPointerNumber = 2;
    HWND hPic = zebCreateObjPic(m_hWb, &info, nullptr);
    ASSERT_NE(nullptr, hPic);
    ASSERT_EQ(1, zebSetObjText(m_hWb, 16, 0, "写真"));
    Bytes cursor;
    ASSERT_TRUE(BuildIconRecord(GetObjRecord(hPic)->Cursor(), &cursor));
    const std::string path = TempPath("zebwb-pic-cursor.zob");
    const LONG nWritten = zebWriteObject(m_hWb, 16, 0, path.c_str(), 1, nullptr, nullptr);
    const Bytes file = FileBytes(path);
    ASSERT_EQ(static_cast<LONG>(file.size()), nWritten);
    const DWORD c = static_cast<DWORD>(cursor.size());
    ASSERT_EQ(8 + 1016 + c + 5, file.size());
    EXPECT_EQ(BlockHeader("PO", static_cast<WORD>(1016 + c + 5), 0), Bytes(file.begin(), file.begin() + 8));
    auto word = [&file](size_t n) {
        DWORD dw = 0;
        std::memcpy(&dw, &file[8 + 4 * n], 4);
        return dw;
    };
    EXPECT_EQ(c, word(82));
    EXPECT_EQ((c << 16) | 5, word(87));
    EXPECT_EQ(cursor, Bytes(file.begin() + 8 + 1016, file.begin() + 8 + 1016 + c));
    EXPECT_EQ(StringBytes(std::string("写真", 5)), Bytes(file.end() - 5, file.end()));

    HWND hOther = NewWhiteBoard();
    ASSERT_EQ(static_cast<LONG>(file.size()), zebReadObject(hOther, 16, -1, path.c_str()));
    HWND hRead = zebGetObjWindow(hOther, 16, 0);
    ASSERT_NE(nullptr, hRead);
    EXPECT_NE(nullptr, GetObjRecord(hRead)->Cursor());
    EXPECT_EQ(2, zebGetMousePointer(hRead));
    ExpectTextAndBlock(hOther, 16, "写真", file);
}

TEST_F(WbFiles, PlainTextOrdersItemsAndWritesLineEnds)
{
    const LOGFONTA lf = TestFont(12);
    const struct
    {
        const char* pszText;
        POINT pt;
    } kItems[] = {
        {"C\f", {0, 30}}, {"B\n\f", {50, 10}}, {"A\nB", {5, 10}}, {"D\x01" "E\n", {0, 40}}, {"F", {-1, 40}},
    };
    for (const auto& item : kItems)
        ASSERT_GE(zebAddText(m_hWb, item.pszText, &lf, &item.pt, FALSE), 0);
    const std::string path = TempPath("zebwb-plain.txt");
    const std::string want = "A\r\nB\r\nB\r\n\fC\r\n\fF\r\nDE\r\n";
    EXPECT_EQ(static_cast<LONG>(want.size()), zebWriteWhiteBoard(m_hWb, path.c_str(), 0, nullptr, nullptr));
    EXPECT_EQ(StringBytes(want), FileBytes(path));
}

TEST_F(WbFiles, PlainTextWithoutItemsIsAnEmptyFile)
{
    const std::string path = TempPath("zebwb-plain-empty.txt");
    EXPECT_EQ(0, zebWriteWhiteBoard(m_hWb, path.c_str(), 0, nullptr, nullptr));
    EXPECT_TRUE(FileExists(path));
    EXPECT_TRUE(FileBytes(path).empty());
}

TEST_F(WbFiles, LineObjectFileGoldenAndReadBack)
{
    AddLine(m_hWb, 10, 20, ZEBLINE_TOP | ZEBLINE_BOTTOM | ZEBLINE_LEFT | ZEBLINE_RIGHT);
    ASSERT_EQ(1, zebSetObjText(m_hWb, 128, 0, "line"));
    Pump();
    const std::string path = TempPath("zebwb-line.zob");
    const LONG nWritten = zebWriteObject(m_hWb, 128, 0, path.c_str(), 1, nullptr, nullptr);
    const Bytes want = BlockHeader("LO", 672 + 5, 0) +
                       RecordWords(672, {{0, kVersion},
                                         {3, 1},
                                         {7, 1},
                                         {76, ::GetSysColor(COLOR_WINDOW)},
                                         {77, ::GetSysColor(COLOR_WINDOW)},
                                         {78, ::GetSysColor(COLOR_WINDOWTEXT)},
                                         {79, RGB(1, 2, 3)},
                                         {87, 5},
                                         {88, 10},
                                         {89, 20},
                                         {94, 100},
                                         {95, 5},
                                         {98, 128},
                                         {100, R2_NOT},
                                         {101, PS_DASH},
                                         {102, 3},
                                         {103, 0x0F}}) +
                       StringBytes(std::string("line", 5));
    EXPECT_TRUE(SameBytes(want, FileBytes(path)));
    EXPECT_EQ(static_cast<LONG>(want.size()), nWritten);

    HWND hOther = NewWhiteBoard();
    EXPECT_EQ(static_cast<LONG>(want.size()), zebReadObject(hOther, 128, -1, path.c_str()));
    HWND hLine = zebGetObjWindow(hOther, 128, 0);
    ASSERT_NE(nullptr, hLine);
    EXPECT_TRUE(::IsWindowVisible(hLine));
    EXPECT_EQ(0x0F, zebGetDrawForm(hLine));
    EXPECT_EQ(R2_NOT, zebGetDrawMode(hLine));
    EXPECT_EQ(PS_DASH, zebGetDrawStyle(hLine));
    EXPECT_EQ(3, zebGetDrawWidth(hLine));
    EXPECT_EQ(static_cast<LONG>(RGB(1, 2, 3)), zebGetForeColor(hLine));
    const RECT rc = RectInParent(hLine);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(20, rc.top);
    EXPECT_EQ(110, rc.right);
    EXPECT_EQ(25, rc.bottom);
    ExpectTextAndBlock(hOther, 128, "line", want);
}

TEST_F(WbFiles, PictureObjectFileGoldenAndReadBack)
{
    const std::string bmp = BmpFile("zebwb-golden.bmp");
    HWND hPic = AddPicture(m_hWb, bmp);
    ASSERT_NE(nullptr, hPic);
    Pump();
    const std::string path = TempPath("zebwb-pic.zob");
    const LONG nWritten = zebWriteObject(m_hWb, 16, 0, path.c_str(), 2, nullptr, nullptr);

    const std::string dataPath = TempPath("zebwb-golden-data.bmp");
    HGLOBAL hDib = zebReadDib(bmp.c_str());
    ASSERT_EQ(1, zebWriteDib(dataPath.c_str(), hDib));
    zebDestroyDib(hDib);
    const Bytes data = FileBytes(dataPath);
    Bytes record = RecordWords(1016, {{0, kVersion},
                                      {7, 1},
                                      {74, RGB(9, 8, 7)},
                                      {76, ::GetSysColor(COLOR_WINDOW)},
                                      {77, ::GetSysColor(COLOR_WINDOW)},
                                      {78, ::GetSysColor(COLOR_WINDOWTEXT)},
                                      {81, WS_BORDER},
                                      {88, 30},
                                      {89, 40},
                                      {94, 60},
                                      {95, 50},
                                      {98, 16},
                                      {123, 1},
                                      {189, 0x0002}});
    std::memcpy(record.data() + 36, bmp.c_str(), bmp.size());
    const Bytes want = BlockHeader("PO", 1016, static_cast<DWORD>(data.size())) + record + data;
    EXPECT_TRUE(SameBytes(want, FileBytes(path)));
    EXPECT_EQ(static_cast<LONG>(want.size()), nWritten);

    HWND hOther = NewWhiteBoard();
    EXPECT_EQ(static_cast<LONG>(want.size()), zebReadObject(hOther, 16, -1, path.c_str()));
    HWND hRead = zebGetObjWindow(hOther, 16, 0);
    ASSERT_NE(nullptr, hRead);
    EXPECT_EQ(static_cast<LONG>(RGB(9, 8, 7)), zebGetBkColor(hRead));
    EXPECT_EQ(1, zebGetStretch(hRead));
    RECT rcOrg = {};
    EXPECT_EQ(1, zebGetOrgRect(hRead, &rcOrg));
    EXPECT_EQ(3, rcOrg.right);
    EXPECT_EQ(2, rcOrg.bottom);
    const RECT rc = RectInParent(hRead);
    EXPECT_EQ(30, rc.left);
    EXPECT_EQ(40, rc.top);
    const std::string again = TempPath("zebwb-pic2.zob");
    zebWriteObject(hOther, 16, 0, again.c_str(), 2, nullptr, nullptr);
    EXPECT_TRUE(SameBytes(want, FileBytes(again)));
}

TEST_F(WbFiles, PictureWithoutJpegSourceIsWrittenAsBmp)
{
    const std::string jpeg = TempPath("zebwb-gone.jpg");
    ::WriteBytes(jpeg, kRedBlueJpeg, kRedBlueJpegSize);
    HWND hPic = AddPicture(m_hWb, jpeg);
    RECT rcOrg = {};
    ASSERT_EQ(1, zebGetOrgRect(hPic, &rcOrg));
    const std::string path = TempPath("zebwb-jpeg.zob");
    ASSERT_GT(zebWriteObject(m_hWb, 16, 0, path.c_str(), 2, nullptr, nullptr), 0);
    const Bytes withJpeg = FileBytes(path);
    ASSERT_GT(withJpeg.size(), 1016u + 8 + 2);
    EXPECT_EQ(0xFF, withJpeg[1024]);
    EXPECT_EQ(0xD8, withJpeg[1025]);

    ::DeleteFileA(jpeg.c_str());
    ASSERT_GT(zebWriteObject(m_hWb, 16, 0, path.c_str(), 2, nullptr, nullptr), 0);
    const Bytes withBmp = FileBytes(path);
    EXPECT_EQ('B', withBmp[1024]);
    EXPECT_EQ('M', withBmp[1025]);
    HWND hOther = NewWhiteBoard();
    ASSERT_GT(zebReadObject(hOther, 16, -1, path.c_str()), 0);
    RECT rcRead = {};
    EXPECT_EQ(1, zebGetOrgRect(zebGetObjWindow(hOther, 16, 0), &rcRead));
    EXPECT_TRUE(::EqualRect(&rcOrg, &rcRead));
    const std::string native = TempPath("zebwb-native.bmp");
    EXPECT_GT(zebWriteObject(m_hWb, 16, 0, native.c_str(), 0, nullptr, nullptr), 0);
    EXPECT_EQ('B', FileBytes(native)[0]);
}

TEST_F(WbFiles, WhiteBoardRoundTripsThroughFilesAndMemoryFiles)
{
    Fill(m_hWb);
    const Bytes stored = Stored(m_hWb);
    const std::string path = TempPath("zebwb-full.zwb");
    PutFile(path, stored);

    HWND hOther = NewWhiteBoard();
    ASSERT_EQ(static_cast<LONG>(stored.size()), zebReadWhiteBoard(hOther, path.c_str(), nullptr, nullptr));
    EXPECT_EQ(2, zebGetTextCount(hOther));
    EXPECT_NE(nullptr, zebGetObjWindow(hOther, 16, 0));
    EXPECT_NE(nullptr, zebGetObjWindow(hOther, 128, 0));
    EXPECT_TRUE(SameBytes(stored, Stored(hOther)));

    const char kName[] = "zebwb-round-trip";
    HANDLE hMem = zebWriteMemWhiteBoard(m_hWb, kName, 2, nullptr, nullptr);
    ASSERT_NE(nullptr, hMem);
    HWND hThird = NewWhiteBoard();
    EXPECT_GE(zebReadMemWhiteBoard(hThird, kName, nullptr, nullptr), static_cast<LONG>(stored.size()));
    EXPECT_TRUE(SameBytes(stored, Stored(hThird)));
    EXPECT_NE(0, zebCloseMemFile(hMem));
}

TEST_F(WbFiles, ObjectFileReadThroughTheWhiteBoardTakesPositionAndSize)
{
    AddLine(m_hWb, 10, 20, ZEBLINE_TOP);
    const std::string path = TempPath("zebwb-obj.zob");
    ASSERT_GT(zebWriteObject(m_hWb, 128, 0, path.c_str(), 1, nullptr, nullptr), 0);
    const Bytes before = Stored(m_hWb);
    const POINT pt = {70, 80};
    const SIZE size = {40, 9};
    ASSERT_GT(zebReadWhiteBoard(m_hWb, path.c_str(), &pt, &size), 0);
    HWND hLine = zebGetObjWindow(m_hWb, 128, 1);
    ASSERT_NE(nullptr, hLine);
    const RECT rc = RectInParent(hLine);
    EXPECT_EQ(70, rc.left);
    EXPECT_EQ(80, rc.top);
    EXPECT_EQ(110, rc.right);
    EXPECT_EQ(89, rc.bottom);
    EXPECT_EQ(before.size() + FileBytes(path).size(), Stored(m_hWb).size());
}

// Every damaged copy of each file is either read whole or refused with the
// whiteboard (or object) exactly as it was.
TEST_F(WbFiles, BadFileLeavesTheWhiteBoardsContentIntact)
{
    Fill(m_hWb);
    HWND hSource = NewWhiteBoard();
    Fill(hSource);
    const Bytes wbFile = Stored(hSource);
    // Header lengths of every block, the stored pointer words of the
    // whiteboard's record, its font count, and the pointer words of the
    // items and objects.
    const std::vector<FileField> fields =
        RecordFields(wbFile, {{"WB", {82 * 4, 86 * 4, 87 * 4, 102 * 4}}, {"WT", {12}}, {"PO", {82 * 4, 87 * 4}},
                              {"LO", {87 * 4}}});
    EXPECT_GT(SweepDamagedCopies(m_hWb, wbFile, fields), static_cast<int>(wbFile.size()));
}

// A text or bitmap item block goes in at its stored index, which may be
// any place from the first to just after the last item; beyond that, or
// below 0, the file is refused and the whiteboard stays as it was.
TEST_F(WbFiles, ItemsGoInAtTheirStoredIndex)
{
    const LOGFONTA lf = TestFont(12);
    const POINT pt = {5, 5};
    HWND hSource = NewWhiteBoard();
    ASSERT_EQ(0, zebAddText(hSource, "new", &lf, &pt, FALSE));
    ASSERT_EQ(0, WbAddBmpItem(hSource, -1, MakeSolidDib(3, 3, RGB(1, 2, 3)), "new", pt));
    const std::vector<Bytes> blocks = SplitBlocks(Stored(hSource, 1));
    ASSERT_EQ(3u, blocks.size()) << "WB, WT, WD";
    ZebWbRecord& wb = *ZebWbRecord::From(GetObjRecord(m_hWb));
    auto names = [&wb]() {
        std::string text, bmps;
        for (LONG i = 0; i < wb.ChildCount(0); ++i)
            text += std::string(wb.TextItems()[i].pszText) + " ";
        for (LONG i = 0; i < wb.ChildCount(kWbBmpItemSlot); ++i)
            bmps += std::string(wb.BmpItems()[i].pszName) + " ";
        return text + "/ " + bmps;
    };
    const std::string path = TempPath("zebwb-index.zwb");
    const struct
    {
        DWORD dwIndex;
        const char* pszWant;  // null: refused
    } kCases[] = {{0, "new a b / new a b "}, {1, "a new b / a new b "}, {2, "a b new / a b new "},
                  {3, nullptr}, {0xFFFFFFFF, nullptr}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.dwIndex);
        zebRemoveText(m_hWb, -1);
        WbRemoveBmpItem(m_hWb, -1);
        for (const char* psz : {"a", "b"}) {
            zebAddTextEx(m_hWb, psz, &lf, &pt, FALSE, -1);
            WbAddBmpItem(m_hWb, -1, MakeSolidDib(2, 2, RGB(9, 9, 9)), psz, pt);
        }
        Bytes text = blocks[1];
        Bytes bmp = blocks[2];
        PutDword(text, 8 + 8, c.dwIndex);
        PutDword(bmp, 8 + 20, c.dwIndex);
        PutFile(path, text + bmp);
        const LONG nRead = zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr);
        EXPECT_EQ(c.pszWant != nullptr ? static_cast<LONG>(text.size() + bmp.size()) : -1, nRead);
        EXPECT_EQ(c.pszWant != nullptr ? c.pszWant : "a b / a b ", names());
    }
}

// Two text items stored at index 0 end in the reverse of the file's order:
// read, written and read again, the whiteboard (its font table and
// current font too) writes the same bytes.
TEST_F(WbFiles, ItemsAtOneIndexReadBackToThemselves)
{
    HWND hSource = NewWhiteBoard();
    const POINT pt = {5, 5};
    const LOGFONTA lfSmall = TestFont(12), lfLarge = TestFont(20);
    ASSERT_EQ(0, zebAddText(hSource, "small", &lfSmall, &pt, FALSE));
    ASSERT_EQ(1, zebAddText(hSource, "large", &lfLarge, &pt, FALSE));
    std::vector<Bytes> blocks = SplitBlocks(Stored(hSource));
    ASSERT_EQ(3u, blocks.size()) << "WB, WT, WT";
    PutDword(blocks[2], 8 + 8, 0);
    const std::string path = TempPath("zebwb-same-index.zwb");
    PutFile(path, blocks[0] + blocks[1] + blocks[2]);
    ASSERT_GT(zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr), 0);
    const ZebWbRecord& wb = *ZebWbRecord::From(GetObjRecord(m_hWb));
    ASSERT_EQ(2, wb.ChildCount(0));
    EXPECT_STREQ("large", wb.TextItems()[0].pszText);
    const Bytes first = Stored(m_hWb);
    PutFile(path, first);
    HWND hAgain = NewWhiteBoard();
    ASSERT_GT(zebReadWhiteBoard(hAgain, path.c_str(), nullptr, nullptr), 0);
    EXPECT_TRUE(SameBytes(first, Stored(hAgain)));
}

TEST_F(WbFiles, BadObjectFileLeavesTheObjectAsItWas)
{
    const std::string bmp = BmpFile("zebwb-objdamage.bmp");
    AddPicture(m_hWb, bmp);
    AddLine(m_hWb, 10, 20, ZEBLINE_TOP);
    zebSetObjText(m_hWb, 16, 0, "pic");
    zebSetObjText(m_hWb, 128, 0, "line");
    Pump();
    const std::string path = TempPath("zebwb-objdamage.zob");
    const struct
    {
        LONG nKind;
        const char* pszTag;
        std::vector<size_t> offsets;
    } kKinds[] = {{16, "PO", {82 * 4, 87 * 4}}, {128, "LO", {87 * 4}}};
    for (const auto& kind : kKinds) {
        ASSERT_GT(zebWriteObject(m_hWb, kind.nKind, 0, path.c_str(), 2, nullptr, nullptr), 0);
        const Bytes golden = FileBytes(path);
        const Bytes before = Stored(m_hWb);
        for (const Bytes& copy : DamagedCopies(golden, BlockFields(golden, kind.pszTag, kind.offsets))) {
            PutFile(path, copy);
            const LONG nRead = zebReadObject(m_hWb, kind.nKind, 0, path.c_str());
            const LONG nNew = zebReadObject(m_hWb, kind.nKind, -1, path.c_str());
            if (nNew >= 0)
                zebDestroyObject(m_hWb, kind.nKind, 1);
            if (nRead >= 0) {
                PutFile(path, golden);
                ASSERT_GT(zebReadObject(m_hWb, kind.nKind, 0, path.c_str()), 0);
                continue;
            }
            ASSERT_TRUE(SameBytes(before, Stored(m_hWb))) << kind.pszTag << " copy of " << copy.size() << " bytes";
        }
    }
}

TEST_F(WbFiles, WindowStylesFromFilesAreMasked)
{
    const std::string path = TempPath("zebwb-styles.zwb");
    Bytes file = Stored(m_hWb, 1);
    PutDword(file, 8 + 81 * 4, WS_POPUP | WS_THICKFRAME | WS_DISABLED);
    PutFile(path, file);
    ASSERT_GT(zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr), 0);
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWb, GWL_STYLE);
    EXPECT_EQ(WS_CHILD, style & (WS_CHILD | WS_POPUP | WS_DISABLED));
    EXPECT_EQ(WS_THICKFRAME, style & (WS_THICKFRAME | WS_BORDER));

    AddPicture(m_hWb, BmpFile("zebwb-styles.bmp"));
    ASSERT_GT(zebWriteObject(m_hWb, 16, 0, path.c_str(), 2, nullptr, nullptr), 0);
    file = FileBytes(path);
    PutDword(file, 8 + 81 * 4, WS_POPUP | WS_VSCROLL | WS_DISABLED);
    PutFile(path, file);
    ASSERT_GT(zebReadObject(m_hWb, 16, 0, path.c_str()), 0);
    const LONG_PTR picStyle = ::GetWindowLongPtrA(zebGetObjWindow(m_hWb, 16, 0), GWL_STYLE);
    EXPECT_EQ(WS_CHILD | WS_VSCROLL, picStyle & (WS_CHILD | WS_POPUP | WS_DISABLED | WS_VSCROLL | WS_BORDER));
}

TEST_F(WbFiles, ShortRecordAppliesNothing)
{
    HWND hLine = AddLine(m_hWb, 10, 20, ZEBLINE_TOP);
    const std::string path = TempPath("zebwb-short.zob");
    ASSERT_GT(zebWriteObject(m_hWb, 128, 0, path.c_str(), 1, nullptr, nullptr), 0);
    Bytes file = FileBytes(path);
    PutDword(file, 8 + 100 * 4, R2_COPYPEN);  // another draw mode ...
    file[2] = 200;  // ... in a record cut short
    file[3] = 0;
    file.resize(8 + 200);
    PutFile(path, file);
    const Bytes before = Stored(m_hWb);
    EXPECT_EQ(-1, zebReadObject(m_hWb, 128, 0, path.c_str()));
    EXPECT_EQ(R2_NOT, zebGetDrawMode(hLine));
    EXPECT_TRUE(SameBytes(before, Stored(m_hWb)));
}

TEST_F(WbFiles, OffsetsOutsideTheBlockAreRefused)
{
    AddLine(m_hWb, 10, 20, ZEBLINE_TOP);
    zebSetObjText(m_hWb, 128, 0, "abc");
    const std::string path = TempPath("zebwb-offsets.zob");
    ASSERT_GT(zebWriteObject(m_hWb, 128, 0, path.c_str(), 1, nullptr, nullptr), 0);
    const Bytes golden = FileBytes(path);
    const DWORD kTextWords[] = {(1u << 16) | 4, (4u << 16) | 1, 5, 0xFFFF0004};
    for (DWORD dw : kTextWords) {
        Bytes file = golden;
        PutDword(file, 8 + 87 * 4, dw);
        PutFile(path, file);
        EXPECT_EQ(-1, zebReadObject(m_hWb, 128, 0, path.c_str())) << std::hex << dw;
    }
    char szText[8] = "";
    EXPECT_EQ(3, zebGetObjText(m_hWb, 128, 0, szText));

    // A whiteboard cursor record said longer than the block.
    Bytes wb = Stored(m_hWb, 1);
    PutDword(wb, 8 + 82 * 4, 200);
    PutFile(path, wb);
    EXPECT_EQ(-1, zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr));
}

TEST_F(WbFiles, ZeroTagEndsTheDataOfAMemoryFile)
{
    const Bytes stored = Stored(m_hWb, 1);
    const std::string path = TempPath("zebwb-padded.zwb");
    PutFile(path, stored + Bytes(100, 0));
    EXPECT_EQ(static_cast<LONG>(stored.size() + 100), zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr));
    PutFile(path, stored + Bytes{'x', 'y', 0, 0});
    EXPECT_EQ(-1, zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr));
    PutFile(path, stored + Bytes{0});
    EXPECT_EQ(-1, zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr));
}

TEST_F(WbFiles, WindowWithoutRecordAnswersMinusOne)
{
    const std::string path = TempPath("zebwb-norecord.zwb");
    EXPECT_EQ(-1, zebWriteWhiteBoard(m_parent.Hwnd(), path.c_str(), 1, nullptr, nullptr));
    const LONG_PTR record = ::GetWindowLongPtrA(m_hWb, 0);
    ::SetWindowLongPtrA(m_hWb, 0, 0);
    EXPECT_EQ(-1, zebWriteWhiteBoard(m_hWb, path.c_str(), 1, nullptr, nullptr));
    ::SetWindowLongPtrA(m_hWb, 0, record);
    EXPECT_FALSE(FileExists(path));
}

TEST_F(WbFiles, FailedWritesLeaveNoFile)
{
    const std::string kept = TempPath("zebwb-kept.txt");
    PutFile(kept, Bytes{'k'});
    EXPECT_EQ(-1, zebWriteWhiteBoard(m_hWb, kept.c_str(), 4, nullptr, nullptr));
    EXPECT_EQ(Bytes{'k'}, FileBytes(kept));
    AddLine(m_hWb, 0, 0, ZEBLINE_TOP);
    const std::string missing = TempPath("zebwb-no-folder\\line.zob");
    EXPECT_EQ(-1, zebWriteObject(m_hWb, 128, 0, missing.c_str(), 1, nullptr, nullptr));
    EXPECT_EQ(-1, zebWriteObject(m_hWb, 128, 0, kept.c_str(), 3, nullptr, nullptr));
    EXPECT_EQ(Bytes{'k'}, FileBytes(kept));
    // A picture without picture has no native data.
    zebCreateObjPic(m_hWb, nullptr, nullptr);
    const std::string empty = TempPath("zebwb-empty-pic.bmp");
    EXPECT_EQ(-1, zebWriteObject(m_hWb, 16, 0, empty.c_str(), 0, nullptr, nullptr));
    EXPECT_FALSE(FileExists(empty));
}

TEST_F(WbFiles, ReadObjectFailureLeavesNoNewObject)
{
    const std::string path = TempPath("zebwb-notline.zob");
    PutFile(path, StringBytes("PO and more bytes"));
    EXPECT_EQ(-1, zebReadObject(m_hWb, 128, -1, path.c_str()));
    EXPECT_EQ(nullptr, zebGetObjWindow(m_hWb, 128, 0));
    EXPECT_EQ(-1, zebReadObject(m_hWb, 512, 0, path.c_str()));
    // A text document reads a file whose first 8 bytes are text as plain
    // text; a block of its own that does not hold is refused.
    const std::vector<BYTE> badBlock = {'D', 'O', 5, 0, 0, 0, 'x', 'y', 'z'};
    PutFile(path, badBlock);
    EXPECT_EQ(-1, zebReadObject(m_hWb, 8, -1, path.c_str()));
    EXPECT_EQ(nullptr, zebGetObjWindow(m_hWb, 8, 0));
    PutFile(path, StringBytes("DO and more bytes"));
    EXPECT_EQ(17, zebReadObject(m_hWb, 8, -1, path.c_str()));
}

TEST_F(WbFiles, AppChildBlockThatNobodyServesIsRefused)
{
    Fill(m_hWb);
    const Bytes before = Stored(m_hWb);
    const std::string path = TempPath("zebwb-oo.zwb");
    PutFile(path, Stored(NewWhiteBoard(), 1) + StringBytes("OO0123456789"));
    EXPECT_EQ(-1, zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr));
    EXPECT_TRUE(SameBytes(before, Stored(m_hWb)));
}

TEST(MemFiles, WholePagesGoneAfterTheLastHandleAndNoTemporaryFileLeft)
{
    const int nTempBefore = CountTempFiles("MMF*.tmp");
    const std::string path = TempPath("zebmem-ten.bin");
    const Bytes ten = StringBytes("0123456789");
    PutFile(path, ten);
    const char kName[] = "zebmem-ten";
    HANDLE hMem = zebFileToMemFile(path.c_str(), kName);
    ASSERT_NE(nullptr, hMem);
    const std::string out = TempPath("zebmem-out.bin");
    ASSERT_EQ(1, zebMemFileToFile(kName, out.c_str()));
    SYSTEM_INFO si;
    ::GetSystemInfo(&si);
    EXPECT_EQ(ten + Bytes(si.dwPageSize - ten.size(), 0), FileBytes(out));
    char szPic[MAX_PATH] = "";
    ASSERT_EQ(1, zebReadMemPic(kName, szPic));
    EXPECT_EQ(si.dwPageSize, FileBytes(szPic).size());
    ::DeleteFileA(szPic);
    EXPECT_NE(0, zebCloseMemFile(hMem));
    ::DeleteFileA(out.c_str());
    EXPECT_EQ(0, zebMemFileToFile(kName, out.c_str()));
    EXPECT_FALSE(FileExists(out));
    EXPECT_EQ(0, zebReadMemPic(kName, szPic));
    EXPECT_STREQ("", szPic);
    EXPECT_EQ(0, zebCloseMemFile(nullptr));

    const std::string empty = TempPath("zebmem-empty.bin");
    PutFile(empty, Bytes());
    EXPECT_EQ(nullptr, zebFileToMemFile(empty.c_str(), "zebmem-empty"));
    char szTemp[MAX_PATH] = "";
    ASSERT_EQ(1, zebGetTempMemFile(szTemp));
    EXPECT_TRUE(FileExists(szTemp));
    ::DeleteFileA(szTemp);
    EXPECT_EQ(nTempBefore, CountTempFiles("MMF*.tmp"));
}

// A name in use belongs to its holder: a second memory file of that name is
// refused and the holder's bytes stay, so a whiteboard read from it finds
// the holder's content only.
TEST_F(WbFiles, MemoryFileNameInUseIsRefused)
{
    const std::string large = TempPath("zebmem-large.bin");
    const std::string small = TempPath("zebmem-small.bin");
    const std::string out = TempPath("zebmem-shared.bin");
    PutFile(large, Bytes(5000, 'L'));
    PutFile(small, Bytes(10, 's'));
    const char kName[] = "zebmem-shared";
    HANDLE hHolder = zebFileToMemFile(large.c_str(), kName);
    ASSERT_NE(nullptr, hHolder);
    EXPECT_EQ(nullptr, zebFileToMemFile(small.c_str(), kName));
    ASSERT_EQ(1, zebMemFileToFile(kName, out.c_str()));
    const Bytes held = FileBytes(out);
    ASSERT_GE(held.size(), 5000u);
    EXPECT_EQ(Bytes(5000, 'L'), Bytes(held.begin(), held.begin() + 5000));

    const Bytes stored = Stored(m_hWb, 1);
    EXPECT_EQ(nullptr, zebWriteMemWhiteBoard(m_hWb, kName, 1, nullptr, nullptr));
    EXPECT_EQ(-1, zebReadMemWhiteBoard(m_hWb, kName, nullptr, nullptr)) << "the holder's bytes are no whiteboard";
    EXPECT_TRUE(SameBytes(stored, Stored(m_hWb)));
    EXPECT_NE(0, zebCloseMemFile(hHolder));

    HANDLE hMem = zebFileToMemFile(small.c_str(), kName);
    ASSERT_NE(nullptr, hMem) << "free again once the holder closed it";
    EXPECT_NE(0, zebCloseMemFile(hMem));
}

TEST_F(WbFiles, MemoryWhiteBoardFailuresLeaveNoTemporaryFile)
{
    const int nTempBefore = CountTempFiles("MMF*.tmp");
    EXPECT_EQ(nullptr, zebWriteMemWhiteBoard(m_hWb, "zebmem-plain", 0, nullptr, nullptr));
    EXPECT_EQ(-1, zebReadMemWhiteBoard(m_hWb, "zebmem-nobody", nullptr, nullptr));
    EXPECT_EQ(nTempBefore, CountTempFiles("MMF*.tmp"));
}

}  // namespace
