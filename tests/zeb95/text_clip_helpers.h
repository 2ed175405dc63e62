// The system clipboard and the modifier keys as tests of text documents
// set and read them.
#pragma once
#include <windows.h>

#include <utility>
#include <string>
#include <vector>

#include "held_keys.h"

// Puts the text on the clipboard as CF_TEXT, or empties it for null.
inline void SetClipText(const char* psz)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    if (psz != nullptr)
    {
        const size_t cb = std::string(psz).size() + 1;
        HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
        ::memcpy(::GlobalLock(hMem), psz, cb);
        ::GlobalUnlock(hMem);
        ::SetClipboardData(CF_TEXT, hMem);
    }
    ::CloseClipboard();
}

// The clipboard's CF_TEXT; "(none)" when it holds none.
inline std::string ClipText()
{
    if (!::OpenClipboard(nullptr))
        return "(not opened)";
    std::string text = "(none)";
    HGLOBAL hMem = ::GetClipboardData(CF_TEXT);
    if (hMem != nullptr)
    {
        text = static_cast<const char*>(::GlobalLock(hMem));
        ::GlobalUnlock(hMem);
    }
    ::CloseClipboard();
    return text;
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

