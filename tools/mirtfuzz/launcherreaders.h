// The launcher's readers under the fuzzer: the form library index as the
// form list reads it (rows and their texts, the listable forms counted),
// and the auto-input files as the user registration reads them back and
// writes them again.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

std::vector<std::string> LauncherIndexSeeds();
std::vector<std::string> AutoInputSeeds();
void RunLauncherIndex(const std::string& bytes, CDC& screen, CDC& printer);
void RunAutoInput(const std::string& bytes, CDC& screen, CDC& printer);
