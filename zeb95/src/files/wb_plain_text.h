// A whiteboard's text items as plain text: ordered by y, then x, line feeds
// written as CR LF, form feeds after a line end, other control bytes
// dropped, each item ending in a line end.
#pragma once
#include <windows.h>

#include <string>

class ZebWbRecord;

std::string WbPlainText(const ZebWbRecord& wb);
