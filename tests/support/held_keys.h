// Modifier keys held through the system's input, as GetAsyncKeyState sees
// them.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Holds keys down through the system's input while it lives, so that
// GetAsyncKeyState sees them; the key messages this makes are dropped.
class HeldKeys
{
public:
    explicit HeldKeys(std::vector<WORD> keys) : m_keys(std::move(keys))
    {
        Send(0);
        for (WORD k : m_keys)
            EXPECT_NE(0, ::GetAsyncKeyState(k) & 0x8000) << "key " << k << " is held";
    }
    ~HeldKeys() { Send(KEYEVENTF_KEYUP); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    void Send(DWORD dwFlags)
    {
        std::vector<INPUT> inputs;
        for (WORD k : m_keys)
        {
            INPUT in = {};
            in.type = INPUT_KEYBOARD;
            in.ki.wVk = k;
            in.ki.dwFlags = dwFlags;
            inputs.push_back(in);
        }
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        {
        }
    }

    std::vector<WORD> m_keys;
};
