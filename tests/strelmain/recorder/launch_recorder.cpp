// A stand-in for a program the launcher starts: writes its command line
// into "launched.txt" beside itself and ends.
#include <windows.h>
#include <cstring>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string file = path;
    file = file.substr(0, file.rfind('\\') + 1) + "launched.txt";
    const char* line = ::GetCommandLineA();
    HANDLE h = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    ::WriteFile(h, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr);
    ::CloseHandle(h);
    return 0;
}
