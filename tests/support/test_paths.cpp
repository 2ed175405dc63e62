#include "test_paths.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::string TestRoot()
{
    std::string root = FolderFromEnvironment("SUITE_TEST_ROOT");
    if (root.empty()) {
        char buf[MAX_PATH];
        ::GetTempPathA(sizeof buf, buf);
        root = std::string(buf) + "suite-tests";
    }
    return root;
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = dir + "\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileA(path.c_str());
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(dir.c_str());
}

void MakeTree(const std::string& dir)
{
    size_t pos = 3;  // past "X:\"
    while ((pos = dir.find('\\', pos)) != std::string::npos) {
        ::CreateDirectoryA(dir.substr(0, pos).c_str(), nullptr);
        ++pos;
    }
    ::CreateDirectoryA(dir.c_str(), nullptr);
}

}  // namespace

std::string FolderFromEnvironment(const char* name)
{
    char buf[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA(name, buf, sizeof buf);
    if (n == 0 || n >= sizeof buf)
        return std::string();
    // CTest sets Unix paths; Wine maps them under drive Z:.
    std::string folder(buf);
    if (!folder.empty() && folder[0] == '/')
        folder = "Z:" + folder;
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    return folder;
}

std::string FreshTestFolder()
{
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "global";
    for (char& c : name)
        if (c == '/')
            c = '_';
    std::string dir = TestRoot() + "\\" + name;
    RemoveTree(dir);
    MakeTree(dir);
    return dir;
}
