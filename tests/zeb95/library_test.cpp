#include <gtest/gtest.h>

#include <string>

#include "library/classes.h"
#include "library/library_state.h"
#include "library/startup.h"
#include "zeb95.h"

namespace {

// Whether a class of that name is registered as a global class: a window
// of it can be made for another module.
bool IsGlobalClass(const char* pszClass)
{
    WNDCLASSEXA wc = {sizeof(wc)};
    return ::GetClassInfoExA(::GetModuleHandleA("kernel32.dll"), pszClass, &wc) &&
           (wc.style & CS_GLOBALCLASS) != 0;
}

int RegisteredLibraryClasses()
{
    int n = 0;
    for (int i = 0; i < ObjectClassCount(); ++i)
        n += IsGlobalClass(ObjectClassName(i)) ? 1 : 0;
    return n;
}

LRESULT CALLBACK BlockerProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

// A global class of the library's name, made by someone else first.
class ClassBlocker
{
public:
    explicit ClassBlocker(const char* pszClass) : m_pszClass(pszClass)
    {
        WNDCLASSA wc = {};
        wc.style = CS_GLOBALCLASS;
        wc.lpfnWndProc = BlockerProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = pszClass;
        m_bRegistered = ::RegisterClassA(&wc) != 0;
    }
    ~ClassBlocker() { ::UnregisterClassA(m_pszClass, ::GetModuleHandleA(nullptr)); }
    bool Registered() const { return m_bRegistered; }

private:
    const char* m_pszClass;
    bool m_bRegistered;
};

TEST(Zeb95Library, VersionAndLifetimeCalls)
{
    EXPECT_EQ(0x020D0004, zebGetVersion());
    EXPECT_EQ(1, zebInitialize());
    EXPECT_EQ(1, zebTerminate(0));
}

TEST(Zeb95Library, AttachMakesStateAndGlobalClassesDetachTakesThemBack)
{
    ASSERT_EQ(0, RegisteredLibraryClasses());
    ASSERT_TRUE(LibraryAttach(::GetModuleHandleA(nullptr)));
    EXPECT_EQ(ObjectClassCount(), RegisteredLibraryClasses());
    const ZebLibraryState& lib = Library();
    EXPECT_EQ(OBJ_PAL, static_cast<int>(::GetObjectType(lib.hFixedPalette)));
    EXPECT_EQ(OBJ_PAL, static_cast<int>(::GetObjectType(lib.hPalette16)));
    EXPECT_EQ(16u, ::GetPaletteEntries(lib.hPalette16, 0, 0, nullptr));
    EXPECT_NE(0u, lib.uDocClipFormat);
    char szName[64] = "";
    ::GetClipboardFormatNameA(lib.uDocClipFormat, szName, sizeof(szName));
    EXPECT_STREQ("zebDocObjText", szName);
    HDC hdc = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    EXPECT_EQ(::GetDeviceCaps(hdc, BITSPIXEL) * ::GetDeviceCaps(hdc, PLANES), ZebDisplayBits());
    ::DeleteDC(hdc);
    HPALETTE hFixed = lib.hFixedPalette;
    LibraryDetach();
    EXPECT_EQ(0, RegisteredLibraryClasses());
    EXPECT_EQ(0u, ::GetObjectType(hFixed));
    EXPECT_EQ(nullptr, Library().hFixedPalette);
}

// Each class in turn made unregistrable: start-up fails, leaves no class of
// its own registered and releases the palettes it made.
TEST(Zeb95Library, FailedRegistrationRollsEverythingBack)
{
    for (int nBlocked = 0; nBlocked < ObjectClassCount(); ++nBlocked) {
        const char* pszBlocked = ObjectClassName(nBlocked);
        ClassBlocker blocker(pszBlocked);
        ASSERT_TRUE(blocker.Registered());
        EXPECT_FALSE(LibraryAttach(::GetModuleHandleA(nullptr))) << pszBlocked;
        EXPECT_EQ(1, RegisteredLibraryClasses()) << "only the blocker stays: " << pszBlocked;
        EXPECT_EQ(nullptr, Library().hFixedPalette);
        EXPECT_EQ(nullptr, Library().hPalette16);
    }
}

// The real DLL: loading registers every class for the process, unloading
// takes them back; a class that cannot be registered keeps it from loading.
TEST(Zeb95Dll, LoadsAndUnloadsWithItsClasses)
{
    ASSERT_EQ(nullptr, ::GetModuleHandleA("Zeb95.dll"));
    HMODULE hDll = ::LoadLibraryA("Zeb95.dll");
    ASSERT_NE(nullptr, hDll);
    EXPECT_EQ(ObjectClassCount(), RegisteredLibraryClasses());
    FARPROC pfnExport = ::GetProcAddress(hDll, "zebGetPalette");
    ASSERT_NE(nullptr, pfnExport);
    auto pfnGetPalette = reinterpret_cast<HPALETTE(WINAPI*)(LONG)>(reinterpret_cast<void*>(pfnExport));
    HPALETTE hPalette = pfnGetPalette(0);
    EXPECT_EQ(OBJ_PAL, static_cast<int>(::GetObjectType(hPalette)));
    EXPECT_NE(nullptr, ::LoadCursorA(hDll, MAKEINTRESOURCEA(103))) << "the library cursor";
    EXPECT_EQ(pfnExport, ::GetProcAddress(hDll, MAKEINTRESOURCEA(400)));
    EXPECT_NE(nullptr, ::GetProcAddress(hDll, MAKEINTRESOURCEA(196)));
    // One body under six names, four of them at the ordinals the form library binds.
    FARPROC pfnDestroy = ::GetProcAddress(hDll, "zebDestroyWhiteBoard");
    ASSERT_NE(nullptr, pfnDestroy);
    for (const char* pszName : {"zebDestroyObjDoc", "zebDestroyObjPic", "zebDestroyObjLine", "zebDestroyObjMovie",
                                "zebDestroyObjSound"})
        EXPECT_EQ(pfnDestroy, ::GetProcAddress(hDll, pszName)) << pszName;
    for (WORD wOrdinal : {111, 112, 114, 116})
        EXPECT_EQ(pfnDestroy, ::GetProcAddress(hDll, MAKEINTRESOURCEA(wOrdinal))) << wOrdinal;
    EXPECT_EQ(::GetProcAddress(hDll, "zebCreateWhiteBoard"), ::GetProcAddress(hDll, MAKEINTRESOURCEA(109)));
    EXPECT_EQ(::GetProcAddress(hDll, "zebGetIndex"), ::GetProcAddress(hDll, MAKEINTRESOURCEA(155)));
    // Names found by the loader as the export table spells them: bound
    // ordinals, and the four decorated names.
    const struct
    {
        WORD wOrdinal;
        const char* pszName;
    } kNamed[] = {{326, "zebSetStaticMode"}, {363, "zebSetSelect"},        {513, "_zebGetFilter@16"},
                  {514, "_zebSetFilter@12"}, {515, "_zebGetDocFilter@20"}, {516, "_zebSetDocFilter@16"}};
    for (const auto& named : kNamed) {
        FARPROC pfn = ::GetProcAddress(hDll, named.pszName);
        EXPECT_NE(nullptr, pfn) << named.pszName;
        EXPECT_EQ(pfn, ::GetProcAddress(hDll, MAKEINTRESOURCEA(named.wOrdinal))) << named.pszName;
    }
    EXPECT_EQ(nullptr, ::GetProcAddress(hDll, "_zebGetFilter")) << "the suffix belongs to the name";
    ASSERT_TRUE(::FreeLibrary(hDll));
    EXPECT_EQ(nullptr, ::GetModuleHandleA("Zeb95.dll"));
    EXPECT_EQ(0, RegisteredLibraryClasses());
    EXPECT_EQ(0u, ::GetObjectType(hPalette));
}

TEST(Zeb95Dll, RefusesToLoadWhenAClassCannotBeRegistered)
{
    {
        ClassBlocker blocker("ZEB95LOWCLASS");
        ASSERT_TRUE(blocker.Registered());
        EXPECT_EQ(nullptr, ::LoadLibraryA("Zeb95.dll"));
        EXPECT_EQ(1, RegisteredLibraryClasses());
    }
    HMODULE hDll = ::LoadLibraryA("Zeb95.dll");
    EXPECT_NE(nullptr, hDll);
    ::FreeLibrary(hDll);
}

}  // namespace
