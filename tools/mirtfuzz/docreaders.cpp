#include "docreaders.h"

#include <cstring>
#include <stdexcept>

#include "fuzzfiles.h"
#include "mediareaders.h"
#include "zeb95.h"

namespace {

const LONG kDocKind = 8;
const UINT kCharMessage = WM_CHAR;

void Put32(std::string& s, unsigned long v)
{
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

UINT DocClipFormat() { return ::RegisterClipboardFormatA("zebDocObjText"); }

// A 2 x 2 24-bit packed DIB with its empty palette slot.
std::string SmallDib()
{
    std::string d;
    for (unsigned long v : {40UL, 2UL, 2UL})
        Put32(d, v);
    d += std::string("\x01\x00\x18\x00", 4);
    for (int i = 0; i < 6; ++i)
        Put32(d, 0);
    d += std::string("\x10\x20\x30\x40\x50\x60\x00\x00\x70\x80\x90\xA0\xB0\xC0\x00\x00", 16);
    Put32(d, 0);
    return d;
}

// Extended full text: "ab", an inline bitmap, a line feed and a
// double-byte character, both marks, font 0 (the fallback font's face) and
// the bitmap.
std::string ExtendedSeed()
{
    const std::string text("ab \n\x82\xA0", 6);
    const unsigned long attrs[] = {0x0103, 0x0003, 0x0080, 0x0040, 0x0010, 0x0020};
    std::string plain;
    Put32(plain, text.size());
    plain += text;
    for (unsigned long a : attrs)
        Put32(plain, a);
    std::string marks;
    Put32(marks, 7);
    Put32(marks, 0x02);
    Put32(marks, 18);
    Put32(marks, 0x0182);
    std::string fonts;
    Put32(fonts, 2);
    for (unsigned long nIndex : {0UL, 1UL})
    {
        Put32(fonts, nIndex);
        std::string lf(60, '\0');
        lf[0] = static_cast<char>(12 + 4 * nIndex);
        lf[23] = static_cast<char>(SHIFTJIS_CHARSET);
        lf.replace(28, 8, "Terminal");
        fonts += lf;
    }
    const std::string dib = SmallDib();
    std::string bitmaps;
    Put32(bitmaps, 1);
    Put32(bitmaps, 0);
    Put32(bitmaps, dib.size());
    Put32(bitmaps, 32 + plain.size() + marks.size() + fonts.size() + 16);
    bitmaps += dib;
    std::string full;
    Put32(full, 0xBCB0B2DFUL);
    Put32(full, 32 + plain.size() + marks.size() + fonts.size() + bitmaps.size());
    for (size_t n : {plain.size(), size_t(8), size_t(8), fonts.size(), bitmaps.size(), size_t(0)})
        Put32(full, n);
    return full + plain + marks + fonts + bitmaps;
}

// A hidden window with a whiteboard and a text document on it that takes
// every section of full text (the clip mode has no export yet: it is set
// in the record's flags, word 136, bits 8-13).
class FuzzDocBoard
{
public:
    explicit FuzzDocBoard(const char* pszText)
    {
        m_hParent = CreateFuzzParent();
        m_hWb = CreateFuzzWhiteBoard(m_hParent);
        m_hDoc = m_hWb != nullptr ? ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 4, 4, 200, 100,
                                                      m_hWb, nullptr, ::GetModuleHandleA(nullptr), nullptr)
                                  : nullptr;
        if (m_hDoc == nullptr)
            throw std::runtime_error("no text document");
        auto* pWords = reinterpret_cast<DWORD*>(::GetWindowLongPtrA(m_hDoc, 0));
        pWords[136] = (pWords[136] & ~0x3F00UL) | 0x0F00UL;
        for (const char* p = pszText; *p != '\0'; ++p)
            ::SendMessageA(m_hDoc, kCharMessage, static_cast<BYTE>(*p), 1);
    }
    ~FuzzDocBoard() { ::DestroyWindow(m_hParent); }
    FuzzDocBoard(const FuzzDocBoard&) = delete;
    FuzzDocBoard& operator=(const FuzzDocBoard&) = delete;

    HWND Wb() const { return m_hWb; }
    HWND Doc() const { return m_hDoc; }

    // The object file of document nIndex (mode 2: with bitmap images).
    std::string ObjectFile(LONG nIndex, LONG nMode = 2) const
    {
        const std::string path = TempFile("zob");
        if (zebWriteObject(m_hWb, kDocKind, nIndex, path.c_str(), nMode, nullptr, nullptr) < 0)
            throw std::logic_error("a text document cannot be written");
        return FileText(path);
    }
    std::string Stored() const
    {
        const std::string path = TempFile("zwb");
        if (zebWriteWhiteBoard(m_hWb, path.c_str(), 2, nullptr, nullptr) < 0)
            throw std::logic_error("a whiteboard with text documents cannot be written");
        return FileText(path);
    }
    // Pastes the bytes as the clipboard's full text: the paste's result.
    // The clipboard is opened without owner: data owned by a window that is
    // destroyed with the board stays held in Wine's clipboard cache.
    LRESULT Paste(const std::string& bytes) const
    {
        if (!::OpenClipboard(nullptr))
            throw std::runtime_error("the clipboard cannot be opened");
        ::EmptyClipboard();
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        void* p = hMem != nullptr ? ::GlobalLock(hMem) : nullptr;
        if (p != nullptr)
        {
            std::memcpy(p, bytes.data(), bytes.size());
            ::GlobalUnlock(hMem);
            ::SetClipboardData(DocClipFormat(), hMem);
        }
        else if (hMem != nullptr)
        {
            ::GlobalFree(hMem);
        }
        ::CloseClipboard();
        return ::SendMessageA(m_hDoc, WM_PASTE, 0, 0);
    }

private:
    HWND m_hParent = nullptr;
    HWND m_hWb = nullptr;
    HWND m_hDoc = nullptr;
};

// A document that was read is written and read back as a new one.
void CheckReadBack(const FuzzDocBoard& board, LONG nIndex)
{
    const std::string path = TempFile("zob2");
    PutFile(path, board.ObjectFile(nIndex));
    if (zebReadObject(board.Wb(), kDocKind, -1, path.c_str()) < 0)
        throw std::logic_error("a written text document does not read back");
}

// The full text of the document's whole text as its copy puts it on the
// clipboard.
std::string CopiedFullText(const FuzzDocBoard& board)
{
    ::SendMessageA(board.Doc(), EM_SETSEL, 0, -1);
    ::SendMessageA(board.Doc(), WM_COPY, 0, 0);
    std::string bytes;
    if (::OpenClipboard(board.Doc()))
    {
        HGLOBAL hMem = ::GetClipboardData(DocClipFormat());
        if (hMem != nullptr)
        {
            bytes.assign(static_cast<const char*>(::GlobalLock(hMem)), ::GlobalSize(hMem));
            ::GlobalUnlock(hMem);
        }
        ::CloseClipboard();
    }
    return bytes;
}

}  // namespace

