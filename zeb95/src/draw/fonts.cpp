#include "draw/fonts.h"

namespace {

struct FamilySearch
{
    const char* pszFace;
    bool bFound;
};

int CALLBACK FindTrueTypeFamily(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<FamilySearch*>(lParam);
    if ((dwType & TRUETYPE_FONTTYPE) != 0 && ::lstrcmpiA(pLogFont->lfFaceName, pSearch->pszFace) == 0) {
        pSearch->bFound = true;
        return 0;
    }
    return 1;
}

}  // namespace

bool IsJapaneseFont(const LOGFONTA& lf)
{
    if (lf.lfCharSet == SHIFTJIS_CHARSET)
        return true;
    const char* pszFace = lf.lfFaceName[0] == '@' ? lf.lfFaceName + 1 : lf.lfFaceName;
    if (static_cast<unsigned char>(pszFace[0]) >= 0x80)
        return true;
    return ::lstrcmpiA(pszFace, "System") == 0 || ::lstrcmpiA(pszFace, "Terminal") == 0 ||
           ::lstrcmpiA(pszFace, "FixedSys") == 0;
}

bool IsFontInstalled(const LOGFONTA& lf)
{
    FamilySearch search = {lf.lfFaceName, false};
    HDC hdc = ::GetDC(nullptr);
    ::EnumFontFamiliesA(hdc, nullptr, reinterpret_cast<FONTENUMPROCA>(FindTrueTypeFamily),
                        reinterpret_cast<LPARAM>(&search));
    ::ReleaseDC(nullptr, hdc);
    return search.bFound;
}
