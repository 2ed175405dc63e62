#include "comdlg/comdlg_lazy.h"

namespace {

HMODULE ComDlgModule()
{
    static const HMODULE hComDlg = ::LoadLibraryA("comdlg32.dll");
    return hComDlg;
}

// Calls the named entry of comdlg32.dll; a missing library or entry fails as
// a cancelled dialog does.
template <typename Arg>
BOOL CallComDlg(const char* pszName, Arg* pArg)
{
    using Proc = BOOL(WINAPI*)(Arg*);
    const HMODULE hComDlg = ComDlgModule();
    const Proc pfn = hComDlg != nullptr
                         ? reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(hComDlg, pszName)))
                         : nullptr;
    return pfn != nullptr && pfn(pArg);
}

} // namespace

BOOL AfxCallPrintDlg(PRINTDLGA* pPrintDlg) { return CallComDlg("PrintDlgA", pPrintDlg); }

BOOL AfxCallGetOpenFileName(OPENFILENAMEA* pOfn) { return CallComDlg("GetOpenFileNameA", pOfn); }

BOOL AfxCallGetSaveFileName(OPENFILENAMEA* pOfn) { return CallComDlg("GetSaveFileNameA", pOfn); }

BOOL AfxCallChooseFont(CHOOSEFONTA* pChooseFont) { return CallComDlg("ChooseFontA", pChooseFont); }
