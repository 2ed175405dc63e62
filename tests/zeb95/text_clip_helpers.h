// The system clipboard and the modifier keys as tests of text documents
// set and read them.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "held_keys.h"
#include "zeb_fixtures.h"

// Empties the clipboard and puts the bytes on it in the format (nothing for
// null).
inline void SetClipBytes(UINT uFormat, const void* pBytes, size_t cb)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (pBytes != nullptr)
    {
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
        ::memcpy(::GlobalLock(hMem), pBytes, cb);
        ::GlobalUnlock(hMem);
        ::SetClipboardData(uFormat, hMem);
    }
    ::CloseClipboard();
}

inline void SetClipBlock(UINT uFormat, const std::vector<BYTE>& bytes)
{
    SetClipBytes(uFormat, bytes.data(), bytes.size());
}

// Puts the text on the clipboard as CF_TEXT, or empties it for null.
inline void SetClipText(const char* psz)
{
    SetClipBytes(CF_TEXT, psz, psz != nullptr ? std::string(psz).size() + 1 : 0);
}

// The clipboard's block of a format as bytes; false when it holds none or
// cannot be opened.
inline bool ReadClipBlock(UINT uFormat, std::vector<BYTE>* pBytes)
{
    pBytes->clear();
    if (!::OpenClipboard(nullptr))
        return false;
    HGLOBAL hMem = ::GetClipboardData(uFormat);
    if (hMem != nullptr)
        *pBytes = BlockBytes(hMem);
    ::CloseClipboard();
    return hMem != nullptr;
}

// The clipboard's block of a format; empty when it holds none.
inline std::vector<BYTE> ClipBlock(UINT uFormat)
{
    std::vector<BYTE> bytes;
    ReadClipBlock(uFormat, &bytes);
    return bytes;
}

// The clipboard's CF_TEXT up to its NUL; "(none)" when it holds none.
inline std::string ClipText()
{
    std::vector<BYTE> bytes;
    if (!ReadClipBlock(CF_TEXT, &bytes))
        return "(none)";
    const char* p = reinterpret_cast<const char*>(bytes.data());
    return std::string(p, std::find(p, p + bytes.size(), '\0'));
}

// Keeps the clipboard open for a window of its own while it lives, so that
// no other window can open it.
class HeldClipboard
{
public:
    HeldClipboard()
        : m_hwnd(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr))
    {
        m_bOpen = ::OpenClipboard(m_hwnd) != FALSE;
        EXPECT_TRUE(m_bOpen);
    }
    ~HeldClipboard()
    {
        if (m_bOpen)
            ::CloseClipboard();
        ::DestroyWindow(m_hwnd);
    }
    HeldClipboard(const HeldClipboard&) = delete;
    HeldClipboard& operator=(const HeldClipboard&) = delete;

private:
    HWND m_hwnd;
    bool m_bOpen = false;
};

