// The main frame's picture services through the real clipboard: pictures
// copied as CF_DIB with their name, pasted DIBs written as BMP files of the
// temporary picture folder (hostile headers refused), the cache and its
// drawing.
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "canvas.h"
#include "frame/picturecacheentry.h"
#include "jpeg_fixture.h"
#include "mirtmsgs.h"
#include "tolvane_fixture.h"

namespace {

void PutDword(std::string& bytes, DWORD value)
{
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes.append(raw, sizeof raw);
}

void PutWord(std::string& bytes, WORD value)
{
    char raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes.append(raw, sizeof raw);
}

// The information header of a packed DIB, padded to nInfoSize bytes.
struct DibHeader
{
    DWORD nInfoSize;
    LONG nWidth;
    LONG nHeight;
    WORD nBitCount;
    DWORD nCompression;
    DWORD nImageSize;
    DWORD nUsed;

    std::string Bytes() const
    {
        std::string bytes;
        PutDword(bytes, nInfoSize);
        PutDword(bytes, static_cast<DWORD>(nWidth));
        PutDword(bytes, static_cast<DWORD>(nHeight));
        PutWord(bytes, 1);
        PutWord(bytes, nBitCount);
        PutDword(bytes, nCompression);
        PutDword(bytes, nImageSize);
        PutDword(bytes, 2835);
        PutDword(bytes, 2835);
        PutDword(bytes, nUsed);
        PutDword(bytes, 0);
        bytes.resize(nInfoSize < 40 ? 40 : nInfoSize, '\0');
        return bytes;
    }
};

DibHeader Header(LONG nWidth, LONG nHeight, WORD nBitCount)
{
    return DibHeader{40, nWidth, nHeight, nBitCount, BI_RGB, 0, 0};
}

// The BMP file of a DIB whose colour table and pixels are contiguous.
std::string BmpFile(const std::string& dib, DWORD nPixelOffset)
{
    std::string file = "BM";
    PutDword(file, static_cast<DWORD>(14 + dib.size()));
    PutDword(file, 0);
    PutDword(file, nPixelOffset);
    return file + dib;
}

// A 24-bit picture of the colour, rows padded to 4 bytes.
std::string SolidDib(LONG nWidth, LONG nHeight, COLORREF colour)
{
    std::string dib = Header(nWidth, nHeight, 24).Bytes();
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    for (LONG y = 0; y < nHeight; ++y) {
        std::string row;
        for (LONG x = 0; x < nWidth; ++x) {
            row += static_cast<char>(GetBValue(colour));
            row += static_cast<char>(GetGValue(colour));
            row += static_cast<char>(GetRValue(colour));
        }
        row.resize(static_cast<size_t>(nStride), '\0');
        dib += row;
    }
    return dib;
}

std::string Pattern(size_t nBytes)
{
    std::string bytes;
    for (size_t i = 0; i < nBytes; ++i)
        bytes += static_cast<char>(i * 37 + 11);
    return bytes;
}

UINT PictureNameFormat()
{
    return ::RegisterClipboardFormatA("CF_VLMDIB");
}

// The clipboard holds only the bytes in the format.
void SetClipboardBytes(HWND hWnd, UINT nFormat, const std::string& bytes)
{
    ASSERT_TRUE(::OpenClipboard(hWnd));
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(hData), bytes.data(), bytes.size());
    ::GlobalUnlock(hData);
    ::SetClipboardData(nFormat, hData);
    ::CloseClipboard();
}

