// The form screen's readers under the fuzzer: the form library index
// "QamMainData.dat", the crop-mark map "TMBFILEMAP.DAT", the print options
// "PrnOptFile.DAT" and the print offsets "PrnOffset.dat", each read,
// written and read again to the same content, then looked up; ".qmt"
// files read by the document, stored and read again; and the pictures
// pasted from the clipboard (CF_DIB) made into BMP files.
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
std::vector<std::string> PrintOptionSeeds();
std::vector<std::string> PrintOffsetSeeds();
void RunPrintOptions(const std::string& bytes, CDC& screen, CDC& printer);
void RunPrintOffset(const std::string& bytes, CDC& screen, CDC& printer);
std::vector<std::string> ClipDibSeeds();
void RunClipDib(const std::string& bytes, CDC& screen, CDC& printer);
