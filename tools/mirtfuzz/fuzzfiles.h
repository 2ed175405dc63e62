// What the object library's fuzz readers share: a file of this process in
// the temporary folder with whole reads and writes of it, and the
// whiteboard they read into.
#pragma once
#include <windows.h>

#include <string>

// "zebfuzz-" + process id + "." + the extension, in the temporary folder.
std::string TempFile(const char* pszExtension);
std::string FileText(const std::string& path);
void PutFile(const std::string& path, const std::string& bytes);
// A hidden 400 x 300 top-level window, and a 300 x 200 whiteboard on it
// (null when none is made).
HWND CreateFuzzParent();
HWND CreateFuzzWhiteBoard(HWND hParent);
