// Files of the object library's fuzz readers: a file of this process in
// the temporary folder, and whole reads and writes of it.
#pragma once
#include <string>

// "zebfuzz-" + process id + "." + the extension, in the temporary folder.
std::string TempFile(const char* pszExtension);
std::string FileText(const std::string& path);
void PutFile(const std::string& path, const std::string& bytes);
