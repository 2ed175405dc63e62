#include "test_paths.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::string TestRoot()
{
    char buf[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA("SUITE_TEST_ROOT", buf, sizeof buf);
    if (n == 0 || n >= sizeof buf) {
        ::GetTempPathA(sizeof buf, buf);
        return std::string(buf) + "suite-tests";
    }
    // The variable holds a Unix path when set by CTest; Wine maps it.
    std::string root(buf);
    if (!root.empty() && root[0] == '/')
        root = "Z:" + root;
    for (char& c : root)
        if (c == '/')
            c = '\\';
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
