#include "zeb_fixtures.h"

#include <cstring>

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "library/startup.h"
#include "zeb95.h"

void LibraryStarted::SetUpTestSuite()
{
    ASSERT_TRUE(LibraryAttach(::GetModuleHandleA(nullptr)));
}

void LibraryStarted::TearDownTestSuite()
{
    LibraryDetach();
}

namespace {

template <class T>
void Put(std::vector<BYTE>* pOut, T value)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&value);
    pOut->insert(pOut->end(), p, p + sizeof(T));
}

DWORD TableEntries(const BmpFixture& f)
{
    if (f.nTableEntries >= 0)
        return static_cast<DWORD>(f.nTableEntries);
    return f.dwClrUsed != 0 ? f.dwClrUsed : DibColorsOfBitCount(f.wBitCount);
}

}  // namespace

std::vector<BYTE> FixtureBits(const BmpFixture& f)
{
    const size_t cb = f.nBitsBytes >= 0    ? static_cast<size_t>(f.nBitsBytes)
                      : f.dwSizeImage != 0 ? f.dwSizeImage
                                         : static_cast<size_t>(DibStride(f.nWidth, f.wBitCount) *
                                                               static_cast<UINT64>(f.nHeight < 0 ? -f.nHeight : f.nHeight));
    std::vector<BYTE> bits(cb);
    for (size_t i = 0; i < cb; ++i)
        bits[i] = static_cast<BYTE>(i * 7 + 1);
    return bits;
}

std::vector<BYTE> BuildBmp(const BmpFixture& f)
{
    const bool bCore = f.dwHeaderSize == 12;
    const DWORD nEntries = TableEntries(f);
    const DWORD cbTable = nEntries * (bCore ? 3 : 4);
    std::vector<BYTE> out;
    if (f.bFileHeader) {
        Put<WORD>(&out, 0x4D42);
        Put<DWORD>(&out, 0);  // size, patched below
        Put<DWORD>(&out, 0);
        Put<DWORD>(&out, 14 + f.dwHeaderSize + cbTable);
    }
    if (bCore) {
        Put<DWORD>(&out, 12);
        Put<WORD>(&out, static_cast<WORD>(f.nWidth));
        Put<WORD>(&out, static_cast<WORD>(f.nHeight));
        Put<WORD>(&out, 1);
        Put<WORD>(&out, f.wBitCount);
    } else {
        Put<DWORD>(&out, f.dwHeaderSize);
        Put<LONG>(&out, f.nWidth);
        Put<LONG>(&out, f.nHeight);
        Put<WORD>(&out, 1);
        Put<WORD>(&out, f.wBitCount);
        Put<DWORD>(&out, f.dwCompression);
        Put<DWORD>(&out, f.dwSizeImage);
        Put<LONG>(&out, 2835);
        Put<LONG>(&out, 2835);
        Put<DWORD>(&out, f.dwClrUsed);
        Put<DWORD>(&out, 0);
        out.resize(out.size() + (f.dwHeaderSize > 40 ? f.dwHeaderSize - 40 : 0));
    }
    for (DWORD i = 0; i < nEntries; ++i) {
        out.push_back(static_cast<BYTE>(i));        // blue
        out.push_back(static_cast<BYTE>(255 - i));  // green
        out.push_back(static_cast<BYTE>(i * 3));    // red
        if (!bCore)
            out.push_back(0);
    }
    const std::vector<BYTE> bits = FixtureBits(f);
    out.insert(out.end(), bits.begin(), bits.end());
    if (f.bFileHeader) {
        const DWORD cbFile = static_cast<DWORD>(out.size());
        std::memcpy(out.data() + 2, &cbFile, sizeof(cbFile));
    }
    out.resize(out.size() - f.cbCut);
    return out;
}

std::string WriteBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD cb = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cb, nullptr);
    ::CloseHandle(h);
    return path;
}

std::vector<BYTE> ReadBytes(const std::string& path)
{
    std::vector<BYTE> bytes;
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(::GetFileSize(h, nullptr));
    DWORD cb = 0;
    ::ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cb, nullptr);
    ::CloseHandle(h);
    return bytes;
}

bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HGLOBAL MakeScreenDib(int nWidth, int nHeight)
{
    HDC hdc = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdc, nWidth, nHeight);
    ::ReleaseDC(nullptr, hdc);
    HGLOBAL hDib = BitmapToDib(hBitmap, 24, nullptr, FALSE);
    ::DeleteObject(hBitmap);
    return hDib;
}

std::vector<BYTE> BlockBytes(HGLOBAL hMem)
{
    const BYTE* p = static_cast<const BYTE*>(::GlobalLock(hMem));
    std::vector<BYTE> bytes(p, p + ::GlobalSize(hMem));
    ::GlobalUnlock(hMem);
    return bytes;
}

