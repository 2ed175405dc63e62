// The common controls of comctl32.dll, loaded when first needed.
#include "dialogs/dlg_internal.h"

namespace {

HMODULE ComCtl32()
{
    static const HMODULE s_hModule = ::LoadLibraryA("comctl32.dll");
    return s_hModule;
}

// The export of comctl32.dll with the given type, or null.
template <class F>
F ComCtlProc(LPCSTR lpszName)
{
    const HMODULE hModule = ComCtl32();
    const FARPROC pfn = hModule != nullptr ? ::GetProcAddress(hModule, lpszName) : nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(pfn));
}

}  // namespace

BOOL AfxInitCommonControls()
{
    static const BOOL s_bRegistered = [] {
        typedef BOOL(WINAPI * PFN_INIT)(const INITCOMMONCONTROLSEX*);
        const PFN_INIT pfnInit = ComCtlProc<PFN_INIT>("InitCommonControlsEx");
        const INITCOMMONCONTROLSEX icc = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return pfnInit != nullptr && pfnInit(&icc);
    }();
    return s_bRegistered;
}

INT_PTR AfxPropertySheet(LPCPROPSHEETHEADERA pHeader)
{
    typedef INT_PTR(WINAPI * PFN_SHEET)(LPCPROPSHEETHEADERA);
    AfxInitCommonControls();
    const PFN_SHEET pfnSheet = ComCtlProc<PFN_SHEET>("PropertySheetA");
    return pfnSheet != nullptr ? pfnSheet(pHeader) : -1;
}
