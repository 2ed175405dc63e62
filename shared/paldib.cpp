#include "paldib.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "lebytes.h"

IMPLEMENT_SERIAL(CPalDIB, CObject, 1)

namespace {

const int kFileHeaderSize = 14;
const int kInfoHeaderSize = 40;
const int kMaxPaletteEntries = 256;
// Unpacked bytes that a run-length picture may come to: per stored byte,
// and besides.
const LONGLONG kRunLengthRatio = 128;
const LONGLONG kRunLengthSlack = 65536;

// Bytes of colour table (and of the colour masks of a 40-byte header) that
// the information header asks for; -1 for a kind GDI does not draw.
LONGLONG ColourBytesNeeded(const BYTE* pBits)
{
    const WORD bitCount = LeWord(pBits + 28);
    const DWORD compression = LeDword(pBits + 30);
    const LONGLONG nUsed = LeDword(pBits + 46);
    const bool bRgb = compression == BI_RGB;
    const bool bKnown = (bRgb && (bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                                     bitCount == 24 || bitCount == 32)) ||
                        (compression == BI_RLE8 && bitCount == 8) || (compression == BI_RLE4 && bitCount == 4) ||
                        (compression == BI_BITFIELDS && (bitCount == 16 || bitCount == 32));
    if (!bKnown)
        return -1;
    LONGLONG nEntries = nUsed;
    if (bitCount <= 8) {
        const LONGLONG nMax = 1LL << bitCount;
        if (nUsed > nMax)
            return -1;
        nEntries = nUsed == 0 ? nMax : nUsed;
    }
    const LONGLONG nMasks = compression == BI_BITFIELDS && LeDword(pBits + 14) == kInfoHeaderSize ? 12 : 0;
    return nMasks + nEntries * static_cast<LONGLONG>(sizeof(RGBQUAD));
}

// The pixel rows fit in nAvailable bytes: whole rows of the width, or the
// stored size of compressed rows.
bool PixelsFit(const BYTE* pBits, LONGLONG nAvailable)
{
    const LONGLONG width = LeLong(pBits + 18);
    const LONGLONG height = LeLong(pBits + 22);
    const DWORD compression = LeDword(pBits + 30);
    const LONGLONG rowBytes = (width * LeWord(pBits + 28) + 31) / 32 * 4;
    const LONGLONG rows = height < 0 ? -height : height;
    if (compression == BI_RLE8 || compression == BI_RLE4) {
        // Stored bottom-up only; GDI unpacks the whole picture, which runs
        // of at most 255 pixels per two bytes bound by the stored size.
        const LONGLONG stored = LeDword(pBits + 34);
        return height >= 0 && stored <= nAvailable &&
               (rowBytes == 0 || rows <= (kRunLengthRatio * stored + kRunLengthSlack) / rowBytes);
    }
    return rowBytes == 0 || rows <= nAvailable / rowBytes;
}

// The bytes hold a whole BMP file that GDI can draw: signature, headers,
// colour table and pixel rows all lie within them. Every size is taken in
// 64 bits against the bytes there are.
bool IsWholeBmp(const BYTE* pBits, int nBytes)
{
    if (nBytes < kFileHeaderSize + kInfoHeaderSize || pBits[0] != 'B' || pBits[1] != 'M')
        return false;
    const LONGLONG infoSize = LeDword(pBits + 14);
    const LONGLONG pixelOffset = LeDword(pBits + 10);
    if (infoSize < kInfoHeaderSize || pixelOffset > nBytes || LeWord(pBits + 26) != 1)
        return false;
    if (LeLong(pBits + 18) < 0 || LeLong(pBits + 22) == INT_MIN)
        return false;
    const LONGLONG colourBytes = ColourBytesNeeded(pBits);
    if (colourBytes < 0 || kFileHeaderSize + infoSize + colourBytes > pixelOffset)
        return false;
    return PixelsFit(pBits, nBytes - pixelOffset);
}

bool IsWindowsNT()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return ::GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The outside JPEG converter: (JPEG path, BMP path, 0x8001, 0), nonzero when
// the BMP file was written.
typedef int(WINAPI* JPEG_TO_BMP)(LPCSTR lpszJpegPath, LPCSTR lpszBmpPath, DWORD dwFlags, DWORD dwReserved);

BOOL RunJpegConverter(LPCSTR lpszJpegPath, LPCSTR lpszBmpPath)
{
    HMODULE hConverter = ::LoadLibraryA("Kestrin95.dll");
    if (hConverter == nullptr)
        return FALSE;
    const auto pfnConvert = reinterpret_cast<JPEG_TO_BMP>(
        reinterpret_cast<void*>(::GetProcAddress(hConverter, MAKEINTRESOURCEA(2))));
    const BOOL bWritten = pfnConvert != nullptr && pfnConvert(lpszJpegPath, lpszBmpPath, 0x8001, 0) != 0;
    ::FreeLibrary(hConverter);
    return bWritten;
}

}  // namespace

