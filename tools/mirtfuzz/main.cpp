// mirtfuzz [--seed N] [--count N] [--first N] [reader...]: runs seeded
// mutations (inputs --first to --count - 1, to repeat one) of the
// golden inputs of each reader (all readers when none is named) through
// load, store and draw. Counts per reader: inputs, loaded whole, refused
// with an exception of the framework. Exit code 0 when every input ended in
// one of those two ways and nothing was left held; 1 after a failure (the
// input is written to mirtfuzz-<reader>-<index>.bin); 3 on a hang; a crash
// or a trap of undefined arithmetic ends the process after naming the
// input. An input that takes over 10 seconds is named as slow.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include <afxseam.h>
#include <afxwin.h>

#include "leakcheck.h"
#include "mirtenv.h"
#include "mutator.h"
#include "readers.h"

namespace {

const DWORD kHangMilliseconds = 120000;
// An input that takes longer is named in the log (a hostile value that
// drives work the bytes do not pay for), though not counted as a failure.
const ULONGLONG kSlowMilliseconds = 10000;
// Folder cleaning and leak sampling.
const uint32_t kCleanEvery = 100;
// Progress lines of a long run.
const uint32_t kReportEvery = 5000;
// Growth allowed between the warm-up and the end of a run.
const SIZE_T kHeapSlack = 512 * 1024;
const DWORD kGdiSlack = 256;

// A memory context as the screen or as a printer.
class CFuzzDC : public CDC
{
public:
    CFuzzDC(HDC hDC, BOOL bPrinting)
    {
        SetOutputDC(hDC);
        SetAttribDC(hDC);
        m_bPrinting = bPrinting;
    }
    ~CFuzzDC() override
    {
        ReleaseOutputDC();
        ReleaseAttribDC();
    }
};

struct Current
{
    const char* pszReader = "";
    volatile LONG nIndex = -1;
    std::string input;
};
Current g_current;

void SaveInput(const char* pszWhy)
{
    char szName[128];
    std::snprintf(szName, sizeof szName, "mirtfuzz-%s-%ld.bin", g_current.pszReader, g_current.nIndex);
    std::fprintf(stderr, "%s: reader %s, input %ld (saved as %s)\n", pszWhy, g_current.pszReader,
        g_current.nIndex, szName);
    if (FILE* pFile = std::fopen(szName, "wb")) {
        std::fwrite(g_current.input.data(), 1, g_current.input.size(), pFile);
        std::fclose(pFile);
    }
    std::fflush(stderr);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* pInfo)
{
    // Where: the module and the offset in it, for addr2line.
    void* pAddress = pInfo->ExceptionRecord->ExceptionAddress;
    HMODULE hModule = nullptr;
    char szModule[MAX_PATH] = "?";
    if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCSTR>(pAddress), &hModule))
        ::GetModuleFileNameA(hModule, szModule, sizeof szModule);
    char szWhy[MAX_PATH + 64];
    std::snprintf(szWhy, sizeof szWhy, "crash 0x%08lX in %s at offset 0x%llx", pInfo->ExceptionRecord->ExceptionCode,
        szModule,
        static_cast<unsigned long long>(static_cast<BYTE*>(pAddress) - reinterpret_cast<BYTE*>(hModule)));
    SaveInput(szWhy);
    ::TerminateProcess(::GetCurrentProcess(), 2);
    return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Watchdog(LPVOID)
{
    for (LONG nSeen = -2;;) {
        ::Sleep(kHangMilliseconds);
        const LONG nNow = g_current.nIndex;
        if (nNow == nSeen && nNow >= 0) {
            SaveInput("hang");
            ::TerminateProcess(::GetCurrentProcess(), 3);
        }
        nSeen = nNow;
    }
}

// Messages of a refused file (a page of another version) are answered at
// once: nobody is there to close them.
int AnswerMessageBox(HWND, LPCSTR, LPCSTR, UINT)
{
    return IDOK;
}

// One input: load, store, draw. False after a failure that is not an
// exception of the framework.
bool RunOne(const FuzzReader& reader, bool& bRefused)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, 64, 64);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    bool bOk = true;
    bRefused = false;
    try {
        CFuzzDC screen(hDC, FALSE);
        CFuzzDC printer(hDC, TRUE);
        reader.run(g_current.input, screen, printer);
    } catch (CException* e) {
        e->Delete();
        bRefused = true;
    } catch (const std::exception& e) {
        SaveInput(e.what());
        bOk = false;
    } catch (...) {
        SaveInput("an exception that is not the framework's");
        bOk = false;
    }
    const bool bRestored = ::GetCurrentObject(hDC, OBJ_FONT) == ::GetStockObject(SYSTEM_FONT) &&
                           ::GetCurrentObject(hDC, OBJ_PEN) == ::GetStockObject(BLACK_PEN) &&
                           ::GetCurrentObject(hDC, OBJ_BRUSH) == ::GetStockObject(WHITE_BRUSH);
    if (bOk && !bRestored) {
        SaveInput("objects left selected in the context");
        bOk = false;
    }
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);
    AfxDeleteTempGdiMaps();
    return bOk;
}

