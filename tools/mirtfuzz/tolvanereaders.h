// The form screen's readers under the fuzzer: the form library index
// "QamMainData.dat" and the crop-mark map "TMBFILEMAP.DAT", each read,
// written and read again to the same content, then looked up; ".qmt"
// files read by the document, stored and read again.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

std::vector<std::string> IndexSeeds();
std::vector<std::string> CropMarkMapSeeds();
std::vector<std::string> QmtSeeds();
void RunQmtFile(const std::string& bytes, CDC& screen, CDC& printer);
void RunIndex(const std::string& bytes, CDC& screen, CDC& printer);
void RunCropMarkMap(const std::string& bytes, CDC& screen, CDC& printer);
