// Bitmap files under the fuzzer: received forms carry pictures, which the
// form screen and the launcher read and draw through CPalDIB.
#pragma once
#include <string>
#include <vector>

#include <afxwin.h>

// BMP files of every kind GDI draws: 1, 4 and 8 bits with colour tables,
// 16, 24 and 32 bits, colour masks, run-length coding, a top-down picture
// and a larger header.
std::vector<std::string> BmpFileSeeds();
// A refused file leaves the picture empty; one read whole writes back the
// same bytes and is drawn on both contexts.
void RunBmpFile(const std::string& bytes, CDC& screen, CDC& printer);
