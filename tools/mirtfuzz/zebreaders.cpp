#include "zebreaders.h"

#include <stdexcept>
#include <utility>

#include "docreaders.h"
#include "fuzzfiles.h"
#include "mediareaders.h"
#include "zeb95.h"

namespace {

// An 8-bit 4 x 2 BMP file of four colours.
std::string SmallBmp()
{
    std::string b = "BM";
    auto put = [&b](unsigned long v, int n) {
        for (int i = 0; i < n; i++)
            b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put(14 + 40 + 16 + 8, 4);
    put(0, 4);
    put(14 + 40 + 16, 4);
    for (unsigned long v : {40UL, 4UL, 2UL})
        put(v, 4);
    put(1, 2);
    put(8, 2);
    for (unsigned long v : {0UL, 8UL, 2835UL, 2835UL, 4UL, 0UL})
        put(v, 4);
    for (unsigned long v : {0x0000FFUL, 0x00FF00UL, 0xFF0000UL, 0xFFFFFFUL})
        put(v, 4);
    put(0x03020100UL, 4);
    put(0x00010203UL, 4);
    return b;
}

// A hidden top-level window with a whiteboard on it, which may hold text
// items, a bitmap item's worth of picture, a picture and a line.
class FuzzBoard
{
public:
    explicit FuzzBoard(bool bFilled)
    {
        m_hParent = CreateFuzzParent();
        m_hWb = CreateFuzzWhiteBoard(m_hParent);
        if (m_hWb == nullptr)
            throw std::runtime_error("no whiteboard");
        if (bFilled)
            Fill();
    }
    ~FuzzBoard() { ::DestroyWindow(m_hParent); }
    FuzzBoard(const FuzzBoard&) = delete;
    FuzzBoard& operator=(const FuzzBoard&) = delete;

    HWND Wb() const { return m_hWb; }

    // The whiteboard as a block file with its objects' data.
    std::string Stored() const
    {
        const std::string path = TempFile("zwb");
        if (zebWriteWhiteBoard(m_hWb, path.c_str(), 2, nullptr, nullptr) < 0)
            throw std::logic_error("a whiteboard that was read cannot be written");
        return FileText(path);
    }

private:
    void Fill()
    {
        LOGFONTA lf = {};
        lf.lfHeight = 14;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        const POINT pt1 = {4, 8}, pt2 = {40, 8};
        zebAddText(m_hWb, "山田\n太郎", &lf, &pt1, FALSE);
        zebAddText(m_hWb, "second\f", &lf, &pt2, TRUE);
        const std::string bmp = TempFile("bmp");
        PutFile(bmp, SmallBmp());
        ZebPicCreateInfo pic = {};
        pic.dwMask = ZEBPIC_FILE | ZEBPIC_BKCOLOR;
        pic.x = 20;
        pic.y = 30;
        pic.cx = 40;
        pic.cy = 20;
        pic.crBack = RGB(1, 2, 3);
        pic.pszFile = bmp.c_str();
        zebCreateObjPic(m_hWb, &pic, nullptr);
        ::DeleteFileA(bmp.c_str());
        ZebLineCreateInfo line = {};
        line.dwMask = ZEBLINE_DRAWFORM | ZEBLINE_DRAWWIDTH;
        line.x = 10;
        line.y = 60;
        line.cx = 80;
        line.cy = 4;
        line.wDrawForm = ZEBLINE_TOP | ZEBLINE_BOTTOM;
        line.nDrawWidth = 2;
        zebCreateObjLine(m_hWb, &line, nullptr);
        zebSetObjText(m_hWb, 16, 0, "picture");
        zebSetObjText(m_hWb, 128, 0, "line");
    }

    HWND m_hParent;
    HWND m_hWb;
};

void Refused(const FuzzBoard& board, const std::string& before, const char* pszWhat)
{
    if (board.Stored() != before)
        throw std::logic_error(pszWhat);
    AfxThrowArchiveException(CArchiveException::generic);
}

// What was read, written and read into an empty whiteboard, writes the
// same bytes (but for the given names of movie and sound blocks).
void CheckBoardRoundTrip(const FuzzBoard& board)
{
    const std::string first = board.Stored();
    const std::string path = TempFile("zwb2");
    PutFile(path, first);
    FuzzBoard again(false);
    if (zebReadWhiteBoard(again.Wb(), path.c_str(), nullptr, nullptr) < 0 ||
        WithoutGivenNames(again.Stored()) != WithoutGivenNames(first))
        throw std::logic_error("the stored whiteboard does not read back to itself");
}

std::string ObjectFile(const FuzzBoard& board, LONG nKind)
{
    const std::string path = TempFile("zob");
    if (zebWriteObject(board.Wb(), nKind, 0, path.c_str(), 2, nullptr, nullptr) < 0)
        throw std::runtime_error("no object file");
    return FileText(path);
}

void PutWord(std::string& b, size_t at, unsigned long v)
{
    for (int i = 0; i < 4; i++)
        b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

unsigned long WordAt(const std::string& b, size_t at)
{
    unsigned long v = 0;
    for (int i = 3; i >= 0; i--)
        v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// A "WD" block of the small BMP named "dot", at (7, 8).
std::string BmpItemBlock()
{
    const std::string bmp = SmallBmp();
    std::string block = "WD";
    block += static_cast<char>(48);
    block += '\0';
    block += std::string(4 + 44, '\0');
    PutWord(block, 4, static_cast<unsigned long>(bmp.size()));
    for (const auto& w : {std::make_pair(6, 4UL), std::make_pair(7, 7UL), std::make_pair(8, 8UL),
                          std::make_pair(9, 4UL), std::make_pair(10, 2UL)})
        PutWord(block, 8 + 4 * w.first, w.second);
    return block + std::string("dot", 4) + bmp;
}

// A whiteboard of a cursor, its own line-start string, a text item and a
// character line-feed mark as the library writes it, to which the bytes
// add what the interface cannot make: the whiteboard's object text, a
// bitmap item and a form-feed mark that names it.
std::string MarkedWhiteBoard()
{
    HWND hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    ZebWbCreateInfo info = {};
    info.dwMask = ZEBWB_CURSOR | ZEBWB_LINESTART | ZEBWB_FONT | ZEBWB_LINEFEEDMARK;
    info.hParent = hParent;
    info.cx = 300;
    info.cy = 200;
    info.hCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    char szLineStart[] = "、。)";
    info.pszLineStart = szLineStart;
    info.lfTextFont.lfHeight = 14;
    info.lfTextFont.lfCharSet = SHIFTJIS_CHARSET;
    info.wLineFeedCode = 'x';
    HWND hWb = zebCreateWhiteBoard(&info);
    const POINT pt = {4, 8};
    zebAddText(hWb, "A\nB\f", &info.lfTextFont, &pt, FALSE);
    const std::string path = TempFile("zwbm");
    const LONG nWritten = zebWriteWhiteBoard(hWb, path.c_str(), 1, nullptr, nullptr);
    ::DestroyWindow(hParent);
    std::string b = FileText(path);
    if (nWritten <= 0 || b.size() < 8 + 880)
        throw std::runtime_error("no marked whiteboard");
    const unsigned long cbCursor = WordAt(b, 8 + 4 * 82) & 0xFFFF;
    const unsigned long cbLineStart = WordAt(b, 8 + 4 * 86) & 0xFFFF;
    const std::string text("board", 6);
    b.insert(8 + 880 + cbCursor, text);
    PutWord(b, 8 + 4 * 87, (cbCursor << 16) | text.size());
    PutWord(b, 8 + 4 * 86, ((cbCursor + text.size()) << 16) | cbLineStart);
    const unsigned long cbFixed = (static_cast<unsigned char>(b[2]) | (static_cast<unsigned char>(b[3]) << 8)) +
                                  text.size();
    b[2] = static_cast<char>(cbFixed & 0xFF);
    b[3] = static_cast<char>(cbFixed >> 8);
    const unsigned long kFormFeedMark[] = {0, 0xFFFFFFFFUL, 0xFFFFFFFFUL, 4, 2};
    for (int i = 0; i < 5; i++)
        PutWord(b, 8 + 4 * (137 + i), kFormFeedMark[i]);
    return b + BmpItemBlock();
}

}  // namespace

std::vector<std::string> WhiteBoardFileSeeds()
{
    FuzzBoard board(true);
    FuzzBoard empty(false);
    std::vector<std::string> seeds = {board.Stored(), empty.Stored(), MarkedWhiteBoard()};
    for (const std::string& seed : ObjectWhiteBoardSeeds())
        seeds.push_back(seed);
    return seeds;
}

std::vector<std::string> ObjectFileSeeds()
{
    FuzzBoard board(true);
    return {ObjectFile(board, 16), ObjectFile(board, 128)};
}

void RunWhiteBoardFile(const std::string& bytes, CDC&, CDC&)
{
    HoldDevices();
    FuzzBoard board(true);
    const std::string before = board.Stored();
    const std::string path = TempFile("in");
    PutFile(path, bytes);
    if (zebReadWhiteBoard(board.Wb(), path.c_str(), nullptr, nullptr) < 0)
        Refused(board, before, "a refused whiteboard file changed the whiteboard");
    CheckBoardRoundTrip(board);
}

// The file into the existing picture and line, then as a new object of
// each kind; whichever kind takes it is checked by a round trip.
void RunObjectFile(const std::string& bytes, CDC&, CDC&)
{
    FuzzBoard board(true);
    const std::string before = board.Stored();
    const std::string path = TempFile("in");
    PutFile(path, bytes);
    bool bRead = false;
    for (LONG nKind : {16L, 128L}) {
        bRead = zebReadObject(board.Wb(), nKind, 0, path.c_str()) >= 0 || bRead;
        bRead = zebReadObject(board.Wb(), nKind, -1, path.c_str()) >= 0 || bRead;
    }
    if (!bRead)
        Refused(board, before, "a refused object file changed the whiteboard");
    CheckBoardRoundTrip(board);
}
