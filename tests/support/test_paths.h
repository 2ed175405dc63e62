// Scratch folders for tests, under the build tree.
#pragma once
#include <string>

// A fresh, empty folder (Windows path, no trailing backslash) named after
// the running test.
std::string FreshTestFolder();
