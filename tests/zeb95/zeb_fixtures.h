// Helpers of the library's tests: the library started for a test suite,
// BMP fixtures built byte by byte, and files of bytes.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// Starts the library's state and classes (for this program's module) for
// the suite and ends them after; the DLL itself stays unloaded.
class LibraryStarted : public testing::Test
{
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
};

// A BMP file or bare DIB: header fields as they are to be stored.
struct BmpFixture
{
    bool bFileHeader = true;
    DWORD dwHeaderSize = 40;  // 40 info, 12 core
    LONG nWidth = 3;
    LONG nHeight = 2;
    WORD wBitCount = 8;
    DWORD dwCompression = BI_RGB;
    DWORD dwClrUsed = 0;
    DWORD dwSizeImage = 0;
    int nTableEntries = -1;  // -1: as the header says
    long long nBitsBytes = -1;  // -1: as the header says
    size_t cbCut = 0;           // bytes cut from the end
};

std::vector<BYTE> BuildBmp(const BmpFixture& f);
// The pixel bytes a fixture carries (a pattern over every byte).
std::vector<BYTE> FixtureBits(const BmpFixture& f);
std::string WriteBytes(const std::string& path, const std::vector<BYTE>& bytes);
std::vector<BYTE> ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
// The locked bytes of a global block, copied.
std::vector<BYTE> BlockBytes(HGLOBAL hMem);
// A 24-bit DIB handle of a screen-compatible bitmap of that size.
HGLOBAL MakeScreenDib(int nWidth, int nHeight);

// A screen-compatible bitmap filled with one colour.
HBITMAP FilledBitmap(int nWidth, int nHeight, COLORREF cr);
// A 24-bit DIB handle (no palette) of one colour.
HGLOBAL MakeSolidDib(int nWidth, int nHeight, COLORREF cr);
// A LOGFONT of the height and face, ANSI character set.
LOGFONTA TestFont(LONG nHeight, const char* pszFace = "Arial");
// A child window that paints its client area in one colour, also into a
// device context given with WM_PAINT, and erases nothing.
HWND CreateSolidChild(HWND hParent, const RECT& rc, DWORD dwStyle, COLORREF cr);

// A top-level window that records every MsgZebCmd it gets and answers with
// the reply set for its code.
class TestParent
{
public:
    struct Received
    {
        int nCode;
        int nIndex;
        HWND hObject;
    };

    TestParent();
    ~TestParent();
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    std::vector<Received> received;
    int nConsumeCode = -1;  // answered 1; everything else 0
    LRESULT commandReply = 0;  // the answer to WM_COMMAND

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd;
};

// The codes of the MsgZebCmd messages a parent received, in order.
std::vector<int> Codes(const TestParent& parent);

// Dispatches every message waiting in the thread's queue.
void Pump();
// A whiteboard of 300 x 200 at (0, 0) made by the export without options.
HWND CreatePlainWhiteBoard(HWND hParent);

// A whiteboard made by CreatePlainWhiteBoard on a test parent for each
// test.
class OnWhiteBoard : public LibraryStarted
{
protected:
    void SetUp() override;
    void TearDown() override;

    TestParent m_parent;
    HWND m_hWb = nullptr;
};

// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND hwnd);

// The whiteboard painted (WM_PAINT with a device context) into a 32-bit
// memory bitmap of its client size.
class ClientImage
{
public:
    explicit ClientImage(HWND hwnd);
    ~ClientImage();
    ClientImage(const ClientImage&) = delete;
    ClientImage& operator=(const ClientImage&) = delete;
    COLORREF At(int x, int y) const;
    // Whether any pixel of the rectangle differs from cr.
    bool AnyBut(const RECT& rc, COLORREF cr) const;
    // Whether any pixel of the rectangle is cr.
    bool Any(const RECT& rc, COLORREF cr) const;

private:
    bool AnyWhere(const RECT& rc, COLORREF cr, bool bEqual) const;

    HDC m_hdc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    DWORD* m_pBits = nullptr;
    int m_nWidth;
    int m_nHeight;
};
