#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "jpeg_fixture.h"
#include "pic_fixtures.h"
#include "wb_file_fixtures.h"
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

    std::vector<HWND> m_others;
};

TEST_F(WbFiles, EmptyWhiteBoardIsOneWbBlock)
{
    const std::string path = TempPath("zebwb-empty.zwb");
    const LONG nWritten = zebWriteWhiteBoard(m_hWb, path.c_str(), 1, nullptr, nullptr);
    const DWORD crWindow = ::GetSysColor(COLOR_WINDOW);
    const DWORD crText = ::GetSysColor(COLOR_WINDOWTEXT);
    const std::string lineStart = DefaultLineStart();
    ASSERT_EQ(50u, lineStart.size());
    const Bytes want = BlockHeader("WB", 880 + 50, 0) +
                       RecordWords(880, {{0, kVersion},
                                         {74, crWindow},
                                         {75, crWindow},
                                         {76, crWindow},
                                         {77, crWindow},
                                         {78, crText},
                                         {79, crText},
                                         {81, WS_BORDER},
                                         {86, 50},
                                         {98, 1},
                                         {104, kNone},
                                         {137, 0xFFFF},
                                         {138, kNone},
                                         {139, kNone},
                                         {142, 0xFFFF},
                                         {143, kNone},
                                         {144, kNone},
                                         {147, static_cast<DWORD>(ScreenDpi(LOGPIXELSX))},
                                         {148, static_cast<DWORD>(ScreenDpi(LOGPIXELSY))}}) +
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
    char szText[16] = "";
    EXPECT_EQ(4, zebGetObjText(hOther, 128, 0, szText));
    EXPECT_STREQ("line", szText);
    const std::string again = TempPath("zebwb-line2.zob");
    zebWriteObject(hOther, 128, 0, again.c_str(), 1, nullptr, nullptr);
    EXPECT_TRUE(SameBytes(want, FileBytes(again)));
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
    const std::string path = TempPath("zebwb-damaged.zwb");
    const Bytes before = Stored(m_hWb);
    int nRefused = 0;
    // Header lengths of every block, the stored pointer words of the
    // whiteboard's record, its font count, and the pointer words of the
    // items and objects.
    std::vector<FileField> fields;
    const struct
    {
        const char* pszTag;
        std::vector<size_t> offsets;
    } kRecords[] = {{"WB", {82 * 4, 86 * 4, 87 * 4, 102 * 4}}, {"WT", {12}}, {"PO", {82 * 4, 87 * 4}}, {"LO", {87 * 4}}};
    for (const auto& record : kRecords) {
        for (const FileField& f : BlockFields(wbFile, record.pszTag, record.offsets)) {
            bool bSeen = false;
            for (const FileField& seen : fields)
                bSeen = bSeen || seen.nAt == f.nAt;
            if (!bSeen)
                fields.push_back(f);
        }
    }
    for (const Bytes& copy : DamagedCopies(wbFile, fields)) {
        PutFile(path, copy);
        if (zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr) >= 0) {
            // Read whole: the original again for the next copy.
            PutFile(path, before);
            ASSERT_GT(zebReadWhiteBoard(m_hWb, path.c_str(), nullptr, nullptr), 0);
            continue;
        }
        ++nRefused;
        ASSERT_TRUE(SameBytes(before, Stored(m_hWb))) << "copy of " << copy.size() << " bytes";
    }
    EXPECT_GT(nRefused, static_cast<int>(wbFile.size()));
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
    // A text document reads any other file as plain text; a block of its
    // own that does not hold is refused.
    PutFile(path, StringBytes("DO and more bytes"));
    EXPECT_EQ(-1, zebReadObject(m_hWb, 8, -1, path.c_str()));
    EXPECT_EQ(nullptr, zebGetObjWindow(m_hWb, 8, 0));
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

TEST_F(WbFiles, MemoryWhiteBoardFailuresLeaveNoTemporaryFile)
{
    const int nTempBefore = CountTempFiles("MMF*.tmp");
    EXPECT_EQ(nullptr, zebWriteMemWhiteBoard(m_hWb, "zebmem-plain", 0, nullptr, nullptr));
    EXPECT_EQ(-1, zebReadMemWhiteBoard(m_hWb, "zebmem-nobody", nullptr, nullptr));
    EXPECT_EQ(nTempBefore, CountTempFiles("MMF*.tmp"));
}

}  // namespace