CPalDIB::CPalDIB()
    : m_pBits(nullptr), m_nBytes(0), m_nWidth(1), m_nHeight(1), m_bReadFailed(0), m_dScale(100.0), m_rcTarget()
{
}

CPalDIB::~CPalDIB()
{
    FreeBits();
}

void CPalDIB::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        WriteBmp(ar);
    else
        m_bReadFailed = ReadBmp(ar) ? 0 : 1;
}

int CPalDIB::ReadBmp(CArchive& ar)
{
    ar.Flush();
    CFile* pFile = ar.GetFile();
    const DWORD dwLength = pFile->GetLength();
    FreeBits();
    std::unique_ptr<BYTE[]> pBits(dwLength <= static_cast<DWORD>(INT_MAX) ? new (std::nothrow) BYTE[dwLength] : nullptr);
    if (pBits == nullptr) {
        AfxMessageBox("画像ファイルが大きすぎてメモリ確保できませんでした｡\n起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。");
        return 0;
    }
    const UINT nRead = pFile->Read(pBits.get(), dwLength);
    if (nRead != dwLength || !IsWholeBmp(pBits.get(), static_cast<int>(dwLength)))
        return 0;
    return TakeBits(pBits.release(), static_cast<int>(dwLength));
}

BOOL CPalDIB::ReadFile(LPCSTR lpszPath)
{
    m_bReadFailed = 1;
    try {
        CFile file(lpszPath, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, 4096);
        Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
    }
    return !m_bReadFailed;
}

int CPalDIB::WriteBmp(CArchive& ar)
{
    ar.Flush();
    if (m_pBits != nullptr)
        ar.GetFile()->Write(m_pBits, static_cast<UINT>(m_nBytes));
    return 1;
}

int CPalDIB::ConvertToTempBmp(CString& strBmpPath, LPCSTR lpszJpegPath)
{
    char szFolder[MAX_PATH];
    char szPath[MAX_PATH];
    if (::GetTempPathA(MAX_PATH, szFolder) == 0 || ::GetTempFileNameA(szFolder, "bmp", 0, szPath) == 0)
        return 0;
    if (!RunJpegConverter(lpszJpegPath, szPath)) {
        ::DeleteFileA(szPath);
        return 0;
    }
    strBmpPath = szPath;
    return 1;
}

void CPalDIB::Draw(CDC* pDC)
{
    if (pDC == nullptr || IsEmpty())
        return;
    m_palette.DeleteObject();
    DrawInto(pDC, FitTarget(), CreateDibPalette(&m_palette), HALFTONE, SRCCOPY);
}

void CPalDIB::Draw(CDC* pDC, int nMode)
{
    if (pDC == nullptr || IsEmpty())
        return;
    const CRect rect = nMode == DRAW_STRETCHED ? CRect(m_rcTarget) : FitTarget();
    m_palette.DeleteObject();
    DrawInto(pDC, rect, CreateDibPalette(&m_palette), HALFTONE, SRCAND);
}

void CPalDIB::DrawCopy(CDC* pDC)
{
    if (pDC == nullptr || IsEmpty())
        return;
    m_palette.DeleteObject();
    DrawInto(pDC, FitTarget(), CreateScreenHalftonePalette(&m_palette), BLACKONWHITE, SRCCOPY);
}

