// Process attach and detach of the library.
#pragma once
#include <windows.h>

// Makes the library's state and registers its window classes for hModule;
// all or nothing: on failure nothing stays registered or made.
BOOL LibraryAttach(HINSTANCE hModule);
// Releases the state and unregisters the classes.
void LibraryDetach();
