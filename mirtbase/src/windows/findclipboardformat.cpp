#include "propobjclip.h"

#include <cstring>
#include <vector>

namespace {

const int kNameBuffer = 260;

// The first of the clipboard's formats whose registered name is pszName.
UINT FindOpenClipboardFormat(LPCSTR pszName)
{
    std::vector<UINT> formats;
    formats.reserve(static_cast<size_t>(::CountClipboardFormats()));
    for (UINT nFormat = ::EnumClipboardFormats(0); nFormat != 0; nFormat = ::EnumClipboardFormats(nFormat))
        formats.push_back(nFormat);
    for (UINT nFormat : formats) {
        char szName[kNameBuffer];
        const int nLength = ::GetClipboardFormatNameA(nFormat, szName, kNameBuffer);
        if (nLength > 0 && std::strcmp(szName, pszName) == 0)
            return nFormat;
    }
    return 0;
}

}  // namespace

UINT FindClipboardFormat(CWnd* pWnd, LPCSTR pszName)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || !::OpenClipboard(pWnd->GetSafeHwnd()))
        return 0;
    const UINT nFormat = FindOpenClipboardFormat(pszName);
    ::CloseClipboard();
    return nFormat;
}
