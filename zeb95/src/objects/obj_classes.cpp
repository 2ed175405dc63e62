#include "objects/obj_classes.h"

#include "objects/obj_record.h"

const char kWbClass[] = "ZEB95WBWCLASS";
const char kWbBmpClass[] = "ZEB95WBBMPWCLASS";
const char kDocClass[] = "ZEB95DOWCLASS";
const char kPicClass[] = "ZEB95POWCLASS";
const char kSoundClass[] = "ZEB95SOWCLASS";
const char kMovieClass[] = "ZEB95MOWCLASS";
const char kMciClass[] = "MCI95WCLASS";
const char kLineClass[] = "ZEB95LOWCLASS";

namespace {

const struct
{
    const char* pszClass;
    WORD wKind;
} kObjectClasses[] = {
    {kWbClass, ZebKindWhiteBoard}, {kDocClass, ZebKindDoc},     {kPicClass, ZebKindPicture},
    {kSoundClass, ZebKindSound},   {kMovieClass, ZebKindMovie}, {kLineClass, ZebKindLine},
};

}  // namespace

WORD KindOfWindowClass(HWND hwnd)
{
    char szClass[64];
    if (hwnd == nullptr || ::GetClassNameA(hwnd, szClass, sizeof(szClass)) == 0)
        return 0;
    for (const auto& c : kObjectClasses) {
        if (::lstrcmpiA(szClass, c.pszClass) == 0)
            return c.wKind;
    }
    return 0;
}

bool IsWhiteBoard(HWND hwnd) { return KindOfWindowClass(hwnd) == ZebKindWhiteBoard; }

bool IsWbBmpItemWindow(HWND hwnd)
{
    char szClass[64];
    return ::GetClassNameA(hwnd, szClass, sizeof(szClass)) != 0 && ::lstrcmpiA(szClass, kWbBmpClass) == 0;
}
