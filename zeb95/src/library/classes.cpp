#include "library/classes.h"

#include "library/library_state.h"
#include "objects/obj_classes.h"
#include "objects/obj_record.h"
#include "line/line_window.h"
#include "media/mci_device.h"
#include "media/media_window.h"
#include "objects/obj_window.h"
#include "picture/pic_window.h"
#include "text/doc/doc_window.h"
#include "whiteboard/wb_bmp_window.h"
#include "whiteboard/wb_window.h"

namespace {

const UINT kObjectClassStyle = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

struct ClassEntry
{
    const char* pszName;
    UINT uStyle;
    int cbWndExtra;
    WNDPROC pfnWndProc;
};

// In this order. Window word 0 holds the record pointer; the bitmap item
// keeps a second word. A failure part-way
// takes back the classes registered before it (so also the first half of a
// pair: whiteboard and bitmap item, movie and device window), and only
// those: a class of that name that another module registered stays.
const ClassEntry kClasses[] = {
    {kWbClass, kObjectClassStyle, sizeof(LONG_PTR), WbWndProc},
    {kWbBmpClass, CS_GLOBALCLASS, 2 * sizeof(LONG_PTR), WbBmpItemWndProc},
    {kDocClass, kObjectClassStyle, sizeof(LONG_PTR), DocObjWndProc},
    {kPicClass, kObjectClassStyle, sizeof(LONG_PTR), PicObjWndProc},
    {kSoundClass, kObjectClassStyle, sizeof(LONG_PTR), SoundObjWndProc},
    {kMovieClass, kObjectClassStyle, sizeof(LONG_PTR), MovieObjWndProc},
    {kMciClass, CS_GLOBALCLASS, sizeof(LONG_PTR), MciWndProc},
    {kLineClass, kObjectClassStyle, sizeof(LONG_PTR), LineObjWndProc},
};
const int kClassCount = static_cast<int>(sizeof(kClasses) / sizeof(kClasses[0]));

bool RegisterOne(HINSTANCE hModule, const ClassEntry& entry)
{
    WNDCLASSA wc = {};
    wc.style = entry.uStyle;
    wc.lpfnWndProc = entry.pfnWndProc;
    wc.cbWndExtra = entry.cbWndExtra;
    wc.hInstance = hModule;
    wc.lpszClassName = entry.pszName;
    if (entry.pszName == kMciClass)
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    return ::RegisterClassA(&wc) != 0;
}

// Takes back the first nCount classes.
void UnregisterFirst(HINSTANCE hModule, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        ::UnregisterClassA(kClasses[i].pszName, hModule);
}

}  // namespace

BOOL RegisterObjectClasses(HINSTANCE hModule)
{
    for (int i = 0; i < kClassCount; ++i) {
        bool bDone = RegisterOne(hModule, kClasses[i]);
        if (bDone && kClasses[i].pszName == kDocClass) {
            Library().uDocClipFormat = ::RegisterClipboardFormatA("zebDocObjText");
            bDone = Library().uDocClipFormat != 0;
            if (!bDone)
                ::UnregisterClassA(kDocClass, hModule);
        }
        if (!bDone) {
            UnregisterFirst(hModule, i);
            return FALSE;
        }
    }
    return TRUE;
}

void UnregisterObjectClasses(HINSTANCE hModule)
{
    UnregisterFirst(hModule, kClassCount);
}

int ObjectClassCount() { return kClassCount; }

const char* ObjectClassName(int nIndex) { return kClasses[nIndex].pszName; }
