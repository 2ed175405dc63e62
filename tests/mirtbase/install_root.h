// Tests of pictures and metafiles on an install root of their own.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

// While it lives, a fresh folder with "\DATA", "\DATA\RCV", "\DATA\META"
// and "\DATA\Defbmp" is CMirtEnv's root.
class ScratchInstallRoot
{
public:
    ScratchInstallRoot();
    ~ScratchInstallRoot();
    ScratchInstallRoot(const ScratchInstallRoot&) = delete;
    ScratchInstallRoot& operator=(const ScratchInstallRoot&) = delete;

    const std::string m_root;
};

class InstallRootTest : public testing::Test
{
protected:
    ScratchInstallRoot m_install;
    const std::string& m_root = m_install.m_root;
};

// A metafile that fills its 100 by 100 frame with one colour.
void WriteMetafile(const std::string& path, COLORREF colour);
