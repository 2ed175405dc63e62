// The time from starting a program to its main window being idle: the
// launcher next to the minimal window program, started in turn, the median
// of the runs after one warm-up start of each.
//   launch_bench <launcher> <minimal program> <runs>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "benchclock.h"
#include "figureline.h"
#include "processwindow.h"

namespace {

const DWORD kTimeout = 30000;

// The process's main window, waiting for it to show.
HWND MainWindowOf(DWORD dwProcessId)
{
    CBenchClock clock;
    for (;;) {
        HWND hWnd = FindProcessWindow(dwProcessId);
        if (hWnd != nullptr || clock.Seconds() * 1000 >= kTimeout)
            return hWnd;
        ::Sleep(0);
    }
}

// The folder part of a program's path.
std::string FolderOf(const std::string& path)
{
    const size_t nAt = path.find_last_of('\\');
    return nAt == std::string::npos ? std::string(".") : path.substr(0, nAt);
}

// Milliseconds from starting the program to its main window being idle;
// the program is ended afterwards.
double StartToIdle(const std::string& program)
{
    std::string command = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    CBenchClock clock;
    BenchCheck(::CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                FolderOf(program).c_str(), &startup, &process) != 0,
               "a program does not start");
    const bool bIdle = ::WaitForInputIdle(process.hProcess, kTimeout) == 0;
    const bool bWindow = bIdle && MainWindowOf(process.dwProcessId) != nullptr;
    const double ms = clock.Seconds() * 1000;
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, kTimeout);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    BenchCheck(bIdle, "a program did not get idle");
    BenchCheck(bWindow, "a program showed no window");
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    BenchCheck(argc == 4 && std::atoi(argv[3]) > 0, "usage: launch_bench <launcher> <minimal program> <runs>");
    const std::string launcher = argv[1];
    const std::string minimal = argv[2];
    const int nRuns = std::atoi(argv[3]);
    StartToIdle(minimal);
    StartToIdle(launcher);
    std::vector<double> launcherMs;
    std::vector<double> minimalMs;
    for (int i = 0; i < nRuns; i++) {
        minimalMs.push_back(StartToIdle(minimal));
        launcherMs.push_back(StartToIdle(launcher));
    }
    CFigureLine line("launch");
    line.Add("runs", nRuns, 0);
    line.Add("launcher_ms", Median(launcherMs), 1);
    line.Add("minimal_ms", Median(minimalMs), 1);
    line.Print();
    return 0;
}