std::vector<std::string> DocFullTextSeeds()
{
    FuzzDocBoard board("\x8E\x52\x93\x63 ab\rcd\x0C");
    std::string plain;
    Put32(plain, 3);
    plain += "xyz";
    for (int i = 0; i < 3; ++i)
        Put32(plain, 0x0001);
    return {CopiedFullText(board), ExtendedSeed(), plain};
}

std::vector<std::string> DocObjectSeeds()
{
    FuzzDocBoard board("ab\rcd");
    if (board.Paste(ExtendedSeed()) == 0)
        throw std::logic_error("the extended seed is refused");
    FuzzDocBoard plain("\x8E\x52\x93\x63\r\x0C" "end");
    return {board.ObjectFile(0), plain.ObjectFile(0, 1)};
}

std::vector<std::string> ObjectWhiteBoardSeeds()
{
    FuzzDocBoard board("ab\rcd");
    if (board.Paste(ExtendedSeed()) == 0)
        throw std::logic_error("the extended seed is refused");
    AddMediaObjects(board.Wb());
    FuzzDocBoard plain("\x8E\x52\x93\x63\r\x0C" "end");
    return {board.Stored(), plain.Stored()};
}

void RunDocFullText(const std::string& bytes, CDC&, CDC&)
{
    FuzzDocBoard board("keep\r");
    const std::string before = board.ObjectFile(0);
    if (board.Paste(bytes) == 0)
    {
        if (board.ObjectFile(0) != before)
            throw std::logic_error("a refused paste changed the document");
        AfxThrowArchiveException(CArchiveException::generic);
    }
    CheckReadBack(board, 0);
}

// The bytes as the caller's full text, plain and extended: a call that is
// refused leaves the document as it was.
void RunDocSetFullText(const std::string& bytes, CDC&, CDC&)
{
    FuzzDocBoard board("keep\r");
    const LONG nSize = static_cast<LONG>(bytes.size());
    bool bTaken = false;
    for (auto set : {zebSetSelFullText, zebSetSelFullTextEx})
    {
        const std::string before = board.ObjectFile(0);
        if (set(board.Doc(), bytes.data(), nSize) != 0)
            bTaken = true;
        else if (board.ObjectFile(0) != before)
            throw std::logic_error("a refused full text changed the document");
    }
    if (!bTaken)
        AfxThrowArchiveException(CArchiveException::generic);
    CheckReadBack(board, 0);
}

void RunDocObject(const std::string& bytes, CDC&, CDC&)
{
    FuzzDocBoard board("keep\r");
    const std::string before = board.Stored();
    const std::string path = TempFile("in");
    PutFile(path, bytes);
    const bool bRead = zebReadObject(board.Wb(), kDocKind, 0, path.c_str()) >= 0;
    const bool bNew = zebReadObject(board.Wb(), kDocKind, -1, path.c_str()) >= 0;
    if (!bRead && !bNew)
    {
        if (board.Stored() != before)
            throw std::logic_error("a refused object file changed the whiteboard");
        AfxThrowArchiveException(CArchiveException::generic);
    }
    CheckReadBack(board, bRead ? 0 : 1);
}
