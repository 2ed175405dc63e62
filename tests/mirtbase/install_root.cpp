#include "install_root.h"

#include <mirtenv.h>

#include "test_paths.h"

ScratchInstallRoot::ScratchInstallRoot() : m_root(FreshTestFolder())
{
    CMirtEnv::SetRootOverride(m_root.c_str());
    for (const char* folder : {"\\DATA", "\\DATA\\RCV", "\\DATA\\META", "\\DATA\\Defbmp"})
        ::CreateDirectoryA((m_root + folder).c_str(), nullptr);
}

ScratchInstallRoot::~ScratchInstallRoot()
{
    CMirtEnv::SetRootOverride(nullptr);
}

void WriteMetafile(const std::string& path, COLORREF colour)
{
    HDC dc = ::CreateEnhMetaFileA(nullptr, path.c_str(), nullptr, nullptr);
    HBRUSH brush = ::CreateSolidBrush(colour);
    const RECT rect = {0, 0, 100, 100};
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(dc));
}
