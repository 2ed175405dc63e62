// The library's window classes, registered in a fixed order.
#pragma once
#include <windows.h>

// Registers every class, stopping at the first failure; on failure every
BOOL RegisterObjectClasses(HINSTANCE hModule);
void UnregisterObjectClasses(HINSTANCE hModule);
// Names of all classes in the order they are registered.
int ObjectClassCount();
const char* ObjectClassName(int nIndex);
