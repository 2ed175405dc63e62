#include "frame/clipdib.h"

#include <climits>
#include <cstring>

#include "globalmem.h"
#include "lebytes.h"

namespace {

const LONGLONG kClipDibFileHeader = 14;
const LONGLONG kClipDibInfoHeader = 40;

// Colour-table entries of an uncompressed picture of that depth; -1 when
// the header asks for more than the depth has.
LONGLONG ClipDibColours(WORD bitCount, LONGLONG nUsed)
{
    if (bitCount > 8)
        return nUsed;
    const LONGLONG nMax = 1LL << bitCount;
    if (nUsed > nMax)
        return -1;
    return nUsed == 0 ? nMax : nUsed;
}

// The bytes of header, colour table and pixel rows of the packed DIB, all
// within nSize; 0 when they are not, or the picture is of a kind not taken.
LONGLONG ClipDibBytes(const BYTE* pDib, LONGLONG nSize, LONGLONG& colourBytes)
{
    const LONGLONG infoSize = LeDword(pDib);
    const LONGLONG width = LeLong(pDib + 4);
    const LONGLONG height = LeLong(pDib + 8);
    const WORD bitCount = LeWord(pDib + 14);
    if (infoSize < kClipDibInfoHeader || infoSize > nSize || width <= 0 || height == 0 ||
        LeDword(pDib + 16) != BI_RGB || (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24))
        return 0;
    const LONGLONG nColours = ClipDibColours(bitCount, LeDword(pDib + 32));
    if (nColours < 0 || nColours * 4 > nSize - infoSize)
        return 0;
    colourBytes = nColours * 4;
    const LONGLONG available = nSize - infoSize - colourBytes;
    const LONGLONG rowBytes = (width * bitCount + 31) / 32 * 4;
    const LONGLONG rows = height < 0 ? -height : height;
    if (rows > available / rowBytes)
        return 0;
    const LONGLONG imageSize = LeDword(pDib + 20);
    const LONGLONG pixelBytes = imageSize != 0 ? imageSize : rows * rowBytes;
    if (pixelBytes < rows * rowBytes || pixelBytes > available)
        return 0;
    return infoSize + colourBytes + pixelBytes;
}

}  // namespace

HGLOBAL NewPackedDib(const BYTE* pFile, int nBytes)
{
    if (nBytes <= kClipDibFileHeader)
        return nullptr;
    const SIZE_T nDib = static_cast<SIZE_T>(nBytes - kClipDibFileHeader);
    HGLOBAL hDib = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, nDib);
    if (hDib == nullptr)
        return nullptr;
    {
        CGlobalLock lock(hDib);
        if (lock) {
            std::memcpy(lock.Bytes(), pFile + kClipDibFileHeader, nDib);
            return hDib;
        }
    }
    ::GlobalFree(hDib);
    return nullptr;
}

std::string BmpFileOfPackedDib(const BYTE* pDib, SIZE_T nSize)
{
    if (pDib == nullptr || nSize < static_cast<SIZE_T>(kClipDibInfoHeader))
        return std::string();
    const LONGLONG nLimit = static_cast<LONGLONG>(nSize < static_cast<SIZE_T>(INT_MAX) ? nSize : INT_MAX);
    LONGLONG colourBytes = 0;
    const LONGLONG dibBytes = ClipDibBytes(pDib, nLimit, colourBytes);
    if (dibBytes == 0 || dibBytes > INT_MAX - kClipDibFileHeader)
        return std::string();
    std::string file = "BM";
    AppendLeDword(file, static_cast<DWORD>(kClipDibFileHeader + dibBytes));
    AppendLeDword(file, 0);
    AppendLeDword(file, static_cast<DWORD>(kClipDibFileHeader + LeDword(pDib) + colourBytes));
    file.append(reinterpret_cast<const char*>(pDib), static_cast<size_t>(dibBytes));
    return file;
}
