// Font tests of the objects.
#pragma once
#include <windows.h>

// Shift-JIS character set, or a face name (after one leading '@') that
// begins with a byte of 0x80 or more or is "System", "Terminal" or
// "FixedSys".
bool IsJapaneseFont(const LOGFONTA& lf);
// A TrueType family of the face name (compared without case) is among the
// screen's font families.
bool IsFontInstalled(const LOGFONTA& lf);
