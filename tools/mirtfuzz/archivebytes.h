// Archives over byte strings.
#pragma once
#include <functional>
#include <string>

#include <afx.h>

#include "nmirtdoc.h"

// What write puts into an archive.
std::string StoreBytes(const std::function<void(CArchive&)>& write);
// Reads bytes through read.
void LoadBytes(const std::string& bytes, const std::function<void(CArchive&)>& read);
// The bytes of the blob an exchange record carries; frees the blob.
std::string TakeBlobBytes(tagNMIRTDOC& record);
