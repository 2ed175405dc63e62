// The programs' main window and message loop until their application
// objects take over.
#pragma once
#include <windows.h>

int RunPlainMainWindow(HINSTANCE instance, const char* className, const char* title, int show);
