#include "text/block/doc_object_block.h"

#include <cstring>
#include <memory>

#include "cp932.h"
#include "dib/bmp_file.h"
#include "dib/bounded_reader.h"
#include "dib/dib_handle.h"
#include "dib/file_io.h"
#include "files/block_io.h"
#include "files/stored_object.h"
#include "objects/obj_children.h"
#include "objects/global_mem.h"
#include "text/block/doc_block_image.h"
#include "text/block/doc_block_take.h"
#include "text/full/full_text_parse.h"

namespace {

// Bytes at the start of a document's object file that tell plain text
// from a block.
const int kHeadBytes = 8;

// A byte of plain text on its own: a letter, digit, punctuation or blank,
// white space, or a single-byte katakana or symbol.
bool IsTextByte(unsigned char b)
{
    return (b >= 0x20 && b <= 0x7E) || (b >= '\t' && b <= '\r') || (b >= 0xA1 && b <= 0xDF);
}

// Whether the head is text: text bytes and double-byte characters; a lead
// byte in the last place is taken as the start of one, its trail byte
// lying beyond the head.
bool IsTextHead(const unsigned char* p)
{
    for (int i = 0; i < kHeadBytes; ++i) {
        if (cp932::IsLeadByte(p[i]) && (i + 1 == kHeadBytes || cp932::IsTrailByte(p[i + 1])))
            ++i;
        else if (!IsTextByte(p[i]))
            return false;
    }
    return true;
}

const DWORD kMostEntries = 256;
const size_t kLogFontInEntry = 4 + 2 * 256;

// The string a locator names in the fixed part: false when it lies outside
// it or holds no NUL; a locator of 0 is no string.
bool LocatedString(const std::vector<BYTE>& fixed, DWORD dwLocator, std::string* pText, bool* pbPresent)
{
    pText->clear();
    *pbPresent = dwLocator != 0;
    if (dwLocator == 0)
        return true;
    const UINT64 at = static_cast<UINT64>(kDocImageBytes) + (dwLocator >> 16);
    const UINT64 cb = dwLocator & 0xFFFF;
    if (cb == 0 || at + cb > fixed.size())
        return false;
    const char* p = reinterpret_cast<const char*>(fixed.data() + at);
    const void* pNul = std::memchr(p, '\0', static_cast<size_t>(cb));
    if (pNul == nullptr)
        return false;
    pText->assign(p, static_cast<const char*>(pNul) - p);
    return true;
}

// The fonts of the variable part: at most 256 entries, their sizes held
// within what a window can take.
bool ReadFonts(const BoundedReader& part, DWORD nCount, ZebDocBlockData* pData)
{
    if (nCount > kMostEntries)
        return false;
    std::vector<BYTE> entry(kDocFontEntryBytes);
    for (DWORD i = 0; i < nCount; ++i)
    {
        if (!part.Read(entry.data(), kDocFontEntryBytes))
            return false;
        pData->fonts.push_back(StoredFontRequest(StoredLogFont(entry.data() + kLogFontInEntry)));
    }
    return true;
}

// A relative name found in the folder of the file read; a network path,
// or a name that turns into one, is refused.
bool LinkedPath(const std::string& name, LPCSTR pszFile, std::string* pPath)
{
    auto isNetwork = [](const std::string& s) {
        return s.size() >= 2 && (s[0] == '\\' || s[0] == '/') && (s[1] == '\\' || s[1] == '/');
    };
    const bool bAbsolute = (name.size() >= 2 && name[1] == ':') || (!name.empty() && (name[0] == '\\' || name[0] == '/'));
    *pPath = name;
    if (!bAbsolute && pszFile != nullptr)
    {
        const std::string file(pszFile);
        const size_t nSlash = file.find_last_of("\\/");
        *pPath = (nSlash != std::string::npos ? file.substr(0, nSlash + 1) : std::string()) + name;
    }
    return !name.empty() && !isNetwork(name) && !isNetwork(*pPath);
}

// One bitmap: its name, then its image, or the BMP file it names.
bool ReadBitmap(const BoundedReader& part, LPCSTR pszFile, ZebDocBlockData* pData)
{
    DWORD cbName = 0;
    DWORD cbImage = 0;
    UINT64 left = 0;
    if (!part.ReadDword(&cbName) || !part.Left(&left) || cbName > left)
        return false;
    std::vector<char> name(cbName);
    if (!part.Read(name.data(), cbName) || (cbName > 0 && std::memchr(name.data(), '\0', cbName) == nullptr) ||
        !part.ReadDword(&cbImage) || !part.Left(&left) || cbImage > left)
        return false;
    ZebDocBlockBmp bmp;
    bmp.bNamed = cbName > 0;
    bmp.name = bmp.bNamed ? std::string(name.data()) : std::string();
    pData->bitmaps.push_back(bmp);
    ZebDocBlockBmp& taken = pData->bitmaps.back();
    if (cbImage == 0)
    {
        std::string path;
        taken.hDib = LinkedPath(taken.name, pszFile, &path) ? ReadDibFile(path.c_str(), FALSE) : nullptr;
        return taken.hDib != nullptr;
    }
    UINT64 start = 0;
    if (!GetFilePos(part.File(), &start))
        return false;
    taken.hDib = ReadDibWithin(part.File(), start + cbImage, FALSE);
    return taken.hDib != nullptr && SeekFile(part.File(), start + cbImage);
}

// The rest of the variable part as plain full text.
bool ReadText(const BoundedReader& part, ZebDocBlockData* pData)
{
    UINT64 left = 0;
    if (!part.Left(&left) || left > 0x7FFFFFFF)
        return false;
    pData->textBytes.resize(static_cast<size_t>(left));
    return part.Read(pData->textBytes.data(), left) &&
           ParsePlainFullText(pData->textBytes.data(), left, &pData->full);
}

bool ReadVariable(HANDLE hFile, UINT64 end, LPCSTR pszFile, ZebDocBlockData* pData)
{
    const BoundedReader part(hFile, end);
    const DWORD nBitmaps = ImageDword(pData->image, kImageBitmapCount);
    if (!ReadFonts(part, ImageDword(pData->image, kImageFontCount), pData) || nBitmaps > kMostEntries)
        return false;
    for (DWORD i = 0; i < nBitmaps; ++i)
    {
        if (!ReadBitmap(part, pszFile, pData))
            return false;
    }
    return ReadText(part, pData);
}

// Everything the block holds, checked, with the file after the block.
bool ReadBlock(HANDLE hFile, LPCSTR pszFile, ZebDocBlockData* pData)
{
    ZebBlockHeader header;
    UINT64 start = 0;
    if (!ReadBlockFixed(hFile, "DO", kDocImageBytes, &header, &start, &pData->image))
        return false;
    const std::vector<BYTE>& fixed = pData->image;
    const UINT64 variable = start + kBlockHeaderBytes + header.wFixed;
    const UINT64 end = variable + header.dwVariable;
    pData->bVariable = header.dwVariable > 0;
    if (!ReadStoredCursor(hFile, start, kDocImageBytes, StoredWord(fixed, kCursorWord), header.wFixed,
                          &pData->hCursor) ||
        !LocatedString(fixed, StoredWord(fixed, kTextWord), &pData->text, &pData->bText) ||
        !LocatedString(fixed, StoredWord(fixed, kLineStartWord), &pData->lineStart, &pData->bLineStart) ||
        !SeekFile(hFile, variable))
        return false;
    if (pData->bVariable && !ReadVariable(hFile, end, pszFile, pData))
        return false;
    return SeekFile(hFile, end);
}

}  // namespace

ZebDocBlockData::~ZebDocBlockData()
{
    if (hCursor != nullptr)
        ::DestroyCursor(hCursor);
    for (const ZebDocBlockBmp& bmp : bitmaps)
        DestroyDib(bmp.hDib);
}

BOOL ReadDocObject(HWND hwnd, HANDLE hFile, LPCSTR pszPath)
{
    std::unique_ptr<ZebDocBlockData> pData(new ZebDocBlockData());
    if (!ReadBlock(hFile, pszPath, pData.get()) || !DocBlockFits(hwnd, *pData))
        return FALSE;
    return DocTakeBlock(hwnd, *pData) ? TRUE : FALSE;
}

BOOL ReadDocObjectFile(HWND hwnd, HANDLE hFile, LPCSTR pszPath)
{
    UINT64 pos = 0;
    if (!GetFilePos(hFile, &pos))
        return ReadDocText(hwnd, hFile);
    unsigned char head[kHeadBytes] = {};
    const bool bHead = ReadExact(hFile, head, sizeof(head));
    if (!SeekFile(hFile, pos))
        return FALSE;
    return !bHead || IsTextHead(head) ? ReadDocText(hwnd, hFile) : ReadDocObject(hwnd, hFile, pszPath);
}
