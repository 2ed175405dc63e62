#include "fuzzfiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>

std::string TempFile(const char* pszExtension)
{
    char szFolder[MAX_PATH];
    ::GetTempPathA(sizeof szFolder, szFolder);
    return std::string(szFolder) + "zebfuzz-" + std::to_string(::GetCurrentProcessId()) + "." + pszExtension;
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
