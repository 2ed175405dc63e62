// Scratch folders for tests, under the build tree.
#pragma once
#include <string>

// A fresh, empty folder (Windows path, no trailing backslash) named after
// the running test.
std::string FreshTestFolder();

// The folder named by an environment variable as a Windows path, or empty.
std::string FolderFromEnvironment(const char* name);
