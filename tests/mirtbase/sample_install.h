// The install tree the tests run from, where the build wrote the sample
// forms ("DATA\FMT\ON9001.FMT" ...).
#pragma once
#include <string>

// The folder of the test program.
std::string TestProgramFolder();

// Above SUITE_EXE_DIR, else beside the test program's folder.
std::string SampleInstallRoot();