bool HoldGrew(const ProcessHold& before, const ProcessHold& after)
{
    std::printf("  held: heap %lu -> %lu bytes, GDI objects %lu -> %lu, GDI high slot %lu -> %lu\n",
        static_cast<unsigned long>(before.nHeapBytes), static_cast<unsigned long>(after.nHeapBytes),
        before.nGdiObjects, after.nGdiObjects, before.nGdiHighSlot, after.nGdiHighSlot);
    return after.nHeapBytes > before.nHeapBytes + kHeapSlack || after.nGdiObjects > before.nGdiObjects ||
           after.nGdiHighSlot > before.nGdiHighSlot + kGdiSlack;
}

// Each reader has an install root of its own below the current folder, so
// that runs side by side do not share a receive folder.
void UseOwnInstallRoot(const char* pszReader)
{
    char szCurrent[MAX_PATH];
    ::GetCurrentDirectoryA(sizeof szCurrent, szCurrent);
    static std::string root;
    root = std::string(szCurrent) + "\\root-" + pszReader;
    ::CreateDirectoryA(root.c_str(), nullptr);
    CMirtEnv::SetRootOverride(root.c_str());
}

bool RunReader(const FuzzReader& reader, uint32_t nSeed, uint32_t nFirst, uint32_t nCount)
{
    UseOwnInstallRoot(reader.pszName);
    const std::vector<std::string> seeds = reader.seeds();
    g_current.pszReader = reader.pszName;
    const uint32_t nWarmUp = nFirst + (nCount - nFirst) / 10;
    ProcessHold before = {};
    uint32_t nRefused = 0;
    for (uint32_t i = nFirst; i < nCount; i++) {
        if (i == nWarmUp) {
            CleanReceiveFolder();
            before = MeasureProcessHold();
        }
        g_current.input = MutatedInput(seeds[i % seeds.size()], nSeed, i);
        g_current.nIndex = static_cast<LONG>(i);
        bool bRefused;
        const ULONGLONG nStart = ::GetTickCount64();
        if (!RunOne(reader, bRefused))
            return false;
        const ULONGLONG nTook = ::GetTickCount64() - nStart;
        if (nTook > kSlowMilliseconds) {
            std::printf("%-10s slow input %u: %llu ms\n", reader.pszName, i, nTook);
            std::fflush(stdout);
        }
        nRefused += bRefused ? 1 : 0;
        if (i % kCleanEvery == kCleanEvery - 1)
            CleanReceiveFolder();
        if (i % kReportEvery == kReportEvery - 1) {
            std::printf("%-10s %u inputs so far, refused %u\n", reader.pszName, i + 1 - nFirst, nRefused);
            std::fflush(stdout);
        }
    }
    g_current.nIndex = -1;
    CleanReceiveFolder();
    const uint32_t nRun = nCount - nFirst;
    std::printf("%-10s seeds %zu, inputs %u, loaded %u, refused %u\n", reader.pszName, seeds.size(), nRun,
        nRun - nRefused, nRefused);
    if (HoldGrew(before, MeasureProcessHold())) {
        std::printf("  %s: the run left memory or GDI objects behind\n", reader.pszName);
        return false;
    }
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    uint32_t nSeed = 1;
    uint32_t nCount = 1000;
    uint32_t nFirst = 0;
    std::vector<std::string> names;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            nSeed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 0));
        else if (std::strcmp(argv[i], "--first") == 0 && i + 1 < argc)
            nFirst = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 0));
        else if (std::strcmp(argv[i], "--count") == 0 && i + 1 < argc)
            nCount = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 0));
        else
            names.push_back(argv[i]);
    }
    // A buffer that is not on the heap: the C library would otherwise
    // allocate one at the first line printed, inside a measured run.
    static char s_outBuffer[BUFSIZ];
    std::setvbuf(stdout, s_outBuffer, _IOFBF, sizeof s_outBuffer);
    ::SetUnhandledExceptionFilter(OnCrash);
    AfxSetMessageBoxHook(AnswerMessageBox);
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::CloseHandle(::CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
    int nFailures = 0;
    for (const FuzzReader& reader : FuzzReaders()) {
        bool bWanted = names.empty();
        for (const std::string& name : names)
            bWanted = bWanted || name == reader.pszName;
        if (bWanted && nFirst < nCount && !RunReader(reader, nSeed, nFirst, nCount))
            nFailures++;
    }
    std::fflush(stdout);
    return nFailures == 0 ? 0 : 1;
}
