// Archives over byte strings.
#pragma once
#include <functional>
#include <string>

#include <afx.h>

// What write puts into an archive.
std::string StoreBytes(const std::function<void(CArchive&)>& write);
// Reads bytes through read.
void LoadBytes(const std::string& bytes, const std::function<void(CArchive&)>& read);
