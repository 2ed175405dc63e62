#include "typed_keys.h"

#include <windows.h>

void TypeKeys(const char* pszKeys)
{
    for (const char* p = pszKeys; *p != '\0'; ++p) {
        const HWND hFocus = ::GetFocus();
        const BYTE ch = static_cast<BYTE>(*p);
        const WPARAM vk = LOBYTE(::VkKeyScanA(static_cast<CHAR>(ch)));
        ::SendMessageA(hFocus, WM_KEYDOWN, vk, 1);
        ::SendMessageA(hFocus, WM_CHAR, ch, 1);
        ::SendMessageA(hFocus, WM_KEYUP, vk, 1);
    }
}
