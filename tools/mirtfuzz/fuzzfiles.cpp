#include "fuzzfiles.h"

#include <fstream>
#include <iterator>

#include "zeb95.h"

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

HWND CreateFuzzParent()
{
    return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
}

HWND CreateFuzzWhiteBoard(HWND hParent)
{
    ZebWbCreateInfo info = {};
    info.hParent = hParent;
    info.cx = 300;
    info.cy = 200;
    return zebCreateWhiteBoard(&info);
}