// The clipboard's bytes in the format; "(none)" when it has none.
std::string ClipboardBytes(HWND hWnd, UINT nFormat)
{
    std::string bytes = "(none)";
    if (!::OpenClipboard(hWnd))
        return "(not opened)";
    if (HGLOBAL hData = ::GetClipboardData(nFormat); hData != nullptr) {
        bytes.assign(static_cast<const char*>(::GlobalLock(hData)), ::GlobalSize(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return bytes;
}

class FramePictureTest : public TolvaneTest
{
protected:
    void SetUp() override
    {
        TolvaneTest::SetUp();
        StartOn(9001);
    }

    LRESULT Send(UINT nMessage, const std::string& name, LPARAM lParam = 0)
    {
        return Frame()->SendMessage(nMessage, reinterpret_cast<WPARAM>(name.c_str()), lParam);
    }

    // MsgPastePicture with a zeroed buffer; the path it was given.
    std::string Paste()
    {
        char szPath[MIRT_PICTURE_PATH] = {};
        EXPECT_EQ(0, Frame()->SendMessage(MsgPastePicture, reinterpret_cast<WPARAM>(szPath)));
        EXPECT_NE(nullptr, std::memchr(szPath, 0, sizeof szPath));
        return szPath;
    }

    // The files of the temporary picture folder.
    int PastedFiles() const
    {
        WIN32_FIND_DATAA data;
        HANDLE hFind = ::FindFirstFileA(Path("\\DATA\\TMPPIC\\*.tmp").c_str(), &data);
        if (hFind == INVALID_HANDLE_VALUE)
            return 0;
        int nFiles = 0;
        do {
            ++nFiles;
        } while (::FindNextFileA(hFind, &data));
        ::FindClose(hFind);
        return nFiles;
    }

    LRESULT Draw(const std::string& name, MemoryCanvas& canvas, int nStretch)
    {
        CRect rect(0, 0, canvas.width(), canvas.height());
        tagDRAWPICTURE request = {CDC::FromHandle(canvas.dc()), &rect, &nStretch};
        return Send(MsgDrawPicture, name, reinterpret_cast<LPARAM>(&request));
    }
};

TEST_F(FramePictureTest, CopyPutsTheFilesDibAndItsNameOnTheClipboard)
{
    const std::string dib = SolidDib(3, 2, RGB(200, 10, 10));
    const std::string path = Path("\\red.bmp");
    WriteFileBytes(path, BmpFile(dib, 54));
    EXPECT_EQ(0, Send(MsgCopyPicture, path));
    EXPECT_EQ(dib, ClipboardBytes(Frame()->m_hWnd, CF_DIB));
    std::string name = path;
    name.resize(MIRT_PICTURE_PATH, '\0');
    EXPECT_EQ(name, ClipboardBytes(Frame()->m_hWnd, PictureNameFormat()));
    EXPECT_EQ(PictureNameFormat(), Frame()->m_cfPicture);
}

// The file's own length counts, not its header's size field. A file whose
// headers do not fit its bytes is never taken as it stands: it is refused,
// leaving the clipboard as it was, or taken through the converter, whose
// BMP then goes to the clipboard.
TEST_F(FramePictureTest, CopyTakesTheRealLengthAndRefusesHeadersBeyondTheFile)
{
    const std::string dib = SolidDib(3, 2, RGB(10, 200, 10));
    std::string sizeTooLarge = BmpFile(dib, 54);
    sizeTooLarge.replace(2, 4, "\xFF\xFF\x00\x00", 4);
    std::string truncated = BmpFile(dib, 54);
    truncated.resize(truncated.size() - 5);
    std::string hugeHeader = BmpFile(dib, 54);
    hugeHeader.replace(14, 4, "\xF0\xFF\xFF\xFF", 4);
    std::string offsetBeyond = BmpFile(dib, 54);
    offsetBeyond.replace(10, 4, "\x00\x10\x00\x00", 4);
    DibHeader manyColours = Header(2, 2, 8);
    manyColours.nUsed = 300;
    const std::string tooManyColours = BmpFile(manyColours.Bytes() + Pattern(300 * 4 + 8), 54 + 300 * 4);
    struct Case
    {
        const char* pszName;
        std::string file;
        bool bTakenAsItIs;
    };
    const Case cases[] = {
        {"size field too large", sizeTooLarge, true},
        {"truncated rows", truncated, false},
        {"huge information header", hugeHeader, false},
        {"pixels beyond the file", offsetBeyond, false},
        {"more colours than 8 bits have", tooManyColours, false},
        {"no picture", "GIF89a" + Pattern(100), false},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string path = Path(("\\case" + std::to_string(n++) + ".bmp").c_str());
        WriteFileBytes(path, c.file);
        SetClipboardBytes(Frame()->m_hWnd, CF_TEXT, std::string("keep", 5));
        EXPECT_EQ(0, Send(MsgCopyPicture, path)) << c.pszName;
        CObject* pObject = nullptr;
        const std::string clip = ClipboardBytes(Frame()->m_hWnd, CF_DIB);
        if (!Frame()->m_mapPictures.Lookup(path.c_str(), pObject)) {
            EXPECT_FALSE(c.bTakenAsItIs) << c.pszName;
            EXPECT_EQ("(none)", clip) << c.pszName;
            EXPECT_EQ(std::string("keep", 5), ClipboardBytes(Frame()->m_hWnd, CF_TEXT)) << c.pszName;
            continue;
        }
        const CString strTempBmp = static_cast<PictureCacheEntry*>(pObject)->m_strTempBmp;
        EXPECT_EQ(c.bTakenAsItIs, strTempBmp.IsEmpty()) << c.pszName;
        const std::string source = c.bTakenAsItIs ? c.file : ReadFileBytes(std::string(strTempBmp));
        EXPECT_EQ(source.substr(14), clip) << c.pszName;
    }
    CObject* pNoPicture = nullptr;
    EXPECT_FALSE(Frame()->m_mapPictures.Lookup(Path("\\case5.bmp").c_str(), pNoPicture)) << "no picture at all";
}

TEST_F(FramePictureTest, PasteWritesTheDibAsABmpFileOfTheTemporaryPictureFolder)
{
    DibHeader eightBits = Header(2, 2, 8);
    eightBits.nUsed = 3;
    DibHeader largerHeader = Header(5, 2, 4);
    largerHeader.nInfoSize = 108;
    DibHeader withImageSize = Header(3, 2, 24);
    withImageSize.nImageSize = 32;   // rows of 12 bytes and 8 more
    struct Case
    {
        const char* pszName;
        std::string dib;
        DWORD nPixelOffset;
        size_t nSlack;   // block bytes past the picture
    };
    const Case cases[] = {
        {"24 bits, rows padded to 4 bytes", SolidDib(3, 2, RGB(1, 2, 3)), 54, 0},
        {"24 bits, top-down", Header(3, -2, 24).Bytes() + Pattern(24), 54, 0},
        {"8 bits, 3 colours used", eightBits.Bytes() + Pattern(12 + 8), 54 + 12, 7},
        {"1 bit, the whole colour table", Header(9, 3, 1).Bytes() + Pattern(8 + 12), 54 + 8, 0},
        {"4 bits, a larger header", largerHeader.Bytes() + Pattern(64 + 8), 14 + 108 + 64, 0},
        {"24 bits, the header's image size", withImageSize.Bytes() + Pattern(32), 54, 3},
    };
    for (const Case& c : cases) {
        SetClipboardBytes(Frame()->m_hWnd, CF_DIB, c.dib + std::string(c.nSlack, 'x'));
        const std::string path = Paste();
        const std::string folder = Path("\\DATA\\TMPPIC\\clp");
        EXPECT_EQ(folder, path.substr(0, folder.size())) << c.pszName;
        EXPECT_EQ(BmpFile(c.dib, c.nPixelOffset), ReadFileBytes(path)) << c.pszName;
        MemoryCanvas canvas(10, 10);
        EXPECT_EQ(1, Draw(path, canvas, 1)) << c.pszName << ": cached";
    }
}

TEST_F(FramePictureTest, PasteRefusesHostileBitmapHeadersAndLeavesNoFile)
{
    DibHeader compressed = Header(4, 2, 8);
    compressed.nCompression = BI_RLE8;
    DibHeader headerBeyond = Header(2, 2, 24);
    headerBeyond.nInfoSize = 4000;
    DibHeader coreHeader = Header(2, 2, 24);
    coreHeader.nInfoSize = 12;
    DibHeader manyColours = Header(2, 2, 8);
    manyColours.nUsed = 257;
    DibHeader imageSizeBeyond = Header(2, 2, 24);
    imageSizeBeyond.nImageSize = 0x7FFFFFF0;
    DibHeader imageSizeShort = Header(3, 2, 24);
    imageSizeShort.nImageSize = 12;
    struct Case
    {
        const char* pszName;
        std::string block;
    };
    const Case cases[] = {
        {"run-length compressed", compressed.Bytes() + Pattern(1024 + 16)},
        {"16 bits", Header(2, 2, 16).Bytes() + Pattern(8)},
        {"header larger than the block", headerBeyond.Bytes().substr(0, 40) + Pattern(64)},
        {"header smaller than 40 bytes", coreHeader.Bytes() + Pattern(16)},
        {"more colours than 8 bits have", manyColours.Bytes() + Pattern(257 * 4 + 8)},
        {"image size beyond the block", imageSizeBeyond.Bytes() + Pattern(16)},
        {"image size short of the rows", imageSizeShort.Bytes() + Pattern(24)},
        {"rows beyond the block", Header(4, 100000, 24).Bytes() + Pattern(48)},
        {"width 0", Header(0, 2, 24).Bytes() + Pattern(8)},
        {"width beyond any block", Header(0x7FFFFFFF, 1, 24).Bytes() + Pattern(8)},
        {"height 0", Header(2, 0, 24).Bytes() + Pattern(8)},
        {"block shorter than a header", Header(2, 2, 24).Bytes().substr(0, 24)},
    };
    for (const Case& c : cases) {
        SetClipboardBytes(Frame()->m_hWnd, CF_DIB, c.block);
        EXPECT_EQ("", Paste()) << c.pszName;
        EXPECT_EQ(0, PastedFiles()) << c.pszName;
    }
    SetClipboardBytes(Frame()->m_hWnd, CF_TEXT, std::string("text", 5));
    EXPECT_EQ("", Paste()) << "no picture on the clipboard";
}

TEST_F(FramePictureTest, PastedPictureGoesWithTheNextFormLoad)
{
    SetClipboardBytes(Frame()->m_hWnd, CF_DIB, SolidDib(2, 2, RGB(5, 6, 7)));
    const std::string path = Paste();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(1, PastedFiles());
    Doc()->UpdateAllViews(nullptr, 0);
    m_app.PumpPending();
    EXPECT_EQ(0, PastedFiles());
    MemoryCanvas canvas(10, 10);
    EXPECT_EQ(0, Draw(path, canvas, 0)) << "the cache is empty";
}

// Drawing combines the picture with what lies beneath by AND: red over green
// gives black.
TEST_F(FramePictureTest, PicturesAreDrawnFittedOrStretchedOverWhatLiesBeneath)
{
    const std::string path = Path("\\wide.bmp");
    WriteFileBytes(path, BmpFile(SolidDib(2, 1, RGB(255, 0, 0)), 54));
    MemoryCanvas unknown(40, 40, RGB(0, 255, 0));
    EXPECT_EQ(0, Draw(path, unknown, 0)) << "not loaded yet";
    EXPECT_EQ(0, unknown.countInked(CRect(0, 0, 40, 40)));
    EXPECT_EQ(1, Send(MsgSetPicture, path));
    for (int nStretch : {0, 1}) {
        MemoryCanvas canvas(40, 40, RGB(0, 255, 0));
        EXPECT_EQ(1, Draw(path, canvas, nStretch));
        EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(20, 20)) << nStretch;
        EXPECT_EQ(nStretch ? RGB(0, 0, 0) : RGB(0, 255, 0), canvas.pixel(20, 3)) << nStretch;
        EXPECT_EQ(nStretch ? RGB(0, 0, 0) : RGB(0, 255, 0), canvas.pixel(20, 36)) << nStretch;
    }
    EXPECT_EQ(0, Send(MsgSetPicture, Path("\\missing.bmp")));
}

TEST_F(FramePictureTest, JpegPictureIsCopiedAsItsConvertedBmpUnderItsOwnName)
{
    const std::string path = Path("\\redblue.jpg");
    WriteBytes(path, kRedBlueJpeg, kRedBlueJpegSize);
    EXPECT_EQ(0, Send(MsgCopyPicture, path));
    const std::string dib = ClipboardBytes(Frame()->m_hWnd, CF_DIB);
    ASSERT_GE(dib.size(), 40u);
    LONG width = 0;
    LONG height = 0;
    std::memcpy(&width, dib.data() + 4, 4);
    std::memcpy(&height, dib.data() + 8, 4);
    EXPECT_EQ(40, width);
    EXPECT_EQ(20, std::abs(height));
    EXPECT_EQ(path, ClipboardBytes(Frame()->m_hWnd, PictureNameFormat()).c_str());

    CObject* pObject = nullptr;
    ASSERT_TRUE(Frame()->m_mapPictures.Lookup(path.c_str(), pObject));
    const CString strTempBmp = static_cast<PictureCacheEntry*>(pObject)->m_strTempBmp;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strTempBmp));
    Frame()->ClearPictureCache();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strTempBmp));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str())) << "the picture's own file stays";
}

TEST_F(FramePictureTest, RequestsWithoutAViewAreAnsweredWithMinusOne)
{
    const std::string path = Path("\\green.bmp");
    WriteFileBytes(path, BmpFile(SolidDib(2, 2, RGB(0, 255, 0)), 54));
    CMainFrame* pBare = new CMainFrame;
    ASSERT_TRUE(pBare->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    char szPath[MIRT_PICTURE_PATH] = {};
    for (UINT nMessage : {MsgCopyPicture, MsgDrawPicture, MsgSetPicture})
        EXPECT_EQ(-1, pBare->SendMessage(nMessage, reinterpret_cast<WPARAM>(path.c_str()))) << nMessage;
    EXPECT_EQ(-1, pBare->SendMessage(MsgPastePicture, reinterpret_cast<WPARAM>(szPath)));
    EXPECT_TRUE(pBare->m_mapPictures.IsEmpty());
    pBare->DestroyWindow();
}

}  // namespace