HBITMAP FilledBitmap(int nWidth, int nHeight, COLORREF cr)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    HDC hdc = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    HBRUSH hBrush = ::CreateSolidBrush(cr);
    RECT rc = {0, 0, nWidth, nHeight};
    ::FillRect(hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return hBitmap;
}

HGLOBAL MakeSolidDib(int nWidth, int nHeight, COLORREF cr)
{
    HBITMAP hBitmap = FilledBitmap(nWidth, nHeight, cr);
    HGLOBAL hDib = BitmapToDib(hBitmap, 24, nullptr, FALSE);
    ::DeleteObject(hBitmap);
    return hDib;
}

LOGFONTA TestFont(LONG nHeight, const char* pszFace)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfCharSet = ANSI_CHARSET;
    ::lstrcpyA(lf.lfFaceName, pszFace);
    return lf;
}

namespace {

const char kSolidChildClass[] = "ZebTestSolidChild";

LRESULT CALLBACK SolidChildProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC hdc = wParam != 0 ? reinterpret_cast<HDC>(wParam) : ::BeginPaint(hwnd, &ps);
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        HBRUSH hBrush = ::CreateSolidBrush(static_cast<COLORREF>(::GetWindowLongPtrA(hwnd, 0)));
        ::FillRect(hdc, &rc, hBrush);
        ::DeleteObject(hBrush);
        if (wParam == 0)
            ::EndPaint(hwnd, &ps);
        return 0;
    }
    if (uMsg == WM_ERASEBKGND)
        return 1;
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

}  // namespace

HWND CreateSolidChild(HWND hParent, const RECT& rc, DWORD dwStyle, COLORREF cr)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = SolidChildProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kSolidChildClass;
    ::RegisterClassA(&wc);
    HWND hwnd = ::CreateWindowExA(0, kSolidChildClass, "", WS_CHILD | dwStyle, rc.left, rc.top, rc.right - rc.left,
                                  rc.bottom - rc.top, hParent, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(hwnd, 0, static_cast<LONG_PTR>(cr));
    return hwnd;
}

TestParent::TestParent()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZebTestParent";
    ::RegisterClassA(&wc);
    m_hwnd = ::CreateWindowExA(0, "ZebTestParent", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                               nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TestParent::~TestParent() { ::DestroyWindow(m_hwnd); }

LRESULT CALLBACK TestParent::Proc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TestParent*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (uMsg == MsgZebCmd && self != nullptr) {
        const int nCode = HIWORD(wParam);
        self->received.push_back({nCode, LOWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return nCode == self->nConsumeCode ? 1 : 0;
    }
    if (uMsg == WM_COMMAND && self != nullptr)
        return self->commandReply;
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

std::vector<int> Codes(const TestParent& parent)
{
    std::vector<int> codes;
    for (const auto& r : parent.received)
        codes.push_back(r.nCode);
    return codes;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

HWND CreatePlainWhiteBoard(HWND hParent)
{
    ZebWbCreateInfo info = {};
    info.hParent = hParent;
    info.cx = 300;
    info.cy = 200;
    return zebCreateWhiteBoard(&info);
}

void OnWhiteBoard::SetUp()
{
    m_hWb = CreatePlainWhiteBoard(m_parent.Hwnd());
    Pump();
}

void OnWhiteBoard::TearDown()
{
    zebDestroyWhiteBoard(m_hWb);
    Pump();
}

RECT RectInParent(HWND hwnd)
{
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

ClientImage::ClientImage(HWND hwnd)
{
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.right, -rc.bottom, 1, 32, BI_RGB};
    m_hdc = ::CreateCompatibleDC(nullptr);
    m_hBitmap = ::CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
    m_hOld = ::SelectObject(m_hdc, m_hBitmap);
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    ::SendMessageA(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(m_hdc), 0);
    ::GdiFlush();
}

ClientImage::~ClientImage()
{
    ::SelectObject(m_hdc, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hdc);
}

COLORREF ClientImage::At(int x, int y) const
{
    const DWORD dw = m_pBits[y * m_nWidth + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

bool ClientImage::AnyWhere(const RECT& rc, COLORREF cr, bool bEqual) const
{
    for (int y = rc.top < 0 ? 0 : rc.top; y < rc.bottom && y < m_nHeight; ++y) {
        for (int x = rc.left < 0 ? 0 : rc.left; x < rc.right && x < m_nWidth; ++x) {
            if ((At(x, y) == cr) == bEqual)
                return true;
        }
    }
    return false;
}

bool ClientImage::AnyBut(const RECT& rc, COLORREF cr) const { return AnyWhere(rc, cr, false); }

bool ClientImage::Any(const RECT& rc, COLORREF cr) const { return AnyWhere(rc, cr, true); }