CRect CPalDIB::FitTarget()
{
    const int w = m_rcTarget.right - m_rcTarget.left;
    const int h = m_rcTarget.bottom - m_rcTarget.top;
    const int nHeight = std::abs(m_nHeight);   // a top-down picture's is negative
    m_dScale = 100.0;
    if (m_nWidth > 0 && nHeight > 0)
        m_dScale = std::min(static_cast<double>(w) / m_nWidth, static_cast<double>(h) / nHeight) * 100.0;
    const double cx = m_nWidth * m_dScale / 100.0;
    const double cy = nHeight * m_dScale / 100.0;
    const int x = static_cast<int>(m_rcTarget.left + (w - cx) / 2);
    const int y = static_cast<int>(m_rcTarget.top + (h - cy) / 2);
    return CRect(CPoint(x, y), CSize(static_cast<int>(cx), static_cast<int>(cy)));
}

void CPalDIB::DrawInto(CDC* pDC, const CRect& rect, BOOL bPalette, int nStretchMode, DWORD dwRop)
{
    CPalette* pOldPalette = nullptr;
    if (bPalette) {
        pOldPalette = pDC->SelectPalette(&m_palette, FALSE);
        pDC->RealizePalette();
    }
    const int nOldMode = pDC->SetStretchBltMode(nStretchMode);
    ::StretchDIBits(pDC->m_hDC, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, m_nWidth,
        std::abs(m_nHeight), GetPixels(), GetInfo(), DIB_RGB_COLORS, dwRop);
    if (nOldMode != 0)
        pDC->SetStretchBltMode(nOldMode);
    if (pOldPalette != nullptr)
        pDC->SelectPalette(pOldPalette, TRUE);
}

BOOL CPalDIB::CreateDibPalette(CPalette* pPalette) const
{
    RGBQUAD table[kMaxPaletteEntries];
    const int nEntries = IsWindowsNT() ? 0 : GetColorTable(table, kMaxPaletteEntries);
    if (nEntries == 0)
        return CreateScreenHalftonePalette(pPalette);
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + nEntries * sizeof(PALETTEENTRY));
    LOGPALETTE* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = static_cast<WORD>(nEntries);
    for (int i = 0; i < nEntries; i++)
        pLog->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    return pPalette->CreatePalette(pLog);
}

BOOL CPalDIB::CreateScreenHalftonePalette(CPalette* pPalette)
{
    HDC hScreen = ::GetDC(nullptr);
    HPALETTE hHalftone = ::CreateHalftonePalette(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    return hHalftone != nullptr && pPalette->Attach(hHalftone);
}

int CPalDIB::GetColorTable(RGBQUAD* pEntries, int nMax) const
{
    if (IsEmpty())
        return 0;
    const WORD bitCount = LeWord(m_pBits + 28);
    int nWanted = LeLong(m_pBits + 46);   // colours used
    if (nWanted == 0 && bitCount <= 8)
        nWanted = 1 << bitCount;
    const BYTE* pTable = m_pBits + kFileHeaderSize + LeLong(m_pBits + 14);
    const int nStored = static_cast<int>((GetPixels() - pTable) / sizeof(RGBQUAD));
    const int nEntries = std::max(0, std::min({nWanted, nStored, nMax}));
    std::memcpy(pEntries, pTable, nEntries * sizeof(RGBQUAD));
    return nEntries;
}

void CPalDIB::Empty()
{
    FreeBits();
    m_dScale = 100.0;
    m_rcTarget = RECT();
}

void CPalDIB::FreeBits()
{
    delete[] m_pBits;
    m_pBits = nullptr;
    m_nBytes = 0;
}

BOOL CPalDIB::TakeBits(BYTE* pBits, int nBytes)
{
    m_pBits = pBits;
    m_nBytes = nBytes;
    m_nWidth = LeLong(pBits + 18);
    m_nHeight = LeLong(pBits + 22);
    return TRUE;
}

const BITMAPINFO* CPalDIB::GetInfo() const
{
    return reinterpret_cast<const BITMAPINFO*>(m_pBits + kFileHeaderSize);
}

const BYTE* CPalDIB::GetPixels() const
{
    return m_pBits + LeLong(m_pBits + 10);
}
