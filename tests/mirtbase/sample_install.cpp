#include "sample_install.h"

#include <windows.h>

#include "test_paths.h"

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program = path;
    return program.substr(0, program.rfind('\\'));
}

std::string SampleInstallRoot()
{
    std::string exeDir = FolderFromEnvironment("SUITE_EXE_DIR");
    if (exeDir.empty()) {
        exeDir = TestProgramFolder();
        exeDir = exeDir.substr(0, exeDir.rfind('\\')) + "\\install\\exe";
    }
    return exeDir.substr(0, exeDir.rfind('\\'));
}
