// The install tree the tests run from, where the build wrote the sample
// forms ("DATA\FMT\ON9001.FMT" ...).
#pragma once
#include <string>

#include <windows.h>

class CNMirtDoc;

// The folder of the test program.
std::string TestProgramFolder();

// Above SUITE_EXE_DIR, else beside the test program's folder.
std::string SampleInstallRoot();

// The first page of the installed sample data of form nID (S<id>.qmt in
// the samples folder), the caller's; null when it cannot be read.
CNMirtDoc* SamplePage(UINT nID);
